// The circuit dialog's lists, cascade, conversions and validation.
#include "CaracteristicasMt.h"
#include "CaracteristicasMtFixture.h"
#include "CaracteristicasMtIds.h"

#include "DaoRecordset.h"
#include "EditColor.h"
#include "SqlValue.h"
#include "ValidityColors.h"

#include <gtest/gtest.h>

using namespace mvcar;
using namespace mvcartest;

namespace {

using Lista = std::vector<std::string>;

COLORREF Fundo(DialogDriver& d, int id)
{
    return d.Get<CEditColor>(id).GetBkColor();
}

TEST(MvCaracteristicas, NewTopLevelCircuitStartsEmptyWithItsDefaults)
{
    Projeto p;
    CCaracteristicas dlg;
    dlg.m_bInclusao = TRUE;
    DialogDriver d = p.host.Open(dlg);
    EXPECT_EQ(d.Text(IDC_CIRCUITO), "");
    EXPECT_EQ(Linhas(d, IDC_MANEIRA_INSTALAR),
              (Lista{kBancoDutos, kBandejas, kCanaleta, kEnterrados, kEletroduto, kEletrodutosEnterrados}));
    EXPECT_EQ(Selecionado(d, IDC_MANEIRA_INSTALAR), kBancoDutos) << "first item of the sorted list";
    EXPECT_EQ(Linhas(d, IDC_RESISTIVIDADE), (Lista{"1.0", "1.5", "2.0", "2.5", "3.0"}));
    EXPECT_EQ(Linhas(d, IDC_CONEXAO_TIPO).size(), 2u);
    EXPECT_EQ(d.Get<CComboBox>(IDC_CONEXAO_TIPO).GetCurSel(), 0);
    const Lista secoes = Linhas(d, IDC_SECAO_CONDUTOR);
    ASSERT_EQ(secoes.size(), 18u);
    EXPECT_EQ(secoes.front(), "Autom.");
    EXPECT_EQ(secoes[1], "  10");
    EXPECT_EQ(Selecionado(d, IDC_SECAO_CONDUTOR), "Autom.");
    EXPECT_EQ(d.Text(IDC_NUMERO_CONDUTORES), "Autom.");
    EXPECT_EQ(d.Text(IDC_FATOR_AGRUPAMENTO), "Autom.");
    EXPECT_FALSE(d.Visible(IDC_TEMPO_CURTO_BLINDAGEM));
    EXPECT_FLOAT_EQ(d.Get<CEditColor>(IDC_TEMPO_CURTO_BLINDAGEM).GetValue(), 1.0f);
    EXPECT_FALSE(d.Visible(IDC_FATOR_POTENCIA)) << "no current yet";
    EXPECT_TRUE(d.Enabled(IDC_TENSAO_SERVICO));
    EXPECT_FALSE(d.Enabled(IDOK));
    EXPECT_EQ(Fundo(d, IDC_TENSAO_SERVICO), zel::ui::kMvsizeInvalidBackground);
    EXPECT_EQ(Fundo(d, IDC_CIRCUITO), zel::ui::kMvsizeInvalidBackground);
    p.host.Close(dlg);
}

TEST(MvCaracteristicas, ServiceVoltageFillsTheCoveringClassesAndTheCableCascadeFollows)
{
    Projeto p;
    CCaracteristicas dlg;
    dlg.m_bInclusao = TRUE;
    DialogDriver d = p.host.Open(dlg);
    d.Select(IDC_MANEIRA_INSTALAR, kEletroduto);
    Put(d, IDC_TENSAO_SERVICO, "13.8");
    d.Focus(IDC_CLASSE_TENSAO);
    EXPECT_EQ(Linhas(d, IDC_CLASSE_TENSAO), (Lista{" ", "8,7/15 kV", "12/20 kV", "15/25 kV", "20/35 kV"}));
    EXPECT_EQ(Selecionado(d, IDC_CLASSE_TENSAO), " ") << "a new circuit keeps the blank selected";
    EXPECT_EQ(dlg.m_nClasseTensaoCodigo, 3) << "the smallest class covering 13.8 kV";
    EXPECT_EQ(Fundo(d, IDC_TENSAO_SERVICO), zel::ui::kValidBackground);

    // Choosing a larger class takes effect when the list is left; the blank leaves the code as it was.
    d.Select(IDC_CLASSE_TENSAO, "15/25 kV").Focus(IDC_MANEIRA_INSTALAR);
    EXPECT_EQ(dlg.m_nClasseTensaoCodigo, 5);
    d.Focus(IDC_CLASSE_TENSAO).Select(IDC_CLASSE_TENSAO, " ").Focus(IDC_MANEIRA_INSTALAR);
    EXPECT_EQ(dlg.m_nClasseTensaoCodigo, 5);
    EXPECT_EQ(dlg.m_nManeiraInstalarCodigo, 3);

    // Entering the cable list fills it by ordem, the first selected; leaving it fills the temperatures
    // (30 when nothing was chosen before) and the sections of the cable and class.
    d.Focus(IDC_CABO);
    const Lista cabos = Linhas(d, IDC_CABO);
    ASSERT_EQ(cabos.size(), 8u);
    EXPECT_EQ(cabos.front(), kCaboEpr);
    EXPECT_EQ(cabos[6], kCaboXlpeAl);
    EXPECT_EQ(d.Get<CComboBox>(IDC_CABO).GetCurSel(), 0);
    d.Select(IDC_CABO, kCaboXlpeAl).Focus(IDC_COMPRIMENTO);
    EXPECT_EQ(dlg.m_nCaboCodigo, 7);
    EXPECT_EQ(Linhas(d, IDC_TEMPERATURA).front(), "10") << "sorted as text";
    EXPECT_EQ(Selecionado(d, IDC_TEMPERATURA), "30");
    const Lista secoes = Linhas(d, IDC_SECAO_CONDUTOR);
    ASSERT_GT(secoes.size(), 2u);
    EXPECT_EQ(secoes[0], "Autom.");
    // The sections of cable 7 in the class chosen above (5), in the catalogue's order.
    CDaoRecordset rs(&p.catalogo);
    rs.Open(dbOpenSnapshot, "SELECT secao_nominal FROM cabo_x_secao_blindagem WHERE cabo_codigo=7 AND "
                            "classe_tensao_codigo=5");
    Lista esperadas{"Autom."};
    for (; !rs.IsEOF(); rs.MoveNext())
        esperadas.push_back(FormatC("%4i", static_cast<int>(rs.GetFieldValue("secao_nominal").AsDouble())));
    EXPECT_EQ(secoes, esperadas);

    // A temperature chosen before stays chosen when the list is refilled.
    d.Select(IDC_TEMPERATURA, "40");
    d.Focus(IDC_CABO).Select(IDC_CABO, kCaboEpr).Focus(IDC_COMPRIMENTO);
    EXPECT_EQ(dlg.m_nCaboCodigo, 1);
    EXPECT_EQ(Selecionado(d, IDC_TEMPERATURA), "40");

    Preencher(d, "AL-01");
    EXPECT_TRUE(d.Enabled(IDOK));
    p.host.Close(dlg);
}

TEST(MvCaracteristicas, VoltageBeyondEveryClassKeepsOkDisabled)
{
    Projeto p;
    CCaracteristicas dlg;
    dlg.m_bInclusao = TRUE;
    DialogDriver d = p.host.Open(dlg);
    Cascata(d, kEletroduto, "13.8", kCaboEpr);
    Preencher(d, "C1");
    ASSERT_TRUE(d.Enabled(IDOK));
    Put(d, IDC_TENSAO_SERVICO, "40").Focus(IDC_COMPRIMENTO);
    EXPECT_TRUE(Linhas(d, IDC_CLASSE_TENSAO).empty());
    EXPECT_EQ(dlg.m_nClasseTensaoCodigo, 0);
    EXPECT_EQ(Fundo(d, IDC_TENSAO_SERVICO), zel::ui::kValidBackground) << "the field itself is valid";
    EXPECT_FALSE(d.Enabled(IDOK)) << "above the largest class of the cable";
    EXPECT_FALSE(d.Enabled(IDC_CABO));
    p.host.Close(dlg);
}

TEST(MvCaracteristicas, CurrentAndApparentPowerConvertEachOther)
{
    Projeto p;
    CCaracteristicas dlg;
    dlg.m_bInclusao = TRUE;
    DialogDriver d = p.host.Open(dlg);
    Put(d, IDC_TENSAO_SERVICO, "13.8");
    Put(d, IDC_CORRENTE_PROJETO, "100");
    EXPECT_EQ(d.Text(IDC_POTENCIA_APARENTE), " 2390.2");
    EXPECT_TRUE(d.Visible(IDC_FATOR_POTENCIA));
    EXPECT_TRUE(d.Visible(IDC_LABEL_FATOR_POTENCIA));
    EXPECT_EQ(Fundo(d, IDC_FATOR_POTENCIA), zel::ui::kMvsizeInvalidBackground) << "no power factor yet";

    Put(d, IDC_POTENCIA_APARENTE, "0");
    EXPECT_FLOAT_EQ(d.Get<CEditColor>(IDC_CORRENTE_PROJETO).GetValue(), 0.0f);
    EXPECT_FALSE(d.Visible(IDC_FATOR_POTENCIA));
    EXPECT_EQ(Fundo(d, IDC_CORRENTE_PROJETO), zel::ui::kValidBackground) << "0 A: taken from the sub-circuits";

    Put(d, IDC_POTENCIA_APARENTE, "1000");
    EXPECT_NEAR(d.Get<CEditColor>(IDC_CORRENTE_PROJETO).GetValue(), 41.8f, 0.05f);
    p.host.Close(dlg);
}

TEST(MvCaracteristicas, ConductorsPerPhaseAndImposedSectionExcludeEachOther)
{
    Projeto p;
    CCaracteristicas dlg;
    dlg.m_bInclusao = TRUE;
    DialogDriver d = p.host.Open(dlg);
    Cascata(d, kEletroduto, "13.8", kCaboEpr);
    ASSERT_TRUE(d.Visible(IDC_NUMERO_CONDUTORES)) << "method 3 lets the user type it";
    d.Select(IDC_SECAO_CONDUTOR, 3).Focus(IDC_NUMERO_CONDUTORES);
    EXPECT_EQ(d.Text(IDC_NUMERO_CONDUTORES), "Autom.");
    Put(d, IDC_NUMERO_CONDUTORES, "2").Focus(IDC_SECAO_CONDUTOR);
    EXPECT_EQ(Selecionado(d, IDC_SECAO_CONDUTOR), "Autom.");
    EXPECT_TRUE(dlg.m_bCondutoresDigitados);
    d.Select(IDC_SECAO_CONDUTOR, 2).Focus(IDC_FATOR_AGRUPAMENTO);
    EXPECT_EQ(d.Text(IDC_NUMERO_CONDUTORES), "Autom.");
    p.host.Close(dlg);
}

TEST(MvCaracteristicas, GroupingFactorAboveOneIsInvalidAndZeroReadsAutom)
{
    Projeto p;
    CCaracteristicas dlg;
    dlg.m_bInclusao = TRUE;
    DialogDriver d = p.host.Open(dlg);
    Cascata(d, kEletroduto, "13.8", kCaboEpr);
    Preencher(d, "C1");
    ASSERT_TRUE(d.Enabled(IDOK));
    Put(d, IDC_FATOR_AGRUPAMENTO, "1.5");
    EXPECT_EQ(Fundo(d, IDC_FATOR_AGRUPAMENTO), zel::ui::kMvsizeInvalidBackground);
    EXPECT_FALSE(d.Enabled(IDOK));
    Put(d, IDC_FATOR_AGRUPAMENTO, "0").Focus(IDC_CIRCUITO);
    EXPECT_EQ(d.Text(IDC_FATOR_AGRUPAMENTO), "Autom.");
    EXPECT_EQ(Fundo(d, IDC_FATOR_AGRUPAMENTO), zel::ui::kValidBackground);
    EXPECT_TRUE(d.Enabled(IDOK));
    p.host.Close(dlg);
}

TEST(MvCaracteristicas, MethodsDecideTheConductorsFieldAndTheSoilResistivity)
{
    struct Caso {
        const char* maneira;
        bool condutores;
        bool resistividade;
    };
    for (const Caso& c : {Caso{kBandejas, false, false}, Caso{kCanaleta, true, false}, Caso{kEletroduto, true, false},
                          Caso{kBancoDutos, false, false}, Caso{kEnterrados, false, true},
                          Caso{kEletrodutosEnterrados, false, true}}) {
        Projeto p;
        CCaracteristicas dlg;
        dlg.m_bInclusao = TRUE;
        DialogDriver d = p.host.Open(dlg);
        Cascata(d, c.maneira, "13.8", kCaboEpr);
        EXPECT_EQ(d.Visible(IDC_NUMERO_CONDUTORES), c.condutores) << c.maneira;
        EXPECT_EQ(d.Enabled(IDC_NUMERO_CONDUTORES), c.condutores) << c.maneira;
        EXPECT_EQ(d.Visible(IDC_LABEL_NUMERO_CONDUTORES), c.condutores) << c.maneira;
        EXPECT_EQ(d.Visible(IDC_RESISTIVIDADE), c.resistividade) << c.maneira;
        EXPECT_EQ(d.Visible(IDC_LABEL_RESISTIVIDADE), c.resistividade) << c.maneira;
        if (c.resistividade) {
            EXPECT_EQ(Selecionado(d, IDC_RESISTIVIDADE), "2.5") << "the fourth value for a new circuit";
        }
        p.host.Close(dlg);
    }
    // Switching from a buried method to another type hides the list again.
    Projeto p;
    CCaracteristicas dlg;
    dlg.m_bInclusao = TRUE;
    DialogDriver d = p.host.Open(dlg);
    Cascata(d, kEnterrados, "13.8", kCaboEpr);
    ASSERT_TRUE(d.Visible(IDC_RESISTIVIDADE));
    d.Focus(IDC_MANEIRA_INSTALAR).Select(IDC_MANEIRA_INSTALAR, kBandejas).Focus(IDC_COMPRIMENTO);
    EXPECT_FALSE(d.Visible(IDC_RESISTIVIDADE));
    EXPECT_EQ(dlg.m_nManeiraInstalarCodigo, 1);
    p.host.Close(dlg);
}

TEST(MvCaracteristicas, MethodAndCableThatDoNotCombineClearTheCable)
{
    zeltest::TempDir copia;
    Projeto p(CatalogueCopy(copia, "DELETE FROM maneira_instalar_x_classe_tensao_x_cabo WHERE "
                                   "maneira_instalar_codigo=5 AND cabo_codigo=1"));
    CCaracteristicas dlg;
    dlg.m_bInclusao = TRUE;
    DialogDriver d = p.host.Open(dlg);
    Cascata(d, kEletroduto, "13.8", kCaboEpr);
    ASSERT_EQ(dlg.m_nCaboCodigo, 1);
    d.Focus(IDC_MANEIRA_INSTALAR).Select(IDC_MANEIRA_INSTALAR, kEnterrados).Focus(IDC_COMPRIMENTO);
    EXPECT_EQ(dlg.m_nCaboCodigo, 0);
    EXPECT_TRUE(Linhas(d, IDC_CABO).empty());
    EXPECT_FALSE(d.Enabled(IDOK));
    d.Focus(IDC_CABO);
    EXPECT_EQ(Linhas(d, IDC_CABO).size(), 7u) << "the other cables of the method";
    p.host.Close(dlg);
}

TEST(MvCaracteristicas, SubCircuitTakesOverItsParentsValuesAndKeepsItsVoltage)
{
    Projeto p;
    p.Circuito(1, 0, "QGMT", "maneira_instalar_codigo=3, classe_tensao_codigo=4, cabo_codigo=2, "
                            "temperatura_ambiente=40, circuito_tensao_servico=13.8, circuito_fator_potencia=0.85");
    CCaracteristicas dlg;
    dlg.m_bInclusao = TRUE;
    dlg.m_nCircuitoSequencialPai = 1;
    DialogDriver d = p.host.Open(dlg);
    EXPECT_EQ(d.Text(IDC_TENSAO_SERVICO), "13.8");
    EXPECT_FALSE(d.Enabled(IDC_TENSAO_SERVICO));
    EXPECT_EQ(d.Text(IDC_FATOR_POTENCIA), "0.85");
    EXPECT_EQ(Selecionado(d, IDC_MANEIRA_INSTALAR), kEletroduto);
    EXPECT_EQ(dlg.m_nClasseTensaoCodigo, 4);
    EXPECT_EQ(Selecionado(d, IDC_CABO), "HEPR 90 °C - condutor de cobre");
    EXPECT_EQ(Selecionado(d, IDC_TEMPERATURA), "40");
    EXPECT_EQ(Selecionado(d, IDC_CLASSE_TENSAO), " ");
    EXPECT_EQ(d.Text(IDC_CIRCUITO), "");
    p.host.Close(dlg);

    // The parent itself, edited, has a sub-circuit now: its own voltage is locked too.
    p.Circuito(2, 1, "SUB");
    CCaracteristicas pai;
    pai.m_nCircuitoSequencial = 1;
    DialogDriver e = p.host.Open(pai);
    EXPECT_EQ(e.Text(IDC_CIRCUITO), "QGMT");
    EXPECT_EQ(e.Text(IDC_TENSAO_SERVICO), "13.8");
    EXPECT_FALSE(e.Enabled(IDC_TENSAO_SERVICO));
    EXPECT_TRUE(pai.m_bTemFilhos);
    EXPECT_TRUE(e.Enabled(IDOK));
    p.host.Close(pai);
}

TEST(MvCaracteristicas, EditShowsTheStoredRowAndAZeroShieldTimeKeepsOkDisabled)
{
    Projeto p;
    p.Circuito(7, 0, "ALIM-7", "maneira_instalar_codigo=5, circuito_secao_condutor_imposta=240, "
                              "resistividade_termica=1.5, circuito_tempo_curto_blindagem=0, conexao_tipo_codigo=2");
    CCaracteristicas dlg;
    dlg.m_nCircuitoSequencial = 7;
    DialogDriver d = p.host.Open(dlg);
    EXPECT_EQ(d.Text(IDC_CIRCUITO), "ALIM-7");
    EXPECT_EQ(Selecionado(d, IDC_MANEIRA_INSTALAR), kEnterrados);
    EXPECT_EQ(Selecionado(d, IDC_SECAO_CONDUTOR), " 240");
    EXPECT_TRUE(d.Visible(IDC_RESISTIVIDADE));
    EXPECT_EQ(Selecionado(d, IDC_RESISTIVIDADE), "1.5") << "an edit keeps the stored value";
    EXPECT_EQ(Selecionado(d, IDC_CONEXAO_TIPO), "Conexões soldadas (temperatura final 160 °C)");
    EXPECT_EQ(d.Text(IDC_POTENCIA_APARENTE), " 2390.2");
    EXPECT_FALSE(d.Visible(IDC_TEMPO_CURTO_BLINDAGEM));
    EXPECT_EQ(Fundo(d, IDC_TEMPO_CURTO_BLINDAGEM), zel::ui::kMvsizeInvalidBackground);
    EXPECT_FALSE(d.Enabled(IDOK));
    p.host.Close(dlg);
}

TEST(MvCaracteristicas, ACatalogueFailureInTheCascadeIsReportedOnceAndTheDialogStaysUsable)
{
    zeltest::TempDir copia;
    Projeto p(CatalogueCopy(copia, "DROP TABLE cabo_x_secao_blindagem"));
    CCaracteristicas dlg;
    dlg.m_bInclusao = TRUE;
    DialogDriver d = p.host.Open(dlg);
    Cascata(d, kEletroduto, "13.8", kCaboEpr);
    EXPECT_TRUE(p.host.messages.empty()) << "no message box from inside a focus change";
    Preencher(d, "C1");
    ASSERT_EQ(p.host.messages.size(), 1u) << "reported at the next change, once";
    EXPECT_NE(p.Log().find("CCaracteristicas::OnKillfocusCabo(1)"), std::string::npos) << p.Log();
    EXPECT_EQ(Selecionado(d, IDC_TEMPERATURA), "30") << "the steps before the failure stand";
    EXPECT_EQ(Selecionado(d, IDC_SECAO_CONDUTOR), "Autom.") << "the list keeps what it had";
    EXPECT_TRUE(d.Enabled(IDOK)) << "the section list plays no part in enabling OK";
    p.host.Close(dlg);
}

// The tab key goes through the fields as the template orders them: the soil resistivity, shown only for
// buried methods, comes after OK and Cancel.
TEST(MvCaracteristicas, TabGoesThroughTheFieldsInTheTemplatesOrder)
{
    const std::vector<int> ordem{IDC_CIRCUITO, IDC_MANEIRA_INSTALAR, IDC_TENSAO_SERVICO, IDC_CLASSE_TENSAO, IDC_CABO,
                                 IDC_COMPRIMENTO, IDC_TEMPERATURA, IDC_QUEDA_TENSAO_MAXIMA, IDC_CORRENTE_PROJETO,
                                 IDC_FATOR_POTENCIA, IDC_POTENCIA_APARENTE, IDC_CORRENTE_CURTO_CONDUTOR,
                                 IDC_CONEXAO_TIPO, IDC_TEMPO_CURTO_CONDUTOR, IDC_TEMPO_CURTO_BLINDAGEM,
                                 IDC_NUMERO_CONDUTORES, IDC_SECAO_CONDUTOR, IDC_FATOR_AGRUPAMENTO, IDOK, IDCANCEL,
                                 IDC_RESISTIVIDADE};
    for (const char* maneira : {kCanaleta, kEnterrados}) {
        Projeto p;
        CCaracteristicas dlg;
        dlg.m_bInclusao = TRUE;
        DialogDriver d = p.host.Open(dlg);
        Cascata(d, maneira, "13.8", kCaboEpr);
        Preencher(d, "C1");
        // The fields a user can reach now, in the template's order.
        std::vector<int> esperado;
        for (int id : ordem)
            if (d.Visible(id) && d.Enabled(id))
                esperado.push_back(id);
        ASSERT_TRUE(d.Enabled(IDOK)) << maneira;
        std::vector<int> visitados{IDC_CIRCUITO};
        for (std::size_t i = 1; i < esperado.size(); ++i) {
            dlg.NextDlgCtrl();
            visitados.push_back(dlg.GetFocus() ? dlg.GetFocus()->GetDlgCtrlID() : 0);
        }
        EXPECT_EQ(visitados, esperado) << maneira;
        dlg.NextDlgCtrl();
        EXPECT_EQ(dlg.GetFocus() ? dlg.GetFocus()->GetDlgCtrlID() : 0, IDC_CIRCUITO) << "back to the first field";
        p.host.Close(dlg);
    }
}

}  // namespace
