#include "SelecaoDadosComum.h"

#include "DaoException.h"
#include "DaoRecordsetManual.h"
#include "DialogosBase.h"
#include "ErrorReporter.h"
#include "SqlValue.h"

namespace zeldlg {

using namespace ids;

namespace {

DialogTemplate MakeSelecaoDados()
{
    DialogTemplate t{IDD_SELECAO_DADOS, "Seleção de dados", {}};
    t.width = 338;
    t.height = 167;
    auto& c = t.controls;
    c.push_back(Label("", 0, 0, IDC_SELECAO_PERGUNTA));
    c.push_back(ListBox(IDC_SELECAO_LISTA, 1, 0).Width(70).Height(8).Style(tmpl::Expand));
    c.push_back(OkButton());
    c.push_back(CancelButton());
    return t;
}

const DialogTemplate& SelecaoDadosTemplate()
{
    static const DialogTemplate t = MakeSelecaoDados();
    return t;
}

}  // namespace

BEGIN_MESSAGE_MAP(CSelecaoDadosComum, CDialog)
    ON_LBN_SELCHANGE(IDC_SELECAO_LISTA, OnSelchangeLista)
END_MESSAGE_MAP()

CSelecaoDadosComum::CSelecaoDadosComum(const char* coluna, CWnd* pParent)
    : CDialog(SelecaoDadosTemplate(), pParent), m_coluna(coluna)
{
}

void CSelecaoDadosComum::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SELECAO_LISTA, m_lista);
    DDX_Text(pDX, IDC_SELECAO_PERGUNTA, m_strPergunta);
}

int CSelecaoDadosComum::OnInitDialog()
{
    CDialog::OnInitDialog();
    UpdateData(TRUE);
    try {
        CDaoRecordsetManual rs(&Referencia(), dbOpenSnapshot,
                               FormatC("SELECT %s FROM tabela_selecao WHERE tabela_selecao_codigo=%i ORDER BY "
                                       "tabela_selecao_sequencial",
                                       m_coluna, static_cast<int>(m_nTabelaSelecaoCodigo))
                                   .c_str());
        bool primeira = true;
        for (; !rs.IsEOF(); rs.MoveNext()) {
            std::string texto;
            rs.GetFieldString(m_coluna, texto);
            if (primeira)
                m_strPergunta = texto;
            else
                m_lista.AddString(texto);
            primeira = false;
        }
    } catch (CDaoException& e) {
        ReportError("CSelecao_dados::OnInitDialog", &e);
    }
    m_lista.SetCurSel(LinhaInicial());
    UpdateData(FALSE);
    OnSelchangeLista();
    return TRUE;
}

void CSelecaoDadosComum::OnSelchangeLista()
{
    if (CWnd* ok = GetDlgItem(IDOK))
        ok->EnableWindow(m_lista.GetCurSel() != LB_ERR);
}

void CSelecaoDadosComum::OnOK()
{
    UpdateData(TRUE);
    const int sel = m_lista.GetCurSel();
    if (sel == LB_ERR)
        return;  // no answer to give: the dialog stays until a line is chosen or it is cancelled
    m_nLinhaEscolhida = static_cast<BYTE>(sel + 1);
    EndDialog(IDOK);
}

}  // namespace zeldlg
