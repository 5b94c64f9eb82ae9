#pragma once
// Numbers shown in the controls are written and read with a point, whatever the user's locale: the
// programs always did, and the stored data and the masks expect it.

#include <string>

namespace zel::ui {

// printf in the C locale.
std::string FormatC(const char* format, ...) __attribute__((format(printf, 1, 2)));
// A format built at run time (a mask's) with one double argument.
std::string FormatCRuntime(const char* format, double value);
// The leading decimal number of text, as atof reads it but always with a point; 0 when there is none.
double ParseDoubleC(const std::string& text);
// The whole text (blanks around it allowed) as one decimal number; false when it is not one.
bool ParseWholeDoubleC(const std::string& text, double& out);
// The leading integer of text, as atoi reads it.
long ParseLongC(const std::string& text);

}  // namespace zel::ui
