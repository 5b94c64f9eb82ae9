#pragma once
// Dialog 131 "Dimensionamento econômico": the four inputs of the selected circuit's economic sizing, or
// "&Dispensar" to waive it (zeros). Its buttons are "Ok" (1004), "&Dispensar" (1005) and "Cancelar".
// Mvsize marks only the circuit itself not calculated, not its ancestors.

#include "Dialog.h"

class CDimensionamento_economico : public CDialog {
public:
    explicit CDimensionamento_economico(CWnd* pParent = nullptr);

    CEditColor m_custo;   // 1000
    CEditColor m_horas;   // 1001
    CEditColor m_anos;    // 1002
    CEditColor m_tarifa;  // 1003
    CButton m_ok;         // 1004

    // The installation cost is a 16-bit column: more is refused rather than stored wrapped.
    static constexpr float kCustoMaximo = 32767.0f;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    int OnInitDialog() override;
    void OnOk();
    void OnNaoCalcular();
    void Validar();
    DECLARE_MESSAGE_MAP()

private:
    short m_nCircuito = 0;
};
