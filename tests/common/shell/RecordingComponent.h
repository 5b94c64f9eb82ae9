#pragma once
// A report component for the shell fixtures that records every call a program makes of it.

#include "Crystal.h"
#include "ReportComponent.h"

#include <string>
#include <utility>
#include <vector>

namespace shelltest {

// The report component, recording the calls the programs make of it.
class RecordingComponent : public ReportComponent {
public:
    struct Call {
        short job;
        std::string what;  // "formula circuito='C1'", "selection ...", "table 0 <path>", "window", "printer 2", ...
    };
    std::vector<Call> calls;
    std::vector<std::string> Of(short job) const;
    short JobOf(const std::string& reportFileName) const;

    short OpenJob(const std::string& reportPath) override;
    int SetFormula(short job, const std::string& name, const std::string& text) override;
    int SetSelectionFormula(short job, const std::string& text) override;
    int SetTableLocation(short job, short table, const CrystalTableLocation& location) override;
    int OutputToWindow(short job, const std::string& title, int left, int top, int width, int height,
                       unsigned long style, ReportWindowHandle parent) override;
    int OutputToPrinter(short job, short copies) override;
    int SetPrintOptions(short job, const CrystalPrintOptions& options) override;
    int SelectPrinter(short job, const std::string& driver, const std::string& printer, const std::string& port,
                      const PrinterDeviceMode* mode) override;
    int CloseWindow(short job) override;

private:
    std::vector<std::pair<short, std::string>> m_jobs;
};

}  // namespace shelltest
