#include "DaoDatabase.h"

#include "FileLocks.h"
#include "LegacyText.h"
#include "SqliteError.h"
#include "SqliteStatement.h"

#include <sqlite3.h>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string QuoteIdentifier(const std::string& name)
{
    std::string out = "\"";
    for (char c : name) {
        if (c == '"')
            out += '"';
        out += c;
    }
    return out + "\"";
}

CDaoException FileError(int code, const std::string& description)
{
    return CDaoException(code, "SQLite", description);
}

void RequireExistingFile(const std::string& path, const std::string& subject)
{
    if (path.empty())
        throw FileError(SQLITE_CANTOPEN, "Nenhum arquivo de dados foi indicado.");
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        throw FileError(SQLITE_CANTOPEN, "O arquivo de dados '" + subject + "' não foi encontrado.");
}

// The value rewritten as UTF-8 when it is text that is not; anything else as it is.
void LegacyTextFunction(sqlite3_context* context, int, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) != SQLITE_TEXT) {
        sqlite3_result_value(context, argv[0]);
        return;
    }
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
    const std::string converted = TextFromFile(std::string_view(text, static_cast<size_t>(sqlite3_value_bytes(argv[0]))));
    sqlite3_result_text(context, converted.data(), static_cast<int>(converted.size()), SQLITE_TRANSIENT);
}

void NotUtf8Function(sqlite3_context* context, int, sqlite3_value** argv)
{
    bool invalid = false;
    if (sqlite3_value_type(argv[0]) == SQLITE_TEXT) {
        const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
        invalid = !IsValidUtf8(std::string_view(text, static_cast<size_t>(sqlite3_value_bytes(argv[0]))));
    }
    sqlite3_result_int(context, invalid ? 1 : 0);
}

}  // namespace

CDaoDatabase::~CDaoDatabase()
{
    Close();
}

void CDaoDatabase::SetDisplayName(const std::string& name)
{
    m_displayName = name;
    if (m_db)
        SetConnectionName(m_db, GetDisplayName());
}

void CDaoDatabase::Open(const std::string& path, bool exclusive, bool readOnly, const std::string& /*connect*/)
{
    if (IsOpen())
        Close();
    if (m_displayName.empty())
        m_displayName = ConnectionNameOfFile(path);
    const std::string subject = m_displayName.empty() ? path : m_displayName;
    RequireExistingFile(path, subject);

    // Jet's exclusive open keeps other programs out while the same program reaches the file freely; SQLite's
    // own exclusive mode would also lock out this process's attachments, so the exclusion is an advisory
    // lock that every opener takes, one for the whole process. A working copy this process made for itself
    // is already locked, exclusively, and stays so; it is its own to write, whatever mode a copy gave it.
    FileLockKey lock;
    switch (AcquireFileLock(path, exclusive, lock)) {
    case FileLockResult::taken:
        break;
    case FileLockResult::inUse:
        throw FileError(SQLITE_BUSY, "O arquivo de dados '" + subject + "' está em uso por outro programa.");
    case FileLockResult::cannotOpen:
        throw FileError(SQLITE_CANTOPEN, "Não foi possível abrir o arquivo de dados '" + subject + "'.");
    }
    if (lock.madeHere)
        ::chmod(path.c_str(), S_IRUSR | S_IWUSR);

    sqlite3* db = nullptr;
    const int flags = (readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) | SQLITE_OPEN_NOMUTEX;
    int rc = sqlite3_open_v2(path.c_str(), &db, flags, nullptr);
    try {
        if (rc != SQLITE_OK)
            ThrowSqlite(db, rc, subject);
        sqlite3_extended_result_codes(db, 1);
        sqlite3_busy_timeout(db, 2000);
        // A file that is not a database only says so at its first read: make that read now.
        rc = sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
        if (rc != SQLITE_OK)
            ThrowSqlite(db, rc, subject);
        rc = sqlite3_exec(db, "PRAGMA foreign_keys=ON", nullptr, nullptr, nullptr);
        if (rc != SQLITE_OK)
            ThrowSqlite(db, rc, subject);
    } catch (...) {
        sqlite3_close_v2(db);
        ReleaseFileLock(lock);
        throw;
    }
    m_db = db;
    m_lock = lock;
    m_path = path;
    SetConnectionName(m_db, subject);
    m_readOnly = readOnly;
    m_transDepth = 0;
}

void CDaoDatabase::Close()
{
    if (!m_db)
        return;
    FinalizeCachedStatements();
    if (m_transDepth > 0 && !sqlite3_get_autocommit(m_db))
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
    m_transDepth = 0;
    m_attached.clear();
    ForgetConnectionName(m_db);
    sqlite3_close_v2(m_db);
    m_db = nullptr;
    ReleaseFileLock(m_lock);
    m_path.clear();
}

namespace {
constexpr size_t kStatementCacheSize = 96;
}

sqlite3_stmt* CDaoDatabase::AcquireStatement(const std::string& sql)
{
    sqlite3* db = Handle();
    if (auto it = m_statementCache.find(sql); it != m_statementCache.end()) {
        sqlite3_stmt* stmt = it->second;
        m_statementCache.erase(it);
        return stmt;
    }
    return PrepareOrThrow(db, sql);
}

void CDaoDatabase::ReleaseStatement(const std::string& sql, sqlite3_stmt* stmt)
{
    if (!stmt)
        return;
    sqlite3_reset(stmt);
    sqlite3_clear_bindings(stmt);
    if (!m_db || m_statementCache.size() >= kStatementCacheSize) {
        sqlite3_finalize(stmt);
        return;
    }
    m_statementCache.emplace(sql, stmt);
}

void CDaoDatabase::FinalizeCachedStatements()
{
    for (auto& entry : m_statementCache)
        sqlite3_finalize(entry.second);
    m_statementCache.clear();
}

sqlite3* CDaoDatabase::Handle() const
{
    if (!m_db)
        throw CDaoException::Layer(AFX_DAO_ERROR_OBJECT_NOT_OPEN, "database not open");
    return m_db;
}

void CDaoDatabase::Execute(const std::string& sql, int /*options*/)
{
    sqlite3* db = Handle();
    m_recordsAffected = 0;
    const char* tail = sql.c_str();
    const char* end = tail + sql.size();
    while (tail < end) {
        sqlite3_stmt* stmt = nullptr;
        const int rc = sqlite3_prepare_v2(db, tail, static_cast<int>(end - tail), &stmt, &tail);
        if (rc != SQLITE_OK) {
            sqlite3_finalize(stmt);
            ThrowSqlite(db, rc);
        }
        if (!stmt)  // white space or a comment after the last statement
            break;
        int step;
        while ((step = sqlite3_step(stmt)) == SQLITE_ROW) {
        }
        sqlite3_finalize(stmt);
        if (step != SQLITE_DONE)
            ThrowSqlite(db, step);
        m_recordsAffected += sqlite3_changes(db);
    }
}

void CDaoDatabase::Execute(const std::string& sql, const SqlParams& params, int options)
{
    if (params.empty()) {
        Execute(sql, options);
        return;
    }
    sqlite3* db = Handle();
    SqliteStatement stmt(*this, sql, params);
    stmt.Run();
    m_recordsAffected = sqlite3_changes(db);
}

void CDaoDatabase::BeginTrans()
{
    sqlite3* db = Handle();
    const std::string sql = m_transDepth == 0 ? (m_readOnly ? "BEGIN" : "BEGIN IMMEDIATE")
                                              : "SAVEPOINT zel_" + std::to_string(m_transDepth);
    const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        ThrowSqlite(db, rc);
    ++m_transDepth;
}

void CDaoDatabase::CommitTrans()
{
    sqlite3* db = Handle();
    if (m_transDepth == 0)
        return;
    const std::string sql = m_transDepth == 1 ? "COMMIT" : "RELEASE zel_" + std::to_string(m_transDepth - 1);
    const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        ThrowSqlite(db, rc);  // still open: the caller rolls back
    --m_transDepth;
}

void CDaoDatabase::Rollback()
{
    sqlite3* db = Handle();
    if (m_transDepth == 0)
        return;
    if (sqlite3_get_autocommit(db)) {
        // The engine already rolled the whole transaction back (a full disk, an I/O error).
        m_transDepth = 0;
        return;
    }
    if (m_transDepth == 1) {
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    } else {
        const std::string name = "zel_" + std::to_string(m_transDepth - 1);
        sqlite3_exec(db, ("ROLLBACK TO " + name + "; RELEASE " + name).c_str(), nullptr, nullptr, nullptr);
    }
    --m_transDepth;
}

long CDaoDatabase::ConvertLegacyText()
{
    sqlite3* db = Handle();
    struct Column {
        std::string table, name;
    };
    std::vector<Column> texts;
    {
        SqliteStatement stmt(db,
                             "SELECT m.name, c.name, c.type FROM sqlite_master m, pragma_table_info(m.name) c "
                             "WHERE m.type='table' AND m.name NOT LIKE 'sqlite%'");
        while (stmt.Step()) {
            const auto* type = reinterpret_cast<const char*>(sqlite3_column_text(stmt.Get(), 2));
            const std::string declared = type ? type : "";
            // Text columns, and columns of no declared type, which may hold text.
            if (declared.empty() || sqlite3_strnicmp(declared.c_str(), "TEXT", 4) == 0 ||
                sqlite3_strnicmp(declared.c_str(), "MEMO", 4) == 0 || sqlite3_strnicmp(declared.c_str(), "VARCHAR", 7) == 0 ||
                sqlite3_strnicmp(declared.c_str(), "CHAR", 4) == 0)
                texts.push_back({reinterpret_cast<const char*>(sqlite3_column_text(stmt.Get(), 0)),
                                 reinterpret_cast<const char*>(sqlite3_column_text(stmt.Get(), 1))});
        }
    }
    if (texts.empty())
        return 0;
    sqlite3_create_function_v2(db, "zel_texto_legado", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                               LegacyTextFunction, nullptr, nullptr, nullptr);
    sqlite3_create_function_v2(db, "zel_nao_utf8", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, NotUtf8Function,
                               nullptr, nullptr, nullptr);
    long rewritten = 0;
    try {
        CDaoTransaction trans(*this);
        for (const Column& c : texts) {
            const std::string column = QuoteIdentifier(c.name);
            Execute("UPDATE " + QuoteIdentifier(c.table) + " SET " + column + "=zel_texto_legado(" + column +
                    ") WHERE zel_nao_utf8(" + column + ")");
            rewritten += GetRecordsAffected();
        }
        trans.Commit();
    } catch (...) {
        sqlite3_create_function_v2(db, "zel_texto_legado", 1, SQLITE_UTF8, nullptr, nullptr, nullptr, nullptr, nullptr);
        sqlite3_create_function_v2(db, "zel_nao_utf8", 1, SQLITE_UTF8, nullptr, nullptr, nullptr, nullptr, nullptr);
        throw;
    }
    sqlite3_create_function_v2(db, "zel_texto_legado", 1, SQLITE_UTF8, nullptr, nullptr, nullptr, nullptr, nullptr);
    sqlite3_create_function_v2(db, "zel_nao_utf8", 1, SQLITE_UTF8, nullptr, nullptr, nullptr, nullptr, nullptr);
    return rewritten;
}

std::vector<std::string> CDaoDatabase::TableColumns(const std::string& table, const std::string& schema)
{
    SqliteStatement stmt(Handle(), "SELECT name FROM pragma_table_info(?, ?) ORDER BY cid", {table, schema});
    std::vector<std::string> names;
    while (stmt.Step())
        names.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(stmt.Get(), 0)));
    return names;
}

const CDaoDatabase::Attached* CDaoDatabase::FindAttached(const std::string& path) const
{
    std::error_code ec;
    const auto wanted = std::filesystem::weakly_canonical(path, ec);
    for (const auto& a : m_attached) {
        std::error_code ec2;
        if (a.path == path || (!ec && std::filesystem::weakly_canonical(a.path, ec2) == wanted))
            return &a;
    }
    return nullptr;
}

std::string CDaoDatabase::Attach(const std::string& path)
{
    sqlite3* db = Handle();
    RequireExistingFile(path, path);  // ATTACH would create a missing file
    const std::string alias = "zel_other_" + std::to_string(++m_aliasCounter);
    SqliteStatement(db, "ATTACH DATABASE ? AS " + alias, {path}).Run();
    try {
        SqliteStatement(db, "SELECT count(*) FROM " + alias + ".sqlite_master").Run();
    } catch (...) {
        sqlite3_exec(db, ("DETACH DATABASE " + alias).c_str(), nullptr, nullptr, nullptr);
        throw;
    }
    m_attached.push_back({path, alias});
    return alias;
}

void CDaoDatabase::Detach(const std::string& alias)
{
    if (!m_db)
        return;
    // Cached statements that name the alias would keep the file busy and fail after the detach.
    for (auto it = m_statementCache.begin(); it != m_statementCache.end();) {
        if (it->first.find(alias) != std::string::npos) {
            sqlite3_finalize(it->second);
            it = m_statementCache.erase(it);
        } else {
            ++it;
        }
    }
    sqlite3_exec(m_db, ("DETACH DATABASE " + alias).c_str(), nullptr, nullptr, nullptr);
    m_attached.erase(std::remove_if(m_attached.begin(), m_attached.end(),
                                    [&](const Attached& a) { return a.alias == alias; }),
                     m_attached.end());
}

template <class F> void CDaoDatabase::WithAttached(const std::string& path, F&& body)
{
    if (const Attached* a = FindAttached(path)) {
        body(a->alias);
        return;
    }
    const std::string alias = Attach(path);
    try {
        body(alias);
    } catch (...) {
        Detach(alias);
        throw;
    }
    Detach(alias);
}

void CDaoDatabase::InsertIntoOther(const std::string& otherPath, const std::string& table,
                                   const std::string& whereClause, const SqlParams& params)
{
    WithAttached(otherPath, [&](const std::string& alias) {
        // Columns by name, the target's order: SQLite maps an INSERT ... SELECT * by position.
        const auto source = TableColumns(table, "main");
        std::string list;
        for (const auto& column : TableColumns(table, alias)) {
            const bool inSource = std::any_of(source.begin(), source.end(), [&](const std::string& s) {
                return sqlite3_stricmp(s.c_str(), column.c_str()) == 0;
            });
            if (inSource)
                list += (list.empty() ? "" : ",") + QuoteIdentifier(column);
        }
        if (list.empty())
            throw CDaoException(SQLITE_ERROR, "SQLite",
                                "Erro no arquivo de dados: a tabela '" + table + "' não existe em '" + otherPath +
                                    "'.");
        const std::string sql = "INSERT INTO " + alias + "." + QuoteIdentifier(table) + " (" + list + ") SELECT " +
                                list + " FROM main." + QuoteIdentifier(table) +
                                (whereClause.empty() ? "" : " " + whereClause);
        Execute(sql, params);
    });
}

void CDaoDatabase::DeleteFromOther(const std::string& otherPath, const std::string& table,
                                   const std::string& whereClause, const SqlParams& params)
{
    WithAttached(otherPath, [&](const std::string& alias) {
        Execute("DELETE FROM " + alias + "." + QuoteIdentifier(table) +
                    (whereClause.empty() ? "" : " " + whereClause),
                params);
    });
}

CDaoAttachment::CDaoAttachment(CDaoDatabase& db, const std::string& otherPath) : m_db(db)
{
    m_alias = m_db.Attach(otherPath);
}

CDaoAttachment::~CDaoAttachment()
{
    m_db.Detach(m_alias);
}

CDaoTransaction::CDaoTransaction(CDaoDatabase& db) : m_db(db)
{
    m_db.BeginTrans();
}

CDaoTransaction::~CDaoTransaction()
{
    if (m_done)
        return;
    try {
        m_db.Rollback();
    } catch (...) {
        // A destructor must not throw; the engine has dropped the transaction in that case anyway.
    }
}

void CDaoTransaction::Commit()
{
    m_db.CommitTrans();
    m_done = true;
}
