// The calculation driver: validation, design currents, the catalogue tables of the circuit's
// combination (through the reference trees and the circuit's answers), then the chain of criteria.

#include "Calculo.h"

#include "SqlValue.h"

#include <cmath>
#include <optional>

namespace {
// A damaged catalogue must not make a tree walk run forever.
constexpr int kMaxNosArvore = 256;
}

BOOL CCalculo::Calcular()
{
    if (m_bCalculado)
        return TRUE;
    if (m_nDispositivo == 0) {
        Erro("Dispositivo de proteção não definido.");
        return FALSE;
    }
    if (m_fL <= 0) {
        Erro("Comprimento dos circuitos não definido.");
        return FALSE;
    }
    if (!m_strErro.empty())
        return FALSE;  // the circuit could not be read

    if (m_nCondutoresImposto < 1) {
        m_n = 1;
        m_nMax = 20;
    } else {
        m_n = m_nMax = m_nCondutoresImposto;
    }

    // One read transaction on each database for the whole calculation: the many small reads then share
    // one lock, and the report lines (a savepoint inside) reach the file only when everything held.
    std::optional<CDaoTransaction> transacaoProjeto, transacaoCatalogo;
    try {
        transacaoProjeto.emplace(Projeto());
        transacaoCatalogo.emplace(Catalogo());
        LerTabelasCatalogo();
    } catch (CDaoException& e) {
        ErroBanco("CCalculo::Calcular", e);
    }
    if (!m_strErro.empty())
        return FALSE;

    if (m_fSmax < m_fSecaoMinima)
        Erro("Seção mínima maior que a máxima seção do cabo.");

    // The criteria without a handler of their own throw out to here; the engine stays whole and is freed
    // by its caller as always.
    try {
        if (m_strErro.empty()) {
            m_nCriterio = CRITERIO_CAPACIDADE;
            m_bMostrarRelatorio = TRUE;
            Cadeia_criterios();
        }
        if (m_strErro.empty()) {
            Secao_economica();
            Icc_minima();
            // The report gives the Ikmin the short-circuit checks used: never above the prospective current.
            const double Ikmax = Corrente_cc_presumida();
            if (Ikmax > 0 && Ikmax < m_dIkmin)
                m_dIkmin = Ikmax;
            m_dI2tIkmax = I2t_cabo(Ikmax);
            m_dI2tIkmin = I2t_cabo(m_dIkmin);
            m_dTempoIkmax = m_dI2tIkmax / (Ikmax * Ikmax);
        }
    } catch (CDaoException& e) {
        ErroBanco("CCalculo::Calcular", e);
    }

    if (m_strErro.empty() && m_bMostrarRelatorio)
        Mostrar();
    if (m_strErro.empty()) {
        try {
            transacaoCatalogo->Commit();
            transacaoProjeto->Commit();
        } catch (CDaoException& e) {
            ErroBanco("CCalculo::Calcular", e);
        }
    }
    return m_strErro.empty();
}

void CCalculo::Cadeia_criterios()
{
    if (Capacidade_corrente() && Queda_tensao() && Queda_tensao_partida() && Sobrecarga() && Contatos_indiretos() &&
        Secao_minima())
        Condutor_Neutro();
}

// Steps from the system row to the temperature factor. Sets the error text and returns early where the
// circuit cannot be sized; a database failure throws to Calcular.
void CCalculo::LerTabelasCatalogo()
{
    CDaoDatabase& cat = Catalogo();
    BOOL consideraTensaoFase = FALSE;
    float fatorDemanda = 0;
    {
        const std::string sql = FormatC("SELECT * FROM sistema WHERE sistema_codigo=%i", m_nSistema);
        auto rs = m_Consultas.Abrir(cat, sql);
        short numeroCondutores = 0;
        rs->GetFieldByte("sistema_tipo_codigo", m_nTipoSistema);
        rs->GetFieldShort("sistema_numero_condutores", numeroCondutores);
        rs->GetFieldBool("sistema_considera_tensao_fase", consideraTensaoFase);
        rs->GetFieldFloat("sistema_fator_calculo_demanda", fatorDemanda);
        rs->GetFieldBool("sistema_neutro_tabelado", m_bNeutroTabelado);
        rs->GetFieldBool("sistema_tensao_fase_neutro", m_bSistemaFN);
        rs->GetFieldBool("sistema_terra", m_bTerra);
        std::string esquema;
        rs->GetFieldString("sistema_esquema_aterramento", esquema);
        if (esquema != "TN" && esquema != "TT" && esquema != "IT")
            throw CDaoException::Layer(AFX_DAO_ERROR_DFX_BIND,
                                       FormatC("sistema %i: esquema de aterramento '%s'", m_nSistema, esquema.c_str()));
        m_bEsquemaTN = esquema == "TN";
    }

    m_nU = consideraTensaoFase ? m_nTensaoFF : static_cast<short>(m_fTensaoFN);

    m_fICircuitosProprios = 0;
    m_CircuitosVisitados = {m_nCircuito};
    m_fIMotoresTotal = m_fFpMotoresTotal = 0;
    m_fICargasTotal = m_fFpCargasTotal = 0;
    GetCorrente(m_nCircuito, m_fIb, m_fFp, m_fIp, m_fFpp, static_cast<float>(m_nU), fatorDemanda);
    if (!m_strErro.empty())
        return;
    m_fIb = m_fICircuitosProprios;
    if (m_fIb <= 0) {
        Erro("Corrente do circuito não definida");
        return;
    }
    if (m_fIp > 0 && m_fQuedaMaxPartida == 0) {
        Erro("Obrigatório definir a queda de tensão na partida, quando há motores cadastrados.");
        return;
    }

    m_fT = m_nTipoSistema == 3 ? std::sqrt(3.0f) : 2.0f;

    {
        const std::string sql = FormatC(
            "SELECT cabo_constante_curto_circuito,cabo_constante_i2t_x,cabo_constante_i2t_y,secao_nominal,cabo_material "
            "FROM cabo WHERE cabo_codigo=%i",
            m_nCabo);
        auto rs = m_Consultas.Abrir(cat, sql);
        rs->GetFieldShort("cabo_constante_curto_circuito", m_nK);
        rs->GetFieldFloat("cabo_constante_i2t_x", m_fX);
        rs->GetFieldFloat("cabo_constante_i2t_y", m_fY);
        rs->GetFieldFloat("secao_nominal", m_fSmax);
        // Without its k (a catalogue row left empty) the short-circuit limits divide by zero: the report would
        // print "inf" and "nan" as results.
        if (m_nK <= 0)
            throw CDaoException(3349, "DAO.Field",
                                FormatC("O arquivo de dados '%s' está danificado: o cabo %i tem a constante de "
                                        "curto-circuito %i.",
                                        cat.GetDisplayName().c_str(), m_nCabo, m_nK));
        std::string material;
        rs->GetFieldString("cabo_material", material);
        if (material != "cu" && material != "al")
            throw CDaoException::Layer(AFX_DAO_ERROR_DFX_BIND,
                                       FormatC("cabo %i: material '%s'", m_nCabo, material.c_str()));
        // The fault loop's resistance is the conductor's own: aluminium 36, copper 22.5 mOhm.mm2/m.
        m_fFatorResistividade = material == "al" ? 36.0f / 22.5f : 1.0f;
    }

    BYTE tabelaCapacidade = 0, tabelaQueda = 0;
    short refCapacidade = 0, refQueda = 0;
    {
        const std::string sql = FormatC(
            "SELECT * FROM maneira_instalar_x_sistema_x_cabo WHERE maneira_instalar_codigo=%i AND sistema_codigo=%i "
            "AND cabo_codigo=%i",
            m_nManeiraInstalar, m_nSistema, m_nCabo);
        auto rs = m_Consultas.Abrir(cat, sql);
        rs->GetFieldByte("capacidade_corrente_tabela", tabelaCapacidade);
        rs->GetFieldShort("referencia_capacidade_corrente_codigo", refCapacidade);
        rs->GetFieldByte("queda_tensao_tabela", tabelaQueda);
        rs->GetFieldShort("referencia_queda_tensao_codigo", refQueda);
        rs->GetFieldShort("referencia_agrupamento_codigo", m_nRefAgrupamento);
    }

    tabelaCapacidade = PercorrerArvore(TRUE, refCapacidade, tabelaCapacidade);
    tabelaQueda = PercorrerArvore(FALSE, refQueda, tabelaQueda);
    if (tabelaCapacidade == 0 || tabelaQueda == 0) {
        Erro("Tabela de capacidade e/ou queda de tensão não definida(s).");
        return;
    }

    std::string sqlCapacidade, sqlQueda;
    if (m_fSecaoImposta > 0) {
        sqlCapacidade = FormatC(
            "SELECT secao.*,capacidade_corrente_capacidade FROM secao,capacidade_corrente WHERE "
            "secao.secao_nominal=capacidade_corrente.secao_nominal AND capacidade_corrente_tabela=%i AND "
            "secao.secao_nominal=%6.2f ORDER BY secao.secao_nominal",
            tabelaCapacidade, static_cast<double>(m_fSecaoImposta));
        sqlQueda = FormatC(
            "SELECT secao_nominal,queda_tensao_rca,queda_tensao_xl FROM queda_tensao WHERE queda_tensao_tabela=%i AND "
            "secao_nominal=%6.2f ORDER BY secao_nominal",
            tabelaQueda, static_cast<double>(m_fSecaoImposta));
    } else {
        sqlCapacidade = FormatC(
            "SELECT secao.*,capacidade_corrente_capacidade FROM secao,capacidade_corrente WHERE "
            "secao.secao_nominal=capacidade_corrente.secao_nominal AND capacidade_corrente_tabela=%i AND "
            "secao.secao_nominal<=%6.2f ORDER BY secao.secao_nominal",
            tabelaCapacidade, static_cast<double>(m_fSmax));
        sqlQueda = FormatC(
            "SELECT secao_nominal,queda_tensao_rca,queda_tensao_xl FROM queda_tensao WHERE queda_tensao_tabela=%i AND "
            "secao_nominal<=%6.2f ORDER BY secao_nominal",
            tabelaQueda, static_cast<double>(m_fSmax));
    }
    m_pCapacidade = std::make_shared<CDaoRecordsetManual>(&cat, dbOpenSnapshot, sqlCapacidade.c_str());
    m_pQueda = std::make_shared<CDaoRecordsetManual>(&cat, dbOpenSnapshot, sqlQueda.c_str());

    m_dKh = 1.0;
    if (m_bNeutroTabelado && m_nHarmonica >= 33) {
        const std::string sql =
            FormatC("SELECT * FROM harmonica WHERE harmonica_conteudo>=%i ORDER BY harmonica_conteudo", m_nHarmonica);
        auto rs = m_Consultas.Abrir(cat, sql);
        if (m_nTipoSistema == 1)
            rs->GetFieldDouble("monofasico", m_dKh);
        else if (m_nTipoSistema == 3)
            rs->GetFieldDouble("trifasico", m_dKh);
    }

    {
        const std::string sql = FormatC(
            "SELECT fator_correcao_temperatura_fator FROM maneira_instalar a,cabo b,fator_correcao_temperatura c WHERE "
            "a.tipo_correcao_temperatura_codigo=c.tipo_correcao_temperatura_codigo AND "
            "b.tipo_isolacao_codigo=c.tipo_isolacao_codigo AND a.maneira_instalar_codigo=%i AND b.cabo_codigo=%i AND "
            "temperatura_ambiente=%i",
            m_nManeiraInstalar, m_nCabo, m_nTemperatura);
        auto rs = m_Consultas.Abrir(cat, sql);
        rs->GetFieldFloat("fator_correcao_temperatura_fator", m_fKtemp);
    }
}

const CTabela_selecao* CCalculo::Resposta(BYTE questao) const
{
    for (const auto& r : m_Respostas)
        if (r->m_tabela_selecao_codigo == questao)
            return r.get();
    return nullptr;
}

// Follows the circuit's answers from the root node; a node without a row, a question the circuit has not
// answered or an answer the node does not list ends the walk with the table found so far.
BYTE CCalculo::PercorrerArvore(BOOL capacidade, short referencia, BYTE tabela)
{
    const char* const sqlNo = capacidade
        ? "SELECT * FROM referencia_capacidade_corrente WHERE referencia_capacidade_corrente_codigo="
        : "SELECT * FROM referencia_queda_tensao WHERE referencia_queda_tensao_codigo=";
    const char* const colProximo =
        capacidade ? "referencia_capacidade_corrente_proximo_codigo" : "referencia_queda_tensao_proximo_codigo";
    const char* const colTabela = capacidade ? "capacidade_corrente_tabela" : "queda_tensao_tabela";

    short codigo = referencia;
    for (int passo = 0; codigo > 0 && passo < kMaxNosArvore; ++passo) {
        const std::string sql = sqlNo + FormatC("%i", codigo);
        auto rs = m_Consultas.Abrir(Catalogo(), sql);
        if (rs->IsEOF())
            break;
        BYTE questao = 0;
        rs->GetFieldByte("tabela_selecao_codigo", questao);
        const CTabela_selecao* resposta = Resposta(questao);
        if (!resposta)
            break;
        BOOL achou = FALSE;
        while (!rs->IsEOF()) {
            BYTE sequencial = 0;
            rs->GetFieldByte("tabela_selecao_sequencial", sequencial);
            if (sequencial == resposta->m_tabela_selecao_sequencial) {
                rs->GetFieldShort(colProximo, codigo);
                if (codigo == 0)
                    rs->GetFieldByte(colTabela, tabela);
                achou = TRUE;
                break;
            }
            rs->MoveNext();
        }
        if (!achou)
            break;
    }
    return tabela;
}
