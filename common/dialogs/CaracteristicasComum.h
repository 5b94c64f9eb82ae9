#pragma once
// What the circuit characteristics dialogs of both programs (148 "Dados do circuito") have in common: the
// caller's settings, the controls with the same ids, the grouping-factor kill-focus handler, the helpers
// of their cascades (lists filled by code, fields shown and hidden, validity colours) and the deferred
// reporting of database failures met inside focus handlers. The two dialogs differ in everything else:
// each program's CCaracteristicas derives from this.

#include "Dialog.h"

#include <string>
#include <utility>
#include <vector>

class CDaoDatabase;
class CDaoException;
class CDaoRecordsetManual;

namespace zeldlg {

namespace ids {
inline constexpr int IDD_CARACTERISTICAS = 148;
inline constexpr int IDC_CIRCUITO = 1007;
inline constexpr int IDC_MANEIRA_INSTALAR = 1047;
inline constexpr int IDC_CABO = 1045;
inline constexpr int IDC_COMPRIMENTO = 1016;
inline constexpr int IDC_TEMPERATURA = 1094;
inline constexpr int IDC_FATOR_AGRUPAMENTO = 1009;
inline constexpr int IDC_NUMERO_CONDUTORES = 1056;
}  // namespace ids

// What an imposed value of 0 shows: the engine computes the value.
inline constexpr const char* kAutom = "Autom.";

class CCaracteristicasComum : public CDialog {
public:
    ~CCaracteristicasComum() override;

    // Set by the caller.
    BOOL m_bInclusao = FALSE;
    short m_nCircuitoSequencial = 0;     // edit: the circuit; include: 0, then the new key after IDOK
    short m_nCircuitoSequencialPai = 0;  // include: the parent (0 = top level); edit: read from the row

    std::string m_strCircuitoCodigo;  // 1007, at most 20 characters
    BYTE m_nManeiraInstalarCodigo = 0;
    BYTE m_nCaboCodigo = 0;
    BOOL m_bTemFilhos = FALSE;

    // The controls both dialogs have.
    CEditColor m_circuito;         // 1007
    CComboBox m_maneiraInstalar;   // 1047
    CComboBox m_cabo;              // 1045
    CEditColor m_comprimento;      // 1016
    CComboBox m_temperatura;       // 1094
    CEditColor m_fatorAgrupamento; // 1009
    CEditColor m_numeroCondutores; // 1056
    CButton m_ok;

protected:
    // The template outlives the dialog; fundoInvalido: the program's invalid background.
    CCaracteristicasComum(const DialogTemplate& modelo, COLORREF fundoInvalido, CWnd* pParent);

    void DoDataExchange(CDataExchange* pDX) override;
    void OnCancel() override;

    // The cascade: each program's own.
    virtual void OnKillfocusManeiraInstalar() = 0;
    virtual void OnSetfocusCabo() = 0;
    virtual void OnKillfocusCabo() = 0;
    virtual void OnKillfocusNumeroCondutores() = 0;
    // Re-validates and paints the fields and enables OK after a change.
    virtual void OnChange() = 0;
    // The grouping factor left: 0 shows "Autom.".
    void OnKillfocusFatorAgrupamento();
    void AplicarFatorAgrupamento();
    DECLARE_MESSAGE_MAP()

    // The active project's working database and the catalogue (null when there is none).
    static CDaoDatabase* Projeto();
    static CDaoDatabase* Catalogo();
    // Adds each row's description with its code as the item's data (the caller empties the list).
    static void PreencherPorCodigo(CComboBox& lista, CDaoRecordsetManual& rs, const char* descricao,
                                   const char* codigo);
    // Adds each row's temperatura_ambiente as "%i" (the caller empties the list).
    static void PreencherTemperaturas(CComboBox& lista, CDaoRecordsetManual& rs);
    // Selects the item whose data is the code; without one, nothing (or the first item, with primeiro).
    static void SelecionarPorCodigo(CComboBox& lista, int codigo, bool primeiro);
    static void Mostrar(CWnd& w, bool mostrar);
    void Mostrar(int id, bool mostrar);
    // White when valid, the program's invalid background otherwise; black text in both.
    void Pintar(CEditColor& edit, bool valido) const;
    // The edited circuit's row with the number of its sub-circuits as total_filhos.
    std::string SqlEdicao() const;

    // Database failures inside focus handlers and the start are reported once the handler is over (no
    // message box from a focus handler, one box for a failing cascade); elsewhere at once.
    void Relatar(const char* local, const CDaoException& e);
    void RelatarPendentes();
    struct FocoEmCurso {
        explicit FocoEmCurso(CCaracteristicasComum& d) : dlg(d) { ++dlg.m_nFoco; }
        ~FocoEmCurso() { --dlg.m_nFoco; }
        FocoEmCurso(const FocoEmCurso&) = delete;
        FocoEmCurso& operator=(const FocoEmCurso&) = delete;
        CCaracteristicasComum& dlg;
    };

    bool m_bIniciando = false;

private:
    COLORREF m_fundoInvalido;
    int m_nFoco = 0;
    std::vector<std::pair<std::string, CDaoException>> m_pendentes;
};

}  // namespace zeldlg
