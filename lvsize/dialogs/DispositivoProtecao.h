#pragma once
// Dialog 165 "Dispositivo de proteção": the breaker (with its correction factor) or fuse of the selected
// circuit, from the device library. Each list line keeps its device code, which is what is stored.

#include "Dialog.h"
#include "WinTypes.h"

class CDispositivo_protecao : public CDialog {
public:
    explicit CDispositivo_protecao(CWnd* pParent = nullptr);

    BYTE m_nCodigo = 0;      // the circuit's device as read; 0 once the user picks another line
    short m_nTensao = 0;     // the voltage that chooses the breakers
    CButton m_ok;            // 1
    CComboBox m_lista;       // 1136, sorted drop-down list
    int m_nTipo = 1;         // 0 breaker (1052), 1 fuse (1053)
    CStatic m_rotuloFator;   // 1037
    CEditColor m_fator;      // 1054

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    int OnInitDialog() override;
    void OnOK() override;
    void OnDisjuntor();
    void OnFusivel();
    void OnSelchangeDispositivoProtecao();
    void Validar();
    DECLARE_MESSAGE_MAP()

private:
    // Fills the list with the rows of the query and selects the circuit's device, else the first line.
    void Carregar(const std::string& sql, const char* local);
    short m_nCircuito = 0;
};
