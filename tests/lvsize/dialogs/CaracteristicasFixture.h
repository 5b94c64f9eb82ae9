#pragma once
// A project made from the shipped template as the active document's working database, the shipped
// catalogue as the reference database, and the headless host answering dialogs and message boxes.

#include "AppContext.h"
#include "Clock.h"
#include "DaoDatabase.h"
#include "Document.h"
#include "HeadlessHost.h"
#include "TestSupport.h"

#include <string>
#include <utility>
#include <vector>

namespace cartest {

// Descriptions of the catalogue rows the tests choose.
inline const char* const kMetodo13 = "13 - Cabos unipolares ou cabo multipolar em bandeja perfurada, horizontal ou vertical";
inline const char* const kSistema3 = "Trifásico 3F+N+PE (neutro igual à fase)";
inline const char* const kSistema1 = "Monofásico F+N+PE";
inline const char* const kSistemaCC = "Corrente contínua (2 condutores)";
inline const char* const kCabo5 = "Cabo unipolar Cu EPR 90 °C 0,6/1 kV";
inline const char* const kCabo1 = "Condutor isolado Cu PVC 70 °C 450/750 V";

class Projeto {
public:
    Projeto();
    ~Projeto();

    std::string Catalogo() const;
    // Runs SQL on the working database (through the data layer, as the program would).
    void Sql(const std::string& sql);
    // First column of the first row as text (through the data layer); "" for none, "NULL" for NULL.
    std::string Texto(const std::string& sql);
    double Numero(const std::string& sql);
    int Contar(const std::string& sql);
    // Catalogue queries for expectations.
    std::vector<std::string> ColunaCatalogo(const std::string& sql);
    // A circuit row with the inputs a sized circuit has; keys and code given.
    void Circuito(int seq, int pai, const std::string& codigo, int maneira = 13, int sistema = 3, int cabo = 5,
                  const std::string& extra = "");
    // The answers of a circuit, (question, answer) sorted by question.
    std::vector<std::pair<int, int>> Respostas(int seq);

    zeltest::TempDir dir;
    zeltest::ScopedCurrentDir cwd;
    FixedClock clock{LocalTime{2026, 12, 10, 9, 30, 0}};
    CAppContext context;
    HeadlessHost host;
    CDaoDatabase catalogo;
    CDaoDatabase projeto;
    CProjectDocument doc;

private:
    ScopedAppContext m_scope;
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
// Empties a field and types the text.
DialogDriver& Put(DialogDriver& d, int id, const std::string& text);
// Fills the inputs a top-level circuit needs besides the cascade (code, length, voltages, drop, current).
void PreencherBasico(DialogDriver& d, const std::string& codigo);
// The combo box's lines.
std::vector<std::string> Linhas(DialogDriver& d, int id);
std::string Trim(const std::string& s);

}  // namespace cartest
