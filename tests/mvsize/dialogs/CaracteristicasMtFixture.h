#pragma once
// Mvsize's circuit dialog on the shipped catalogue ZelMt01.zel and a copy of the shipped template
// ZelMt02.zel as the active document's working database, with the headless host answering the layout
// questions and the message boxes.

#include "ProjetoAtivo.h"

#include <string>
#include <vector>

namespace mvcartest {

using dlgtest::Put;

inline const char* const kBandejas = "Bandejas, leitos, eletrocalhas aramadas ou suportes, ao ar livre, abrigado do sol";
inline const char* const kCanaleta = "Canaleta fechada no solo";
inline const char* const kEletroduto = "Eletroduto ao ar livre, abrigado do sol";
inline const char* const kBancoDutos = "Banco de dutos enterrado";
inline const char* const kEnterrados = "Diretamente enterrados";
inline const char* const kEletrodutosEnterrados = "Eletrodutos enterrados";
inline const char* const kCaboEpr = "EPR 90 °C - condutor de cobre";
inline const char* const kCaboXlpeAl = "XLPE 90 °C - condutor de alumínio";

class Projeto : public dlgtest::ProjetoSemTela {
public:
    // catalogo: the catalogue to open (the shipped one unless a test changed a copy).
    explicit Projeto(const std::string& catalogo = "");

    // A complete row (method 1, class 3 = 8,7/15 kV, cable 1, 30 °C, 100 A, 13.8 kV ...), calculated.
    void Circuito(int seq, int pai, const std::string& codigo, const std::string& extra = "");

    std::vector<int> perguntas;  // questions asked through Responder(host, ..., perguntas)
};

std::string ShippedCatalogue();
// A copy of the shipped catalogue in the folder, changed by the statements.
std::string CatalogueCopy(const zeltest::TempDir& dir, const std::string& sql);

// Queues one selection-dialog script per answer (1-based line; 0 = Cancel); each records its question.
void Responder(HeadlessHost& host, const std::vector<int>& respostas, std::vector<int>& perguntas);

// The cascade as a user goes through it: method, service voltage (left), cable list entered and left.
void Cascata(DialogDriver& d, const std::string& maneira, const std::string& tensao, const std::string& cabo);
// The other inputs of a complete circuit (code, length, drop, current, power factor, short circuit).
void Preencher(DialogDriver& d, const std::string& codigo);
std::vector<std::string> Linhas(DialogDriver& d, int id);
std::string Selecionado(DialogDriver& d, int id);

}  // namespace mvcartest
