#include "SqlValue.h"

#include <clocale>
#include <cstdarg>
#include <cstdio>
#include <locale.h>

std::string FormatC(const char* format, ...)
{
    // uselocale is per thread, so a temporary switch cannot disturb anything else the program does.
    static locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
    locale_t previous = uselocale(c);
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    int n = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string out;
    if (n > 0) {
        out.resize(static_cast<size_t>(n) + 1);
        std::vsnprintf(out.data(), out.size(), format, args);
        out.resize(static_cast<size_t>(n));
    }
    va_end(args);
    uselocale(previous);
    return out;
}
