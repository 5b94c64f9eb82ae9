#pragma once
// Values bound to '?' placeholders, and numbers formatted for SQL text in the C locale.

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

using SqlValue = std::variant<std::nullptr_t, std::int64_t, double, std::string>;
using SqlParams = std::vector<SqlValue>;

// printf in the C locale, whatever the user's locale: "%6.2f" of 2.5 is "  2.50" under pt_BR too.
std::string FormatC(const char* format, ...) __attribute__((format(printf, 1, 2)));
