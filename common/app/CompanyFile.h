#pragma once
// The company file "empresa.zel": one line, the name of the company that uses the programs, printed on
// every report. The earlier programs wrote it in the Windows code page; this suite writes UTF-8.

#include <string>

// The file's first line (up to its first line end), in UTF-8: read as cp1252 when it is not valid UTF-8.
// The file is created empty when it is missing and never truncated; empty when it cannot be read.
std::string ReadCompanyName(const std::string& path);
