#include "EngineRunner.h"

#include "DaoRecordsetManual.h"
#include "SqlValue.h"

#include <cstdio>
#include <cstdlib>

namespace lvrun {

int MensagensNoConsole::MessageBox(const std::string& text, const std::string& /*caption*/, unsigned /*type*/)
{
    ++mostradas;
    std::fprintf(stderr, "mensagem: %s\n", text.c_str());
    return IDOK;
}

Sessao::Sessao(const std::string& catalogue, const std::string& project)
{
    catalogo.Open(catalogue, false, true);
    projeto.Open(project);
    documento.m_pDatabase = &projeto;
    documento.SetPathName(project);
    contexto.messages = &mensagens;
    contexto.m_pReferenceDb = &catalogo;
    contexto.activeDocument = [this]() -> CDocument* { return &documento; };
    m_escopo.emplace(contexto);
}

Sessao::~Sessao()
{
    m_escopo.reset();
}

std::vector<short> Sessao::TodosNaOrdemDoProjeto()
{
    std::vector<short> out;
    CDaoRecordsetManual rs(&projeto, dbOpenSnapshot, "SELECT circuito_sequencial FROM circuito");
    while (!rs.IsEOF()) {
        short seq = 0;
        rs.GetFieldShort("circuito_sequencial", seq);
        out.push_back(seq);
        rs.MoveNext();
    }
    return out;
}

std::vector<short> Sessao::Procurar(const std::string& nome)
{
    std::vector<short> out;
    if (nome.size() > 1 && nome[0] == '#') {
        out.push_back(static_cast<short>(std::atoi(nome.c_str() + 1)));
        return out;
    }
    CDaoRecordsetManual rs(&projeto, dbOpenSnapshot,
                           "SELECT circuito_sequencial FROM circuito WHERE circuito_codigo=?", SqlParams{nome});
    while (!rs.IsEOF()) {
        short seq = 0;
        rs.GetFieldShort("circuito_sequencial", seq);
        out.push_back(seq);
        rs.MoveNext();
    }
    return out;
}

Dimensionado Sessao::Dimensionar(short seq)
{
    Dimensionado d;
    d.seq = seq;
    {
        CCalculo engine(seq);
        d.ok = engine.Calcular();
        d.codigo = engine.m_strCodigo;
        d.erro = engine.m_strErro;
        d.relatorio = engine.m_bMostrarRelatorio;
        d.n = engine.GetNumeroCondutores();
        d.secao = engine.GetSecao();
    }
    if (!d.ok || !d.relatorio)
        return d;
    // What the file now holds (for a circuit calculated earlier, what that calculation wrote).
    try {
        CDaoRecordsetManual rs(&projeto, dbOpenSnapshot,
                               FormatC("SELECT circuito_numero_condutores_calculado,secao_nominal FROM circuito "
                                       "WHERE circuito_sequencial=%i",
                                       seq)
                                   .c_str());
        d.n = static_cast<short>(rs.GetFieldValue("circuito_numero_condutores_calculado").AsDouble());
        d.secao = rs.GetFieldValue("secao_nominal").AsDouble();
        CDaoRecordsetManual linha(&projeto, dbOpenSnapshot,
                                  FormatC("SELECT circuito_impressao_valor FROM circuito_impressao WHERE "
                                          "circuito_sequencial=%i AND tipo_dado_codigo=3 AND "
                                          "circuito_impressao_variavel='Critério de dimensionamento:'",
                                          seq)
                                      .c_str());
        if (!linha.IsEOF())
            linha.GetFieldString("circuito_impressao_valor", d.criterio);
    } catch (CDaoException& e) {
        d.erro = std::string("leitura do resultado: ") + e.what();
    }
    return d;
}

}  // namespace lvrun
