#pragma once
// Lvsize's shell run headless (SizingShell on Lvsize's application, data files and dialogs).

#include "LvsizeApp.h"
#include "LvsizeDialogs.h"
#include "SizingShell.h"

#include <string>
#include <vector>

namespace lvshell {

using shelltest::RecordingComponent;

struct Lvsize {
    using App = CLvsizeApp;
    static LvsizeDialogEntries& Dialogos() { return LvsizeDialogs(); }
    template <class Nota>
    static void DuplosProprios(LvsizeDialogEntries& d, Nota nota)
    {
        d.cargaCorrente = nota("CCarga_corrente");
        d.cargaMotor = nota("CCarga_motor");
        d.dispositivoProtecao = nota("CDispositivo_protecao");
    }
    static inline const std::vector<std::string> kArquivos{"ZelBt01.zel",  "ZelBt02.zel",  "ZelBt03.zel", "ZelBt04.zel",
                                                           "Lvsize03.rpt", "Lvsize04.rpt", "Lvsize05.rpt"};
    static constexpr const char* kModelo = "ZelBt02.zel";
    static constexpr const char* kExecutavel = "lvsize";
    static constexpr const char* kPerfil = "Lvsize.ini";
    static constexpr const char* kExemplo = "exemplo.lvp";
    static constexpr const char* kExemploSql = LVSHELL_EXEMPLO_SQL;
};

using Shell = shelltest::SizingShell<Lvsize>;

}  // namespace lvshell

extern template class shelltest::SizingShell<lvshell::Lvsize>;
