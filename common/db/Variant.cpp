#include "Variant.h"

#include <clocale>
#include <cstdlib>
#include <locale.h>

double COleVariant::AsDouble() const
{
    switch (vt) {
    case VT_BOOL:
    case VT_UI1:
    case VT_I2:
    case VT_I4:
        return static_cast<double>(lVal);
    case VT_R4:
    case VT_R8:
    case VT_DATE:
        return dblVal;
    case VT_BSTR: {
        // Text read as a number in the C locale, so "2.5" is 2.5 whatever the user's locale.
        static locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
        return strtod_l(strVal.c_str(), nullptr, c);
    }
    default:
        return 0.0;
    }
}
