// Current-carrying capacity with the temperature and grouping factors, and the next-section step that
// every criterion uses to grow the result.

#include "Calculo.h"

#include "SqlValue.h"

namespace {
constexpr int kMaxNosAgrupamento = 256;
const char* const kErroAgrupamento =
    "Número de condutores calculado excede tabela de fator de agrupamento. Rever circuito.";
const char* const kErroCapacidade = "Impossível devido ao critério capacidade de corrente.\nAumentar no. condutores.";
}

void CCalculo::Fator_correcao_agrupamento(short n)
{
    if (m_fFatorAgrupImposto > 0) {
        m_fKagr = m_fFatorAgrupImposto;
        return;
    }
    if (m_bAlemTabela)
        return;  // the factor of the table's last row stands for every larger count
    try {
        short codigo = m_nRefAgrupamento;
        for (int passo = 0; codigo > 0 && passo < kMaxNosAgrupamento; ++passo) {
            BYTE questao = 0, tipo = 0;
            {
                const std::string sql = FormatC(
                    "SELECT tabela_selecao_codigo,referencia_agrupamento_tipo_codigo FROM referencias_agrupamento WHERE "
                    "referencia_agrupamento_codigo=%i",
                    codigo);
                auto rs = m_Consultas.Abrir(Catalogo(), sql);
                rs->GetFieldByte("tabela_selecao_codigo", questao);
                rs->GetFieldByte("referencia_agrupamento_tipo_codigo", tipo);
            }
            const CTabela_selecao* resposta = Resposta(questao);
            if (!resposta) {
                m_fKagr = 0;
                break;
            }
            const int a = resposta->m_tabela_selecao_sequencial;
            if (tipo == 1 || tipo == 2) {
                const int linha = tipo == 1 ? a : a + n - 1;
                const std::string sql = FormatC(
                    "SELECT referencia_agrupamento_proximo_codigo,referencia_agrupamento_fator FROM referencia_agrupamento "
                    "WHERE referencia_agrupamento_codigo=%i AND tabela_selecao_sequencial=%i",
                    codigo, linha);
                auto rs = m_Consultas.Abrir(Catalogo(), sql);
                if (tipo == 2 && rs->IsEOF()) {
                    m_fKagr = 0;  // more conductors than the table lists
                    break;
                }
                rs->GetFieldFloat("referencia_agrupamento_fator", m_fKagr);
                rs->GetFieldShort("referencia_agrupamento_proximo_codigo", codigo);
            } else if (tipo == 3) {
                const std::string sql = FormatC(
                    "SELECT tabela_selecao_sequencial,referencia_agrupamento_proximo_codigo,referencia_agrupamento_fator "
                    "FROM referencia_agrupamento WHERE referencia_agrupamento_codigo=%i AND tabela_selecao_sequencial<=%i "
                    "ORDER BY tabela_selecao_sequencial",
                    codigo, a + n - 1);
                auto rs = m_Consultas.Abrir(Catalogo(), sql);
                rs->MoveLast();
                BYTE sequencial = 0;
                rs->GetFieldByte("tabela_selecao_sequencial", sequencial);
                m_bAlemTabela = sequencial < a + n - 1;
                rs->GetFieldFloat("referencia_agrupamento_fator", m_fKagr);
                rs->GetFieldShort("referencia_agrupamento_proximo_codigo", codigo);
            } else {
                break;
            }
        }
    } catch (CDaoException& e) {
        ErroBanco("CCalculo::Fator_correcao_agrupamento", e);
    }
}

// The grouping factor for n conductors per phase; FALSE, with the error set, when the walk failed or the
// table has no factor for that many.
BOOL CCalculo::Agrupamento(short n)
{
    Fator_correcao_agrupamento(n);
    if (!m_strErro.empty())
        return FALSE;
    if (m_fKagr == 0) {
        Erro(kErroAgrupamento);
        return FALSE;
    }
    return TRUE;
}

BOOL CCalculo::Capacidade_corrente()
{
    m_fIz = 0;
    short i = m_n;
    float sec = 0;
    float aceita = 0;
    while (i <= m_nMax) {
        if (!Agrupamento(i))
            return FALSE;
        m_pCapacidade->MoveLast();
        while (!m_pCapacidade->IsBOF()) {
            float cap = 0;
            m_pCapacidade->GetFieldFloat("capacidade_corrente_capacidade", cap);
            // NBR 5410 6.2.5: Iz >= IB, equality included.
            if (ExcedeCorrente(m_fFd * m_fIb / (m_fKagr * m_fKtemp) / static_cast<float>(i), cap))
                break;
            m_pCapacidade->GetFieldFloat("secao_nominal", sec);
            if (m_fS > sec && i == m_n)
                break;  // never below the section already found for this count
            if (i < 2)
                m_pCapacidade->GetFieldFloat("secao_nominal_protecao", m_fSecaoProtecao);
            aceita = sec;
            m_fIz = cap;
            m_pCapacidade->MovePrev();
        }
        if (m_fIz > 0)
            break;
        ++i;
    }
    if (m_fIz <= 0) {
        Erro(kErroCapacidade);
        return FALSE;
    }
    if (i >= 2)
        m_fSecaoProtecao = Secao_protecao_paralelo(aceita, i);
    if (m_fS < sec || i != m_n) {
        m_n = i;
        m_fS = sec;
        if (m_bNeutroTabelado && m_nHarmonica == 0)
            m_fSecaoNeutro = Secao_neutro_tabelada(m_fS);
        else
            m_fSecaoNeutro = m_fS;
    }
    return TRUE;
}

// The neutral of a phase section by the secao table, found with the same two-decimal key as the other
// section queries (one decimal would miss 0.75 mm2).
float CCalculo::Secao_neutro_tabelada(float secao)
{
    const std::string sql =
        FormatC("SELECT secao_nominal_neutro from secao where secao_nominal=%6.2f", static_cast<double>(secao));
    auto rs = m_Consultas.Abrir(Catalogo(), sql);
    float neutro = 0;
    rs->GetFieldFloat("secao_nominal_neutro", neutro);
    return neutro;
}

// NBR 5410 Tabela 58 (6.4.3.1.3) for n conductors per phase, applied to the whole phase section n x S: up
// to 16 mm2 the same, up to 35 mm2 16 mm2, above that half of it. The total is what the report gives, to be
// divided among the conductors; a half that is no nominal section is taken up to the next one (as the secao
// table does for one conductor), and one above the largest nominal section is kept as it is.
float CCalculo::Secao_protecao_paralelo(float secao, short n)
{
    const float total = secao * static_cast<float>(n);
    if (total <= 16)
        return total;
    if (total <= 35)
        return 16;
    return Secao_nominal_desde(total * 0.5f);
}

float CCalculo::Secao_nominal_desde(float secao)
{
    const std::string sql = FormatC("SELECT secao_nominal FROM secao WHERE secao_nominal>=%6.2f ORDER BY secao_nominal",
                                    static_cast<double>(secao));
    auto rs = m_Consultas.Abrir(Catalogo(), sql);
    if (rs->IsEOF())
        return secao;
    float nominal = 0;
    rs->GetFieldFloat("secao_nominal", nominal);
    return nominal;
}

float CCalculo::Proxima_secao(float x)
{
    float resultado = 0;
    try {
        const std::string sql =
            FormatC("SELECT secao_nominal FROM secao WHERE secao_nominal>%6.2f", static_cast<double>(x));
        auto rs = m_Consultas.Abrir(Catalogo(), sql);
        BOOL achou = FALSE;
        while (!rs->IsEOF()) {
            float s = 0;
            rs->GetFieldFloat("secao_nominal", s);
            if (!achou || s < resultado)
                resultado = s;
            achou = TRUE;
            rs->MoveNext();
        }
        if (!achou) {
            // x is the largest section: the protection and minimum-section criteria cannot go on; the
            // others take one more conductor per phase at the table's largest section.
            if (m_nCriterio == CRITERIO_SOBRECARGA || m_nCriterio == CRITERIO_SECAO_MINIMA ||
                m_nCriterio == CRITERIO_CONTATOS) {
                m_n = static_cast<short>(m_nMax + 1);
            } else {
                ++m_n;
                m_pCapacidade->MoveLast();
                m_pCapacidade->GetFieldFloat("secao_nominal", resultado);
            }
        }
    } catch (CDaoException& e) {
        ErroBanco("CCalculo::Proxima_secao", e);
    }
    if (m_n > m_nMax)
        Erro("Impossível aumentar a seção ou o número de condutores");
    return resultado;
}
