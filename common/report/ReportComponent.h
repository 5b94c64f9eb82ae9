#pragma once
// Our report component: report jobs on layout files, their data from the project databases, pages made
// by the paginator, shown through the preview host or printed through the application's PrinterService
// (both reached through AppContext().printer).

#include "ReportEngineApi.h"
#include "ReportExpression.h"
#include "ReportLayout.h"
#include "ReportPages.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

class ReportComponent : public IReportComponent {
public:
    ReportComponent();
    ~ReportComponent() override;

    int OpenEngine() override;
    void CloseEngine() override;
    short OpenJob(const std::string& reportPath) override;
    short OpenSubreport(short parentJob, const std::string& subreportName) override;
    int CloseJob(short job) override;
    int StartJob(short job, int wait) override;
    int OutputToWindow(short job, const std::string& title, int left, int top, int width, int height,
                       unsigned long style, ReportWindowHandle parent) override;
    ReportWindowHandle GetWindowHandle(short job) override;
    int CloseWindow(short job) override;
    int SetFormula(short job, const std::string& name, const std::string& text) override;
    int SetSelectionFormula(short job, const std::string& text) override;
    short GetErrorCode(short job) override;
    int GetErrorText(short job, ReportTextHandle& handle, short& length) override;
    int CopyHandleText(ReportTextHandle handle, char* buffer, short length) override;
    int OutputToPrinter(short job, short copies) override;
    int SelectPrinter(short job, const std::string& driver, const std::string& printer, const std::string& port,
                      const PrinterDeviceMode* mode) override;
    int SetPrintOptions(short job, const CrystalPrintOptions& options) override;
    int SetTableLocation(short job, short table, const CrystalTableLocation& location) override;
    int RefreshData(short job) override;

    // Not an engine call of the jobs: renders a main job as it stands and writes it as a PDF file.
    int ExportToPdf(short job, const std::string& path);
    // The pages of the job's last run (null before one).
    std::shared_ptr<const RenderedReport> LastReport(short job) const;
    bool IsOpen() const { return m_open; }
    int JobCount() const { return static_cast<int>(m_jobs.size()); }

private:
    struct Job;
    Job* Find(short job);
    short NewJob(std::shared_ptr<const ReportLayout> layout);
    int Fail(short code, const std::string& text);
    void Succeed();
    std::shared_ptr<RenderedReport> Render(Job& job);
    bool Print(Job& job, const RenderedReport& report);
    bool Preview(Job& job, std::shared_ptr<const RenderedReport> report);

    bool m_open = false;
    short m_lastJob = 0;
    std::map<short, std::unique_ptr<Job>> m_jobs;
    short m_errorCode = 0;
    std::string m_errorText;
    std::map<ReportTextHandle, std::string> m_texts;
    ReportTextHandle m_nextHandle = 1;
};
