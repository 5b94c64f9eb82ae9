#include "Danos.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <regex>
#include <stdexcept>

namespace danos {

namespace {

struct Coluna {
    std::string nome, tipo;
};

struct Tabela {
    std::string nome, sql;
    std::vector<Coluna> colunas;
};

// Between quotes, each quote doubled: an identifier ('"') or a text literal ('\'').
std::string Citar(const std::string& texto, char aspa)
{
    std::string out(1, aspa);
    for (char c : texto) {
        if (c == aspa)
            out += aspa;
        out += c;
    }
    return out + aspa;
}

std::string Aspas(const std::string& nome)
{
    return Citar(nome, '"');
}

std::string Literal(const std::string& texto)
{
    return Citar(texto, '\'');
}

class Conexao {
public:
    explicit Conexao(const std::string& arquivo)
    {
        if (sqlite3_open_v2(arquivo.c_str(), &m_db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
            const std::string erro = m_db ? sqlite3_errmsg(m_db) : "sem memória";
            sqlite3_close(m_db);
            throw std::runtime_error(arquivo + ": " + erro);
        }
    }
    ~Conexao() { sqlite3_close(m_db); }
    Conexao(const Conexao&) = delete;
    Conexao& operator=(const Conexao&) = delete;

    void Exec(const std::string& sql)
    {
        char* erro = nullptr;
        if (sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, &erro) != SQLITE_OK) {
            const std::string texto = erro ? erro : "?";
            sqlite3_free(erro);
            throw std::runtime_error(texto + " [" + sql.substr(0, 200) + "]");
        }
    }
    std::vector<std::vector<std::string>> Linhas(const std::string& sql)
    {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(m_db, sql.c_str(), -1, &st, nullptr) != SQLITE_OK)
            throw std::runtime_error(sqlite3_errmsg(m_db));
        std::vector<std::vector<std::string>> linhas;
        while (sqlite3_step(st) == SQLITE_ROW) {
            std::vector<std::string> l;
            for (int i = 0; i < sqlite3_column_count(st); ++i) {
                const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(st, i));
                l.emplace_back(t ? t : "");
            }
            linhas.push_back(std::move(l));
        }
        sqlite3_finalize(st);
        return linhas;
    }

private:
    sqlite3* m_db = nullptr;
};

std::vector<Tabela> Esquema(const std::string& arquivo)
{
    Conexao c(arquivo);
    std::vector<Tabela> tabelas;
    for (const auto& l : c.Linhas("SELECT name, sql FROM sqlite_master WHERE type='table' AND name NOT LIKE 'sqlite%' "
                                  "ORDER BY name")) {
        Tabela t{l[0], l[1], {}};
        for (const auto& col : c.Linhas("SELECT name, type FROM pragma_table_info(" + Literal(t.nome) + ") ORDER BY cid"))
            t.colunas.push_back({col[0], col[1]});
        tabelas.push_back(std::move(t));
    }
    return tabelas;
}

// The table's CREATE text with one column's declaration rewritten (its name and type as given).
std::string TrocarDeclaracao(const std::string& sql, const std::string& coluna, const std::string& novoNome,
                             const std::string& novoTipo)
{
    const std::regex declaracao("(^|[(,\\s])" + coluna + "(\\s+)([A-Za-z]+(\\s*\\(\\s*\\d+\\s*\\))?)");
    std::smatch m;
    if (!std::regex_search(sql, m, declaracao))
        throw std::runtime_error("declaração de " + coluna + " não encontrada");
    return sql.substr(0, static_cast<size_t>(m.position(0))) + m[1].str() + novoNome + m[2].str() + novoTipo +
           sql.substr(static_cast<size_t>(m.position(0) + m.length(0)));
}

// Rewrites the stored schema text of an object; a new connection reads it as written.
void ReescreverEsquema(const std::string& arquivo, const std::string& nome, const std::string& sql)
{
    Sql(arquivo, "PRAGMA writable_schema=ON; UPDATE sqlite_master SET sql=" + Literal(sql) +
                     " WHERE name=" + Literal(nome) + "; PRAGMA writable_schema=OFF;");
}

// A table's rows kept without its NOT NULL and its unique indexes: what another tool writing the file may do.
void SemRestricoes(const std::string& arquivo, const Tabela& t)
{
    std::string sql = Conexao(arquivo).Linhas("SELECT sql FROM sqlite_master WHERE name=" + Literal(t.nome)).at(0).at(0);
    for (size_t p; (p = sql.find("NOT NULL")) != std::string::npos;)
        sql.erase(p, 8);
    ReescreverEsquema(arquivo, t.nome, sql);
    Conexao c(arquivo);
    for (const auto& i : c.Linhas("SELECT name FROM sqlite_master WHERE type='index' AND tbl_name=" + Literal(t.nome) +
                                  " AND sql LIKE 'CREATE UNIQUE%'"))
        c.Exec("DROP INDEX " + Aspas(i[0]));
}

// The table made again with the columns given (name, type, and the expression that fills it from the old).
void Reconstruir(const std::string& arquivo, const Tabela& t,
                 const std::vector<std::pair<Coluna, std::string>>& colunas)
{
    std::string defs, exprs;
    for (const auto& [c, expr] : colunas) {
        defs += (defs.empty() ? "" : ", ") + Aspas(c.nome) + " " + c.tipo;
        exprs += (exprs.empty() ? "" : ", ") + expr;
    }
    Sql(arquivo, "PRAGMA legacy_alter_table=ON; BEGIN; CREATE TABLE zel_dano_novo (" + defs +
                     "); INSERT INTO zel_dano_novo SELECT " + exprs + " FROM " + Aspas(t.nome) + "; DROP TABLE " +
                     Aspas(t.nome) + "; ALTER TABLE zel_dano_novo RENAME TO " + Aspas(t.nome) + "; COMMIT;");
}

bool Numerico(const std::string& tipo)
{
    static const char* const nomes[] = {"BIT", "BYTE", "SHORT", "LONG", "SINGLE", "DOUBLE", "DATETIME", "INTEGER"};
    return std::any_of(std::begin(nomes), std::end(nomes),
                       [&](const char* n) { return sqlite3_strnicmp(tipo.c_str(), n, static_cast<int>(std::strlen(n))) == 0; });
}

// The odd values a hand or another tool may leave in a column.
const std::vector<std::pair<const char*, const char*>>& Valores()
{
    static const std::vector<std::pair<const char*, const char*>> valores = {
        {"nulo", "NULL"},
        {"texto", "'abc'"},
        {"vazio", "''"},
        {"enorme", "1e308"},
        {"menos_enorme", "-1e308"},
        {"alem_do_single", "1e39"},
        {"infinito", "9e999"},
        {"maior_inteiro", "9223372036854775807"},
        {"menor_inteiro", "-9223372036854775808"},
        {"menos_um", "-1"},
        {"alem_do_short", "70000"},
        {"menos_que_short", "-40000"},
        {"alem_do_byte", "256"},
        {"fracao", "3.5"},
        {"blob", "X'00FF10'"},
        {"texto_longo", "printf('%.*c', 100000, 'A')"},
        {"nao_utf8", "CAST(X'C328FFFE41' AS TEXT)"},
        {"virgula_decimal", "'1,5'"},
    };
    return valores;
}

void Atribuir(const std::string& arquivo, const Tabela& t, const std::string& coluna, const std::string& valor,
              bool todas)
{
    const std::string sql = "UPDATE " + Aspas(t.nome) + " SET " + Aspas(coluna) + "=" + valor +
                            (todas ? "" : " WHERE rowid=(SELECT min(rowid) FROM " + Aspas(t.nome) + ")");
    try {
        Sql(arquivo, sql);
    } catch (const std::runtime_error&) {
        // NOT NULL or a unique key in the way: the file another tool wrote has neither.
        SemRestricoes(arquivo, t);
        Sql(arquivo, sql);
    }
}

}  // namespace

void Sql(const std::string& arquivo, const std::string& sql)
{
    Conexao(arquivo).Exec(sql);
}

std::string Conteudo(const std::string& arquivo)
{
    std::ifstream in(arquivo, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<Dano> DeBytes(std::uintmax_t tamanho, std::uint32_t semente, int flips, int cortes)
{
    std::vector<Dano> danos;
    if (tamanho < 2)
        return danos;
    std::mt19937 gerador(semente);
    std::uniform_int_distribution<std::uintmax_t> posicao(0, tamanho - 1);
    std::uniform_int_distribution<int> quantos(1, 8), mascara(1, 255);
    for (int i = 0; i < flips; ++i) {
        std::vector<std::pair<std::uintmax_t, int>> bytes;
        std::string nome = "inverter:";
        for (int k = quantos(gerador); k > 0; --k) {
            bytes.emplace_back(posicao(gerador), mascara(gerador));
            nome += (bytes.size() > 1 ? "," : "") + std::to_string(bytes.back().first) + "^" +
                    std::to_string(bytes.back().second);
        }
        danos.push_back({nome, [bytes](const std::string& arquivo) {
                             std::fstream f(arquivo, std::ios::in | std::ios::out | std::ios::binary);
                             for (const auto& [pos, m] : bytes) {
                                 f.seekg(static_cast<std::streamoff>(pos));
                                 const int c = f.get();
                                 f.seekp(static_cast<std::streamoff>(pos));
                                 f.put(static_cast<char>(c ^ m));
                             }
                             if (!f)
                                 throw std::runtime_error("não foi possível inverter bytes de " + arquivo);
                         }});
    }
    std::vector<std::uintmax_t> pontos = {1, 16, 99, 100, 101, 512, 1023, 1024, 1025, 4095, 4096, 4097, 8192,
                                          tamanho / 2, tamanho - 1};
    for (int i = 0; i < cortes; ++i)
        pontos.push_back(posicao(gerador));
    std::sort(pontos.begin(), pontos.end());
    pontos.erase(std::unique(pontos.begin(), pontos.end()), pontos.end());
    for (std::uintmax_t p : pontos) {
        if (p == 0 || p >= tamanho)
            continue;
        danos.push_back({"cortar:" + std::to_string(p), [p](const std::string& arquivo) {
                             std::filesystem::resize_file(arquivo, p);
                         }});
    }
    return danos;
}

std::vector<Dano> DeSql(const std::string& original)
{
    std::vector<Dano> danos;
    const std::vector<Tabela> tabelas = Esquema(original);
    for (const Tabela& t : tabelas) {
        for (const Coluna& c : t.colunas) {
            for (const auto& [nome, valor] : Valores()) {
                for (bool todas : {false, true}) {
                    danos.push_back({std::string("valor:") + nome + ":" + t.nome + "." + c.nome +
                                         (todas ? ":todas" : ":primeira"),
                                     [t, c, valor = std::string(valor), todas](const std::string& arquivo) {
                                         Atribuir(arquivo, t, c.nome, valor, todas);
                                     }});
                }
            }
            std::vector<std::pair<Coluna, std::string>> sem, renomeada;
            for (const Coluna& o : t.colunas) {
                if (o.nome != c.nome)
                    sem.push_back({o, Aspas(o.nome)});
                renomeada.push_back({o.nome == c.nome ? Coluna{o.nome + "_x", o.tipo} : o, Aspas(o.nome)});
            }
            if (!sem.empty())
                danos.push_back({"coluna_removida:" + t.nome + "." + c.nome,
                                 [t, sem](const std::string& arquivo) { Reconstruir(arquivo, t, sem); }});
            danos.push_back({"coluna_renomeada:" + t.nome + "." + c.nome,
                             [t, renomeada](const std::string& arquivo) { Reconstruir(arquivo, t, renomeada); }});
            const std::string outroTipo = Numerico(c.tipo) ? "TEXT(50)" : "SHORT";
            danos.push_back({"tipo_trocado:" + t.nome + "." + c.nome + ":" + outroTipo,
                             [t, c, outroTipo](const std::string& arquivo) {
                                 const std::string sql = Conexao(arquivo)
                                                             .Linhas("SELECT sql FROM sqlite_master WHERE name=" +
                                                                     Literal(t.nome))
                                                             .at(0)
                                                             .at(0);
                                 ReescreverEsquema(arquivo, t.nome, TrocarDeclaracao(sql, c.nome, c.nome, outroTipo));
                             }});
        }
        danos.push_back({"tabela_removida:" + t.nome,
                         [t](const std::string& arquivo) { Sql(arquivo, "DROP TABLE " + Aspas(t.nome)); }});
        danos.push_back({"tabela_vazia:" + t.nome,
                         [t](const std::string& arquivo) { Sql(arquivo, "DELETE FROM " + Aspas(t.nome)); }});
        danos.push_back({"coluna_extra:" + t.nome, [t](const std::string& arquivo) {
                             Sql(arquivo, "ALTER TABLE " + Aspas(t.nome) + " ADD COLUMN zel_extra TEXT(10)");
                         }});
        danos.push_back({"linha_repetida:" + t.nome, [t](const std::string& arquivo) {
                             SemRestricoes(arquivo, t);
                             Sql(arquivo, "INSERT INTO " + Aspas(t.nome) + " SELECT * FROM " + Aspas(t.nome) +
                                              " WHERE rowid=(SELECT min(rowid) FROM " + Aspas(t.nome) + ")");
                         }});
        danos.push_back({"gatilho_recusa:" + t.nome, [t](const std::string& arquivo) {
                             for (const char* quando : {"INSERT", "UPDATE", "DELETE"})
                                 Sql(arquivo, std::string("CREATE TRIGGER zel_recusa_") + quando + " BEFORE " + quando +
                                                  " ON " + Aspas(t.nome) + " BEGIN SELECT RAISE(ABORT, 'recusado'); END");
                         }});
    }
    danos.push_back({"tabela_extra", [](const std::string& arquivo) { Sql(arquivo, "CREATE TABLE zel_extra (a SHORT)"); }});
    danos.push_back({"indices_removidos", [](const std::string& arquivo) {
                         Conexao c(arquivo);
                         for (const auto& i : c.Linhas("SELECT name FROM sqlite_master WHERE type='index' AND sql IS NOT NULL"))
                             c.Exec("DROP INDEX " + Aspas(i[0]));
                     }});
    danos.push_back({"gatilhos_removidos", [](const std::string& arquivo) {
                         Conexao c(arquivo);
                         for (const auto& i : c.Linhas("SELECT name FROM sqlite_master WHERE type='trigger'"))
                             c.Exec("DROP TRIGGER " + Aspas(i[0]));
                     }});
    danos.push_back({"diario_wal", [](const std::string& arquivo) { Sql(arquivo, "PRAGMA journal_mode=WAL"); }});
    danos.push_back({"pagina_1024", [](const std::string& arquivo) { Sql(arquivo, "PRAGMA page_size=1024; VACUUM"); }});
    return danos;
}

}  // namespace danos
