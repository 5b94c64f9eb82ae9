#include "ProjetoDadosComum.h"

#include "AppContext.h"
#include "CFormat.h"
#include "DaoRecordsetManual.h"
#include "DialogRunner.h"
#include "DialogosBase.h"
#include "DialogosComunsIds.h"
#include "ErrorReporter.h"
#include "OleDateTime.h"

namespace zeldlg {

using namespace ids;
using zel::ui::ParseLongC;

DialogTemplate ModeloProjetoDados(const RotulosProjetoDados& rotulos)
{
    return {IDD_PROJETO_DADOS, "Dados do projeto", {
        Label("&Cliente:", 0, 0), Edit(IDC_CLIENTE, 0, 1).MaxLength(20).Width(22),
        Label(rotulos.responsavel, 1, 0), Edit(IDC_RESPONSAVEL, 1, 1).MaxLength(20).Width(22),
        Label(rotulos.dataCriacao, 2, 0), MaskedEdit(IDC_DATA_CRIACAO, "##/##/####", 2, 1).Width(12),
        Label(rotulos.numeroRevisao, 3, 0),
        MaskedEdit(IDC_NUMERO_REVISAO, "###", 3, 1).Width(6).Style(tmpl::AlignRight),
        Label(rotulos.comentario, 4, 0), Edit(IDC_COMENTARIO, 5, 0).MultiLine().Span(2).Width(40).Height(5),
        OkButton(), CancelButton()}};
}

BEGIN_MESSAGE_MAP(CProjetoDadosComum, CDialog)
    ON_EN_CHANGE(IDC_DATA_CRIACAO, Validar)
END_MESSAGE_MAP()

CProjetoDadosComum::CProjetoDadosComum(const DialogTemplate& modelo, CWnd* pParent) : CDialog(modelo, pParent) {}

void CProjetoDadosComum::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDOK, m_ok);
    DDX_Control(pDX, IDC_NUMERO_REVISAO, m_revisao);
    DDX_Control(pDX, IDC_DATA_CRIACAO, m_data);
    DDX_Text(pDX, IDC_CLIENTE, m_strCliente);
    DDV_MaxChars(pDX, m_strCliente, 20);
    DDX_Text(pDX, IDC_COMENTARIO, m_strComentario);
    DDX_Text(pDX, IDC_RESPONSAVEL, m_strResponsavel);
    DDV_MaxChars(pDX, m_strResponsavel, 20);
}

int CProjetoDadosComum::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_data.SetMask("##/##/####");
    m_revisao.SetMask("###");
    bool temLinha = false;
    short revisao = 0;
    COleDateTime data;  // a Null date stays the zero date, 30/12/1899
    try {
        CDaoRecordsetManual rs(&Projeto(), dbOpenSnapshot, "SELECT * FROM projeto");
        if (!rs.IsEOF()) {
            temLinha = true;
            rs.GetFieldString("projeto_responsavel", m_strResponsavel);
            rs.GetFieldString("projeto_cliente", m_strCliente);
            rs.GetFieldString("projeto_comentario", m_strComentario);
            rs.GetFieldDate("projeto_data_criacao", data);
            rs.GetFieldShort("projeto_numero_revisao", revisao);
        }
    } catch (CDaoException& e) {
        ReportError("CProjeto_dados::OnInitDialog", &e);
    }
    if (temLinha) {
        UpdateData(FALSE);
        m_data.SetWindowText(FormatC("%02i/%02i/%04i", data.GetDay(), data.GetMonth(), data.GetYear()));
    } else {
        const LocalTime hoje = AppContext().clock ? AppContext().clock->Now() : SystemClock().Now();
        m_data.SetWindowText(FormatC("%02i/%02i/%04i", hoje.day, hoje.month, hoje.year));
    }
    m_revisao.SetValue(static_cast<float>(revisao));
    Validar();
    return TRUE;
}

void CProjetoDadosComum::Validar()
{
    m_ok.EnableWindow(m_data.GetValue() != 0);
}

void CProjetoDadosComum::OnOK()
{
    CWaitCursor espera;
    if (!UpdateData(TRUE))
        return;
    const std::string texto = m_data.GetWindowText();
    const int dia = static_cast<int>(ParseLongC(texto.substr(0, 2)));
    const int mes = static_cast<int>(ParseLongC(texto.substr(3, 2)));
    const int ano = static_cast<int>(ParseLongC(texto.substr(6, 4)));
    try {
        CDaoDatabase& db = Projeto();
        CDaoTransaction transacao(db);
        CDaoRecordsetManual rs(&db, dbOpenTable, nullptr);
        rs.Open(dbOpenTable, "projeto");
        if (rs.IsEOF())
            rs.AddNew();
        else
            rs.Edit();
        rs.SetFieldString("projeto_cliente", m_strCliente);
        rs.SetFieldString("projeto_responsavel", m_strResponsavel);
        rs.SetFieldDate("projeto_data_criacao", COleDateTime(ano, mes, dia, 0, 0, 0));
        rs.SetFieldShort("projeto_numero_revisao", static_cast<short>(m_revisao.GetValue()));
        rs.SetFieldString("projeto_comentario", m_strComentario);
        rs.Update();
        rs.Close();
        transacao.Commit();
    } catch (CDaoException& e) {
        ReportError("CProjeto_dados::OnOK", &e);
        return;
    }
    EndDialog(IDOK);
}

}  // namespace zeldlg
