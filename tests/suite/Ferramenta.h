#pragma once
// The damage driver's command line, shared by both sizing programs' drivers. Every case runs in a child
// process of its own (a crash, a sanitizer's report or a hang ends that case only), several at a time.
//
//   <driver> [--alvo projeto|catalogo|empresa|todos] [--semente N] [--inversoes N] [--cortes N]
//            [--filtro TEXTO] [--caso NOME] [--processos N] [--tempo SEGUNDOS]
//
// One line per case that failed, and the counts at the end. Exit status: 0 when no case failed.

#include "OutroProcesso.h"
#include "Veredito.h"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <functional>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace danos {

namespace detalhe {

inline std::string Escapar(const std::string& s)
{
    std::string o;
    for (char c : s)
        o += c == '\n' ? std::string("\\n") : c == '\t' ? std::string("\\t") : std::string(1, c);
    return o;
}

struct Caso {
    Alvo alvo;
    Dano dano;
};

inline const char* NomeAlvo(Alvo a)
{
    return a == Alvo::projeto ? "projeto" : a == Alvo::catalogo ? "catalogo" : "empresa";
}

// Contents a company file may have that is not a line of text.
inline std::vector<Dano> DanosEmpresa()
{
    auto escrever = [](std::string conteudo) {
        return [conteudo](const std::string& arquivo) {
            std::FILE* f = std::fopen(arquivo.c_str(), "wb");
            if (!f)
                throw std::runtime_error("não foi possível escrever " + arquivo);
            std::fwrite(conteudo.data(), 1, conteudo.size(), f);
            std::fclose(f);
        };
    };
    std::string binario;
    for (int i = 0; i < 4096; ++i)
        binario += static_cast<char>((i * 7919) & 0xFF);
    return {{"empresa:binario", escrever(binario)},
            {"empresa:nulos", escrever(std::string("Empresa\0\0\0Outra", 16))},
            {"empresa:nao_utf8", escrever("Engenharia \xC3\x28\xFF\xFE S\xE3o Jo\xE3o\n")},
            {"empresa:linha_longa", escrever(std::string(1 << 20, 'A'))},
            {"empresa:so_cr", escrever("\r\r\r")},
            {"empresa:utf8_cortado", escrever("Engenharia El\xC3")},
            {"empresa:pasta", [](const std::string& arquivo) { std::filesystem::create_directory(arquivo); }}};
}

}  // namespace detalhe

// One program as the driver runs it: the undamaged files (given to the callback while they exist, for the
// damage to be drawn from them), and one run of the program on a damaged copy (null: none).
struct Programa {
    Arquivos arquivos;
    std::function<void(const std::function<void(Alvo, const std::string& original)>&)> originais;
    std::function<Resultado(Alvo, const Dano*)> rodar;
};

inline int Executar(const Programa& programa, int argc, char** argv)
{
    const Arquivos& arquivos = programa.arquivos;
    std::string alvoPedido = "todos", filtro, caso;
    unsigned semente = 20261210;
    int inversoes = 200, cortes = 40, processos = 8, tempo = 60;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string o = argv[i], v = argv[i + 1];
        if (o == "--alvo")
            alvoPedido = v;
        else if (o == "--semente")
            semente = static_cast<unsigned>(std::stoul(v));
        else if (o == "--inversoes")
            inversoes = std::stoi(v);
        else if (o == "--cortes")
            cortes = std::stoi(v);
        else if (o == "--filtro")
            filtro = v;
        else if (o == "--caso")
            caso = v;
        else if (o == "--processos")
            processos = std::max(1, std::stoi(v));
        else if (o == "--tempo")
            tempo = std::stoi(v);
        else {
            std::fprintf(stderr, "opção desconhecida: %s\n", o.c_str());
            return 2;
        }
    }

    std::vector<detalhe::Caso> casos;
    programa.originais([&](Alvo a, const std::string& original) {
        if (alvoPedido != "todos" && alvoPedido != detalhe::NomeAlvo(a))
            return;
        std::vector<Dano> danos = a == Alvo::empresa ? detalhe::DanosEmpresa()
                                                     : DeBytes(std::filesystem::file_size(original),
                                                               semente + static_cast<unsigned>(a), inversoes, cortes);
        if (a != Alvo::empresa)
            for (Dano& d : DeSql(original))
                danos.push_back(std::move(d));
        for (Dano& d : danos)
            casos.push_back({a, std::move(d)});
    });
    std::erase_if(casos, [&](const detalhe::Caso& c) {
        const std::string nome = std::string(detalhe::NomeAlvo(c.alvo)) + "/" + c.dano.nome;
        return (!caso.empty() && nome != caso) || (!filtro.empty() && nome.find(filtro) == std::string::npos);
    });

    const Resultado original = programa.rodar(Alvo::projeto, nullptr);
    std::fprintf(stderr, "%zu casos; sem danos: %s\n", casos.size(), original.assinatura.c_str());

    struct Filho {
        size_t indice;
        int leitura;
    };
    std::map<pid_t, Filho> filhos;
    size_t proximo = 0, falhos = 0, naoAplicados = 0, abertos = 0;
    auto colher = [&] {
        int status = 0;
        const pid_t pid = ::wait(&status);
        const auto it = filhos.find(pid);
        if (it == filhos.end())
            return;
        std::string saida;
        char buf[4096];
        for (ssize_t n; (n = ::read(it->second.leitura, buf, sizeof buf)) > 0;)
            saida.append(buf, static_cast<size_t>(n));
        ::close(it->second.leitura);
        const detalhe::Caso& c = casos[it->second.indice];
        const std::string nome = std::string(detalhe::NomeAlvo(c.alvo)) + "/" + c.dano.nome;
        if (!WIFEXITED(status) || (WEXITSTATUS(status) != 0 && WEXITSTATUS(status) != 3)) {
            ++falhos;
            std::printf("FALHA %s: %s\n", nome.c_str(),
                        WIFSIGNALED(status) ? (WTERMSIG(status) == SIGALRM ? "travou (tempo esgotado)"
                                                                            : ("sinal " + std::to_string(WTERMSIG(status))).c_str())
                                            : ("saída " + std::to_string(WEXITSTATUS(status)) + " (sanitizer?)").c_str());
        } else if (WEXITSTATUS(status) == 3) {
            ++falhos;
            std::printf("FALHA %s: %s\n", nome.c_str(), saida.c_str());
        } else if (saida.rfind("nao-aplicado", 0) == 0) {
            ++naoAplicados;
        } else if (saida.rfind("aberto", 0) == 0) {
            ++abertos;
        }
        std::fflush(stdout);
        filhos.erase(it);
    };
    while (proximo < casos.size() || !filhos.empty()) {
        if (proximo < casos.size() && filhos.size() < static_cast<size_t>(processos)) {
            int tubo[2];
            if (::pipe(tubo) != 0)
                return 2;
            std::fflush(nullptr);
            zeltest::EsperarSoUmaLinhaDeExecucao();
            const pid_t pid = ::fork();
            if (pid == 0) {
                ::close(tubo[0]);
                ::alarm(static_cast<unsigned>(tempo));
                const detalhe::Caso& c = casos[proximo];
                const Resultado r = programa.rodar(c.alvo, &c.dano);
                const std::string nomeArquivo = c.alvo == Alvo::catalogo ? arquivos.catalogo : arquivos.projeto;
                const std::vector<std::string> f = Falhas(r, nomeArquivo, arquivos.catalogo, original, c.alvo);
                std::string linha;
                for (const std::string& x : f)
                    linha += (linha.empty() ? "" : " | ") + detalhe::Escapar(x.substr(0, 400));
                if (!r.aplicado)
                    linha = "nao-aplicado: " + r.erroAoDanificar;
                else if (f.empty())
                    linha = r.aberto ? "aberto" : "recusado";
                linha.resize(std::min<size_t>(linha.size(), 8000));  // within the pipe's buffer
                if (::write(tubo[1], linha.data(), linha.size()) < 0)
                    ::_exit(4);
                ::_exit(f.empty() ? 0 : 3);
            }
            ::close(tubo[1]);
            filhos[pid] = {proximo++, tubo[0]};
            continue;
        }
        colher();
    }
    std::printf("%zu casos: %zu com falha, %zu abertos sem falha, %zu não aplicáveis ao arquivo\n", casos.size(), falhos,
                abertos, naoAplicados);
    return falhos == 0 ? 0 : 1;
}

}  // namespace danos
