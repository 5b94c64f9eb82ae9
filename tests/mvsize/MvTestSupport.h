#pragma once
// What the medium-voltage engine's tests share: a project made from ZelMt02's schema, a private copy of
// the shipped catalogue ZelMt01.zel (tests that need a damaged catalogue change their copy), the
// application context around them, and readers of what a calculation wrote.

#include "Calculo.h"
#include "Clock.h"
#include "MessageService.h"
#include "ProjetoAberto.h"

#include <optional>
#include <string>
#include <vector>

namespace mvtest {

// One circuit row. The defaults: directly buried (method 5), EPR 90 C copper (cable 1), 8,7/15 kV
// (class 3), single-core in trefoil (reference method H), soil 20 C, 2.5 K.m/W, one circuit.
struct Circuito {
    short seq = 1;
    short pai = 0;  // 0: top level (NULL)
    std::string codigo = "AL-01";
    int maneira = 5, classe = 3, cabo = 1, temperatura = 20;
    float corrente = 200, tensao = 13.8f, quedaMaxima = 5, fp = 0.9f, L = 1000;
    int conexao = 1;
    float tempoCurto = 0.25f, tempoBlindagem = 1, icc = 10;  // s, s, kA
    int condutores = 0, secaoImposta = 0;
    float agrupamento = 0;
    bool calculado = false;
    int disposicao = 2;
    float resistividade = 2.5f;
    int tipoCabo = 1, espacamento = 0, bandejas = 0, ternas = 1, orientacao = 1;
    int custo = 0, anos = 0, horas = 0;
    float tarifa = 0;
};

struct Linha {
    int numero = 0;
    int tipo = 0;
    std::string variavel;
    std::string valor;
};

struct Calculo {
    BOOL ok = FALSE;
    std::string erro;
    short n = 0;
    short S = 0;
    BYTE criterio = 0;
    float kg = 0;
    float queda = 0;
};

class Ambiente : public zeltest::ProjetoAberto {
public:
    // catalogueSql runs on the private catalogue copy before it is opened (to damage it on purpose).
    explicit Ambiente(const std::string& catalogueSql = "");
    ~Ambiente();

    void Inserir(const Circuito& c);
    void Sql(const std::string& sql) { projeto.Execute(sql); }
    Calculo Calcular(short seq);

    std::vector<Linha> Linhas(short seq);
    std::string Coluna(short seq, const std::string& coluna);

    RecordingMessageService mensagens;
    FixedClock relogio{{2024, 5, 6, 10, 30, 0}};
    std::optional<ScopedAppContext> escopo;
};

std::string ShippedCatalogue();
std::string Valor(const std::vector<Linha>& linhas, const std::string& variavel);
bool Tem(const std::vector<Linha>& linhas, const std::string& variavel);

}  // namespace mvtest
