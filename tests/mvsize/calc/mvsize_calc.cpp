// mvsize_calc: sizes circuits of an Mvsize project file with the catalogue, as the program's commands do,
// writes the results into the file and prints one line per circuit. For tests and for anyone checking a
// result. The command line and its exit status are those of the shared frame (SessaoCalculo.h), as for
// lvsize_calc:
//
//   mvsize_calc [-c catálogo.zel] projeto.mvp [código | #chave ...]

#include "SessaoMt.h"

#include <memory>
#include <string>

int main(int argc, char** argv)
{
    return zelcalc::Executar({"mvsize_calc", "mvp", std::string(ZEL_DATA_DIR) + "/ZelMt01.zel",
                              [](const std::string& catalogo, const std::string& projeto) {
                                  return std::make_unique<mvcalc::SessaoMt>(catalogo, projeto);
                              }},
                             argc, argv);
}
