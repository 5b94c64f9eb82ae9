#include "ProjetoAtivo.h"

#include "DaoRecordset.h"
#include "DaoRecordsetManual.h"
#include "EditColor.h"
#include "SqlValue.h"

#include <filesystem>

namespace dlgtest {

std::string Entregue(const std::string& nome)
{
    return std::string(ZEL_DATA_DIR) + "/" + nome;
}

ProjetoAtivo::ProjetoAtivo(const Programa& programa, const std::string& arquivo, const std::string& cat)
    : m_caminho(dir.File(arquivo))
{
    std::filesystem::copy_file(Entregue(programa.modelo), m_caminho);
    Abrir(cat.empty() ? Entregue(programa.catalogo) : cat, m_caminho);
    contexto.appTitle = programa.titulo;
}

ProjetoSemTela::ProjetoSemTela(const Programa& programa, const std::string& arquivo, const LocalTime& agora,
                               const std::string& cat)
    : ProjetoAtivo(programa, arquivo, cat), relogio(agora), host(contexto), m_escopo(contexto)
{
    contexto.clock = &relogio;
}

std::string ProjetoAtivo::Texto(const std::string& sql)
{
    CDaoRecordset rs(&projeto);
    rs.Open(dbOpenSnapshot, sql.c_str());
    if (rs.IsEOF())
        return "";
    const COleVariant v = rs.GetFieldValue(rs.GetFieldName(0));
    if (v.IsNull())
        return "NULL";
    if (v.vt == VT_BSTR)
        return v.strVal;
    return FormatC("%g", v.AsDouble());
}

double ProjetoAtivo::Numero(const std::string& sql)
{
    CDaoRecordset rs(&projeto);
    rs.Open(dbOpenSnapshot, sql.c_str());
    return rs.IsEOF() ? -999 : rs.GetFieldValue(rs.GetFieldName(0)).AsDouble();
}

std::string ProjetoAtivo::Q(const std::string& sql)
{
    return zeltest::QueryText(m_caminho, sql);
}

std::string ProjetoAtivo::Calculados()
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

std::string ProjetoAtivo::Log() const
{
    const std::string path = dir.File("ZEL.LOG");
    return std::filesystem::exists(path) ? zeltest::ReadFile(path) : std::string();
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

}  // namespace dlgtest
