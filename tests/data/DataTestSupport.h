#pragma once
// Shared by the data tests: where the built databases and the reference files are, a reader for the
// reference CSV files, and a query that returns every row with its values.

#include "Csv.h"
#include "DaoRecordsetManual.h"

#include <map>
#include <string>
#include <vector>

namespace zeldata {

std::string CataloguePath();  // the built ZelBt01.zel
std::string TemplatePath();   // the built ZelBt02.zel
std::string ReferencePath(const std::string& relative);

using zeltest::CsvTable;
using zeltest::ReadCsv;
CsvTable ReadReference(const std::string& relative);

// Strict C-locale number: the whole text must parse; throws otherwise.
double Number(const std::string& text);

// The catalogue, opened read-only once for the test program.
CDaoDatabase& Catalogue();

struct Row {
    std::map<std::string, COleVariant> values;
    double Num(const std::string& column) const;
    long Int(const std::string& column) const;
    std::string Text(const std::string& column) const;
};
std::vector<Row> Query(CDaoDatabase& db, const std::string& sql);

// Two values equal after storage as SINGLE.
bool SameSingle(double stored, double expected);

}  // namespace zeldata
