#include "DisjuntorCorrenteNominal.h"

#include "ProtdevColors.h"
#include "resource.h"

namespace {

constexpr int kMagneticIds[7] = {IDC_I2T_CORRENTE_MINIMA,  IDC_LIMIAR_MAGNETICO,      IDC_I2T_TERMICO_LIMIAR,
                                 IDC_I2T_MAGNETICO_LIMIAR, IDC_CORRENTE_CAPACIDADE,   IDC_I2T_CORRENTE_CAPACIDADE,
                                 IDC_CORRENTE_MINIMA_MAGNETICA};

}  // namespace

BEGIN_MESSAGE_MAP(CDisjuntor_corrente_nominal, CDialog)
    ON_EN_CHANGE(IDC_CORRENTE_NOMINAL, OnChange)
    ON_EN_CHANGE(IDC_CORRENTE_T5S, OnChange)
    ON_EN_CHANGE(IDC_CORRENTE_RUPTURA, OnChange)
    ON_EN_CHANGE(IDC_ALFA, OnChange)
    ON_EN_CHANGE(IDC_CORRENTE_MINIMA_ATUACAO, OnChange)
    ON_EN_CHANGE(IDC_I2T_CORRENTE_MINIMA, OnChange)
    ON_EN_CHANGE(IDC_LIMIAR_MAGNETICO, OnChange)
    ON_EN_CHANGE(IDC_I2T_TERMICO_LIMIAR, OnChange)
    ON_EN_CHANGE(IDC_I2T_MAGNETICO_LIMIAR, OnChange)
    ON_EN_CHANGE(IDC_CORRENTE_CAPACIDADE, OnChange)
    ON_EN_CHANGE(IDC_I2T_CORRENTE_CAPACIDADE, OnChange)
    ON_EN_CHANGE(IDC_CORRENTE_MINIMA_MAGNETICA, OnChange)
END_MESSAGE_MAP()

CDisjuntor_corrente_nominal::CDisjuntor_corrente_nominal(CWnd* pParent)
    : CDialog(IDD_DISJUNTOR_CORRENTE_NOMINAL, pParent)
{
}

void CDisjuntor_corrente_nominal::SetValues(const CDisjuntor_corrente& c)
{
    m_nCorrenteNominal = c.m_nCorrenteNominal;
    m_fCorrenteT5s = c.m_fCorrenteT5s;
    m_fCorrenteRuptura = c.m_fCorrenteRuptura;
    m_fAlfa = c.m_fAlfa;
    m_fCorrenteMinimaAtuacao = c.m_fCorrenteMinimaAtuacao;
    m_fI2tCorrenteMinimaAtuacao = c.m_fI2tCorrenteMinimaAtuacao;
    m_fLimiarAtuacaoMagnetica = c.m_fLimiarAtuacaoMagnetica;
    m_fI2tTermicoLimiarMagnetico = c.m_fI2tTermicoLimiarMagnetico;
    m_fI2tMagneticoLimiarMagnetico = c.m_fI2tMagneticoLimiarMagnetico;
    m_fCorrenteCapacidade = c.m_fCorrenteCapacidade;
    m_fI2tCorrenteCapacidade = c.m_fI2tCorrenteCapacidade;
    m_fCorrenteMinimaAtuacaoMagnetica = c.m_fCorrenteMinimaAtuacaoMagnetica;
}

void CDisjuntor_corrente_nominal::GetValues(CDisjuntor_corrente& c) const
{
    c.m_nCorrenteNominal = static_cast<short>(m_nCorrenteNominal);
    c.m_fCorrenteT5s = m_fCorrenteT5s;
    c.m_fCorrenteRuptura = m_fCorrenteRuptura;
    c.m_fAlfa = m_fAlfa;
    c.m_fCorrenteMinimaAtuacao = m_fCorrenteMinimaAtuacao;
    c.m_fI2tCorrenteMinimaAtuacao = m_fI2tCorrenteMinimaAtuacao;
    c.m_fLimiarAtuacaoMagnetica = m_fLimiarAtuacaoMagnetica;
    c.m_fI2tTermicoLimiarMagnetico = m_fI2tTermicoLimiarMagnetico;
    c.m_fI2tMagneticoLimiarMagnetico = m_fI2tMagneticoLimiarMagnetico;
    c.m_fCorrenteCapacidade = m_fCorrenteCapacidade;
    c.m_fI2tCorrenteCapacidade = m_fI2tCorrenteCapacidade;
    c.m_fCorrenteMinimaAtuacaoMagnetica = m_fCorrenteMinimaAtuacaoMagnetica;
}

void CDisjuntor_corrente_nominal::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CORRENTE_NOMINAL, m_correnteNominal);
    DDX_Control(pDX, IDC_CORRENTE_T5S, m_correnteT5s);
    DDX_Control(pDX, IDC_CORRENTE_RUPTURA, m_correnteRuptura);
    DDX_Control(pDX, IDC_ALFA, m_alfa);
    DDX_Control(pDX, IDC_CORRENTE_MINIMA_ATUACAO, m_correnteMinimaAtuacao);
    for (int i = 0; i < 7; ++i)
        DDX_Control(pDX, kMagneticIds[i], m_magneticos[i]);
    DDX_Control(pDX, IDOK, m_ok);
}

int CDisjuntor_corrente_nominal::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_correnteNominal.SetMask("####");
    m_correnteT5s.SetMask("#####");
    m_correnteRuptura.SetMask("#######");
    m_alfa.SetMask("#.###");
    m_correnteMinimaAtuacao.SetMask("#########");
    for (CEditColor& e : m_magneticos)
        e.SetMask("#######.#");

    m_correnteNominal.SetValue(static_cast<float>(m_nCorrenteNominal));
    m_correnteT5s.SetValue(m_fCorrenteT5s);
    m_correnteRuptura.SetValue(m_fCorrenteRuptura);
    m_alfa.SetValue(m_fAlfa);
    m_correnteMinimaAtuacao.SetValue(m_fCorrenteMinimaAtuacao);
    const float magneticos[7] = {m_fI2tCorrenteMinimaAtuacao,    m_fLimiarAtuacaoMagnetica,
                                 m_fI2tTermicoLimiarMagnetico,   m_fI2tMagneticoLimiarMagnetico,
                                 m_fCorrenteCapacidade,          m_fI2tCorrenteCapacidade,
                                 m_fCorrenteMinimaAtuacaoMagnetica};
    for (int i = 0; i < 7; ++i)
        m_magneticos[i].SetValue(magneticos[i]);
    m_correnteNominal.EnableWindow(m_bNovo);
    UpdateData(FALSE);
    OnChange();
    return TRUE;
}

void CDisjuntor_corrente_nominal::OnChange()
{
    if (!m_ok.IsCreated())
        return;  // a value set before the controls were attached
    const bool magnetico = m_correnteMinimaAtuacao.GetValue() > 0;
    bool ok = true;
    for (CEditColor* e : {&m_correnteNominal, &m_correnteT5s, &m_correnteRuptura, &m_alfa}) {
        const bool valid = e->GetValue() > 0;
        SetProtdevValidity(*e, valid);
        ok = ok && valid;
    }
    SetProtdevValidity(m_correnteMinimaAtuacao, m_correnteMinimaAtuacao.GetValue() >= 0);
    for (CEditColor& e : m_magneticos) {
        const bool above = e.GetValue() > 0;
        SetProtdevValidity(e, above || !magnetico);
        e.EnableWindow(magnetico);
        if (magnetico)
            ok = ok && above;
    }
    m_ok.EnableWindow(ok);
}

void CDisjuntor_corrente_nominal::OnOK()
{
    UpdateData(TRUE);
    m_nCorrenteNominal = static_cast<int>(m_correnteNominal.GetValue());
    m_fCorrenteT5s = m_correnteT5s.GetValue();
    m_fCorrenteRuptura = m_correnteRuptura.GetValue();
    m_fAlfa = m_alfa.GetValue();
    m_fCorrenteMinimaAtuacao = m_correnteMinimaAtuacao.GetValue();
    float* magneticos[7] = {&m_fI2tCorrenteMinimaAtuacao,    &m_fLimiarAtuacaoMagnetica,
                            &m_fI2tTermicoLimiarMagnetico,   &m_fI2tMagneticoLimiarMagnetico,
                            &m_fCorrenteCapacidade,          &m_fI2tCorrenteCapacidade,
                            &m_fCorrenteMinimaAtuacaoMagnetica};
    // Without a minimum operating current the breaker has no magnetic data, whatever the fields show.
    for (int i = 0; i < 7; ++i)
        *magneticos[i] = m_fCorrenteMinimaAtuacao > 0 ? m_magneticos[i].GetValue() : 0.0f;

    if (m_bNovo && m_pCorrentes) {
        for (const CDisjuntor_corrente& c : *m_pCorrentes) {
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
