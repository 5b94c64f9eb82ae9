#pragma once
// A circuit's answer to one selection question of the catalogue (circuito_x_tabela_selecao): the
// question and the chosen item. Shared by both sizing programs.

#include <cstdint>

class CTabela_selecao {
public:
    CTabela_selecao() = default;
    CTabela_selecao(std::uint8_t codigo, std::uint8_t sequencial)
        : m_tabela_selecao_codigo(codigo), m_tabela_selecao_sequencial(sequencial) {}
    virtual ~CTabela_selecao() = default;
    virtual void Serialize() {}

    std::uint8_t m_tabela_selecao_codigo = 0;
    std::uint8_t m_tabela_selecao_sequencial = 0;
};
