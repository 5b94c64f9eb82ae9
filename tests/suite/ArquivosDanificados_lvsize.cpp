// Lvsize given damaged copies of its example project and its catalogue (Amostra.h): each case the damage
// driver found a fault with, and a fixed sample of flipped bytes and cuts.
#include "Amostra.h"
#include "ShellFixture.h"

TEST(ArquivosDanificados, LvsizeOpensOrRefusesEachNamingItAndChangesNoFile)
{
    danos::RodarAmostra<lvshell::Shell>(
        {"exemplo.lvp", "ZelBt01.zel"},
        {{
             "valor:virgula_decimal:carga.carga_numero_cargas_iguais:primeira",  // entered the sums as 1
             "valor:enorme:carga.carga_fator_demanda:todas",                    // a message without the file
             "valor:texto_longo:projeto.projeto_responsavel:primeira",          // the report took minutes
             "valor:alem_do_short:circuito.circuito_dispensar_sobrecarga:todas",  // read as yes
             "valor:alem_do_byte:circuito.circuito_calculado:primeira",
             "tipo_trocado:circuito.circuito_comprimento:TEXT(50)",
             "gatilho_recusa:circuito",
             "linha_repetida:circuito",
             "gatilhos_removidos",
             "valor:nulo:circuito.sistema_codigo:primeira",
             "valor:nao_utf8:circuito.circuito_codigo:primeira",
             "coluna_removida:circuito.circuito_comprimento",
             "valor:nulo:circuito.circuito_codigo:primeira",  // opened, and then no save could keep it
         },
         {
             "valor:nulo:cabo.cabo_constante_curto_circuito:todas",  // printed inf and nan
             "coluna_renomeada:sistema.sistema_codigo",              // the engine's English text
         }});
}
