#pragma once
// Frames on screen: the main frame (multiple documents as GTK tabs, or one document) with its menu bar,
// tool bar and status bar mirrored from the frame model; child frames holding their view's widget. The main
// frame keeps out of the banner's strip.

#include "Frame.h"
#include "WxControls.h"

#include <wx/frame.h>

#include <map>
#include <memory>
#include <string>

class wxMDIChildFrame;

namespace zel::wx {

class WxHost;

class WxFrameHost : public IWndObserver {
public:
    // Makes the window for a frame model whose LoadFrame has run; shows it maximized when asked.
    WxFrameHost(CFrameWnd& model, WxHost& host, const std::string& title);
    ~WxFrameHost() override;
    WxFrameHost(const WxFrameHost&) = delete;
    WxFrameHost& operator=(const WxFrameHost&) = delete;

    wxFrame* Frame() const { return m_frame; }
    // Multiple documents: a child frame model and its view (a tree view's tree is shown) as a page;
    // activating it as the framework does (ActivateFrame) comes after.
    wxWindow* AddChild(CMDIChildWnd& child, const std::string& title);
    void RemoveChild(CMDIChildWnd& child);
    // One document: the view fills the frame.
    wxWindow* SetView(CView& view);

    void OnWndChanged(CWnd& wnd, WndChange what) override;
    // The menu bar again (the active child's document menu changed).
    void RebuildMenuBar();

private:
    wxWindow* ViewWidget(wxWindow* parent, CView& view);
    void BuildToolBar();
    void BuildStatusBar();
    void MirrorToolBar();
    void MirrorStatusBar();
    void MirrorMenuStates();
    // Inside the part of the screen the host leaves to the main window (out of the banner's strip);
    // maximized there when the model says so.
    void FitIntoArea();
    void OnCharHook(wxKeyEvent& e);

    CFrameWnd& m_model;
    WxHost& m_host;
    wxFrame* m_frame = nullptr;
    std::map<CMDIChildWnd*, wxMDIChildFrame*> m_children;
    std::vector<std::unique_ptr<ControlBinding>> m_views;
    CMenu* m_shownMenu = nullptr;
};

}  // namespace zel::wx
