// lvsize_calc: sizes circuits of a project file with the catalogue, as the program's commands do, writes
// the results into the file and prints one line per circuit. For tests and for anyone checking a result.
//
//   lvsize_calc [-c catalogue.zel] project.lvp [code | #key ...]
//
// Without circuits named, every circuit is sized in the project command's order and the run stops at the
// first circuit that cannot be sized ("Circuito %s. Erro: %s"). Named circuits are sized one by one, as the
// circuit command does, each whatever became of the one before.

#include "EngineRunner.h"

#include "DaoException.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

void Imprimir(const lvrun::Dimensionado& d)
{
    std::string erro = d.erro;
    if (d.ok && !d.relatorio)
        erro = "(sem relatório: dispositivo sem curva na biblioteca)";
    if (d.ok)
        std::printf("%s\t%i\t%g\t%s\t%s\n", d.codigo.c_str(), d.n, d.secao, d.criterio.c_str(), erro.c_str());
    else
        std::printf("%s\t\t\t\t%s\n", d.codigo.c_str(), erro.c_str());
}

int Uso()
{
    std::fprintf(stderr, "uso: lvsize_calc [-c catálogo.zel] projeto.lvp [código | #chave ...]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    std::string catalogo = std::string(ZEL_DATA_DIR) + "/ZelBt01.zel";
    std::vector<std::string> args(argv + 1, argv + argc);
    size_t i = 0;
    if (i < args.size() && args[i] == "-c") {
        if (i + 1 >= args.size())
            return Uso();
        catalogo = args[i + 1];
        i += 2;
    }
    if (i >= args.size())
        return Uso();
    const std::string projeto = args[i++];
    const std::vector<std::string> nomes(args.begin() + static_cast<std::ptrdiff_t>(i), args.end());

    try {
        lvrun::Sessao sessao(catalogo, projeto);
        std::printf("circuito\tcondutores por fase\tseção (mm2)\tcritério\terro\n");
        int falhas = 0;
        if (nomes.empty()) {
            for (short seq : sessao.TodosNaOrdemDoProjeto()) {
                const lvrun::Dimensionado d = sessao.Dimensionar(seq);
                Imprimir(d);
                if (!d.ok) {
                    std::fflush(stdout);
                    std::fprintf(stderr, "Circuito %s. Erro: %s\n", d.codigo.c_str(), d.erro.c_str());
                    return 1;
                }
            }
            return 0;
        }
        for (const std::string& nome : nomes) {
            const std::vector<short> chaves = sessao.Procurar(nome);
            if (chaves.empty()) {
                std::fprintf(stderr, "circuito não encontrado: %s\n", nome.c_str());
                ++falhas;
            }
            for (short seq : chaves) {
                const lvrun::Dimensionado d = sessao.Dimensionar(seq);
                Imprimir(d);
                if (!d.ok)
                    ++falhas;
            }
        }
        return falhas == 0 ? 0 : 1;
    } catch (CDaoException& e) {
        std::fprintf(stderr, "erro ao abrir %s ou %s: %s\n", catalogo.c_str(), projeto.c_str(), e.what());
        return 2;
    }
}
