#include "TestSupport.h"

#include <sqlite3.h>

#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace zeltest {

TempDir::TempDir()
{
    std::random_device rd;
    for (int attempt = 0; attempt < 100; ++attempt) {
        fs::path p = fs::temp_directory_path() / ("zeltest-" + std::to_string(rd()));
        if (fs::create_directory(p)) {
            m_path = p;
            return;
        }
    }
    throw std::runtime_error("cannot make a scratch folder");
}

TempDir::~TempDir()
{
    std::error_code ec;
    // Files made read-only by a test must not stop the clean-up.
    for (auto it = fs::recursive_directory_iterator(m_path, ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec))
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(m_path, ec);
}

static void Exec(sqlite3* db, const std::string& sql)
{
    char* error = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        std::string text = error ? error : "unknown";
        sqlite3_free(error);
        sqlite3_close(db);
        throw std::runtime_error("SQL failed: " + text);
    }
}

void MakeDatabase(const std::string& path, const std::string& sqlScript)
{
    std::error_code ec;
    fs::remove(path, ec);
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        throw std::runtime_error("cannot create " + path);
    }
    Exec(db, sqlScript);
    sqlite3_close(db);
}

void RunSql(const std::string& path, const std::string& sqlScript)
{
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        throw std::runtime_error("cannot open " + path);
    }
    Exec(db, sqlScript);
    sqlite3_close(db);
}

std::string QueryText(const std::string& path, const std::string& sql)
{
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        throw std::runtime_error("cannot open " + path);
    }
    sqlite3_stmt* stmt = nullptr;
    std::string out;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK) {
        std::string text = sqlite3_errmsg(db);
        sqlite3_close(db);
        throw std::runtime_error("SQL failed: " + text);
    }
    if (sqlite3_step(stmt) == SQLITE_ROW && sqlite3_column_type(stmt, 0) != SQLITE_NULL)
        out = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return out;
}

ScopedCurrentDir::ScopedCurrentDir(const fs::path& dir) : m_previous(fs::current_path())
{
    fs::current_path(dir);
}

ScopedCurrentDir::~ScopedCurrentDir()
{
    std::error_code ec;
    fs::current_path(m_previous, ec);
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string ReadExistingFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace zeltest
