#include "SelecaoDados.h"

#include "CaracteristicasIds.h"
#include "CaracteristicasTemplate.h"

#include "AppContext.h"
#include "DaoException.h"
#include "DaoRecordsetManual.h"
#include "ErrorReporter.h"
#include "SqlValue.h"

using namespace car;

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
        CDaoRecordsetManual rs(AppContext().m_pReferenceDb, dbOpenSnapshot,
                               FormatC("SELECT tabela_selecao_item FROM tabela_selecao WHERE tabela_selecao_codigo=%i "
                                       "ORDER BY tabela_selecao_sequencial",
                                       static_cast<int>(m_nTabelaSelecaoCodigo))
                                   .c_str());
        bool primeira = true;
        for (; !rs.IsEOF(); rs.MoveNext()) {
            std::string item;
            rs.GetFieldString("tabela_selecao_item", item);
            if (primeira)
                m_strPergunta = item;
            else
                m_lista.AddString(item);
            primeira = false;
        }
    } catch (CDaoException& e) {
        ReportError("CSelecao_dados::OnInitDialog", &e);
    }
    // A stored answer beyond the choices (or none) preselects nothing.
    m_lista.SetCurSel(m_nLinhaAtual > 0 && m_nLinhaAtual <= m_lista.GetCount() ? m_nLinhaAtual - 1 : -1);
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
    m_nLinhaEscolhida = static_cast<BYTE>(sel == LB_ERR ? 0 : sel + 1);
    EndDialog(IDOK);
}
