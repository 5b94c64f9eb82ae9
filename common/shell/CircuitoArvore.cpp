#include "CircuitoArvore.h"

#include "DaoDatabase.h"
#include "DaoException.h"
#include "DaoRecordsetManual.h"
#include "SqlValue.h"

#include <map>
#include <set>

namespace {

std::string Lista(const std::vector<std::string>& cols)
{
    std::string s;
    for (const auto& c : cols)
        s += (s.empty() ? "" : ",") + c;
    return s;
}

// The target's columns that the other database's table also has (one made from an older template).
std::vector<std::string> ColunasComuns(CDaoDatabase& db, const std::string& tabela, const std::string& alias)
{
    const std::vector<std::string> outras = db.TableColumns(tabela, alias);
    std::vector<std::string> comuns;
    for (const auto& c : db.TableColumns(tabela, "main"))
        for (const auto& o : outras)
            if (o == c) {
                comuns.push_back(c);
                break;
            }
    return comuns;
}

std::string Substituir(const std::vector<std::string>& cols, const std::map<std::string, std::string>& troca)
{
    std::string s;
    for (const auto& c : cols) {
        auto it = troca.find(c);
        s += (s.empty() ? "" : ",") + (it == troca.end() ? c : it->second);
    }
    return s;
}


}  // namespace

std::vector<short> SubarvoreCircuitos(CDaoDatabase& db, short sequencial)
{
    std::vector<short> chaves{sequencial};
    std::set<short> visitados{sequencial};
    for (size_t i = 0; i < chaves.size(); ++i) {
        std::vector<short> filhos;
        {
            CDaoRecordsetManual rs(
                &db, dbOpenSnapshot,
                FormatC("SELECT circuito_sequencial FROM circuito WHERE circuito_sequencial_pai=%i", chaves[i]).c_str());
            for (; !rs.IsEOF(); rs.MoveNext()) {
                short k = 0;
                rs.GetFieldShort("circuito_sequencial", k);
                filhos.push_back(k);
            }
        }
        // Each circuit right before its own children: insert them after the parent's position.
        size_t pos = i + 1;
        for (short k : filhos) {
            if (!visitados.insert(k).second)
                throw CDaoException::Layer(AFX_DAO_ERROR_ENGINE_INITIALIZATION,
                                           FormatC("circuitos em ciclo (circuito %i)", k));
            chaves.insert(chaves.begin() + static_cast<long>(pos++), k);
        }
    }
    return chaves;
}

void ExcluirSubarvore(CDaoDatabase& db, short sequencial, std::span<const char* const> dependentes)
{
    for (short k : SubarvoreCircuitos(db, sequencial)) {
        for (const char* tabela : dependentes)
            db.Execute(FormatC("DELETE FROM %s WHERE circuito_sequencial=%i", tabela, k));
        db.Execute(FormatC("DELETE FROM circuito_impressao WHERE circuito_sequencial=%i", k));
        db.Execute(FormatC("DELETE FROM circuito WHERE circuito_sequencial=%i", k));
    }
}

void CopiarSubarvore(CDaoDatabase& db, const std::string& area, short sequencial,
                     std::span<const char* const> dependentes)
{
    CDaoAttachment anexo(db, area);
    CDaoTransaction trans(db);
    db.DeleteFromOther(area, "circuito");
    for (const char* tabela : dependentes)
        db.DeleteFromOther(area, tabela);
    db.DeleteFromOther(area, "circuito_impressao");
    for (short k : SubarvoreCircuitos(db, sequencial)) {
        db.InsertIntoOther(area, "circuito", "WHERE circuito_sequencial=?", {std::int64_t{k}});
        for (const char* tabela : dependentes)
            db.InsertIntoOther(area, tabela, "WHERE circuito_sequencial=?", {std::int64_t{k}});
    }
    trans.Commit();
}

std::string CodigoCircuitoLivre(CDaoDatabase* db, const std::string& codigo)
{
    for (int n = 0; n <= 9998; ++n) {
        const std::string candidato = n == 0 ? codigo : codigo + FormatC("%i", n);
        CDaoRecordsetManual rs(db, dbOpenSnapshot,
                               "SELECT circuito_codigo FROM circuito WHERE circuito_codigo=? AND "
                               "circuito_sequencial_pai is NULL",
                               {candidato});
        if (rs.IsEOF())
            return candidato;
    }
    return {};
}

short ColarSubarvore(CDaoDatabase& banco, CDaoDatabase& clipboard, std::span<const char* const> dependentes)
{
    CDaoDatabase* db = &banco;
    CDaoDatabase* area = &clipboard;
    std::string codigo;
    // The clipboard's circuits in their stored order; the top one first (the copy wrote it first).
    struct Linha {
        short chave, pai;
        bool topo;
    };
    std::vector<Linha> linhas;
    {
        CDaoRecordsetManual rs(area, dbOpenSnapshot,
                               "SELECT circuito_sequencial,circuito_sequencial_pai,circuito_codigo FROM circuito");
        for (; !rs.IsEOF(); rs.MoveNext()) {
            Linha l{0, 0, rs.GetFieldValue("circuito_sequencial_pai").IsNull()};
            rs.GetFieldShort("circuito_sequencial", l.chave);
            if (!l.topo)
                rs.GetFieldShort("circuito_sequencial_pai", l.pai);
            if (l.topo && codigo.empty() && linhas.empty())
                rs.GetFieldString("circuito_codigo", codigo);
            linhas.push_back(l);
        }
    }
    if (linhas.empty() || !linhas.front().topo)
        throw CDaoException::Layer(AFX_DAO_ERROR_ENGINE_INITIALIZATION, "área de transferência vazia");
    const std::string novoCodigo = CodigoCircuitoLivre(db, codigo);
    long maximo = 0;
    {
        CDaoRecordsetManual rs(db, dbOpenSnapshot, "SELECT MAX(circuito_sequencial) AS maximo FROM circuito");
        if (!rs.IsEOF() && !rs.GetFieldValue("maximo").IsNull())
            maximo = static_cast<long>(rs.GetFieldValue("maximo").AsDouble());
    }
    // Old key to new: the top circuit m+1, then depth first, each circuit before its children.
    std::map<short, short> novo;
    std::vector<short> ordem;
    std::multimap<short, short> filhos;
    for (const Linha& l : linhas)
        if (!l.topo)
            filhos.emplace(l.pai, l.chave);
    std::vector<short> pilha{linhas.front().chave};
    while (!pilha.empty()) {
        const short k = pilha.back();
        pilha.pop_back();
        if (novo.count(k))
            continue;  // a loop in the clipboard: each circuit once
        novo[k] = static_cast<short>(maximo + 1 + static_cast<long>(ordem.size()));
        ordem.push_back(k);
        auto faixa = filhos.equal_range(k);
        std::vector<short> fs;
        for (auto it = faixa.first; it != faixa.second; ++it)
            fs.push_back(it->second);
        for (auto it = fs.rbegin(); it != fs.rend(); ++it)
            pilha.push_back(*it);
    }
    const short topo = novo[linhas.front().chave];

    CDaoAttachment anexo(*db, area->GetName());
    const std::string a = anexo.Alias();
    CDaoTransaction trans(*db);
    const std::vector<std::string> colsCircuito = ColunasComuns(*db, "circuito", a);
    for (short antigo : ordem) {
        const bool ehTopo = antigo == linhas.front().chave;
        short paiNovo = 0;
        for (const Linha& l : linhas)
            if (l.chave == antigo && !l.topo)
                paiNovo = novo.count(l.pai) ? novo[l.pai] : 0;
        std::map<std::string, std::string> troca{{"circuito_sequencial", "?"},
                                                 {"circuito_sequencial_pai", "?"},
                                                 {"circuito_calculado", "0"}};
        if (ehTopo)
            troca["circuito_codigo"] = "?";
        // The parameters in the order of the columns they replace, then the old key.
        SqlParams params;
        for (const auto& c : colsCircuito) {
            if (c == "circuito_sequencial")
                params.push_back(std::int64_t{novo[antigo]});
            else if (c == "circuito_sequencial_pai")
                params.push_back(ehTopo || paiNovo == 0 ? SqlValue{nullptr} : SqlValue{std::int64_t{paiNovo}});
            else if (c == "circuito_codigo" && ehTopo)
                params.push_back(novoCodigo);
        }
        params.push_back(std::int64_t{antigo});
        db->Execute("INSERT INTO main.circuito (" + Lista(colsCircuito) + ") SELECT " +
                        Substituir(colsCircuito, troca) + " FROM " + a + ".circuito WHERE circuito_sequencial=?",
                    params);
        for (const char* tabela : dependentes) {
            const std::vector<std::string> cols = ColunasComuns(*db, tabela, a);
            db->Execute("INSERT INTO main." + std::string(tabela) + " (" + Lista(cols) + ") SELECT " +
                            Substituir(cols, {{"circuito_sequencial", "?"}}) + " FROM " + a + "." + tabela +
                            " WHERE circuito_sequencial=?",
                        {std::int64_t{novo[antigo]}, std::int64_t{antigo}});
        }
    }
    trans.Commit();
    return topo;
}
