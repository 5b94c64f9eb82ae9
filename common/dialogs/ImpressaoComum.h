#pragma once
// Dialog 146 "Impressão": copies and page range for printing a report. The caller reads the results on IDOK.
// Each program's CImpressao passes its own invalid background.

#include "Dialog.h"

namespace zeldlg {

class CImpressaoComum : public CDialog {
public:
    explicit CImpressaoComum(COLORREF fundoInvalido, CWnd* pParent = nullptr);

    short m_nCopias = 0;
    short m_nPaginaInicial = 0;
    short m_nPaginaFinal = 0;
    int m_nIntervalo = 0;           // 0 "&Todas" (1061), 1 "&De " (1062)
    CEditColor m_copias;            // 1065
    CEditColor m_paginaInicial;     // 1063
    CEditColor m_paginaFinal;       // 1064
    CButton m_ok;                   // 1

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    int OnInitDialog() override;
    void OnOK() override;
    void OnTodas();
    void OnDe();
    void Validar();
    DECLARE_MESSAGE_MAP()

private:
    COLORREF m_fundoInvalido;
};

}  // namespace zeldlg
