#include "Csv.h"

#include <fstream>
#include <stdexcept>

namespace zeltest {

namespace {

std::vector<std::string> SplitRecord(const std::string& line)
{
    std::vector<std::string> fields;
    std::string field;
    bool quoted = false;
    for (size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            fields.push_back(field);
            field.clear();
        } else if (c != '\r') {
            field += c;
        }
    }
    fields.push_back(field);
    return fields;
}

}  // namespace

CsvTable ReadCsv(const std::string& path)
{
    std::ifstream in(path);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    CsvTable table;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::vector<std::string> fields = SplitRecord(line);
        if (table.header.empty()) {
            table.header = fields;
            continue;
        }
        if (fields.size() != table.header.size())
            throw std::runtime_error(path + ": row with " + std::to_string(fields.size()) + " fields: " + line);
        std::map<std::string, std::string> row;
        for (size_t i = 0; i < fields.size(); ++i)
            row[table.header[i]] = fields[i];
        table.rows.push_back(std::move(row));
    }
    return table;
}

}  // namespace zeltest
