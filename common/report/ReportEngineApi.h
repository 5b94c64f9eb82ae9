#pragma once
// The operations of the report component, one per engine call of the report jobs, with the records the
// callers fill and the success and failure results they test. A failed call returns 0 (a job number 0,
// a null handle) and leaves its error code and text for the next GetErrorCode and GetErrorText.

#include "PrinterService.h"
#include "ReportPreviewHost.h"

#include <cstdint>
#include <string>

#pragma pack(push, 1)
// Where a table of a job reads from: the path of a database file.
struct CrystalTableLocation {
    std::uint16_t StructSize = sizeof(CrystalTableLocation);  // 258
    char Location[256] = {};
};

// First and last page (0 and 0: all), copies, collation (0 uncollated, 1 collated, 2 the default).
struct CrystalPrintOptions {
    std::uint16_t StructSize = sizeof(CrystalPrintOptions);  // 10
    std::uint16_t startPageN = 0;
    std::uint16_t stopPageN = 0;
    std::uint16_t nReportCopies = 0;
    std::uint16_t collation = 2;
};
#pragma pack(pop)
static_assert(sizeof(CrystalTableLocation) == 258);
static_assert(sizeof(CrystalPrintOptions) == 10);

using ReportTextHandle = std::intptr_t;

class IReportComponent {
public:
    virtual ~IReportComponent() = default;

    virtual int OpenEngine() = 0;
    virtual void CloseEngine() = 0;
    virtual short OpenJob(const std::string& reportPath) = 0;
    virtual short OpenSubreport(short parentJob, const std::string& subreportName) = 0;
    virtual int CloseJob(short job) = 0;
    virtual int StartJob(short job, int wait) = 0;
    virtual int OutputToWindow(short job, const std::string& title, int left, int top, int width, int height,
                               unsigned long style, ReportWindowHandle parent) = 0;
    virtual ReportWindowHandle GetWindowHandle(short job) = 0;
    virtual int CloseWindow(short job) = 0;  // 1 when a window was closed; never an error
    virtual int SetFormula(short job, const std::string& name, const std::string& text) = 0;
    virtual int SetSelectionFormula(short job, const std::string& text) = 0;
    virtual short GetErrorCode(short job) = 0;
    virtual int GetErrorText(short job, ReportTextHandle& handle, short& length) = 0;
    virtual int CopyHandleText(ReportTextHandle handle, char* buffer, short length) = 0;
    virtual int OutputToPrinter(short job, short copies) = 0;
    virtual int SelectPrinter(short job, const std::string& driver, const std::string& printer,
                              const std::string& port, const PrinterDeviceMode* mode) = 0;
    virtual int SetPrintOptions(short job, const CrystalPrintOptions& options) = 0;
    virtual int SetTableLocation(short job, short table, const CrystalTableLocation& location) = 0;
    virtual int RefreshData(short job) = 0;
};

// The component's own error codes; the texts are in Portuguese and name what failed.
enum ReportErrorCode : short {
    REPORT_OK = 0,
    REPORT_ERR_NOT_OPEN = 101,        // the component is not open
    REPORT_ERR_BAD_JOB = 102,         // no such job
    REPORT_ERR_LAYOUT = 103,          // layout file missing or not readable as a layout
    REPORT_ERR_NO_SUBREPORT = 104,    // the layout has no subreport of that name
    REPORT_ERR_TABLE_INDEX = 105,     // no table with that index
    REPORT_ERR_RECORD = 106,          // a record with a wrong size or an empty location
    REPORT_ERR_FORMULA_NAME = 107,    // the layout has no formula of that name
    REPORT_ERR_FORMULA = 108,         // a formula text that is not a value
    REPORT_ERR_SELECTION = 109,       // a selection formula that cannot be read
    REPORT_ERR_DATA = 110,            // a database or a table cannot be read
    REPORT_ERR_PRINTER = 111,         // no such printer, or none at all
    REPORT_ERR_PRINT_OPTIONS = 112,   // pages or collation out of range
    REPORT_ERR_NO_DESTINATION = 113,  // started without an output
    REPORT_ERR_RENDER = 114,          // the pages could not be made
    REPORT_ERR_PRINT = 115,           // the printing system refused the job, or its PDF file failed
    REPORT_ERR_PREVIEW = 116,         // no preview window could be shown
    REPORT_ERR_NO_WINDOW = 117,       // the job has no preview window
    REPORT_ERR_PAGE_RANGE = 118,      // the chosen pages are not in the report
    REPORT_ERR_HANDLE = 119,          // an unknown or too short text handle
    REPORT_ERR_SUBREPORT_JOB = 120,   // an operation that only a main job has
};
