#include "Dialog.h"

#include "CFormat.h"
#include "DialogRunner.h"
#include "Utf8.h"
#include "AppContext.h"

#include <cerrno>
#include <cfloat>
#include <climits>
#include <cstdlib>
#include <stdexcept>

namespace {

std::unique_ptr<CWnd> MakeControl(const ControlTemplate& t) {
    switch (t.kind) {
    case ControlKind::Static:
    case ControlKind::Picture: return std::make_unique<CStatic>();
    case ControlKind::GroupBox:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
    case ControlKind::PushButton: return std::make_unique<CButton>();
    case ControlKind::Edit: return std::make_unique<CEdit>();
    case ControlKind::ComboBox: return std::make_unique<CComboBox>();
    case ControlKind::ListBox: return std::make_unique<CListBox>();
    case ControlKind::Grid: return std::make_unique<CMSFlexGrid>();
    case ControlKind::Tree: return std::make_unique<CTreeCtrl>();
    case ControlKind::Window:
    case ControlKind::Dialog: break;
    }
    return std::make_unique<CStatic>();
}

void ApplyTemplate(CWnd& w, const ControlTemplate& t, CWnd* parent) {
    w.InitWindow(t.id, t.kind, t.label, parent);
    if (t.style & tmpl::Disabled) w.EnableWindow(0);
    if (t.style & tmpl::Hidden) w.ShowWindow(SW_HIDE);
    if (auto* e = dynamic_cast<CEdit*>(&w)) {
        e->SetLimitText(t.maxLength);
        e->SetMultiLine((t.style & tmpl::MultiLine) != 0);
        e->SetDigitsOnly((t.style & tmpl::DigitsOnly) != 0);
        e->SetReadOnly((t.style & tmpl::ReadOnly) != 0);
    } else if (auto* c = dynamic_cast<CComboBox*>(&w)) {
        c->SetStyle((t.style & tmpl::DropDown) ? ComboStyle::DropDown : ComboStyle::DropDownList,
                    (t.style & tmpl::Sorted) != 0);
    } else if (auto* l = dynamic_cast<CListBox*>(&w)) {
        l->SetSorted((t.style & tmpl::Sorted) != 0);
    } else if (auto* b = dynamic_cast<CButton*>(&w)) {
        b->SetDefault((t.style & tmpl::Default) != 0);
        b->SetGroupStart((t.style & tmpl::Group) != 0);
    } else if (auto* s = dynamic_cast<CStatic*>(&w)) {
        s->SetBitmap(t.bitmap);
    } else if (auto* g = dynamic_cast<CMSFlexGrid*>(&w)) {
        g->SetCols(t.gridCols);
        g->SetRows(t.gridRows);
        g->SetFixedRows(t.gridFixedRows);
        g->SetFixedCols(t.gridFixedCols);
        g->SetRow(t.gridFixedRows < t.gridRows ? t.gridFixedRows : 0);
        g->SetCol(t.gridFixedCols < t.gridCols ? t.gridFixedCols : 0);
    }
}

bool Compatible(ControlKind kind, CWnd& w) {
    switch (kind) {
    case ControlKind::Static:
    case ControlKind::Picture: return dynamic_cast<CStatic*>(&w) != nullptr;
    case ControlKind::GroupBox:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
    case ControlKind::PushButton: return dynamic_cast<CButton*>(&w) != nullptr;
    case ControlKind::Edit: return dynamic_cast<CEdit*>(&w) != nullptr;
    case ControlKind::ComboBox: return dynamic_cast<CComboBox*>(&w) != nullptr;
    case ControlKind::ListBox: return dynamic_cast<CListBox*>(&w) != nullptr;
    case ControlKind::Grid: return dynamic_cast<CMSFlexGrid*>(&w) != nullptr;
    case ControlKind::Tree: return dynamic_cast<CTreeCtrl*>(&w) != nullptr;
    case ControlKind::Window:
    case ControlKind::Dialog: return false;
    }
    return false;
}

CWnd* Require(CDataExchange* pDX, int nIDC) {
    CWnd* w = pDX->PrepareCtrl(nIDC);
    if (!w)
        throw std::logic_error("dialog " + std::to_string(pDX->m_pDlgWnd->GetTemplateId()) + " has no control " +
                               std::to_string(nIDC));
    return w;
}

[[noreturn]] void FailWith(CDataExchange* pDX, const std::string& message) {
    AfxMessageBox(message, MB_OK | MB_ICONEXCLAMATION);
    pDX->Fail();
}

bool ParseLong(const std::string& text, long& out) {
    const char* s = text.c_str();
    char* end = nullptr;
    errno = 0;
    const long v = std::strtol(s, &end, 10);
    if (end == s || errno == ERANGE) return false;
    while (*end == ' ' || *end == '\t') ++end;
    if (*end != '\0') return false;
    out = v;
    return true;
}

bool ParseDouble(const std::string& text, double& out) { return zel::ui::ParseWholeDoubleC(text, out); }

template <class Int>
void ExchangeInt(CDataExchange* pDX, int nIDC, Int& value, long lo, long hi, const char* message) {
    CWnd* w = Require(pDX, nIDC);
    if (pDX->m_bSaveAndValidate) {
        long v = 0;
        if (!ParseLong(w->GetWindowText(), v) || v < lo || v > hi) FailWith(pDX, message);
        value = static_cast<Int>(v);
    } else {
        w->SetWindowText(std::to_string(static_cast<long>(value)));
    }
}

}  // namespace

// --- CDialog -----------------------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_pParentWnd(pParentWnd), m_template(FindDialogTemplate(static_cast<int>(nIDTemplate))), m_nIDTemplate(nIDTemplate) {
    m_wnd.kind = ControlKind::Dialog;
}

CDialog::CDialog(const DialogTemplate& dialogTemplate, CWnd* pParentWnd)
    : m_pParentWnd(pParentWnd), m_template(&dialogTemplate), m_nIDTemplate(static_cast<UINT>(dialogTemplate.id)) {
    m_wnd.kind = ControlKind::Dialog;
}

CDialog::~CDialog() {
    if (m_modeless && IsCreated()) {
        if (DialogRunner* r = AppContext().dialogs) r->DestroyModeless(*this);
    }
    DestroyWindowModel();
}

int CDialog::DoModal() {
    DialogRunner* runner = AppContext().dialogs;
    if (!runner || !m_template) return -1;
    m_modeless = false;
    return runner->RunModal(*this);
}

int CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd) {
    if (nIDTemplate != m_nIDTemplate || !m_template) {
        m_nIDTemplate = nIDTemplate;
        m_template = FindDialogTemplate(static_cast<int>(nIDTemplate));
    }
    if (pParentWnd) m_pParentWnd = pParentWnd;
    return Create();
}

int CDialog::Create() {
    DialogRunner* runner = AppContext().dialogs;
    if (!runner || !m_template) return 0;
    m_modeless = true;
    return runner->CreateModeless(*this) ? 1 : 0;
}

int CDialog::DestroyWindow() {
    if (!IsCreated()) return 0;
    if (m_modeless) {
        if (DialogRunner* r = AppContext().dialogs) r->DestroyModeless(*this);
    }
    DestroyWindowModel();
    return 1;
}

void CDialog::EndDialog(int nResult) {
    m_result = nResult;
    m_ended = true;
    Changed(WndChange::Ended);
}

int CDialog::OnInitDialog() {
    UpdateData(0);
    return 1;
}

void CDialog::OnOK() {
    if (!UpdateData(1)) return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::DoDataExchange(CDataExchange* /*pDX*/) {}

int CDialog::UpdateData(int bSaveAndValidate) {
    CDataExchange dx(this, bSaveAndValidate);
    try {
        DoDataExchange(&dx);
    } catch (const CUserException&) {
        return 0;
    }
    return 1;
}

int CDialog::IndexOf(int nID) const {
    if (!m_template) return -1;
    for (std::size_t i = 0; i < m_controls.size(); ++i)
        if (m_template->controls[i].id == nID) return static_cast<int>(i);
    return -1;
}

CWnd* CDialog::GetDlgItem(int nID) const {
    const int i = IndexOf(nID);
    return i < 0 ? nullptr : m_controls[static_cast<std::size_t>(i)];
}

void CDialog::SetDlgItemText(int nID, const std::string& text) {
    if (CWnd* w = GetDlgItem(nID)) w->SetWindowText(text);
}

int CDialog::GetDlgItemText(int nID, std::string& text) const {
    const CWnd* w = GetDlgItem(nID);
    text = w ? w->GetWindowText() : std::string();
    return zel::utf8::Length(text);
}

std::string CDialog::GetDlgItemText(int nID) const {
    std::string t;
    GetDlgItemText(nID, t);
    return t;
}

void CDialog::CheckDlgButton(int nIDButton, UINT nCheck) {
    if (auto* b = dynamic_cast<CButton*>(GetDlgItem(nIDButton))) b->SetCheck(static_cast<int>(nCheck));
}

UINT CDialog::IsDlgButtonChecked(int nIDButton) const {
    const auto* b = dynamic_cast<const CButton*>(GetDlgItem(nIDButton));
    return b ? static_cast<UINT>(b->GetCheck()) : 0;
}

void CDialog::CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton) {
    for (int id = nIDFirstButton; id <= nIDLastButton; ++id)
        if (auto* b = dynamic_cast<CButton*>(GetDlgItem(id))) b->SetCheck(id == nIDCheckButton ? 1 : 0);
}

int CDialog::GetCheckedRadioButton(int nIDFirstButton, int nIDLastButton) const {
    for (int id = nIDFirstButton; id <= nIDLastButton; ++id)
        if (const auto* b = dynamic_cast<const CButton*>(GetDlgItem(id)); b && b->GetCheck()) return id;
    return 0;
}

bool CDialog::Focusable(const CWnd* w) const {
    if (!w || !w->IsWindowEnabled() || !w->IsWindowVisible()) return false;
    const ControlKind k = w->GetKind();
    return k != ControlKind::Static && k != ControlKind::GroupBox && k != ControlKind::Picture;
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl) {
    if (pWndCtrl) pWndCtrl->SetFocus();
}

void CDialog::NextDlgCtrl() {
    const int n = static_cast<int>(m_controls.size());
    int start = -1;
    for (int i = 0; i < n; ++i)
        if (m_controls[static_cast<std::size_t>(i)] == GetFocus()) start = i;
    for (int k = 1; k <= n; ++k) {
        CWnd* w = m_controls[static_cast<std::size_t>((start + k + n) % n)];
        if (Focusable(w)) {
            w->SetFocus();
            return;
        }
    }
}

void CDialog::SetDefID(int nID) { m_defId = nID; }
int CDialog::GetDefID() const { return m_defId; }

std::vector<CButton*> CDialog::RadioGroupOf(int nID) const {
    std::vector<CButton*> group;
    const int i = IndexOf(nID);
    if (i < 0) return group;
    int first = i;
    while (first > 0) {
        const ControlTemplate& t = m_template->controls[static_cast<std::size_t>(first)];
        if ((t.style & tmpl::Group) || m_template->controls[static_cast<std::size_t>(first - 1)].kind != ControlKind::RadioButton) break;
        --first;
    }
    for (std::size_t k = static_cast<std::size_t>(first); k < m_controls.size(); ++k) {
        const ControlTemplate& t = m_template->controls[k];
        if (t.kind != ControlKind::RadioButton) break;
        if (k != static_cast<std::size_t>(first) && (t.style & tmpl::Group)) break;
        if (auto* b = dynamic_cast<CButton*>(m_controls[k])) group.push_back(b);
    }
    return group;
}

bool CDialog::CreateWindowModel() {
    if (!m_template) return false;
    DestroyWindowModel();
    m_wnd.id = m_template->id;
    m_wnd.kind = ControlKind::Dialog;
    m_wnd.text = m_template->caption;
    m_wnd.created = true;
    m_wnd.enabled = true;
    m_wnd.visible = true;
    m_pFocus = nullptr;
    m_ended = false;
    m_result = -1;
    m_defId = IDOK;
    for (const ControlTemplate& t : m_template->controls) {
        std::unique_ptr<CWnd> w = MakeControl(t);
        ApplyTemplate(*w, t, this);
        if (t.kind == ControlKind::PushButton && (t.style & tmpl::Default)) m_defId = t.id;
        m_controls.push_back(w.get());
        m_owned.push_back(std::move(w));
    }
    if (m_template->style & tmpl::FixedSize) {
        m_wnd.cx = m_template->width;
        m_wnd.cy = m_template->height;
    }
    return true;
}

void CDialog::InitDialogModel() {
    const int focusDefault = OnInitDialog();
    if (focusDefault && !m_ended && !GetFocus()) {
        for (CWnd* w : m_controls)
            if (Focusable(w)) {
                w->SetFocus();
                break;
            }
    }
}

void CDialog::DestroyWindowModel() {
    if (!m_wnd.created && m_controls.empty()) return;
    m_pFocus = nullptr;
    Changed(WndChange::Destroyed);
    for (CWnd* w : m_controls) w->DetachWindow();
    m_controls.clear();
    m_owned.clear();
    m_wnd.observer = nullptr;
    m_wnd.created = false;
}

void CDialog::AttachControl(int nID, CWnd& control) {
    const int i = IndexOf(nID);
    if (i < 0)
        throw std::logic_error("dialog " + std::to_string(GetTemplateId()) + " has no control " + std::to_string(nID));
    const ControlTemplate& t = m_template->controls[static_cast<std::size_t>(i)];
    CWnd* current = m_controls[static_cast<std::size_t>(i)];
    if (current == &control) return;
    if (!Compatible(t.kind, control))
        throw std::logic_error("control " + std::to_string(nID) + " of dialog " + std::to_string(GetTemplateId()) +
                               " is a " + ControlKindName(t.kind));
    control.AdoptWindow(*current);
    m_controls[static_cast<std::size_t>(i)] = &control;
    m_lastAttached = nID;
    Changed(WndChange::Attached);
}

void CDialog::UserFocus(int nID) {
    CWnd* w = GetDlgItem(nID);
    if (Focusable(w)) w->SetFocus();
}

void CDialog::UserClickDisabled(int nID) {
    CWnd* w = GetDlgItem(nID);
    if (m_ended || !w || Focusable(w)) return;
    const ControlKind k = w->GetKind();
    if (k == ControlKind::Static || k == ControlKind::GroupBox || k == ControlKind::Picture) return;
    MoveFocus(nullptr);
}

void CDialog::UserClickButton(int nID) {
    auto* b = dynamic_cast<CButton*>(GetDlgItem(nID));
    if (!b || !Focusable(b) || m_ended) return;
    b->SetFocus();
    if (!b->IsWindowEnabled() || !b->IsWindowVisible() || m_ended) return;
    b->UserClick();
}

void CDialog::UserEnter() {
    if (m_ended) return;
    CWnd* def = GetDlgItem(m_defId);
    if (!def) {
        OnCmdMsg(IDOK);
        return;
    }
    UserClickButton(m_defId);
}

void CDialog::UserCancel() {
    if (m_ended) return;
    const CWnd* cancel = GetDlgItem(IDCANCEL);
    if (cancel && !cancel->IsWindowEnabled()) return;
    OnCmdMsg(IDCANCEL);
}

// --- data exchange -----------------------------------------------------------------------------------

CWnd* CDataExchange::PrepareCtrl(int nIDC) {
    m_idLastControl = nIDC;
    return m_pDlgWnd->GetDlgItem(nIDC);
}

void CDataExchange::Fail() {
    if (CWnd* w = m_pDlgWnd->GetDlgItem(m_idLastControl)) {
        w->SetFocus();
        if (auto* e = dynamic_cast<CEdit*>(w)) e->SetSel(0, -1);
    }
    throw CUserException{};
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
    if (rControl.IsCreated() && rControl.GetParent() == pDX->m_pDlgWnd) return;
    pDX->m_idLastControl = nIDC;
    pDX->m_pDlgWnd->AttachControl(nIDC, rControl);
}

void DDX_Text(CDataExchange* pDX, int nIDC, std::string& value) {
    CWnd* w = Require(pDX, nIDC);
    if (pDX->m_bSaveAndValidate) value = w->GetWindowText();
    else w->SetWindowText(value);
}

void DDX_Text(CDataExchange* pDX, int nIDC, int& value) {
    ExchangeInt(pDX, nIDC, value, INT_MIN, INT_MAX, "Digite um número inteiro.");
}

void DDX_Text(CDataExchange* pDX, int nIDC, short& value) {
    ExchangeInt(pDX, nIDC, value, SHRT_MIN, SHRT_MAX, "Digite um número inteiro.");
}

void DDX_Text(CDataExchange* pDX, int nIDC, long& value) {
    ExchangeInt(pDX, nIDC, value, LONG_MIN, LONG_MAX, "Digite um número inteiro.");
}

void DDX_Text(CDataExchange* pDX, int nIDC, unsigned char& value) {
    ExchangeInt(pDX, nIDC, value, 0, 255, "Digite um número inteiro entre 0 e 255.");
}

void DDX_Text(CDataExchange* pDX, int nIDC, float& value) {
    CWnd* w = Require(pDX, nIDC);
    if (pDX->m_bSaveAndValidate) {
        double v = 0;
        if (!ParseDouble(w->GetWindowText(), v)) FailWith(pDX, "Digite um número.");
        value = static_cast<float>(v);
    } else {
        w->SetWindowText(zel::ui::FormatC("%.*g", FLT_DIG, static_cast<double>(value)));
    }
}

void DDX_Text(CDataExchange* pDX, int nIDC, double& value) {
    CWnd* w = Require(pDX, nIDC);
    if (pDX->m_bSaveAndValidate) {
        double v = 0;
        if (!ParseDouble(w->GetWindowText(), v)) FailWith(pDX, "Digite um número.");
        value = v;
    } else {
        w->SetWindowText(zel::ui::FormatC("%.*g", DBL_DIG, value));
    }
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value) {
    auto* b = dynamic_cast<CButton*>(Require(pDX, nIDC));
    if (!b) return;
    if (pDX->m_bSaveAndValidate) value = b->GetCheck();
    else b->SetCheck(value);
}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value) {
    Require(pDX, nIDC);
    const std::vector<CButton*> group = pDX->m_pDlgWnd->RadioGroupOf(nIDC);
    if (pDX->m_bSaveAndValidate) {
        value = -1;
        for (std::size_t i = 0; i < group.size(); ++i)
            if (group[i]->GetCheck()) value = static_cast<int>(i);
    } else {
        for (std::size_t i = 0; i < group.size(); ++i) group[i]->SetCheck(static_cast<int>(i) == value ? 1 : 0);
    }
}

void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index) {
    auto* c = dynamic_cast<CComboBox*>(Require(pDX, nIDC));
    if (!c) return;
    if (pDX->m_bSaveAndValidate) index = c->GetCurSel();
    else c->SetCurSel(index);
}

void DDX_CBString(CDataExchange* pDX, int nIDC, std::string& value) {
    auto* c = dynamic_cast<CComboBox*>(Require(pDX, nIDC));
    if (!c) return;
    if (pDX->m_bSaveAndValidate) {
        value = c->GetWindowText();
    } else if (c->SelectString(-1, value) == CB_ERR) {
        c->SetWindowText(value);
    }
}

void DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index) {
    auto* l = dynamic_cast<CListBox*>(Require(pDX, nIDC));
    if (!l) return;
    if (pDX->m_bSaveAndValidate) index = l->GetCurSel();
    else l->SetCurSel(index);
}

void DDX_LBString(CDataExchange* pDX, int nIDC, std::string& value) {
    auto* l = dynamic_cast<CListBox*>(Require(pDX, nIDC));
    if (!l) return;
    if (pDX->m_bSaveAndValidate) {
        const int sel = l->GetCurSel();
        value = sel >= 0 ? l->GetText(sel) : std::string();
    } else {
        l->SelectString(-1, value);
    }
}

void DDV_MaxChars(CDataExchange* pDX, const std::string& value, int nChars) {
    if (pDX->m_bSaveAndValidate) {
        if (zel::utf8::Length(value) > nChars)
            FailWith(pDX, zel::ui::FormatC("Digite no máximo %d caracteres.", nChars));
    } else if (auto* e = dynamic_cast<CEdit*>(pDX->m_pDlgWnd->GetDlgItem(pDX->m_idLastControl))) {
        e->SetLimitText(nChars);
    }
}

// --- wait cursor -------------------------------------------------------------------------------------

CWaitCursor::CWaitCursor() {
    if (DialogRunner* r = AppContext().dialogs) r->BeginWaitCursor();
}

CWaitCursor::~CWaitCursor() {
    if (DialogRunner* r = AppContext().dialogs) r->EndWaitCursor();
}
