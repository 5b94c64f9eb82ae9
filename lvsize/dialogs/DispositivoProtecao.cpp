#include "DispositivoProtecao.h"

#include "CircuitoSelecionado.h"
#include "DaoRecordsetManual.h"
#include "DialogosComuns.h"
#include "DialogosIds.h"
#include "ErrorReporter.h"
#include "InvalidarCalculoPais.h"
#include "SqlValue.h"

using namespace lvdlg;

namespace {

const DialogTemplate kDispositivoProtecao = {IDD_DISPOSITIVO_PROTECAO, "Dispositivo de proteção", {
    RadioButton(IDC_DISJUNTOR, "&Disjuntor", 0, 0).GroupStart(),
    RadioButton(IDC_FUSIVEL, "&Fusível", 0, 1),
    Label("Dispositivo de &proteção:", 1, 0), DropList(IDC_DISPOSITIVO_PROTECAO, 1, 1).Sorted().Width(32).Span(2),
    Label("Fator de &correção para temperatura diferente de 40oC:", 2, 0, IDC_ROTULO_FATOR_CORRECAO),
    MaskedEdit(IDC_FATOR_CORRECAO, "#.##", 2, 1).Width(6).Style(tmpl::AlignRight),
    OkButton(), CancelButton()}};

}  // namespace

BEGIN_MESSAGE_MAP(CDispositivo_protecao, CDialog)
    ON_BN_CLICKED(IDC_DISJUNTOR, OnDisjuntor)
    ON_BN_CLICKED(IDC_FUSIVEL, OnFusivel)
    ON_CBN_SELCHANGE(IDC_DISPOSITIVO_PROTECAO, OnSelchangeDispositivoProtecao)
    ON_EN_CHANGE(IDC_FATOR_CORRECAO, Validar)
END_MESSAGE_MAP()

CDispositivo_protecao::CDispositivo_protecao(CWnd* pParent) : CDialog(kDispositivoProtecao, pParent) {}

void CDispositivo_protecao::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDOK, m_ok);
    DDX_Control(pDX, IDC_DISPOSITIVO_PROTECAO, m_lista);
    DDX_Control(pDX, IDC_ROTULO_FATOR_CORRECAO, m_rotuloFator);
    DDX_Control(pDX, IDC_FATOR_CORRECAO, m_fator);
}

int CDispositivo_protecao::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_nCircuito = GetCircuitoSelecionado();
    // An unreadable circuit opens on the fuse list with no device chosen.
    float fator = 0.0f;
    try {
        CDaoRecordsetManual rs(&Projeto(), dbOpenSnapshot,
                               FormatC("SELECT * FROM circuito WHERE circuito_sequencial=%i", m_nCircuito).c_str());
        if (!rs.IsEOF()) {
            rs.GetFieldByte("dispositivo_protecao_codigo", m_nCodigo);
            rs.GetFieldFloat("circuito_fator_correcao_disjuntor", fator);
            rs.GetFieldShort("circuito_tensao_fase_fase", m_nTensao);
            if (m_nTensao < 1) {
                float faseNeutro = 0.0f;
                rs.GetFieldFloat("circuito_tensao_fase_neutro", faseNeutro);
                m_nTensao = static_cast<short>(faseNeutro);
            }
        }
    } catch (CDaoException& e) {
        ReportError("CDispositivo_protecao::OnInitDialog", &e);
    }
    m_fator.SetMask("#.##");
    m_fator.SetValue(fator);
    m_nTipo = fator > 0 ? 0 : 1;
    CheckRadioButton(IDC_DISJUNTOR, IDC_FUSIVEL, m_nTipo == 0 ? IDC_DISJUNTOR : IDC_FUSIVEL);
    if (m_nTipo == 0)
        OnDisjuntor();
    else
        OnFusivel();
    return TRUE;
}

void CDispositivo_protecao::Carregar(const std::string& sql, const char* local)
{
    m_lista.ResetContent();
    try {
        CDaoRecordsetManual rs(&Referencia(), dbOpenSnapshot, sql.c_str());
        for (; !rs.IsEOF(); rs.MoveNext()) {
            std::string descricao;
            BYTE codigo = 0;
            rs.GetFieldString("dispositivo_protecao_descricao", descricao);
            rs.GetFieldByte("dispositivo_protecao_codigo", codigo);
            const int indice = m_lista.AddString(descricao);
            if (indice >= 0)
                m_lista.SetItemData(indice, codigo);
        }
    } catch (CDaoException& e) {
        ReportError(local, &e);
    }
    int selecao = -1;
    for (int i = 0; i < m_lista.GetCount() && m_nCodigo != 0; ++i)
        if (m_lista.GetItemData(i) == m_nCodigo) {
            selecao = i;
            break;
        }
    if (selecao < 0 && m_lista.GetCount() > 0)
        selecao = 0;
    m_lista.SetCurSel(selecao);
}

void CDispositivo_protecao::OnDisjuntor()
{
    m_nTipo = 0;
    m_rotuloFator.ShowWindow(SW_SHOW);
    m_fator.ShowWindow(SW_SHOW);
    Carregar(FormatC("SELECT * FROM dispositivo_protecao WHERE dispositivo_protecao_tensao=(SELECT "
                     "MIN(dispositivo_protecao_tensao) FROM dispositivo_protecao WHERE dispositivo_protecao_tensao>=%i)",
                     m_nTensao),
             "CDispositivo_protecao::OnDisjuntor");
    if (m_fator.GetValue() == 0)
        m_fator.SetValue(1.0f);
    Validar();
}

void CDispositivo_protecao::OnFusivel()
{
    m_nTipo = 1;
    m_rotuloFator.ShowWindow(SW_HIDE);
    m_fator.ShowWindow(SW_HIDE);
    Carregar("SELECT * FROM dispositivo_protecao WHERE dispositivo_protecao_codigo IN (SELECT "
             "dispositivo_protecao_codigo FROM fusivel_corrente_nominal)",
             "CDispositivo_protecao::OnFusivel");
    Validar();
}

void CDispositivo_protecao::OnSelchangeDispositivoProtecao()
{
    m_nCodigo = 0;
    Validar();
}

void CDispositivo_protecao::Validar()
{
    const bool selecionado = m_lista.GetCurSel() >= 0;
    if (m_nTipo == 1) {
        m_ok.EnableWindow(selecionado);
        return;
    }
    const float fator = m_fator.GetValue();
    const bool fatorOk = fator > 0 && fator <= 1;
    Colorir(m_fator, fatorOk);
    m_ok.EnableWindow(selecionado && fatorOk);
}

void CDispositivo_protecao::OnOK()
{
    const int selecao = m_lista.GetCurSel();
    if (selecao < 0)
        return;
    const int codigo = static_cast<int>(m_lista.GetItemData(selecao));
    try {
        CDaoDatabase& db = Projeto();
        CDaoTransaction transacao(db);
        InvalidarCalculoPais(db, m_nCircuito);
        if (m_nTipo == 1)
            db.Execute(FormatC("UPDATE circuito SET dispositivo_protecao_codigo=%i,circuito_fator_correcao_disjuntor=0,"
                               "circuito_calculado=0 WHERE circuito_sequencial=%i",
                               codigo, m_nCircuito),
                       dbFailOnError);
        else
            db.Execute(FormatC("UPDATE circuito SET dispositivo_protecao_codigo=%i,circuito_fator_correcao_disjuntor=%4.2f,"
                               "circuito_calculado=0 WHERE circuito_sequencial=%i",
                               codigo, static_cast<double>(m_fator.GetValue()), m_nCircuito),
                       dbFailOnError);
        transacao.Commit();
    } catch (CDaoException& e) {
        ReportError("CDispositivo_protecao::OnOK", &e);
        return;
    }
    EndDialog(IDOK);
}
