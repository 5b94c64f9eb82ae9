#pragma once
// One real widget per control model. A binding creates the widget, mirrors every change of the model into
// it, and hands the user's events to the model (which decides what the code sees).

#include "Dialog.h"
#include "WxBitmaps.h"

#include <wx/window.h>

#include <memory>
#include <string>
#include <vector>

class wxTreeCtrl;

namespace zel::wx {

// A line of a list, combo box or tree as the test probe shows it; the rectangle (screen pixels) is empty
// when the widget does not tell where its lines are.
struct ProbeItem {
    int index = 0;
    std::string text;
    bool selected = false;
    wxRect rect;
};

class ControlBinding : public IWndObserver {
public:
    ControlBinding(CWnd* model, CDialog* dialog);
    ~ControlBinding() override;
    ControlBinding(const ControlBinding&) = delete;
    ControlBinding& operator=(const ControlBinding&) = delete;

    virtual wxWindow* Widget() const = 0;
    CWnd* Model() const { return m_model; }
    // A dialog member took the control over: mirror it from now on.
    void Rebind(CWnd* model);
    // The model went away (the dialog's window ended): stop talking to it.
    void Forget();
    void OnWndChanged(CWnd& wnd, WndChange what) override;
    // Everything at once (after creation or a rebind).
    virtual void MirrorAll();
    // Called when a change of visibility needs the layout redone.
    std::function<void()> relayout;
    // The lines the widget shows, for the test probe.
    virtual void ProbeItems(std::vector<ProbeItem>& /*out*/) const {}
    // Every binding alive, oldest first (the test probe walks them).
    static const std::vector<ControlBinding*>& All();

protected:
    virtual void Mirror(WndChange what);
    void MirrorCommon(WndChange what);
    // Hands the focus to the model once the event has settled (focus events come mid-way in GTK's own
    // handling; a handler must not run from inside them).
    void BindFocus(wxWindow* w);
    void UserClick();

    // A handler or deferred call that runs only while the binding lives: a view's widget outlives its binding
    // until the frame that holds it is destroyed at idle time, and pending calls then still reach it.
    template <class F>
    auto WhileAlive(F f) const {
        return [alive = std::weak_ptr<const int>(m_alive), f = std::move(f)](auto&&... args) {
            if (!alive.expired()) f(std::forward<decltype(args)>(args)...);
        };
    }

    CWnd* m_model;
    CDialog* m_dialog;
    bool m_updating = false;  // the widget is being set from the model: its events are not the user's

private:
    std::shared_ptr<const int> m_alive = std::make_shared<const int>(0);
};

// The widget for a template's control, under parent; bitmaps for pictures and tree images.
std::unique_ptr<ControlBinding> MakeBinding(wxWindow* parent, CWnd* model, CDialog* dialog, const ControlTemplate& t,
                                            const BitmapProvider& bitmaps);
// A tree widget for a tree model held by a view.
std::unique_ptr<ControlBinding> MakeTreeBinding(wxWindow* parent, CTreeCtrl* model, const BitmapProvider& bitmaps);

// The CSS that keeps an entry's colours in every state (GTK themes ignore the background of disabled or
// read-only entries otherwise).
void ApplyEntryColours(wxWindow* entry, COLORREF background, COLORREF text);
// Greys the background of an entry while it is read-only.
void MarkReadOnly(wxWindow* entry);
// Stops an entry from taking drops (text dragged onto it).
void RefuseDrops(wxWindow* entry);

wxColour ToWx(COLORREF c);

// wx refuses menu and tool ids from 0x7FFF up, where the programs' commands (32771...) and the
// framework's (57600...) lie: they move down by 30000 on the way in and back on the way out.
constexpr int ToWxId(int commandId) { return commandId >= 30000 ? commandId - 30000 : commandId; }
constexpr int FromWxId(int wxId) { return (wxId >= 1000 && wxId < 30000 && wxId + 30000 >= 32768) ? wxId + 30000 : wxId; }

}  // namespace zel::wx
