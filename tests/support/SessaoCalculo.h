#pragma once
// Sizing the circuits of a project file outside the programs, the way their sizing commands do: one engine
// per circuit, constructed, asked to calculate, read and deleted. What both sizing programs' command-line
// drivers share - the opened files and the context the engines read them through, the circuits in the
// project command's order, the result read back from the file, and the command line itself. Each program
// derives its session with the one thing that differs, its engine. No test framework.
//
//   <programa> [-c catálogo.zel] projeto.<ext> [código | #chave ...]
//
// Without circuits named, every circuit is sized in the project command's order and the run stops at the
// first circuit that cannot be sized ("Circuito %s. Erro: %s"). Named circuits are sized one by one, as the
// circuit command does, each whatever became of the one before. One line per circuit on standard output;
// message boxes go to standard error. Exit status: 0 all sized, 1 a circuit not sized or not found, 2 wrong
// arguments or a file that cannot be opened.

#include "AppContext.h"
#include "DaoDatabase.h"
#include "Document.h"
#include "MessageService.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zelcalc {

struct Dimensionado {
    std::string codigo;
    bool ok = false;
    std::string erro;      // the text of the line's last column
    int n = 0;             // as the file now holds them (or the engine's when it wrote nothing)
    double secao = 0;
    std::string criterio;  // the report line's text
};

// Prints message boxes to standard error and answers them with OK.
class MensagensNoConsole : public IMessageService {
public:
    int MessageBox(const std::string& text, const std::string& caption, unsigned type) override;
};

class Sessao {
public:
    // Opens the catalogue read-only (with the program's connect string) and the project read-write; throws
    // CDaoException on failure.
    Sessao(const std::string& arquivoCatalogo, const std::string& arquivoProjeto,
           const std::string& conexaoCatalogo = "");
    virtual ~Sessao();
    Sessao(const Sessao&) = delete;
    Sessao& operator=(const Sessao&) = delete;

    // The circuits in the project command's order ("SELECT circuito_sequencial FROM circuito").
    std::vector<short> TodosNaOrdemDoProjeto();
    // The circuits with that code (codes are unique among siblings only), or the key "#n".
    std::vector<short> Procurar(const std::string& nome);

    virtual Dimensionado Dimensionar(short seq) = 0;

    CDaoDatabase catalogo;
    CDaoDatabase projeto;
    CProjectDocument documento;
    MensagensNoConsole mensagens;
    CAppContext contexto;

protected:
    // What the file holds for the circuit after a successful calculation (for a circuit calculated earlier,
    // what that calculation wrote): conductors per phase, section and the report's criterion.
    void LerResultado(short seq, Dimensionado& d);

private:
    std::optional<ScopedAppContext> m_escopo;
};

// One sizing program's command line.
struct Programa {
    const char* nome;      // "lvsize_calc"
    const char* extensao;  // of its project files, for the usage text
    std::string catalogoPadrao;
    std::function<std::unique_ptr<Sessao>(const std::string& catalogo, const std::string& projeto)> abrir;
};

// Parses the command line, sizes the circuits and prints them; returns the exit status.
int Executar(const Programa& programa, int argc, char** argv);

}  // namespace zelcalc
