#pragma once
// One rated current of a breaker: thermal data and, when the minimum operating current is above 0, the
// seven magnetic values.

#include "DeviceLibrary.h"
#include "Dialog.h"

#include <vector>

class CDisjuntor_corrente_nominal : public CDialog {
public:
    explicit CDisjuntor_corrente_nominal(CWnd* pParent = nullptr);

    // Values in and out (current for t = 5 s before the breaking current, as the dialog holds them).
    int m_nCorrenteNominal = 0;
    float m_fCorrenteT5s = 0;
    float m_fCorrenteRuptura = 0;
    float m_fAlfa = 0;
    float m_fCorrenteMinimaAtuacao = 0;
    float m_fI2tCorrenteMinimaAtuacao = 0;
    float m_fLimiarAtuacaoMagnetica = 0;
    float m_fI2tTermicoLimiarMagnetico = 0;
    float m_fI2tMagneticoLimiarMagnetico = 0;
    float m_fCorrenteCapacidade = 0;
    float m_fI2tCorrenteCapacidade = 0;
    float m_fCorrenteMinimaAtuacaoMagnetica = 0;
    // The breaker's records, for the duplicate check (not owned).
    const std::vector<CDisjuntor_corrente>* m_pCorrentes = nullptr;
    BOOL m_bNovo = FALSE;

    // Copies a record's values in, and the dialog's values out into a record (its points untouched).
    void SetValues(const CDisjuntor_corrente& c);
    void GetValues(CDisjuntor_corrente& c) const;

    CEditColor m_correnteNominal;       // 1005
    CEditColor m_correnteT5s;           // 1007
    CEditColor m_correnteRuptura;       // 1006
    CEditColor m_alfa;                  // 1008
    CEditColor m_correnteMinimaAtuacao; // 1010
    CEditColor m_magneticos[7];         // 1011 to 1017
    CButton m_ok;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    int OnInitDialog() override;
    void OnOK() override;
    void OnChange();

    DECLARE_MESSAGE_MAP()
};
