// Benchmark (not a test): a generated project of 1,000 circuits in three levels - 10 feeders, 9
// distribution boards under each, 10 final circuits under each board (lighting and socket loads, three-phase
// loads, motors; breakers of curves B and C, gG fuses, a moulded-case breaker) - every circuit sized once
// in the project command's order with the shipped catalogue. Prints the wall time of the sizing and the
// process's peak memory.
//
//   lvsize_engine_bench [-c catalogue.zel] [-t template.zel] [-j journal_mode] [-p] [-k]
//
// The project is set up as a document's working copy (synchronous=OFF); -j sets its rollback-journal mode
// as well (delete by default, as the files are made); -p runs the whole project's sizing in one
// transaction, committed at the end, as a project command may (each circuit's writes are then a savepoint
// of it); -k keeps the generated project.

#include "Calculo.h"
#include "EngineRunner.h"
#include "ProjetoGerado.h"

#include "SqlValue.h"

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

namespace fs = std::filesystem;

namespace {

long PicoKb()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

}  // namespace

int main(int argc, char** argv)
{
    std::string catalogo = std::string(ZEL_DATA_DIR) + "/ZelBt01.zel";
    std::string modelo = std::string(ZEL_DATA_DIR) + "/ZelBt02.zel";
    bool manter = false;
    bool umaTransacao = false;
    std::string diario;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "-c" && i + 1 < argc)
            catalogo = argv[++i];
        else if (a == "-t" && i + 1 < argc)
            modelo = argv[++i];
        else if (a == "-j" && i + 1 < argc)
            diario = argv[++i];
        else if (a == "-p")
            umaTransacao = true;
        else if (a == "-k")
            manter = true;
    }

    const fs::path pasta = fs::temp_directory_path() / FormatC("lvsize-bench-%i", static_cast<int>(getpid()));
    fs::create_directories(pasta);
    const fs::path projeto = pasta / "bench.lvp";
    fs::copy_file(modelo, projeto, fs::copy_options::overwrite_existing);
    fs::current_path(pasta);  // ZEL.LOG of any failure goes there

    int falhas = 0, total = 0;
    double segundos = 0;
    long antes = 0;
    try {
        lvrun::Sessao sessao(catalogo, projeto.string());
        // A working copy, as the program's documents use: no disk syncs.
        sessao.projeto.Execute("PRAGMA synchronous=OFF");
        if (!diario.empty())
            sessao.projeto.Execute("PRAGMA journal_mode=" + diario);
        lvrun::GerarProjeto(sessao.projeto, 10);
        antes = PicoKb();

        const auto inicio = std::chrono::steady_clock::now();
        std::optional<CDaoTransaction> projetoInteiro;
        if (umaTransacao)
            projetoInteiro.emplace(sessao.projeto);
        // As the project command does: one engine per circuit, made, asked, deleted; nothing read back.
        for (short seq : sessao.TodosNaOrdemDoProjeto()) {
            CCalculo engine(seq);
            ++total;
            if (!engine.Calcular()) {
                ++falhas;
                if (falhas <= 5)
                    std::fprintf(stderr, "Circuito %s. Erro: %s\n", engine.m_strCodigo.c_str(), engine.m_strErro.c_str());
            }
        }
        if (projetoInteiro)
            projetoInteiro->Commit();
        segundos = std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count();
    } catch (CDaoException& e) {
        std::fprintf(stderr, "falha: %s\n", e.what());
        return 2;
    }

    std::printf("circuitos dimensionados: %i (falhas: %i); diário: %s, synchronous=OFF, %s\n", total, falhas,
                diario.empty() ? "delete" : diario.c_str(),
                umaTransacao ? "uma transação para o projeto" : "uma transação por circuito");
    std::printf("tempo de parede do dimensionamento: %.3f s (%.3f ms por circuito)\n", segundos,
                total ? 1000 * segundos / total : 0.0);
    std::printf("pico de memória do processo: %.1f MB (%.1f MB antes do dimensionamento)\n", PicoKb() / 1024.0,
                antes / 1024.0);
    if (manter)
        std::printf("projeto gerado: %s\n", projeto.c_str());
    else
        fs::remove_all(pasta);
    return falhas == 0 ? 0 : 1;
}
