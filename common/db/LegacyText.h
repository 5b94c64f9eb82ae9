#pragma once
// Texts written by the earlier programs are in the Windows code page (cp1252); everything this suite writes
// is UTF-8. A text that is not valid UTF-8 is read as cp1252.

#include <string>
#include <string_view>

bool IsValidUtf8(std::string_view text);
// The text itself when it is valid UTF-8, else its bytes read as cp1252, in UTF-8.
std::string TextFromFile(std::string_view text);
