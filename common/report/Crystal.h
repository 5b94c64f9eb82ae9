#pragma once
// The report jobs of the programs: CrystalEngine, the one engine of the process, turns every failed call
// of the report component into a line in "CRYSTAL.LOG", a message and a CUserException; Crystal is one job
// on a report layout file, or one subreport of a job.
//
// Formula texts are values as the callers build them with "'%s'": the text between the outer quotes is
// printed as it stands, apostrophes included, so do not double inner quotes.

#include "ReportEngineApi.h"
#include "UserException.h"

#include <memory>
#include <string>
#include <vector>

class Crystal;

// Window style bits the callers pass to OutputToWindow.
inline constexpr unsigned long REPORT_WS_CHILD = 0x40000000UL;
inline constexpr unsigned long REPORT_WS_VISIBLE = 0x10000000UL;
inline constexpr unsigned long REPORT_WS_MAXIMIZE = 0x01000000UL;
inline constexpr unsigned long REPORT_WS_SYSMENU = 0x00080000UL;
inline constexpr unsigned long REPORT_WS_OVERLAPPEDWINDOW = 0x00CF0000UL;

class CrystalEngine {
public:
    // Opens the report component (ours when component is null); a failure is logged, shown and thrown.
    explicit CrystalEngine(std::unique_ptr<IReportComponent> component = nullptr);
    virtual ~CrystalEngine();
    CrystalEngine(const CrystalEngine&) = delete;
    CrystalEngine& operator=(const CrystalEngine&) = delete;

    short GetErrorCode();
    std::string GetErrorText();
    // Returns a non-zero result; for zero writes the log line, shows the message and throws CUserException.
    int CheckResult(int result);

    void AddJob(Crystal* job);
    void RemoveJob(Crystal* job);
    int GetJobCount() const { return static_cast<int>(m_jobs.size()); }

    IReportComponent& Component() { return *m_component; }

    // The process's engine; null while none exists.
    static CrystalEngine* Instance() { return s_pEngine; }

private:
    friend class Crystal;
    std::string CopyHandleText(ReportTextHandle handle, short length);

    std::unique_ptr<IReportComponent> m_component;
    std::vector<Crystal*> m_jobs;  // the open top-level jobs, in the order they were opened
    static CrystalEngine* s_pEngine;
};

class Crystal {
public:
    // A job on a report file. The first job of the process makes the engine (or takes the one passed).
    explicit Crystal(const std::string& reportPath, CrystalEngine* engine = nullptr);
    // A subreport of parent's job, owned by parent.
    Crystal(const std::string& subreportName, Crystal* parent, CrystalEngine* engine = nullptr);
    virtual ~Crystal();
    Crystal(const Crystal&) = delete;
    Crystal& operator=(const Crystal&) = delete;

    int SetTableLocation(short table, const CrystalTableLocation& location);
    int RefreshData();
    int SetSelectionFormula(const std::string& text);
    int SetFormula(const std::string& name, const std::string& text);
    int SelectPrinter(const std::string& driver, const std::string& printer, const std::string& port,
                      const PrinterDeviceMode* mode);
    int SetPrintOptions(const CrystalPrintOptions& options);
    int OutputToPrinter(short copies);
    int OutputToWindow(const std::string& title, int left, int top, int width, int height, unsigned long style,
                       ReportWindowHandle parentWindow = nullptr);
    ReportWindowHandle GetWindowHandle();
    int CloseWindow();
    int Start();

    short GetJob() const { return m_nJob; }
    Crystal* GetParent() const { return m_pParent; }
    const std::vector<Crystal*>& GetSubreports() const { return m_subreports; }

private:
    static CrystalEngine* Engine(CrystalEngine* passed);
    int Check(int result) { return m_pEngine->CheckResult(result); }
    IReportComponent& Component() { return m_pEngine->Component(); }

    CrystalEngine* m_pEngine = nullptr;
    short m_nJob = 0;
    int m_bHostInChildFrame = 0;  // nothing sets it: previews go to the component's own window
    std::string m_strPreviewTitle;
    int m_nLeft = 0, m_nTop = 0, m_nWidth = 0, m_nHeight = 0;
    unsigned long m_nPreviewStyle = 0;
    std::vector<Crystal*> m_subreports;
    Crystal* m_pParent = nullptr;
};
