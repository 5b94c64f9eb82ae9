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

#include "SqlValue.h"

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

namespace fs = std::filesystem;

namespace {

struct No {
    short seq, pai;
    std::string codigo;
    int sistema, cabo, dispositivo;
    float fator, L, Uff, U0, quedaPartida, ikmax, secaoMinima, corrente, fp;
    int q13;
};

void Inserir(CDaoDatabase& db, const No& c)
{
    db.Execute(FormatC("INSERT INTO circuito(circuito_sequencial,circuito_sequencial_pai,circuito_codigo,"
                       "maneira_instalar_codigo,sistema_codigo,cabo_codigo,temperatura_ambiente,circuito_comprimento,"
                       "circuito_tensao_fase_fase,circuito_tensao_fase_neutro,circuito_secao_minima,"
                       "circuito_fator_demanda,circuito_corrente_cc_presumida,circuito_queda_tensao_regime,"
                       "circuito_queda_tensao_partida,circuito_corrente_regime,circuito_fator_potencia_regime,"
                       "dispositivo_protecao_codigo,circuito_fator_correcao_disjuntor,circuito_calculado) "
                       "VALUES(%i,%s,?,3,%i,%i,30,%g,%g,%g,%g,1,%g,4,%g,%g,%g,%i,%g,0)",
                       c.seq, c.pai > 0 ? FormatC("%i", c.pai).c_str() : "NULL", c.sistema, c.cabo,
                       static_cast<double>(c.L), static_cast<double>(c.Uff), static_cast<double>(c.U0),
                       static_cast<double>(c.secaoMinima), static_cast<double>(c.ikmax),
                       static_cast<double>(c.quedaPartida), static_cast<double>(c.corrente),
                       static_cast<double>(c.fp), c.dispositivo, static_cast<double>(c.fator)),
               SqlParams{c.codigo});
    // Three-phase systems with neutral ask for the loaded conductors; every circuit says how many share
    // its conduit.
    if (c.sistema == 5)
        db.Execute(FormatC("INSERT INTO circuito_x_tabela_selecao VALUES(%i,1,1)", c.seq));
    db.Execute(FormatC("INSERT INTO circuito_x_tabela_selecao VALUES(%i,13,%i)", c.seq, c.q13));
}

void Gerar(CDaoDatabase& db)
{
    CDaoTransaction t(db);
    short seq = 0;
    for (int f = 1; f <= 10; ++f) {
        const short alimentador = ++seq;
        Inserir(db, {alimentador, 0, FormatC("QG%i", f), 5, 2, 4, 0.0f, 40, 380, 220, 10, 20, 2.5f, 0, 0, 1});
        for (int d = 1; d <= 9; ++d) {
            const short quadro = ++seq;
            // Boards on gG fuses, curve C breakers and the moulded-case breaker in turn.
            const int dispositivo = d % 3 == 0 ? 3 : (d % 3 == 1 ? 4 : 2);
            Inserir(db, {quadro, alimentador, FormatC("QD%i.%i", f, d), 5, 2, dispositivo, dispositivo == 4 ? 0.0f : 1.0f,
                         25, 380, 220, 10, 10, 2.5f, 0, 0, 1});
            for (int i = 1; i <= 10; ++i) {
                const short terminal = ++seq;
                const std::string codigo = FormatC("C%i.%i.%i", f, d, i);
                if (i <= 6) {
                    // Lighting (1-3) and sockets (4-6), single-phase, three circuits per conduit.
                    const bool iluminacao = i <= 3;
                    Inserir(db, {terminal, quadro, codigo, 1, 1, iluminacao ? 1 : 2, 1.0f, 15.0f + 5 * i, 0, 220,
                                 0, 3, iluminacao ? 1.5f : 2.5f, 0, 0, 3});
                    db.Execute(FormatC("INSERT INTO carga(circuito_sequencial,carga_sequencial,carga_fator_demanda,"
                                       "carga_numero_cargas_iguais,carga_potencia_ativa,carga_fator_potencia) "
                                       "VALUES(%i,1,%4.2f,%i,%9.1f,%4.2f)",
                                       terminal, iluminacao ? 1.0 : 0.8, iluminacao ? 8 : 6, iluminacao ? 100.0 : 200.0,
                                       iluminacao ? 0.92 : 0.8));
                } else if (i <= 8) {
                    // Three-phase load on gG fuses.
                    Inserir(db, {terminal, quadro, codigo, 7, 1, 4, 0.0f, 30, 380, 0, 0, 3, 2.5f, 0, 0, 1});
                    db.Execute(FormatC("INSERT INTO carga(circuito_sequencial,carga_sequencial,carga_fator_demanda,"
                                       "carga_numero_cargas_iguais,carga_potencia_ativa,carga_fator_potencia) "
                                       "VALUES(%i,1,1.00,1,5000.0,0.85)",
                                       terminal));
                } else {
                    // Motor, curve C breaker; the start limit is 10 %.
                    Inserir(db, {terminal, quadro, codigo, 7, 1, 2, 1.0f, 20, 380, 0, 10, 3, 2.5f, 0, 0, 1});
                    db.Execute(FormatC("INSERT INTO motor(circuito_sequencial,motor_sequencial,motor_qtde_motores,"
                                       "motor_corrente_regime,motor_fator_potencia_regime,motor_potencia,"
                                       "motor_corrente_partida,motor_fator_potencia_partida) "
                                       "VALUES (%i,1,1,7.5,0.83,3.7,45.0,0.40)",
                                       terminal));
                }
            }
        }
    }
    t.Commit();
}

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
        Gerar(sessao.projeto);
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
