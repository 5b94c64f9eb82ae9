#pragma once
// The medium-voltage engine in the command-line frame both sizing programs share: its session opens the
// catalogue as Mvsize does and sizes one circuit with Mvsize's engine.

#include "SessaoCalculo.h"

namespace mvcalc {

class SessaoMt : public zelcalc::Sessao {
public:
    SessaoMt(const std::string& arquivoCatalogo, const std::string& arquivoProjeto);

    zelcalc::Dimensionado Dimensionar(short seq) override;
};

}  // namespace mvcalc
