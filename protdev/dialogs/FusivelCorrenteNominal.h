#pragma once
// One rated current of a fuse.

#include "DeviceLibrary.h"
#include "Dialog.h"

#include <vector>

class CFusivel_corrente_nominal : public CDialog {
public:
    explicit CFusivel_corrente_nominal(CWnd* pParent = nullptr);

    float m_fCorrenteT5s = 0;
    float m_fCorrenteRuptura = 0;
    int m_nCorrenteNominal = 0;
    float m_fAlfa = 0;
    BOOL m_bNovo = FALSE;
    // The fuse's records, for the duplicate check (not owned).
    const std::vector<CFusivel_corrente>* m_pCorrentes = nullptr;

    CButton m_ok;
    CEditColor m_correnteT5s;      // 1007
    CEditColor m_correnteRuptura;  // 1006
    CEditColor m_correnteNominal;  // 1005
    CEditColor m_alfa;             // 1008

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    int OnInitDialog() override;
    void OnOK() override;
    void OnChange();

    DECLARE_MESSAGE_MAP()
};
