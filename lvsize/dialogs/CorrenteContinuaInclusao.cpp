#include "CorrenteContinuaInclusao.h"

#include "DialogosComuns.h"
#include "DialogosIds.h"

using namespace lvdlg;

namespace {

const DialogTemplate kCorrenteContinuaInclusao = {IDD_CORRENTE_CONTINUA_INCLUSAO, "Dados da carga - corrente contínua", {
    Label("&Quantidade de cargas:", 0, 0), MaskedEdit(IDC_QUANTIDADE_CARGAS, "###", 0, 1).Width(10).Style(tmpl::AlignRight),
    Label("Potência a&tiva unitária:", 1, 0), MaskedEdit(IDC_POTENCIA_ATIVA, "######.#", 1, 1).Width(10).Style(tmpl::AlignRight),
    Label("W", 1, 2),
    Label("&Fator de demanda:", 2, 0),     MaskedEdit(IDC_FATOR_DEMANDA, "#.##", 2, 1).Width(10).Style(tmpl::AlignRight),
    Label("Demanda total:", 3, 0),
    MaskedEdit(IDC_DEMANDA_TOTAL, "######.#", 3, 1).Width(10).Style(tmpl::AlignRight).DisabledAtStart(),
    Label("VA", 3, 2),
    OkButton(), CancelButton()}};

}  // namespace

BEGIN_MESSAGE_MAP(CCorrente_continua_inclusao, CDialog)
    ON_EN_CHANGE(IDC_QUANTIDADE_CARGAS, Validar)
    ON_EN_CHANGE(IDC_POTENCIA_ATIVA, Validar)
    ON_EN_CHANGE(IDC_FATOR_DEMANDA, Validar)
END_MESSAGE_MAP()

CCorrente_continua_inclusao::CCorrente_continua_inclusao(CWnd* pParent) : CDialog(kCorrenteContinuaInclusao, pParent) {}

void CCorrente_continua_inclusao::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_QUANTIDADE_CARGAS, m_quantidade);
    DDX_Control(pDX, IDC_POTENCIA_ATIVA, m_potencia);
    DDX_Control(pDX, IDC_FATOR_DEMANDA, m_fatorDemanda);
    DDX_Control(pDX, IDC_DEMANDA_TOTAL, m_demandaTotal);
}

int CCorrente_continua_inclusao::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_quantidade.SetMask("###");
    m_potencia.SetMask("######.#");
    m_fatorDemanda.SetMask("#.##");
    m_demandaTotal.SetMask("######.#");
    m_fatorDemanda.SetValue(m_fFatorDemanda);
    m_quantidade.SetValue(static_cast<float>(m_nQuantidade));
    m_potencia.SetValue(m_fPotenciaAtiva);
    Validar();
    return TRUE;
}

void CCorrente_continua_inclusao::Validar()
{
    const float quantidade = m_quantidade.GetValue();
    const float potencia = m_potencia.GetValue();
    const float fd = m_fatorDemanda.GetValue();
    const bool quantidadeOk = quantidade > 0;
    const bool potenciaOk = potencia > 0;
    const bool fdOk = fd > 0;
    Colorir(m_quantidade, quantidadeOk);
    Colorir(m_potencia, potenciaOk);
    Colorir(m_fatorDemanda, fdOk);
    const bool ok = quantidadeOk && potenciaOk && fdOk;
    if (ok)
        m_demandaTotal.SetValue(quantidade * potencia * fd);
    GetDlgItem(IDOK)->EnableWindow(ok);
}

void CCorrente_continua_inclusao::OnOK()
{
    m_fFatorDemanda = m_fatorDemanda.GetValue();
    m_fDemandaTotal = m_demandaTotal.GetValue();
    m_nQuantidade = static_cast<int>(m_quantidade.GetValue());
    m_fPotenciaAtiva = m_potencia.GetValue();
    EndDialog(IDOK);
}
