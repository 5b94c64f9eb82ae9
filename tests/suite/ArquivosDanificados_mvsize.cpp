// Mvsize given damaged copies of its example project and its catalogue (Amostra.h): the kinds of damage
// Lvsize's sample holds, and a fixed sample of flipped bytes and cuts.
#include "Amostra.h"
#include "MvShellFixture.h"

TEST(ArquivosDanificados, MvsizeOpensOrRefusesEachNamingItAndChangesNoFile)
{
    danos::RodarAmostra<mvshell::Shell>(
        {"exemplo.mvp", "ZelMt01.zel"},
        {{
             "valor:texto_longo:projeto.projeto_responsavel:primeira",
             "valor:alem_do_short:circuito.circuito_calculado:primeira",
             "tipo_trocado:circuito.circuito_comprimento:TEXT(50)",
             "gatilho_recusa:circuito",
             "linha_repetida:circuito",
             "gatilhos_removidos",
             "valor:texto:circuito.circuito_comprimento:primeira",
             "valor:nao_utf8:circuito.circuito_codigo:primeira",
             "valor:nulo:circuito.circuito_codigo:primeira",  // opened, and then no save could keep it
         },
         {
             "coluna_renomeada:cabo.cabo_codigo",
         }});
}
