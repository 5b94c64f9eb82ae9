// mvsize_calc: sizes circuits of an Mvsize project file with the catalogue, as the program's commands do,
// writes the results into the file and prints one line per circuit. For tests and for anyone checking a
// result.
//
//   mvsize_calc [-c catálogo.zel] projeto.mvp [código | #chave ...]
//
// Without circuits named, every circuit is sized in the project command's order and the run stops at the
// first circuit that cannot be sized ("Circuito %s. Erro: %s"). Named circuits are sized one by one, as the
// circuit command does, each whatever became of the one before. Exit status: 0 all sized, 1 a circuit not
// sized or not found, 2 wrong arguments or a file that cannot be opened.

#include "SessaoMt.h"

#include "DaoException.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

int Uso()
{
    std::fprintf(stderr, "uso: mvsize_calc [-c catálogo.zel] projeto.mvp [código | #chave ...]\n");
    return 2;
}

void Imprimir(const mvcalc::Resultado& r)
{
    if (r.ok)
        std::printf("%s\t%i\t%i\t%s\t%s\n", r.codigo.c_str(), r.n, r.secao, r.criterio.c_str(), r.erro.c_str());
    else
        std::printf("%s\t\t\t\t%s\n", r.codigo.c_str(), r.erro.c_str());
}

}  // namespace

int main(int argc, char** argv)
{
    std::string catalogo = std::string(ZEL_DATA_DIR) + "/ZelMt01.zel";
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
        mvcalc::SessaoMt sessao(catalogo, projeto);
        std::printf("circuito\tcondutores por fase\tseção (mm2)\tcritério\terro\n");
        if (nomes.empty()) {
            for (short seq : sessao.Circuitos()) {
                const mvcalc::Resultado r = sessao.Dimensionar(seq);
                Imprimir(r);
                if (!r.ok) {
                    std::fflush(stdout);
                    std::fprintf(stderr, "Circuito %s. Erro: %s\n", r.codigo.c_str(), r.erro.c_str());
                    return 1;
                }
            }
            return 0;
        }
        int falhas = 0;
        for (const std::string& nome : nomes) {
            const std::vector<short> chaves = sessao.Procurar(nome);
            if (chaves.empty()) {
                std::fprintf(stderr, "circuito não encontrado: %s\n", nome.c_str());
                ++falhas;
            }
            for (short seq : chaves) {
                const mvcalc::Resultado r = sessao.Dimensionar(seq);
                Imprimir(r);
                falhas += r.ok ? 0 : 1;
            }
        }
        return falhas == 0 ? 0 : 1;
    } catch (CDaoException& e) {
        std::fprintf(stderr, "erro ao abrir %s ou %s: %s\n", catalogo.c_str(), projeto.c_str(), e.what());
        return 2;
    }
}
