#include "DisjuntorCurvaInclusao.h"

#include "ProtdevColors.h"
#include "resource.h"

BEGIN_MESSAGE_MAP(CDisjuntor_curva_inclusao, CDialog)
    ON_EN_CHANGE(IDC_CURVA_CORRENTE, OnChange)
    ON_EN_CHANGE(IDC_CURVA_I2T, OnChange)
END_MESSAGE_MAP()

CDisjuntor_curva_inclusao::CDisjuntor_curva_inclusao(CWnd* pParent) : CDialog(IDD_DISJUNTOR_CURVA_INCLUSAO, pParent) {}

void CDisjuntor_curva_inclusao::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDOK, m_ok);
    DDX_Control(pDX, IDC_CURVA_I2T, m_i2t);
    DDX_Control(pDX, IDC_CURVA_CORRENTE, m_corrente);
}

int CDisjuntor_curva_inclusao::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_corrente.SetMask("######");
    m_i2t.SetMask("#########");
    m_corrente.SetValue(m_fCorrente);
    m_i2t.SetValue(m_fI2t);
    m_corrente.EnableWindow(m_bNovo);
    OnChange();
    return TRUE;
}

void CDisjuntor_curva_inclusao::OnChange()
{
    if (!m_ok.IsCreated())
        return;
    UpdateData(TRUE);
    const bool corrente = m_corrente.GetValue() > 0;
    const bool i2t = m_i2t.GetValue() > 0;
    SetProtdevValidity(m_corrente, corrente);
    SetProtdevValidity(m_i2t, i2t);
    m_ok.EnableWindow(corrente && i2t);
    UpdateData(FALSE);
}

void CDisjuntor_curva_inclusao::OnOK()
{
    UpdateData(TRUE);
    m_fCorrente = m_corrente.GetValue();
    m_fI2t = m_i2t.GetValue();
    if (m_bNovo) {
        for (const CDisjuntor_pontos_curva& p : m_pontos) {
            if (p.m_fCorrente == m_fCorrente) {
                MessageBox(kCorrenteJaCadastrada, kAtencao, MB_OK | MB_ICONERROR);
                m_fCorrente = 0;
                break;
            }
        }
    }
    if (m_fCorrente > 0)
        EndDialog(IDOK);
}
