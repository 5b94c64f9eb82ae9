#include "ReportPreview.h"

#include <wx/app.h>
#include <wx/button.h>
#include <wx/choice.h>
#include <wx/dcbuffer.h>
#include <wx/image.h>
#include <wx/panel.h>
#include <wx/scrolwin.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

constexpr int kMargin = 16;  // pixels around the page
constexpr unsigned long kMaximize = 0x01000000UL;

const struct {
    const char* label;
    double zoom;  // 0: fit width, -1: fit page
} kZooms[] = {{"Largura da página", 0}, {"Página inteira", -1}, {"50%", 0.5},  {"75%", 0.75},
              {"100%", 1.0},            {"125%", 1.25},         {"150%", 1.5}, {"200%", 2.0}};

wxString U(const char* s) { return wxString::FromUTF8(s); }

}  // namespace

wxBitmap PageImageToBitmap(const PageImage& image)
{
    wxImage out(image.width, image.height, false);
    unsigned char* rgb = out.GetData();
    for (int y = 0; y < image.height; ++y) {
        const unsigned char* row = image.data.data() + static_cast<size_t>(y) * static_cast<size_t>(image.stride);
        for (int x = 0; x < image.width; ++x) {
            std::uint32_t pixel;
            std::memcpy(&pixel, row + 4 * x, 4);  // cairo RGB24: 0x00RRGGBB in native order
            *rgb++ = static_cast<unsigned char>((pixel >> 16) & 0xFF);
            *rgb++ = static_cast<unsigned char>((pixel >> 8) & 0xFF);
            *rgb++ = static_cast<unsigned char>(pixel & 0xFF);
        }
    }
    return wxBitmap(out);
}

ReportPreviewFrame::ReportPreviewFrame(wxWindow* parent, std::shared_ptr<const RenderedReport> report,
                                       const PreviewRequest& request)
    : wxFrame(parent, wxID_ANY, wxString::FromUTF8(request.title.empty() ? report->Title() : request.title),
              request.width > 0 ? wxPoint(request.left, request.top) : wxDefaultPosition,
              request.width > 0 && request.height > 0 ? wxSize(std::max(request.width, 640), std::max(request.height, 480))
                                                      : wxSize(960, 760)),
      m_report(std::move(report))
{
    auto* panel = new wxPanel(this);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    BuildToolbar(panel, sizer);
    m_canvas = new wxScrolledWindow(panel, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxHSCROLL | wxVSCROLL | wxWANTS_CHARS);
    m_canvas->SetBackgroundStyle(wxBG_STYLE_PAINT);
    m_canvas->SetScrollRate(20, 20);
    m_canvas->Bind(wxEVT_PAINT, &ReportPreviewFrame::OnPaintCanvas, this);
    m_canvas->Bind(wxEVT_SIZE, &ReportPreviewFrame::OnCanvasSize, this);
    m_canvas->Bind(wxEVT_KEY_DOWN, &ReportPreviewFrame::OnKey, this);
    m_canvas->Bind(wxEVT_MOUSEWHEEL, &ReportPreviewFrame::OnWheel, this);
    sizer->Add(m_canvas, 1, wxEXPAND);
    panel->SetSizer(sizer);
    if (request.style & kMaximize)
        Maximize();
    Bind(wxEVT_CHAR_HOOK, &ReportPreviewFrame::OnKey, this);
    Refresh_();
    m_canvas->SetFocus();
}

void ReportPreviewFrame::BuildToolbar(wxWindow* panel, wxSizer* sizer)
{
    auto* bar = new wxBoxSizer(wxHORIZONTAL);
    auto button = [&](const char* label, const char* tip, auto handler) {
        auto* b = new wxButton(panel, wxID_ANY, U(label), wxDefaultPosition, wxDefaultSize, wxBU_EXACTFIT);
        b->SetToolTip(U(tip));
        b->Bind(wxEVT_BUTTON, handler);
        bar->Add(b, 0, wxALL | wxALIGN_CENTER_VERTICAL, 3);
        return b;
    };
    m_first = button("|◀", "Primeira página", [this](wxCommandEvent&) { GoToPage(0); });
    m_previous = button("◀", "Página anterior", [this](wxCommandEvent&) { GoToPage(m_page - 1); });
    m_pageLabel = new wxStaticText(panel, wxID_ANY, "", wxDefaultPosition, wxSize(130, -1), wxALIGN_CENTRE_HORIZONTAL);
    bar->Add(m_pageLabel, 0, wxALL | wxALIGN_CENTER_VERTICAL, 3);
    m_next = button("▶", "Próxima página", [this](wxCommandEvent&) { GoToPage(m_page + 1); });
    m_last = button("▶|", "Última página", [this](wxCommandEvent&) { GoToPage(PageCount() - 1); });
    bar->AddSpacer(18);
    button("−", "Reduzir", [this](wxCommandEvent&) { SetZoom(std::max(0.25, m_zoom / 1.25)); });
    m_zoomChoice = new wxChoice(panel, wxID_ANY);
    for (const auto& z : kZooms)
        m_zoomChoice->Append(U(z.label));
    m_zoomChoice->Bind(wxEVT_CHOICE, &ReportPreviewFrame::OnZoomChoice, this);
    bar->Add(m_zoomChoice, 0, wxALL | wxALIGN_CENTER_VERTICAL, 3);
    button("+", "Ampliar", [this](wxCommandEvent&) { SetZoom(std::min(4.0, m_zoom * 1.25)); });
    bar->AddStretchSpacer(1);
    button("Fechar", "Fechar a visualização", [this](wxCommandEvent&) { Close(); });
    sizer->Add(bar, 0, wxEXPAND);
}

double ReportPreviewFrame::PixelsPerPoint() const
{
    return m_zoom * 96.0 / 72.0 * GetContentScaleFactor();
}

void ReportPreviewFrame::GoToPage(int page)
{
    page = std::clamp(page, 0, std::max(0, PageCount() - 1));
    if (page == m_page && m_bitmapPage == page)
        return;
    m_page = page;
    Refresh_();
    m_canvas->Scroll(0, 0);
}

void ReportPreviewFrame::SetZoom(double zoom)
{
    m_fit = Fit::none;
    m_zoom = std::clamp(zoom, 0.25, 4.0);
    Refresh_();
}

void ReportPreviewFrame::FitWidth()
{
    m_fit = Fit::width;
    Refresh_();
}

void ReportPreviewFrame::FitPage()
{
    m_fit = Fit::page;
    Refresh_();
}

void ReportPreviewFrame::Refresh_()
{
    wxSize client = m_canvas->GetClientSize();
    double unit = 96.0 / 72.0 * GetContentScaleFactor();
    if (m_fit != Fit::none && client.x > 2 * kMargin && client.y > 2 * kMargin) {
        double byWidth = (client.x - 2.0 * kMargin) / (m_report->WidthPt() * unit);
        double byHeight = (client.y - 2.0 * kMargin) / (m_report->HeightPt() * unit);
        m_zoom = std::clamp(m_fit == Fit::width ? byWidth : std::min(byWidth, byHeight), 0.1, 4.0);
    }
    int selection = wxNOT_FOUND;
    for (size_t i = 0; i < std::size(kZooms); ++i) {
        double z = kZooms[i].zoom;
        if ((z == 0 && m_fit == Fit::width) || (z < 0 && m_fit == Fit::page) ||
            (z > 0 && m_fit == Fit::none && std::abs(z - m_zoom) < 1e-6))
            selection = static_cast<int>(i);
    }
    m_zoomChoice->SetSelection(selection);
    m_pageLabel->SetLabel(wxString::FromUTF8("Página ") + wxString::Format("%d de %d", m_page + 1, PageCount()));
    m_first->Enable(m_page > 0);
    m_previous->Enable(m_page > 0);
    m_next->Enable(m_page + 1 < PageCount());
    m_last->Enable(m_page + 1 < PageCount());
    UpdateScroll();
    m_canvas->Refresh();
}

void ReportPreviewFrame::UpdateScroll()
{
    double scale = PixelsPerPoint();
    int w = static_cast<int>(std::lround(m_report->WidthPt() * scale)) + 2 * kMargin;
    int h = static_cast<int>(std::lround(m_report->HeightPt() * scale)) + 2 * kMargin;
    m_canvas->SetVirtualSize(w, h);
}

const wxBitmap& ReportPreviewFrame::PageBitmap()
{
    double scale = PixelsPerPoint();
    if (m_bitmapPage != m_page || std::abs(m_bitmapScale - scale) > 1e-9 || !m_bitmap.IsOk()) {
        m_bitmap = PageImageToBitmap(m_report->RenderImage(m_page, scale));
        m_bitmapPage = m_page;
        m_bitmapScale = scale;
    }
    return m_bitmap;
}

void ReportPreviewFrame::OnPaintCanvas(wxPaintEvent&)
{
    wxAutoBufferedPaintDC dc(m_canvas);
    m_canvas->DoPrepareDC(dc);
    dc.SetBackground(wxBrush(wxColour(128, 128, 128)));
    dc.Clear();
    if (PageCount() == 0)
        return;
    const wxBitmap& page = PageBitmap();
    wxSize virtualSize = m_canvas->GetVirtualSize();
    wxSize client = m_canvas->GetClientSize();
    int x = std::max(kMargin, (std::max(virtualSize.x, client.x) - page.GetWidth()) / 2);
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(wxColour(70, 70, 70)));
    dc.DrawRectangle(x + 4, kMargin + 4, page.GetWidth(), page.GetHeight());
    dc.DrawBitmap(page, x, kMargin);
}

void ReportPreviewFrame::OnCanvasSize(wxSizeEvent& event)
{
    if (m_fit != Fit::none)
        Refresh_();
    event.Skip();
}

void ReportPreviewFrame::OnKey(wxKeyEvent& event)
{
    switch (event.GetKeyCode()) {
    case WXK_PAGEDOWN: GoToPage(m_page + 1); return;
    case WXK_PAGEUP: GoToPage(m_page - 1); return;
    case WXK_HOME:
        if (event.ControlDown()) { GoToPage(0); return; }
        break;
    case WXK_END:
        if (event.ControlDown()) { GoToPage(PageCount() - 1); return; }
        break;
    case '+':
    case WXK_NUMPAD_ADD: SetZoom(m_zoom * 1.25); return;
    case '-':
    case WXK_NUMPAD_SUBTRACT: SetZoom(m_zoom / 1.25); return;
    case WXK_ESCAPE: Close(); return;
    default: break;
    }
    event.Skip();
}

void ReportPreviewFrame::OnZoomChoice(wxCommandEvent&)
{
    int i = m_zoomChoice->GetSelection();
    if (i < 0)
        return;
    double z = kZooms[i].zoom;
    if (z == 0)
        FitWidth();
    else if (z < 0)
        FitPage();
    else
        SetZoom(z);
}

void ReportPreviewFrame::OnWheel(wxMouseEvent& event)
{
    if (event.ControlDown()) {
        SetZoom(event.GetWheelRotation() > 0 ? m_zoom * 1.1 : m_zoom / 1.1);
        return;
    }
    // Past the end of a page the wheel turns it, as a reader expects.
    int x = 0, y = 0;
    m_canvas->GetViewStart(&x, &y);
    int before = y;
    event.Skip();
    m_canvas->CallAfter([this, before, down = event.GetWheelRotation() < 0] {
        int vx = 0, vy = 0;
        m_canvas->GetViewStart(&vx, &vy);
        if (vy == before) {
            int page = m_page;
            GoToPage(down ? m_page + 1 : m_page - 1);
            if (!down && page != m_page)
                m_canvas->Scroll(0, m_canvas->GetVirtualSize().y);
        }
    });
}

WxReportPreviewHost::~WxReportPreviewHost()
{
    for (ReportPreviewFrame* frame : m_open) {
        frame->Unbind(wxEVT_DESTROY, &WxReportPreviewHost::OnFrameDestroyed, this);
        frame->Destroy();
    }
}

void WxReportPreviewHost::OnFrameDestroyed(wxWindowDestroyEvent& event)
{
    // However a preview goes (closed by its user, by the next run, or with the program), it leaves the set.
    m_open.erase(static_cast<ReportPreviewFrame*>(event.GetEventObject()));
    event.Skip();
}

ReportWindowHandle WxReportPreviewHost::Show(std::shared_ptr<const RenderedReport> report, const PreviewRequest& request)
{
    if (!report || !wxTheApp)
        return nullptr;
    wxWindow* parent = static_cast<wxWindow*>(request.parent);
    auto* frame = new ReportPreviewFrame(parent, std::move(report), request);
    m_open.insert(frame);
    frame->Bind(wxEVT_DESTROY, &WxReportPreviewHost::OnFrameDestroyed, this);
    frame->Bind(wxEVT_CLOSE_WINDOW, [this, frame](wxCloseEvent& event) {
        m_open.erase(frame);  // closed now, though destroyed only at the next idle time
        event.Skip();
    });
    frame->Show();
    frame->Raise();
    return frame;
}

bool WxReportPreviewHost::IsOpen(ReportWindowHandle window) const
{
    return m_open.count(static_cast<ReportPreviewFrame*>(window)) > 0;
}

void WxReportPreviewHost::Close(ReportWindowHandle window)
{
    auto* frame = static_cast<ReportPreviewFrame*>(window);
    if (m_open.erase(frame))
        frame->Destroy();
}

ReportPreviewFrame* WxReportPreviewHost::Frame(ReportWindowHandle window) const
{
    auto* frame = static_cast<ReportPreviewFrame*>(window);
    return m_open.count(frame) ? frame : nullptr;
}
