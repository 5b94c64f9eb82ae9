// The circuit dialogs of this build behind the view's commands.
#include "LvsizeApp.h"
#include "SizingDialogWiring.h"

#include "Caracteristicas.h"
#include "CargaCorrente.h"
#include "CargaMotor.h"
#include "DimensionamentoEconomico.h"
#include "DispositivoProtecao.h"
#include "Empresa.h"
#include "Impressao.h"
#include "InvalidarCalculoPais.h"
#include "ProjetoDados.h"

void WireLvsizeDialogs()
{
    LvsizeDialogEntries& d = LvsizeDialogs();
    WireSizingDialogs<CCaracteristicas, CDimensionamento_economico, CProjeto_dados, CEmpresa, CImpressao>(d);
    d.cargaCorrente = Modal<CCarga_corrente>;
    d.cargaMotor = Modal<CCarga_motor>;
    d.dispositivoProtecao = Modal<CDispositivo_protecao>;
    d.invalidarCalculoPais = [](CDaoDatabase& db, short circuito) { InvalidarCalculoPais(db, circuito); };
}
