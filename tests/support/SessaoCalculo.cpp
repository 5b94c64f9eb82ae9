#include "SessaoCalculo.h"

#include "DaoException.h"
#include "DaoRecordsetManual.h"
#include "SqlValue.h"

#include <cstdio>
#include <cstdlib>

namespace zelcalc {

namespace {

std::vector<short> Chaves(CDaoDatabase& db, const std::string& sql, const SqlParams& params = {})
{
    std::vector<short> out;
    CDaoRecordsetManual rs(&db, dbOpenSnapshot, sql, params);
    for (; !rs.IsEOF(); rs.MoveNext()) {
        short seq = 0;
        rs.GetFieldShort("circuito_sequencial", seq);
        out.push_back(seq);
    }
    return out;
}

void Imprimir(const Dimensionado& d)
{
    if (d.ok)
        std::printf("%s\t%i\t%g\t%s\t%s\n", d.codigo.c_str(), d.n, d.secao, d.criterio.c_str(), d.erro.c_str());
    else
        std::printf("%s\t\t\t\t%s\n", d.codigo.c_str(), d.erro.c_str());
}

int Uso(const Programa& p)
{
    std::fprintf(stderr, "uso: %s [-c catálogo.zel] projeto.%s [código | #chave ...]\n", p.nome, p.extensao);
    return 2;
}

}  // namespace

int MensagensNoConsole::MessageBox(const std::string& text, const std::string& /*caption*/, unsigned /*type*/)
{
    std::fprintf(stderr, "mensagem: %s\n", text.c_str());
    return IDOK;
}

Sessao::Sessao(const std::string& arquivoCatalogo, const std::string& arquivoProjeto, const std::string& conexaoCatalogo)
{
    catalogo.Open(arquivoCatalogo, false, true, conexaoCatalogo);
    projeto.Open(arquivoProjeto);
    documento.m_pDatabase = &projeto;
    documento.SetPathName(arquivoProjeto);
    contexto.messages = &mensagens;
    contexto.m_pReferenceDb = &catalogo;
    contexto.activeDocument = [this]() -> CDocument* { return &documento; };
    m_escopo.emplace(contexto);
}

Sessao::~Sessao()
{
    m_escopo.reset();
}

std::vector<short> Sessao::TodosNaOrdemDoProjeto()
{
    return Chaves(projeto, "SELECT circuito_sequencial FROM circuito");
}

std::vector<short> Sessao::Procurar(const std::string& nome)
{
    if (nome.size() > 1 && nome[0] == '#')
        return {static_cast<short>(std::atoi(nome.c_str() + 1))};
    return Chaves(projeto, "SELECT circuito_sequencial FROM circuito WHERE circuito_codigo=?", SqlParams{nome});
}

void Sessao::LerResultado(short seq, Dimensionado& d)
{
    try {
        CDaoRecordsetManual rs(&projeto, dbOpenSnapshot,
                               FormatC("SELECT circuito_numero_condutores_calculado,secao_nominal FROM circuito WHERE "
                                       "circuito_sequencial=%i",
                                       seq)
                                   .c_str());
        d.n = static_cast<int>(rs.GetFieldValue("circuito_numero_condutores_calculado").AsDouble());
        d.secao = rs.GetFieldValue("secao_nominal").AsDouble();
        CDaoRecordsetManual linha(&projeto, dbOpenSnapshot,
                                  FormatC("SELECT circuito_impressao_valor FROM circuito_impressao WHERE "
                                          "circuito_sequencial=%i AND tipo_dado_codigo=3 AND "
                                          "circuito_impressao_variavel='Critério de dimensionamento:'",
                                          seq)
                                      .c_str());
        if (!linha.IsEOF())
            linha.GetFieldString("circuito_impressao_valor", d.criterio);
    } catch (CDaoException& e) {
        d.erro = std::string("leitura do resultado: ") + e.what();
    }
}

int Executar(const Programa& programa, int argc, char** argv)
{
    std::string catalogo = programa.catalogoPadrao;
    std::vector<std::string> args(argv + 1, argv + argc);
    size_t i = 0;
    if (i < args.size() && args[i] == "-c") {
        if (i + 1 >= args.size())
            return Uso(programa);
        catalogo = args[i + 1];
        i += 2;
    }
    if (i >= args.size())
        return Uso(programa);
    const std::string projeto = args[i++];
    const std::vector<std::string> nomes(args.begin() + static_cast<std::ptrdiff_t>(i), args.end());

    try {
        const std::unique_ptr<Sessao> sessao = programa.abrir(catalogo, projeto);
        std::printf("circuito\tcondutores por fase\tseção (mm2)\tcritério\terro\n");
        if (nomes.empty()) {
            for (short seq : sessao->TodosNaOrdemDoProjeto()) {
                const Dimensionado d = sessao->Dimensionar(seq);
                Imprimir(d);
                if (!d.ok) {
                    std::fflush(stdout);
                    std::fprintf(stderr, "Circuito %s. Erro: %s\n", d.codigo.c_str(), d.erro.c_str());
                    return 1;
                }
            }
            return 0;
        }
        int falhas = 0;
        for (const std::string& nome : nomes) {
            const std::vector<short> chaves = sessao->Procurar(nome);
            if (chaves.empty()) {
                std::fprintf(stderr, "circuito não encontrado: %s\n", nome.c_str());
                ++falhas;
            }
            for (short seq : chaves) {
                const Dimensionado d = sessao->Dimensionar(seq);
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

}  // namespace zelcalc
