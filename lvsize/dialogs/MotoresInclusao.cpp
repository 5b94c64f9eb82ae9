#include "MotoresInclusao.h"

#include "DialogosComuns.h"
#include "DialogosIds.h"

using namespace lvdlg;

namespace {

ControlTemplate Numero(int id, const char* mask, int row)
{
    return MaskedEdit(id, mask, row, 1).Width(10).Style(tmpl::AlignRight);
}

const DialogTemplate kMotoresInclusao = {IDD_MOTORES_INCLUSAO, "Motor", {
    Label("&Quantidade de motores :", 0, 0), Numero(IDC_QUANTIDADE_MOTORES, "##", 0),
    Label("&Corrente nominal :", 1, 0), Numero(IDC_CORRENTE_REGIME, "####.#", 1), Label("A", 1, 2),
    Label("&Fator de potência em regime :", 2, 0), Numero(IDC_FATOR_POTENCIA_REGIME, "#.##", 2),
    Label("&Potência do motor :", 3, 0), Numero(IDC_POTENCIA_MOTOR, "###.#", 3), Label("cv", 3, 2),
    CheckBox(IDC_CONSIDERA_PARTIDA, "C&onsidera na partida :", 4, 0).Span(2),
    Label("Co&rrente na partida:", 5, 0), Numero(IDC_CORRENTE_PARTIDA, "####.#", 5), Label("A", 5, 2),
    Label("Fator de potê&ncia na partida :", 6, 0), Numero(IDC_FATOR_POTENCIA_PARTIDA, "#.##", 6),
    OkButton(), CancelButton()}};

}  // namespace

BEGIN_MESSAGE_MAP(CMotores_inclusao, CDialog)
    ON_EN_CHANGE(IDC_QUANTIDADE_MOTORES, Validar)
    ON_EN_CHANGE(IDC_CORRENTE_REGIME, Validar)
    ON_EN_CHANGE(IDC_FATOR_POTENCIA_REGIME, Validar)
    ON_EN_CHANGE(IDC_POTENCIA_MOTOR, Validar)
    ON_EN_CHANGE(IDC_CORRENTE_PARTIDA, Validar)
    ON_EN_CHANGE(IDC_FATOR_POTENCIA_PARTIDA, Validar)
    ON_BN_CLICKED(IDC_CONSIDERA_PARTIDA, OnConsideraPartida)
END_MESSAGE_MAP()

CMotores_inclusao::CMotores_inclusao(CWnd* pParent) : CDialog(kMotoresInclusao, pParent) {}

void CMotores_inclusao::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_QUANTIDADE_MOTORES, m_quantidade);
    DDX_Control(pDX, IDC_CORRENTE_REGIME, m_correnteRegime);
    DDX_Control(pDX, IDC_FATOR_POTENCIA_REGIME, m_fatorPotenciaRegime);
    DDX_Control(pDX, IDC_POTENCIA_MOTOR, m_potencia);
    DDX_Control(pDX, IDC_CONSIDERA_PARTIDA, m_consideraPartida);
    DDX_Control(pDX, IDC_CORRENTE_PARTIDA, m_correntePartida);
    DDX_Control(pDX, IDC_FATOR_POTENCIA_PARTIDA, m_fatorPotenciaPartida);
}

int CMotores_inclusao::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_quantidade.SetMask("##");
    m_correnteRegime.SetMask("####.#");
    m_fatorPotenciaRegime.SetMask("#.##");
    m_potencia.SetMask("###.#");
    m_correntePartida.SetMask("####.#");
    m_fatorPotenciaPartida.SetMask("#.##");
    m_quantidade.SetValue(static_cast<float>(m_nQuantidade));
    m_correnteRegime.SetValue(m_fCorrenteRegime);
    m_fatorPotenciaRegime.SetValue(m_fFatorPotenciaRegime);
    m_potencia.SetValue(m_fPotencia);
    m_correntePartida.SetValue(m_fCorrentePartida);
    m_fatorPotenciaPartida.SetValue(m_fFatorPotenciaPartida);
    m_consideraPartida.SetCheck(m_bConsideraPartida ? 1 : 0);
    OnConsideraPartida();
    return TRUE;
}

void CMotores_inclusao::OnConsideraPartida()
{
    const bool marcado = m_consideraPartida.GetCheck() != 0;
    m_correntePartida.EnableWindow(marcado);
    m_fatorPotenciaPartida.EnableWindow(marcado);
    Validar();
}

void CMotores_inclusao::Validar()
{
    const float correnteRegime = m_correnteRegime.GetValue();
    const float fpRegime = m_fatorPotenciaRegime.GetValue();
    const bool quantidadeOk = m_quantidade.GetValue() > 0;
    const bool correnteOk = correnteRegime > 0;
    const bool fpOk = fpRegime > 0 && fpRegime <= 1;
    bool partidaOk = true;
    bool fpPartidaOk = true;
    if (m_consideraPartida.GetCheck() != 0) {
        const float fpPartida = m_fatorPotenciaPartida.GetValue();
        partidaOk = m_correntePartida.GetValue() >= correnteRegime;
        fpPartidaOk = fpPartida > 0 && fpPartida <= 1;
    }
    Colorir(m_quantidade, quantidadeOk);
    Colorir(m_correnteRegime, correnteOk);
    Colorir(m_fatorPotenciaRegime, fpOk);
    Colorir(m_correntePartida, partidaOk);
    Colorir(m_fatorPotenciaPartida, fpPartidaOk);
    GetDlgItem(IDOK)->EnableWindow(quantidadeOk && correnteOk && fpOk && partidaOk && fpPartidaOk);
}

void CMotores_inclusao::OnOK()
{
    m_nQuantidade = static_cast<int>(m_quantidade.GetValue());
    m_fCorrenteRegime = m_correnteRegime.GetValue();
    m_fFatorPotenciaRegime = m_fatorPotenciaRegime.GetValue();
    m_fPotencia = m_potencia.GetValue();
    m_bConsideraPartida = m_consideraPartida.GetCheck() != 0;
    m_fCorrentePartida = m_bConsideraPartida ? m_correntePartida.GetValue() : 0.0f;
    m_fFatorPotenciaPartida = m_bConsideraPartida ? m_fatorPotenciaPartida.GetValue() : 0.0f;
    EndDialog(IDOK);
}
