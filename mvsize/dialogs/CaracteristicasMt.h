#pragma once
// Mvsize's circuit characteristics dialog (148 "Dados do circuito"): code, installation method, service
// voltage, voltage class, cable and the circuit's inputs. OK checks the code among the siblings and the
// raceway rules, asks the cable-layout questions (CSelecao_dados, 142) and writes the circuito row, its
// circuito_x_tabela_selecao rows and the ancestors' not-calculated marks in one transaction. Cancel, a
// refused check, a cancelled question or a failed write leave the project as it was.
//
//   CCaracteristicas dlg;
//   dlg.m_bInclusao = TRUE;                          // a new circuit ...
//   dlg.m_nCircuitoSequencialPai = chaveSelecionada; // ... under the selected item (0: top level)
//   // or, to edit:  dlg.m_bInclusao = FALSE;  dlg.m_nCircuitoSequencial = chaveSelecionada;
//   if (dlg.DoModal() == IDOK) {
//       dlg.m_nCircuitoSequencial;   // include: the new circuit's key
//       dlg.m_strCircuitoCodigo;     // the code for the tree item
//   }
//
// The catalogue is read on AppContext().m_pReferenceDb, the project on the active document's m_pDatabase.
// Not to be linked with Lvsize's dialog of the same name.

#include "CaracteristicasComum.h"

#include <array>
#include <string>
#include <vector>

class CDaoDatabase;

namespace mvcar {

// One stored answer of circuito_x_tabela_selecao (carried along; the layout lives in the circuito row).
struct CTabela_selecao {
    BYTE m_tabela_selecao_codigo = 0;
    BYTE m_tabela_selecao_sequencial = 0;
};

// The six layout bytes, in the order the dialog keeps them; 255 = not answered, 0 = does not apply.
enum Disposicao : std::size_t {
    kDisposicaoDosCabos = 0,
    kTipoCabo,
    kEspacamentoCabosTernas,
    kNumeroBandejas,
    kNumeroTernas,
    kOrientacao,
};
inline constexpr BYTE kNaoRespondido = 255;

}  // namespace mvcar

class CCaracteristicas : public zeldlg::CCaracteristicasComum {
public:
    explicit CCaracteristicas(CWnd* pParent = nullptr);

    BYTE m_nClasseTensaoCodigo = 0;
    std::vector<mvcar::CTabela_selecao> m_respostas;
    float m_fMaximaClasseTensao = 0;
    BYTE m_nConexaoTipoCodigo = 0;
    BOOL m_bConvertendo = FALSE;
    std::array<BYTE, 6> m_disposicao{255, 255, 255, 255, 255, 255};
    BOOL m_bCondutoresDigitados = FALSE;

    // Controls besides those both programs' dialogs have.
    CComboBox m_secaoCondutor;         // 1180
    CEditColor m_potenciaAparente;     // 1178
    CComboBox m_classeTensao;          // 1177
    CComboBox m_conexaoTipo;           // 1176
    CEditColor m_tempoCurtoCondutor;   // 1165
    CEditColor m_tempoCurtoBlindagem;  // 1174
    CStatic m_labelFatorPotencia;      // 1172
    CEditColor m_tensaoServico;        // 1161
    CEditColor m_quedaTensaoMaxima;    // 1014
    CEditColor m_fatorPotencia;        // 1015
    CEditColor m_correnteProjeto;      // 1163
    CEditColor m_correnteCurtoCondutor;  // 1164
    CComboBox m_resistividade;         // 1181
    CStatic m_labelResistividade;      // 1182
    CStatic m_unidadeResistividade;    // 1183
    CStatic m_labelNumeroCondutores;   // 1184

    // The layout questions; TRUE when all were answered, FALSE when the user cancelled one.
    BOOL EditarOutrasvariaveis();
    // Writes the row, the answers and the ancestors' marks inside the caller's transaction; throws
    // CDaoException on a failure.
    void Replace();
    // Marks the circuit and every ancestor not calculated; throws CDaoException on a failure and on a parent
    // chain that comes back to a circuit already passed (a damaged file).
    static void Invalidar_calculo_pais(CDaoDatabase& db, short circuito_sequencial);
    float MaximaClasseTensao();
    // Whether the form may be confirmed (the rule that enables OK).
    bool FormularioValido();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    int OnInitDialog() override;
    void OnOK() override;

    void OnKillfocusManeiraInstalar() override;
    void OnKillfocusTensaoServico();
    void OnSetfocusCabo() override;
    void OnKillfocusCabo() override;
    void OnChangeCorrenteProjeto();
    void OnKillfocusClasseTensao();
    void OnChangePotenciaAparente();
    void OnChangeTensaoServico();
    void OnKillfocusNumeroCondutores() override;
    void OnChangeNumeroCondutores();
    void OnKillfocusSecaoCondutor();
    void OnChange() override;

    DECLARE_MESSAGE_MAP()

private:
    void CarregarInclusao(CDaoDatabase* db);
    void CarregarEdicao(CDaoDatabase* db);
    void PreencherListas();
    void Converter(bool daCorrente);
    bool CodigoRepetido(CDaoDatabase* db, bool& repetido);
    // Shows one question; the chosen line (1-based), 0 when the user cancelled.
    BYTE Perguntar(BYTE tabela);
    void DefinirCondutores(int n);

    int m_nTemperaturaInicial = 0;
    float m_fResistividadeInicial = 0;
    int m_nSecaoInicial = 0;
};
