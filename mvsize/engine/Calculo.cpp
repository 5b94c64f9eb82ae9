// Construction from the project, the design current and the calculation driver.

#include "Calculo.h"

#include "AppContext.h"
#include "Document.h"
#include "ErrorReporter.h"
#include "MessageService.h"
#include "SomaFasorial.h"
#include "SqlValue.h"

#include <algorithm>
#include <cctype>

namespace {
const char* const kErroBanco = "Database Error";
}

CCalculo::CCalculo(short circuito_sequencial) : m_nCircuito(circuito_sequencial)
{
    try {
        if (CProjectDocument* doc = GetActiveProjectDocument())
            m_pProjeto = doc->m_pDatabase;
        const std::string sql = FormatC("SELECT * FROM circuito WHERE circuito_sequencial=%i", m_nCircuito);
        CDaoRecordsetManual rs(&Projeto(), dbOpenSnapshot, sql.c_str());
        rs.GetFieldString("circuito_codigo", m_strCodigo);
        rs.GetFieldBool("circuito_calculado", m_bCalculado);
        if (!m_bCalculado) {
            rs.GetFieldByte("maneira_instalar_codigo", m_nManeiraInstalar);
            rs.GetFieldByte("classe_tensao_codigo", m_nClasseTensao);
            rs.GetFieldFloat("circuito_tensao_servico", m_fU);
            rs.GetFieldByte("cabo_codigo", m_nCabo);
            rs.GetFieldByte("temperatura_ambiente", m_nTemperatura);
            rs.GetFieldFloat("circuito_queda_tensao_maxima", m_fQuedaMaxima);
            rs.GetFieldFloat("circuito_comprimento", m_fL);
            rs.GetFieldFloat("circuito_corrente_curto_condutor", m_fIcc);
            rs.GetFieldFloat("circuito_tempo_curto_condutor", m_fTempoCurto);
            rs.GetFieldFloat("circuito_tempo_curto_blindagem", m_fTempoCurtoBlindagem);
            rs.GetFieldByte("conexao_tipo_codigo", m_nConexao);
            rs.GetFieldShort("circuito_custo_instalacao_cabo", m_nCustoInstalacao);
            rs.GetFieldShort("circuito_horas_ano_funcionamento", m_nHorasAno);
            rs.GetFieldByte("circuito_numero_anos", m_nAnos);
            rs.GetFieldFloat("circuito_tarifa_energia", m_fTarifa);
            rs.GetFieldShort("circuito_numero_condutores", m_nCondutoresImposto);
            rs.GetFieldShort("circuito_secao_condutor_imposta", m_nSecaoImposta);
            rs.GetFieldFloat("circuito_fator_agrupamento_imposto", m_fFatorAgrupImposto);
            rs.GetFieldByte("disposicao_dos_cabos", m_nDisposicao);
            rs.GetFieldFloat("resistividade_termica", m_fResistividade);
            rs.GetFieldByte("tipo_cabo", m_nTipoCabo);
            rs.GetFieldByte("espacamento_cabos_ternas", m_nEspacamento);
            rs.GetFieldByte("numero_bandejas", m_nBandejas);
            rs.GetFieldByte("numero_ternas", m_nTernas);
            rs.GetFieldByte("orientacao", m_nOrientacao);
        }
        rs.Close();

        // Values above 3 K.m/W were stored ten times too large.
        if (m_fResistividade > 3.0f)
            m_fResistividade /= 10.0f;
        m_nFaixa = m_nClasseTensao > 3 ? 2 : 1;

        if (!m_bCalculado) {
            const std::string sqlCabo =
                FormatC("SELECT MATERIAL_CONDUTOR, TEMPERATURA_CONDUTOR FROM CABO WHERE CABO_CODIGO=%i", m_nCabo);
            CDaoRecordsetManual cabo(&Catalogo(), dbOpenSnapshot, sqlCabo.c_str());
            if (!cabo.IsEOF()) {
                cabo.GetFieldString("MATERIAL_CONDUTOR", m_strMaterial);
                std::transform(m_strMaterial.begin(), m_strMaterial.end(), m_strMaterial.begin(),
                               [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
                cabo.GetFieldShort("TEMPERATURA_CONDUTOR", m_nTemperaturaCondutor);
            }
        }
    } catch (CDaoException& e) {
        // A circuit read in part must not be sized: Calcular fails on the error text.
        ErroBanco("CCalculo::CCalculo", e);
    }
    m_S = 0;
    m_nCriterio = mvsize::CRITERIO_CAPACIDADE;
}

CCalculo::~CCalculo()
{
    try {
        if (m_pCapacidade) {
            if (m_pCapacidade->IsOpen())
                m_pCapacidade->Close();
            if (m_pQueda && m_pQueda->IsOpen())
                m_pQueda->Close();
        }
    } catch (CDaoException& e) {
        ReportError("CCalculo::~CCalculo", &e);
    }
}

void CCalculo::SomaFasorial(float& I, float& fp, float I1, float fp1, float I2, float fp2)
{
    ::SomaFasorial(I, fp, I1, fp1, I2, fp2);
}

void CCalculo::Erro(const std::string& texto)
{
    if (m_strErro.empty())
        m_strErro = texto;
}

void CCalculo::ErroBanco(const char* local, const CDaoException& e)
{
    // One report per calculation, however many loops the failure runs through.
    if (!m_bErroBancoRelatado) {
        m_bErroBancoRelatado = TRUE;
        ReportError(local, &e);
    }
    Erro(kErroBanco);
}

CDaoDatabase& CCalculo::Projeto()
{
    if (!m_pProjeto)
        throw CDaoException::Layer(AFX_DAO_ERROR_OBJECT_NOT_OPEN, "no active project database");
    return *m_pProjeto;
}

CDaoDatabase& CCalculo::Catalogo()
{
    CDaoDatabase* db = AppContext().m_pReferenceDb;
    if (!db || !db->IsOpen())
        throw CDaoException::Layer(AFX_DAO_ERROR_OBJECT_NOT_OPEN, "reference database not open");
    return *db;
}

bool CCalculo::MetodoEnterrado() const
{
    return m_strMetodo == "F" || m_strMetodo == "G" || m_strMetodo == "H" || m_strMetodo == "I";
}

void CCalculo::Corrente_projeto(short circuito, float& I, float& fp)
{
    try {
        // A damaged file can link a circuit below itself: stop instead of recursing for ever.
        if (!m_visitados.insert(circuito).second)
            throw CDaoException::Layer(AFX_DAO_ERROR_DFX_BIND,
                                       FormatC("circuit %i appears twice in its own subtree", circuito));
        const std::string sqlFilhos =
            FormatC("SELECT circuito_sequencial FROM circuito WHERE circuito_sequencial_pai=%i", circuito);
        CDaoRecordsetManual filhos(&Projeto(), dbOpenSnapshot, sqlFilhos.c_str());
        while (!filhos.IsEOF() && m_strErro.empty()) {
            short filho = 0;
            filhos.GetFieldShort("circuito_sequencial", filho);
            Corrente_projeto(filho, I, fp);
            filhos.MoveNext();
        }
        if (!m_strErro.empty())
            return;
        m_fIFilhos = I;
        m_fFpFilhos = fp;
        const std::string sql = FormatC(
            "SELECT circuito_corrente_projeto,circuito_fator_potencia FROM circuito WHERE circuito_sequencial=%i",
            circuito);
        CDaoRecordsetManual rs(&Projeto(), dbOpenSnapshot, sql.c_str());
        rs.GetFieldFloat("circuito_corrente_projeto", m_fIProprio);
        rs.GetFieldFloat("circuito_fator_potencia", m_fFpProprio);
        SomaFasorial(I, fp, I, fp, m_fIProprio, m_fFpProprio);
    } catch (CDaoException& e) {
        // A partial total would size the circuit for less than its load.
        ErroBanco("CCalculo::Corrente_projeto", e);
    }
}

BOOL CCalculo::Calcular()
{
    if (m_bCalculado && m_strErro.empty())
        return TRUE;
    if (!m_strErro.empty())
        return FALSE;

    m_fI = 0;
    m_fFp = 0;
    m_visitados.clear();
    Corrente_projeto(m_nCircuito, m_fI, m_fFp);
    if (!m_strErro.empty())
        return FALSE;
    if (!(m_fI > 0)) {
        Erro("Corrente de projeto não especificada.");
        return FALSE;
    }

    try {
        CDaoDatabase& cat = Catalogo();
        BYTE tipoManeira = 0;
        {
            const std::string sql = FormatC(
                "SELECT tipo_maneira_instalar_codigo FROM MANEIRA_INSTALAR WHERE MANEIRA_INSTALAR_CODIGO=%i",
                m_nManeiraInstalar);
            CDaoRecordsetManual rs(&cat, dbOpenSnapshot, sql.c_str());
            rs.GetFieldByte("tipo_maneira_instalar_codigo", tipoManeira);
        }
        {
            const std::string sql = FormatC(
                "SELECT fator_correcao_temperatura_valor FROM fator_correcao_temperatura where "
                "tipo_maneira_instalar_codigo=%i and temperatura_ambiente=%i and temperatura_condutor=%i",
                tipoManeira, m_nTemperatura, m_nTemperaturaCondutor);
            CDaoRecordsetManual rs(&cat, dbOpenSnapshot, sql.c_str());
            rs.GetFieldFloat("fator_correcao_temperatura_valor", m_kt);
        }
        if (m_nCondutoresImposto > 0) {
            m_n = m_nmax = m_nCondutoresImposto;
        } else {
            m_n = 1;
            m_nmax = 1000;
        }
        {
            const std::string sql = FormatC(
                "SELECT Metodo_referencia FROM referencias_metodo_instalacao_NBR_14039 WHERE Maneira_de_Instalar=%i "
                "and Tipo_de_Cabo=%i and Disposicao=%i",
                m_nManeiraInstalar, m_nTipoCabo, m_nDisposicao);
            CDaoRecordsetManual rs(&cat, dbOpenSnapshot, sql.c_str());
            if (rs.IsEOF()) {
                Erro("Impossivel determinar a Referencia do Método de Instalação.");
                return FALSE;
            }
            rs.GetFieldString("Metodo_referencia", m_strMetodo);
        }
        const SqlParams chaveCapacidade{m_strMaterial, m_strMetodo};
        std::string sqlCapacidade = FormatC(
            "SELECT * FROM capacidade_corrente_NBR_14039 WHERE material_condutor=? and temperatura_condutor=%i and "
            "faixa_tensao=%i and metodo_instalacao=?",
            m_nTemperaturaCondutor, m_nFaixa);
        sqlCapacidade += m_nSecaoImposta > 0 ? FormatC(" and seccao_condutor=%i", m_nSecaoImposta)
                                             : std::string(" and seccao_condutor<=500");
        m_pCapacidade = std::make_unique<CDaoRecordsetManual>(&cat, dbOpenSnapshot, sqlCapacidade, chaveCapacidade);

        m_kr = 1;
        if (MetodoEnterrado()) {
            const std::string sql = FormatC(
                "Select fator_correcao_resistividade from resistividade_termica_solo where "
                "resistividade_termica_solo=%1.1f and metodo_instalacao=?",
                m_fResistividade);
            CDaoRecordsetManual rs(&cat, dbOpenSnapshot, sql, SqlParams{m_strMetodo});
            rs.GetFieldFloat("fator_correcao_resistividade", m_kr);
        }

        const std::string sqlQueda =
            m_nSecaoImposta > 0
                ? FormatC("SELECT * FROM queda_tensao_catalogo WHERE cabo=%i AND classe_tensao=%i and secao=%i ORDER BY secao",
                          m_nCabo, m_nClasseTensao, m_nSecaoImposta)
                : FormatC("SELECT * FROM queda_tensao_catalogo WHERE cabo=%i AND classe_tensao=%i ORDER BY secao", m_nCabo,
                          m_nClasseTensao);
        m_pQueda = std::make_unique<CDaoRecordsetManual>(&cat, dbOpenSnapshot, sqlQueda.c_str());
    } catch (CDaoException& e) {
        ErroBanco("CCalculo::Calcular", e);
        return FALSE;
    }

    if (m_strErro.empty() && Capacidade_corrente() && Queda_tensao()) {
        Curto_circuito();
        if (m_nCriterio == mvsize::CRITERIO_CURTO && m_nTemperaturaCondutor == 105)
            AfxMessageBox("Para este calculo o critério de dimensionamento foi por curto-circuito, neste caso "
                          "calcular utilizando também cabos com 90ºC de temperatura no condutor em serviço contínuo.",
                          MB_ICONEXCLAMATION);
    }
    if (m_strErro.empty())
        QuedaFinal();
    if (m_strErro.empty())
        GravarCalculo();
    return m_strErro.empty() ? TRUE : FALSE;
}
