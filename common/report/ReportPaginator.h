#pragma once
// Lays a report out on A4 pages: page header on every page, bands of the rows kept whole across page
// breaks, group and subreport headers kept with what follows them, page footer at the bottom of every page,
// then the page numbers.

#include "ReportData.h"
#include "ReportPages.h"

#include <map>
#include <memory>
#include <string>

struct PaginationInput {
    const ReportLayout* layout = nullptr;
    const ReportDataSet* data = nullptr;
    const std::map<std::string, ReportValue>* formulas = nullptr;  // lower-case names
    // The subreports' data and formulas, by lower-case subreport name.
    std::map<std::string, const ReportDataSet*> subreportData;
    std::map<std::string, const std::map<std::string, ReportValue>*> subreportFormulas;
    std::string printDate;  // dd/mm/yyyy
    bool landscape = false;
    std::string title;
};

// Throws ReportDataError when a subreport's data is missing.
std::shared_ptr<RenderedReport> PaginateReport(const PaginationInput& input);
