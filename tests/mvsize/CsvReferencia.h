#pragma once
// Reader of the reference tables (CSV with '#' source lines, a header row, quoted cells).

#include <map>
#include <string>
#include <vector>

namespace mvtest {

using LinhaCsv = std::map<std::string, std::string>;
std::vector<LinhaCsv> LerCsv(const std::string& path);

}  // namespace mvtest
