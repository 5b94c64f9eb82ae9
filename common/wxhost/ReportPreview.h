#pragma once
// The report preview window: the pages of one report run drawn by the report layer, with page navigation
// and zoom, printing on a CUPS printer and saving as PDF; closed by the user or by the job's next run.
// WxReportPreviewHost is what the programs register with the PrinterService so that report jobs can show
// their previews and ask where a PDF goes.

#include "ReportPreviewHost.h"

#include <wx/bitmap.h>
#include <wx/frame.h>

#include <functional>
#include <map>
#include <memory>
#include <set>

class wxChoice;
class wxScrolledWindow;
class wxStaticText;
class wxButton;
class wxWindowDestroyEvent;

class WxReportPreviewHost;

class ReportPreviewFrame : public wxFrame {
public:
    // Opens at the page's width. The host gives the window's size and the PDF file chooser; null in a frame
    // of its own.
    ReportPreviewFrame(wxWindow* parent, std::shared_ptr<const RenderedReport> report, const PreviewRequest& request,
                       WxReportPreviewHost* host = nullptr);

    int CurrentPage() const { return m_page; }  // 0-based
    int PageCount() const { return m_report->PageCount(); }
    double Zoom() const { return m_zoom; }      // 1.0 is the page's real size on a 96 dpi screen
    void GoToPage(int page);
    void SetZoom(double zoom);
    void FitWidth();
    void FitPage();
    // "Imprimir…": the print options, then the CUPS printer. "Salvar PDF…": the file chooser, then the file.
    void Print();
    void SavePdf();
    // The size the window has when not maximized.
    wxSize NormalSize() const { return m_normalSize; }
    bool ShownMaximized() const;
    wxButton* PrintButton() const { return m_print; }
    wxButton* SaveButton() const { return m_save; }
    // Enables "Imprimir…" while CUPS has a printer, and says why not in its tooltip.
    void UpdatePrintButton();

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
    WxReportPreviewHost* m_host;
    wxSize m_normalSize;
    int m_page = 0;
    double m_zoom = 1.0;
    enum class Fit { none, width, page } m_fit = Fit::width;
    wxScrolledWindow* m_canvas = nullptr;
    wxStaticText* m_pageLabel = nullptr;
    wxChoice* m_zoomChoice = nullptr;
    wxStaticText* m_zoomLabel = nullptr;  // the zoom in per cent, whether a listed one or not
    wxButton* m_print = nullptr;
    wxButton* m_save = nullptr;
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
    // A file chooser over the active window.
    bool ChoosePdfPath(const std::string& suggestedName, std::string& path) override;
    // The same over parent; it starts in the folder of the last PDF saved in this run.
    bool ChoosePdfPath(wxWindow* parent, const std::string& suggestedName, std::string& path);

    ReportPreviewFrame* Frame(ReportWindowHandle window) const;

    // The program's owner of dialogs and message boxes (the main window): set to a preview while it asks or
    // tells the user something, so that it comes over the preview. Takes the new owner, returns the old one.
    std::function<wxWindow*(wxWindow*)> exchangeDialogOwner;

    // The size the next preview opens with: the last one's, once one has closed in this run.
    bool HasRememberedSize() const { return m_remembered; }
    wxSize RememberedSize() const { return m_size; }
    bool RememberedMaximized() const { return m_maximized; }

private:
    void OnFrameDestroyed(wxWindowDestroyEvent& event);
    void Remember(const ReportPreviewFrame& frame);

    std::set<ReportPreviewFrame*> m_open;    // shown and not closed
    // Not destroyed yet, each with the object its destroy event names (taken while the frame was whole: by the
    // time that event comes, the frame is no longer a ReportPreviewFrame to cast to).
    std::map<ReportPreviewFrame*, const wxObject*> m_frames;
    bool m_remembered = false;
    wxSize m_size;
    bool m_maximized = false;
    std::string m_folder;
};

// The pixels of a page as a bitmap for the screen.
wxBitmap PageImageToBitmap(const PageImage& image);
