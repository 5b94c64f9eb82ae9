#include "CargaInclusao.h"

#include "DialogosComuns.h"
#include "DialogosIds.h"

using namespace lvdlg;

namespace {

const DialogTemplate kCargaInclusao = {IDD_CARGA_INCLUSAO, "Dados da carga", {
    Label("&Quantidade de cargas:", 0, 0), MaskedEdit(IDC_QUANTIDADE_CARGAS, "###", 0, 1).Width(10).Style(tmpl::AlignRight),
    Label("F&ator de potência:", 1, 0),    MaskedEdit(IDC_FATOR_POTENCIA, "#.##", 1, 1).Width(10).Style(tmpl::AlignRight),
    Label("Potência a&tiva unitária:", 2, 0), MaskedEdit(IDC_POTENCIA_ATIVA, "######.#", 2, 1).Width(10).Style(tmpl::AlignRight),
    Label("W", 2, 2),
    Label("&Fator de demanda:", 3, 0),     MaskedEdit(IDC_FATOR_DEMANDA, "#.##", 3, 1).Width(10).Style(tmpl::AlignRight),
    Label("Demanda total:", 4, 0),
    MaskedEdit(IDC_DEMANDA_TOTAL, "######.#", 4, 1).Width(10).Style(tmpl::AlignRight).DisabledAtStart(),
    Label("VA", 4, 2),
    OkButton(), CancelButton()}};

}  // namespace

BEGIN_MESSAGE_MAP(CCarga_inclusao, CDialog)
    ON_EN_CHANGE(IDC_QUANTIDADE_CARGAS, Validar)
    ON_EN_CHANGE(IDC_FATOR_POTENCIA, Validar)
    ON_EN_CHANGE(IDC_POTENCIA_ATIVA, Validar)
    ON_EN_CHANGE(IDC_FATOR_DEMANDA, Validar)
END_MESSAGE_MAP()

CCarga_inclusao::CCarga_inclusao(CWnd* pParent) : CDialog(kCargaInclusao, pParent) {}

void CCarga_inclusao::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_QUANTIDADE_CARGAS, m_quantidade);
    DDX_Control(pDX, IDC_FATOR_POTENCIA, m_fatorPotencia);
    DDX_Control(pDX, IDC_POTENCIA_ATIVA, m_potencia);
    DDX_Control(pDX, IDC_FATOR_DEMANDA, m_fatorDemanda);
    DDX_Control(pDX, IDC_DEMANDA_TOTAL, m_demandaTotal);
}

int CCarga_inclusao::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_quantidade.SetMask("###");
    m_fatorPotencia.SetMask("#.##");
    m_potencia.SetMask("######.#");
    m_fatorDemanda.SetMask("#.##");
    m_demandaTotal.SetMask("######.#");
    m_fatorDemanda.SetValue(m_fFatorDemanda);
    m_fatorPotencia.SetValue(m_fFatorPotencia);
    m_quantidade.SetValue(static_cast<float>(m_nQuantidade));
    m_potencia.SetValue(m_fPotenciaAtiva);
    Validar();
    return TRUE;
}

void CCarga_inclusao::Validar()
{
    const float potencia = m_potencia.GetValue();
    const float fp = m_fatorPotencia.GetValue();
    const float quantidade = m_quantidade.GetValue();
    const float fd = m_fatorDemanda.GetValue();
    const bool potenciaOk = potencia > 0;
    const bool fpOk = fp > 0 && fp <= 1;
    const bool quantidadeOk = quantidade > 0;
    const bool fdOk = fd > 0;
    Colorir(m_potencia, potenciaOk);
    Colorir(m_fatorPotencia, fpOk);
    Colorir(m_quantidade, quantidadeOk);
    Colorir(m_fatorDemanda, fdOk);
    const bool ok = potenciaOk && fpOk && quantidadeOk && fdOk;
    if (ok)
        m_demandaTotal.SetValue(quantidade * potencia * fd / fp);
    GetDlgItem(IDOK)->EnableWindow(ok);
}

void CCarga_inclusao::OnOK()
{
    m_fFatorDemanda = m_fatorDemanda.GetValue();
    m_fFatorPotencia = m_fatorPotencia.GetValue();
    m_fDemandaTotal = m_demandaTotal.GetValue();
    m_nQuantidade = static_cast<int>(m_quantidade.GetValue());
    m_fPotenciaAtiva = m_potencia.GetValue();
    EndDialog(IDOK);
}
