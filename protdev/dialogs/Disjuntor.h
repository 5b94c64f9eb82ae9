#pragma once
// A breaker: description, voltage and its rated currents with their curves. The whole breaker is held in
// memory; only OK writes it to the library, in one transaction.

#include "DeviceLibrary.h"
#include "Dialog.h"

#include <string>
#include <vector>

class CDisjuntor : public CDialog {
public:
    explicit CDisjuntor(CWnd* pParent = nullptr);

    std::vector<CDisjuntor_corrente> m_correntes;  // the records, in list order (loaded, then added)
    BYTE m_codigo = 0;                             // set by the caller for a change; the new code after OK
    BOOL m_bNovo = FALSE;
    CEditColor m_descricaoEdit;  // 1000, no mask: coloured by whether it names anything
    CButton m_pontosCurva;       // 1024
    CButton m_ok;
    CEditColor m_tensao;         // 1025
    CListBox m_lista;            // 1001
    CButton m_excluir;           // 1003
    CButton m_alterar;           // 1004
    std::string m_descricao;

    // True when reading the breaker failed: it cannot be confirmed, or its save would replace the
    // stored rated currents by the part that was read.
    bool CargaFalhou() const { return m_bCargaFalhou; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    int OnInitDialog() override;
    void OnOK() override;
    void OnChange();
    void OnIncluir();
    void OnAlterar();
    void OnExcluir();
    void OnPontosCurva();

    DECLARE_MESSAGE_MAP()

private:
    // The record of the selected line (found by the line's rated current); null when none.
    CDisjuntor_corrente* CorrenteSelecionada();
    bool m_bCargaFalhou = false;
};
