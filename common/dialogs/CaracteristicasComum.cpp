#include "CaracteristicasComum.h"

#include "AppContext.h"
#include "DaoDatabase.h"
#include "DaoException.h"
#include "DaoRecordsetManual.h"
#include "Document.h"
#include "ErrorReporter.h"
#include "SqlValue.h"
#include "ValidityColors.h"

namespace zeldlg {

using namespace ids;

BEGIN_MESSAGE_MAP(CCaracteristicasComum, CDialog)
    ON_CBN_KILLFOCUS(IDC_MANEIRA_INSTALAR, OnKillfocusManeiraInstalar)
    ON_CBN_SETFOCUS(IDC_CABO, OnSetfocusCabo)
    ON_CBN_KILLFOCUS(IDC_CABO, OnKillfocusCabo)
    ON_EN_KILLFOCUS(IDC_NUMERO_CONDUTORES, OnKillfocusNumeroCondutores)
    ON_EN_KILLFOCUS(IDC_FATOR_AGRUPAMENTO, OnKillfocusFatorAgrupamento)
    ON_EN_CHANGE(IDC_CIRCUITO, OnChange)
    ON_EN_CHANGE(IDC_COMPRIMENTO, OnChange)
    ON_EN_CHANGE(IDC_FATOR_AGRUPAMENTO, OnChange)
    ON_CBN_SELCHANGE(IDC_TEMPERATURA, OnChange)
END_MESSAGE_MAP()

CCaracteristicasComum::CCaracteristicasComum(const DialogTemplate& modelo, COLORREF fundoInvalido, CWnd* pParent)
    : CDialog(modelo, pParent), m_fundoInvalido(fundoInvalido)
{
}

CCaracteristicasComum::~CCaracteristicasComum() = default;

void CCaracteristicasComum::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDOK, m_ok);
    DDX_Control(pDX, IDC_MANEIRA_INSTALAR, m_maneiraInstalar);
    DDX_Control(pDX, IDC_CABO, m_cabo);
    DDX_Control(pDX, IDC_COMPRIMENTO, m_comprimento);
    DDX_Control(pDX, IDC_TEMPERATURA, m_temperatura);
    DDX_Control(pDX, IDC_FATOR_AGRUPAMENTO, m_fatorAgrupamento);
    DDX_Control(pDX, IDC_NUMERO_CONDUTORES, m_numeroCondutores);
    DDX_Control(pDX, IDC_CIRCUITO, m_circuito);
    DDX_Text(pDX, IDC_CIRCUITO, m_strCircuitoCodigo);
    DDV_MaxChars(pDX, m_strCircuitoCodigo, 20);
}

void CCaracteristicasComum::OnCancel()
{
    RelatarPendentes();
    CDialog::OnCancel();
}

void CCaracteristicasComum::AplicarFatorAgrupamento()
{
    if (m_fatorAgrupamento.GetValue() == 0.0f)
        m_fatorAgrupamento.SetWindowText(kAutom);
}

void CCaracteristicasComum::OnKillfocusFatorAgrupamento()
{
    FocoEmCurso adiar(*this);
    UpdateData(TRUE);
    AplicarFatorAgrupamento();
    UpdateData(FALSE);
}

// --- helpers ----------------------------------------------------------------------------------------------

CDaoDatabase* CCaracteristicasComum::Projeto()
{
    CProjectDocument* doc = GetActiveProjectDocument();
    return doc ? doc->m_pDatabase : nullptr;
}

CDaoDatabase* CCaracteristicasComum::Catalogo()
{
    return AppContext().m_pReferenceDb;
}

void CCaracteristicasComum::PreencherPorCodigo(CComboBox& lista, CDaoRecordsetManual& rs, const char* descricao,
                                               const char* codigo)
{
    for (; !rs.IsEOF(); rs.MoveNext()) {
        std::string texto;
        BYTE valor = 0;
        rs.GetFieldString(descricao, texto);
        rs.GetFieldByte(codigo, valor);
        lista.SetItemData(lista.AddString(texto), valor);
    }
}

void CCaracteristicasComum::PreencherTemperaturas(CComboBox& lista, CDaoRecordsetManual& rs)
{
    for (; !rs.IsEOF(); rs.MoveNext()) {
        BYTE t = 0;
        rs.GetFieldByte("temperatura_ambiente", t);
        lista.AddString(FormatC("%i", static_cast<int>(t)));
    }
}

void CCaracteristicasComum::SelecionarPorCodigo(CComboBox& lista, int codigo, bool primeiro)
{
    for (int i = 0; i < lista.GetCount(); ++i)
        if (static_cast<int>(lista.GetItemData(i)) == codigo) {
            lista.SetCurSel(i);
            return;
        }
    lista.SetCurSel(primeiro && lista.GetCount() > 0 ? 0 : -1);
}

void CCaracteristicasComum::Mostrar(CWnd& w, bool mostrar)
{
    w.ShowWindow(mostrar ? SW_SHOW : SW_HIDE);
}

void CCaracteristicasComum::Mostrar(int id, bool mostrar)
{
    if (CWnd* w = GetDlgItem(id))
        Mostrar(*w, mostrar);
}

void CCaracteristicasComum::Pintar(CEditColor& edit, bool valido) const
{
    SetValidityColors(&edit, valido, zel::ui::kValidBackground, zel::ui::kValidText, m_fundoInvalido,
                      zel::ui::kInvalidText);
}

std::string CCaracteristicasComum::SqlEdicao() const
{
    return FormatC("SELECT *,(SELECT COUNT(*) FROM circuito WHERE circuito_sequencial_pai=a.circuito_sequencial) "
                   "AS total_filhos FROM circuito a WHERE circuito_sequencial=%i",
                   static_cast<int>(m_nCircuitoSequencial));
}

// --- failures ---------------------------------------------------------------------------------------------

void CCaracteristicasComum::Relatar(const char* local, const CDaoException& e)
{
    if (m_nFoco > 0) {
        m_pendentes.emplace_back(local, e);
        return;
    }
    ReportError(local, &e);
}

void CCaracteristicasComum::RelatarPendentes()
{
    if (m_nFoco > 0 || m_pendentes.empty())
        return;
    auto pendentes = std::move(m_pendentes);
    m_pendentes.clear();
    // One failing database makes every step of a cascade fail: one message, every step in the log.
    for (std::size_t i = 1; i < pendentes.size(); ++i)
        AppendLogLine("ZEL.LOG", ZelLogLine(pendentes[i].first, &pendentes[i].second, ""));
    ReportError(pendentes.front().first.c_str(), &pendentes.front().second);
}

}  // namespace zeldlg
