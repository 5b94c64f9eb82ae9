#pragma once
// A project file sized outside the program, the way Mvsize's sizing commands do it: one engine per circuit,
// constructed, asked to calculate, read and deleted; message boxes go to standard error.

#include "AppContext.h"
#include "DaoDatabase.h"
#include "Document.h"
#include "MessageService.h"

#include <optional>
#include <string>
#include <vector>

namespace mvcalc {

struct Resultado {
    std::string codigo;
    bool ok = false;
    std::string erro;
    int n = 0;             // as the file now holds them
    int secao = 0;
    std::string criterio;  // the report line's text
};

class MensagensNoConsole : public IMessageService {
public:
    int MessageBox(const std::string& text, const std::string& caption, unsigned type) override;
};

class SessaoMt {
public:
    // Opens the catalogue read-only and the project read-write; throws CDaoException on failure.
    SessaoMt(const std::string& catalogo, const std::string& projeto);
    ~SessaoMt();
    SessaoMt(const SessaoMt&) = delete;
    SessaoMt& operator=(const SessaoMt&) = delete;

    // In the project command's order.
    std::vector<short> Circuitos();
    // The circuits with that code (unique among siblings only), or the key "#n".
    std::vector<short> Procurar(const std::string& nome);
    Resultado Dimensionar(short seq);

private:
    CDaoDatabase m_catalogo;
    CDaoDatabase m_projeto;
    CProjectDocument m_documento;
    MensagensNoConsole m_mensagens;
    CAppContext m_contexto;
    std::optional<ScopedAppContext> m_escopo;
};

}  // namespace mvcalc
