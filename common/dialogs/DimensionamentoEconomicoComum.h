#pragma once
// Dialog 131 "Dimensionamento econômico": the four inputs of the selected circuit's economic sizing, or
// "&Dispensar" to waive it (zeros). Its buttons are "Ok" (1004), "&Dispensar" (1005) and "Cancelar". Each
// program's CDimensionamento_economico gives its invalid background, its bound on the hours, its
// statements and whether the circuit's ancestors are marked not calculated.

#include "Dialog.h"

#include <string>

class CDaoDatabase;

namespace zeldlg {

namespace ids {
inline constexpr int IDD_DIMENSIONAMENTO_ECONOMICO = 131;
inline constexpr int IDC_CUSTO_INSTALACAO = 1000;
inline constexpr int IDC_HORAS_ANO = 1001;
inline constexpr int IDC_NUMERO_ANOS = 1002;
inline constexpr int IDC_TARIFA_ENERGIA = 1003;
inline constexpr int IDC_ECONOMICO_OK = 1004;
inline constexpr int IDC_DISPENSAR = 1005;
}  // namespace ids

class CDimensionamentoEconomicoComum : public CDialog {
public:
    CEditColor m_custo;   // 1000
    CEditColor m_horas;   // 1001
    CEditColor m_anos;    // 1002
    CEditColor m_tarifa;  // 1003
    CButton m_ok;         // 1004

    // The installation cost is a 16-bit column: more is refused rather than stored wrapped.
    static constexpr float kCustoMaximo = 32767.0f;

protected:
    CDimensionamentoEconomicoComum(COLORREF fundoInvalido, CWnd* pParent);

    // Whether the hours a year are accepted.
    virtual bool HorasValidas(float horas) const = 0;
    // The statement that stores the inputs, and the one that waives the sizing.
    virtual std::string SqlGravar(int horas, int custo, int anos, double tarifa, short circuito) const = 0;
    virtual std::string SqlDispensar(short circuito) const = 0;
    // Runs in the write's transaction before the statement (Lvsize marks the ancestors not calculated).
    virtual void AntesDeGravar(CDaoDatabase& /*db*/, short /*circuito*/) {}

    void DoDataExchange(CDataExchange* pDX) override;
    int OnInitDialog() override;
    void OnOk();
    void OnNaoCalcular();
    void Validar();
    DECLARE_MESSAGE_MAP()

private:
    void Gravar(const std::string& sql, const char* local);

    COLORREF m_fundoInvalido;
    short m_nCircuito = 0;
};

}  // namespace zeldlg
