#include "Crystal.h"

#include "AppContext.h"
#include "Clock.h"
#include "ErrorReporter.h"
#include "MessageService.h"
#include "ReportComponent.h"

#include <algorithm>
#include <cstdio>

CrystalEngine* CrystalEngine::s_pEngine = nullptr;

CrystalEngine::CrystalEngine(std::unique_ptr<IReportComponent> component)
    : m_component(component ? std::move(component) : std::make_unique<ReportComponent>())
{
    CheckResult(m_component->OpenEngine());
}

CrystalEngine::~CrystalEngine()
{
    m_component->CloseEngine();
    if (s_pEngine == this)
        s_pEngine = nullptr;
}

short CrystalEngine::GetErrorCode() { return m_component->GetErrorCode(0); }

std::string CrystalEngine::GetErrorText()
{
    ReportTextHandle handle = 0;
    short length = 0;
    if (!m_component->GetErrorText(0, handle, length))
        return {};
    return CopyHandleText(handle, length);
}

std::string CrystalEngine::CopyHandleText(ReportTextHandle handle, short length)
{
    if (length <= 0)
        return {};
    std::string text(static_cast<size_t>(length), '\0');
    if (!m_component->CopyHandleText(handle, text.data(), length))
        return {};
    text.resize(text.find('\0') == std::string::npos ? text.size() : text.find('\0'));
    return text;
}

int CrystalEngine::CheckResult(int result)
{
    if (result)
        return result;
    SystemClock system;
    const IClock* clock = AppContext().clock ? AppContext().clock : &system;
    LocalTime t = clock->Now();
    std::string text = GetErrorText();
    int code = GetErrorCode();
    char stamp[64];
    std::snprintf(stamp, sizeof stamp, "Data %02i/%02i/%04i / Hora %02i:%02i / ", t.day, t.month, t.year, t.hour,
                  t.minute);
    // "Problema no CRYSTAL : %s (%i)", built without a length limit on the text
    std::string problem = "Problema no CRYSTAL : " + text + " (" + std::to_string(code) + ")";
    AppendLogLine("CRYSTAL.LOG", stamp + problem + "\n");
    AfxMessageBox(problem, MB_OK | MB_ICONERROR);
    throw CUserException();
}

void CrystalEngine::AddJob(Crystal* job) { m_jobs.push_back(job); }

void CrystalEngine::RemoveJob(Crystal* job)
{
    for (auto it = m_jobs.rbegin(); it != m_jobs.rend(); ++it)
        if (*it == job) {
            m_jobs.erase(std::next(it).base());
            return;
        }
}

CrystalEngine* Crystal::Engine(CrystalEngine* passed)
{
    if (!CrystalEngine::s_pEngine)
        CrystalEngine::s_pEngine = passed ? passed : new CrystalEngine();
    return CrystalEngine::s_pEngine;
}

Crystal::Crystal(const std::string& reportPath, CrystalEngine* engine) : m_pEngine(Engine(engine))
{
    m_nJob = Component().OpenJob(reportPath);
    Check(m_nJob > 0);
    m_pEngine->AddJob(this);
}

Crystal::Crystal(const std::string& subreportName, Crystal* parent, CrystalEngine* engine)
    : m_pEngine(Engine(engine))
{
    m_nJob = Component().OpenSubreport(parent ? parent->m_nJob : 0, subreportName);
    Check(m_nJob > 0);
    m_pParent = parent;
    parent->m_subreports.push_back(this);
}

Crystal::~Crystal()
{
    while (!m_subreports.empty())
        delete m_subreports.front();
    if (m_pParent) {
        auto& list = m_pParent->m_subreports;
        list.erase(std::find(list.begin(), list.end(), this));
    } else {
        m_pEngine->RemoveJob(this);
    }
    try {
        Check(Component().CloseJob(m_nJob));
    } catch (const CUserException&) {
        // logged and shown; the destruction goes on
    }
    if (m_pEngine->GetJobCount() == 0)
        delete m_pEngine;
}

int Crystal::SetTableLocation(short table, const CrystalTableLocation& location)
{
    return Check(Component().SetTableLocation(m_nJob, table, location));
}

int Crystal::RefreshData() { return Check(Component().RefreshData(m_nJob)); }

int Crystal::SetSelectionFormula(const std::string& text)
{
    return Check(Component().SetSelectionFormula(m_nJob, text));
}

int Crystal::SetFormula(const std::string& name, const std::string& text)
{
    return Check(Component().SetFormula(m_nJob, name, text));
}

int Crystal::SelectPrinter(const std::string& driver, const std::string& printer, const std::string& port,
                           const PrinterDeviceMode* mode)
{
    return Check(Component().SelectPrinter(m_nJob, driver, printer, port, mode));
}

int Crystal::SetPrintOptions(const CrystalPrintOptions& options)
{
    return Check(Component().SetPrintOptions(m_nJob, options));
}

int Crystal::OutputToPrinter(short copies)
{
    m_bHostInChildFrame = 0;
    return Check(Component().OutputToPrinter(m_nJob, copies));
}

int Crystal::OutputToWindow(const std::string& title, int left, int top, int width, int height,
                            unsigned long style, ReportWindowHandle parentWindow)
{
    m_bHostInChildFrame = 0;
    return Check(Component().OutputToWindow(m_nJob, title, left, top, width, height, style, parentWindow));
}

ReportWindowHandle Crystal::GetWindowHandle()
{
    ReportWindowHandle window = Component().GetWindowHandle(m_nJob);
    Check(window != nullptr);
    return window;
}

int Crystal::CloseWindow() { return Component().CloseWindow(m_nJob); }

int Crystal::Start()
{
    if (m_bHostInChildFrame == 0)
        return Check(Component().StartJob(m_nJob, 1));
    // The hosted preview: the preview host's window plays the child frame, with its title and rectangle.
    Check(Component().OutputToWindow(m_nJob, m_strPreviewTitle, m_nLeft, m_nTop, m_nWidth, m_nHeight,
                                     m_nPreviewStyle | 0x50CF0000UL, nullptr));
    Check(Component().StartJob(m_nJob, 1));
    return GetWindowHandle() != nullptr;
}
