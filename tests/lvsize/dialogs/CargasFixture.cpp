#include "CargasFixture.h"

#include "DaoRecordsetManual.h"
#include "EditColor.h"
#include "SqlValue.h"

#include <filesystem>

namespace cargastest {

std::string ShippedCatalogue()
{
    return std::string(ZEL_DATA_DIR) + "/ZelBt01.zel";
}

std::string ShippedTemplate()
{
    return std::string(ZEL_DATA_DIR) + "/ZelBt02.zel";
}

DialogDriver& Put(DialogDriver& d, int id, const std::string& text)
{
    d.Clear(id);
    if (!text.empty())
        d.Type(id, text);
    return d;
}

COLORREF Fundo(DialogDriver& d, int id)
{
    return d.Get<CEditColor>(id).GetBkColor();
}

CargasUi::CargasUi(const std::string& catalogue)
{
    cwd.emplace(dir.Path());  // ZEL.LOG goes to the scratch folder
    std::filesystem::copy_file(ShippedTemplate(), ProjetoPath());
    catalogo.Open(catalogue.empty() ? ShippedCatalogue() : catalogue, false, true);
    projeto.Open(ProjetoPath());
    documento.m_pDatabase = &projeto;
    contexto.clock = &relogio;
    contexto.m_pReferenceDb = &catalogo;
    contexto.activeDocument = [this]() -> CDocument* { return &documento; };
    host.Install(contexto);
    escopo.emplace(contexto);
}

CargasUi::~CargasUi()
{
    escopo.reset();
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

std::string CargasUi::Q(const std::string& sql)
{
    return zeltest::QueryText(ProjetoPath(), sql);
}

std::string CargasUi::Calculados()
{
    CDaoRecordsetManual rs(&projeto, dbOpenSnapshot,
                           "SELECT circuito_sequencial,circuito_calculado FROM circuito ORDER BY circuito_sequencial");
    std::string out;
    for (; !rs.IsEOF(); rs.MoveNext()) {
        short s = 0;
        BOOL calc = FALSE;
        rs.GetFieldShort("circuito_sequencial", s);
        rs.GetFieldBool("circuito_calculado", calc);
        out += FormatC("%s%i:%i", out.empty() ? "" : " ", s, calc ? 1 : 0);
    }
    return out;
}

}  // namespace cargastest
