#pragma once
// Mvsize's shell run headless (SizingShell on Mvsize's application, data files and dialogs).

#include "MvsizeApp.h"
#include "MvsizeDialogs.h"
#include "SizingShell.h"

#include <string>
#include <vector>

namespace mvshell {

using shelltest::RecordingComponent;

struct Mvsize {
    using App = CMvsizeApp;
    static MvsizeDialogEntries& Dialogos() { return MvsizeDialogs(); }
    // Mvsize has no dialogs beyond the shared ones.
    template <class Nota>
    static void DuplosProprios(MvsizeDialogEntries&, Nota)
    {
    }
    static inline const std::vector<std::string> kArquivos{"ZelMt01.zel", "ZelMt02.zel", "ZelMt03.zel", "ZelMt04.zel"};
    static constexpr const char* kModelo = "ZelMt02.zel";
    static constexpr const char* kExecutavel = "mvsize";
    static constexpr const char* kPerfil = "Mvsize.ini";
    static constexpr const char* kExemplo = "exemplo.mvp";
    static constexpr const char* kExemploSql = MVSHELL_EXEMPLO_SQL;
};

using Shell = shelltest::SizingShell<Mvsize>;

}  // namespace mvshell

extern template class shelltest::SizingShell<mvshell::Mvsize>;
