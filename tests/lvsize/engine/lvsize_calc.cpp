// lvsize_calc: sizes circuits of an Lvsize project file with the catalogue, as the program's commands do,
// writes the results into the file and prints one line per circuit. For tests and for anyone checking a
// result. The command line and its exit status are those of the shared frame (SessaoCalculo.h):
//
//   lvsize_calc [-c catálogo.zel] projeto.lvp [código | #chave ...]

#include "EngineRunner.h"

#include <memory>
#include <string>

int main(int argc, char** argv)
{
    return zelcalc::Executar({"lvsize_calc", "lvp", std::string(ZEL_DATA_DIR) + "/ZelBt01.zel",
                              [](const std::string& catalogo, const std::string& projeto) {
                                  return std::make_unique<lvrun::Sessao>(catalogo, projeto);
                              }},
                             argc, argv);
}
