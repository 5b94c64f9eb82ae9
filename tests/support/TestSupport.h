#pragma once
// Shared by the test programs: scratch folders and small databases made from SQL text.

#include <filesystem>
#include <string>

namespace zeltest {

// A fresh folder under the temporary directory, removed with everything in it at the end of the scope.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& Path() const { return m_path; }
    std::string File(const std::string& name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

// Creates (or replaces) a database file and runs the SQL script in it; throws std::runtime_error on failure.
void MakeDatabase(const std::string& path, const std::string& sqlScript);

// Runs SQL on an existing file outside the data layer (to prepare or inspect a fixture).
void RunSql(const std::string& path, const std::string& sqlScript);
// First column of the first row as text ("" for none or NULL).
std::string QueryText(const std::string& path, const std::string& sql);

// Changes the working directory for a scope (the log files go to the current directory).
class ScopedCurrentDir {
public:
    explicit ScopedCurrentDir(const std::filesystem::path& dir);
    ~ScopedCurrentDir();
    ScopedCurrentDir(const ScopedCurrentDir&) = delete;
    ScopedCurrentDir& operator=(const ScopedCurrentDir&) = delete;

private:
    std::filesystem::path m_previous;
};

std::string ReadFile(const std::string& path);
// The same for a file that must be there: throws std::runtime_error when it cannot be read.
std::string ReadExistingFile(const std::string& path);

}  // namespace zeltest
