#pragma once
// What a failed system call means, in the users' language, whatever translations the machine has.

#include <string>

// The text of a system error number ("O disco está cheio."); the C library's own text for a number not
// in the table.
std::string SystemErrorText(int errorNumber);
