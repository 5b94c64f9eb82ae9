#pragma once
// The low-voltage engine in the command-line frame both sizing programs share: its session sizes one
// circuit with Lvsize's engine. Used by the command-line driver and the benchmark; no test framework.

#include "SessaoCalculo.h"

namespace lvrun {

class Sessao : public zelcalc::Sessao {
public:
    Sessao(const std::string& arquivoCatalogo, const std::string& arquivoProjeto)
        : zelcalc::Sessao(arquivoCatalogo, arquivoProjeto)
    {
    }

    // A circuit sized without its report (the device library lacks the chosen rating's curve) is told so in
    // the error column and keeps the engine's n and S.
    zelcalc::Dimensionado Dimensionar(short seq) override;
};

}  // namespace lvrun
