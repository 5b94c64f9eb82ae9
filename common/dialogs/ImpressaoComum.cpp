#include "ImpressaoComum.h"

#include "DialogosBase.h"
#include "DialogosComunsIds.h"

namespace zeldlg {

using namespace ids;

namespace {

const DialogTemplate kImpressao = {IDD_IMPRESSAO, "Impressão", {
    Label("&Número de cópias:", 0, 0), MaskedEdit(IDC_NUMERO_COPIAS, "###", 0, 1).Width(6).Style(tmpl::AlignRight),
    GroupBox(IDC_GRUPO_PAGINAS, "Páginas", 1, 0).Span(3),
    RadioButton(IDC_TODAS, "&Todas", 0, 0).In(IDC_GRUPO_PAGINAS).GroupStart(),
    RadioButton(IDC_DE, "&De ", 1, 0).In(IDC_GRUPO_PAGINAS),
    MaskedEdit(IDC_PAGINA_INICIAL, "###", 1, 1).In(IDC_GRUPO_PAGINAS).Width(6).Style(tmpl::AlignRight),
    Label("&até", 1, 2).In(IDC_GRUPO_PAGINAS),
    MaskedEdit(IDC_PAGINA_FINAL, "###", 1, 3).In(IDC_GRUPO_PAGINAS).Width(6).Style(tmpl::AlignRight),
    OkButton(), CancelButton()}};

}  // namespace

BEGIN_MESSAGE_MAP(CImpressaoComum, CDialog)
    ON_BN_CLICKED(IDC_TODAS, OnTodas)
    ON_BN_CLICKED(IDC_DE, OnDe)
    ON_EN_CHANGE(IDC_NUMERO_COPIAS, Validar)
    ON_EN_CHANGE(IDC_PAGINA_INICIAL, Validar)
    ON_EN_CHANGE(IDC_PAGINA_FINAL, Validar)
END_MESSAGE_MAP()

CImpressaoComum::CImpressaoComum(COLORREF fundoInvalido, CWnd* pParent)
    : CDialog(kImpressao, pParent), m_fundoInvalido(fundoInvalido)
{
}

void CImpressaoComum::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_NUMERO_COPIAS, m_copias);
    DDX_Control(pDX, IDC_PAGINA_INICIAL, m_paginaInicial);
    DDX_Control(pDX, IDC_PAGINA_FINAL, m_paginaFinal);
    DDX_Control(pDX, IDOK, m_ok);
    DDX_Radio(pDX, IDC_TODAS, m_nIntervalo);
}

int CImpressaoComum::OnInitDialog()
{
    m_nIntervalo = 0;
    CDialog::OnInitDialog();
    m_copias.SetMask("###");
    m_paginaInicial.SetMask("###");
    m_paginaFinal.SetMask("###");
    m_copias.SetWindowText("1");  // one copy unless the user asks for more
    OnTodas();
    return TRUE;
}

void CImpressaoComum::OnTodas()
{
    m_nIntervalo = 0;
    m_paginaInicial.EnableWindow(FALSE);
    m_paginaFinal.EnableWindow(FALSE);
    Validar();
}

void CImpressaoComum::OnDe()
{
    m_nIntervalo = 1;
    m_paginaInicial.EnableWindow(TRUE);
    m_paginaFinal.EnableWindow(TRUE);
    Validar();
}

void CImpressaoComum::Validar()
{
    const bool copiasOk = m_copias.GetValue() > 0;
    Colorir(m_copias, copiasOk, m_fundoInvalido);
    bool paginasOk = true;
    if (m_nIntervalo == 1) {
        const float inicial = m_paginaInicial.GetValue();
        const float final = m_paginaFinal.GetValue();
        const bool inicialOk = inicial > 0;
        const bool finalOk = final > 0 && (!inicialOk || inicial <= final);
        Colorir(m_paginaInicial, inicialOk, m_fundoInvalido);
        Colorir(m_paginaFinal, finalOk, m_fundoInvalido);
        paginasOk = inicialOk && finalOk;
    } else {
        Colorir(m_paginaInicial, true, m_fundoInvalido);
        Colorir(m_paginaFinal, true, m_fundoInvalido);
    }
    m_ok.EnableWindow(copiasOk && paginasOk);
}

void CImpressaoComum::OnOK()
{
    m_nCopias = static_cast<short>(m_copias.GetValue());
    m_nPaginaInicial = static_cast<short>(m_paginaInicial.GetValue());
    m_nPaginaFinal = static_cast<short>(m_paginaFinal.GetValue());
    EndDialog(IDOK);
}

}  // namespace zeldlg
