// Construction from the project, and the failure helpers every criterion uses.

#include "Calculo.h"

#include "AppContext.h"
#include "Document.h"
#include "ErrorReporter.h"
#include "SomaFasorial.h"
#include "SqlValue.h"

namespace {
const char* const kErroBanco = "Database error.";
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
            rs.GetFieldByte("sistema_codigo", m_nSistema);
            rs.GetFieldByte("cabo_codigo", m_nCabo);
            rs.GetFieldByte("temperatura_ambiente", m_nTemperatura);
            rs.GetFieldFloat("circuito_secao_minima", m_fSecaoMinima);
            rs.GetFieldShort("circuito_numero_de_condutores", m_nCondutoresImposto);
            rs.GetFieldFloat("circuito_secao_condutor_imposta", m_fSecaoImposta);
            rs.GetFieldFloat("circuito_corrente_cc_presumida", m_fIkmax);
            rs.GetFieldShort("circuito_custo_instalacao_cabo", m_nCustoInstalacao);
            rs.GetFieldShort("circuito_horas_ano_funcionamento", m_nHorasAno);
            rs.GetFieldByte("circuito_numero_anos", m_nAnos);
            rs.GetFieldFloat("circuito_tarifa_energia", m_fTarifa);
            rs.GetFieldByte("dispositivo_protecao_codigo", m_nDispositivo);
            rs.GetFieldFloat("circuito_fator_correcao_disjuntor", m_fFatorDisjuntor);
            rs.GetFieldFloat("circuito_comprimento", m_fL);
            rs.GetFieldFloat("circuito_corrente_regime", m_fIb);
            rs.GetFieldFloat("circuito_fator_potencia_regime", m_fFp);
            rs.GetFieldBool("circuito_dispensar_contato_indireto", m_bDispensarContato);
            rs.GetFieldBool("circuito_dispensar_sobrecarga", m_bDispensarSobrecarga);
            rs.GetFieldFloat("circuito_queda_tensao_regime", m_fQuedaMaxRegime);
            rs.GetFieldFloat("circuito_queda_tensao_partida", m_fQuedaMaxPartida);
            rs.GetFieldShort("circuito_tensao_fase_fase", m_nTensaoFF);
            rs.GetFieldFloat("circuito_tensao_fase_neutro", m_fTensaoFN);
            rs.GetFieldFloat("circuito_fator_demanda", m_fFd);
            rs.GetFieldFloat("resistividade_termica_valor", m_fResistividade);
            rs.GetFieldFloat("circuito_fator_agrupamento_imposto", m_fFatorAgrupImposto);
            rs.GetFieldByte("circuito_conteudo_harmonica", m_nHarmonica);
        }
        m_fHarmonica = m_nHarmonica;
        rs.Close();

        if (!m_bCalculado) {
            const std::string sqlRespostas = FormatC(
                "SELECT tabela_selecao_codigo,tabela_selecao_sequencial FROM circuito_x_tabela_selecao "
                "WHERE circuito_sequencial=%i",
                m_nCircuito);
            CDaoRecordsetManual respostas(&Projeto(), dbOpenSnapshot, sqlRespostas.c_str());
            while (!respostas.IsEOF()) {
                auto resposta = std::make_unique<CTabela_selecao>();
                respostas.GetFieldByte("tabela_selecao_codigo", resposta->m_tabela_selecao_codigo);
                respostas.GetFieldByte("tabela_selecao_sequencial", resposta->m_tabela_selecao_sequencial);
                m_Respostas.push_back(std::move(resposta));
                respostas.MoveNext();
            }
        }
    } catch (CDaoException& e) {
        ErroBanco("CCalculo::CCalculo", e);
        m_fHarmonica = m_nHarmonica;
    }
    m_pCapacidade.reset();
    m_pQueda.reset();
    m_pPontosCurva.reset();
    m_fS = 0;
    m_fSecaoEconomica = 0;
    m_fSecaoProtecao = 0;
    m_bAlemTabela = FALSE;
    m_bSemCorrenteCarga = TRUE;
    m_bMostrarRelatorio = TRUE;
}

CCalculo::~CCalculo() = default;

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
    // One message box per calculation, however many loops the failure runs through.
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
