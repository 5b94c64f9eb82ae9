#pragma once
// Dialog 166 "Dados da carga - corrente contínua": one direct-current load line (no power factor).

#include "Dialog.h"

class CCorrente_continua_inclusao : public CDialog {
public:
    explicit CCorrente_continua_inclusao(CWnd* pParent = nullptr);

    float m_fDemandaTotal = 0.0f;  // out only
    float m_fFatorDemanda = 0.0f;
    int m_nQuantidade = 0;
    float m_fPotenciaAtiva = 0.0f;

    CEditColor m_quantidade;    // 1102
    CEditColor m_potencia;      // 1105
    CEditColor m_fatorDemanda;  // 1036
    CEditColor m_demandaTotal;  // 1106, display only

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    int OnInitDialog() override;
    void OnOK() override;
    void Validar();
    DECLARE_MESSAGE_MAP()
};
