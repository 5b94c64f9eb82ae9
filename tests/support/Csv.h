#pragma once
// The reference tables (and the catalogue's CSV sources): '#' source lines, a header row, then rows of
// quoted or plain cells.

#include <map>
#include <string>
#include <vector>

namespace zeltest {

struct CsvTable {
    std::vector<std::string> header;
    std::vector<std::map<std::string, std::string>> rows;
};
// Throws std::runtime_error for a file that cannot be read or a row whose cells do not match the header.
CsvTable ReadCsv(const std::string& path);

}  // namespace zeltest
