#pragma once
// The I²t curve of one rated current: a list of points, changed in the caller's point list only by OK.
// Each line keeps its point's numbers beside it; the text is for display only, so currents of any width
// keep their values and their order.

#include "DeviceLibrary.h"
#include "Dialog.h"

#include <string>
#include <vector>

class CDisjuntor_curva : public CDialog {
public:
    explicit CDisjuntor_curva(std::vector<CDisjuntor_pontos_curva>* pPontos, CWnd* pParent = nullptr);

    // "%5.0f / %8.1f": current and I²t.
    static std::string Linha(const CDisjuntor_pontos_curva& p);

    std::vector<CDisjuntor_pontos_curva>* m_pPontos;  // the caller's, not owned
    CButton m_alterar;  // 1004
    CListBox m_lista;   // 1026
    CButton m_excluir;  // 1003

    // The points of the lines, in the list's order (ascending by current).
    const std::vector<CDisjuntor_pontos_curva>& Linhas() const { return m_linhas; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    int OnInitDialog() override;
    void OnOK() override;
    void OnIncluir();
    void OnAlterar();
    void OnExcluir();
    void AtualizarBotoes();

    DECLARE_MESSAGE_MAP()

private:
    // Adds the line at its place by current; returns its index.
    int InserirLinha(const CDisjuntor_pontos_curva& p);
    void RemoverLinha(int index);

    std::vector<CDisjuntor_pontos_curva> m_linhas;
};
