#include "PrinterService.h"

#include <fstream>
#include <sstream>

PrinterService::PrinterService(std::unique_ptr<IPrinterBackend> backend) : m_backend(std::move(backend)) {}
PrinterService::~PrinterService() = default;

std::vector<PrinterInfo> PrinterService::Printers() const { return m_backend->ListPrinters(); }

bool PrinterService::HasPrinter(const std::string& name) const
{
    for (const PrinterInfo& p : Printers())
        if (p.name == name)
            return true;
    return false;
}

bool PrinterService::GetApplicationPrinter(PrinterDevice& out) const
{
    std::vector<PrinterInfo> printers = Printers();
    if (printers.empty())
        return false;
    const PrinterInfo* chosen = nullptr;
    for (const PrinterInfo& p : printers)
        if (!m_chosen.empty() && p.name == m_chosen)
            chosen = &p;
    for (const PrinterInfo& p : printers)
        if (!chosen && p.isDefault)
            chosen = &p;
    if (!chosen)
        chosen = &printers.front();
    out = PrinterDevice();
    out.driver = "CUPS";
    out.device = chosen->name;
    out.port = chosen->deviceUri;
    out.devMode.dmDeviceName = chosen->name;
    return true;
}

bool PrinterService::ChoosePrinter(const std::string& name)
{
    if (!HasPrinter(name))
        return false;
    m_chosen = name;
    return true;
}

bool PrinterService::Submit(const PrintRequest& request, std::string& error) const
{
    return m_backend->Submit(request, error);
}

RecordingPrinterBackend::RecordingPrinterBackend(std::vector<std::string> names) : printers(std::move(names)) {}

std::vector<PrinterInfo> RecordingPrinterBackend::ListPrinters()
{
    std::vector<PrinterInfo> out;
    for (size_t i = 0; i < printers.size(); ++i) {
        PrinterInfo p;
        p.name = printers[i];
        p.description = printers[i];
        p.deviceUri = "file:///dev/null";
        p.isDefault = i == 0;
        out.push_back(p);
    }
    return out;
}

bool RecordingPrinterBackend::Submit(const PrintRequest& request, std::string& error)
{
    if (!failWith.empty()) {
        error = failWith;
        return false;
    }
    std::ifstream in(request.pdfPath, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    jobs.push_back({request, bytes.str()});
    return true;
}
