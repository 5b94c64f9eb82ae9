#include "CFormat.h"

#include <clocale>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <locale.h>

namespace zel::ui {
namespace {

locale_t CLocale() {
    static const locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return loc;
}

class CLocaleScope {
public:
    CLocaleScope() : m_previous(uselocale(CLocale())) {}
    ~CLocaleScope() { uselocale(m_previous); }
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

private:
    locale_t m_previous;
};

}  // namespace

std::string FormatC(const char* format, ...) {
    CLocaleScope scope;
    va_list args;
    va_start(args, format);
    char buffer[512];
    va_list copy;
    va_copy(copy, args);
    const int n = std::vsnprintf(buffer, sizeof buffer, format, copy);
    va_end(copy);
    std::string out;
    if (n < 0) {
        out.clear();
    } else if (static_cast<std::size_t>(n) < sizeof buffer) {
        out.assign(buffer, static_cast<std::size_t>(n));
    } else {
        out.resize(static_cast<std::size_t>(n) + 1);
        std::vsnprintf(out.data(), out.size(), format, args);
        out.resize(static_cast<std::size_t>(n));
    }
    va_end(args);
    return out;
}

std::string FormatCRuntime(const char* format, double value) {
    CLocaleScope scope;
    char buffer[512];
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    const int n = std::snprintf(buffer, sizeof buffer, format, value);
#pragma GCC diagnostic pop
    if (n < 0) return {};
    return std::string(buffer, static_cast<std::size_t>(n) < sizeof buffer ? static_cast<std::size_t>(n) : sizeof buffer - 1);
}

double ParseDoubleC(const std::string& text) {
    CLocaleScope scope;
    return std::strtod(text.c_str(), nullptr);
}

bool ParseWholeDoubleC(const std::string& text, double& out) {
    CLocaleScope scope;
    const char* s = text.c_str();
    char* end = nullptr;
    const double v = std::strtod(s, &end);
    if (end == s) return false;
    while (*end == ' ' || *end == '\t') ++end;
    if (*end != '\0') return false;
    out = v;
    return true;
}

long ParseLongC(const std::string& text) {
    return std::strtol(text.c_str(), nullptr, 10);
}

}  // namespace zel::ui
