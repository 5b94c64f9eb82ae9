// The selection-table questions of a circuit: a walk over the capacity, grouping and voltage-drop trees of
// its combination, asking each question once through the selection-list dialog.
#include "Caracteristicas.h"
#include "Referencia.h"
#include "SelecaoDados.h"

#include "AppContext.h"
#include "DaoException.h"
#include "DaoRecordsetManual.h"
#include "Document.h"
#include "ErrorReporter.h"
#include "SqlValue.h"

#include <memory>
#include <vector>

namespace {

using Lista = std::vector<std::unique_ptr<CReferencia>>;

struct Arvore {
    const char* tabela;
    const char* colunaCodigo;
    const char* colunaProximo;
};

constexpr Arvore kCapacidade{"referencia_capacidade_corrente", "referencia_capacidade_corrente_codigo",
                             "referencia_capacidade_corrente_proximo_codigo"};
constexpr Arvore kAgrupamento{"referencia_agrupamento", "referencia_agrupamento_codigo",
                              "referencia_agrupamento_proximo_codigo"};
constexpr Arvore kQuedaTensao{"referencia_queda_tensao", "referencia_queda_tensao_codigo",
                              "referencia_queda_tensao_proximo_codigo"};

std::unique_ptr<CReferencia> Raiz(const Arvore& a, short codigo)
{
    return std::make_unique<CReferencia>(codigo, a.tabela, a.colunaCodigo, a.colunaProximo, 0, 0, true);
}

// Backs over the node at i: a node added under an answer leaves the list, a root keeps its place.
void Recuar(Lista& lista, int& i)
{
    if (lista[static_cast<std::size_t>(i)]->m_bRaiz)
        lista[static_cast<std::size_t>(i)]->m_nTabelaSelecaoCodigo = 0;
    else
        lista.erase(lista.begin() + i);
    --i;
}

// The walk's database failures: the first is reported, the walk goes on with what it has.
class Relator {
public:
    void operator()(const char* local, const CDaoException& e)
    {
        if (m_relatado)
            AppendLogLine("ZEL.LOG", ZelLogLine(local, &e, ""));
        else
            ReportError(local, &e);
        m_relatado = true;
    }

private:
    bool m_relatado = false;
};

}  // namespace

BOOL CCaracteristicas::EditarOutrasvariaveis()
{
    CDaoDatabase* catalogo = AppContext().m_pReferenceDb;
    CProjectDocument* doc = GetActiveProjectDocument();
    Relator relatar;

    // 1. The answers stored with the circuit (a new circuit, key 0, has none).
    m_respostas.clear();
    try {
        CDaoRecordsetManual rs(doc ? doc->m_pDatabase : nullptr, dbOpenSnapshot,
                               FormatC("SELECT tabela_selecao_codigo,tabela_selecao_sequencial FROM "
                                       "circuito_x_tabela_selecao WHERE circuito_sequencial=%i",
                                       static_cast<int>(m_nCircuitoSequencial))
                                   .c_str());
        for (; !rs.IsEOF(); rs.MoveNext()) {
            BYTE codigo = 0;
            BYTE sequencial = 0;
            rs.GetFieldByte("tabela_selecao_codigo", codigo);
            rs.GetFieldByte("tabela_selecao_sequencial", sequencial);
            m_respostas.emplace_back(codigo, sequencial);
        }
    } catch (CDaoException& e) {
        relatar("CCaracteristicas::EditarOutrasvariaveis(1)", e);
    }

    // 2. The roots of the combination's trees: capacity, grouping (only when the factor is computed), drop.
    Lista lista;
    try {
        CDaoRecordsetManual rs(catalogo, dbOpenSnapshot,
                               FormatC("SELECT * from maneira_instalar_x_sistema_x_cabo where "
                                       "maneira_instalar_codigo=%i and sistema_codigo=%i and cabo_codigo=%i",
                                       static_cast<int>(m_nManeiraInstalarCodigo),
                                       static_cast<int>(m_nSistemaCodigo), static_cast<int>(m_nCaboCodigo))
                                   .c_str());
        if (!rs.IsEOF()) {
            short codigo = 0;
            rs.GetFieldShort("referencia_capacidade_corrente_codigo", codigo);
            if (codigo > 0)
                lista.push_back(Raiz(kCapacidade, codigo));
            rs.GetFieldShort("referencia_agrupamento_codigo", codigo);
            if (codigo > 0 && m_fatorAgrupamento.GetValue() <= 0)
                lista.push_back(Raiz(kAgrupamento, codigo));
            rs.GetFieldShort("referencia_queda_tensao_codigo", codigo);
            if (codigo > 0)
                lista.push_back(Raiz(kQuedaTensao, codigo));
        }
    } catch (CDaoException& e) {
        relatar("CCaracteristicas::EditarOutrasvariaveis(2)", e);
    }

    // 3. The walk. The list is at every moment the path of answers given so far, tree after tree.
    int i = 0;
    bool manterGravadas = true;
    bool voltando = false;
    while (i >= 0 && i < static_cast<int>(lista.size())) {
        CReferencia& no = *lista[static_cast<std::size_t>(i)];

        int pergunta = 0;
        try {
            CDaoRecordsetManual rs(catalogo, dbOpenSnapshot,
                                   FormatC("SELECT tabela_selecao_codigo FROM %s WHERE %s=%i", no.m_strTabela.c_str(),
                                           no.m_strColunaCodigo.c_str(), static_cast<int>(no.m_nCodigo))
                                       .c_str());
            if (!rs.IsEOF()) {
                BYTE q = 0;
                rs.GetFieldByte("tabela_selecao_codigo", q);
                pergunta = q;
            }
        } catch (CDaoException& e) {
            relatar("CCaracteristicas::EditarOutrasvariaveis(3)", e);
        }
        if (pergunta <= 0) {
            // A node whose question cannot be read has no answer: passed over forward and backward alike,
            // so that neither direction can get stuck on it.
            no.m_nTabelaSelecaoCodigo = 0;
            no.m_nResposta = 0;
            if (voltando)
                Recuar(lista, i);
            else
                ++i;
            continue;
        }
        const BYTE q = static_cast<BYTE>(pergunta);

        BYTE preselecao = 0;
        if (voltando) {
            int primeiro = i;
            for (int k = 0; k < i; ++k)
                if (lista[static_cast<std::size_t>(k)]->m_nTabelaSelecaoCodigo == q) {
                    primeiro = k;
                    break;
                }
            if (primeiro != i) {
                // This node had taken an earlier answer over: back over it too.
                Recuar(lista, i);
                continue;
            }
            preselecao = no.m_nResposta;
        } else {
            if (manterGravadas)
                for (const CTabela_selecao& r : m_respostas)
                    if (r.m_tabela_selecao_codigo == q)
                        preselecao = r.m_tabela_selecao_sequencial;
            const CReferencia* anterior = nullptr;
            for (int k = 0; k < i && !anterior; ++k)
                if (lista[static_cast<std::size_t>(k)]->m_nTabelaSelecaoCodigo == q)
                    anterior = lista[static_cast<std::size_t>(k)].get();
            if (anterior && anterior->m_nResposta > 0) {
                no.m_nResposta = anterior->m_nResposta;
                no.m_nTabelaSelecaoCodigo = q;
            } else {
                if (preselecao == 0)
                    preselecao = 1;
                no.m_nResposta = 0;
            }
        }

        if (no.m_nResposta == 0 || voltando) {
            no.m_nTabelaSelecaoCodigo = q;
            CSelecao_dados dlg;
            dlg.m_nTabelaSelecaoCodigo = q;
            dlg.m_nLinhaAtual = preselecao;
            const int resultado = dlg.DoModal();
            if (resultado == IDOK && dlg.m_nLinhaEscolhida > 0) {
                voltando = false;
                manterGravadas = manterGravadas && dlg.m_nLinhaEscolhida == preselecao;
                no.m_nResposta = dlg.m_nLinhaEscolhida;
            } else {
                // Cancel (or OK with no line, which the dialog does not allow): back to the question before.
                voltando = true;
                Recuar(lista, i);
                continue;
            }
        }

        // Record: the answer leads to the next node of the tree, or ends the path.
        try {
            CDaoRecordsetManual rs(catalogo, dbOpenSnapshot,
                                   FormatC("SELECT * FROM %s WHERE %s=%i AND tabela_selecao_sequencial=%i",
                                           no.m_strTabela.c_str(), no.m_strColunaCodigo.c_str(),
                                           static_cast<int>(no.m_nCodigo), static_cast<int>(no.m_nResposta))
                                       .c_str());
            if (!rs.IsEOF()) {
                short proximo = 0;
                rs.GetFieldShort(no.m_strColunaProximo.c_str(), proximo);
                if (proximo > 0) {
                    for (const auto& outro : lista)
                        if (outro->m_strTabela == no.m_strTabela && outro->m_nCodigo == proximo)
                            throw CDaoException(0, "Lvsize",
                                                FormatC("A árvore %s do catálogo volta ao nó %i.",
                                                        no.m_strTabela.c_str(), static_cast<int>(proximo)));
                    lista.insert(lista.begin() + i + 1,
                                 std::make_unique<CReferencia>(proximo, no.m_strTabela, no.m_strColunaCodigo,
                                                               no.m_strColunaProximo, 0, 0, false));
                }
            }
        } catch (CDaoException& e) {
            relatar("CCaracteristicas::EditarOutrasvariaveis(4)", e);
        }
        ++i;
    }

    // 4. The answers of the path, each question once.
    m_respostas.clear();
    if (i < 0)
        return FALSE;
    for (auto it = lista.rbegin(); it != lista.rend(); ++it) {
        const CReferencia& no = **it;
        if (no.m_nTabelaSelecaoCodigo == 0 || no.m_nResposta == 0)
            continue;
        bool presente = false;
        for (const CTabela_selecao& r : m_respostas)
            presente = presente || r.m_tabela_selecao_codigo == no.m_nTabelaSelecaoCodigo;
        if (!presente)
            m_respostas.emplace_back(no.m_nTabelaSelecaoCodigo, no.m_nResposta);
    }
    return TRUE;
}
