#pragma once
// One open Mvsize project: Lvsize's project document with Mvsize's title, error locations and tables. It
// works on a temporary copy (its working database) that the views, dialogs and the engine read and write;
// a save builds the new file beside the target and renames it over the target, so the last good file
// survives any failure. The projeto row is saved first, then the circuit tables (no loads or motors).

#include "LvsizeDoc.h"

class CMvsizeDoc : public CLvsizeDoc {
public:
    static constexpr const char* kTituloSemNome = "Projeto_MVSIZE_sem_nome";

    CMvsizeDoc()
        : CLvsizeDoc(Formato{"CMvsizeDoc",
                             kTituloSemNome,
                             {"circuito", "circuito_x_tabela_selecao", "circuito_impressao"},
                             true,
                             "Mvsize"})
    {
    }
};
