#include "Disjuntor.h"

#include "DisjuntorCorrenteNominal.h"
#include "DisjuntorCurva.h"
#include "ProtdevApp.h"
#include "ProtdevColors.h"
#include "resource.h"

#include "DaoDatabase.h"
#include "DaoException.h"
#include "SqlValue.h"

#include <cstdlib>

BEGIN_MESSAGE_MAP(CDisjuntor, CDialog)
    ON_EN_CHANGE(IDC_DESCRICAO, OnChange)
    ON_EN_CHANGE(IDC_TENSAO, OnChange)
    ON_BN_CLICKED(IDC_INCLUIR, OnIncluir)
    ON_BN_CLICKED(IDC_ALTERAR, OnAlterar)
    ON_BN_CLICKED(IDC_EXCLUIR, OnExcluir)
    ON_BN_CLICKED(IDC_PONTOS_CURVA, OnPontosCurva)
END_MESSAGE_MAP()

CDisjuntor::CDisjuntor(CWnd* pParent) : CDialog(IDD_DISJUNTOR, pParent) {}

void CDisjuntor::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DESCRICAO, m_descricaoEdit);
    DDX_Control(pDX, IDC_PONTOS_CURVA, m_pontosCurva);
    DDX_Control(pDX, IDOK, m_ok);
    DDX_Control(pDX, IDC_TENSAO, m_tensao);
    DDX_Control(pDX, IDC_CORRENTES, m_lista);
    DDX_Control(pDX, IDC_EXCLUIR, m_excluir);
    DDX_Control(pDX, IDC_ALTERAR, m_alterar);
    DDX_Text(pDX, IDC_DESCRICAO, m_descricao);
    DDV_MaxChars(pDX, m_descricao, 30);
}

int CDisjuntor::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_tensao.SetMask("####");
    if (m_bNovo) {
        m_tensao.SetValue(0);
    } else {
        try {
            CDaoDatabase& db = ProtdevLibrary();
            short tensao = 0;
            if (!devlib::LoadDevice(db, m_codigo, m_descricao, tensao))
                m_bCargaFalhou = true;  // the device is gone: nothing to confirm
            UpdateData(FALSE);
            m_tensao.SetValue(static_cast<float>(tensao));
            devlib::LoadBreakerRatings(db, m_codigo, m_correntes);
        } catch (CDaoException& e) {
            CProtdevApp::ReportError("CDisjuntor::OnInitDialog", &e);
            m_bCargaFalhou = true;
        }
        for (const CDisjuntor_corrente& c : m_correntes)
            m_lista.AddString(FormatC("%4i", static_cast<int>(c.m_nCorrenteNominal)));
        if (m_lista.GetCount() > 0)
            m_lista.SetCurSel(0);
    }
    OnChange();
    return TRUE;
}

void CDisjuntor::OnChange()
{
    if (!m_ok.IsCreated())
        return;
    UpdateData(TRUE);
    const bool descricao = DescricaoPreenchida(m_descricao);
    const bool tensao = m_tensao.GetValue() > 0;
    SetProtdevValidity(m_descricaoEdit, descricao);
    SetProtdevValidity(m_tensao, tensao);
    m_ok.EnableWindow(tensao && m_lista.GetCount() > 0 && descricao && !m_bCargaFalhou);
    const bool selecionada = m_lista.GetCurSel() != LB_ERR;
    m_excluir.EnableWindow(selecionada);
    m_alterar.EnableWindow(selecionada);
    m_pontosCurva.EnableWindow(selecionada);
    UpdateData(FALSE);
}

CDisjuntor_corrente* CDisjuntor::CorrenteSelecionada()
{
    const int sel = m_lista.GetCurSel();
    if (sel == LB_ERR)
        return nullptr;
    const int nominal = std::atoi(m_lista.GetText(sel).c_str());
    for (CDisjuntor_corrente& c : m_correntes)
        if (c.m_nCorrenteNominal == nominal)
            return &c;
    return nullptr;
}

void CDisjuntor::OnIncluir()
{
    CDisjuntor_corrente_nominal dlg(this);
    dlg.m_bNovo = TRUE;
    dlg.m_pCorrentes = &m_correntes;
    if (dlg.DoModal() != IDOK)
        return;
    CDisjuntor_corrente c;
    dlg.GetValues(c);
    m_correntes.push_back(std::move(c));
    m_lista.SetCurSel(m_lista.AddString(FormatC("%4i", dlg.m_nCorrenteNominal)));
    OnChange();
}

void CDisjuntor::OnAlterar()
{
    CDisjuntor_corrente* c = CorrenteSelecionada();
    if (!c)
        return;
    CDisjuntor_corrente_nominal dlg(this);
    dlg.SetValues(*c);
    dlg.m_bNovo = FALSE;
    dlg.m_pCorrentes = &m_correntes;
    if (dlg.DoModal() == IDOK)
        dlg.GetValues(*c);
}

void CDisjuntor::OnExcluir()
{
    UpdateData(TRUE);
    CDisjuntor_corrente* c = CorrenteSelecionada();
    if (!c)
        return;
    m_correntes.erase(m_correntes.begin() + (c - m_correntes.data()));
    m_lista.DeleteString(m_lista.GetCurSel());
    UpdateData(FALSE);
    if (m_lista.GetCount() > 0)
        m_lista.SetCurSel(0);
    OnChange();
}

void CDisjuntor::OnPontosCurva()
{
    CDisjuntor_corrente* c = CorrenteSelecionada();
    if (!c)
        return;
    CDisjuntor_curva dlg(&c->m_pontos, this);
    dlg.DoModal();
}

void CDisjuntor::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    const short tensao = static_cast<short>(m_tensao.GetValue());  // truncated, as the field shows no decimals
    try {
        if (!devlib::SaveBreaker(ProtdevLibrary(), m_bNovo, m_codigo, m_descricao, tensao, m_correntes)) {
            MessageBox(devlib::kSemCodigoLivre, kAtencao, MB_OK | MB_ICONERROR);
            return;
        }
    } catch (CDaoException& e) {
        CProtdevApp::ReportError("CDisjuntor::OnOK", &e);
        return;
    }
    EndDialog(IDOK);
}
