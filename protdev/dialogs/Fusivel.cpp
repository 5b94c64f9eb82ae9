#include "Fusivel.h"

#include "FusivelCorrenteNominal.h"
#include "ProtdevApp.h"
#include "ProtdevColors.h"
#include "resource.h"

#include "DaoDatabase.h"
#include "DaoException.h"
#include "SqlValue.h"

#include <cstdlib>

BEGIN_MESSAGE_MAP(CFusivel, CDialog)
    ON_EN_CHANGE(IDC_DESCRICAO, OnChange)
    ON_BN_CLICKED(IDC_INCLUIR, OnIncluir)
    ON_BN_CLICKED(IDC_ALTERAR, OnAlterar)
    ON_BN_CLICKED(IDC_EXCLUIR, OnExcluir)
END_MESSAGE_MAP()

CFusivel::CFusivel(CWnd* pParent) : CDialog(IDD_FUSIVEL, pParent) {}

void CFusivel::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DESCRICAO, m_descricaoEdit);
    DDX_Control(pDX, IDOK, m_ok);
    DDX_Control(pDX, IDC_CORRENTES, m_lista);
    DDX_Control(pDX, IDC_EXCLUIR, m_excluir);
    DDX_Control(pDX, IDC_ALTERAR, m_alterar);
    DDX_Text(pDX, IDC_DESCRICAO, m_descricao);
    DDV_MaxChars(pDX, m_descricao, 30);
}

int CFusivel::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (!m_bNovo) {
        try {
            CDaoDatabase& db = ProtdevLibrary();
            short tensao = 0;
            if (!devlib::LoadDevice(db, m_codigo, m_descricao, tensao))
                m_bCargaFalhou = true;  // the device is gone: nothing to confirm
            UpdateData(FALSE);
            devlib::LoadFuseRatings(db, m_codigo, m_correntes);
        } catch (CDaoException& e) {
            CProtdevApp::ReportError("CFusivel::OnInitDialog", &e);
            m_bCargaFalhou = true;
        }
        for (const CFusivel_corrente& c : m_correntes)
            m_lista.AddString(FormatC("%4i", static_cast<int>(c.m_nCorrenteNominal)));
        if (m_lista.GetCount() > 0)
            m_lista.SetCurSel(0);
    }
    UpdateData(FALSE);
    OnChange();
    return TRUE;
}

void CFusivel::OnChange()
{
    if (!m_ok.IsCreated())
        return;
    UpdateData(TRUE);
    const bool descricao = DescricaoPreenchida(m_descricao);
    SetProtdevValidity(m_descricaoEdit, descricao);
    m_ok.EnableWindow(m_lista.GetCount() > 0 && descricao && !m_bCargaFalhou);
    const bool selecionada = m_lista.GetCurSel() != LB_ERR;
    m_excluir.EnableWindow(selecionada);
    m_alterar.EnableWindow(selecionada);
    UpdateData(FALSE);
}

CFusivel_corrente* CFusivel::CorrenteSelecionada()
{
    const int sel = m_lista.GetCurSel();
    if (sel == LB_ERR)
        return nullptr;
    const int nominal = std::atoi(m_lista.GetText(sel).c_str());
    for (CFusivel_corrente& c : m_correntes)
        if (c.m_nCorrenteNominal == nominal)
            return &c;
    return nullptr;
}

void CFusivel::OnIncluir()
{
    CFusivel_corrente_nominal dlg(this);
    dlg.m_bNovo = TRUE;
    dlg.m_pCorrentes = &m_correntes;
    if (dlg.DoModal() != IDOK)
        return;
    m_correntes.push_back({static_cast<short>(dlg.m_nCorrenteNominal), dlg.m_fCorrenteRuptura, dlg.m_fCorrenteT5s,
                           dlg.m_fAlfa});
    m_lista.SetCurSel(m_lista.AddString(FormatC("%4i", dlg.m_nCorrenteNominal)));
    OnChange();
}

void CFusivel::OnAlterar()
{
    CFusivel_corrente* c = CorrenteSelecionada();
    if (!c)
        return;
    CFusivel_corrente_nominal dlg(this);
    dlg.m_nCorrenteNominal = c->m_nCorrenteNominal;
    dlg.m_fCorrenteRuptura = c->m_fCorrenteRuptura;
    dlg.m_fCorrenteT5s = c->m_fCorrenteT5s;
    dlg.m_fAlfa = c->m_fAlfa;
    dlg.m_bNovo = FALSE;
    dlg.m_pCorrentes = &m_correntes;
    if (dlg.DoModal() != IDOK)
        return;
    c->m_fCorrenteRuptura = dlg.m_fCorrenteRuptura;
    c->m_fCorrenteT5s = dlg.m_fCorrenteT5s;
    c->m_fAlfa = dlg.m_fAlfa;
}

void CFusivel::OnExcluir()
{
    UpdateData(TRUE);
    CFusivel_corrente* c = CorrenteSelecionada();
    if (!c)
        return;
    m_correntes.erase(m_correntes.begin() + (c - m_correntes.data()));
    m_lista.DeleteString(m_lista.GetCurSel());
    UpdateData(FALSE);
    if (m_lista.GetCount() > 0)
        m_lista.SetCurSel(0);
    OnChange();
}

void CFusivel::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    try {
        if (!devlib::SaveFuse(ProtdevLibrary(), m_bNovo, m_codigo, m_descricao, m_correntes)) {
            MessageBox(devlib::kSemCodigoLivre, kAtencao, MB_OK | MB_ICONERROR);
            return;
        }
    } catch (CDaoException& e) {
        CProtdevApp::ReportError("CFusivel::OnOK", &e);
        return;
    }
    EndDialog(IDOK);
}
