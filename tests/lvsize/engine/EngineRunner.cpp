#include "EngineRunner.h"

#include "Calculo.h"

namespace lvrun {

zelcalc::Dimensionado Sessao::Dimensionar(short seq)
{
    zelcalc::Dimensionado d;
    BOOL relatorio = FALSE;
    {
        CCalculo engine(seq);
        d.ok = engine.Calcular() != FALSE;
        d.codigo = engine.m_strCodigo;
        d.erro = engine.m_strErro;
        relatorio = engine.m_bMostrarRelatorio;
        d.n = engine.GetNumeroCondutores();
        d.secao = engine.GetSecao();
    }
    if (!d.ok)
        return d;
    if (!relatorio) {
        d.erro = "(sem relatório: dispositivo sem curva na biblioteca)";
        return d;
    }
    LerResultado(seq, d);
    return d;
}

}  // namespace lvrun
