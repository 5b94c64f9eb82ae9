#pragma once
// The report preview window: the pages of one report run drawn by the report layer, with page navigation
// and zoom, closed by the user or by the job's next run. WxReportPreviewHost is what the programs register
// with the PrinterService so that report jobs can show their previews.

#include "ReportPreviewHost.h"

#include <wx/bitmap.h>
#include <wx/frame.h>

#include <map>
#include <memory>
#include <set>

class wxChoice;
class wxScrolledWindow;
class wxStaticText;
class wxButton;
class wxWindowDestroyEvent;

class ReportPreviewFrame : public wxFrame {
public:
    // zoom 0 fits the page's width to the window.
    ReportPreviewFrame(wxWindow* parent, std::shared_ptr<const RenderedReport> report, const PreviewRequest& request);

    int CurrentPage() const { return m_page; }  // 0-based
    int PageCount() const { return m_report->PageCount(); }
    double Zoom() const { return m_zoom; }      // 1.0 is the page's real size on a 96 dpi screen
    void GoToPage(int page);
    void SetZoom(double zoom);
    void FitWidth();
    void FitPage();

private:
    void BuildToolbar(wxWindow* panel, wxSizer* sizer);
    void Refresh_();
    void OnPaintCanvas(wxPaintEvent& event);
    void OnCanvasSize(wxSizeEvent& event);
    void OnKey(wxKeyEvent& event);
    void OnZoomChoice(wxCommandEvent& event);
    void OnWheel(wxMouseEvent& event);
    const wxBitmap& PageBitmap();
    double PixelsPerPoint() const;
    void UpdateScroll();

    std::shared_ptr<const RenderedReport> m_report;
    int m_page = 0;
    double m_zoom = 1.0;
    enum class Fit { none, width, page } m_fit = Fit::width;
    wxScrolledWindow* m_canvas = nullptr;
    wxStaticText* m_pageLabel = nullptr;
    wxChoice* m_zoomChoice = nullptr;
    wxButton* m_first = nullptr;
    wxButton* m_previous = nullptr;
    wxButton* m_next = nullptr;
    wxButton* m_last = nullptr;
    wxBitmap m_bitmap;
    int m_bitmapPage = -1;
    double m_bitmapScale = 0;
};

class WxReportPreviewHost : public IReportPreviewHost {
public:
    WxReportPreviewHost() = default;
    ~WxReportPreviewHost() override;
    WxReportPreviewHost(const WxReportPreviewHost&) = delete;
    WxReportPreviewHost& operator=(const WxReportPreviewHost&) = delete;

    ReportWindowHandle Show(std::shared_ptr<const RenderedReport> report, const PreviewRequest& request) override;
    bool IsOpen(ReportWindowHandle window) const override;
    void Close(ReportWindowHandle window) override;

    ReportPreviewFrame* Frame(ReportWindowHandle window) const;

private:
    void OnFrameDestroyed(wxWindowDestroyEvent& event);

    std::set<ReportPreviewFrame*> m_open;
};

// The pixels of a page as a bitmap for the screen.
wxBitmap PageImageToBitmap(const PageImage& image);
