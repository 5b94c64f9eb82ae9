#pragma once
// The circuit characteristics dialog (148 "Dados do circuito"): code, installation method, system, cable
// and the circuit's inputs. OK checks the code among the siblings, asks the selection-table questions
// (CSelecao_dados) and writes the circuito row and its circuito_x_tabela_selecao answers, with the
// ancestors marked not calculated, in one transaction. Cancel writes nothing.
//
// How the circuit commands call it:
//
//   CCaracteristicas dlg;
//   dlg.m_bInclusao = TRUE;                          // a new circuit ...
//   dlg.m_nCircuitoSequencialPai = chaveSelecionada; // ... under the selected item (0: the root "Origem")
//   // or, to edit:  dlg.m_bInclusao = FALSE;  dlg.m_nCircuitoSequencial = chaveSelecionada;
//   if (dlg.DoModal() == IDOK) {
//       dlg.m_nCircuitoSequencial;   // include: the new circuit's key
//       dlg.m_strCircuitoCodigo;     // the code for the tree item
//       dlg.m_bCargaNaoMotor;        // include only: "Circuito contém car&ga(s) não motor"
//       dlg.m_bMotor;                // include only: "Circuito contém &motor(es)"
//   }
//
// IDOK means the rows are written; a failed write is reported and keeps the dialog open. The dialog reads
// the catalogue on AppContext().m_pReferenceDb and the project on the active document's m_pDatabase.

#include "Dialog.h"
#include "TabelaSelecao.h"

#include <string>
#include <utility>
#include <vector>

class CDaoDatabase;
class CDaoException;

class CCaracteristicas : public CDialog {
public:
    explicit CCaracteristicas(CWnd* pParent = nullptr);
    ~CCaracteristicas() override;

    // Set by the caller.
    BOOL m_bInclusao = FALSE;
    short m_nCircuitoSequencial = 0;     // edit: the circuit; include: 0, then the new key after IDOK
    short m_nCircuitoSequencialPai = 0;  // include: the parent (0 = top level); edit: read from the row

    // Dialog data.
    std::string m_strCircuitoCodigo;
    BOOL m_bDispensarContatoIndireto = FALSE;
    BOOL m_bDispensarSobrecarga = FALSE;
    BOOL m_bCargaNaoMotor = FALSE;
    BOOL m_bMotor = FALSE;

    BYTE m_nManeiraInstalarCodigo = 0;
    BYTE m_nSistemaCodigo = 0;
    BYTE m_nCaboCodigo = 0;
    BOOL m_bTemFilhos = FALSE;
    BOOL m_bTensaoFaseFase = FALSE;
    BOOL m_bTensaoFaseNeutro = FALSE;
    BYTE m_nTipoCorrecaoTemperatura = 0;
    BOOL m_bNeutroTabelado = FALSE;
    // Filled and consumed by OnOK; empty while the dialog is edited.
    std::vector<CTabela_selecao> m_respostas;

    // Controls.
    CEditColor m_circuito;             // 1007
    CComboBox m_maneiraInstalar;       // 1047
    CComboBox m_sistema;               // 1046
    CComboBox m_cabo;                  // 1045
    CEditColor m_comprimento;          // 1016
    CComboBox m_temperatura;           // 1094
    CEditColor m_tensaoFaseFase;       // 1012
    CEditColor m_tensaoFaseNeutro;     // 1048
    CEditColor m_secaoMinima;          // 1044
    CComboBox m_secaoMinimaAjuda;      // 1049
    CEditColor m_fatorDemanda;         // 1036
    CEditColor m_fatorAgrupamento;     // 1009
    CEditColor m_correnteCurto;        // 1162
    CComboBox m_possuiHarmonicos;      // 1163
    CEditColor m_harmonicas;           // 1164
    CEditColor m_numeroCondutores;     // 1056
    CComboBox m_secaoImposta;          // 1173
    CComboBox m_resistividade;         // 1043
    CEditColor m_quedaRegime;          // 1155
    CEditColor m_quedaRegimeOrigem;    // 1156
    CEditColor m_quedaPartida;         // 1157
    CEditColor m_quedaPartidaOrigem;   // 1158
    CButton m_ok;

    // The walk of the selection questions: TRUE when it went to its end (m_respostas holds the answers),
    // FALSE when the user cancelled the first question (m_respostas empty).
    BOOL EditarOutrasvariaveis();
    // Writes the row and the answers; FALSE after reporting a failure (the caller's transaction then rolls
    // everything back).
    BOOL Replace();
    // Whether the form may be confirmed (the rule that enables OK).
    bool FormularioValido() const;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    int OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    void OnKillfocusCabo();
    void OnKillfocusManeiraInstalar();
    void OnKillfocusSistema();
    void OnSetfocusSistema();
    void OnSetfocusCabo();
    void OnSelchangeManeiraInstalar();
    void OnSelchangeSistema();
    void OnSelchangeCabo();
    void OnSelchangeSecaoMinimaAjuda();
    void OnSelchangePossuiHarmonicos();
    void OnChangeQuedaTensao();
    void OnKillfocusTensaoFaseFase();
    void OnKillfocusNumeroCondutores();
    void OnKillfocusFatorAgrupamento();
    void OnKillfocusSecaoImposta();
    void OnDispensarContatoIndireto();
    void OnDispensarSobrecarga();
    void Validar();

    DECLARE_MESSAGE_MAP()

private:
    void CarregarInclusao(CDaoDatabase* db);
    void CarregarEdicao(CDaoDatabase* db);
    void PreencherManeiras();
    void PreencherSecaoMinimaAjuda();
    void PreencherResistividades();
    float GetQuedaTensao(const char* coluna, short chave);
    void RecalcularQuedaOrigem();
    void AplicarNumeroCondutores();
    void AplicarFatorAgrupamento();
    void MostrarResistividade();
    bool GravarCircuito(CDaoDatabase& db);

    // Database failures inside focus handlers are reported once the handler is over (no message box from a
    // focus handler); elsewhere at once.
    void Relatar(const char* local, const CDaoException& e);
    void RelatarPendentes();
    struct FocoEmCurso;
    int m_nFoco = 0;
    std::vector<std::pair<std::string, CDaoException>> m_pendentes;

    bool m_bIniciando = false;
    bool m_bQuedaRelatada = false;
    // Values the start gives the lists it fills later.
    int m_nTemperaturaInicial = 0;
    float m_fResistividadeInicial = 2.5f;
    float m_fSecaoImpostaInicial = 0.0f;
};
