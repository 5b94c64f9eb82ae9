#include "CsvReferencia.h"

#include <fstream>
#include <stdexcept>

namespace mvtest {

namespace {
std::vector<std::string> Campos(const std::string& linha)
{
    std::vector<std::string> out;
    std::string campo;
    bool aspas = false;
    for (size_t i = 0; i < linha.size(); ++i) {
        const char c = linha[i];
        if (aspas) {
            if (c == '"' && i + 1 < linha.size() && linha[i + 1] == '"') {
                campo += '"';
                ++i;
            } else if (c == '"') {
                aspas = false;
            } else {
                campo += c;
            }
        } else if (c == '"') {
            aspas = true;
        } else if (c == ',') {
            out.push_back(campo);
            campo.clear();
        } else if (c != '\r') {
            campo += c;
        }
    }
    out.push_back(campo);
    return out;
}
}  // namespace

std::vector<LinhaCsv> LerCsv(const std::string& path)
{
    std::ifstream in(path);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    std::vector<LinhaCsv> out;
    std::vector<std::string> cabecalho;
    std::string linha;
    while (std::getline(in, linha)) {
        if (linha.empty() || (cabecalho.empty() && linha[0] == '#'))
            continue;
        const auto campos = Campos(linha);
        if (cabecalho.empty()) {
            cabecalho = campos;
            continue;
        }
        LinhaCsv l;
        for (size_t i = 0; i < cabecalho.size() && i < campos.size(); ++i)
            l[cabecalho[i]] = campos[i];
        out.push_back(l);
    }
    return out;
}

}  // namespace mvtest
