#pragma once
// A dialog window built from its template with sizers: a grid of rows (group boxes hold their own grid),
// the button row at the bottom in the platform's order.

#include "WxControls.h"

#include <wx/dialog.h>

#include <map>
#include <memory>
#include <vector>

namespace zel::wx {

class WxDialog : public wxDialog, public IWndObserver {
public:
    WxDialog(wxWindow* parent, CDialog& model, const BitmapProvider& bitmaps);
    ~WxDialog() override;

    CDialog& Model() { return m_model; }
    // Sizes the window to its controls (after OnInitDialog), centred on its parent.
    void FinishLayout();
    void OnWndChanged(CWnd& wnd, WndChange what) override;
    // Stops all talk with the model (a modeless window whose model ends before the window is gone).
    void Detach();
    // The widget of a control id (the smoke test and screenshots look at them).
    wxWindow* WidgetOf(int id) const;

private:
    wxSizer* BuildGrid(wxWindow* parent, int groupId);
    void Relayout();
    void OnCharHook(wxKeyEvent& e);

    CDialog& m_model;
    const BitmapProvider& m_bitmaps;
    std::vector<std::unique_ptr<ControlBinding>> m_bindings;  // in template order
    bool m_laidOut = false;
    bool m_detached = false;
};

}  // namespace zel::wx
