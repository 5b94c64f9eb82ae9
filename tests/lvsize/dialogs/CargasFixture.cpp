#include "CargasFixture.h"

#include "SqlValue.h"

namespace cargastest {

std::string ShippedCatalogue()
{
    return dlgtest::Entregue(dlgtest::kLvsize.catalogo);
}

std::string ShippedTemplate()
{
    return dlgtest::Entregue(dlgtest::kLvsize.modelo);
}

CargasUi::CargasUi(const std::string& catalogue)
    : ProjetoSemTela(dlgtest::kLvsize, "projeto.lvp", LocalTime{2024, 5, 17, 10, 30, 0}, catalogue)
{
}

void CargasUi::Inserir(const Circuito& c)
{
    projeto.Execute(FormatC("INSERT INTO circuito(circuito_sequencial,circuito_sequencial_pai,circuito_codigo,"
                            "sistema_codigo,circuito_tensao_fase_fase,circuito_tensao_fase_neutro,"
                            "circuito_corrente_regime,circuito_fator_potencia_regime,dispositivo_protecao_codigo,"
                            "circuito_fator_correcao_disjuntor,circuito_calculado) "
                            "VALUES(%i,%s,?,%i,%i,%f,%f,%f,%i,%f,%i)",
                            c.sequencial, c.pai > 0 ? FormatC("%i", c.pai).c_str() : "NULL", c.sistema,
                            c.tensaoFaseFase, c.tensaoFaseNeutro, c.corrente, c.fatorPotencia, c.dispositivo,
                            c.fatorDisjuntor, c.calculado),
                    SqlParams{c.codigo});
}

}  // namespace cargastest
