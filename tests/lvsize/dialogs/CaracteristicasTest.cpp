// The characteristics dialog as the user sees it: defaults, the method -> system -> cable cascade, the
// fields that exclude each other, and the validation colours that decide whether OK is enabled.
#include "Caracteristicas.h"
#include "CaracteristicasFixture.h"
#include "CaracteristicasIds.h"

#include "ValidityColors.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace car;
using namespace cartest;

namespace {

constexpr COLORREF kInvalido = 0x8C00EC;
constexpr COLORREF kBranco = 0xFFFFFF;

COLORREF Fundo(DialogDriver& d, int id)
{
    return d.Get<CEditColor>(id).GetBkColor();
}

std::string Selecionada(DialogDriver& d, int id)
{
    const auto& c = d.Get<CComboBox>(id);
    return c.GetCurSel() < 0 ? "<nenhuma>" : c.GetLBText(c.GetCurSel());
}

class Caracteristicas : public ::testing::Test {
protected:
    Projeto p;
};

TEST_F(Caracteristicas, NovoCircuitoNoTopoComecaComOsPadroes)
{
    CCaracteristicas dlg;
    dlg.m_bInclusao = TRUE;
    dlg.m_nCircuitoSequencialPai = 0;
    DialogDriver d = p.host.Open(dlg);

    EXPECT_EQ(Trim(d.Text(IDC_FATOR_DEMANDA)), "1.00");
    EXPECT_EQ(Trim(d.Text(IDC_SECAO_MINIMA)), "2.50");
    EXPECT_EQ(d.Text(IDC_FATOR_AGRUPAMENTO), "Autom.");
    EXPECT_EQ(d.Text(IDC_NUMERO_CONDUTORES), "Autom.");
    EXPECT_EQ(d.Text(IDC_HARMONICAS), "");
    EXPECT_EQ(Selecionada(d, IDC_POSSUI_HARMONICOS), "Não sei");
    EXPECT_EQ(Selecionada(d, IDC_RESISTIVIDADE), "2.5");
    EXPECT_EQ(d.Get<CComboBox>(IDC_SECAO_IMPOSTA).GetCount(), 0);
    for (int id : {IDC_SISTEMA, IDC_CABO, IDC_TEMPERATURA, IDC_SECAO_IMPOSTA})
        EXPECT_FALSE(d.Enabled(id)) << id;
    EXPECT_TRUE(d.Enabled(IDC_MANEIRA_INSTALAR));
    EXPECT_TRUE(d.Visible(IDC_CONTEM_MOTOR));
    EXPECT_TRUE(d.Visible(IDC_CONTEM_CARGA));
    EXPECT_FALSE(d.Enabled(IDOK));
    EXPECT_EQ(Fundo(d, IDC_CIRCUITO), kInvalido);
    // Every installation method is offered, sorted by its description.
    auto metodos = p.ColunaCatalogo("SELECT maneira_instalar_descricao FROM maneira_instalar");
    EXPECT_EQ(Linhas(d, IDC_MANEIRA_INSTALAR).size(), metodos.size());
    EXPECT_EQ(Selecionada(d, IDC_MANEIRA_INSTALAR), "<nenhuma>");
    p.host.Close(dlg);
    EXPECT_EQ(p.host.messages.size(), 0u);
}

TEST_F(Caracteristicas, ACascataPreencheSistemaCaboTemperaturaESecoes)
{
    CCaracteristicas dlg;
    dlg.m_bInclusao = TRUE;
    DialogDriver d = p.host.Open(dlg);

    d.Select(IDC_MANEIRA_INSTALAR, kMetodo13);
    EXPECT_TRUE(d.Enabled(IDC_SISTEMA));
    EXPECT_FALSE(d.Enabled(IDC_CABO));
    d.Focus(IDC_SISTEMA);
    // The systems the method admits, sorted by description.
    auto sistemas = p.ColunaCatalogo(
        "SELECT sistema_descricao FROM sistema WHERE sistema_codigo IN (SELECT sistema_codigo FROM "
        "maneira_instalar_x_sistema_x_cabo WHERE maneira_instalar_codigo=13) ORDER BY sistema_descricao");
    EXPECT_EQ(Linhas(d, IDC_SISTEMA), sistemas);
    EXPECT_EQ(dlg.m_nManeiraInstalarCodigo, 13);

    d.Select(IDC_SISTEMA, kSistema3);
    EXPECT_TRUE(d.Enabled(IDC_CABO));
    d.Focus(IDC_CABO);
    // The cables in the catalogue's order, not sorted.
    auto cabos = p.ColunaCatalogo(
        "SELECT cabo_descricao FROM cabo WHERE cabo_codigo IN (SELECT cabo_codigo FROM "
        "maneira_instalar_x_sistema_x_cabo WHERE maneira_instalar_codigo=13 AND sistema_codigo=3) ORDER BY ordem, "
        "cabo_codigo");
    EXPECT_EQ(Linhas(d, IDC_CABO), cabos);
    EXPECT_EQ(dlg.m_nSistemaCodigo, 3);
    EXPECT_TRUE(d.Visible(IDC_TENSAO_FASE_FASE));
    EXPECT_TRUE(d.Visible(IDC_TENSAO_FASE_NEUTRO));
    EXPECT_TRUE(d.Visible(IDC_HARMONICAS));

    d.Select(IDC_CABO, kCabo5);
    EXPECT_TRUE(d.Enabled(IDC_TEMPERATURA));
    EXPECT_TRUE(d.Enabled(IDC_SECAO_IMPOSTA));
    d.Focus(IDC_COMPRIMENTO);
    EXPECT_EQ(dlg.m_nCaboCodigo, 5);
    // EPR in air: 10 to 80 degrees; 30 is the default line.
    auto temperaturas = Linhas(d, IDC_TEMPERATURA);
    EXPECT_EQ(temperaturas.front(), "10");
    EXPECT_EQ(temperaturas.back(), "80");
    EXPECT_EQ(Selecionada(d, IDC_TEMPERATURA), "30");
    // "Autom." then the sections from the minimum (2.5) to the cable's largest (1000).
    auto secoes = Linhas(d, IDC_SECAO_IMPOSTA);
    ASSERT_GE(secoes.size(), 3u);
    EXPECT_EQ(secoes[0], "Autom.");
    EXPECT_EQ(Trim(secoes[1]), "2.5");
    EXPECT_EQ(Trim(secoes.back()), "1000");
    EXPECT_EQ(Selecionada(d, IDC_SECAO_IMPOSTA), "Autom.");
    // Air: no soil resistivity.
    EXPECT_FALSE(d.Visible(IDC_RESISTIVIDADE));

    PreencherBasico(d, "C1");
    EXPECT_TRUE(d.Enabled(IDOK));
    p.host.Close(dlg);
}

TEST_F(Caracteristicas, TemperaturasOrdenamComoTextoESoloMostraResistividade)
{
    CCaracteristicas dlg;
    dlg.m_bInclusao = TRUE;
    DialogDriver d = p.host.Open(dlg);
    const std::string metodo61 = p.ColunaCatalogo(
        "SELECT maneira_instalar_descricao FROM maneira_instalar WHERE maneira_instalar_codigo=40")[0];
    const std::string cabo4 = p.ColunaCatalogo("SELECT cabo_descricao FROM cabo WHERE cabo_codigo=4")[0];
    EscolherCascata(d, metodo61, kSistema1, cabo4);
    EXPECT_EQ(dlg.m_nTipoCorrecaoTemperatura, 2);
    EXPECT_TRUE(d.Visible(IDC_RESISTIVIDADE));
    EXPECT_TRUE(d.Visible(IDC_LABEL_RESISTIVIDADE));
    // Single-phase: only the phase-neutral voltage, no harmonics.
    EXPECT_FALSE(d.Visible(IDC_TENSAO_FASE_FASE));
    EXPECT_TRUE(d.Visible(IDC_TENSAO_FASE_NEUTRO));
    EXPECT_FALSE(d.Visible(IDC_HARMONICAS));
    EXPECT_FALSE(d.Visible(IDC_POSSUI_HARMONICOS));
    auto linhas = Linhas(d, IDC_TEMPERATURA);
    EXPECT_TRUE(std::is_sorted(linhas.begin(), linhas.end())) << "sorted as text";
    p.host.Close(dlg);
}

TEST_F(Caracteristicas, SubcircuitoHerdaDoPaiEOfereceSoSistemasCompativeis)
{
    p.Circuito(1, 0, "QD1", 13, 3, 5,
               "circuito_numero_de_condutores=2, circuito_fator_demanda=0.8, circuito_conteudo_harmonica=20, "
               "circuito_fator_agrupamento_imposto=0.7, circuito_dispensar_contato_indireto=-1");
    CCaracteristicas dlg;
    dlg.m_bInclusao = TRUE;
    dlg.m_nCircuitoSequencialPai = 1;
    DialogDriver d = p.host.Open(dlg);

    EXPECT_EQ(d.Text(IDC_CIRCUITO), "");
    EXPECT_EQ(Selecionada(d, IDC_MANEIRA_INSTALAR), kMetodo13);
    EXPECT_EQ(Selecionada(d, IDC_SISTEMA), kSistema3);
    EXPECT_EQ(Selecionada(d, IDC_CABO), kCabo5);
    EXPECT_EQ(Selecionada(d, IDC_TEMPERATURA), "35");
    EXPECT_EQ(Trim(d.Text(IDC_TENSAO_FASE_FASE)), "380");
    EXPECT_EQ(Trim(d.Text(IDC_TENSAO_FASE_NEUTRO)), "220.00");
    EXPECT_EQ(Trim(d.Text(IDC_NUMERO_CONDUTORES)), "2");
    EXPECT_EQ(Trim(d.Text(IDC_FATOR_DEMANDA)), "0.80");
    EXPECT_EQ(Trim(d.Text(IDC_HARMONICAS)), "20");
    EXPECT_EQ(Trim(d.Text(IDC_FATOR_AGRUPAMENTO)), "0.70");
    EXPECT_TRUE(d.Checked(IDC_DISPENSAR_CONTATO_INDIRETO));
    EXPECT_EQ(d.Text(IDC_COMPRIMENTO), "") << "the length is not taken over";
    EXPECT_EQ(d.Text(IDC_CORRENTE_CC), "");
    // The voltages are fixed by the tree.
    EXPECT_FALSE(d.Enabled(IDC_TENSAO_FASE_FASE));
    EXPECT_FALSE(d.Enabled(IDC_TENSAO_FASE_NEUTRO));
    // Drop from the origin: the parent's 2 % plus this circuit's.
    EXPECT_EQ(Trim(d.Text(IDC_QUEDA_REGIME_ORIGEM)), "4.0");
    auto compativeis = p.ColunaCatalogo(
        "SELECT sistema_descricao FROM sistema WHERE sistema_codigo IN (SELECT sistema_codigo FROM "
        "maneira_instalar_x_sistema_x_cabo WHERE maneira_instalar_codigo=13) AND sistema_codigo IN (SELECT "
        "sistema_codigo_compativel FROM sistema_compativel WHERE sistema_codigo=3) ORDER BY sistema_descricao");
    d.Focus(IDC_SISTEMA);
    EXPECT_EQ(Linhas(d, IDC_SISTEMA), compativeis);
    EXPECT_LT(compativeis.size(),
              p.ColunaCatalogo("SELECT sistema_codigo FROM maneira_instalar_x_sistema_x_cabo WHERE "
                               "maneira_instalar_codigo=13 GROUP BY sistema_codigo")
                  .size());
    p.host.Close(dlg);
}

TEST_F(Caracteristicas, QuedaDesdeAOrigemSomaOsAncestrais)
{
    p.Circuito(1, 0, "QGBT", 13, 3, 5, "circuito_queda_tensao_regime=1.5, circuito_queda_tensao_partida=3");
    p.Circuito(2, 1, "QD1", 13, 3, 5, "circuito_queda_tensao_regime=2, circuito_queda_tensao_partida=4");
    CCaracteristicas dlg;
    dlg.m_bInclusao = TRUE;
    dlg.m_nCircuitoSequencialPai = 2;
    DialogDriver d = p.host.Open(dlg);
    Put(d, IDC_QUEDA_REGIME, "3");
    EXPECT_EQ(Trim(d.Text(IDC_QUEDA_REGIME_ORIGEM)), "6.5");
    Put(d, IDC_QUEDA_PARTIDA, "5");
    EXPECT_EQ(Trim(d.Text(IDC_QUEDA_PARTIDA_ORIGEM)), "12.0");
    p.host.Close(dlg);
}

TEST_F(Caracteristicas, EdicaoLeOCircuitoEEscondeAsCaixasDeInclusao)
{
    p.Circuito(1, 0, "QGBT", 13, 3, 5,
               "circuito_secao_condutor_imposta=300, circuito_fator_agrupamento_imposto=0, "
               "circuito_dispensar_sobrecarga=-1, circuito_dispensar_contato_indireto=-1");
    p.Circuito(2, 1, "QD1");
    CCaracteristicas dlg;
    dlg.m_nCircuitoSequencial = 1;
    DialogDriver d = p.host.Open(dlg);
    EXPECT_EQ(d.Text(IDC_CIRCUITO), "QGBT");
    EXPECT_EQ(Trim(d.Text(IDC_COMPRIMENTO)), "40.0");
    EXPECT_EQ(Trim(Selecionada(d, IDC_SECAO_IMPOSTA)), "300");
    EXPECT_EQ(Selecionada(d, IDC_TEMPERATURA), "35");
    EXPECT_EQ(d.Text(IDC_FATOR_AGRUPAMENTO), "Autom.");
    EXPECT_TRUE(d.Checked(IDC_DISPENSAR_SOBRECARGA));
    EXPECT_FALSE(d.Visible(IDC_CONTEM_MOTOR));
    EXPECT_FALSE(d.Visible(IDC_CONTEM_CARGA));
    EXPECT_TRUE(dlg.m_bTemFilhos);
    EXPECT_FALSE(d.Enabled(IDC_TENSAO_FASE_FASE)) << "a circuit with sub-circuits keeps its voltage";
    EXPECT_TRUE(d.Enabled(IDOK));
    p.host.Close(dlg);

    // A top-level circuit without children may change its voltage.
    p.Sql("DELETE FROM circuito WHERE circuito_sequencial=2");
    CCaracteristicas sozinho;
    sozinho.m_nCircuitoSequencial = 1;
    DialogDriver d2 = p.host.Open(sozinho);
    EXPECT_TRUE(d2.Enabled(IDC_TENSAO_FASE_FASE));
    p.host.Close(sozinho);
}

TEST_F(Caracteristicas, CoresDeValidadeEBotaoOk)
{
    CCaracteristicas dlg;
    dlg.m_bInclusao = TRUE;
    DialogDriver d = p.host.Open(dlg);
    EscolherCascata(d, kMetodo13, kSistema3, kCabo5);
    PreencherBasico(d, "C1");
    ASSERT_TRUE(d.Enabled(IDOK));

    struct Caso {
        int id;
        std::string valor;
        std::string valido;
    };
    const Caso casos[] = {
        {IDC_FATOR_AGRUPAMENTO, "1.5", "0.8"},  {IDC_FATOR_DEMANDA, "0", "1"},     {IDC_FATOR_DEMANDA, "1.2", "0.5"},
        {IDC_COMPRIMENTO, "0", "10"},           {IDC_CORRENTE_CC, "0", "3"},       {IDC_QUEDA_REGIME, "0", "2"},
        {IDC_SECAO_MINIMA, "0", "1.5"},         {IDC_HARMONICAS, "101", "100"},    {IDC_CIRCUITO, "", "C1"},
        {IDC_TENSAO_FASE_FASE, "0", "380"},
        // Phase-neutral must stay below phase-phase and above 0 (the currents divide by it).
        {IDC_TENSAO_FASE_NEUTRO, "400", "220"}, {IDC_TENSAO_FASE_NEUTRO, "0", "127"},
    };
    for (const Caso& c : casos) {
        Put(d, c.id, c.valor);
        EXPECT_EQ(Fundo(d, c.id), kInvalido) << c.id << " = " << c.valor;
        EXPECT_FALSE(d.Enabled(IDOK)) << c.id << " = " << c.valor;
        Put(d, c.id, c.valido);
        EXPECT_EQ(Fundo(d, c.id), kBranco) << c.id << " = " << c.valido;
        EXPECT_TRUE(d.Enabled(IDOK)) << c.id << " = " << c.valido;
    }

    // A motor needs a start drop; clearing the box enables OK again.
    Put(d, IDC_QUEDA_PARTIDA, "0");
    EXPECT_EQ(Fundo(d, IDC_QUEDA_PARTIDA), kBranco);
    d.Click(IDC_CONTEM_MOTOR);
    EXPECT_EQ(Fundo(d, IDC_QUEDA_PARTIDA), kInvalido);
    EXPECT_FALSE(d.Enabled(IDOK));
    d.Click(IDC_CONTEM_MOTOR);
    EXPECT_TRUE(d.Enabled(IDOK));

    // No temperature line: OK disabled.
    d.Get<CComboBox>(IDC_TEMPERATURA).SetCurSel(-1);
    Put(d, IDC_CIRCUITO, "C2");
    EXPECT_FALSE(d.Enabled(IDOK));
    d.Select(IDC_TEMPERATURA, "40");
    EXPECT_TRUE(d.Enabled(IDOK));
    p.host.Close(dlg);
}

TEST_F(Caracteristicas, SistemaFaseNeutroSoExigeTensaoFaseNeutroAcimaDeZero)
{
    CCaracteristicas dlg;
    dlg.m_bInclusao = TRUE;
    DialogDriver d = p.host.Open(dlg);
    const std::string metodo1 =
        p.ColunaCatalogo("SELECT maneira_instalar_descricao FROM maneira_instalar WHERE maneira_instalar_codigo=1")[0];
    EscolherCascata(d, metodo1, kSistema1, kCabo1);
    Put(d, IDC_CIRCUITO, "L1");
    Put(d, IDC_COMPRIMENTO, "20");
    Put(d, IDC_QUEDA_REGIME, "4");
    Put(d, IDC_CORRENTE_CC, "3");
    Put(d, IDC_TENSAO_FASE_NEUTRO, "0");
    EXPECT_EQ(Fundo(d, IDC_TENSAO_FASE_NEUTRO), kInvalido);
    EXPECT_FALSE(d.Enabled(IDOK));
    Put(d, IDC_TENSAO_FASE_NEUTRO, "127");
    EXPECT_TRUE(d.Enabled(IDOK)) << "the unused phase-phase voltage is not tested";
    p.host.Close(dlg);
}

TEST_F(Caracteristicas, CamposQueSeExcluem)
{
    CCaracteristicas dlg;
    dlg.m_bInclusao = TRUE;
    DialogDriver d = p.host.Open(dlg);
    EscolherCascata(d, kMetodo13, kSistema3, kCabo5);

    // An imposed section sets the number of conductors back to automatic, and the other way round.
    Put(d, IDC_NUMERO_CONDUTORES, "2");
    d.Select(IDC_SECAO_IMPOSTA, 3).Focus(IDC_COMPRIMENTO);
    EXPECT_EQ(d.Text(IDC_NUMERO_CONDUTORES), "Autom.");
    Put(d, IDC_NUMERO_CONDUTORES, "3");
    d.Focus(IDC_COMPRIMENTO);
    EXPECT_EQ(Selecionada(d, IDC_SECAO_IMPOSTA), "Autom.");
    Put(d, IDC_NUMERO_CONDUTORES, "0");
    d.Focus(IDC_COMPRIMENTO);
    EXPECT_EQ(d.Text(IDC_NUMERO_CONDUTORES), "Autom.");

    // Grouping factor 0 shows "Autom.".
    Put(d, IDC_FATOR_AGRUPAMENTO, "0");
    d.Focus(IDC_COMPRIMENTO);
    EXPECT_EQ(d.Text(IDC_FATOR_AGRUPAMENTO), "Autom.");

    // Overload is waived only with indirect contact.
    d.Click(IDC_DISPENSAR_SOBRECARGA);
    EXPECT_TRUE(d.Checked(IDC_DISPENSAR_SOBRECARGA));
    EXPECT_TRUE(d.Checked(IDC_DISPENSAR_CONTATO_INDIRETO));
    d.Click(IDC_DISPENSAR_CONTATO_INDIRETO);
    EXPECT_FALSE(d.Checked(IDC_DISPENSAR_CONTATO_INDIRETO));
    EXPECT_FALSE(d.Checked(IDC_DISPENSAR_SOBRECARGA));
    d.Click(IDC_DISPENSAR_CONTATO_INDIRETO);
    EXPECT_TRUE(d.Checked(IDC_DISPENSAR_CONTATO_INDIRETO));
    EXPECT_FALSE(d.Checked(IDC_DISPENSAR_SOBRECARGA));

    // Leaving phase-phase fills an empty phase-neutral with U/sqrt(3); a typed one stays.
    Put(d, IDC_TENSAO_FASE_FASE, "380");
    d.Focus(IDC_COMPRIMENTO);
    EXPECT_EQ(Trim(d.Text(IDC_TENSAO_FASE_NEUTRO)), "219.39");
    Put(d, IDC_TENSAO_FASE_NEUTRO, "230");
    Put(d, IDC_TENSAO_FASE_FASE, "400");
    d.Focus(IDC_COMPRIMENTO);
    EXPECT_EQ(Trim(d.Text(IDC_TENSAO_FASE_NEUTRO)), "230");

    // The harmonic choice.
    d.Select(IDC_POSSUI_HARMONICOS, "Sim");
    EXPECT_EQ(Trim(d.Text(IDC_HARMONICAS)), "33");
    EXPECT_TRUE(d.Enabled(IDC_HARMONICAS));
    d.Select(IDC_POSSUI_HARMONICOS, "Não");
    EXPECT_EQ(Trim(d.Text(IDC_HARMONICAS)), "0");
    EXPECT_FALSE(d.Enabled(IDC_HARMONICAS));
    d.Select(IDC_POSSUI_HARMONICOS, "Não sei");
    EXPECT_EQ(Trim(d.Text(IDC_HARMONICAS)), "66");
    EXPECT_FALSE(d.Enabled(IDC_HARMONICAS));

    // The minimum-section help puts its value in the box; the section list follows on leaving the box.
    d.Select(IDC_SECAO_MINIMA_AJUDA, "Circuitos de iluminação (cobre)");
    EXPECT_EQ(Trim(d.Text(IDC_SECAO_MINIMA)), "1.50");
    EXPECT_EQ(Trim(Linhas(d, IDC_SECAO_IMPOSTA)[1]), "2.5") << "not rebuilt yet";
    d.Focus(IDC_SECAO_MINIMA).Focus(IDC_COMPRIMENTO);
    EXPECT_EQ(Trim(Linhas(d, IDC_SECAO_IMPOSTA)[1]), "1.5");
    p.host.Close(dlg);
}

TEST_F(Caracteristicas, SecaoImpostaSobreviveATrocaEnquantoNoIntervalo)
{
    CCaracteristicas dlg;
    dlg.m_bInclusao = TRUE;
    DialogDriver d = p.host.Open(dlg);
    EscolherCascata(d, kMetodo13, kSistema3, kCabo5);
    const std::string cabo4 = p.ColunaCatalogo("SELECT cabo_descricao FROM cabo WHERE cabo_codigo=4")[0];
    struct Caso {
        std::string minima, imposta, cabo, esperada;
    };
    const Caso casos[] = {
        {"2.5", "300", cabo4, "300"},       // largest of the multi-core cable: still offered
        {"1.5", "1.5", kCabo5, "1.5"},      // the minimum itself
        {"2.5", "2.5", cabo4, "2.5"},
        {"400", "300", kCabo5, "Autom."},   // fell below the new minimum
        {"0.75", "0.75", kCabo5, "0.75"},   // two decimals are kept, not shown as 0.8
    };
    for (const Caso& c : casos) {
        Put(d, IDC_SECAO_MINIMA, "2.5");
        d.Focus(IDC_COMPRIMENTO);
        Put(d, IDC_SECAO_MINIMA, c.minima);
        d.Focus(IDC_COMPRIMENTO);
        const auto linhas = Linhas(d, IDC_SECAO_IMPOSTA);
        const auto it = std::find_if(linhas.begin(), linhas.end(),
                                     [&](const std::string& l) { return Trim(l) == c.imposta; });
        if (c.esperada != "Autom.") {
            ASSERT_NE(it, linhas.end()) << c.imposta;
            d.Select(IDC_SECAO_IMPOSTA, static_cast<int>(it - linhas.begin())).Focus(IDC_COMPRIMENTO);
        } else {
            // Impose it while the minimum still allows it, then raise the minimum.
            Put(d, IDC_SECAO_MINIMA, "2.5");
            d.Focus(IDC_COMPRIMENTO);
            const auto l2 = Linhas(d, IDC_SECAO_IMPOSTA);
            const auto i2 = std::find_if(l2.begin(), l2.end(), [&](const std::string& l) { return Trim(l) == c.imposta; });
            ASSERT_NE(i2, l2.end());
            d.Select(IDC_SECAO_IMPOSTA, static_cast<int>(i2 - l2.begin())).Focus(IDC_COMPRIMENTO);
            Put(d, IDC_SECAO_MINIMA, c.minima);
        }
        d.Focus(IDC_CABO).Select(IDC_CABO, c.cabo).Focus(IDC_COMPRIMENTO);
        EXPECT_EQ(Trim(Selecionada(d, IDC_SECAO_IMPOSTA)), c.esperada) << c.minima << " " << c.imposta;
    }
    p.host.Close(dlg);
}

TEST_F(Caracteristicas, CorrenteContinuaEscondeMotorNaInclusao)
{
    CCaracteristicas dlg;
    dlg.m_bInclusao = TRUE;
    DialogDriver d = p.host.Open(dlg);
    const std::string metodo1 =
        p.ColunaCatalogo("SELECT maneira_instalar_descricao FROM maneira_instalar WHERE maneira_instalar_codigo=1")[0];
    d.Click(IDC_CONTEM_MOTOR);
    EscolherCascata(d, metodo1, kSistemaCC, kCabo1);
    EXPECT_FALSE(d.Visible(IDC_CONTEM_MOTOR));
    EXPECT_FALSE(d.Checked(IDC_CONTEM_MOTOR)) << "a hidden box cannot stay ticked";
    d.Focus(IDC_SISTEMA).Select(IDC_SISTEMA, kSistema1).Focus(IDC_CABO);
    EXPECT_TRUE(d.Visible(IDC_CONTEM_MOTOR));
    p.host.Close(dlg);
}

TEST_F(Caracteristicas, TrocarAManeiraInvalidaSistemaECaboIncompativeis)
{
    CCaracteristicas dlg;
    dlg.m_bInclusao = TRUE;
    DialogDriver d = p.host.Open(dlg);
    const std::string cabo4 = p.ColunaCatalogo("SELECT cabo_codigo FROM cabo WHERE cabo_codigo=4").empty()
                                  ? ""
                                  : p.ColunaCatalogo("SELECT cabo_descricao FROM cabo WHERE cabo_codigo=4")[0];
    EscolherCascata(d, kMetodo13, kSistema3, cabo4);
    ASSERT_EQ(dlg.m_nCaboCodigo, 4);
    // Method 01 (conduit in an insulating wall) admits system 3 but no multi-core cable.
    const std::string metodo1 =
        p.ColunaCatalogo("SELECT maneira_instalar_descricao FROM maneira_instalar WHERE maneira_instalar_codigo=1")[0];
    ASSERT_EQ(p.ColunaCatalogo("SELECT cabo_codigo FROM maneira_instalar_x_sistema_x_cabo WHERE "
                               "maneira_instalar_codigo=1 AND sistema_codigo=3 AND cabo_codigo=4")
                  .size(),
              0u);
    d.Focus(IDC_MANEIRA_INSTALAR).Select(IDC_MANEIRA_INSTALAR, metodo1).Focus(IDC_COMPRIMENTO);
    EXPECT_EQ(dlg.m_nManeiraInstalarCodigo, 1);
    EXPECT_EQ(dlg.m_nSistemaCodigo, 3) << "the method admits the system";
    EXPECT_EQ(dlg.m_nCaboCodigo, 0);
    EXPECT_EQ(d.Get<CComboBox>(IDC_CABO).GetCount(), 0);
    EXPECT_FALSE(d.Enabled(IDOK));
    // Focusing the cable list offers the method's cables again.
    d.Focus(IDC_CABO);
    EXPECT_EQ(Linhas(d, IDC_CABO).size(), 9u);
    p.host.Close(dlg);
}

}  // namespace
