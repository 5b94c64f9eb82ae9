#pragma once
// Small services the application classes share: the program's directory, temporary files, permissions.

#include <functional>
#include <string>

// The directory of the running executable (no trailing separator) into out, at most size characters;
// returns its length, or 0 with nothing written when it cannot be had or does not fit.
int GetProgramDirectory(int size, char* out);
std::string GetProgramDirectory();

// Creates an empty, uniquely named file "ZEL…" in the temporary directory; out holds its full name.
// FALSE with out empty when it cannot be made. The file carries this process's lock from the moment it
// exists (the database that opens it takes the lock over): no other program's clean-up touches it.
int MakeTempFileName(std::string& out);

// Removes, in directory, the leftover files of a program that ended without removing them: regular files
// whose names the predicate accepts, owned by the user, that no live program holds (its lock). Nothing
// else: not another user's file, a link, a folder, or a file still in use. The number removed.
int RemoveLeftoverFiles(const std::string& directory, const std::function<bool(const std::string& name)>& leftover);
// At start: this suite's own temporary files ("ZEL" and six letters or digits) left in the temporary
// directory by programs that were killed.
int RemoveLeftoverTempFiles();

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
