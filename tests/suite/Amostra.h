#pragma once
// A fixed sample of damaged files given to a sizing program run headless, for the test suite: the damage
// the driver (Ferramenta.h) found faults with, by name, and a few byte flips and cuts drawn with a fixed
// seed. Each case runs in the test's own process: a crash or a sanitizer's report ends the test program.

#include "Rodada.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace danos {

struct Amostra {
    std::vector<std::string> projeto;   // names of DeSql's damage to the example project
    std::vector<std::string> catalogo;  // names of DeSql's damage to the catalogue
};

template <class Shell>
void RodarAmostra(const Arquivos& arquivos, const Amostra& amostra)
{
    std::vector<std::pair<Alvo, Dano>> casos;
    {
        Shell s;
        const std::string projeto = s.Exemplo(arquivos.projeto);
        const std::string catalogo = s.programa + "/" + arquivos.catalogo;
        auto escolher = [&](Alvo alvo, std::vector<Dano> danos, const std::vector<std::string>& nomes) {
            for (const std::string& nome : nomes) {
                const auto it = std::find_if(danos.begin(), danos.end(), [&](const Dano& d) { return d.nome == nome; });
                ASSERT_NE(it, danos.end()) << nome;
                casos.emplace_back(alvo, *it);
            }
        };
        escolher(Alvo::projeto, DeSql(projeto), amostra.projeto);
        escolher(Alvo::catalogo, DeSql(catalogo), amostra.catalogo);
        for (Dano& d : DeBytes(std::filesystem::file_size(projeto), 20261210, 8, 3))
            casos.emplace_back(Alvo::projeto, std::move(d));
    }
    const Resultado original = Rodar<Shell>(arquivos, Alvo::projeto, nullptr);
    ASSERT_TRUE(original.aberto);
    ASSERT_TRUE(original.mensagens.empty());
    for (const auto& [alvo, dano] : casos) {
        SCOPED_TRACE(dano.nome);
        const Resultado r = Rodar<Shell>(arquivos, alvo, &dano);
        ASSERT_TRUE(r.aplicado) << r.erroAoDanificar;
        const std::string nome = alvo == Alvo::projeto ? arquivos.projeto : arquivos.catalogo;
        for (const std::string& f : Falhas(r, nome, arquivos.catalogo, original, alvo))
            ADD_FAILURE() << f.substr(0, 600);
    }
}

}  // namespace danos
