#pragma once
// Where a report's preview goes, and who names the PDF file a report is saved to: the window layer shows
// the pages in a window of its own and asks with a file chooser; headless runs keep the pages and answer
// from a script. The report layer never shows anything itself.

#include "ReportPages.h"

#include <memory>
#include <string>
#include <vector>

// A preview window as the report layer knows it; null means none.
using ReportWindowHandle = void*;

struct PreviewRequest {
    std::string title;
    int left = 0, top = 0, width = 0, height = 0;
    unsigned long style = 0;         // window style bits as the callers pass them
    ReportWindowHandle parent = nullptr;
};

class IReportPreviewHost {
public:
    virtual ~IReportPreviewHost() = default;
    // Opens a window showing the report; returns its handle, or null when no window could be made.
    virtual ReportWindowHandle Show(std::shared_ptr<const RenderedReport> report, const PreviewRequest& request) = 0;
    // False once the user (or Close) has closed it.
    virtual bool IsOpen(ReportWindowHandle window) const = 0;
    virtual void Close(ReportWindowHandle window) = 0;
    // Asks where to save a report as PDF, offering suggestedName; false when the user cancels.
    virtual bool ChoosePdfPath(const std::string& suggestedName, std::string& path) = 0;
};

// For tests and headless runs: keeps every preview it was asked to show.
class RecordingPreviewHost : public IReportPreviewHost {
public:
    struct Window {
        std::shared_ptr<const RenderedReport> report;
        PreviewRequest request;
        bool open = true;
    };

    ReportWindowHandle Show(std::shared_ptr<const RenderedReport> report, const PreviewRequest& request) override;
    bool IsOpen(ReportWindowHandle window) const override;
    void Close(ReportWindowHandle window) override;
    bool ChoosePdfPath(const std::string& suggestedName, std::string& path) override;

    // The path the user names when asked for a PDF file; empty: the user cancels.
    std::string pdfPath;
    // Every name offered, in order.
    std::vector<std::string> pdfSuggestions;

    // Every window shown, in order (closed ones included).
    const std::vector<std::unique_ptr<Window>>& Windows() const { return m_windows; }
    int OpenCount() const;
    // The user closes a window.
    void UserCloses(ReportWindowHandle window) { Close(window); }
    // Makes the next Show fail (no window can be made).
    void FailNextShow() { m_failNext = true; }

private:
    std::vector<std::unique_ptr<Window>> m_windows;
    bool m_failNext = false;
};
