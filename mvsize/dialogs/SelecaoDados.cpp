#include "SelecaoDados.h"

#include "DialogosComuns.h"
#include "DialogosIds.h"

#include "DaoException.h"
#include "DaoRecordsetManual.h"
#include "ErrorReporter.h"
#include "SqlValue.h"

using namespace mvdlg;

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

BEGIN_MESSAGE_MAP(CSelecao_dados, CDialog)
    ON_LBN_SELCHANGE(IDC_SELECAO_LISTA, OnSelchangeLista)
END_MESSAGE_MAP()

CSelecao_dados::CSelecao_dados(CWnd* pParent) : CDialog(SelecaoDadosTemplate(), pParent) {}

void CSelecao_dados::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SELECAO_LISTA, m_lista);
    DDX_Text(pDX, IDC_SELECAO_PERGUNTA, m_strPergunta);
}

int CSelecao_dados::OnInitDialog()
{
    CDialog::OnInitDialog();
    UpdateData(TRUE);
    try {
        CDaoRecordsetManual rs(&Referencia(), dbOpenSnapshot,
                               FormatC("SELECT tabela_selecao_descricao FROM tabela_selecao WHERE "
                                       "tabela_selecao_codigo=%i ORDER BY tabela_selecao_sequencial",
                                       static_cast<int>(m_nTabelaSelecaoCodigo))
                                   .c_str());
        bool primeira = true;
        for (; !rs.IsEOF(); rs.MoveNext()) {
            std::string descricao;
            rs.GetFieldString("tabela_selecao_descricao", descricao);
            if (primeira)
                m_strPergunta = descricao;
            else
                m_lista.AddString(descricao);
            primeira = false;
        }
    } catch (CDaoException& e) {
        ReportError("CSelecao_dados::OnInitDialog", &e);
    }
    m_lista.SetCurSel(m_lista.GetCount() > 0 ? 0 : -1);
    UpdateData(FALSE);
    OnSelchangeLista();
    return TRUE;
}

void CSelecao_dados::OnSelchangeLista()
{
    if (CWnd* ok = GetDlgItem(IDOK))
        ok->EnableWindow(m_lista.GetCurSel() != LB_ERR);
}

void CSelecao_dados::OnOK()
{
    UpdateData(TRUE);
    const int sel = m_lista.GetCurSel();
    if (sel == LB_ERR)
        return;  // no answer to give: the dialog stays until a line is chosen or it is cancelled
    m_nLinhaEscolhida = static_cast<BYTE>(sel + 1);
    EndDialog(IDOK);
}
