#include "Utf8.h"

#include <cwctype>

namespace zel::utf8 {
namespace {

// Decodes one code point at pos and advances pos; bad bytes read as themselves.
char32_t Next(std::string_view s, std::size_t& pos) {
    const auto b0 = static_cast<unsigned char>(s[pos]);
    int extra = 0;
    char32_t c = b0;
    if (b0 >= 0xF0) { extra = 3; c = b0 & 0x07; }
    else if (b0 >= 0xE0) { extra = 2; c = b0 & 0x0F; }
    else if (b0 >= 0xC0) { extra = 1; c = b0 & 0x1F; }
    if (pos + static_cast<std::size_t>(extra) >= s.size() && extra > 0) {
        ++pos;
        return b0;
    }
    for (int i = 1; i <= extra; ++i) {
        const auto b = static_cast<unsigned char>(s[pos + static_cast<std::size_t>(i)]);
        if ((b & 0xC0) != 0x80) {
            ++pos;
            return b0;
        }
        c = (c << 6) | (b & 0x3F);
    }
    pos += static_cast<std::size_t>(extra) + 1;
    return c;
}

// Folds Latin letters to lower case without accents; other characters stay.
char32_t Fold(char32_t c) {
    if (c >= 'A' && c <= 'Z') return c - 'A' + 'a';
    if (c < 0xC0 || c > 0x17F) return static_cast<char32_t>(std::towlower(static_cast<wint_t>(c)));
    static const char* latin1 =  // U+00C0 .. U+00FF
        "aaaaaaaceeeeiiii" "dnooooo*ouuuuyts"
        "aaaaaaaceeeeiiii" "dnooooo/ouuuuyty";
    if (c <= 0xFF) {
        const char f = latin1[c - 0xC0];
        if (f == '*') return 0xD7;
        if (f == '/') return 0xF7;
        return static_cast<char32_t>(f);
    }
    return static_cast<char32_t>(std::towlower(static_cast<wint_t>(c)));
}

}  // namespace

int Length(std::string_view text) {
    int n = 0;
    for (std::size_t pos = 0; pos < text.size(); ++n) Next(text, pos);
    return n;
}

std::size_t Offset(std::string_view text, int index) {
    std::size_t pos = 0;
    for (int i = 0; i < index && pos < text.size(); ++i) Next(text, pos);
    return pos;
}

std::string Sub(std::string_view text, int start, int count) {
    const std::size_t b = Offset(text, start);
    if (count < 0) return std::string(text.substr(b));
    const std::size_t e = b + Offset(text.substr(b), count);
    return std::string(text.substr(b, e - b));
}

std::string Encode(char32_t c) {
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

char32_t First(std::string_view text) {
    if (text.empty()) return 0;
    std::size_t pos = 0;
    return Next(text, pos);
}

int CompareNoCase(std::string_view a, std::string_view b) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        const char32_t ca = Fold(Next(a, i));
        const char32_t cb = Fold(Next(b, j));
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    if (i < a.size()) return 1;
    if (j < b.size()) return -1;
    return 0;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (j < prefix.size()) {
        if (i >= text.size()) return false;
        if (Fold(Next(text, i)) != Fold(Next(prefix, j))) return false;
    }
    return true;
}

}  // namespace zel::utf8
