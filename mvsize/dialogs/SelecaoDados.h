#pragma once
// Mvsize's selection-list dialog (142 "Seleção de dados"): one layout question of the catalogue's
// tabela_selecao and its choices.
//
// How to call it (the question walk of the circuit dialog):
//     CSelecao_dados dlg;
//     dlg.m_nTabelaSelecaoCodigo = codigo;       // tabela_selecao_codigo of the question
//     if (dlg.DoModal() == IDOK) resposta = dlg.m_nLinhaEscolhida;   // 1-based, always > 0 on IDOK
//     else ...                                   // IDCANCEL: no answer
// The dialog always opens on the first choice (m_nLinhaAtual is kept for the caller's symmetry with
// Lvsize but not used), and OK is enabled only while a line is selected. It reads the catalogue through
// AppContext().m_pReferenceDb.

#include "Dialog.h"

#include <string>

class CSelecao_dados : public CDialog {
public:
    explicit CSelecao_dados(CWnd* pParent = nullptr);

    short m_nTabelaSelecaoCodigo = 0;
    BYTE m_nLinhaAtual = 0;      // not used: the first line is always selected
    BYTE m_nLinhaEscolhida = 0;  // 1-based after IDOK, 0 otherwise
    CListBox m_lista;            // 1040
    std::string m_strPergunta;   // shown in 1138

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    int OnInitDialog() override;
    void OnOK() override;
    void OnSelchangeLista();

    DECLARE_MESSAGE_MAP()
};
