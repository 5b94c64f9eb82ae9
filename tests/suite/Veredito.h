#pragma once
// What a program did with a damaged file, and what is wrong in it: the verdict both the damage drivers and
// the suite's sample give.

#include "Danos.h"

#include <cstring>
#include <string>
#include <vector>

namespace danos {

enum class Alvo { projeto, catalogo, empresa };

struct Resultado {
    bool aplicado = true;          // the damage could be made (else nothing was run)
    std::string erroAoDanificar;
    bool aberto = false;
    bool projetoAlterado = false;  // the user's project file is not what it was before the program ran
    bool catalogoAlterado = false;
    bool salvo = true;             // an opened project could be saved under another name
    int copias = 0;                // working copies left in the temporary folder after the exit
    std::string assinatura;        // calculated:n:section of every circuit, in stored order
    bool valorInvalidoNoRelatorio = false;  // "nan" or "inf" in a report line
    struct Mensagem {
        std::string texto;
        bool erro;
    };
    std::vector<Mensagem> mensagens;
};

// What Run needs of the program beyond its shell.
struct Arquivos {
    std::string projeto;   // the project file name in the shell's folder ("exemplo.lvp")
    std::string catalogo;  // the catalogue's name in the program folder ("ZelBt01.zel")
};

// Damages the file (none: leaves it); false, with the reason in the result, when the damage cannot be made.
inline bool Aplicar(const Dano* dano, const std::string& arquivo, Resultado& r)
{
    if (!dano)
        return true;
    try {
        dano->aplicar(arquivo);
        return true;
    } catch (const std::exception& e) {
        r.aplicado = false;
        r.erroAoDanificar = e.what();
        return false;
    }
}

// Words of the engine's own (English) texts that must never reach a Portuguese user.
inline bool TextoEmIngles(const std::string& texto)
{
    static const char* const palavras[] = {" error",  "wrong",    "no such", "malformed", "not open", "Database",
                                           "database", "syntax",  "unknown", "misuse",    "constraint failed",
                                           "disk image", "field type", "out of memory", "not a "};
    for (const char* p : palavras)
        if (texto.find(p) != std::string::npos)
            return true;
    return false;
}

// What is wrong in a run; empty when nothing is. nomeArquivo: the damaged file's name, that every error
// message must carry (or the catalogue's, nomeCatalogo). original: the undamaged run's results.
inline std::vector<std::string> Falhas(const Resultado& r, const std::string& nomeArquivo,
                                       const std::string& nomeCatalogo, const Resultado& original, Alvo alvo)
{
    std::vector<std::string> f;
    if (!r.aplicado)
        return f;
    if (r.projetoAlterado)
        f.push_back("o projeto do usuário foi alterado");
    if (r.catalogoAlterado)
        f.push_back("o catálogo foi alterado");
    if (r.copias != 0)
        f.push_back("cópias de trabalho deixadas: " + std::to_string(r.copias));
    bool erroMostrado = false;
    for (const auto& m : r.mensagens) {
        // The engines' one English text, kept as the programs always showed it, after the failure's report.
        std::string texto = m.texto;
        for (const char* engine : {"Database error.", "Database Error"})
            if (const size_t p = texto.find(engine); p != std::string::npos)
                texto.erase(p, std::strlen(engine));
        if (TextoEmIngles(texto))
            f.push_back("mensagem em inglês: " + m.texto);
        erroMostrado = erroMostrado || m.erro;
        // A failure of a file's reading (the error reporter's box) names the file; the engines' own boxes
        // name the circuit.
        // A row a damaged project points to is missing from the catalogue: naming the catalogue is right.
        if (m.erro && alvo != Alvo::empresa && m.texto.starts_with("Encontrado ERRO") &&
            m.texto.find(nomeArquivo) == std::string::npos && m.texto.find(nomeCatalogo) == std::string::npos)
            f.push_back("mensagem de erro sem o nome do arquivo: " + m.texto);
    }
    if (alvo == Alvo::projeto && !r.aberto && !erroMostrado)
        f.push_back("o projeto não abriu e nenhum erro foi mostrado");
    if (r.aberto && !r.salvo)
        f.push_back("o projeto abriu mas não pôde ser salvo: o trabalho do usuário se perderia");
    if (r.valorInvalidoNoRelatorio)
        f.push_back("nan ou inf num relatório");
    if (r.aberto && r.mensagens.empty() && r.assinatura != original.assinatura)
        f.push_back("resultado diferente do original sem nenhum aviso: " + r.assinatura);
    return f;
}

}  // namespace danos
