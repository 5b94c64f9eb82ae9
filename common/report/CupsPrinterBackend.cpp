#include "PrinterService.h"

#include <cups/cups.h>

std::vector<PrinterInfo> CupsPrinterBackend::ListPrinters()
{
    std::vector<PrinterInfo> out;
    cups_dest_t* dests = nullptr;
    // No CUPS server (as on build machines) gives no destinations: the "no printer" case.
    int n = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
    for (int i = 0; i < n; ++i) {
        const cups_dest_t& d = dests[i];
        PrinterInfo p;
        p.name = d.instance ? std::string(d.name) + "/" + d.instance : std::string(d.name);
        const char* info = cupsGetOption("printer-info", d.num_options, d.options);
        p.description = info && *info ? info : p.name;
        const char* uri = cupsGetOption("device-uri", d.num_options, d.options);
        p.deviceUri = uri ? uri : "";
        p.isDefault = d.is_default != 0;
        out.push_back(p);
    }
    cupsFreeDests(n, dests);
    return out;
}

bool CupsPrinterBackend::Submit(const PrintRequest& request, std::string& error)
{
    std::string name = request.printer;
    std::string instance;
    size_t slash = name.find('/');
    if (slash != std::string::npos) {
        instance = name.substr(slash + 1);
        name.erase(slash);
    }
    cups_dest_t* dests = nullptr;
    int n = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
    cups_dest_t* dest = cupsGetDest(name.c_str(), instance.empty() ? nullptr : instance.c_str(), n, dests);
    if (!dest) {
        cupsFreeDests(n, dests);
        error = "impressora não encontrada: " + request.printer;
        return false;
    }
    // The instance's saved options first, then what this job asks for.
    int numOptions = 0;
    cups_option_t* options = nullptr;
    for (int i = 0; i < dest->num_options; ++i)
        numOptions = cupsAddOption(dest->options[i].name, dest->options[i].value, numOptions, &options);
    cupsFreeDests(n, dests);
    numOptions = cupsAddOption("media", "A4", numOptions, &options);
    numOptions = cupsAddOption("copies", std::to_string(request.copies > 0 ? request.copies : 1).c_str(),
                               numOptions, &options);
    if (request.firstPage > 0 && request.lastPage >= request.firstPage) {
        std::string range = std::to_string(request.firstPage) + "-" + std::to_string(request.lastPage);
        numOptions = cupsAddOption("page-ranges", range.c_str(), numOptions, &options);
    }
    if (request.collation == 0 || request.collation == 1) {
        bool collate = request.collation == 1;
        numOptions = cupsAddOption("collate", collate ? "true" : "false", numOptions, &options);
        numOptions = cupsAddOption("multiple-document-handling",
                                   collate ? "separate-documents-collated-copies"
                                           : "separate-documents-uncollated-copies",
                                   numOptions, &options);
    }
    int job = cupsPrintFile2(CUPS_HTTP_DEFAULT, name.c_str(), request.pdfPath.c_str(), request.title.c_str(),
                             numOptions, options);
    cupsFreeOptions(numOptions, options);
    if (job == 0) {
        const char* why = cupsLastErrorString();
        error = why && *why ? why : "o servidor de impressão recusou o trabalho";
        return false;
    }
    return true;
}
