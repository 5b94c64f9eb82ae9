#pragma once
// A database file opened the way the programs open theirs: shared or exclusive, read-only or read-write.
// An existing file only: a missing file, an empty path or a file that is not a database fails at open.

#include "DaoException.h"
#include "FileLocks.h"
#include "SqlValue.h"

#include <string>
#include <unordered_map>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

inline constexpr int dbFailOnError = 128;

class CDaoDatabase {
public:
    CDaoDatabase() = default;
    ~CDaoDatabase();
    CDaoDatabase(const CDaoDatabase&) = delete;
    CDaoDatabase& operator=(const CDaoDatabase&) = delete;

    // Exclusive keeps other processes out (an advisory lock on the file that shared openers also take);
    // the connect string is accepted and not interpreted: there is no password protection.
    void Open(const std::string& path, bool exclusive = false, bool readOnly = false,
              const std::string& connect = "");
    void Close();
    bool IsOpen() const { return m_db != nullptr; }
    std::string GetName() const { return m_path; }
    // The name failures give the file (set before Open, it holds for the open too): a working copy's
    // failures name the user's project, not the temporary file. The file's own path when not set.
    void SetDisplayName(const std::string& name);
    std::string GetDisplayName() const { return m_displayName.empty() ? m_path : m_displayName; }
    bool IsReadOnly() const { return m_readOnly; }

    // Runs one statement (or several separated by ';' when there are no parameters). Every failure throws:
    // the options are taken for the Parts' dbFailOnError and not otherwise looked at.
    void Execute(const std::string& sql, int options = dbFailOnError);
    void Execute(const std::string& sql, const SqlParams& params, int options = dbFailOnError);
    long GetRecordsAffected() const { return m_recordsAffected; }

    // Nestable: the outermost level is a transaction, inner levels are savepoints.
    void BeginTrans();
    void CommitTrans();
    void Rollback();
    int TransactionDepth() const { return m_transDepth; }

    // The Jet "INSERT INTO table IN 'other' SELECT * FROM table [WHERE ...]": copies rows of this database's
    // table into the same table of another database file, column by column by name (the target's columns
    // that the source also has). The path is bound, never spliced into SQL text. When the file is already
    // attached (see CDaoAttachment) that attachment is used, so the copy can run inside a transaction.
    void InsertIntoOther(const std::string& otherPath, const std::string& table,
                         const std::string& whereClause = "", const SqlParams& params = {});
    // "DELETE FROM table IN 'other' [WHERE ...]".
    void DeleteFromOther(const std::string& otherPath, const std::string& table,
                         const std::string& whereClause = "", const SqlParams& params = {});

    // Rewrites as UTF-8 every text of the file's tables that is not valid UTF-8 (read as cp1252, the code
    // page the earlier programs wrote in); the number of values rewritten.
    long ConvertLegacyText();

    // Column names of a table, in declared order ("main" or an attached alias).
    std::vector<std::string> TableColumns(const std::string& table, const std::string& schema = "main");

    sqlite3* Handle() const;  // throws when closed

    // Prepared statements are kept by SQL text and reused: most of a sizing run is the same few queries
    // over and over. A statement is taken out while in use, so nested uses of one text each get their own.
    sqlite3_stmt* AcquireStatement(const std::string& sql);
    void ReleaseStatement(const std::string& sql, sqlite3_stmt* stmt);

private:
    friend class CDaoAttachment;
    struct Attached {
        std::string path;
        std::string alias;
    };
    const Attached* FindAttached(const std::string& path) const;
    std::string Attach(const std::string& path);
    void Detach(const std::string& alias);
    template <class F> void WithAttached(const std::string& path, F&& body);

    sqlite3* m_db = nullptr;
    std::string m_path;
    std::string m_displayName;
    bool m_readOnly = false;
    FileLockKey m_lock;
    int m_transDepth = 0;
    long m_recordsAffected = 0;
    int m_aliasCounter = 0;
    std::vector<Attached> m_attached;
    std::unordered_multimap<std::string, sqlite3_stmt*> m_statementCache;
    void FinalizeCachedStatements();
};

// Keeps another database file attached for a scope, so that several cross-database statements can run
// in one transaction (SQLite cannot attach inside one). Attach before BeginTrans.
class CDaoAttachment {
public:
    CDaoAttachment(CDaoDatabase& db, const std::string& otherPath);
    ~CDaoAttachment();
    CDaoAttachment(const CDaoAttachment&) = delete;
    CDaoAttachment& operator=(const CDaoAttachment&) = delete;
    const std::string& Alias() const { return m_alias; }

private:
    CDaoDatabase& m_db;
    std::string m_alias;
};

// One user operation's writes, whole or not at all: rolls back unless Commit ran.
class CDaoTransaction {
public:
    explicit CDaoTransaction(CDaoDatabase& db);
    ~CDaoTransaction();
    CDaoTransaction(const CDaoTransaction&) = delete;
    CDaoTransaction& operator=(const CDaoTransaction&) = delete;
    void Commit();

private:
    CDaoDatabase& m_db;
    bool m_done = false;
};
