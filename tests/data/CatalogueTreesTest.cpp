// The decision trees walked as the engine walks them, for every combination and every path of
// answers: each path must end on a capacity and a drop table fit for the cable, and the grouping tree
// must give a factor for one circuit.
#include "DataTestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>

using namespace zeldata;

namespace {

std::string Sec(double s) { return FormatC("%6.2f", s); }

struct TreeRow {
    long node = 0, question = 0, answer = 0, next = 0, table = 0;
    double factor = 0;
};
using Tree = std::map<long, std::vector<TreeRow>>;
using Answers = std::map<long, long>;

Tree LoadTree(const std::string& table, const std::string& code, const std::string& next, const std::string& leaf)
{
    Tree tree;
    for (const Row& r : Query(Catalogue(), "SELECT * FROM " + table)) {
        TreeRow t;
        t.node = r.Int(code);
        t.question = r.Int("tabela_selecao_codigo");
        t.answer = r.Int("tabela_selecao_sequencial");
        t.next = r.Int(next);
        if (!leaf.empty())
            t.table = r.Int(leaf);
        else
            t.factor = r.Num("referencia_agrupamento_fator");
        tree[t.node].push_back(t);
    }
    return tree;
}

// Every path of answers through a capacity or drop tree (the engine's reference-tree walk), the
// answers already given being kept; calls leaf with the answers and the table the walk ends on.
void WalkTree(const Tree& tree, long code, long table, const Answers& answers, int depth,
              const std::function<void(const Answers&, long)>& leaf)
{
    ASSERT_LT(depth, 20) << "cycle in a tree at node " << code;
    if (code <= 0) {
        leaf(answers, table);
        return;
    }
    const auto node = tree.find(code);
    ASSERT_NE(node, tree.end()) << "missing node " << code;
    const long question = node->second.front().question;
    for (const TreeRow& row : node->second) {
        const auto given = answers.find(question);
        if (given != answers.end() && given->second != row.answer)
            continue;
        Answers next = answers;
        next[question] = row.answer;
        WalkTree(tree, row.next, row.next == 0 ? row.table : table, next, depth + 1, leaf);
        if (given != answers.end())
            return;
    }
    if (answers.count(question)) {
        ADD_FAILURE() << "node " << code << " has no row for the answer " << answers.at(question);
    }
}

struct Group {
    long question = 0, type = 0;
};

// The grouping factor for one circuit (n = 1) on every path: count questions answered 1, the others
// every way; the walk is that of CCalculo::Fator_correcao_agrupamento.
void WalkGrouping(const std::map<long, Group>& nodes, const Tree& rows, long code, Answers answers, double factor,
                  int depth, const std::function<void(double)>& leaf)
{
    ASSERT_LT(depth, 20) << "cycle in a grouping tree at node " << code;
    if (code <= 0) {
        leaf(factor);
        return;
    }
    ASSERT_TRUE(nodes.count(code)) << "grouping node " << code << " has no referencias_agrupamento row";
    ASSERT_TRUE(rows.count(code)) << "grouping node " << code << " has no rows";
    const Group g = nodes.at(code);
    std::vector<long> choices;
    if (answers.count(g.question))
        choices.push_back(answers.at(g.question));
    else if (g.type == 1)
        for (const TreeRow& r : rows.at(code))
            choices.push_back(r.answer);
    else
        choices.push_back(1);
    for (long a : choices) {
        Answers next = answers;
        next[g.question] = a;
        const TreeRow* chosen = nullptr;
        for (const TreeRow& r : rows.at(code))
            if (g.type == 3 ? r.answer <= a && (!chosen || r.answer > chosen->answer) : r.answer == a)
                chosen = &r;
        if (!chosen) {
            leaf(0.0);
            continue;
        }
        WalkGrouping(nodes, rows, chosen->next, next, chosen->factor, depth + 1, leaf);
    }
}

class CatalogueTrees : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        capacity = LoadTree("referencia_capacidade_corrente", "referencia_capacidade_corrente_codigo",
                            "referencia_capacidade_corrente_proximo_codigo", "capacidade_corrente_tabela");
        drop = LoadTree("referencia_queda_tensao", "referencia_queda_tensao_codigo", "referencia_queda_tensao_proximo_codigo",
                        "queda_tensao_tabela");
        grouping = LoadTree("referencia_agrupamento", "referencia_agrupamento_codigo", "referencia_agrupamento_proximo_codigo", "");
        for (const Row& r : Query(Catalogue(), "SELECT * FROM referencias_agrupamento"))
            groups[r.Int("referencia_agrupamento_codigo")] = {r.Int("tabela_selecao_codigo"), r.Int("referencia_agrupamento_tipo_codigo")};
        for (const Row& r : Query(Catalogue(), "SELECT * FROM tabela_selecao"))
            questions[r.Int("tabela_selecao_codigo")][r.Int("tabela_selecao_sequencial")] = r.Text("tabela_selecao_item");
    }
    static Tree capacity, drop, grouping;
    static std::map<long, Group> groups;
    static std::map<long, std::map<long, std::string>> questions;
};
Tree CatalogueTrees::capacity, CatalogueTrees::drop, CatalogueTrees::grouping;
std::map<long, Group> CatalogueTrees::groups;
std::map<long, std::map<long, std::string>> CatalogueTrees::questions;

TEST_F(CatalogueTrees, EveryQuestionHasItsCaptionAndNumberedAnswers)
{
    ASSERT_FALSE(questions.empty());
    for (const auto& [q, items] : questions) {
        ASSERT_TRUE(items.count(0)) << "question " << q << " has no caption";
        EXPECT_GE(items.size(), 2u) << "question " << q << " has no answer";
        long expected = 0;
        for (const auto& [seq, text] : items) {
            EXPECT_EQ(seq, expected++) << "question " << q << ": answers must be numbered 1, 2, ...";
            EXPECT_FALSE(text.empty()) << q << "/" << seq;
        }
    }
    auto checkNode = [&](const char* tree, long code, const std::vector<TreeRow>& rows, bool everyAnswer) {
        const long q = rows.front().question;
        ASSERT_TRUE(questions.count(q)) << tree << " node " << code << " asks question " << q << ", not in tabela_selecao";
        std::set<long> answers;
        for (const TreeRow& r : rows) {
            EXPECT_EQ(r.question, q) << tree << " node " << code << ": one question per node";
            EXPECT_TRUE(questions.at(q).count(r.answer) && r.answer > 0) << tree << " node " << code << " answer " << r.answer;
            answers.insert(r.answer);
        }
        if (everyAnswer) {
            EXPECT_EQ(answers.size(), questions.at(q).size() - 1) << tree << " node " << code << ": an answer leads nowhere";
        } else {
            EXPECT_TRUE(answers.count(1)) << tree << " node " << code << " has no row for one circuit";
        }
    };
    for (const auto& [code, rows] : capacity)
        checkNode("capacity", code, rows, true);
    for (const auto& [code, rows] : drop)
        checkNode("drop", code, rows, true);
    for (const auto& [code, rows] : grouping) {
        ASSERT_TRUE(groups.count(code)) << "grouping node " << code << " has no referencias_agrupamento row";
        const Group g = groups.at(code);
        EXPECT_EQ(rows.front().question, g.question) << "grouping node " << code << ": the engine and the dialog must ask the same";
        EXPECT_TRUE(g.type >= 1 && g.type <= 3) << code;
        checkNode("grouping", code, rows, g.type == 1);
        for (const TreeRow& r : rows) {
            if (r.next != 0) {
                EXPECT_TRUE(grouping.count(r.next)) << "grouping node " << code << " leads to missing " << r.next;
            } else {
                EXPECT_TRUE(r.factor > 0 && r.factor <= 1.18 + 1e-6) << "grouping node " << code << " answer " << r.answer;
            }
        }
    }
    for (const auto& [code, g] : groups)
        EXPECT_TRUE(grouping.count(code)) << "referencias_agrupamento node " << code << " has no rows";
}

// Every combination, every path: the capacity table is of the cable's material, insulation and
// reference method, for the system's loaded conductors, holds every section up to the cable's largest,
// and the drop table holds all of those sections at the insulation's operating temperature.
TEST_F(CatalogueTrees, EveryPathReachesTablesFitForTheCable)
{
    struct Origin {
        long nbr = 0, loaded = 0;
        std::string material, method;
        std::set<std::string> sections;
    };
    std::map<long, Origin> capOrigin, dropOrigin;
    for (const Row& r : Query(Catalogue(), "SELECT * FROM capacidade_corrente_origem"))
        capOrigin[r.Int("capacidade_corrente_tabela")] = {r.Int("origem_tabela_nbr"), r.Int("origem_condutores_carregados"),
                                                         r.Text("origem_material"), r.Text("origem_metodo"), {}};
    for (const Row& r : Query(Catalogue(), "SELECT * FROM capacidade_corrente"))
        capOrigin[r.Int("capacidade_corrente_tabela")].sections.insert(Sec(r.Num("secao_nominal")));
    for (const Row& r : Query(Catalogue(), "SELECT * FROM queda_tensao_origem"))
        dropOrigin[r.Int("queda_tensao_tabela")] = {r.Int("origem_temperatura_condutor"), 0, r.Text("origem_material"), "", {}};
    for (const Row& r : Query(Catalogue(), "SELECT * FROM queda_tensao"))
        dropOrigin[r.Int("queda_tensao_tabela")].sections.insert(Sec(r.Num("secao_nominal")));
    std::vector<double> series;
    for (const Row& r : Query(Catalogue(), "SELECT secao_nominal FROM secao ORDER BY secao_nominal"))
        series.push_back(r.Num("secao_nominal"));
    std::map<long, Row> cables, methods, systems;
    for (const Row& r : Query(Catalogue(), "SELECT * FROM cabo"))
        cables[r.Int("cabo_codigo")] = r;
    for (const Row& r : Query(Catalogue(), "SELECT * FROM maneira_instalar"))
        methods[r.Int("maneira_instalar_codigo")] = r;
    for (const Row& r : Query(Catalogue(), "SELECT * FROM sistema"))
        systems[r.Int("sistema_codigo")] = r;

    const std::vector<Row> combos = Query(Catalogue(), "SELECT * FROM maneira_instalar_x_sistema_x_cabo");
    ASSERT_GT(combos.size(), 1000u);
    std::set<long> methodsOffered;
    size_t paths = 0;
    for (const Row& c : combos) {
        const long m = c.Int("maneira_instalar_codigo"), s = c.Int("sistema_codigo"), k = c.Int("cabo_codigo");
        const std::string what = "method " + std::to_string(m) + " system " + std::to_string(s) + " cable " + std::to_string(k);
        ASSERT_TRUE(methods.count(m) && systems.count(s) && cables.count(k)) << what;
        methodsOffered.insert(m);
        const Row& cable = cables.at(k);
        const std::string material = cable.Text("cabo_material");
        const bool pvc = cable.Int("tipo_isolacao_codigo") == 1;
        const double largest = cable.Num("secao_nominal");
        const std::string ref = methods.at(m).Text("maneira_instalar_metodo_referencia");
        const long live = systems.at(s).Int("sistema_numero_condutores");
        ASSERT_GT(c.Int("referencia_agrupamento_codigo"), 0) << what << " has no grouping tree";

        WalkTree(capacity, c.Int("referencia_capacidade_corrente_codigo"), c.Int("capacidade_corrente_tabela"), {}, 0,
                 [&](const Answers& capAnswers, long capTable) {
            ASSERT_TRUE(capOrigin.count(capTable)) << what << ": no capacity table on a path";
            const Origin& o = capOrigin.at(capTable);
            EXPECT_EQ(o.material, material) << what;
            EXPECT_EQ(o.nbr == 36 || o.nbr == 38, pvc) << what;
            if (ref == "B2/B1") {
                EXPECT_TRUE(o.method == "B1" || o.method == "B2") << what;
            } else if (ref == "E/F") {
                EXPECT_EQ(o.method, cable.Int("VEIAS") == 1 ? "F" : "E") << what;
            } else {
                EXPECT_EQ(o.method, ref) << what;
            }
            // Tabela 46: 2 live conductors -> 2 loaded, 3 -> 3, three-phase with neutral 3 or 4 (asked);
            // the G columns exist for 3 loaded only.
            if (live == 4) {
                EXPECT_TRUE(o.loaded == 3 || o.loaded == 4) << what;
            } else if (o.method == "G") {
                EXPECT_EQ(o.loaded, 3) << what;
            } else {
                EXPECT_EQ(o.loaded, live) << what;
            }
            ASSERT_TRUE(o.sections.count(Sec(largest))) << what << ": table " << capTable << " lacks the largest section";
            const double smallest = Number(*std::min_element(o.sections.begin(), o.sections.end(),
                                                             [](const std::string& a, const std::string& b) { return Number(a) < Number(b); }));
            std::set<std::string> needed;
            for (double sec : series)
                if (sec >= smallest && sec <= largest)
                    needed.insert(Sec(sec));
            for (const std::string& sec : needed)
                EXPECT_TRUE(o.sections.count(sec)) << what << ": capacity table " << capTable << " lacks " << sec;

            WalkTree(drop, c.Int("referencia_queda_tensao_codigo"), c.Int("queda_tensao_tabela"), capAnswers, 0,
                     [&](const Answers& answers, long dropTable) {
                ++paths;
                ASSERT_TRUE(dropOrigin.count(dropTable)) << what << ": no drop table on a path";
                const Origin& d = dropOrigin.at(dropTable);
                EXPECT_EQ(d.material, material) << what;
                EXPECT_EQ(d.nbr, pvc ? 70 : 90) << what << ": drop table at the wrong temperature";
                for (const std::string& sec : needed)
                    EXPECT_TRUE(d.sections.count(sec)) << what << ": drop table " << dropTable << " lacks " << sec;

                WalkGrouping(groups, grouping, c.Int("referencia_agrupamento_codigo"), answers, 0, 0, [&](double factor) {
                    EXPECT_GT(factor, 0.0) << what << ": no grouping factor for one circuit";
                    EXPECT_LE(factor, 1.18 + 1e-6) << what;
                });
            });
        });
    }
    EXPECT_EQ(methodsOffered.size(), methods.size()) << "every method of Tabela 33 is offered";
    EXPECT_GT(paths, combos.size());
}

// The questions a combination asks depend on what the standard leaves open for it, never more.
TEST_F(CatalogueTrees, QuestionsAskedMatchTheMethod)
{
    auto asked = [&](const std::string& where) {
        std::set<long> qs;
        for (const Row& c : Query(Catalogue(), "SELECT x.* FROM maneira_instalar_x_sistema_x_cabo x, maneira_instalar m, cabo k WHERE x.maneira_instalar_codigo=m.maneira_instalar_codigo AND x.cabo_codigo=k.cabo_codigo AND " + where)) {
            WalkTree(capacity, c.Int("referencia_capacidade_corrente_codigo"), 1, {}, 0, [&](const Answers& a, long) {
                for (const auto& [q, ans] : a)
                    qs.insert(q);
            });
        }
        return qs;
    };
    // A1 with a single-phase system: nothing to ask.
    EXPECT_TRUE(asked("m.maneira_instalar_metodo_referencia='A1' AND x.sistema_codigo=1").empty());
    // Three-phase with neutral: loaded conductors (3 or 4).
    EXPECT_EQ(asked("m.maneira_instalar_metodo_referencia='B1' AND x.sistema_codigo=5"), std::set<long>{1});
    // Method 21: the height of the space, Tabela 33's B2-or-B1 condition.
    EXPECT_EQ(asked("m.maneira_instalar_numero='21' AND x.sistema_codigo=7"), std::set<long>{2});
    EXPECT_EQ(asked("m.maneira_instalar_numero='22' AND x.sistema_codigo=7"), std::set<long>{3});
    // Method F with three loaded conductors: trefoil or flat; E (multi-core) asks nothing.
    EXPECT_EQ(asked("m.maneira_instalar_numero='13' AND x.sistema_codigo=7 AND k.VEIAS=1"), std::set<long>{4});
    EXPECT_TRUE(asked("m.maneira_instalar_numero='13' AND x.sistema_codigo=7 AND k.VEIAS=3").empty());
    EXPECT_TRUE(asked("m.maneira_instalar_numero='13' AND x.sistema_codigo=1 AND k.VEIAS=1").empty());
    EXPECT_EQ(asked("m.maneira_instalar_numero='18' AND x.sistema_codigo=4"), std::set<long>{5});
}

}  // namespace
