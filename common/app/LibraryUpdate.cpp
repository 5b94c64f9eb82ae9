#include "LibraryUpdate.h"

#include "AppServices.h"
#include "DaoDatabase.h"
#include "DaoException.h"
#include "SqlValue.h"
#include "SqliteStatement.h"

#include <sqlite3.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <iterator>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

using Result = LibraryUpdate::Result;

std::string SystemText(int error)
{
    char buffer[256];
    const char* text = strerror_r(error, buffer, sizeof buffer);
    return text ? text : "";
}

std::string Describe(const CDaoException& e)
{
    return e.m_pErrorInfo ? e.m_pErrorInfo->m_strDescription : std::string("erro no arquivo de dados");
}

LibraryUpdate Outcome(Result result, std::string error = {})
{
    LibraryUpdate u;
    u.result = result;
    u.error = std::move(error);
    return u;
}

// Holds the user's library exclusively for the whole update, by the same advisory lock the programs take
// when they open it: while Protdev edits it, or a sizing program reads it, the update waits.
class LibraryHold {
public:
    LibraryHold() = default;
    ~LibraryHold()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    LibraryHold(const LibraryHold&) = delete;
    LibraryHold& operator=(const LibraryHold&) = delete;

    enum class Taken { Held, Busy, Failed };
    Taken Take(const std::string& path)
    {
        for (int attempt = 0; attempt < 5; ++attempt) {
            const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
            if (fd < 0)
                return Taken::Failed;
            if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
                const int error = errno;
                ::close(fd);
                errno = error;
                return error == EWOULDBLOCK ? Taken::Busy : Taken::Failed;
            }
            // Another start may have renamed a rebuilt library over the path meanwhile: hold what it names now.
            struct stat held {}, named {};
            if (::fstat(fd, &held) == 0 && ::stat(path.c_str(), &named) == 0 && held.st_dev == named.st_dev &&
                held.st_ino == named.st_ino) {
                m_fd = fd;
                return Taken::Held;
            }
            ::close(fd);
        }
        return Taken::Busy;
    }

private:
    int m_fd = -1;
};

// A new, empty, uniquely named hidden file beside target; empty with errno set when it cannot be made.
std::string Beside(const std::string& target)
{
    const fs::path t(target);
    std::string name = (t.parent_path() / ("." + t.filename().string() + ".novo-XXXXXX")).string();
    const int fd = ::mkstemp(name.data());
    if (fd < 0)
        return {};
    ::close(fd);
    return name;
}

bool Sync(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

// The installed file may be read-only (a system install): the user's copy must be writable by its owner.
bool CopyInstalled(const std::string& installed, const std::string& to, std::string& error)
{
    std::error_code ec;
    fs::copy_file(installed, to, fs::copy_options::overwrite_existing, ec);
    if (!ec)
        fs::permissions(to,
                        fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read,
                        fs::perm_options::replace, ec);
    if (ec) {
        error = "não foi possível copiar " + installed + ": " + ec.message();
        return false;
    }
    if (!Sync(to)) {
        error = "não foi possível gravar " + to + ": " + SystemText(errno);
        return false;
    }
    return true;
}

// The user's device tables into the fresh copy of the installed catalogue, in one transaction; the columns
// both files have, by name (the schema's own plain names, so they need no quoting).
bool CarryDevices(const std::string& rebuilt, const std::string& user, std::string& error)
{
    try {
        CDaoDatabase db;
        db.Open(rebuilt, true, false);
        {
            CDaoAttachment userFile(db, user);
            CDaoTransaction transaction(db);
            for (auto it = std::rbegin(kDeviceTables); it != std::rend(kDeviceTables); ++it)
                db.Execute(std::string("DELETE FROM main.") + *it);
            for (const char* table : kDeviceTables) {
                const auto theirs = db.TableColumns(table, userFile.Alias());
                if (theirs.empty())
                    throw CDaoException(SQLITE_ERROR, "SQLite",
                                        std::string("a tabela ") + table + " não existe na biblioteca do usuário");
                std::string columns;
                for (const std::string& column : db.TableColumns(table, "main")) {
                    const bool shared = std::any_of(theirs.begin(), theirs.end(), [&](const std::string& c) {
                        return sqlite3_stricmp(c.c_str(), column.c_str()) == 0;
                    });
                    if (shared)
                        columns += (columns.empty() ? "" : ",") + column;
                }
                db.Execute("INSERT INTO main." + std::string(table) + " (" + columns + ") SELECT " + columns + " FROM " +
                           userFile.Alias() + "." + table);
            }
            transaction.Commit();
        }
        SqliteStatement check(db.Handle(), "PRAGMA main.integrity_check");
        if (!check.Step() || std::strcmp(reinterpret_cast<const char*>(sqlite3_column_text(check.Get(), 0)), "ok") != 0)
            throw CDaoException(SQLITE_CORRUPT, "SQLite", "a biblioteca refeita não passou na verificação de integridade");
        db.Close();
    } catch (CDaoException& e) {
        error = "os dispositivos de proteção não puderam ser transferidos (" + Describe(e) + ")";
        return false;
    }
    if (!Sync(rebuilt)) {
        error = "não foi possível gravar " + rebuilt + ": " + SystemText(errno);
        return false;
    }
    return true;
}

// "ZelBt01-2026-12-10-113000.zel" beside the library; a name already taken gets a counter.
std::string BackupName(const std::string& user, const LocalTime& t)
{
    const fs::path p(user);
    const std::string stamp = FormatC("-%04i-%02i-%02i-%02i%02i%02i", t.year, t.month, t.day, t.hour, t.minute, t.second);
    for (int n = 1;; ++n) {
        const std::string suffix = n == 1 ? std::string() : "-" + std::to_string(n);
        const fs::path candidate = p.parent_path() / (p.stem().string() + stamp + suffix + p.extension().string());
        std::error_code ec;
        if (!fs::exists(candidate, ec))
            return candidate.string();
    }
}

// The old library under the backup's name: a second name for the same file where the file system allows
// it, a copy otherwise.
bool KeepBackup(const std::string& user, const std::string& backup, std::string& error)
{
    if (::link(user.c_str(), backup.c_str()) == 0)
        return true;
    std::error_code ec;
    fs::copy_file(user, backup, fs::copy_options::none, ec);
    if (!ec && Sync(backup))
        return true;
    fs::remove(backup, ec);
    error = "não foi possível guardar a cópia de segurança " + backup;
    return false;
}

void SyncFolder(const std::string& file)
{
    const std::string folder = fs::path(file).parent_path().string();
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// The first library of the user, from the installed one. raced: another start made it meanwhile.
LibraryUpdate Create(const std::string& installed, const std::string& user, bool& raced)
{
    raced = false;
    const std::string temp = Beside(user);
    if (temp.empty())
        return Outcome(Result::Failed, "não foi possível criar arquivos em " + fs::path(user).parent_path().string() +
                                           ": " + SystemText(errno));
    TempFileGuard guard(temp);
    std::string error;
    if (!CopyInstalled(installed, temp, error))
        return Outcome(Result::Failed, error);
    // A link never replaces a library that another start has just made (and Protdev may be editing).
    if (::link(temp.c_str(), user.c_str()) != 0) {
        if (errno == EEXIST) {
            raced = true;
            return Outcome(Result::UpToDate);
        }
        std::error_code ec;
        if (fs::exists(user, ec)) {
            raced = true;
            return Outcome(Result::UpToDate);
        }
        if (::rename(temp.c_str(), user.c_str()) != 0)
            return Outcome(Result::Failed, "não foi possível criar " + user + ": " + SystemText(errno));
        guard.Release();
    }
    SyncFolder(user);
    return Outcome(Result::Created);
}

}  // namespace

bool ReadCatalogueStamp(const std::string& path, CatalogueStamp& stamp, std::string& error)
{
    stamp = {};
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    bool ok = rc == SQLITE_OK;
    if (ok) {
        sqlite3_stmt* stmt = nullptr;
        ok = sqlite3_prepare_v2(db, "SELECT count(*) FROM sqlite_master WHERE type='table' AND name='catalogo_versao'",
                                -1, &stmt, nullptr) == SQLITE_OK &&
             sqlite3_step(stmt) == SQLITE_ROW;
        const bool hasStamp = ok && sqlite3_column_int(stmt, 0) > 0;
        sqlite3_finalize(stmt);
        stmt = nullptr;
        if (ok && hasStamp) {
            ok = sqlite3_prepare_v2(db,
                                    "SELECT catalogo_versao_numero, catalogo_versao_assinatura FROM catalogo_versao "
                                    "ORDER BY catalogo_versao_numero DESC LIMIT 1",
                                    -1, &stmt, nullptr) == SQLITE_OK;
            const int step = ok ? sqlite3_step(stmt) : SQLITE_ERROR;
            ok = step == SQLITE_ROW || step == SQLITE_DONE;
            if (step == SQLITE_ROW) {
                stamp.release = static_cast<long>(sqlite3_column_int64(stmt, 0));
                const unsigned char* digest = sqlite3_column_text(stmt, 1);
                stamp.digest = digest ? reinterpret_cast<const char*>(digest) : "";
            }
            sqlite3_finalize(stmt);
        }
    }
    if (!ok)
        error = path + ": " + (db ? sqlite3_errmsg(db) : "sem memória");
    sqlite3_close_v2(db);
    return ok;
}

bool CatalogueIsNewer(const CatalogueStamp& installed, const CatalogueStamp& user)
{
    if (installed.digest.empty())
        return false;  // an installed file without a stamp cannot say it is newer
    if (user.digest.empty())
        return true;
    if (installed.release != user.release)
        return installed.release > user.release;
    return installed.digest != user.digest;
}

LibraryUpdate UpdateLibrary(const std::string& installed, const std::string& user, const LocalTime& now)
{
    std::error_code ec;
    if (!fs::exists(user, ec)) {
        bool raced = false;
        LibraryUpdate made = Create(installed, user, raced);
        if (!raced)
            return made;
    }

    LibraryHold hold;
    switch (hold.Take(user)) {
    case LibraryHold::Taken::Busy:
        return Outcome(Result::InUse);
    case LibraryHold::Taken::Failed:
        return Outcome(Result::Failed, "não foi possível abrir " + user + ": " + SystemText(errno));
    case LibraryHold::Taken::Held:
        break;
    }

    CatalogueStamp theirs, ours;
    std::string error;
    if (!ReadCatalogueStamp(installed, theirs, error))
        return Outcome(Result::Failed, "o catálogo instalado não pôde ser lido (" + error + ")");
    if (!ReadCatalogueStamp(user, ours, error))
        return Outcome(Result::Failed, "a biblioteca do usuário não pôde ser lida (" + error + ")");
    if (!CatalogueIsNewer(theirs, ours))
        return Outcome(Result::UpToDate);

    const std::string temp = Beside(user);
    if (temp.empty())
        return Outcome(Result::Failed, "não foi possível criar arquivos em " + fs::path(user).parent_path().string() +
                                           ": " + SystemText(errno));
    TempFileGuard guard(temp);
    if (!CopyInstalled(installed, temp, error) || !CarryDevices(temp, user, error))
        return Outcome(Result::Failed, error);

    const std::string backup = BackupName(user, now);
    if (!KeepBackup(user, backup, error))
        return Outcome(Result::Failed, error);
    if (::rename(temp.c_str(), user.c_str()) != 0) {
        const int renameError = errno;
        fs::remove(backup, ec);
        return Outcome(Result::Failed, "não foi possível substituir " + user + ": " + SystemText(renameError));
    }
    guard.Release();
    SyncFolder(user);

    LibraryUpdate done = Outcome(Result::Updated);
    done.backup = backup;
    return done;
}
