#pragma once
// A nominal section as the section lists show it: "%6.0f" when whole, "%6.1f" with tenths, and "%6.2f"
// when it has hundredths (0.75 mm² must not read back as 0.8, a section that does not exist).

#include "SqlValue.h"

#include <cmath>
#include <string>

inline std::string SecaoTexto(float secao)
{
    const long centesimos = std::lround(static_cast<double>(secao) * 100.0);
    if (centesimos % 100 == 0)
        return FormatC("%6.0f", static_cast<double>(secao));
    if (centesimos % 10 == 0)
        return FormatC("%6.1f", static_cast<double>(secao));
    return FormatC("%6.2f", static_cast<double>(secao));
}
