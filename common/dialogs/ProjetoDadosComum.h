#pragma once
// Dialog 143 "Dados do projeto": the one projeto row of the active project. The date is checked as it is
// typed and OK waits for a real calendar date, so that no impossible date is stored. Each program's
// CProjeto_dados passes its template: the programs label four fields differently.

#include "Dialog.h"

#include <string>

namespace zeldlg {

// The labels of the fields after "&Cliente:", as each program writes them.
struct RotulosProjetoDados {
    const char* responsavel;
    const char* dataCriacao;
    const char* numeroRevisao;
    const char* comentario;
};

DialogTemplate ModeloProjetoDados(const RotulosProjetoDados& rotulos);

class CProjetoDadosComum : public CDialog {
public:
    // The template must outlive the dialog.
    explicit CProjetoDadosComum(const DialogTemplate& modelo, CWnd* pParent = nullptr);

    CButton m_ok;                  // 1
    CEditColor m_revisao;          // 1055, "###"
    CEditColor m_data;             // 1054, "##/##/####"
    std::string m_strCliente;      // 1052, at most 20 characters
    std::string m_strComentario;   // 1056, multi-line
    std::string m_strResponsavel;  // 1053, at most 20 characters

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    int OnInitDialog() override;
    void OnOK() override;
    void Validar();
    DECLARE_MESSAGE_MAP()
};

}  // namespace zeldlg
