#include "ReportPreviewHost.h"

ReportWindowHandle RecordingPreviewHost::Show(std::shared_ptr<const RenderedReport> report,
                                              const PreviewRequest& request)
{
    if (m_failNext) {
        m_failNext = false;
        return nullptr;
    }
    auto w = std::make_unique<Window>();
    w->report = std::move(report);
    w->request = request;
    ReportWindowHandle handle = w.get();
    m_windows.push_back(std::move(w));
    return handle;
}

bool RecordingPreviewHost::IsOpen(ReportWindowHandle window) const
{
    for (const auto& w : m_windows)
        if (w.get() == window)
            return w->open;
    return false;
}

void RecordingPreviewHost::Close(ReportWindowHandle window)
{
    for (const auto& w : m_windows)
        if (w.get() == window)
            w->open = false;
}

int RecordingPreviewHost::OpenCount() const
{
    int n = 0;
    for (const auto& w : m_windows)
        n += w->open ? 1 : 0;
    return n;
}

bool RecordingPreviewHost::ChoosePdfPath(const std::string& suggestedName, std::string& path)
{
    pdfSuggestions.push_back(suggestedName);
    if (pdfPath.empty())
        return false;
    path = pdfPath;
    return true;
}
