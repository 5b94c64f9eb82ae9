#pragma once
// Dialog 152 "Carga não motor": the steady current and power factor of the selected circuit, typed in or
// worked out from its load list. Only this dialog reads and writes the circuit's carga rows.

#include "Dialog.h"
#include "ItemCarga.h"
#include "WinTypes.h"

class CCarga_corrente : public CDialog {
public:
    explicit CCarga_corrente(CWnd* pParent = nullptr);

    CListaCargas m_cargas;          // the load lines, owned
    BYTE m_nTipoSistema = 0;        // sistema_tipo_codigo of the circuit's system (2: direct current)
    CStatic m_rotuloFatorPotencia;  // 1167
    CButton m_ok;                   // 1
    CEditColor m_corrente;          // 1017
    CEditColor m_fatorPotencia;     // 1015

    // The current and power factor of the load list at the circuit's present voltage and system.
    void Calcular_corrente(float& corrente, float& fatorPotencia);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    int OnInitDialog() override;
    void OnOK() override;
    void Validar();
    void OnCalcularCorrente();
    DECLARE_MESSAGE_MAP()

private:
    short m_nCircuito = 0;
};
