#pragma once
// One node of a walk over the catalogue's decision trees (capacity, grouping, voltage drop): where it is
// in its tree, the question it asked or took over and the answer it got.

#include <string>

class CReferencia {
public:
    CReferencia(short codigo, std::string tabela, std::string coluna_codigo, std::string coluna_proximo,
                unsigned char tabela_selecao_codigo, unsigned char resposta, bool raiz)
        : m_nCodigo(codigo),
          m_strTabela(std::move(tabela)),
          m_strColunaCodigo(std::move(coluna_codigo)),
          m_strColunaProximo(std::move(coluna_proximo)),
          m_nTabelaSelecaoCodigo(tabela_selecao_codigo),
          m_nResposta(resposta),
          m_bRaiz(raiz)
    {
    }
    virtual ~CReferencia() = default;

    short m_nCodigo;
    std::string m_strTabela;         // "referencia_capacidade_corrente", ...
    std::string m_strColunaCodigo;   // "referencia_capacidade_corrente_codigo", ...
    std::string m_strColunaProximo;  // "referencia_capacidade_corrente_proximo_codigo", ...
    unsigned char m_nTabelaSelecaoCodigo;  // 0: not asked yet (or cleared)
    unsigned char m_nResposta;             // 1-based; 0: none
    bool m_bRaiz;
};
