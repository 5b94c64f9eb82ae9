#include "ReportPreview.h"

#include "AppContext.h"
#include "MessageService.h"
#include "PrinterService.h"
#include "ReportOutput.h"

#include <gtk/gtk.h>
#include <wx/app.h>
#include <wx/button.h>
#include <wx/choice.h>
#include <wx/dcbuffer.h>
#include <wx/display.h>
#include <wx/filedlg.h>
#include <wx/image.h>
#include <wx/panel.h>
#include <wx/scrolwin.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/statusbr.h>
#include <wx/stdpaths.h>
#include <wx/utils.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>

namespace {

constexpr int kMargin = 16;  // pixels around the page
constexpr unsigned long kMaximize = 0x01000000UL;

const struct {
    const char* label;
    double zoom;  // 0: fit width, -1: fit page
} kZooms[] = {{"Largura da página", 0}, {"Página inteira", -1}, {"50%", 0.5},  {"75%", 0.75},
              {"100%", 1.0},            {"125%", 1.25},         {"150%", 1.5}, {"200%", 2.0}};

constexpr const char* kNoCupsPrinter =
    "Nenhuma impressora está instalada no sistema (CUPS). Para gravar o relatório, use \"Salvar PDF…\".";

wxString U(const char* s) { return wxString::FromUTF8(s); }
wxString U(const std::string& s) { return wxString::FromUTF8(s.c_str()); }

// The first preview of a run: most of the screen, so that the page's width is readable; later ones open as
// the last one was left.
wxSize InitialSize(const PreviewRequest& request, const WxReportPreviewHost* host)
{
    if (host && host->HasRememberedSize())
        return host->RememberedSize();
    wxRect screen = wxDisplay(static_cast<unsigned>(0)).GetClientArea();
    if (screen.width <= 0 || screen.height <= 0)
        screen = wxRect(0, 0, 1024, 768);
    int width = std::min(1200, screen.width * 9 / 10);
    int height = screen.height * 9 / 10;
    return wxSize(std::max({width, request.width, 640}), std::max({height, request.height, 480}));
}

// GTK sizes its file chooser when it is shown, at times taller than a small screen, its buttons out of
// reach; such a chooser is made to fit, in the middle of the screen.
void FitOnScreen(GtkWidget* widget, gpointer data)
{
    const auto* screen = static_cast<const GdkRectangle*>(data);
    const int maxWidth = screen->width * 9 / 10;
    const int maxHeight = screen->height * 85 / 100;
    int width = 0;
    int height = 0;
    gtk_window_get_size(GTK_WINDOW(widget), &width, &height);
    if (width <= maxWidth && height <= maxHeight)
        return;
    width = std::min({width, maxWidth, 900});
    height = std::min({height, maxHeight, 640});
    gtk_window_resize(GTK_WINDOW(widget), width, height);
    gtk_window_move(GTK_WINDOW(widget), screen->x + (screen->width - width) / 2,
                    screen->y + (screen->height - height) / 2);
}

bool ChoosePdfFile(wxWindow* parent, const std::string& folder, const std::string& suggestedName, std::string& path)
{
    wxFileDialog dialog(parent, U("Salvar relatório em PDF"), U(folder), U(suggestedName),
                        U("Arquivos PDF (*.pdf)|*.pdf|Todos os arquivos|*"), wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    const wxRect screen = wxDisplay(static_cast<unsigned>(0)).GetClientArea();
    GdkRectangle room{screen.x, screen.y, screen.width, screen.height};
    g_signal_connect(static_cast<GtkWidget*>(dialog.GetHandle()), "map", G_CALLBACK(FitOnScreen), &room);
    if (dialog.ShowModal() != wxID_OK)
        return false;
    std::filesystem::path chosen(dialog.GetPath().utf8_string());
    std::string extension = chosen.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(), [](unsigned char c) { return std::tolower(c); });
    if (extension != ".pdf" && dialog.GetFilterIndex() == 0) {
        // The chooser asked about the name as typed; the name with ".pdf" is asked about here.
        chosen += ".pdf";
        std::error_code ec;
        if (std::filesystem::exists(chosen, ec) &&
            AfxMessageBox("O arquivo " + chosen.string() + " já existe. Deseja substituí-lo?",
                          MB_YESNO | MB_ICONQUESTION) != IDYES)
            return false;
    }
    path = chosen.string();
    return true;
}

// While the preview asks or tells the user something, the program's dialogs and message boxes belong to it.
class DialogOwner {
public:
    DialogOwner(WxReportPreviewHost* host, wxWindow* owner) : m_host(host)
    {
        if (m_host && m_host->exchangeDialogOwner)
            m_previous = m_host->exchangeDialogOwner(owner), m_set = true;
    }
    ~DialogOwner()
    {
        if (m_set)
            m_host->exchangeDialogOwner(m_previous);
    }
    DialogOwner(const DialogOwner&) = delete;
    DialogOwner& operator=(const DialogOwner&) = delete;

private:
    WxReportPreviewHost* m_host;
    wxWindow* m_previous = nullptr;
    bool m_set = false;
};

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
                                       const PreviewRequest& request, WxReportPreviewHost* host)
    : wxFrame(parent, wxID_ANY, wxString::FromUTF8(request.title.empty() ? report->Title() : request.title),
              request.width > 0 ? wxPoint(request.left, request.top) : wxDefaultPosition, InitialSize(request, host)),
      m_report(std::move(report)), m_host(host), m_normalSize(GetSize())
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
    CreateStatusBar();
    Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
        if (!ShownMaximized() && !IsFullScreen())
            m_normalSize = GetSize();
        event.Skip();
    });
    // Printers may have come or gone while the window was in the background.
    Bind(wxEVT_ACTIVATE, [this](wxActivateEvent& event) {
        if (event.GetActive())
            UpdatePrintButton();
        event.Skip();
    });
    const bool maximize = host && host->HasRememberedSize() ? host->RememberedMaximized() : (request.style & kMaximize) != 0;
    if (maximize)
        Maximize();
    Bind(wxEVT_CHAR_HOOK, &ReportPreviewFrame::OnKey, this);
    UpdatePrintButton();
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
    m_print = button("Imprimir…", "", [this](wxCommandEvent&) { Print(); });
    m_save = button("Salvar PDF…", "Salvar o relatório num arquivo PDF (Ctrl+S)", [this](wxCommandEvent&) { SavePdf(); });
    bar->AddSpacer(18);
    m_first = button("|◀", "Primeira página (Home)", [this](wxCommandEvent&) { GoToPage(0); });
    m_previous = button("◀", "Página anterior (Page Up)", [this](wxCommandEvent&) { GoToPage(m_page - 1); });
    m_pageLabel = new wxStaticText(panel, wxID_ANY, "", wxDefaultPosition, wxSize(130, -1), wxALIGN_CENTRE_HORIZONTAL);
    bar->Add(m_pageLabel, 0, wxALL | wxALIGN_CENTER_VERTICAL, 3);
    m_next = button("▶", "Próxima página (Page Down)", [this](wxCommandEvent&) { GoToPage(m_page + 1); });
    m_last = button("▶|", "Última página (End)", [this](wxCommandEvent&) { GoToPage(PageCount() - 1); });
    bar->AddSpacer(18);
    button("−", "Reduzir (-)", [this](wxCommandEvent&) { SetZoom(std::max(0.25, m_zoom / 1.25)); });
    m_zoomChoice = new wxChoice(panel, wxID_ANY);
    for (const auto& z : kZooms)
        m_zoomChoice->Append(U(z.label));
    m_zoomChoice->Bind(wxEVT_CHOICE, &ReportPreviewFrame::OnZoomChoice, this);
    bar->Add(m_zoomChoice, 0, wxALL | wxALIGN_CENTER_VERTICAL, 3);
    button("+", "Ampliar (+)", [this](wxCommandEvent&) { SetZoom(std::min(4.0, m_zoom * 1.25)); });
    m_zoomLabel = new wxStaticText(panel, wxID_ANY, "", wxDefaultPosition, wxSize(50, -1));
    bar->Add(m_zoomLabel, 0, wxALL | wxALIGN_CENTER_VERTICAL, 3);
    bar->AddStretchSpacer(1);
    button("Fechar", "Fechar a visualização (Esc)", [this](wxCommandEvent&) { Close(); });
    sizer->Add(bar, 0, wxEXPAND);
}

bool ReportPreviewFrame::ShownMaximized() const
{
    // wx says maximized as soon as it asked for it, even where no window manager did it.
    if (!IsMaximized())
        return false;
    const int display = wxDisplay::GetFromWindow(this);
    const wxRect area = wxDisplay(static_cast<unsigned>(display == wxNOT_FOUND ? 0 : display)).GetClientArea();
    return GetSize().x >= area.width * 9 / 10 && GetSize().y >= area.height * 9 / 10;
}

void ReportPreviewFrame::UpdatePrintButton()
{
    PrinterService* printers = AppContext().printer;
    PrinterDevice cups;
    const bool found = printers && printers->GetCupsPrinter(cups);
    m_print->Enable(found);
    m_print->SetToolTip(found ? U("Imprimir em " + cups.device + " (Ctrl+P)") : U(kNoCupsPrinter));
}

void ReportPreviewFrame::Print()
{
    DialogOwner owner(m_host, this);
    PrinterService* printers = AppContext().printer;
    PrinterDevice cups;
    if (!printers || !printers->GetCupsPrinter(cups)) {
        UpdatePrintButton();
        AfxMessageBox(kNoCupsPrinter, MB_OK | MB_ICONINFORMATION);
        return;
    }
    PrintRequest request;
    request.printer = cups.device;
    request.title = m_report->Title();
    if (!printers->AskPrintOptions(request))
        return;
    std::string error;
    bool printed = false;
    {
        wxBusyCursor wait;
        printed = FitPageRange(*m_report, request, error) &&
                  PrintReport(*printers, *m_report, request, error) == PrintOutcome::printed;
    }
    if (!printed) {
        AfxMessageBox(error, MB_OK | MB_ICONERROR);
        return;
    }
    SetStatusText(U("Relatório enviado para " + cups.device + "."));
}

void ReportPreviewFrame::SavePdf()
{
    DialogOwner owner(m_host, this);
    std::string path;
    const std::string name = PdfFileName(*m_report);
    if (!(m_host ? m_host->ChoosePdfPath(this, name, path) : ChoosePdfFile(this, "", name, path)))
        return;
    std::string error;
    bool saved = false;
    {
        wxBusyCursor wait;
        saved = SaveReportPdf(*m_report, path, error);
    }
    if (!saved) {
        AfxMessageBox(error, MB_OK | MB_ICONERROR);
        return;
    }
    SetStatusText(U("Relatório salvo em " + path + "."));
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
    m_zoomLabel->SetLabel(wxString::Format("%d%%", static_cast<int>(std::lround(m_zoom * 100))));
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
    const int key = event.GetKeyCode();
    if (event.ControlDown() && !event.AltDown()) {
        if (key == 'P') {
            Print();
            return;
        }
        if (key == 'S') {
            SavePdf();
            return;
        }
    }
    switch (key) {
    case WXK_PAGEDOWN:
    case WXK_NUMPAD_PAGEDOWN: GoToPage(m_page + 1); return;
    case WXK_PAGEUP:
    case WXK_NUMPAD_PAGEUP: GoToPage(m_page - 1); return;
    case WXK_HOME:
    case WXK_NUMPAD_HOME: GoToPage(0); return;
    case WXK_END:
    case WXK_NUMPAD_END: GoToPage(PageCount() - 1); return;
    // '+' is shifted '=' on many keyboards.
    case '+':
    case '=':
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
    // A closed window is destroyed only at the next idle time, perhaps after this host is gone.
    for (const auto& [frame, object] : m_frames) {
        frame->Unbind(wxEVT_DESTROY, &WxReportPreviewHost::OnFrameDestroyed, this);
        if (m_open.count(frame))
            frame->Destroy();
    }
}

void WxReportPreviewHost::OnFrameDestroyed(wxWindowDestroyEvent& event)
{
    // However a preview goes (closed by its user, by the next run, or with the program), it leaves the sets.
    const wxObject* gone = event.GetEventObject();
    for (auto it = m_frames.begin(); it != m_frames.end(); ++it)
        if (it->second == gone) {
            m_open.erase(it->first);
            m_frames.erase(it);
            break;
        }
    event.Skip();
}

void WxReportPreviewHost::Remember(const ReportPreviewFrame& frame)
{
    m_remembered = true;
    m_maximized = frame.ShownMaximized();
    m_size = frame.NormalSize();
}

ReportWindowHandle WxReportPreviewHost::Show(std::shared_ptr<const RenderedReport> report, const PreviewRequest& request)
{
    if (!report || !wxTheApp)
        return nullptr;
    wxWindow* parent = static_cast<wxWindow*>(request.parent);
    auto* frame = new ReportPreviewFrame(parent, std::move(report), request, this);
    m_open.insert(frame);
    m_frames.emplace(frame, frame);
    frame->Bind(wxEVT_DESTROY, &WxReportPreviewHost::OnFrameDestroyed, this);
    frame->Bind(wxEVT_CLOSE_WINDOW, [this, frame](wxCloseEvent& event) {
        if (m_open.erase(frame))  // closed now, though destroyed only at the next idle time
            Remember(*frame);
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
    if (m_open.erase(frame)) {
        Remember(*frame);
        frame->Destroy();
    }
}

bool WxReportPreviewHost::ChoosePdfPath(const std::string& suggestedName, std::string& path)
{
    wxWindow* parent = wxGetActiveWindow();
    return ChoosePdfPath(parent ? parent : (wxTheApp ? wxTheApp->GetTopWindow() : nullptr), suggestedName, path);
}

bool WxReportPreviewHost::ChoosePdfPath(wxWindow* parent, const std::string& suggestedName, std::string& path)
{
    std::string folder = m_folder.empty() ? wxStandardPaths::Get().GetDocumentsDir().utf8_string() : m_folder;
    if (!ChoosePdfFile(parent, folder, suggestedName, path))
        return false;
    m_folder = std::filesystem::path(path).parent_path().string();
    return true;
}

ReportPreviewFrame* WxReportPreviewHost::Frame(ReportWindowHandle window) const
{
    auto* frame = static_cast<ReportPreviewFrame*>(window);
    return m_open.count(frame) ? frame : nullptr;
}
