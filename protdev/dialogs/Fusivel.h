#pragma once
// A fuse: description and its rated currents. The whole fuse is held in memory; only OK writes it to the
// library, in one transaction.

#include "DeviceLibrary.h"
#include "Dialog.h"

#include <string>
#include <vector>

class CFusivel : public CDialog {
public:
    explicit CFusivel(CWnd* pParent = nullptr);

    BYTE m_codigo = 0;  // set by the caller for a change; the new code after OK
    BOOL m_bNovo = FALSE;
    std::vector<CFusivel_corrente> m_correntes;  // the records, in list order
    CEditColor m_descricaoEdit;  // 1000, no mask: coloured by whether it names anything
    CButton m_ok;
    CListBox m_lista;            // 1001
    CButton m_excluir;           // 1003
    CButton m_alterar;           // 1004
    std::string m_descricao;

    bool CargaFalhou() const { return m_bCargaFalhou; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    int OnInitDialog() override;
    void OnOK() override;
    void OnChange();
    void OnIncluir();
    void OnAlterar();
    void OnExcluir();

    DECLARE_MESSAGE_MAP()

private:
    CFusivel_corrente* CorrenteSelecionada();
    bool m_bCargaFalhou = false;
};
