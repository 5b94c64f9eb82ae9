// The circuit dialogs of this build behind the view's commands.
#include "MvsizeApp.h"
#include "SizingDialogWiring.h"

#include "CaracteristicasMt.h"
#include "DimensionamentoEconomico.h"
#include "Empresa.h"
#include "Impressao.h"
#include "ProjetoDados.h"

void WireMvsizeDialogs()
{
    MvsizeDialogEntries& d = MvsizeDialogs();
    WireSizingDialogs<CCaracteristicas, CDimensionamento_economico, CProjeto_dados, CEmpresa, CImpressao>(d);
    d.invalidarCalculoPais = [](CDaoDatabase& db, short circuito) {
        CCaracteristicas::Invalidar_calculo_pais(db, circuito);
    };
}
