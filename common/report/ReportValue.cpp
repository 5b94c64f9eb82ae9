#include "ReportValue.h"

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <locale.h>

namespace {

locale_t CLocale()
{
    static locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
    return c;
}

class ScopedCLocale {
public:
    ScopedCLocale() : m_previous(uselocale(CLocale())) {}
    ~ScopedCLocale() { uselocale(m_previous); }
    ScopedCLocale(const ScopedCLocale&) = delete;
    ScopedCLocale& operator=(const ScopedCLocale&) = delete;

private:
    locale_t m_previous;
};

// The format has been validated: one conversion, nothing else, so the argument type is known.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
template <class T>
std::string Printf(const std::string& format, T value)
{
    ScopedCLocale c;
    char buffer[512];
    int n = std::snprintf(buffer, sizeof buffer, format.c_str(), value);
    if (n < 0)
        return {};
    if (static_cast<size_t>(n) < sizeof buffer)
        return std::string(buffer, static_cast<size_t>(n));
    std::string out(static_cast<size_t>(n) + 1, '\0');
    std::snprintf(out.data(), out.size(), format.c_str(), value);
    out.resize(static_cast<size_t>(n));
    return out;
}
#pragma GCC diagnostic pop

// Day number 0 is 30/12/1899; the fraction is the time of day.
void CivilFromOleDay(double oleDay, int& year, int& month, int& day)
{
    long long z = static_cast<long long>(std::floor(oleDay)) - 25569 + 719468;  // 25569: 1970-01-01
    long long era = (z >= 0 ? z : z - 146096) / 146097;
    long long doe = z - era * 146097;
    long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    long long y = yoe + era * 400;
    long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    long long mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(y + (month <= 2 ? 1 : 0));
}

std::string PlainNumber(double n)
{
    if (!std::isfinite(n))
        return std::isnan(n) ? "NaN" : (n > 0 ? "Inf" : "-Inf");
    std::string s = Printf("%.6f", n);
    size_t dot = s.find('.');
    if (dot != std::string::npos) {
        size_t last = s.find_last_not_of('0');
        s.erase(last == dot ? dot : last + 1);
    }
    if (s == "-0")
        s = "0";
    return s;
}

char Conversion(const std::string& format) { return format.empty() ? '\0' : format.back(); }

}  // namespace

bool ReportValue::IsTrue() const
{
    switch (kind) {
    case Kind::number: return number != 0.0;
    case Kind::text: return !text.empty();
    case Kind::null: break;
    }
    return false;
}

double ReportValue::AsNumber() const
{
    if (kind == Kind::number)
        return number;
    if (kind == Kind::text) {
        char* end = nullptr;
        double n = strtod_l(text.c_str(), &end, CLocale());
        return end && end != text.c_str() ? n : 0.0;
    }
    return 0.0;
}

int CompareValues(const ReportValue& a, const ReportValue& b)
{
    auto rank = [](const ReportValue& v) { return v.IsNull() ? 0 : v.IsNumber() ? 1 : 2; };
    int ra = rank(a), rb = rank(b);
    if (ra != rb)
        return ra < rb ? -1 : 1;
    if (a.IsNumber())
        return a.number < b.number ? -1 : a.number > b.number ? 1 : 0;
    if (a.IsText()) {
        int c = a.text.compare(b.text);
        return c < 0 ? -1 : c > 0 ? 1 : 0;
    }
    return 0;
}

bool ValuesEqual(const ReportValue& a, const ReportValue& b)
{
    // A number compared with a numeric text (a code kept as text) compares as numbers.
    if (a.IsNumber() && b.IsText())
        return a.number == b.AsNumber() && !b.text.empty();
    if (a.IsText() && b.IsNumber())
        return ValuesEqual(b, a);
    return CompareValues(a, b) == 0;
}

bool IsValidValueFormat(const std::string& format, std::string& error)
{
    if (format.empty() || format == "date")
        return true;
    size_t i = 0;
    if (format[i++] != '%') {
        error = "formato deve começar com %: " + format;
        return false;
    }
    while (i < format.size() && std::string("-+ 0#").find(format[i]) != std::string::npos)
        ++i;
    size_t digits = 0;
    while (i < format.size() && format[i] >= '0' && format[i] <= '9' && digits < 3)
        ++i, ++digits;
    if (i < format.size() && format[i] == '.') {
        ++i;
        digits = 0;
        while (i < format.size() && format[i] >= '0' && format[i] <= '9' && digits < 2)
            ++i, ++digits;
    }
    if (i + 1 != format.size() || std::string("diufFeEgGs").find(format[i]) == std::string::npos) {
        error = "formato inválido: " + format;
        return false;
    }
    return true;
}

std::string FormatValue(const ReportValue& value, const std::string& format)
{
    if (value.IsNull())
        return {};
    if (format == "date" || (format.empty() && value.date)) {
        if (!value.IsNumber())
            return value.text;
        int y = 0, m = 0, d = 0;
        CivilFromOleDay(value.number, y, m, d);
        return Printf("%02i/", d) + Printf("%02i/", m) + Printf("%04i", y);
    }
    char conversion = Conversion(format);
    if (format.empty() || conversion == 's') {
        std::string text = value.IsNumber() ? PlainNumber(value.number) : value.text;
        return format.empty() ? text : Printf(format, text.c_str());
    }
    if (value.IsText()) {
        // A text where a number is expected prints as it stands unless it reads as a number.
        char* end = nullptr;
        double n = strtod_l(value.text.c_str(), &end, CLocale());
        if (!end || end == value.text.c_str() || *end != '\0')
            return value.text;
        return FormatValue(ReportValue::Number(n), format);
    }
    double n = value.number;
    if (conversion == 'd' || conversion == 'i' || conversion == 'u') {
        std::string f = format;
        f.back() = 'd';
        f.insert(f.size() - 1, "ll");
        double r = std::trunc(n);
        long long whole = r > 9.0e18 ? 9000000000000000000LL : r < -9.0e18 ? -9000000000000000000LL
                                                                       : static_cast<long long>(r);
        return Printf(f, whole);
    }
    return Printf(format, n);
}
