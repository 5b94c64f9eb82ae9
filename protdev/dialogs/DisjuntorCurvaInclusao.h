#pragma once
// One point of a rated current's I²t curve: its current and the let-through I²t.

#include "DeviceLibrary.h"
#include "Dialog.h"

#include <vector>

class CDisjuntor_curva_inclusao : public CDialog {
public:
    explicit CDisjuntor_curva_inclusao(CWnd* pParent = nullptr);

    // The points already in the curve (filled by the caller), for the duplicate check.
    std::vector<CDisjuntor_pontos_curva> m_pontos;
    float m_fCorrente = 0;
    float m_fI2t = 0;
    BOOL m_bNovo = FALSE;

    CButton m_ok;
    CEditColor m_i2t;       // 1019
    CEditColor m_corrente;  // 1018

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    int OnInitDialog() override;
    void OnOK() override;
    void OnChange();

    DECLARE_MESSAGE_MAP()
};
