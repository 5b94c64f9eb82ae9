#pragma once
// The selection-list dialog (142 "Seleção de dados"): one question of the catalogue's tabela_selecao and
// its choices. The caller sets the question (m_nTabelaSelecaoCodigo) and the line to preselect (1-based,
// 0 for none) before DoModal; after IDOK m_nLinhaEscolhida holds the chosen line (1-based). IDCANCEL: no
// answer. OK is enabled only while a line is selected. Each program's CSelecao_dados names the catalogue
// column of the texts and the line it opens on.

#include "Dialog.h"

#include <string>

namespace zeldlg {

namespace ids {
inline constexpr int IDD_SELECAO_DADOS = 142;
inline constexpr int IDC_SELECAO_LISTA = 1040;
inline constexpr int IDC_SELECAO_PERGUNTA = 1138;
}  // namespace ids

class CSelecaoDadosComum : public CDialog {
public:
    short m_nTabelaSelecaoCodigo = 0;
    BYTE m_nLinhaAtual = 0;
    BYTE m_nLinhaEscolhida = 0;  // 1-based after IDOK, 0 otherwise
    CListBox m_lista;            // 1040
    std::string m_strPergunta;   // shown in 1138

protected:
    // coluna: the catalogue's column holding the question (first row) and the choices.
    CSelecaoDadosComum(const char* coluna, CWnd* pParent);

    // The line selected when the dialog opens (0-based, -1 for none), the choices being loaded.
    virtual int LinhaInicial() const = 0;

    void DoDataExchange(CDataExchange* pDX) override;
    int OnInitDialog() override;
    void OnOK() override;
    void OnSelchangeLista();
    DECLARE_MESSAGE_MAP()

private:
    const char* m_coluna;
};

}  // namespace zeldlg
