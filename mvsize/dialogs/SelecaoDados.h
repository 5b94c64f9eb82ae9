#pragma once
// The selection-list dialog (142) as Mvsize has it: the texts of tabela_selecao_descricao, and always the
// first choice selected when it opens (m_nLinhaAtual is kept for the caller's symmetry with Lvsize but
// not used).

#include "SelecaoDadosComum.h"

class CSelecao_dados : public zeldlg::CSelecaoDadosComum {
public:
    explicit CSelecao_dados(CWnd* pParent = nullptr) : CSelecaoDadosComum("tabela_selecao_descricao", pParent) {}

protected:
    int LinhaInicial() const override { return m_lista.GetCount() > 0 ? 0 : -1; }
};
