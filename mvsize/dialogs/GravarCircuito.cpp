// OK of the circuit dialog: the code among its siblings, the raceway rules, the layout questions, then the
// circuito row, its answers and its ancestors' marks in one transaction.
#include "CaracteristicasMt.h"

#include "CaracteristicasMtIds.h"

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

using namespace mvcar;

namespace {

double ValorSelecionado(const CComboBox& lista)
{
    const int sel = lista.GetCurSel();
    return sel == CB_ERR ? 0.0 : zel::ui::ParseDoubleC(lista.GetLBText(sel));
}

}  // namespace

bool CCaracteristicas::CodigoRepetido(CDaoDatabase* db, bool& repetido)
{
    // The code is bound as a parameter: a code with an apostrophe is an ordinary code.
    try {
        const std::string sql =
            m_nCircuitoSequencialPai > 0
                ? FormatC("SELECT * FROM circuito WHERE circuito_codigo=? AND circuito_sequencial_pai=%i AND "
                          "circuito_sequencial<>%i",
                          static_cast<int>(m_nCircuitoSequencialPai), static_cast<int>(m_nCircuitoSequencial))
                : FormatC("SELECT * FROM circuito WHERE circuito_codigo=? AND circuito_sequencial_pai is NULL AND "
                          "circuito_sequencial<>%i",
                          static_cast<int>(m_nCircuitoSequencial));
        CDaoRecordsetManual rs(db, dbOpenSnapshot, sql, {m_strCircuitoCodigo});
        repetido = !rs.IsEOF();
        return true;
    } catch (CDaoException& e) {
        ReportError("CCaracteristicas::OnOK(1)", &e);
        return false;
    }
}

void CCaracteristicas::OnOK()
{
    RelatarPendentes();
    if (!UpdateData(TRUE))
        return;
    if (!FormularioValido()) {
        OnChange();
        return;
    }
    CDaoDatabase* db = Projeto();

    // An unchecked code is refused like a repeated one: the check is the only guard of the tree's codes.
    bool repetido = false;
    if (!CodigoRepetido(db, repetido))
        return;
    if (repetido) {
        AfxMessageBox("Código já existente!", MB_OK | MB_ICONERROR);
        return;
    }

    if (m_nManeiraInstalarCodigo == 2) {
        const float agrupamento = m_fatorAgrupamento.GetValue();
        const float condutores = m_numeroCondutores.GetValue();
        if (agrupamento > 0 && condutores == 0) {
            AfxMessageBox("Em caso de canaletas com fator de agrupamento imposto \né obrigatório informar o número de "
                          "condutores por fase!",
                          MB_OK | MB_ICONINFORMATION);
            return;
        }
        if (agrupamento == 0 && condutores > 1) {
            AfxMessageBox("No caso de canaletas com mais de um condutor por fase \né obrigatório informar o fator de "
                          "agrupamento!",
                          MB_OK | MB_ICONINFORMATION);
            return;
        }
    }

    if (!EditarOutrasvariaveis())
        return;

    const short chaveAnterior = m_nCircuitoSequencial;
    try {
        if (!db)
            throw CDaoException(0, "Mvsize", "Nenhum projeto aberto.");
        CDaoTransaction transacao(*db);
        Replace();
        transacao.Commit();
    } catch (CDaoException& e) {
        // Nothing was written: the dialog stays open for another try (or Cancel).
        ReportError("CCaracteristicas::Replace", &e);
        m_nCircuitoSequencial = chaveAnterior;
        m_respostas.clear();
        return;
    }
    CDialog::OnOK();
}

void CCaracteristicas::Replace()
{
    CDaoDatabase* db = Projeto();
    if (!db)
        throw CDaoException(0, "Mvsize", "Nenhum projeto aberto.");

    if (m_bInclusao) {
        CDaoRecordsetManual rs(db, dbOpenSnapshot, "SELECT MAX(circuito_sequencial) AS maximo FROM circuito");
        short maximo = 0;
        if (!rs.IsEOF() && !rs.GetFieldValue("maximo").IsNull())
            rs.GetFieldShort("maximo", maximo);
        if (maximo == std::numeric_limits<short>::max())
            throw CDaoException(0, "Mvsize", "O projeto já tem o maior número de circuito possível.");
        m_nCircuitoSequencial = static_cast<short>(maximo + 1);
    }

    {
        const int sel = m_conexaoTipo.GetCurSel();
        CDaoRecordsetManual rs(AppContext().m_pReferenceDb, dbOpenSnapshot,
                               "SELECT conexao_tipo_codigo FROM conexao_tipo WHERE conexao_tipo_descricao=?",
                               {sel == CB_ERR ? std::string() : m_conexaoTipo.GetLBText(sel)});
        if (!rs.IsEOF())
            rs.GetFieldByte("conexao_tipo_codigo", m_nConexaoTipoCodigo);
    }

    const long temperatura = std::clamp(static_cast<long>(ValorSelecionado(m_temperatura)), 0L, 255L);
    const short secao = static_cast<short>(ValorSelecionado(m_secaoCondutor));
    const float resistividade = static_cast<float>(ValorSelecionado(m_resistividade));

    {
        CDaoRecordsetManual rs(db, dbOpenTable, "circuito");
        if (m_bInclusao) {
            rs.AddNew();
            rs.SetFieldShort("circuito_sequencial", m_nCircuitoSequencial);
            if (m_nCircuitoSequencialPai > 0)
                rs.SetFieldShort("circuito_sequencial_pai", m_nCircuitoSequencialPai);
        } else {
            bool achado = false;
            for (; !rs.IsEOF(); rs.MoveNext()) {
                short chave = 0;
                rs.GetFieldShort("circuito_sequencial", chave);
                if (chave == m_nCircuitoSequencial) {
                    achado = true;
                    break;
                }
            }
            if (!achado)
                throw CDaoException(0, "Mvsize",
                                    FormatC("O circuito %i não existe mais no projeto.",
                                            static_cast<int>(m_nCircuitoSequencial)));
            rs.Edit();
        }
        rs.SetFieldString("circuito_codigo", m_strCircuitoCodigo);
        rs.SetFieldByte("maneira_instalar_codigo", m_nManeiraInstalarCodigo);
        rs.SetFieldByte("classe_tensao_codigo", m_nClasseTensaoCodigo);
        rs.SetFieldByte("cabo_codigo", m_nCaboCodigo);
        rs.SetFieldByte("temperatura_ambiente", static_cast<BYTE>(temperatura));
        rs.SetFieldFloat("circuito_corrente_projeto", m_correnteProjeto.GetValue());
        rs.SetFieldFloat("circuito_tensao_servico", m_tensaoServico.GetValue());
        rs.SetFieldFloat("circuito_queda_tensao_maxima", m_quedaTensaoMaxima.GetValue());
        rs.SetFieldFloat("circuito_fator_potencia", m_fatorPotencia.GetValue());
        rs.SetFieldFloat("circuito_comprimento", m_comprimento.GetValue());
        rs.SetFieldByte("conexao_tipo_codigo", m_nConexaoTipoCodigo);
        rs.SetFieldFloat("circuito_tempo_curto_condutor", m_tempoCurtoCondutor.GetValue());
        rs.SetFieldFloat("circuito_tempo_curto_blindagem", m_tempoCurtoBlindagem.GetValue());
        rs.SetFieldFloat("circuito_corrente_curto_condutor", m_correnteCurtoCondutor.GetValue());
        rs.SetFieldShort("circuito_numero_condutores", static_cast<short>(m_numeroCondutores.GetValue()));
        rs.SetFieldShort("circuito_secao_condutor_imposta", secao);
        rs.SetFieldFloat("circuito_fator_agrupamento_imposto", m_fatorAgrupamento.GetValue());
        rs.SetFieldBool("circuito_calculado", FALSE);
        rs.SetFieldByte("disposicao_dos_cabos", m_disposicao[kDisposicaoDosCabos]);
        rs.SetFieldFloat("resistividade_termica", resistividade);
        rs.SetFieldByte("tipo_cabo", m_disposicao[kTipoCabo]);
        rs.SetFieldByte("espacamento_cabos_ternas", m_disposicao[kEspacamentoCabosTernas]);
        rs.SetFieldByte("numero_bandejas", m_disposicao[kNumeroBandejas]);
        rs.SetFieldByte("numero_ternas", m_disposicao[kNumeroTernas]);
        rs.SetFieldByte("orientacao", m_disposicao[kOrientacao]);

        if (m_bInclusao && m_nCircuitoSequencialPai > 0) {
            // A new sub-circuit takes over its parent's economic inputs (a parent without them passes none).
            CDaoRecordsetManual pai(db, dbOpenSnapshot,
                                    FormatC("SELECT * FROM circuito WHERE circuito_sequencial=%i",
                                            static_cast<int>(m_nCircuitoSequencialPai))
                                        .c_str());
            if (!pai.IsEOF())
                for (const char* coluna : {"circuito_custo_instalacao_cabo", "circuito_numero_anos",
                                           "circuito_tarifa_energia", "circuito_horas_ano_funcionamento"}) {
                    const COleVariant v = pai.GetFieldValue(coluna);
                    if (!v.IsNull())
                        rs.SetFieldValue(coluna, v);
                }
        }
        rs.Update();
        rs.Close();
    }

    db->Execute(FormatC("DELETE FROM circuito_x_tabela_selecao WHERE circuito_sequencial=%i",
                        static_cast<int>(m_nCircuitoSequencial)),
                dbFailOnError);
    while (!m_respostas.empty()) {
        const CTabela_selecao r = m_respostas.front();
        db->Execute(FormatC("INSERT INTO circuito_x_tabela_selecao VALUES(%i,%i,%i)",
                            static_cast<int>(m_nCircuitoSequencial), static_cast<int>(r.m_tabela_selecao_codigo),
                            static_cast<int>(r.m_tabela_selecao_sequencial)),
                    dbFailOnError);
        m_respostas.erase(m_respostas.begin());
    }

    Invalidar_calculo_pais(*db, m_nCircuitoSequencialPai);
}
