#pragma once
// One line of a circuit's non-motor loads, as the load dialogs pass it between them.

#include <vector>

struct CItemCarga {
    float fator_demanda = 0.0f;
    short numero_cargas_iguais = 0;
    float potencia_ativa = 0.0f;
    float fator_potencia = 0.0f;  // 1.0 for direct-current loads
};

using CListaCargas = std::vector<CItemCarga>;
