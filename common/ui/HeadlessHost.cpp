#include "HeadlessHost.h"

#include "CFormat.h"
#include "Menu.h"
#include "Utf8.h"

#include <sstream>
#include <stdexcept>

namespace {

std::string Quote(const std::string& s) { return "\"" + s + "\""; }

std::string MenuLine(const CMenu& menu) {
    std::string out;
    for (const CMenu::Item& i : menu.Items()) {
        if (!out.empty()) out += ", ";
        if (i.separator) out += "-";
        else if (i.popup) out += Quote(i.text) + " {" + MenuLine(*i.popup) + "}";
        else out += Quote(i.text) + (i.enabled ? "" : " (off)") + (i.checked ? " (v)" : "");
    }
    return out;
}

}  // namespace

std::string DescribeControl(const CWnd& w) {
    std::ostringstream s;
    s << ControlKindName(w.GetKind()) << " " << w.GetDlgCtrlID() << " " << Quote(w.GetWindowText());
    if (!w.IsWindowEnabled()) s << " disabled";
    if (!w.IsWindowVisible()) s << " hidden";
    if (const auto* e = dynamic_cast<const CEditColor*>(&w))
        s << zel::ui::FormatC(" colors %06X/%06X", e->GetBkColor(), e->GetTextColorRef());
    return s.str();
}

// --- driver ------------------------------------------------------------------------------------------

CEdit& DialogDriver::EditOf(int id) const {
    auto* e = dynamic_cast<CEdit*>(Item(id));
    if (!e) throw std::logic_error("control " + std::to_string(id) + " is not an edit");
    return *e;
}

DialogDriver& DialogDriver::Focus(int id) {
    m_host.Note("focus " + std::to_string(id));
    m_dialog.UserFocus(id);
    return *this;
}

DialogDriver& DialogDriver::Type(int id, const std::string& chars) {
    CEdit& e = EditOf(id);
    m_dialog.UserFocus(id);
    m_host.Note("type " + std::to_string(id) + " " + Quote(chars));
    for (std::size_t pos = 0; pos < chars.size();) {
        const std::string one = zel::utf8::Sub(chars.substr(pos), 0, 1);
        pos += one.size();
        const char32_t c = zel::utf8::First(one);
        e.UserChar(static_cast<UINT>(c));
    }
    return *this;
}

DialogDriver& DialogDriver::Caret(int id, int pos) { return SelectText(id, pos, pos); }

DialogDriver& DialogDriver::SelectText(int id, int start, int end) {
    EditOf(id).UserSetSel(start, end);
    return *this;
}

DialogDriver& DialogDriver::Clear(int id) {
    CEdit& e = EditOf(id);
    m_dialog.UserFocus(id);
    m_host.Note("clear " + std::to_string(id));
    e.UserSetSel(0, -1);
    e.UserChar(8);
    return *this;
}

DialogDriver& DialogDriver::PasteByKey(int id, const std::string& clipboard) {
    CEdit& e = EditOf(id);
    m_dialog.UserFocus(id);
    m_host.clipboard = clipboard;
    m_host.Note("paste key " + std::to_string(id) + " " + Quote(clipboard));
    // Ctrl+V is the character 22: it goes through the edit's character filter, whose own handling pastes.
    e.UserChar(22);
    return *this;
}

DialogDriver& DialogDriver::PasteByMenu(int id, const std::string& clipboard) {
    CEdit& e = EditOf(id);
    m_dialog.UserFocus(id);
    m_host.clipboard = clipboard;
    m_host.Note("paste menu " + std::to_string(id) + " " + Quote(clipboard));
    e.UserPaste(clipboard);
    return *this;
}

DialogDriver& DialogDriver::Select(int id, int index) {
    m_dialog.UserFocus(id);
    m_host.Note("select " + std::to_string(id) + " " + std::to_string(index));
    if (auto* c = dynamic_cast<CComboBox*>(Item(id))) c->UserSelect(index);
    else if (auto* l = dynamic_cast<CListBox*>(Item(id))) l->UserSelect(index);
    else throw std::logic_error("control " + std::to_string(id) + " is not a list");
    return *this;
}

DialogDriver& DialogDriver::Select(int id, const std::string& text) {
    int index = -1;
    if (auto* c = dynamic_cast<CComboBox*>(Item(id))) index = c->FindStringExact(-1, text);
    else if (auto* l = dynamic_cast<CListBox*>(Item(id))) index = l->FindStringExact(-1, text);
    if (index < 0) throw std::logic_error("control " + std::to_string(id) + " has no line " + Quote(text));
    return Select(id, index);
}

DialogDriver& DialogDriver::DoubleClick(int id, int index) {
    m_dialog.UserFocus(id);
    m_host.Note("double-click " + std::to_string(id) + " " + std::to_string(index));
    if (auto* l = dynamic_cast<CListBox*>(Item(id))) l->UserDoubleClick(index);
    return *this;
}

DialogDriver& DialogDriver::Click(int id) {
    m_host.Note("click " + std::to_string(id));
    m_dialog.UserClickButton(id);
    return *this;
}

DialogDriver& DialogDriver::ClickCell(int id, long row, long col) {
    m_dialog.UserFocus(id);
    m_host.Note("cell " + std::to_string(id) + " " + std::to_string(row) + "," + std::to_string(col));
    Get<CMSFlexGrid>(id).UserClickCell(row, col);
    return *this;
}

DialogDriver& DialogDriver::DoubleClickCell(int id, long row, long col) {
    m_dialog.UserFocus(id);
    Get<CMSFlexGrid>(id).UserDoubleClickCell(row, col);
    return *this;
}

DialogDriver& DialogDriver::SelectTreeItem(int id, HTREEITEM item) {
    m_dialog.UserFocus(id);
    Get<CTreeCtrl>(id).UserSelect(item);
    return *this;
}

DialogDriver& DialogDriver::Enter() {
    m_host.Note("enter");
    m_dialog.UserEnter();
    return *this;
}

DialogDriver& DialogDriver::Escape() {
    m_host.Note("escape");
    m_dialog.UserCancel();
    return *this;
}

std::string DialogDriver::Text(int id) const {
    const CWnd* w = Item(id);
    return w ? w->GetWindowText() : std::string();
}

bool DialogDriver::Enabled(int id) const {
    const CWnd* w = Item(id);
    return w && w->IsWindowEnabled();
}

bool DialogDriver::Visible(int id) const {
    const CWnd* w = Item(id);
    return w && w->IsWindowVisible();
}

bool DialogDriver::Checked(int id) const {
    const auto* b = dynamic_cast<const CButton*>(Item(id));
    return b && b->GetCheck() != 0;
}

// --- host --------------------------------------------------------------------------------------------

void HeadlessHost::Install(CAppContext& context) {
    context.dialogs = this;
    context.messages = this;
}

void HeadlessHost::OnDialog(int templateId, Script script) { m_scripts[templateId].push_back(std::move(script)); }
void HeadlessHost::AnswerMessage(int button) { m_answers.push_back(button); }
void HeadlessHost::ChooseFromPopup(int command) { m_popupChoices.push_back(command); }

std::string HeadlessHost::Transcript() const {
    std::string out;
    for (const std::string& l : transcript) out += l + "\n";
    return out;
}

int HeadlessHost::Run(CDialog& dialog, const Script& script) {
    if (!dialog.CreateWindowModel()) return -1;
    Note("open " + std::to_string(dialog.GetTemplateId()) + " " + Quote(dialog.GetWindowText()));
    dialog.InitDialogModel();
    if (!dialog.IsEnded()) {
        DialogDriver driver(*this, dialog);
        if (script) script(driver);
    }
    if (!dialog.IsEnded()) {
        Note("left open " + std::to_string(dialog.GetTemplateId()) + ": cancelled");
        dialog.UserCancel();
        if (!dialog.IsEnded()) dialog.EndDialog(IDCANCEL);
    }
    const int result = dialog.GetModalResult();
    Note("close " + std::to_string(dialog.GetTemplateId()) + " -> " + std::to_string(result));
    dialog.DestroyWindowModel();
    return result;
}

DialogDriver HeadlessHost::Open(CDialog& dialog) {
    dialog.CreateWindowModel();
    Note("open " + std::to_string(dialog.GetTemplateId()) + " " + Quote(dialog.GetWindowText()));
    dialog.InitDialogModel();
    return DialogDriver(*this, dialog);
}

void HeadlessHost::Close(CDialog& dialog) {
    if (!dialog.IsEnded()) dialog.EndDialog(IDCANCEL);
    Note("close " + std::to_string(dialog.GetTemplateId()) + " -> " + std::to_string(dialog.GetModalResult()));
    dialog.DestroyWindowModel();
}

int HeadlessHost::RunModal(CDialog& dialog) {
    Script script;
    auto it = m_scripts.find(dialog.GetTemplateId());
    if (it != m_scripts.end() && !it->second.empty()) {
        script = std::move(it->second.front());
        it->second.pop_front();
    } else {
        Note("unscripted " + std::to_string(dialog.GetTemplateId()));
    }
    return Run(dialog, script);
}

bool HeadlessHost::CreateModeless(CDialog& dialog) {
    if (!dialog.CreateWindowModel()) return false;
    Note("show " + std::to_string(dialog.GetTemplateId()) + " " + Quote(dialog.GetWindowText()));
    dialog.InitDialogModel();
    modeless.push_back(&dialog);
    return true;
}

void HeadlessHost::DestroyModeless(CDialog& dialog) {
    for (auto it = modeless.begin(); it != modeless.end(); ++it)
        if (*it == &dialog) {
            modeless.erase(it);
            Note("hide " + std::to_string(dialog.GetTemplateId()));
            break;
        }
}

int HeadlessHost::TrackPopupMenu(CMenu& menu, int x, int y, CWnd* /*owner*/) {
    int choice = 0;
    if (!m_popupChoices.empty()) {
        choice = m_popupChoices.front();
        m_popupChoices.pop_front();
    }
    Note("popup at " + std::to_string(x) + "," + std::to_string(y) + " [" + MenuLine(menu) + "] -> " + std::to_string(choice));
    return choice;
}

bool HeadlessHost::IsKeyToggled(int indicatorId) const {
    const auto it = keysToggled.find(indicatorId);
    return it != keysToggled.end() && it->second;
}

int HeadlessHost::MessageBox(const std::string& text, const std::string& caption, unsigned type) {
    int answer = 0;
    if (!m_answers.empty()) {
        answer = m_answers.front();
        m_answers.pop_front();
    } else {
        switch (type & MB_BUTTON_MASK) {
        case MB_YESNO:
        case MB_YESNOCANCEL: answer = IDYES; break;
        default: answer = IDOK; break;
        }
    }
    messages.push_back({text, caption, type, answer});
    Note("message " + Quote(text) + " [" + caption + "] " + zel::ui::FormatC("%#x", type) + " -> " + std::to_string(answer));
    return answer;
}
