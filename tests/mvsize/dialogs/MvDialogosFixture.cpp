#include "MvDialogosFixture.h"

#include "DaoRecordsetManual.h"
#include "EditColor.h"
#include "SqlValue.h"

#include <filesystem>

namespace mvdlgtest {

std::string ShippedCatalogue()
{
    return std::string(ZEL_DATA_DIR) + "/ZelMt01.zel";
}

std::string ShippedTemplate()
{
    return std::string(ZEL_DATA_DIR) + "/ZelMt02.zel";
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

MvUi::MvUi()
{
    cwd.emplace(dir.Path());  // ZEL.LOG goes to the scratch folder
    std::filesystem::copy_file(ShippedTemplate(), ProjetoPath());
    catalogo.Open(ShippedCatalogue(), false, true);
    projeto.Open(ProjetoPath());
    documento.m_pDatabase = &projeto;
    contexto.clock = &relogio;
    contexto.m_pReferenceDb = &catalogo;
    contexto.activeDocument = [this]() -> CDocument* { return &documento; };
    host.Install(contexto);
    escopo.emplace(contexto);
}

MvUi::~MvUi()
{
    escopo.reset();
}

void MvUi::Inserir(short sequencial, short pai, const std::string& codigo, bool calculado)
{
    projeto.Execute(FormatC("INSERT INTO circuito(circuito_sequencial,circuito_sequencial_pai,circuito_codigo,"
                            "circuito_calculado) VALUES(%i,%s,?,%i)",
                            sequencial, pai > 0 ? FormatC("%i", pai).c_str() : "NULL", calculado ? -1 : 0),
                    SqlParams{codigo});
}

std::string MvUi::Q(const std::string& sql)
{
    return zeltest::QueryText(ProjetoPath(), sql);
}

std::string MvUi::Calculados()
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

std::string MvUi::Log() const
{
    const std::string path = dir.File("ZEL.LOG");
    return std::filesystem::exists(path) ? zeltest::ReadFile(path) : std::string();
}

}  // namespace mvdlgtest
