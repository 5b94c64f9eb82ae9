#pragma once
// Wiring a sizing program's dialog classes behind its tree commands: the dialogs both programs have, by
// the program's own classes of the same names. Included by each program's dialog wiring only, where its
// dialog library is part of the build.

#include "CircuitDialogs.h"
#include "CircuitTreeView.h"
#include "CircuitoSelecionadoComum.h"
#include "SizingShared.h"

#include "Dialog.h"

// A modal run of a dialog that needs nothing from its caller.
template <class D>
int Modal()
{
    D dlg;
    return dlg.DoModal();
}

// The characteristics dialog in include or edit mode; Lvsize's also tells which load dialogs to chain.
template <class Caracteristicas>
int AbrirCaracteristicas(const CaracteristicasPedido& pedido, CaracteristicasResposta& resposta)
{
    Caracteristicas dlg;
    dlg.m_bInclusao = pedido.modo;
    if (pedido.modo)
        dlg.m_nCircuitoSequencialPai = pedido.sequencial;
    else
        dlg.m_nCircuitoSequencial = pedido.sequencial;
    const int r = dlg.DoModal();
    if (r == IDOK) {
        resposta.codigo = dlg.m_strCircuitoCodigo;
        resposta.sequencialNovo = dlg.m_nCircuitoSequencial;
        if constexpr (requires { dlg.m_bMotor; }) {
            resposta.cargaNaoMotor = dlg.m_bCargaNaoMotor;
            resposta.motor = dlg.m_bMotor;
        }
    }
    return r;
}

template <class Impressao>
int AbrirImpressao(ImpressaoResposta& resposta)
{
    Impressao dlg;
    const int r = dlg.DoModal();
    if (r == IDOK) {
        resposta.intervalo = dlg.m_nIntervalo;
        resposta.de = dlg.m_nPaginaInicial;
        resposta.ate = dlg.m_nPaginaFinal;
        resposta.copias = dlg.m_nCopias;
    }
    return r;
}

// The dialogs both programs have, and what they learn from the program: the circuit selected in the
// active tree and the company file.
template <class Caracteristicas, class Economico, class ProjetoDados, class Empresa, class Impressao>
void WireSizingDialogs(CircuitDialogEntries& d)
{
    d.caracteristicas = AbrirCaracteristicas<Caracteristicas>;
    d.dimensionamentoEconomico = Modal<Economico>;
    d.projetoDados = Modal<ProjetoDados>;
    d.empresa = Modal<Empresa>;
    d.impressao = AbrirImpressao<Impressao>;
    zeldlg::SetCircuitoSelecionadoProvider([]() -> short {
        CCircuitTreeView* view = GetActiveCircuitView();
        return view ? view->GetItemSequencial() : short(0);
    });
    if (CSizingAppBase* app = SizingApp())
        zeldlg::SetCompanyFile(app->m_strCompanyFile);
}
