// The circuit dialogs of this build behind the view's commands.
#include "LvsizeApp.h"

#include "CircuitoSelecionado.h"
#include "Dialog.h"
#include "InvalidarCalculoPais.h"
#include "MessageService.h"

#ifdef LVSIZE_HAS_CARACTERISTICAS
#include "Caracteristicas.h"
#endif
#include "CargaCorrente.h"
#include "CargaMotor.h"
#include "DimensionamentoEconomico.h"
#include "DispositivoProtecao.h"
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

void WireLvsizeDialogs()
{
    LvsizeDialogEntries& d = LvsizeDialogs();
#ifdef LVSIZE_HAS_CARACTERISTICAS
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
            resposta.cargaNaoMotor = dlg.m_bCargaNaoMotor;
            resposta.motor = dlg.m_bMotor;
        }
        return r;
    };
#endif
    d.cargaCorrente = Modal<CCarga_corrente>;
    d.cargaMotor = Modal<CCarga_motor>;
    d.dispositivoProtecao = Modal<CDispositivo_protecao>;
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
    d.invalidarCalculoPais = [](CDaoDatabase& db, short circuito) { InvalidarCalculoPais(db, circuito); };

    lvdlg::SetCircuitoSelecionadoProvider([]() -> short {
        CLvsizeView* view = GetActiveCircuitView();
        return view ? view->GetItemSequencial() : short(0);
    });
    if (CLvsizeAppBase* app = LvsizeApp())
        lvdlg::SetCompanyFile(app->m_strCompanyFile);
}
