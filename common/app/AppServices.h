#pragma once
// Small services the application classes share: the program's directory, temporary files, permissions.

#include <string>

// The directory of the running executable (no trailing separator) into out, at most size characters;
// returns its length, or 0 with nothing written when it cannot be had or does not fit.
int GetProgramDirectory(int size, char* out);
std::string GetProgramDirectory();

// Creates an empty, uniquely named file "ZEL…" in the temporary directory; out holds its full name.
// FALSE with out empty when it cannot be made.
int MakeTempFileName(std::string& out);

// Gives the owner write permission on every entry under directory, recursively; names beginning with "."
// are left alone; single failures are passed over.
void ClearAttributesRecursive(const std::string& directory);

// Removes a temporary file made by MakeTempFileName when it goes out of scope, unless released.
class TempFileGuard {
public:
    explicit TempFileGuard(std::string path) : m_path(std::move(path)) {}
    ~TempFileGuard();
    TempFileGuard(const TempFileGuard&) = delete;
    TempFileGuard& operator=(const TempFileGuard&) = delete;
    const std::string& Path() const { return m_path; }
    std::string Release();

private:
    std::string m_path;
};
