// danos_protdev: Protdev given damaged copies of the device library (Ferramenta.h says how to run it, with
// --alvo catalogo). A tool beside the tests, run by hand, best on the sanitizers' build.
#include "Ferramenta.h"
#include "RodadaProtdev.h"

int main(int argc, char** argv)
{
    danos::Programa p;
    p.arquivos = {"", "ZelBt01.zel"};
    p.originais = [](const std::function<void(danos::Alvo, const std::string&)>& dar) {
        dar(danos::Alvo::catalogo, std::string(ZEL_DATA_DIR) + "/ZelBt01.zel");
    };
    p.rodar = [](danos::Alvo, const danos::Dano* dano) { return danos::RodarProtdev(dano); };
    return danos::Executar(p, argc, argv);
}
