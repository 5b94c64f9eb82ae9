#pragma once
// A project made from the shipped template as the active document's working database, the shipped
// catalogue as the reference database, and the headless host answering dialogs and message boxes.

#include "ProjetoAtivo.h"

#include <string>
#include <utility>
#include <vector>

namespace cartest {

using dlgtest::Put;

// Descriptions of the catalogue rows the tests choose.
inline const char* const kMetodo13 = "13 - Cabos unipolares ou cabo multipolar em bandeja perfurada, horizontal ou vertical";
inline const char* const kSistema3 = "Trifásico 3F+N+PE (neutro igual à fase)";
inline const char* const kSistema1 = "Monofásico F+N+PE";
inline const char* const kSistemaCC = "Corrente contínua (2 condutores)";
inline const char* const kCabo5 = "Cabo unipolar Cu EPR 90 °C 0,6/1 kV";
inline const char* const kCabo1 = "Condutor isolado Cu PVC 70 °C 450/750 V";

class Projeto : public dlgtest::ProjetoSemTela {
public:
    Projeto();

    std::string Catalogo() const;
    int Contar(const std::string& sql);
    // Catalogue queries for expectations.
    std::vector<std::string> ColunaCatalogo(const std::string& sql);
    // A circuit row with the inputs a sized circuit has; keys and code given.
    void Circuito(int seq, int pai, const std::string& codigo, int maneira = 13, int sistema = 3, int cabo = 5,
                  const std::string& extra = "");
    // The answers of a circuit, (question, answer) sorted by question.
    std::vector<std::pair<int, int>> Respostas(int seq);
};

// The selection dialogs a walk opens: the question asked, the line preselected (0 = none), and the answer
// the script gives (1-based; 0 = Cancel).
struct Pergunta {
    int pergunta = 0;
    int preselecionada = -1;
};
// Queues one script per answer; each script records what it was shown into asked.
void Responder(HeadlessHost& host, const std::vector<int>& respostas, std::vector<Pergunta>& asked);

// The cascade as a user does it: choose in each list, then move on (kill focus confirms, set focus fills).
void EscolherCascata(DialogDriver& d, const std::string& maneira, const std::string& sistema,
                     const std::string& cabo);
// Fills the inputs a top-level circuit needs besides the cascade (code, length, voltages, drop, current).
void PreencherBasico(DialogDriver& d, const std::string& codigo);
// The combo box's lines.
std::vector<std::string> Linhas(DialogDriver& d, int id);
std::string Trim(const std::string& s);

}  // namespace cartest
