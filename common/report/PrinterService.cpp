#include "PrinterService.h"

#include <fstream>
#include <sstream>

PrinterService::PrinterService(std::unique_ptr<IPrinterBackend> backend) : m_backend(std::move(backend)) {}
PrinterService::~PrinterService() = default;

std::vector<PrinterInfo> PrinterService::CupsPrinters() const { return m_backend->ListPrinters(); }

PrinterInfo PrinterService::FilePrinter()
{
    PrinterInfo file;
    file.name = kFilePrinterName;
    file.description = "Arquivo PDF (A4)";
    file.isFile = true;
    return file;
}

std::vector<PrinterInfo> PrinterService::Printers() const
{
    std::vector<PrinterInfo> printers = CupsPrinters();
    printers.push_back(FilePrinter());
    printers.back().isDefault = printers.size() == 1;
    return printers;
}

bool PrinterService::HasPrinter(const std::string& name) const
{
    if (IsFilePrinter(name))
        return true;
    for (const PrinterInfo& p : CupsPrinters())
        if (p.name == name)
            return true;
    return false;
}

PrinterDevice PrinterService::Device(const PrinterInfo& printer)
{
    PrinterDevice out;
    out.driver = printer.isFile ? kFilePrinterDriver : "CUPS";
    out.device = printer.name;
    out.port = printer.deviceUri;
    out.devMode.dmDeviceName = printer.name;
    return out;
}

bool PrinterService::GetApplicationPrinter(PrinterDevice& out) const
{
    if (!IsFilePrinter(m_chosen) && GetCupsPrinter(out))
        return true;
    out = Device(FilePrinter());
    return true;
}

bool PrinterService::GetCupsPrinter(PrinterDevice& out) const
{
    std::vector<PrinterInfo> printers = CupsPrinters();
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
    out = Device(*chosen);
    return true;
}

bool PrinterService::ChoosePrinter(const std::string& name)
{
    if (!HasPrinter(name))
        return false;
    m_chosen = name;
    return true;
}

bool PrinterService::AskPrintOptions(PrintRequest& request) const
{
    if (!m_printOptions) {
        request.copies = 1;
        request.firstPage = request.lastPage = 0;
        return true;
    }
    return m_printOptions(request);
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
