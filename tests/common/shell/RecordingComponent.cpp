#include "RecordingComponent.h"

#include "PrinterService.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace shelltest {

short RecordingComponent::OpenJob(const std::string& reportPath)
{
    const short job = ReportComponent::OpenJob(reportPath);
    if (job > 0)
        m_jobs.emplace_back(job, fs::path(reportPath).filename().string());
    return job;
}

short RecordingComponent::JobOf(const std::string& reportFileName) const
{
    for (const auto& [job, name] : m_jobs)
        if (name == reportFileName)
            return job;
    return 0;
}

std::vector<std::string> RecordingComponent::Of(short job) const
{
    std::vector<std::string> out;
    for (const Call& c : calls)
        if (c.job == job)
            out.push_back(c.what);
    return out;
}

int RecordingComponent::SetFormula(short job, const std::string& name, const std::string& text)
{
    calls.push_back({job, "formula " + name + "=" + text});
    return ReportComponent::SetFormula(job, name, text);
}

int RecordingComponent::SetSelectionFormula(short job, const std::string& text)
{
    calls.push_back({job, "selection " + text});
    return ReportComponent::SetSelectionFormula(job, text);
}

int RecordingComponent::SetTableLocation(short job, short table, const CrystalTableLocation& location)
{
    calls.push_back({job, "table " + std::to_string(table) + " " + location.Location});
    return ReportComponent::SetTableLocation(job, table, location);
}

int RecordingComponent::OutputToWindow(short job, const std::string& title, int left, int top, int width,
                                       int height, unsigned long style, ReportWindowHandle parent)
{
    calls.push_back({job, "window " + title});
    return ReportComponent::OutputToWindow(job, title, left, top, width, height, style, parent);
}

int RecordingComponent::OutputToPrinter(short job, short copies)
{
    calls.push_back({job, "printer copies " + std::to_string(copies)});
    return ReportComponent::OutputToPrinter(job, copies);
}

int RecordingComponent::SetPrintOptions(short job, const CrystalPrintOptions& o)
{
    calls.push_back({job, "options " + std::to_string(o.startPageN) + "-" + std::to_string(o.stopPageN) + " x" +
                              std::to_string(o.nReportCopies) + " collation " + std::to_string(o.collation)});
    return ReportComponent::SetPrintOptions(job, o);
}

int RecordingComponent::SelectPrinter(short job, const std::string& driver, const std::string& printer,
                                      const std::string& port, const PrinterDeviceMode* mode)
{
    calls.push_back({job, "select " + printer + " orientation " + std::to_string(mode ? mode->dmOrientation : 0)});
    return ReportComponent::SelectPrinter(job, driver, printer, port, mode);
}

int RecordingComponent::CloseWindow(short job)
{
    calls.push_back({job, "close window"});
    return ReportComponent::CloseWindow(job);
}

}  // namespace shelltest
