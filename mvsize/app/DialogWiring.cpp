// The circuit dialogs of this build behind the view's commands.
#include "MvsizeApp.h"

#include "CircuitoSelecionado.h"
#include "Dialog.h"
#include "MessageService.h"

#include "CaracteristicasMt.h"
#include "DimensionamentoEconomico.h"
#include "Empresa.h"
#include "Impressao.h"
#include "ProjetoDados.h"

namespace {

template <class D>
int Modal()
{
    D dlg;
    return dlg.DoModal();
}

}  // namespace

void WireMvsizeDialogs()
{
    MvsizeDialogEntries& d = MvsizeDialogs();
    d.caracteristicas = [](const CaracteristicasPedido& pedido, CaracteristicasResposta& resposta) {
        CCaracteristicas dlg;
        dlg.m_bInclusao = pedido.modo;
        if (pedido.modo)
            dlg.m_nCircuitoSequencialPai = pedido.sequencial;
        else
            dlg.m_nCircuitoSequencial = pedido.sequencial;
        const int r = dlg.DoModal();
        if (r == IDOK) {
            resposta.codigo = dlg.m_strCircuitoCodigo;
            resposta.sequencialNovo = dlg.m_nCircuitoSequencial;
        }
        return r;
    };
    d.dimensionamentoEconomico = Modal<CDimensionamento_economico>;
    d.projetoDados = Modal<CProjeto_dados>;
    d.empresa = Modal<CEmpresa>;
    d.impressao = [](ImpressaoResposta& resposta) {
        CImpressao dlg;
        const int r = dlg.DoModal();
        if (r == IDOK) {
            resposta.intervalo = dlg.m_nIntervalo;
            resposta.de = dlg.m_nPaginaInicial;
            resposta.ate = dlg.m_nPaginaFinal;
            resposta.copias = dlg.m_nCopias;
        }
        return r;
    };
    d.invalidarCalculoPais = [](CDaoDatabase& db, short circuito) {
        CCaracteristicas::Invalidar_calculo_pais(db, circuito);
    };

    mvdlg::SetCircuitoSelecionadoProvider([]() -> short {
        CMvsizeView* view = GetActiveCircuitView();
        return view ? view->GetItemSequencial() : short(0);
    });
    if (CMvsizeAppBase* app = MvsizeApp())
        mvdlg::SetCompanyFile(app->m_strCompanyFile);
}
