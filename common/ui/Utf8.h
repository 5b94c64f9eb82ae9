#pragma once
// Texts are UTF-8; positions, lengths and limits in the window layer count characters, as the users see
// them, not bytes.

#include <string>
#include <string_view>

namespace zel::utf8 {

// Number of characters (code points) in text.
int Length(std::string_view text);
// Byte offset of character index (clamped to the text's end).
std::size_t Offset(std::string_view text, int index);
// Characters [start, start + count) of text.
std::string Sub(std::string_view text, int start, int count = -1);
// One code point as UTF-8.
std::string Encode(char32_t c);
// The code point that starts text (0 for empty text).
char32_t First(std::string_view text);

// Lists sort as the users expect: case and accents fold ("área" with "Area"), otherwise by character.
int CompareNoCase(std::string_view a, std::string_view b);
// True when text begins with prefix, case and accents folded.
bool StartsWithNoCase(std::string_view text, std::string_view prefix);

}  // namespace zel::utf8
