#include "SessaoMt.h"

#include "Calculo.h"
#include "DaoRecordsetManual.h"
#include "SqlValue.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace mvcalc {

namespace {
// What the program passes; the data layer accepts it and does not interpret it.
const char* const kConexaoCatalogo = ";UID=Admin;PWD=qtvzwn";

std::vector<short> Chaves(CDaoDatabase& db, const std::string& sql, const SqlParams& params = {})
{
    std::vector<short> out;
    CDaoRecordsetManual rs(&db, dbOpenSnapshot, sql, params);
    for (; !rs.IsEOF(); rs.MoveNext()) {
        short seq = 0;
        rs.GetFieldShort("circuito_sequencial", seq);
        out.push_back(seq);
    }
    return out;
}
}  // namespace

int MensagensNoConsole::MessageBox(const std::string& text, const std::string& /*caption*/, unsigned /*type*/)
{
    std::fprintf(stderr, "mensagem: %s\n", text.c_str());
    return IDOK;
}

SessaoMt::SessaoMt(const std::string& catalogo, const std::string& projeto)
{
    m_catalogo.Open(catalogo, false, true, kConexaoCatalogo);
    m_projeto.Open(projeto);
    m_documento.m_pDatabase = &m_projeto;
    m_documento.SetPathName(projeto);
    m_contexto.messages = &m_mensagens;
    m_contexto.m_pReferenceDb = &m_catalogo;
    m_contexto.activeDocument = [this]() -> CDocument* { return &m_documento; };
    m_escopo.emplace(m_contexto);
}

SessaoMt::~SessaoMt()
{
    m_escopo.reset();
}

std::vector<short> SessaoMt::Circuitos()
{
    return Chaves(m_projeto, "SELECT circuito_sequencial FROM circuito");
}

std::vector<short> SessaoMt::Procurar(const std::string& nome)
{
    if (nome.size() > 1 && nome[0] == '#')
        return {static_cast<short>(std::atoi(nome.c_str() + 1))};
    return Chaves(m_projeto, "SELECT circuito_sequencial FROM circuito WHERE circuito_codigo=?", SqlParams{nome});
}

Resultado SessaoMt::Dimensionar(short seq)
{
    Resultado r;
    {
        const auto engine = std::make_unique<CCalculo>(seq);
        r.ok = engine->Calcular() != FALSE;
        r.codigo = engine->m_strCodigo;
        r.erro = engine->m_strErro;
        r.n = engine->GetNumeroCondutores();
        r.secao = engine->GetSecao();
    }
    if (!r.ok)
        return r;
    // What the file holds: for a circuit calculated earlier, what that calculation wrote.
    try {
        CDaoRecordsetManual rs(&m_projeto, dbOpenSnapshot,
                               FormatC("SELECT circuito_numero_condutores_calculado,secao_nominal FROM circuito WHERE "
                                       "circuito_sequencial=%i",
                                       seq)
                                   .c_str());
        r.n = static_cast<int>(rs.GetFieldValue("circuito_numero_condutores_calculado").AsDouble());
        r.secao = static_cast<int>(rs.GetFieldValue("secao_nominal").AsDouble());
        CDaoRecordsetManual linha(&m_projeto, dbOpenSnapshot,
                                  FormatC("SELECT circuito_impressao_valor FROM circuito_impressao WHERE "
                                          "circuito_sequencial=%i AND tipo_dado_codigo=3 AND "
                                          "circuito_impressao_variavel='Critério de dimensionamento:'",
                                          seq)
                                      .c_str());
        if (!linha.IsEOF())
            linha.GetFieldString("circuito_impressao_valor", r.criterio);
    } catch (CDaoException& e) {
        r.erro = std::string("leitura do resultado: ") + e.what();
    }
    return r;
}

}  // namespace mvcalc
