// Saving a circuit from the characteristics dialog: the code among its siblings, the selection questions,
// then the circuito row, its answers and its ancestors' calculation marks in one transaction.
#include "Caracteristicas.h"
#include "InvalidarCalculoPais.h"

#include "AppContext.h"
#include "CFormat.h"
#include "DaoDatabase.h"
#include "DaoException.h"
#include "DaoRecordsetManual.h"
#include "Document.h"
#include "ErrorReporter.h"
#include "SqlValue.h"

#include <algorithm>
#include <limits>

void CCaracteristicas::OnOK()
{
    RelatarPendentes();
    if (!UpdateData(TRUE))
        return;
    if (!FormularioValido()) {
        Validar();
        return;
    }
    CDaoDatabase* db = Projeto();

    // The code must be unique among the circuit's siblings (the circuit itself excluded when edited). The
    // code is bound as a parameter: a code with an apostrophe is an ordinary code.
    bool existente = true;
    try {
        const std::string sql =
            m_nCircuitoSequencialPai > 0
                ? FormatC("SELECT circuito_codigo FROM circuito WHERE circuito_codigo=? AND "
                          "circuito_sequencial_pai=%i AND circuito_sequencial<>%i",
                          static_cast<int>(m_nCircuitoSequencialPai), static_cast<int>(m_nCircuitoSequencial))
                : FormatC("SELECT circuito_codigo FROM circuito WHERE circuito_codigo=? AND circuito_sequencial_pai "
                          "is NULL AND circuito_sequencial<>%i",
                          static_cast<int>(m_nCircuitoSequencial));
        CDaoRecordsetManual rs(db, dbOpenSnapshot, sql, {m_strCircuitoCodigo});
        existente = !rs.IsEOF();
    } catch (CDaoException& e) {
        ReportError("CCaracteristicas::OnOk", &e);
    }
    if (existente) {
        AfxMessageBox("Código já existente!", MB_OK | MB_ICONERROR);
        return;
    }

    if (!EditarOutrasvariaveis())
        return;

    if (!db || !GravarCircuito(*db)) {
        // Nothing was written: the dialog stays open for another try (or Cancel).
        m_respostas.clear();
        return;
    }
    CDialog::OnOK();
}

bool CCaracteristicas::GravarCircuito(CDaoDatabase& db)
{
    const short chaveAnterior = m_nCircuitoSequencial;
    try {
        CDaoTransaction transacao(db);
        if (!Replace()) {
            m_nCircuitoSequencial = chaveAnterior;
            return false;
        }
        try {
            InvalidarCalculoPais(db, m_nCircuitoSequencial);
        } catch (CDaoException& e) {
            ReportError("CLvsizeApp::Invalidar_calculo_pais", &e);
            m_nCircuitoSequencial = chaveAnterior;
            return false;
        }
        transacao.Commit();
        return true;
    } catch (CDaoException& e) {
        ReportError("CCaracteristicas::OnOk", &e);
        m_nCircuitoSequencial = chaveAnterior;
        return false;
    }
}

BOOL CCaracteristicas::Replace()
{
    CDaoDatabase* db = Projeto();
    if (!db)
        return FALSE;

    // Voltages the system does not use are stored as 0.
    if (!m_bTensaoFaseFase)
        m_tensaoFaseFase.SetValue(0);
    if (!m_bTensaoFaseNeutro)
        m_tensaoFaseNeutro.SetValue(0);
    float resistividade = 0;
    if (m_nTipoCorrecaoTemperatura == 2 && m_resistividade.GetCurSel() != CB_ERR)
        resistividade = static_cast<float>(zel::ui::ParseDoubleC(m_resistividade.GetLBText(m_resistividade.GetCurSel())));
    const short tensaoFaseFase = static_cast<short>(m_tensaoFaseFase.GetValue());
    const int temperaturaSel = m_temperatura.GetCurSel();
    const long temperatura =
        temperaturaSel == CB_ERR ? 0 : zel::ui::ParseLongC(m_temperatura.GetLBText(temperaturaSel));
    const int secaoSel = m_secaoImposta.GetCurSel();
    const float secaoImposta =
        secaoSel == CB_ERR ? 0.0f : static_cast<float>(zel::ui::ParseDoubleC(m_secaoImposta.GetLBText(secaoSel)));
    // Hidden when the neutral is not tabulated, and then not tested: keep it within its byte.
    const float harmonicas = std::clamp(m_harmonicas.GetValue(), 0.0f, 255.0f);

    try {
        if (m_bInclusao) {
            CDaoRecordsetManual rs(db, dbOpenSnapshot, "SELECT MAX(circuito_sequencial) AS maximo FROM circuito");
            short maximo = 0;
            if (!rs.IsEOF())
                rs.GetFieldShort("maximo", maximo);
            if (maximo == std::numeric_limits<short>::max())
                throw CDaoException(0, "Lvsize", "O projeto já tem o maior número de circuito possível.");
            m_nCircuitoSequencial = static_cast<short>(maximo + 1);
        } else {
            // The protection device was chosen for the old voltage.
            db->Execute(FormatC("UPDATE circuito SET dispositivo_protecao_codigo=0 WHERE circuito_sequencial=%i AND "
                                "circuito_tensao_fase_fase<>%i",
                                static_cast<int>(m_nCircuitoSequencial), static_cast<int>(tensaoFaseFase)),
                        dbFailOnError);
        }

        {
            CDaoRecordsetManual rs(db, dbOpenTable, "circuito");
            if (m_bInclusao) {
                rs.AddNew();
                rs.SetFieldShort("circuito_sequencial", m_nCircuitoSequencial);
                if (m_nCircuitoSequencialPai > 0)
                    rs.SetFieldShort("circuito_sequencial_pai", m_nCircuitoSequencialPai);
            } else {
                for (; !rs.IsEOF(); rs.MoveNext()) {
                    short chave = 0;
                    rs.GetFieldShort("circuito_sequencial", chave);
                    if (chave == m_nCircuitoSequencial)
                        break;
                }
                rs.Edit();
            }
            rs.SetFieldString("circuito_codigo", m_strCircuitoCodigo);
            rs.SetFieldByte("maneira_instalar_codigo", m_nManeiraInstalarCodigo);
            rs.SetFieldByte("sistema_codigo", m_nSistemaCodigo);
            rs.SetFieldByte("cabo_codigo", m_nCaboCodigo);
            rs.SetFieldByte("temperatura_ambiente", static_cast<BYTE>(std::clamp(temperatura, 0L, 255L)));
            rs.SetFieldFloat("circuito_secao_minima", m_secaoMinima.GetValue());
            rs.SetFieldShort("circuito_numero_de_condutores", static_cast<short>(m_numeroCondutores.GetValue()));
            rs.SetFieldFloat("circuito_secao_condutor_imposta", secaoImposta);
            rs.SetFieldBool("circuito_dispensar_contato_indireto", m_bDispensarContatoIndireto);
            rs.SetFieldFloat("resistividade_termica_valor", resistividade);
            rs.SetFieldBool("circuito_dispensar_sobrecarga", m_bDispensarSobrecarga);
            rs.SetFieldBool("circuito_calculado", FALSE);
            rs.SetFieldFloat("circuito_comprimento", m_comprimento.GetValue());
            rs.SetFieldShort("circuito_tensao_fase_fase", tensaoFaseFase);
            rs.SetFieldFloat("circuito_tensao_fase_neutro", m_tensaoFaseNeutro.GetValue());
            rs.SetFieldFloat("circuito_fator_demanda", m_fatorDemanda.GetValue());
            rs.SetFieldByte("circuito_conteudo_harmonica", static_cast<BYTE>(harmonicas));
            rs.SetFieldFloat("circuito_queda_tensao_regime", m_quedaRegime.GetValue());
            rs.SetFieldFloat("circuito_queda_tensao_partida", m_quedaPartida.GetValue());
            rs.SetFieldFloat("circuito_fator_agrupamento_imposto", m_fatorAgrupamento.GetValue());
            rs.SetFieldFloat("circuito_corrente_cc_presumida", m_correnteCurto.GetValue());

            if (m_bInclusao && m_nCircuitoSequencialPai != 0) {
                // A new sub-circuit starts with its parent's economic inputs and protection device.
                CDaoRecordsetManual pai(db, dbOpenSnapshot,
                                        FormatC("SELECT * FROM circuito WHERE circuito_sequencial=%i",
                                                static_cast<int>(m_nCircuitoSequencialPai))
                                            .c_str());
                short s = 0;
                BYTE b = 0;
                float f = 0;
                pai.GetFieldShort("circuito_custo_instalacao_cabo", s);
                rs.SetFieldShort("circuito_custo_instalacao_cabo", s);
                pai.GetFieldByte("circuito_numero_anos", b);
                rs.SetFieldByte("circuito_numero_anos", b);
                pai.GetFieldFloat("circuito_tarifa_energia", f);
                rs.SetFieldFloat("circuito_tarifa_energia", f);
                pai.GetFieldShort("circuito_horas_ano_funcionamento", s);
                rs.SetFieldShort("circuito_horas_ano_funcionamento", s);
                pai.GetFieldByte("dispositivo_protecao_codigo", b);
                rs.SetFieldByte("dispositivo_protecao_codigo", b);
                pai.GetFieldFloat("circuito_fator_correcao_disjuntor", f);
                rs.SetFieldFloat("circuito_fator_correcao_disjuntor", f);
            }
            rs.Update();
            rs.Close();
        }

        // The answers are rewritten whole: one no longer on the circuit's path goes.
        db->Execute(FormatC("DELETE FROM circuito_x_tabela_selecao WHERE circuito_sequencial=%i",
                            static_cast<int>(m_nCircuitoSequencial)),
                    dbFailOnError);
        while (!m_respostas.empty()) {
            const CTabela_selecao& r = m_respostas.back();
            db->Execute(FormatC("INSERT INTO circuito_x_tabela_selecao VALUES(%i,%i,%i)",
                                static_cast<int>(m_nCircuitoSequencial), static_cast<int>(r.m_tabela_selecao_codigo),
                                static_cast<int>(r.m_tabela_selecao_sequencial)),
                        dbFailOnError);
            m_respostas.pop_back();
        }
    } catch (CDaoException& e) {
        ReportError("CCaracteristicas::Replace", &e);
        return FALSE;
    }
    return TRUE;
}
