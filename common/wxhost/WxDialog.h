#pragma once
// A dialog window built from its template with sizers: a grid of rows (group boxes hold their own grid),
// the button row at the bottom in the platform's order. A row whose controls are all hidden takes no room;
// a label or list is never narrower than its text (up to a limit), and the window follows both.

#include "WxControls.h"

#include <wx/dialog.h>

#include <functional>
#include <map>
#include <memory>
#include <vector>

class wxGridBagSizer;

namespace zel::wx {

class WxDialog : public wxDialog, public IWndObserver {
public:
    WxDialog(wxWindow* parent, CDialog& model, const BitmapProvider& bitmaps);
    ~WxDialog() override;

    CDialog& Model() { return m_model; }
    // Sizes the window to its controls (after OnInitDialog), centred on its parent.
    void FinishLayout();
    // The program's banner (a strip of the screen of its own).
    bool IsBanner() const { return m_banner; }
    // Called after the window was moved, shown or hidden by its model.
    std::function<void()> onPlaced;
    void OnWndChanged(CWnd& wnd, WndChange what) override;
    // Stops all talk with the model (a modeless window whose model ends before the window is gone).
    void Detach();
    // The widget of a control id (the smoke test and screenshots look at them).
    wxWindow* WidgetOf(int id) const;

private:
    wxGridBagSizer* BuildGrid(int groupId);
    void PlaceGroupsInTabOrder();
    void Relayout();
    // Gives every label, button and list the width its text needs; true when one changed.
    bool WidenWhereCut();
    void Placed();
    void OnCharHook(wxKeyEvent& e);
    // A press of a mouse button that no widget took: GTK gives a modal window the presses on its
    // disabled widgets.
    static int OnButtonPress(void* widget, void* event, void* self);
    void ClickedAt(int xRoot, int yRoot);

    CDialog& m_model;
    const BitmapProvider& m_bitmaps;
    std::vector<std::unique_ptr<ControlBinding>> m_bindings;  // in template order
    const bool m_banner;
    const bool m_fixedSize;
    bool m_laidOut = false;
    bool m_detached = false;
};

}  // namespace zel::wx
