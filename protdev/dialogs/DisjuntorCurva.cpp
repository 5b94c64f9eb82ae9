#include "DisjuntorCurva.h"

#include "DisjuntorCurvaInclusao.h"
#include "SqlValue.h"
#include "resource.h"

BEGIN_MESSAGE_MAP(CDisjuntor_curva, CDialog)
    ON_BN_CLICKED(IDC_INCLUIR, OnIncluir)
    ON_BN_CLICKED(IDC_ALTERAR, OnAlterar)
    ON_BN_CLICKED(IDC_EXCLUIR, OnExcluir)
END_MESSAGE_MAP()

CDisjuntor_curva::CDisjuntor_curva(std::vector<CDisjuntor_pontos_curva>* pPontos, CWnd* pParent)
    : CDialog(IDD_DISJUNTOR_CURVA, pParent), m_pPontos(pPontos)
{
}

std::string CDisjuntor_curva::Linha(const CDisjuntor_pontos_curva& p)
{
    return FormatC("%5.0f / %8.1f", static_cast<double>(p.m_fCorrente), static_cast<double>(p.m_fI2t));
}

void CDisjuntor_curva::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ALTERAR, m_alterar);
    DDX_Control(pDX, IDC_PONTOS, m_lista);
    DDX_Control(pDX, IDC_EXCLUIR, m_excluir);
}

int CDisjuntor_curva::InserirLinha(const CDisjuntor_pontos_curva& p)
{
    int index = 0;
    while (index < static_cast<int>(m_linhas.size()) && m_linhas[static_cast<size_t>(index)].m_fCorrente <= p.m_fCorrente)
        ++index;
    m_linhas.insert(m_linhas.begin() + index, p);
    return m_lista.InsertString(index, Linha(p));
}

void CDisjuntor_curva::RemoverLinha(int index)
{
    m_linhas.erase(m_linhas.begin() + index);
    m_lista.DeleteString(index);
}

int CDisjuntor_curva::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_lista.ResetContent();
    m_linhas.clear();
    if (m_pPontos)
        for (const CDisjuntor_pontos_curva& p : *m_pPontos)
            InserirLinha(p);
    if (m_lista.GetCount() > 0)
        m_lista.SetCurSel(0);
    AtualizarBotoes();
    return TRUE;
}

void CDisjuntor_curva::AtualizarBotoes()
{
    const bool selecionada = m_lista.GetCurSel() != LB_ERR;
    m_excluir.EnableWindow(selecionada);
    m_alterar.EnableWindow(selecionada);
}

void CDisjuntor_curva::OnIncluir()
{
    CDisjuntor_curva_inclusao dlg(this);
    dlg.m_pontos = m_linhas;
    dlg.m_bNovo = TRUE;
    if (dlg.DoModal() != IDOK)
        return;
    m_lista.SetCurSel(InserirLinha({dlg.m_fCorrente, dlg.m_fI2t}));
    AtualizarBotoes();
}

void CDisjuntor_curva::OnAlterar()
{
    const int sel = m_lista.GetCurSel();
    if (sel == LB_ERR)
        return;
    CDisjuntor_curva_inclusao dlg(this);
    dlg.m_fCorrente = m_linhas[static_cast<size_t>(sel)].m_fCorrente;
    dlg.m_fI2t = m_linhas[static_cast<size_t>(sel)].m_fI2t;
    dlg.m_bNovo = FALSE;
    if (dlg.DoModal() != IDOK)
        return;
    RemoverLinha(sel);
    m_lista.SetCurSel(InserirLinha({dlg.m_fCorrente, dlg.m_fI2t}));
    AtualizarBotoes();
}

void CDisjuntor_curva::OnExcluir()
{
    const int sel = m_lista.GetCurSel();
    if (sel == LB_ERR)
        return;
    RemoverLinha(sel);
    if (m_lista.GetCount() > 0)
        m_lista.SetCurSel(0);
    AtualizarBotoes();
}

void CDisjuntor_curva::OnOK()
{
    if (m_pPontos)
        *m_pPontos = m_linhas;
    EndDialog(IDOK);
}
