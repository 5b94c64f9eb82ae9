#pragma once
// Sizing circuits of a project file outside the program, the way its sizing commands do: one engine per
// circuit, constructed, asked to calculate, read and deleted. Shared by the command-line driver and the
// benchmark; no test framework.

#include "AppContext.h"
#include "Calculo.h"
#include "DaoDatabase.h"
#include "Document.h"

#include <optional>
#include <string>
#include <vector>

namespace lvrun {

struct Dimensionado {
    short seq = 0;
    std::string codigo;
    BOOL ok = FALSE;
    BOOL relatorio = FALSE;  // the engine's report flag
    std::string erro;
    short n = 0;           // as stored in the file (or the engine's when it wrote nothing)
    double secao = 0;
    std::string criterio;  // the report line's text
};

// Prints message boxes to standard error and answers them with OK.
class MensagensNoConsole : public IMessageService {
public:
    int MessageBox(const std::string& text, const std::string& caption, unsigned type) override;
    int mostradas = 0;
};

class Sessao {
public:
    // Opens the catalogue read-only and the project read-write; throws CDaoException on failure.
    Sessao(const std::string& catalogue, const std::string& project);
    ~Sessao();
    Sessao(const Sessao&) = delete;
    Sessao& operator=(const Sessao&) = delete;

    // The circuits in the project command's order ("SELECT circuito_sequencial FROM circuito").
    std::vector<short> TodosNaOrdemDoProjeto();
    // The circuits with that code (codes are unique among siblings only), or the key "#n".
    std::vector<short> Procurar(const std::string& nome);

    Dimensionado Dimensionar(short seq);

    CDaoDatabase catalogo;
    CDaoDatabase projeto;
    CProjectDocument documento;
    MensagensNoConsole mensagens;
    CAppContext contexto;

private:
    std::optional<ScopedAppContext> m_escopo;
};

}  // namespace lvrun
