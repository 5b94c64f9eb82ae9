// Every layout the circuit dialog's questions can store, with the options the shipped catalogue offers,
// sizes a circuit: no offered answer ends for lack of data. The answers are decoded as the dialog decodes
// them (trays answer 4 = 6, three-core answers 4 and 5 = 6 and 9; methods 1, 4 and 6 fix the conductors per
// phase, method 2 one conductor while the grouping factor is automatic).

#include "MvTestSupport.h"

#include "DaoRecordsetManual.h"
#include "SqlValue.h"

#include <gtest/gtest.h>

using mvtest::Ambiente;
using mvtest::Circuito;

namespace {

const char* const kAgrupamento = "Número de condutores calculado excede tabela de fator de agrupamento. Rever circuito.";

int Opcoes(CDaoDatabase& cat, int pergunta)
{
    CDaoRecordsetManual rs(&cat, dbOpenSnapshot,
                           FormatC("SELECT COUNT(*) AS n FROM tabela_selecao WHERE tabela_selecao_codigo=%i", pergunta)
                               .c_str());
    long n = 0;
    rs.GetFieldLong("n", n);
    return static_cast<int>(n) - 1;  // the first row is the question
}

std::vector<int> Respostas(CDaoDatabase& cat, int pergunta)
{
    std::vector<int> out;
    for (int a = 1; a <= Opcoes(cat, pergunta); ++a)
        out.push_back(a);
    return out;
}

Circuito Base(int maneira, int tipo, int disposicao)
{
    Circuito c;
    c.maneira = maneira;
    c.tipoCabo = tipo;
    c.disposicao = disposicao;
    c.corrente = 100;
    c.temperatura = 30;  // tabled for air, soil and trench alike
    c.L = 100;
    c.espacamento = 0;
    c.bandejas = 0;
    c.ternas = 0;
    c.orientacao = 1;
    return c;
}

std::vector<Circuito> DisposicoesOferecidas(CDaoDatabase& cat)
{
    std::vector<Circuito> out;
    // Method 1: 40, (41), 45, (44), 42 or 43, and 46 unless 42 fixed the spacing.
    for (int tipo : Respostas(cat, 40)) {
        for (int disp : tipo == 1 ? Respostas(cat, 41) : std::vector<int>{0}) {
            for (int orient : Respostas(cat, 45)) {
                std::vector<int> bandejas{0};
                if (orient == 1) {
                    bandejas.clear();
                    for (int a : Respostas(cat, 44))
                        bandejas.push_back(a == 4 ? 6 : a);
                }
                for (int b : bandejas) {
                    std::vector<int> ternas;
                    for (int a : Respostas(cat, tipo == 1 ? 42 : 43))
                        ternas.push_back(tipo == 1 ? a : a == 4 ? 6 : a == 5 ? 9 : a);
                    for (int t : ternas) {
                        const bool perguntaEspacamento = tipo != 1 || disp == 1;
                        for (int esp : perguntaEspacamento ? Respostas(cat, 46) : std::vector<int>{0}) {
                            Circuito c = Base(1, tipo, disp);
                            c.orientacao = orient;
                            c.bandejas = b;
                            c.ternas = t;
                            c.espacamento = esp;
                            c.condutores = orient == 1 ? b * t : t;
                            out.push_back(c);
                        }
                    }
                }
            }
        }
    }
    // Methods 2 and 3: cable type and, for single-core, the arrangement.
    for (int maneira : {2, 3}) {
        const int q = maneira == 2 ? 70 : 60;
        for (int tipo : Respostas(cat, q))
            for (int disp : tipo == 1 ? Respostas(cat, q + 1) : std::vector<int>{0}) {
                Circuito c = Base(maneira, tipo, disp);
                c.condutores = maneira == 2 ? 1 : 0;
                out.push_back(c);
            }
    }
    // Methods 4, 5 and 6: cable type, arrangement, then the number of circuits (ducts, conduits).
    for (int maneira : {4, 5, 6}) {
        const int q = maneira == 4 ? 50 : maneira == 5 ? 80 : 90;
        for (int tipo : Respostas(cat, q))
            for (int disp : tipo == 1 ? Respostas(cat, q + 1) : std::vector<int>{0})
                for (int t : Respostas(cat, disp == 1 ? q + 2 : q + 3)) {
                    Circuito c = Base(maneira, tipo, disp);
                    c.ternas = t;
                    c.condutores = maneira == 5 ? 0 : t;
                    out.push_back(c);
                }
    }
    return out;
}

// Whether the grouping table has a factor for the layout as answered (the 20 cm spacing needs none).
bool TemFatorDeAgrupamento(CDaoDatabase& cat, const Circuito& c)
{
    if (c.espacamento == 2)
        return true;
    CDaoRecordsetManual ref(&cat, dbOpenSnapshot,
                            FormatC("SELECT Metodo_referencia FROM referencias_metodo_instalacao_NBR_14039 WHERE "
                                    "Maneira_de_Instalar=%i and Tipo_de_Cabo=%i and Disposicao=%i",
                                    c.maneira, c.tipoCabo, c.disposicao)
                                .c_str());
    if (ref.IsEOF())
        return false;
    std::string letra;
    ref.GetFieldString("Metodo_referencia", letra);
    CDaoRecordsetManual kg(&cat, dbOpenSnapshot,
                           FormatC("SELECT fator_ate_95 FROM fator_agrupamento_NBR_14039 WHERE metodo_referencia=? AND "
                                   "tipo_cabo=%i AND orientacao=%i AND numero_bandejas=%i AND numero_ternas_ou_cabos=%i",
                                   c.tipoCabo, c.orientacao, c.bandejas, c.ternas),
                           SqlParams{letra});
    return !kg.IsEOF();
}

std::string Descrever(const Circuito& c)
{
    return FormatC("maneira %i tipo %i disposicao %i espacamento %i bandejas %i ternas %i orientacao %i", c.maneira,
                   c.tipoCabo, c.disposicao, c.espacamento, c.bandejas, c.ternas, c.orientacao);
}

}  // namespace

TEST(DisposicoesOferecidasMt, TodaRespostaOferecidaDimensiona)
{
    Ambiente a;
    a.Sql("PRAGMA synchronous=OFF");  // some 250 calculations, each committed
    const std::vector<Circuito> disposicoes = DisposicoesOferecidas(a.catalogo);
    ASSERT_GT(disposicoes.size(), 100u);
    short seq = 0;
    for (Circuito c : disposicoes) {
        // As the layout stands: sized, or stopped where the standard tabulates no grouping factor for the
        // circuits answered (the sets the answers fix are those circuits: a current that needs no more).
        c.seq = ++seq;
        c.codigo = FormatC("D%i", c.seq);
        a.Inserir(c);
        const auto r = a.Calcular(c.seq);
        if (TemFatorDeAgrupamento(a.catalogo, c))
            EXPECT_TRUE(r.ok) << Descrever(c) << ": " << r.erro;
        else
            EXPECT_EQ(r.erro, kAgrupamento) << Descrever(c);

        // With a factor imposed (the way out of the grouping message) every layout sizes.
        c.seq = ++seq;
        c.codigo = FormatC("D%i", c.seq);
        c.agrupamento = 0.8f;
        a.Inserir(c);
        const auto imposto = a.Calcular(c.seq);
        EXPECT_TRUE(imposto.ok) << Descrever(c) << ": " << imposto.erro;
    }
}
