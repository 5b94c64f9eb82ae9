#include "SqliteStatement.h"

#include "DaoDatabase.h"
#include "SqliteError.h"

#include <sqlite3.h>

SqliteStatement::SqliteStatement(sqlite3* db, const std::string& sql, const SqlParams& params)
    : m_db(db), m_stmt(PrepareOrThrow(db, sql))
{
    Bind(params);
}

SqliteStatement::SqliteStatement(CDaoDatabase& cache, const std::string& sql, const SqlParams& params)
    : m_db(cache.Handle()), m_stmt(cache.AcquireStatement(sql)), m_cache(&cache), m_sql(sql)
{
    Bind(params);
}

void SqliteStatement::Bind(const SqlParams& params)
{
    auto fail = [this](int rc, bool ownMessage) {
        // A statement that failed to bind goes back reset; it is still good for the next use.
        if (m_cache)
            m_cache->ReleaseStatement(m_sql, m_stmt);
        else
            sqlite3_finalize(m_stmt);
        m_stmt = nullptr;
        if (ownMessage)
            throw CDaoException(SQLITE_RANGE, "SQLite",
                                "Erro no arquivo de dados: número de parâmetros incorreto no comando SQL.");
        ThrowSqlite(m_db, rc);
    };
    const int expected = sqlite3_bind_parameter_count(m_stmt);
    if (expected != static_cast<int>(params.size()))
        fail(SQLITE_RANGE, true);
    for (int i = 0; i < expected; ++i) {
        const SqlValue& v = params[static_cast<size_t>(i)];
        int rc = SQLITE_OK;
        if (std::holds_alternative<std::nullptr_t>(v))
            rc = sqlite3_bind_null(m_stmt, i + 1);
        else if (const auto* n = std::get_if<std::int64_t>(&v))
            rc = sqlite3_bind_int64(m_stmt, i + 1, *n);
        else if (const auto* d = std::get_if<double>(&v))
            rc = sqlite3_bind_double(m_stmt, i + 1, *d);
        else {
            const std::string& s = std::get<std::string>(v);
            rc = sqlite3_bind_text(m_stmt, i + 1, s.data(), static_cast<int>(s.size()), SQLITE_TRANSIENT);
        }
        if (rc != SQLITE_OK)
            fail(rc, false);
    }
}

SqliteStatement::~SqliteStatement()
{
    if (!m_stmt)
        return;
    if (m_cache)
        m_cache->ReleaseStatement(m_sql, m_stmt);
    else
        sqlite3_finalize(m_stmt);
}

bool SqliteStatement::Step()
{
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    ThrowSqlite(m_db, rc);
}

void SqliteStatement::Run()
{
    while (Step()) {
    }
}
