#include "DataTestSupport.h"

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <locale.h>
#include <sstream>
#include <stdexcept>

namespace zeldata {

std::string CataloguePath() { return std::string(ZEL_DATA_DIR) + "/ZelBt01.zel"; }
std::string TemplatePath() { return std::string(ZEL_DATA_DIR) + "/ZelBt02.zel"; }
std::string ReferencePath(const std::string& relative) { return std::string(ZEL_REFERENCE_DIR) + "/" + relative; }

CsvTable ReadReference(const std::string& relative) { return ReadCsv(ReferencePath(relative)); }

double Number(const std::string& text)
{
    static locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
    char* end = nullptr;
    const double v = strtod_l(text.c_str(), &end, c);
    if (text.empty() || end != text.c_str() + text.size())
        throw std::runtime_error("not a number: '" + text + "'");
    return v;
}

CDaoDatabase& Catalogue()
{
    static CDaoDatabase db;
    if (!db.IsOpen())
        db.Open(CataloguePath(), false, true);
    return db;
}

double Row::Num(const std::string& column) const
{
    const auto it = values.find(column);
    if (it == values.end())
        throw std::runtime_error("no column " + column);
    return it->second.IsNull() ? 0.0 : it->second.AsDouble();
}

long Row::Int(const std::string& column) const { return std::lround(Num(column)); }

std::string Row::Text(const std::string& column) const
{
    const auto it = values.find(column);
    if (it == values.end())
        throw std::runtime_error("no column " + column);
    return it->second.strVal;
}

std::vector<Row> Query(CDaoDatabase& db, const std::string& sql)
{
    CDaoRecordsetManual rs(&db, dbOpenSnapshot, sql.c_str());
    std::vector<Row> rows;
    for (; !rs.IsEOF(); rs.MoveNext()) {
        Row row;
        for (int i = 0; i < rs.GetFieldCount(); ++i) {
            const std::string name = rs.GetFieldName(i);
            row.values[name] = rs.GetFieldValue(name);
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

bool SameSingle(double stored, double expected)
{
    return std::fabs(stored - static_cast<double>(static_cast<float>(expected))) <=
           1e-6 * std::max(1.0, std::fabs(expected));
}

}  // namespace zeldata
