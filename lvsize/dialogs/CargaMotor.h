#pragma once
// Dialog 155 "Motores": the motor lines of the selected circuit in a grid, which is the only working copy;
// OK (or deleting the last line) rewrites the circuit's motor rows.

#include "Dialog.h"

class CCarga_motor : public CDialog {
public:
    explicit CCarga_motor(CWnd* pParent = nullptr);

    int m_nLinhas = 0;    // motor lines in the grid
    CButton m_editar;     // 1099
    CButton m_excluir;    // 1101
    CButton m_incluir;    // 1100
    CMSFlexGrid m_grade;  // 1098

    void Preencher_linha(int quantidade, float correnteRegime, float fatorPotenciaRegime, float potencia,
                         float correntePartida, float fatorPotenciaPartida);
    void Incluir_linha(int quantidade, float correnteRegime, float fatorPotenciaRegime, float potencia,
                       float correntePartida, float fatorPotenciaPartida);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    int OnInitDialog() override;
    void OnOK() override;
    void OnEditar();
    void OnIncluir();
    void OnExcluir();
    void AtualizarBotoes();
    DECLARE_MESSAGE_MAP()

private:
    short m_nCircuito = 0;
};
