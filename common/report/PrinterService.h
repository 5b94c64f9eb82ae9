#pragma once
// The application's printers: what CUPS offers and, always, the file printer "Salvar em PDF"; the one the
// user chose in the print set-up dialog (or the system default), sending a report's PDF to one of them, and
// where report previews are shown. AppContext().printer points at the program's one instance.

#include <functional>
#include <memory>
#include <string>
#include <vector>

class IReportPreviewHost;

inline constexpr short DMORIENT_PORTRAIT = 1;
inline constexpr short DMORIENT_LANDSCAPE = 2;

// The device mode the callers adjust before selecting a printer for a job.
struct PrinterDeviceMode {
    std::string dmDeviceName;
    short dmOrientation = DMORIENT_PORTRAIT;
    short dmCopies = 1;
};

// A printer as the callers hand it to a report job: driver, device and port names and the device mode.
struct PrinterDevice {
    std::string driver;  // "CUPS"
    std::string device;  // the CUPS destination name
    std::string port;    // the device URI when CUPS tells it
    PrinterDeviceMode devMode;
};

// The printer the service itself brings: it writes A4 PDF files under a name the user gives.
inline constexpr const char* kFilePrinterName = "Salvar em PDF";
inline constexpr const char* kFilePrinterDriver = "PDF";

struct PrinterInfo {
    std::string name;         // destination name ("name/instance" for an instance)
    std::string description;  // printer-info, or the name
    std::string deviceUri;
    bool isDefault = false;
    bool isFile = false;      // the file printer
};

struct PrintRequest {
    std::string printer;
    std::string pdfPath;
    std::string title;
    int copies = 1;
    int firstPage = 0;  // 0 and 0: every page
    int lastPage = 0;
    int collation = 2;  // 0 uncollated, 1 collated, 2 the printer's default
};

// How print jobs reach the printers: CUPS in the programs, a recording one in tests.
class IPrinterBackend {
public:
    virtual ~IPrinterBackend() = default;
    virtual std::vector<PrinterInfo> ListPrinters() = 0;
    // Sends the file; false with the reason in error.
    virtual bool Submit(const PrintRequest& request, std::string& error) = 0;
};

class CupsPrinterBackend : public IPrinterBackend {
public:
    std::vector<PrinterInfo> ListPrinters() override;
    bool Submit(const PrintRequest& request, std::string& error) override;
};

class PrinterService {
public:
    explicit PrinterService(std::unique_ptr<IPrinterBackend> backend = std::make_unique<CupsPrinterBackend>());
    ~PrinterService();
    PrinterService(const PrinterService&) = delete;
    PrinterService& operator=(const PrinterService&) = delete;

    // The CUPS printers, then the file printer. CUPS is asked every time: printers come and go while the
    // program runs.
    std::vector<PrinterInfo> Printers() const;
    std::vector<PrinterInfo> CupsPrinters() const;
    bool HasPrinter(const std::string& name) const;
    static bool IsFilePrinter(const std::string& name) { return name == kFilePrinterName; }

    // The application's printer: the one chosen in the print set-up dialog while it still exists, else the
    // system default (the first CUPS printer when CUPS names no default), else the file printer. Always
    // found: the callers' "no printer" case is a program without a printer service.
    bool GetApplicationPrinter(PrinterDevice& out) const;
    // The CUPS printer a preview prints on: the application's printer when it is one, else the system
    // default. False when CUPS has none.
    bool GetCupsPrinter(PrinterDevice& out) const;
    // The print set-up dialog's choice; false (and nothing changed) for a printer that does not exist.
    bool ChoosePrinter(const std::string& name);
    const std::string& ChosenPrinter() const { return m_chosen; }

    bool Submit(const PrintRequest& request, std::string& error) const;

    // The window layer registers its preview host here; null while there is none.
    void SetPreviewHost(IReportPreviewHost* host) { m_preview = host; }
    IReportPreviewHost* PreviewHost() const { return m_preview; }

    // The program's print-options dialog, for printing from a preview: fills copies, page range and
    // collation of the request; false when the user cancels. Without one, one copy of every page.
    using PrintOptionsDialog = std::function<bool(PrintRequest&)>;
    void SetPrintOptionsDialog(PrintOptionsDialog dialog) { m_printOptions = std::move(dialog); }
    bool AskPrintOptions(PrintRequest& request) const;

    IPrinterBackend& Backend() const { return *m_backend; }

private:
    static PrinterInfo FilePrinter();
    static PrinterDevice Device(const PrinterInfo& printer);

    std::unique_ptr<IPrinterBackend> m_backend;
    std::string m_chosen;
    IReportPreviewHost* m_preview = nullptr;
    PrintOptionsDialog m_printOptions;
};

// For tests: printers by name, the first one the default; every submitted job recorded with a copy of its
// file's bytes.
class RecordingPrinterBackend : public IPrinterBackend {
public:
    struct Job {
        PrintRequest request;
        std::string pdf;  // the file's contents when it was submitted
    };

    explicit RecordingPrinterBackend(std::vector<std::string> printers = {});
    std::vector<PrinterInfo> ListPrinters() override;
    bool Submit(const PrintRequest& request, std::string& error) override;

    std::vector<std::string> printers;
    std::vector<Job> jobs;
    std::string failWith;  // non-empty: every Submit fails with this text
};
