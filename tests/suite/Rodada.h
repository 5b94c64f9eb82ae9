#pragma once
// One damaged file given to a sizing program run headless, as a user would: the program starts (on its
// catalogue, damaged or not), opens the project through its open command, sizes the whole project and then
// every circuit of its tree one by one (each with its report), and exits. What it showed and did is kept
// for the verdict: whether the project opened, the messages, the results written, the files left.
//
// Shell: shelltest::SizingShell of the program (see tests/common/shell/SizingShell.h).

#include "Ferramenta.h"
#include "Veredito.h"

#include "DaoDatabase.h"
#include "SizingCommands.h"
#include "TestSupport.h"

#include <cmath>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace danos {

template <class Shell>
Resultado Rodar(const Arquivos& arquivos, Alvo alvo, const Dano* dano)
{
    namespace fs = std::filesystem;
    Resultado r;
    Shell s;
    const std::string projeto = s.Exemplo(arquivos.projeto);
    const std::string catalogo = s.programa + "/" + arquivos.catalogo;
    const std::string alvoArquivo =
        alvo == Alvo::projeto ? projeto : alvo == Alvo::catalogo ? catalogo : s.programa + "/empresa.zel";
    if (!Aplicar(dano, alvoArquivo, r))
        return r;
    const std::string antesProjeto = Conteudo(projeto);
    const std::string antesCatalogo = Conteudo(catalogo);

    s.Start();
    if (s.app.OpenDocumentFile(projeto)) {
        r.aberto = true;
        CTreeCtrl& arvore = s.Tree();
        arvore.SelectItem(arvore.GetRootItem());
        s.Command(ID_PROJETO_CALCULAR);
        // Every circuit the tree shows, each sized alone, whatever became of the one before.
        std::vector<HTREEITEM> itens;
        std::vector<HTREEITEM> pendentes{arvore.GetRootItem()};
        while (!pendentes.empty()) {
            HTREEITEM i = pendentes.back();
            pendentes.pop_back();
            if (i != arvore.GetRootItem())
                itens.push_back(i);
            for (HTREEITEM f = arvore.GetChildItem(i); f; f = arvore.GetNextSiblingItem(f))
                pendentes.push_back(f);
        }
        for (HTREEITEM i : itens) {
            arvore.SelectItem(i);
            s.Command(ID_CIRCUITO_CALCULAR);
        }
        try {
            const std::string copia = s.Doc().m_pDatabase->GetName();
            r.assinatura = zeltest::QueryText(
                copia, "SELECT group_concat(x, ' ') FROM (SELECT "
                       "quote(circuito_calculado)||':'||quote(circuito_numero_condutores_calculado)||':'||"
                       "quote(secao_nominal) AS x FROM circuito ORDER BY rowid)");
            // As the engine's printf writes them ("inf", "-nan"); a catalogue's text "Inf" is not one.
            r.valorInvalidoNoRelatorio =
                zeltest::QueryText(copia, "SELECT count(*) FROM circuito_impressao WHERE "
                                          "circuito_impressao_valor GLOB '*nan*' OR circuito_impressao_valor GLOB "
                                          "'*inf' OR circuito_impressao_valor GLOB '*inf *'") != "0";
        } catch (const std::exception& e) {
            r.assinatura = std::string("(ilegível: ") + e.what() + ")";
        }
    }
    // What the user worked on can be kept: saved under another name (the user's file stays as it was).
    if (r.aberto) {
        const std::string outro = s.dir.File("salvo-" + arquivos.projeto);
        r.salvo = s.Doc().OnSaveDocument(outro) != FALSE;
    }
    // A project changed by the sizing is not saved over: the exit leaves it as the user had it.
    s.app.ExitInstance();
    for (const auto& m : s.host.messages)
        r.mensagens.push_back({m.text, (m.type & MB_ICON_MASK) == MB_ICONERROR});
    r.copias = s.TempCopies();
    r.projetoAlterado = Conteudo(projeto) != antesProjeto;
    r.catalogoAlterado = Conteudo(catalogo) != antesCatalogo;
    return r;
}

// A sizing program: its example project, its catalogue and the company file, run through its shell.
template <class Shell>
int Principal(int argc, char** argv, const Arquivos& arquivos)
{
    Programa p;
    p.arquivos = arquivos;
    p.originais = [&](const std::function<void(Alvo, const std::string&)>& dar) {
        Shell s;
        dar(Alvo::projeto, s.Exemplo(arquivos.projeto));
        dar(Alvo::catalogo, s.programa + "/" + arquivos.catalogo);
        dar(Alvo::empresa, s.programa + "/empresa.zel");
    };
    p.rodar = [&](Alvo alvo, const Dano* dano) { return Rodar<Shell>(arquivos, alvo, dano); };
    return Executar(p, argc, argv);
}

}  // namespace danos
