#pragma once
// What the engine's tests share: a project made from the template's schema, a catalogue (the shipped one
// or the small fixture), the application context around them, and readers of what a calculation wrote.

#include "Calculo.h"
#include "ProjetoAberto.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace lvtest {

// The fixture catalogue's SQL, the template's schema, the shipped catalogue's path.
std::string FixtureCatalogueSql();
std::string TemplateSchemaSql();
std::string ShippedCatalogue();

// One circuit row; the defaults make an ordinary single-phase circuit on the fixture catalogue.
struct Circuito {
    short seq = 1;
    short pai = 0;  // 0: top level (NULL)
    std::string codigo = "C1";
    int maneira = 1, sistema = 1, cabo = 1, temperatura = 30;
    float L = 10;
    int Uff = 0;
    float U0 = 220;
    float secaoMinima = 1.5f;
    int condutoresImpostos = 0;
    float secaoImposta = 0;
    float agrupamentoImposto = 0;
    float fd = 1;
    float ikmax = 3;  // kA
    int harmonica = 0;
    float resistividade = 0;
    float quedaRegime = 4;
    float quedaPartida = 0;
    bool dispensarSobrecarga = false;
    bool dispensarContato = false;
    float corrente = 0;
    float fp = 1;
    int dispositivo = 1;
    float fatorDisjuntor = 1;
    int horas = 0, custo = 0, anos = 0;
    float tarifa = 0;
    bool calculado = false;
    // (question, item) pairs; one circuit alone in its conduit by default.
    std::vector<std::pair<int, int>> respostas = {{1, 1}};
};

// An ordinary single-phase circuit of the shipped catalogue: 220 V F+N+PE (system 1), method 3 (B1),
// insulated Cu PVC conductors (cable 1), 30 C, alone in its conduit (question 13), curve C breaker (device
// 2), 3 kA, minimum 2.5 mm2.
Circuito CircuitoEntregue();

// Tests on the shipped catalogue: they fail at once when it was not built.
class TesteCatalogoEntregue : public ::testing::Test {
protected:
    void SetUp() override;
};

struct Linha {
    int numero = 0;
    int tipo = 0;
    std::string variavel;
    std::string valor;
    int motor = 0, carga = 0, cc = 0;
};

struct Resultado {
    int n = 0;
    double secao = 0;
    double corrente = 0;
    double queda = 0;
    std::string dispositivo;
    bool calculado = false;
};

struct Calculo {
    BOOL ok = FALSE;
    std::string erro;
    BOOL mostrar = FALSE;
    short n = 0;
    float S = 0;
    BYTE criterio = 0;
};

// A project and a catalogue under a fresh folder, with the context the engine reads them through.
class Ambiente : public zeltest::ProjetoAberto {
public:
    // catalogue: path of an existing catalogue file, or empty for the fixture catalogue made with extraSql.
    explicit Ambiente(const std::string& catalogue = "", const std::string& extraCatalogueSql = "");
    ~Ambiente();

    void Inserir(const Circuito& c);
    void Resposta(short seq, int questao, int item);
    void Carga(short seq, int numero, float fd, int iguais, float potencia, float fp);
    void Motor(short seq, int numero, int qtde, float Ir, float fpr, float Ip, float fpp);
    void Sql(const std::string& sql) { projeto.Execute(sql); }

    // Sizes one circuit the way the circuit command does (construct, Calcular, read, delete).
    Calculo Calcular(short seq);
    // The same with an engine made by the caller (a subclass that injects a fault).
    Calculo Calcular(CCalculo& engine);

    std::vector<Linha> Linhas(short seq);
    Resultado Ler(short seq);
    long Contar(const std::string& sqlCount);

    RecordingMessageService mensagens;
    FixedClock relogio{{2024, 5, 6, 10, 30, 0}};
    std::optional<ScopedAppContext> escopo;
};

// The value of the first line with that label ("" when none), of a type (2 input, 3 result) or any, and
// whether such a line exists.
std::string Valor(const std::vector<Linha>& linhas, const std::string& variavel, int tipo = 0);
bool Tem(const std::vector<Linha>& linhas, const std::string& variavel);

// Runs body on a worker thread; a body still running after the deadline is a hang: the test program
// reports it and ends at once (a stuck thread cannot be stopped).
void ComPrazo(int segundos, const std::function<void()>& body);

}  // namespace lvtest
