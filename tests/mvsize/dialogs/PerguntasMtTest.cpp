// The cable-layout questions on OK: which questions each method asks, the six layout columns they store,
// and the conductors per phase they fix.
#include "CaracteristicasMt.h"
#include "CaracteristicasMtFixture.h"
#include "CaracteristicasMtIds.h"

#include "EditColor.h"

#include <gtest/gtest.h>

using namespace mvcar;
using namespace mvcartest;

namespace {

using Perguntas = std::vector<int>;

// disposicao_dos_cabos, tipo_cabo, espacamento_cabos_ternas, numero_bandejas, numero_ternas, orientacao
std::vector<int> Disposicao(Projeto& p, int seq)
{
    std::vector<int> out;
    for (const char* c : {"disposicao_dos_cabos", "tipo_cabo", "espacamento_cabos_ternas", "numero_bandejas",
                          "numero_ternas", "orientacao"})
        out.push_back(static_cast<int>(
            p.Numero(std::string("SELECT ") + c + " FROM circuito WHERE circuito_sequencial=" + std::to_string(seq))));
    return out;
}

struct Caso {
    const char* nome;
    const char* maneira;
    std::vector<int> respostas;
    Perguntas perguntas;
    std::vector<int> disposicao;
    int condutores;  // stored circuito_numero_condutores
    const char* mensagem;  // start of the information message; "" for none
};

TEST(MvPerguntas, EachMethodAsksItsQuestionsAndStoresTheLayout)
{
    const std::vector<Caso> casos = {
        {"bandeja unipolar espaçados horizontal", kBandejas, {1, 1, 1, 3, 2, 1}, {40, 41, 45, 44, 42, 46},
         {1, 1, 1, 3, 2, 1}, 6,
         "Você selecionou 3 bandeja(s) e 2 terna(s) por bandeja! \nem função disso o sistema assumirá 6 condutores "
         "por fase \n \nO fator de agrupamento atenderá a tabela 34 da NBR 14039:2005/Em1:2021"},
        {"bandeja tripolar vertical", kBandejas, {2, 2, 3, 2}, {40, 45, 43, 46}, {0, 2, 2, 0, 3, 2}, 3,
         "Você selecionou 3 terna(s) para uma instalação Vertical! \nem função disso o sistema assumirá 3 condutores "
         "por fase \n \nO fator de agrupamento atenderá a tabela 35 da NBR 14039:2005/Em1:2021"},
        {"bandeja unipolar em trifólio: sem espaçamento", kBandejas, {1, 2, 1, 1, 3}, {40, 41, 45, 44, 42},
         {2, 1, 0, 1, 3, 1}, 3,
         "Você selecionou 1 bandeja(s) e 3 terna(s) por bandeja! \nem função disso o sistema assumirá 3 condutores "
         "por fase \n \nO fator de agrupamento atenderá a tabela 34 da NBR 14039:2005/Em1:2021"},
        {"canaleta tripolar", kCanaleta, {2}, {70}, {0, 2, 0, 0, 0, 1}, 1, "A NBR 14039:2005 para Canaletas"},
        {"canaleta unipolar", kCanaleta, {1, 3}, {70, 71}, {3, 1, 0, 0, 0, 1}, 1, "A NBR 14039:2005 para Canaletas"},
        {"eletroduto unipolar", kEletroduto, {1, 2}, {60, 61}, {2, 1, 0, 0, 0, 1}, 0, ""},
        {"eletroduto tripolar", kEletroduto, {2}, {60}, {0, 2, 0, 0, 0, 1}, 0, ""},
        {"banco de dutos um cabo por duto", kBancoDutos, {1, 1, 3}, {50, 51, 52}, {1, 1, 0, 0, 3, 1}, 3, ""},
        {"banco de dutos trifólio", kBancoDutos, {1, 2, 2}, {50, 51, 53}, {2, 1, 0, 0, 2, 1}, 2, ""},
        {"banco de dutos tripolar", kBancoDutos, {2, 4}, {50, 53}, {0, 2, 0, 0, 4, 1}, 4, ""},
        {"enterrados: condutores não mudam", kEnterrados, {1, 2, 3}, {80, 81, 83}, {2, 1, 0, 0, 3, 1}, 0, ""},
        {"enterrados espaçados", kEnterrados, {1, 1, 4}, {80, 81, 82}, {1, 1, 0, 0, 4, 1}, 0, ""},
        {"eletrodutos enterrados", kEletrodutosEnterrados, {1, 1, 4}, {90, 91, 92}, {1, 1, 0, 0, 4, 1}, 4, ""},
        {"eletrodutos enterrados tripolar", kEletrodutosEnterrados, {2, 2}, {90, 93}, {0, 2, 0, 0, 2, 1}, 2, ""},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        Projeto p;
        CCaracteristicas dlg;
        dlg.m_bInclusao = TRUE;
        DialogDriver d = p.host.Open(dlg);
        Cascata(d, c.maneira, "13.8", kCaboEpr);
        Preencher(d, "C1");
        ASSERT_TRUE(d.Enabled(IDOK));
        Perguntas perguntas;
        Responder(p.host, c.respostas, perguntas);
        d.Click(IDOK);
        EXPECT_EQ(perguntas, c.perguntas);
        ASSERT_TRUE(d.Ended());
        EXPECT_EQ(d.Result(), IDOK);
        EXPECT_EQ(Disposicao(p, 1), c.disposicao);
        EXPECT_EQ(p.Numero("SELECT circuito_numero_condutores FROM circuito"), c.condutores);
        if (*c.mensagem) {
            ASSERT_EQ(p.host.messages.size(), 1u);
            EXPECT_EQ(p.host.messages[0].text.rfind(c.mensagem, 0), 0u) << p.host.messages[0].text;
            EXPECT_EQ(p.host.messages[0].type & MB_ICONINFORMATION, static_cast<unsigned>(MB_ICONINFORMATION));
        } else {
            EXPECT_TRUE(p.host.messages.empty());
        }
        p.host.Close(dlg);
    }
}

TEST(MvPerguntas, RacewayWithAnImposedFactorKeepsTheTypedConductors)
{
    // Raceway with an imposed factor and typed conductors: the answers do not touch the field.
    Projeto p;
    CCaracteristicas dlg;
    dlg.m_bInclusao = TRUE;
    DialogDriver d = p.host.Open(dlg);
    Cascata(d, kCanaleta, "13.8", kCaboEpr);
    Preencher(d, "C1");
    Put(d, IDC_NUMERO_CONDUTORES, "3").Focus(IDC_FATOR_AGRUPAMENTO);
    Put(d, IDC_FATOR_AGRUPAMENTO, "0.8").Focus(IDC_CIRCUITO);
    Perguntas perguntas;
    Responder(p.host, {2}, perguntas);
    d.Click(IDOK);
    ASSERT_TRUE(d.Ended());
    EXPECT_EQ(p.Numero("SELECT circuito_numero_condutores FROM circuito"), 3);
    EXPECT_NEAR(p.Numero("SELECT circuito_fator_agrupamento_imposto FROM circuito"), 0.8, 1e-6);
    EXPECT_TRUE(p.host.messages.empty()) << "no message with an imposed factor";
    p.host.Close(dlg);
}

TEST(MvPerguntas, AnswersBeyondTheShippedOptionsAreMappedToTraysAndCables)
{
    // 4 trays are stored as 6, 4 and 5 three-core cables as 6 and 9.
    zeltest::TempDir copia;
    Projeto p(CatalogueCopy(copia, "INSERT INTO tabela_selecao VALUES(44,4,'6'),(43,4,'6'),(43,5,'9')"));
    struct Mapa {
        std::vector<int> respostas;
        int bandejas, ternas, condutores;
    };
    for (const Mapa& m : {Mapa{{2, 1, 4, 2, 1}, 6, 2, 12}, Mapa{{2, 2, 5, 1}, 0, 9, 9}, Mapa{{2, 2, 4, 1}, 0, 6, 6}}) {
        p.Sql("DELETE FROM circuito");
        CCaracteristicas dlg;
        dlg.m_bInclusao = TRUE;
        DialogDriver d = p.host.Open(dlg);
        Cascata(d, kBandejas, "13.8", kCaboEpr);
        Preencher(d, "C1");
        Perguntas perguntas;
        Responder(p.host, m.respostas, perguntas);
        d.Click(IDOK);
        ASSERT_TRUE(d.Ended());
        EXPECT_EQ(p.Numero("SELECT numero_bandejas FROM circuito"), m.bandejas);
        EXPECT_EQ(p.Numero("SELECT numero_ternas FROM circuito"), m.ternas);
        EXPECT_EQ(p.Numero("SELECT circuito_numero_condutores FROM circuito"), m.condutores);
        p.host.Close(dlg);
    }
}

TEST(MvPerguntas, CancelOfAQuestionKeepsTheDialogOpenAndOkStartsAgain)
{
    Projeto p;
    CCaracteristicas dlg;
    dlg.m_bInclusao = TRUE;
    DialogDriver d = p.host.Open(dlg);
    Cascata(d, kBandejas, "13.8", kCaboEpr);
    Preencher(d, "C1");
    Perguntas perguntas;
    Responder(p.host, {1, 0}, perguntas);
    d.Click(IDOK);
    EXPECT_EQ(perguntas, (Perguntas{40, 41}));
    EXPECT_FALSE(d.Ended());
    EXPECT_EQ(p.Numero("SELECT COUNT(*) FROM circuito"), 0);
    EXPECT_EQ(dlg.m_nCircuitoSequencial, 0);

    perguntas.clear();
    Responder(p.host, {2, 2, 1, 1}, perguntas);
    d.Click(IDOK);
    EXPECT_EQ(perguntas, (Perguntas{40, 45, 43, 46}));
    ASSERT_TRUE(d.Ended());
    EXPECT_EQ(Disposicao(p, 1), (std::vector<int>{0, 2, 1, 0, 1, 2}));
    p.host.Close(dlg);
}

}  // namespace
