#include "FusivelCorrenteNominal.h"

#include "ProtdevColors.h"
#include "resource.h"

BEGIN_MESSAGE_MAP(CFusivel_corrente_nominal, CDialog)
    ON_EN_CHANGE(IDC_CORRENTE_NOMINAL, OnChange)
    ON_EN_CHANGE(IDC_CORRENTE_RUPTURA, OnChange)
    ON_EN_CHANGE(IDC_CORRENTE_T5S, OnChange)
    ON_EN_CHANGE(IDC_ALFA, OnChange)
END_MESSAGE_MAP()

CFusivel_corrente_nominal::CFusivel_corrente_nominal(CWnd* pParent) : CDialog(IDD_FUSIVEL_CORRENTE_NOMINAL, pParent) {}

void CFusivel_corrente_nominal::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDOK, m_ok);
    DDX_Control(pDX, IDC_CORRENTE_T5S, m_correnteT5s);
    DDX_Control(pDX, IDC_CORRENTE_RUPTURA, m_correnteRuptura);
    DDX_Control(pDX, IDC_CORRENTE_NOMINAL, m_correnteNominal);
    DDX_Control(pDX, IDC_ALFA, m_alfa);
}

int CFusivel_corrente_nominal::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_correnteNominal.SetMask("####");
    m_correnteRuptura.SetMask("#######");
    m_correnteT5s.SetMask("#####");
    m_alfa.SetMask("#.###");
    m_correnteNominal.SetValue(static_cast<float>(m_nCorrenteNominal));
    m_correnteRuptura.SetValue(m_fCorrenteRuptura);
    m_correnteT5s.SetValue(m_fCorrenteT5s);
    m_alfa.SetValue(m_fAlfa);
    m_correnteNominal.EnableWindow(m_bNovo);
    UpdateData(FALSE);
    OnChange();
    return TRUE;
}

void CFusivel_corrente_nominal::OnChange()
{
    if (!m_ok.IsCreated())
        return;
    UpdateData(TRUE);
    bool ok = true;
    for (CEditColor* e : {&m_correnteNominal, &m_correnteRuptura, &m_correnteT5s, &m_alfa}) {
        const bool valid = e->GetValue() > 0;
        SetProtdevValidity(*e, valid);
        ok = ok && valid;
    }
    m_ok.EnableWindow(ok);
    UpdateData(FALSE);
}

void CFusivel_corrente_nominal::OnOK()
{
    UpdateData(TRUE);
    m_nCorrenteNominal = static_cast<int>(m_correnteNominal.GetValue());
    m_fCorrenteT5s = m_correnteT5s.GetValue();
    m_fCorrenteRuptura = m_correnteRuptura.GetValue();
    m_fAlfa = m_alfa.GetValue();
    if (m_bNovo && m_pCorrentes) {
        for (const CFusivel_corrente& c : *m_pCorrentes) {
            if (c.m_nCorrenteNominal == m_nCorrenteNominal) {
                MessageBox(kCorrenteJaCadastrada, kAtencao, MB_OK | MB_ICONERROR);
                m_nCorrenteNominal = 0;
                break;
            }
        }
    }
    if (m_nCorrenteNominal > 0)
        EndDialog(IDOK);
}
