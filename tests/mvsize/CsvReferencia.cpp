#include "CsvReferencia.h"

#include "Csv.h"

namespace mvtest {

std::vector<LinhaCsv> LerCsv(const std::string& path)
{
    return zeltest::ReadCsv(path).rows;
}

}  // namespace mvtest
