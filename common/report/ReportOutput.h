#pragma once
// A report's pages leaving the program: saved as a PDF file, which replaces its target whole or not at all,
// or sent to a printer (a CUPS queue, or the file printer, which saves where the user says).

#include "PrinterService.h"
#include "ReportPages.h"

#include <string>

// The name a saved copy of the report is offered under: its file name (its title when that is empty), with
// what a file name cannot hold replaced, and ".pdf".
std::string PdfFileName(const RenderedReport& report);

// Writes pages first..last (0 and 0: all) to path: into a new file in path's folder, renamed over path once
// it is whole, so a failure leaves no partial file and whatever path held before. False with the reason, in
// Portuguese, in error.
bool SaveReportPdf(const RenderedReport& report, const std::string& path, std::string& error, int firstPage = 0,
                   int lastPage = 0);

// Ends the request's page range at the report's last page; false, with the sentence for the user in error,
// when it starts past it.
bool FitPageRange(const RenderedReport& report, PrintRequest& request, std::string& error);

enum class PrintOutcome { printed, cancelled, failed };

// Sends the report to request.printer with its copies, pages and collation: to CUPS through a temporary PDF,
// or, for the file printer, into the file the user names through the preview host (the chosen pages, one
// copy). Cancelled when the user names no file. On failure error holds a sentence for the user.
PrintOutcome PrintReport(const PrinterService& printers, const RenderedReport& report, PrintRequest request,
                         std::string& error);
