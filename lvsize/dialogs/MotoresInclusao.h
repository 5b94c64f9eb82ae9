#pragma once
// Dialog 157 "Motor": one line of equal motors, with its start values when it is counted at start.

#include "Dialog.h"

class CMotores_inclusao : public CDialog {
public:
    explicit CMotores_inclusao(CWnd* pParent = nullptr);

    int m_nQuantidade = 0;
    float m_fCorrenteRegime = 0.0f;
    float m_fFatorPotenciaRegime = 0.0f;
    float m_fPotencia = 0.0f;  // cv
    float m_fCorrentePartida = 0.0f;
    float m_fFatorPotenciaPartida = 0.0f;
    int m_bConsideraPartida = FALSE;

    CEditColor m_quantidade;            // 1098
    CEditColor m_correnteRegime;        // 1101
    CEditColor m_fatorPotenciaRegime;   // 1023
    CEditColor m_potencia;              // 1028
    CButton m_consideraPartida;         // 1097
    CEditColor m_correntePartida;       // 1103
    CEditColor m_fatorPotenciaPartida;  // 1025

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    int OnInitDialog() override;
    void OnOK() override;
    void OnConsideraPartida();
    void Validar();
    DECLARE_MESSAGE_MAP()
};
