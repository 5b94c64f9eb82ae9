#include "WxControls.h"

#include "CFormat.h"
#include "Utf8.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/clipbrd.h>
#include <wx/combobox.h>
#include <wx/dcclient.h>
#include <wx/grid.h>
#include <wx/settings.h>
#include <wx/imaglist.h>
#include <wx/listbox.h>
#include <wx/radiobut.h>
#include <wx/statbmp.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/treectrl.h>

#include <gtk/gtk.h>

#include <algorithm>
#include <map>
#include <unordered_map>
#include <vector>

namespace zel::wx {

wxColour ToWx(COLORREF c) { return wxColour(GetRValue(c), GetGValue(c), GetBValue(c)); }

namespace {

wxString W(const std::string& s) { return wxString::FromUTF8(s.c_str()); }
std::string U(const wxString& s) { return std::string(s.utf8_str()); }

// Width in pixels of n average characters of the widget's font.
int CharsWide(wxWindow* w, int n) { return w->GetTextExtent("0").GetWidth() * n + 16; }

}  // namespace

void ApplyEntryColours(wxWindow* entry, COLORREF background, COLORREF text) {
    GtkWidget* widget = static_cast<GtkWidget*>(entry->GetHandle());
    if (!widget) return;
    GtkStyleContext* context = gtk_widget_get_style_context(widget);
    auto* previous = static_cast<GtkCssProvider*>(g_object_get_data(G_OBJECT(widget), "zel-colours"));
    if (previous) gtk_style_context_remove_provider(context, GTK_STYLE_PROVIDER(previous));
    GtkCssProvider* provider = gtk_css_provider_new();
    // The colours in every state; disabled and read-only fields keep the background (a validity colour
    // still shows) and grey their text, so that they look as what they are.
    const std::string bg = zel::ui::FormatC("#%02X%02X%02X", GetRValue(background), GetGValue(background), GetBValue(background));
    const std::string css = zel::ui::FormatC(
        "entry, entry:backdrop, entry:focus { background-color: %s; background-image: none; color: #%02X%02X%02X; }"
        "entry:disabled, entry:disabled:backdrop, entry.read-only, entry.read-only:backdrop, entry.read-only:focus "
        "{ background-color: %s; background-image: none; color: #8B8E8F; }",
        bg.c_str(), GetRValue(text), GetGValue(text), GetBValue(text), bg.c_str());
    gtk_css_provider_load_from_data(provider, css.c_str(), -1, nullptr);
    gtk_style_context_add_provider(context, GTK_STYLE_PROVIDER(provider), GTK_STYLE_PROVIDER_PRIORITY_APPLICATION + 10);
    g_object_set_data_full(G_OBJECT(widget), "zel-colours", provider, g_object_unref);
}

void MarkReadOnly(wxWindow* entry) {
    GtkWidget* widget = static_cast<GtkWidget*>(entry->GetHandle());
    if (!widget || !GTK_IS_ENTRY(widget)) return;
    // The theme draws a read-only entry as an editable one; Windows greys its background.
    static GtkCssProvider* provider = [] {
        GtkCssProvider* p = gtk_css_provider_new();
        gtk_css_provider_load_from_data(
            p, "entry.read-only, entry.read-only:focus { background-color: @insensitive_bg_color; }", -1, nullptr);
        return p;
    }();
    gtk_style_context_add_provider(gtk_widget_get_style_context(widget), GTK_STYLE_PROVIDER(provider),
                                   GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
}

void RefuseDrops(wxWindow* entry) {
    auto* widget = static_cast<GtkWidget*>(entry->GetHandle());
    if (!widget) return;
    gtk_drag_dest_unset(widget);
    // The emoji chooser inserts text past every filter.
    if (GTK_IS_ENTRY(widget)) gtk_entry_set_input_hints(GTK_ENTRY(widget), GTK_INPUT_HINT_NO_EMOJI);
}

namespace {
std::vector<ControlBinding*>& Registry() {
    static std::vector<ControlBinding*> all;
    return all;
}
}  // namespace

ControlBinding::ControlBinding(CWnd* model, CDialog* dialog) : m_model(model), m_dialog(dialog) {
    Registry().push_back(this);
}

ControlBinding::~ControlBinding() {
    auto& all = Registry();
    all.erase(std::remove(all.begin(), all.end(), this), all.end());
    if (m_model && m_model->GetObserver() == this) m_model->SetObserver(nullptr);
}

const std::vector<ControlBinding*>& ControlBinding::All() { return Registry(); }

void ControlBinding::Rebind(CWnd* model) {
    if (m_model && m_model->GetObserver() == this) m_model->SetObserver(nullptr);
    m_model = model;
    if (m_model) {
        m_model->SetObserver(this);
        MirrorAll();
    }
}

void ControlBinding::Forget() {
    if (m_model && m_model->GetObserver() == this) m_model->SetObserver(nullptr);
    m_model = nullptr;
}

void ControlBinding::OnWndChanged(CWnd& /*wnd*/, WndChange what) {
    if (!m_model || !Widget()) return;
    const bool was = m_updating;
    m_updating = true;
    Mirror(what);
    m_updating = was;
}

void ControlBinding::MirrorAll() {
    for (WndChange w : {WndChange::Style, WndChange::Items, WndChange::Text, WndChange::Selection, WndChange::Check,
                        WndChange::Enabled, WndChange::Visible, WndChange::Colors})
        OnWndChanged(*m_model, w);
}

void ControlBinding::MirrorCommon(WndChange what) {
    wxWindow* w = Widget();
    switch (what) {
    case WndChange::Enabled: w->Enable(m_model->IsWindowEnabled()); break;
    case WndChange::Visible:
        if (w->IsShown() != static_cast<bool>(m_model->IsWindowVisible())) {
            w->Show(m_model->IsWindowVisible());
            if (relayout) relayout();
        }
        break;
    case WndChange::Colors:
        if (m_model->HasColors()) {
            w->SetBackgroundColour(ToWx(m_model->GetBackgroundColor()));
            w->SetForegroundColour(ToWx(m_model->GetTextColor()));
            w->Refresh();
        }
        break;
    case WndChange::Redraw: w->Refresh(); w->Update(); break;
    case WndChange::Focus:
        if (m_model->GetFocus() == m_model && wxWindow::FindFocus() != w) w->SetFocus();
        break;
    default: break;
    }
}

void ControlBinding::Mirror(WndChange what) { MirrorCommon(what); }

void ControlBinding::BindFocus(wxWindow* w) {
    w->Bind(wxEVT_SET_FOCUS, WhileAlive([this, w](wxFocusEvent& e) {
        e.Skip();
        w->CallAfter(WhileAlive([this, w] {
            // Only if the widget still has it: a later click may have moved it on already.
            if (!m_model || m_updating) return;
            wxWindow* f = wxWindow::FindFocus();
            if (f == w || (f && f->GetParent() == w)) m_model->UserFocus();
        }));
    }));
}

void ControlBinding::UserClick() {
    if (!m_model) return;
    if (m_dialog) m_dialog->UserClickButton(m_model->GetDlgCtrlID());
    else if (auto* b = dynamic_cast<CButton*>(m_model)) b->UserClick();
}

namespace {

// --- labels, pictures, group boxes ---------------------------------------------------------------------

class LabelBinding : public ControlBinding {
public:
    LabelBinding(wxWindow* parent, CWnd* model, const ControlTemplate& t) : ControlBinding(model, nullptr) {
        long style = (t.style & tmpl::AlignRight) ? wxALIGN_RIGHT : 0;
        m_label = new wxStaticText(parent, wxID_ANY, W(model->GetWindowText()), wxDefaultPosition, wxDefaultSize, style);
        if (t.width > 0) m_label->SetMinSize(wxSize(CharsWide(m_label, t.width), -1));
    }
    wxWindow* Widget() const override { return m_label; }

protected:
    void Mirror(WndChange what) override {
        if (what == WndChange::Text) m_label->SetLabel(W(m_model->GetWindowText()));
        else MirrorCommon(what);
    }

private:
    wxStaticText* m_label;
};

class PictureBinding : public ControlBinding {
public:
    PictureBinding(wxWindow* parent, CWnd* model, const BitmapProvider& bitmaps)
        : ControlBinding(model, nullptr), m_bitmaps(bitmaps) {
        const auto* s = dynamic_cast<CStatic*>(model);
        m_picture = new wxStaticBitmap(parent, wxID_ANY, bitmaps.Get(s ? s->GetBitmap() : 0));
    }
    wxWindow* Widget() const override { return m_picture; }

protected:
    void Mirror(WndChange what) override {
        if (what == WndChange::Style) {
            if (const auto* s = dynamic_cast<CStatic*>(m_model)) m_picture->SetBitmap(m_bitmaps.Get(s->GetBitmap()));
        } else {
            MirrorCommon(what);
        }
    }

private:
    wxStaticBitmap* m_picture;
    const BitmapProvider& m_bitmaps;
};

class GroupBinding : public ControlBinding {
public:
    GroupBinding(wxWindow* parent, CWnd* model) : ControlBinding(model, nullptr) {
        m_box = new wxStaticBox(parent, wxID_ANY, W(model->GetWindowText()));
    }
    wxWindow* Widget() const override { return m_box; }

protected:
    void Mirror(WndChange what) override {
        if (what == WndChange::Text) m_box->SetLabel(W(m_model->GetWindowText()));
        else MirrorCommon(what);
    }

private:
    wxStaticBox* m_box;
};

// --- buttons -------------------------------------------------------------------------------------------

class ButtonBinding : public ControlBinding {
public:
    ButtonBinding(wxWindow* parent, CWnd* model, CDialog* dialog) : ControlBinding(model, dialog) {
        const int id = model->GetDlgCtrlID();
        m_button = new wxButton(parent, wxID_ANY, W(model->GetWindowText()));
        if (id == IDOK) m_button->SetId(wxID_OK);
        else if (id == IDCANCEL) m_button->SetId(wxID_CANCEL);
        m_button->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { UserClick(); });
        BindFocus(m_button);
    }
    wxWindow* Widget() const override { return m_button; }

protected:
    // The label as the template writes it. Under the id of OK (and of Cancel, where wx's translations are
    // installed) GTK shows its stock button, whose own mnemonic ("_OK") takes Alt+O from the dialog's
    // fields; so the button is made, and relabelled, under another id.
    void SetLabel(const wxString& label) {
        const wxWindowID id = m_button->GetId();
        m_button->SetId(wxID_ANY);
        m_button->SetLabel(label);
        m_button->SetId(id);
    }
    void Mirror(WndChange what) override {
        if (what == WndChange::Text) SetLabel(W(m_model->GetWindowText()));
        else if (what == WndChange::Style) {
            if (const auto* b = dynamic_cast<CButton*>(m_model); b && b->IsDefault()) m_button->SetDefault();
        } else MirrorCommon(what);
    }

private:
    wxButton* m_button;
};

class CheckBinding : public ControlBinding {
public:
    CheckBinding(wxWindow* parent, CWnd* model, CDialog* dialog) : ControlBinding(model, dialog) {
        m_check = new wxCheckBox(parent, wxID_ANY, W(model->GetWindowText()));
        m_check->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) {
            UserClick();
            OnWndChanged(*m_model, WndChange::Check);  // the model decides the state
        });
        BindFocus(m_check);
    }
    wxWindow* Widget() const override { return m_check; }

protected:
    void Mirror(WndChange what) override {
        if (what == WndChange::Text) m_check->SetLabel(W(m_model->GetWindowText()));
        else if (what == WndChange::Check) {
            if (const auto* b = dynamic_cast<CButton*>(m_model)) m_check->SetValue(b->GetCheck() != 0);
        } else MirrorCommon(what);
    }

private:
    wxCheckBox* m_check;
};

class RadioBinding : public ControlBinding {
public:
    RadioBinding(wxWindow* parent, CWnd* model, CDialog* dialog, bool groupStart) : ControlBinding(model, dialog) {
        m_radio = new wxRadioButton(parent, wxID_ANY, W(model->GetWindowText()), wxDefaultPosition, wxDefaultSize,
                                    groupStart ? wxRB_GROUP : 0);
        m_radio->Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) {
            UserClick();
            OnWndChanged(*m_model, WndChange::Check);
        });
        BindFocus(m_radio);
    }
    wxWindow* Widget() const override { return m_radio; }

protected:
    void Mirror(WndChange what) override {
        if (what == WndChange::Text) m_radio->SetLabel(W(m_model->GetWindowText()));
        else if (what == WndChange::Check) {
            if (const auto* b = dynamic_cast<CButton*>(m_model); b && b->GetCheck()) m_radio->SetValue(true);
        } else MirrorCommon(what);
    }

private:
    wxRadioButton* m_radio;
};

// --- edits ---------------------------------------------------------------------------------------------

class EditBinding : public ControlBinding {
public:
    EditBinding(wxWindow* parent, CWnd* model, CDialog* dialog, const ControlTemplate& t) : ControlBinding(model, dialog) {
        long style = 0;
        m_multiLine = (t.style & tmpl::MultiLine) != 0;
        if (m_multiLine) style |= wxTE_MULTILINE;
        if (t.style & tmpl::AlignRight) style |= wxTE_RIGHT;
        m_text = new wxTextCtrl(parent, wxID_ANY, W(model->GetWindowText()), wxDefaultPosition, wxDefaultSize, style);
        int chars = t.width;
        if (chars == 0) chars = t.mask.empty() ? (t.maxLength > 0 && t.maxLength < 30 ? t.maxLength + 2 : 20)
                                               : static_cast<int>(t.mask.size()) + 3;
        m_text->SetMinSize(wxSize(CharsWide(m_text, chars), (style & wxTE_MULTILINE) ? 80 : -1));
        MarkReadOnly(m_text);
        RefuseDropsIfFiltered();
        // Key presses, not character events: GTK's entries insert typed text themselves without telling
        // wx first, so a filtering edit takes each key before the entry sees it.
        m_text->Bind(wxEVT_KEY_DOWN, &EditBinding::OnKeyDown, this);
        m_text->Bind(wxEVT_KEY_UP, &EditBinding::OnKeyUp, this);
        m_text->Bind(wxEVT_TEXT, &EditBinding::OnText, this);
        m_im = gtk_im_multicontext_new();
        g_signal_connect(m_im, "commit", G_CALLBACK(OnCommit), this);
        m_text->Bind(wxEVT_SET_FOCUS, &EditBinding::OnImFocusIn, this);
        m_text->Bind(wxEVT_KILL_FOCUS, &EditBinding::OnImFocusOut, this);
        m_text->Bind(wxEVT_TEXT_PASTE, &EditBinding::OnPasteEvent, this);
        // The primary selection's paste.
        m_text->Bind(wxEVT_MIDDLE_DOWN, [this](wxMouseEvent& e) {
            if (!Filters()) e.Skip();
        });
        m_text->Bind(wxEVT_MIDDLE_UP, [this](wxMouseEvent& e) {
            if (!Filters()) e.Skip();
        });
        BindFocus(m_text);
    }
    ~EditBinding() override {
        m_text->Unbind(wxEVT_SET_FOCUS, &EditBinding::OnImFocusIn, this);
        m_text->Unbind(wxEVT_KILL_FOCUS, &EditBinding::OnImFocusOut, this);
        g_signal_handlers_disconnect_by_data(m_im, this);
        gtk_im_context_set_client_window(m_im, nullptr);
        g_object_unref(m_im);
    }
    EditBinding(const EditBinding&) = delete;
    EditBinding& operator=(const EditBinding&) = delete;
    wxWindow* Widget() const override { return m_text; }

    void MirrorAll() override {
        ControlBinding::MirrorAll();
        RefuseDropsIfFiltered();
    }

protected:
    CEdit* Edit() const { return dynamic_cast<CEdit*>(m_model); }
    bool Filters() const {
        const CEdit* e = Edit();
        return e && (e->FiltersChars() || e->IsDigitsOnly());
    }
    void RefuseDropsIfFiltered() {
        if (Filters()) RefuseDrops(m_text);
    }

    void Mirror(WndChange what) override {
        CEdit* e = Edit();
        if (!e) return MirrorCommon(what);
        switch (what) {
        case WndChange::Text:
            if (U(m_text->GetValue()) != e->GetWindowText()) m_text->ChangeValue(W(e->GetWindowText()));
            break;
        case WndChange::Selection: {
            int s = 0, end = 0;
            e->GetSel(s, end);
            long from = 0, to = 0;
            m_text->GetSelection(&from, &to);
            if (from != s || to != end) m_text->SetSelection(s, end);
            break;
        }
        case WndChange::Style:
            m_text->SetEditable(!e->IsReadOnly());
            if (!Filters() && !m_text->IsMultiLine()) m_text->SetMaxLength(static_cast<unsigned long>(e->GetLimitText() >= 30000 ? 0 : e->GetLimitText()));
            RefuseDropsIfFiltered();
            break;
        case WndChange::Colors:
        case WndChange::Redraw:
            if (const auto* c = dynamic_cast<CEditColor*>(e)) {
                const CEditColor::PaintColors p = c->CtlColor();
                ApplyEntryColours(m_text, p.background, p.text);
            } else if (e->HasColors()) {
                ApplyEntryColours(m_text, e->GetBackgroundColor(), e->GetTextColor());
            }
            m_text->Refresh();
            break;
        default: MirrorCommon(what); break;
        }
    }

    void SyncSelection() {
        long from = 0, to = 0;
        m_text->GetSelection(&from, &to);
        if (CEdit* e = Edit()) {
            const bool was = m_updating;
            m_updating = true;
            e->UserSetSel(static_cast<int>(from), static_cast<int>(to));
            m_updating = was;
        }
    }

    // A filtering edit takes each key before the entry sees it: the key goes to an input method of the
    // binding's own, which composes what the keyboard layout and its dead keys make (lower case, Shift,
    // AltGr, "´" then "a", the keypad's digits and decimal key) and hands each character to the model's
    // filter, as Windows hands the edit its composed characters. Keys that make no character (Tab, arrows,
    // Delete, Home) stay the entry's own.
    void OnKeyDown(wxKeyEvent& ev) {
        // Up and Down in a one-line field do nothing, as on Windows: GTK would move the focus by position,
        // to "Cancelar" as often as not, and the next Enter would drop what was typed.
        if (!m_multiLine && !ev.HasAnyModifiers()) {
            const int arrow = ev.GetKeyCode();
            if (arrow == WXK_UP || arrow == WXK_DOWN || arrow == WXK_NUMPAD_UP || arrow == WXK_NUMPAD_DOWN) return;
        }
        CEdit* e = Edit();
        if (!e || !Filters()) return ev.Skip();
        const int key = ev.GetKeyCode();
        // wx reports AltGr as Ctrl+Alt, as Windows does; AltGr composes characters, Ctrl and Alt do not.
        const Modifiers m = CurrentModifiers();
        const bool paste = (m.control && !m.alt && key == 'V') || (key == WXK_INSERT && ev.ShiftDown() && !m.control);
        if (paste) return Deliver([&] { e->UserPaste(ClipboardText()); });
        if (key == WXK_BACK && !m.control && !m.alt) return Deliver([&] { e->UserChar(8); });
        if (m.control || m.alt) return ev.Skip();  // copy, cut, select all; mnemonics
        if (!Compose()) ev.Skip();
    }

    void OnKeyUp(wxKeyEvent& ev) {
        if (!Filters() || !Compose()) ev.Skip();
    }

    struct Modifiers {
        bool control = false;
        bool alt = false;
    };
    static Modifiers CurrentModifiers() {
        Modifiers m;
        GdkModifierType state{};
        if (gtk_get_current_event_state(&state)) {
            m.control = (state & GDK_CONTROL_MASK) != 0;
            m.alt = (state & GDK_MOD1_MASK) != 0;
        }
        return m;
    }

    // Gives the key being dispatched to the input method; true when it took it (the characters it makes
    // come through OnCommit, now or once a dead key is followed).
    bool Compose() {
        if (!m_im) return false;
        GdkEvent* event = gtk_get_current_event();
        bool taken = false;
        if (event && (event->type == GDK_KEY_PRESS || event->type == GDK_KEY_RELEASE)) {
            if (!m_imWindow) {
                m_imWindow = gtk_widget_get_window(static_cast<GtkWidget*>(m_text->GetHandle()));
                gtk_im_context_set_client_window(m_im, m_imWindow);
            }
            taken = gtk_im_context_filter_keypress(m_im, &event->key) != FALSE;
        }
        if (event) gdk_event_free(event);
        return taken;
    }

    void OnImFocusIn(wxFocusEvent& e) {
        e.Skip();
        if (m_imWindow) gtk_im_context_focus_in(m_im);
    }

    void OnImFocusOut(wxFocusEvent& e) {
        e.Skip();
        // A dead key pressed before leaving does not carry over to the next visit.
        gtk_im_context_focus_out(m_im);
        gtk_im_context_reset(m_im);
    }

    static void OnCommit(GtkIMContext*, gchar* text, gpointer self) {
        auto* binding = static_cast<EditBinding*>(self);
        CEdit* e = binding->Edit();
        if (!e || !text) return;
        const std::string typed = text;
        binding->Deliver([&] {
            for (int i = 0; i < zel::utf8::Length(typed); ++i)
                e->UserChar(static_cast<UINT>(zel::utf8::First(zel::utf8::Sub(typed, i, 1))));
        });
    }

    // Runs the user's input on the model (with the focus and selection the user sees), then shows the
    // text and caret the model decided on.
    template <class Input>
    void Deliver(Input input) {
        if (m_model && m_model->GetFocus() != m_model) m_model->UserFocus();
        if (!Edit()) return;
        SyncSelection();
        input();
        const bool was = m_updating;
        m_updating = true;
        Mirror(WndChange::Text);
        Mirror(WndChange::Selection);
        m_updating = was;
    }

    void OnText(wxCommandEvent&) {
        if (m_updating) return;
        CEdit* e = Edit();
        if (!e) return;
        long from = 0, to = 0;
        m_text->GetSelection(&from, &to);
        const std::string now = U(m_text->GetValue());
        // A filtering edit's text only grows through its filter: the widget's own deletions (Delete key,
        // cut) are taken, any other change (an input method, a drop) is put back.
        if (Filters() && !IsDeletion(e->GetWindowText(), now)) {
            Mirror(WndChange::Text);
            Mirror(WndChange::Selection);
            return;
        }
        e->UserSetText(now, static_cast<int>(from), static_cast<int>(to));
    }

    // True when after is before with one run of characters taken out.
    static bool IsDeletion(const std::string& before, const std::string& after) {
        if (after.size() > before.size()) return false;
        std::size_t p = 0;
        while (p < after.size() && after[p] == before[p]) ++p;
        std::size_t q = 0;
        while (q < after.size() - p && after[after.size() - 1 - q] == before[before.size() - 1 - q]) ++q;
        return p + q == after.size();
    }

    void OnPasteEvent(wxClipboardTextEvent& ev) {
        CEdit* e = Edit();
        if (!e || !Filters()) return ev.Skip();
        SyncSelection();
        e->UserPaste(ClipboardText());  // the masked edit refuses; a digits-only edit takes it
        const bool was = m_updating;
        m_updating = true;
        Mirror(WndChange::Text);
        m_updating = was;
    }

    static std::string ClipboardText() {
        std::string text;
        if (wxTheClipboard->Open()) {
            wxTextDataObject data;
            if (wxTheClipboard->GetData(data)) text = U(data.GetText());
            wxTheClipboard->Close();
        }
        return text;
    }

private:
    wxTextCtrl* m_text;
    bool m_multiLine = false;
    GtkIMContext* m_im = nullptr;      // composes the characters a filtering edit gets
    GdkWindow* m_imWindow = nullptr;  // the entry's window, once it exists
};

// --- lists ---------------------------------------------------------------------------------------------

// A drop-down list (GtkComboBox). The programs fill some lists only when they gain the focus and confirm
// the choice when they lose it, so the list must take part in the focus as a Windows one does: a click or
// Tab first moves the focus to it (kill focus on the control that had it, set focus here, which may refill
// the lines), and only then does the list open or take the key. GTK's own focus is on the combo box's
// button, which wx does not watch: the binding listens there itself.
class ChoiceBinding : public ControlBinding {
public:
    ChoiceBinding(wxWindow* parent, CWnd* model, CDialog* dialog, const ControlTemplate& t) : ControlBinding(model, dialog) {
        m_choice = new wxChoice(parent, wxID_ANY);
        m_choice->SetMinSize(wxSize(CharsWide(m_choice, t.width > 0 ? t.width : 18), -1));
        m_choice->Bind(wxEVT_CHOICE, &ChoiceBinding::OnPicked, this);
        m_choice->Bind(wxEVT_KEY_DOWN, &ChoiceBinding::OnKeyDown, this);
        m_choice->Bind(wxEVT_CHAR, &ChoiceBinding::OnChar, this);
        auto* combo = static_cast<GtkWidget*>(m_choice->GetHandle());
        // GTK makes an empty list insensitive: it could then be neither clicked nor reached by Tab, and so
        // never be filled by its set-focus handler.
        gtk_combo_box_set_button_sensitivity(GTK_COMBO_BOX(combo), GTK_SENSITIVITY_ON);
        gtk_container_forall(GTK_CONTAINER(combo), FindButton, &m_button);
        if (m_button) {
            g_object_add_weak_pointer(G_OBJECT(m_button), reinterpret_cast<gpointer*>(&m_button));
            g_signal_connect(m_button, "focus-in-event", G_CALLBACK(OnButtonFocusIn), this);
            // "event" comes before the button's own press handling, which opens the list.
            g_signal_connect(m_button, "event", G_CALLBACK(OnButtonEvent), this);
        }
    }
    ~ChoiceBinding() override {
        if (m_button) {
            g_signal_handlers_disconnect_by_data(m_button, this);
            g_object_remove_weak_pointer(G_OBJECT(m_button), reinterpret_cast<gpointer*>(&m_button));
        }
    }
    wxWindow* Widget() const override { return m_choice; }
    void ProbeItems(std::vector<ProbeItem>& out) const override {
        for (unsigned i = 0; i < m_choice->GetCount(); ++i)
            out.push_back({static_cast<int>(i), U(m_choice->GetString(i)), static_cast<int>(i) == m_choice->GetSelection(), {}});
    }

protected:
    CComboBox* Combo() const { return dynamic_cast<CComboBox*>(m_model); }
    void Mirror(WndChange what) override {
        CComboBox* c = Combo();
        if (!c) return MirrorCommon(what);
        if (what == WndChange::Items) {
            m_choice->Clear();
            for (const auto& i : c->Items().items) m_choice->Append(W(i.text));
            m_choice->SetSelection(c->GetCurSel());
        } else if (what == WndChange::Selection) {
            if (m_choice->GetSelection() != c->GetCurSel()) m_choice->SetSelection(c->GetCurSel());
        } else {
            MirrorCommon(what);
        }
    }

private:
    static void FindButton(GtkWidget* w, gpointer data) {
        auto** found = static_cast<GtkWidget**>(data);
        if (*found) return;
        if (GTK_IS_TOGGLE_BUTTON(w)) *found = w;
        else if (GTK_IS_CONTAINER(w)) gtk_container_forall(GTK_CONTAINER(w), FindButton, data);
    }

    static gboolean OnButtonFocusIn(GtkWidget*, GdkEvent*, gpointer self) {
        static_cast<ChoiceBinding*>(self)->FocusArrived();
        return FALSE;
    }

    static gboolean OnButtonEvent(GtkWidget*, GdkEvent* event, gpointer self) {
        if (event->type != GDK_BUTTON_PRESS || event->button.button != 1) return FALSE;
        // Consumed when the focus handlers took the list away (disabled or hid it).
        return static_cast<ChoiceBinding*>(self)->TakeFocus() ? FALSE : TRUE;
    }

    // Focus reached the button (Tab, a mnemonic, a click): the model hears of it once GTK is done moving it.
    void FocusArrived() {
        m_choice->CallAfter(WhileAlive([this] {
            if (!m_model || m_updating || !m_button) return;
            if (gtk_widget_has_focus(m_button) && m_model->GetFocus() != m_model) m_model->UserFocus();
        }));
    }

    // The model's focus here before the list opens or takes a key; false when the list may not be used now.
    bool TakeFocus() {
        if (!m_model || m_updating) return false;
        if (m_model->GetFocus() != m_model) m_model->UserFocus();
        return m_model->IsWindowEnabled() && m_model->IsWindowVisible();
    }

    // A line chosen in the open list (or by GTK's own keys): the model takes the line the user saw, even
    // when the focus arriving only now refilled the list.
    void OnPicked(wxCommandEvent&) {
        if (m_updating || !Combo()) return;
        const int picked = m_choice->GetSelection();
        const std::string text = picked >= 0 ? U(m_choice->GetString(static_cast<unsigned>(picked))) : std::string();
        if (m_model->GetFocus() != m_model) {
            if (!TakeFocus()) return Mirror(WndChange::Selection);
        }
        const int line = Combo()->FindStringExact(-1, text);
        if (line >= 0) Combo()->UserSelect(line);
        Mirror(WndChange::Selection);
    }

    // The keys of a closed Windows drop-down list; the model decides the line.
    void OnKeyDown(wxKeyEvent& e) {
        if (!Combo()) return e.Skip();
        if (e.ControlDown()) return e.Skip();
        const int key = e.GetKeyCode();
        if (e.AltDown() || key == WXK_F4) {
            if ((key == WXK_DOWN || key == WXK_UP || key == WXK_NUMPAD_DOWN || key == WXK_NUMPAD_UP || key == WXK_F4) &&
                TakeFocus())
                gtk_combo_box_popup(GTK_COMBO_BOX(m_choice->GetHandle()));
            else
                e.Skip();
            return;
        }
        CComboBox::Move move;
        switch (key) {
        case WXK_UP: case WXK_NUMPAD_UP: case WXK_LEFT: case WXK_NUMPAD_LEFT: move = CComboBox::Move::Previous; break;
        case WXK_DOWN: case WXK_NUMPAD_DOWN: case WXK_RIGHT: case WXK_NUMPAD_RIGHT: move = CComboBox::Move::Next; break;
        case WXK_HOME: case WXK_NUMPAD_HOME: move = CComboBox::Move::First; break;
        case WXK_END: case WXK_NUMPAD_END: move = CComboBox::Move::Last; break;
        case WXK_PAGEUP: case WXK_NUMPAD_PAGEUP: move = CComboBox::Move::PageUp; break;
        case WXK_PAGEDOWN: case WXK_NUMPAD_PAGEDOWN: move = CComboBox::Move::PageDown; break;
        default: return e.Skip();
        }
        if (!TakeFocus()) return;
        Combo()->UserMove(move);
        Mirror(WndChange::Selection);
    }

    // A character typed on the closed list (as the layout composed it) picks the next line beginning with it.
    void OnChar(wxKeyEvent& e) {
        const wxChar c = e.GetUnicodeKey();
        if (!Combo() || c == WXK_NONE || c <= 32 || c == 127 || e.ControlDown() || e.AltDown()) return e.Skip();
        if (!TakeFocus()) return;
        Combo()->UserKey(static_cast<char32_t>(c));
        Mirror(WndChange::Selection);
    }

    wxChoice* m_choice;
    GtkWidget* m_button = nullptr;  // the combo box's own button, which holds GTK's focus
};

class ComboEditBinding : public ControlBinding {
public:
    ComboEditBinding(wxWindow* parent, CWnd* model, CDialog* dialog, const ControlTemplate& t)
        : ControlBinding(model, dialog) {
        m_combo = new wxComboBox(parent, wxID_ANY);
        m_combo->SetMinSize(wxSize(CharsWide(m_combo, t.width > 0 ? t.width : 18), -1));
        m_combo->Bind(wxEVT_COMBOBOX, [this](wxCommandEvent&) {
            if (m_updating || !Combo()) return;
            Combo()->UserSelect(m_combo->GetSelection());
        });
        m_combo->Bind(wxEVT_TEXT, [this](wxCommandEvent&) {
            if (m_updating || !Combo()) return;
            Combo()->UserEditText(U(m_combo->GetValue()));
        });
        BindFocus(m_combo);
    }
    wxWindow* Widget() const override { return m_combo; }
    void ProbeItems(std::vector<ProbeItem>& out) const override {
        for (unsigned i = 0; i < m_combo->GetCount(); ++i)
            out.push_back({static_cast<int>(i), U(m_combo->GetString(i)), static_cast<int>(i) == m_combo->GetSelection(), {}});
    }

protected:
    CComboBox* Combo() const { return dynamic_cast<CComboBox*>(m_model); }
    void Mirror(WndChange what) override {
        CComboBox* c = Combo();
        if (!c) return MirrorCommon(what);
        if (what == WndChange::Items) {
            m_combo->Clear();
            for (const auto& i : c->Items().items) m_combo->Append(W(i.text));
            Mirror(WndChange::Selection);
        } else if (what == WndChange::Selection || what == WndChange::Text) {
            if (c->GetCurSel() >= 0) m_combo->SetSelection(c->GetCurSel());
            if (U(m_combo->GetValue()) != c->GetWindowText()) m_combo->ChangeValue(W(c->GetWindowText()));
        } else {
            MirrorCommon(what);
        }
    }

private:
    wxComboBox* m_combo;
};

class ListBinding : public ControlBinding {
public:
    ListBinding(wxWindow* parent, CWnd* model, CDialog* dialog, const ControlTemplate& t) : ControlBinding(model, dialog) {
        m_list = new wxListBox(parent, wxID_ANY);
        if (t.style & tmpl::Monospace)
            m_list->SetFont(wxFont(wxFontInfo(m_list->GetFont().GetPointSize()).Family(wxFONTFAMILY_TELETYPE)));
        m_list->SetMinSize(wxSize(CharsWide(m_list, t.width > 0 ? t.width : 18),
                                  (t.height > 0 ? t.height : 6) * (m_list->GetCharHeight() + 8)));
        m_list->Bind(wxEVT_LISTBOX, [this](wxCommandEvent&) {
            if (m_updating || !List()) return;
            if (m_model->GetFocus() != m_model) m_model->UserFocus();
            List()->UserSelect(m_list->GetSelection());
        });
        m_list->Bind(wxEVT_LISTBOX_DCLICK, [this](wxCommandEvent&) {
            if (!m_updating && List()) List()->UserDoubleClick(m_list->GetSelection());
        });
        BindFocus(m_list);
    }
    wxWindow* Widget() const override { return m_list; }
    void ProbeItems(std::vector<ProbeItem>& out) const override {
        for (unsigned i = 0; i < m_list->GetCount(); ++i)
            out.push_back({static_cast<int>(i), U(m_list->GetString(i)), m_list->IsSelected(static_cast<int>(i)), {}});
    }

protected:
    CListBox* List() const { return dynamic_cast<CListBox*>(m_model); }
    void Mirror(WndChange what) override {
        CListBox* l = List();
        if (!l) return MirrorCommon(what);
        if (what == WndChange::Items) {
            m_list->Clear();
            for (const auto& i : l->Items().items) m_list->Append(W(i.text));
            Mirror(WndChange::Selection);
        } else if (what == WndChange::Selection) {
            if (l->GetCurSel() >= 0) m_list->SetSelection(l->GetCurSel());
            else if (m_list->GetSelection() != wxNOT_FOUND) m_list->SetSelection(wxNOT_FOUND);
        } else {
            MirrorCommon(what);
        }
    }

private:
    wxListBox* m_list;
};

// --- grid ----------------------------------------------------------------------------------------------

class GridBinding : public ControlBinding {
public:
    GridBinding(wxWindow* parent, CWnd* model, CDialog* dialog, const ControlTemplate& t) : ControlBinding(model, dialog) {
        m_grid = new wxGrid(parent, wxID_ANY);
        m_grid->CreateGrid(0, 0);
        m_grid->EnableEditing(false);
        m_grid->SetRowLabelSize(0);
        m_grid->EnableDragRowSize(false);
        m_grid->SetSelectionMode(wxGrid::wxGridSelectRows);
        // The current line in the theme's selection colours, focused or not (wx greys it otherwise).
        m_grid->SetSelectionBackground(wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHT));
        m_grid->SetSelectionForeground(wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHTTEXT));
        m_grid->SetMinSize(wxSize(t.width > 0 ? t.width : 480, t.height > 0 ? t.height : 160));
        m_grid->Bind(wxEVT_GRID_SELECT_CELL, [this](wxGridEvent& e) {
            e.Skip();
            if (m_updating || !Grid()) return;
            if (m_model->GetFocus() != m_model) m_model->UserFocus();
            Grid()->UserClickCell(e.GetRow() + Grid()->GetFixedRows(), e.GetCol());
        });
        m_grid->Bind(wxEVT_GRID_CELL_LEFT_DCLICK, [this](wxGridEvent& e) {
            if (!m_updating && Grid()) Grid()->UserDoubleClickCell(e.GetRow() + Grid()->GetFixedRows(), e.GetCol());
        });
        BindFocus(m_grid->GetGridWindow());
    }
    wxWindow* Widget() const override { return m_grid; }

protected:
    CMSFlexGrid* Grid() const { return dynamic_cast<CMSFlexGrid*>(m_model); }
    void Mirror(WndChange what) override {
        CMSFlexGrid* g = Grid();
        if (!g) return MirrorCommon(what);
        if (what == WndChange::Items || what == WndChange::Style) {
            const int fixed = static_cast<int>(g->GetFixedRows());
            const int rows = static_cast<int>(g->GetRows()) - fixed;
            const int cols = static_cast<int>(g->GetCols());
            if (m_grid->GetNumberCols() < cols) m_grid->AppendCols(cols - m_grid->GetNumberCols());
            if (m_grid->GetNumberCols() > cols) m_grid->DeleteCols(cols, m_grid->GetNumberCols() - cols);
            if (m_grid->GetNumberRows() < rows) m_grid->AppendRows(rows - m_grid->GetNumberRows());
            if (m_grid->GetNumberRows() > rows) m_grid->DeleteRows(rows, m_grid->GetNumberRows() - rows);
            m_grid->SetColLabelSize(fixed > 0 ? m_grid->GetDefaultRowSize() + 4 : 0);
            wxClientDC dc(m_grid);
            dc.SetFont(m_grid->GetLabelFont());
            int total = 0;
            for (int c = 0; c < cols; ++c) {
                m_grid->SetColLabelValue(c, fixed > 0 ? W(g->GetTextMatrix(0, c)) : wxString());
                // Twips at 96 dots per inch, widened to the header when this font needs more.
                const int header = fixed > 0 ? dc.GetTextExtent(W(g->GetTextMatrix(0, c))).GetWidth() + 12 : 0;
                m_grid->SetColSize(c, std::max(static_cast<int>(g->GetColWidth(c) / 15), header));
                total += m_grid->GetColSize(c);
                for (int r = 0; r < rows; ++r) m_grid->SetCellValue(r, c, W(g->GetTextMatrix(r + fixed, c)));
            }
            // Every column in sight, as the resource's grid showed them.
            if (total + 4 > m_grid->GetMinSize().x) {
                m_grid->SetMinSize(wxSize(total + 4, m_grid->GetMinSize().y));
                if (relayout) relayout();
            }
            Mirror(WndChange::Selection);
        } else if (what == WndChange::Selection) {
            const int r = static_cast<int>(g->GetRow() - g->GetFixedRows());
            if (r >= 0 && r < m_grid->GetNumberRows() && g->GetCol() < m_grid->GetNumberCols()) {
                m_grid->SetGridCursor(r, static_cast<int>(g->GetCol()));
                m_grid->SelectRow(r);
            }
        } else {
            MirrorCommon(what);
        }
    }

private:
    wxGrid* m_grid;
};

// --- tree ----------------------------------------------------------------------------------------------

class ItemData : public wxTreeItemData {
public:
    explicit ItemData(HTREEITEM h) : item(h) {}
    HTREEITEM item;
};

class TreeBinding : public ControlBinding {
public:
    TreeBinding(wxWindow* parent, CTreeCtrl* model, CDialog* dialog, const BitmapProvider& bitmaps, wxSize minSize)
        : ControlBinding(model, dialog), m_bitmaps(bitmaps) {
        m_tree = new wxTreeCtrl(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                wxTR_HAS_BUTTONS | wxTR_LINES_AT_ROOT | wxTR_HIDE_ROOT | wxTR_SINGLE);
        if (minSize.x > 0) m_tree->SetMinSize(minSize);
        m_tree->Bind(wxEVT_TREE_SEL_CHANGED, WhileAlive([this](wxTreeEvent& e) {
            if (m_updating || !Tree()) return;
            if (HTREEITEM h = Handle(e.GetItem())) Tree()->UserSelect(h);
        }));
        m_tree->Bind(wxEVT_TREE_ITEM_ACTIVATED, WhileAlive([this](wxTreeEvent& e) {
            if (m_updating || !Tree()) return;
            if (HTREEITEM h = Handle(e.GetItem())) Tree()->UserDoubleClick(h);
        }));
        m_tree->Bind(wxEVT_TREE_ITEM_EXPANDED, WhileAlive([this](wxTreeEvent& e) { Expanded(e, true); }));
        m_tree->Bind(wxEVT_TREE_ITEM_COLLAPSED, WhileAlive([this](wxTreeEvent& e) { Expanded(e, false); }));
        m_tree->Bind(wxEVT_CONTEXT_MENU, WhileAlive([this](wxContextMenuEvent& e) {
            if (!Tree()) return;
            wxPoint p = e.GetPosition();
            if (p == wxDefaultPosition) p = m_tree->ClientToScreen(wxPoint(20, 20));
            // Later: the popup must not run inside GTK's button handling.
            m_tree->CallAfter(WhileAlive([this, p] {
                if (Tree()) Tree()->UserRightClick({p.x, p.y});
            }));
        }));
        // Item changes that came while the code ran are shown once it is done.
        m_tree->Bind(wxEVT_IDLE, WhileAlive([this](wxIdleEvent& e) {
            SyncIfStale();
            e.Skip();
        }));
        BindFocus(m_tree);
    }
    wxWindow* Widget() const override { return m_tree; }
    void ProbeItems(std::vector<ProbeItem>& out) const override {
        // A probe reads the tree the code has made, even before the next idle time shows it.
        const_cast<TreeBinding*>(this)->SyncIfStale();
        const wxTreeItemId root = m_tree->GetRootItem();
        if (root.IsOk()) ProbeChildren(root, out);
    }

protected:
    CTreeCtrl* Tree() const { return dynamic_cast<CTreeCtrl*>(m_model); }
    HTREEITEM Handle(const wxTreeItemId& id) const {
        if (!id.IsOk()) return nullptr;
        auto* d = dynamic_cast<ItemData*>(m_tree->GetItemData(id));
        return d ? d->item : nullptr;
    }
    void Expanded(wxTreeEvent& e, bool expanded) {
        if (m_updating || !Tree()) return;
        if (HTREEITEM h = Handle(e.GetItem())) Tree()->UserExpand(h, expanded);
    }

    void Mirror(WndChange what) override {
        CTreeCtrl* t = Tree();
        if (!t) return MirrorCommon(what);
        if (what == WndChange::Style) {
            CImageList* list = t->GetImageList(TVSIL_NORMAL);
            if (list && list->GetBitmapId() != m_imageBitmap) {
                m_imageBitmap = list->GetBitmapId();
                const int cx = list->GetImageWidth();
                wxBitmap strip = m_bitmaps.TreeImages(m_imageBitmap, cx);
                auto* images = new wxImageList(cx, strip.GetHeight(), true);
                wxImage img = strip.ConvertToImage();
                if (!img.HasAlpha()) {
                    const COLORREF m = list->GetMaskColor();
                    img.SetMaskColour(static_cast<unsigned char>(GetRValue(m)), static_cast<unsigned char>(GetGValue(m)),
                                      static_cast<unsigned char>(GetBValue(m)));
                }
                for (int x = 0; x + cx <= strip.GetWidth(); x += cx) images->Add(wxBitmap(img.GetSubImage(wxRect(x, 0, cx, strip.GetHeight()))));
                m_tree->AssignImageList(images);
            }
            Sync();
        } else if (what == WndChange::Items) {
            // The model says only that its items changed. Following each change at once costs a walk of the
            // whole tree per inserted item (a large project loads ten thousand): the widget follows once,
            // at the next idle time or when a selection needs the items.
            m_stale = true;
        } else if (what == WndChange::Selection) {
            if (m_stale) Sync();
            const auto it = m_ids.find(t->GetSelectedItem());
            if (it != m_ids.end()) {
                m_tree->SelectItem(it->second);
                m_tree->EnsureVisible(it->second);
            } else {
                m_tree->UnselectAll();
            }
        } else {
            MirrorCommon(what);
        }
    }

    // The lines in sight, in the order they show (a collapsed item's children are not).
    void ProbeChildren(const wxTreeItemId& parent, std::vector<ProbeItem>& out) const {
        wxTreeItemIdValue cookie;
        for (wxTreeItemId id = m_tree->GetFirstChild(parent, cookie); id.IsOk(); id = m_tree->GetNextChild(parent, cookie)) {
            wxRect r;
            if (m_tree->GetBoundingRect(id, r, true)) r.SetPosition(m_tree->ClientToScreen(r.GetPosition()));
            out.push_back({static_cast<int>(out.size()), U(m_tree->GetItemText(id)), m_tree->IsSelected(id), r});
            if (m_tree->IsExpanded(id)) ProbeChildren(id, out);
        }
    }

    void SyncIfStale() {
        if (!m_stale || !Tree()) return;
        const bool was = m_updating;
        m_updating = true;
        Sync();
        m_updating = was;
    }

    // Brings the widget in line with the model: items matched by the model item they show, in order, kept
    // with their widget state; missing ones inserted, gone ones deleted, texts, images and the expanded
    // state refreshed. One walk of both trees, whatever changed.
    void Sync() {
        CTreeCtrl* t = Tree();
        m_stale = false;
        if (!t) return;
        m_tree->Freeze();
        m_ids.clear();
        wxTreeItemId root = m_tree->GetRootItem();
        if (!root.IsOk()) root = m_tree->AddRoot("");
        SyncChildren(root, t->Roots());
        const auto it = m_ids.find(t->GetSelectedItem());
        if (it != m_ids.end()) {
            if (m_tree->GetSelection() != it->second) m_tree->SelectItem(it->second);
        } else if (m_tree->GetSelection().IsOk()) {
            m_tree->UnselectAll();
        }
        m_tree->Thaw();
    }

    void SyncChildren(const wxTreeItemId& parent, const std::list<std::unique_ptr<TreeItem>>& items) {
        std::vector<wxTreeItemId> shown;
        wxTreeItemIdValue cookie;
        for (wxTreeItemId c = m_tree->GetFirstChild(parent, cookie); c.IsOk(); c = m_tree->GetNextChild(parent, cookie))
            shown.push_back(c);
        std::unordered_map<HTREEITEM, std::size_t> where;
        for (std::size_t i = 0; i < shown.size(); ++i) where.emplace(Handle(shown[i]), i);

        std::size_t next = 0;  // the first widget item not yet matched
        wxTreeItemId previous;
        for (const auto& item : items) {
            wxTreeItemId id;
            const auto found = where.find(item.get());
            if (found != where.end() && found->second >= next) {
                // Items in between belong to model items that are gone.
                for (; next < found->second; ++next) m_tree->Delete(shown[next]);
                id = shown[next++];
                Refresh(id, *item);
            } else {
                const int image = Images() ? item->image : -1;
                const int selected = Images() ? item->selectedImage : -1;
                id = previous.IsOk() ? m_tree->InsertItem(parent, previous, W(item->text), image, selected, new ItemData(item.get()))
                                     : m_tree->PrependItem(parent, W(item->text), image, selected, new ItemData(item.get()));
            }
            m_ids[item.get()] = id;
            SyncChildren(id, item->children);
            if (item->expanded && !item->children.empty()) {
                if (!m_tree->IsExpanded(id)) m_tree->Expand(id);
            } else if (m_tree->IsExpanded(id)) {
                m_tree->Collapse(id);
            }
            previous = id;
        }
        for (; next < shown.size(); ++next) m_tree->Delete(shown[next]);
    }

    bool Images() const { return m_tree->GetImageList() != nullptr; }

    void Refresh(const wxTreeItemId& id, const TreeItem& item) {
        const wxString text = W(item.text);
        if (m_tree->GetItemText(id) != text) m_tree->SetItemText(id, text);
        const int image = Images() ? item.image : -1;
        const int selected = Images() ? item.selectedImage : -1;
        if (m_tree->GetItemImage(id, wxTreeItemIcon_Normal) != image) m_tree->SetItemImage(id, image, wxTreeItemIcon_Normal);
        if (m_tree->GetItemImage(id, wxTreeItemIcon_Selected) != selected)
            m_tree->SetItemImage(id, selected, wxTreeItemIcon_Selected);
    }

private:
    wxTreeCtrl* m_tree;
    const BitmapProvider& m_bitmaps;
    int m_imageBitmap = 0;
    bool m_stale = false;
    std::unordered_map<HTREEITEM, wxTreeItemId> m_ids;
};

}  // namespace

std::unique_ptr<ControlBinding> MakeBinding(wxWindow* parent, CWnd* model, CDialog* dialog, const ControlTemplate& t,
                                            const BitmapProvider& bitmaps) {
    std::unique_ptr<ControlBinding> b;
    switch (t.kind) {
    case ControlKind::Static: b = std::make_unique<LabelBinding>(parent, model, t); break;
    case ControlKind::Picture: b = std::make_unique<PictureBinding>(parent, model, bitmaps); break;
    case ControlKind::GroupBox: b = std::make_unique<GroupBinding>(parent, model); break;
    case ControlKind::PushButton: b = std::make_unique<ButtonBinding>(parent, model, dialog); break;
    case ControlKind::CheckBox: b = std::make_unique<CheckBinding>(parent, model, dialog); break;
    case ControlKind::RadioButton: {
        const auto* btn = dynamic_cast<CButton*>(model);
        b = std::make_unique<RadioBinding>(parent, model, dialog, btn && btn->StartsGroup());
        break;
    }
    case ControlKind::Edit: b = std::make_unique<EditBinding>(parent, model, dialog, t); break;
    case ControlKind::ComboBox:
        if (t.style & tmpl::DropDown) b = std::make_unique<ComboEditBinding>(parent, model, dialog, t);
        else b = std::make_unique<ChoiceBinding>(parent, model, dialog, t);
        break;
    case ControlKind::ListBox: b = std::make_unique<ListBinding>(parent, model, dialog, t); break;
    case ControlKind::Grid: b = std::make_unique<GridBinding>(parent, model, dialog, t); break;
    case ControlKind::Tree:
        b = std::make_unique<TreeBinding>(parent, dynamic_cast<CTreeCtrl*>(model), dialog, bitmaps,
                                          wxSize(t.width > 0 ? t.width : 240, t.height > 0 ? t.height : 160));
        break;
    case ControlKind::Window:
    case ControlKind::Dialog: b = std::make_unique<LabelBinding>(parent, model, t); break;
    }
    model->SetObserver(b.get());
    b->MirrorAll();
    return b;
}

std::unique_ptr<ControlBinding> MakeTreeBinding(wxWindow* parent, CTreeCtrl* model, const BitmapProvider& bitmaps) {
    auto b = std::make_unique<TreeBinding>(parent, model, nullptr, bitmaps, wxSize(-1, -1));
    model->SetObserver(b.get());
    b->MirrorAll();
    return b;
}

}  // namespace zel::wx
