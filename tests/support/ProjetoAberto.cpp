#include "ProjetoAberto.h"

namespace zeltest {

void ProjetoAberto::Abrir(const std::string& catalogoPath, const std::string& projetoPath, const std::string& conexao)
{
    catalogo.Open(catalogoPath, false, true, conexao);
    projeto.Open(projetoPath);
    documento.m_pDatabase = &projeto;
    contexto.m_pReferenceDb = &catalogo;
    contexto.activeDocument = [this]() -> CDocument* { return &documento; };
}

ProjetoAberto::~ProjetoAberto()
{
    contexto.activeDocument = nullptr;
    if (projeto.IsOpen())
        projeto.Close();
    if (catalogo.IsOpen())
        catalogo.Close();
}

}  // namespace zeltest
