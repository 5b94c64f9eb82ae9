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

#include "CaracteristicasComum.h"
#include "TabelaSelecao.h"

#include <string>
#include <vector>

class CDaoDatabase;

class CCaracteristicas : public zeldlg::CCaracteristicasComum {
public:
    explicit CCaracteristicas(CWnd* pParent = nullptr);

    // Dialog data.
    BOOL m_bDispensarContatoIndireto = FALSE;
    BOOL m_bDispensarSobrecarga = FALSE;
    BOOL m_bCargaNaoMotor = FALSE;
    BOOL m_bMotor = FALSE;

    BYTE m_nSistemaCodigo = 0;
    BOOL m_bTensaoFaseFase = FALSE;
    BOOL m_bTensaoFaseNeutro = FALSE;
    BYTE m_nTipoCorrecaoTemperatura = 0;
    BOOL m_bNeutroTabelado = FALSE;
    // Filled and consumed by OnOK; empty while the dialog is edited.
    std::vector<CTabela_selecao> m_respostas;

    // Controls besides those both programs' dialogs have.
    CComboBox m_sistema;               // 1046
    CEditColor m_tensaoFaseFase;       // 1012
    CEditColor m_tensaoFaseNeutro;     // 1048
    CEditColor m_secaoMinima;          // 1044
    CComboBox m_secaoMinimaAjuda;      // 1049
    CEditColor m_fatorDemanda;         // 1036
    CEditColor m_correnteCurto;        // 1162
    CComboBox m_possuiHarmonicos;      // 1163
    CEditColor m_harmonicas;           // 1164
    CComboBox m_secaoImposta;          // 1173
    CComboBox m_resistividade;         // 1043
    CEditColor m_quedaRegime;          // 1155
    CEditColor m_quedaRegimeOrigem;    // 1156
    CEditColor m_quedaPartida;         // 1157
    CEditColor m_quedaPartidaOrigem;   // 1158

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

    void OnKillfocusCabo() override;
    void OnKillfocusManeiraInstalar() override;
    void OnKillfocusSistema();
    void OnSetfocusSistema();
    void OnSetfocusCabo() override;
    void OnSelchangeManeiraInstalar();
    void OnSelchangeSistema();
    void OnSelchangeCabo();
    void OnSelchangeSecaoMinimaAjuda();
    void OnSelchangePossuiHarmonicos();
    void OnChangeQuedaTensao();
    void OnKillfocusTensaoFaseFase();
    void OnKillfocusNumeroCondutores() override;
    void OnKillfocusSecaoImposta();
    void OnDispensarContatoIndireto();
    void OnDispensarSobrecarga();
    void Validar();
    void OnChange() override { Validar(); }

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
    void MostrarResistividade();
    bool GravarCircuito(CDaoDatabase& db);

    bool m_bQuedaRelatada = false;
    // Values the start gives the lists it fills later.
    int m_nTemperaturaInicial = 0;
    float m_fResistividadeInicial = 2.5f;
    float m_fSecaoImpostaInicial = 0.0f;
};
