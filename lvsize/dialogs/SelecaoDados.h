#pragma once
// The selection-list dialog (142) as Lvsize has it: the texts of tabela_selecao_item, the stored answer
// preselected (none when it is beyond the choices).

#include "SelecaoDadosComum.h"

class CSelecao_dados : public zeldlg::CSelecaoDadosComum {
public:
    explicit CSelecao_dados(CWnd* pParent = nullptr) : CSelecaoDadosComum("tabela_selecao_item", pParent) {}

protected:
    int LinhaInicial() const override
    {
        return m_nLinhaAtual > 0 && m_nLinhaAtual <= m_lista.GetCount() ? m_nLinhaAtual - 1 : -1;
    }
};
