#include "SessaoMt.h"

#include "Calculo.h"

namespace mvcalc {

namespace {
// What the program passes; the data layer accepts it and does not interpret it.
const char* const kConexaoCatalogo = ";UID=Admin;PWD=qtvzwn";
}  // namespace

SessaoMt::SessaoMt(const std::string& arquivoCatalogo, const std::string& arquivoProjeto)
    : zelcalc::Sessao(arquivoCatalogo, arquivoProjeto, kConexaoCatalogo)
{
}

zelcalc::Dimensionado SessaoMt::Dimensionar(short seq)
{
    zelcalc::Dimensionado d;
    {
        CCalculo engine(seq);
        d.ok = engine.Calcular() != FALSE;
        d.codigo = engine.m_strCodigo;
        d.erro = engine.m_strErro;
        d.n = engine.GetNumeroCondutores();
        d.secao = engine.GetSecao();
    }
    if (d.ok)
        LerResultado(seq, d);
    return d;
}

}  // namespace mvcalc
