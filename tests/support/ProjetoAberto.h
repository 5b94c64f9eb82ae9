#pragma once
// A project database as the active document's and a catalogue as the reference database of an application
// context, in a fresh folder that is also the current one (ZEL.LOG goes there). The fixture built on it
// makes the two files in dir, as its tests need them, then opens them with Abrir; the clock, messages, host
// and the context's scope are its own.

#include "AppContext.h"
#include "DaoDatabase.h"
#include "Document.h"
#include "TestSupport.h"

#include <string>

namespace zeltest {

class ProjetoAberto {
public:
    ProjetoAberto() = default;
    ~ProjetoAberto();
    ProjetoAberto(const ProjetoAberto&) = delete;
    ProjetoAberto& operator=(const ProjetoAberto&) = delete;

    // The catalogue read-only (with the connect string the program passes), the project read-write.
    void Abrir(const std::string& catalogoPath, const std::string& projetoPath, const std::string& conexao = "");

    TempDir dir;
    ScopedCurrentDir cwd{dir.Path()};
    CDaoDatabase catalogo;
    CDaoDatabase projeto;
    CProjectDocument documento;
    CAppContext contexto;
};

}  // namespace zeltest
