#pragma once
// The selection-list dialog (142 "Seleção de dados"): one question of a catalogue selection table and its
// choices. The caller sets the question (m_nTabelaSelecaoCodigo) and the line to preselect (1-based, 0 for
// none) before DoModal; after IDOK m_nLinhaEscolhida holds the chosen line (1-based). IDCANCEL: no answer.
// OK is enabled only while a line is selected.

#include "Dialog.h"

#include <string>

class CSelecao_dados : public CDialog {
public:
    explicit CSelecao_dados(CWnd* pParent = nullptr);

    short m_nTabelaSelecaoCodigo = 0;
    BYTE m_nLinhaAtual = 0;
    BYTE m_nLinhaEscolhida = 0;
    CListBox m_lista;           // 1040
    std::string m_strPergunta;  // shown in 1138

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    int OnInitDialog() override;
    void OnOK() override;
    void OnSelchangeLista();

    DECLARE_MESSAGE_MAP()
};
