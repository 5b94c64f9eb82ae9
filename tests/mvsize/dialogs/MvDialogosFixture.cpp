#include "MvDialogosFixture.h"

#include "SqlValue.h"

namespace mvdlgtest {

std::string ShippedCatalogue()
{
    return dlgtest::Entregue(dlgtest::kMvsize.catalogo);
}

std::string ShippedTemplate()
{
    return dlgtest::Entregue(dlgtest::kMvsize.modelo);
}

MvUi::MvUi() : ProjetoSemTela(dlgtest::kMvsize, "projeto.mvp", LocalTime{2024, 5, 17, 10, 30, 0}) {}

void MvUi::Inserir(short sequencial, short pai, const std::string& codigo, bool calculado)
{
    projeto.Execute(FormatC("INSERT INTO circuito(circuito_sequencial,circuito_sequencial_pai,circuito_codigo,"
                            "circuito_calculado) VALUES(%i,%s,?,%i)",
                            sequencial, pai > 0 ? FormatC("%i", pai).c_str() : "NULL", calculado ? -1 : 0),
                    SqlParams{codigo});
}

}  // namespace mvdlgtest
