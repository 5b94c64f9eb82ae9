#include "SqliteStatement.h"

#include "SqliteError.h"

#include <sqlite3.h>

SqliteStatement::SqliteStatement(sqlite3* db, const std::string& sql, const SqlParams& params)
    : m_db(db), m_stmt(PrepareOrThrow(db, sql))
{
    const int expected = sqlite3_bind_parameter_count(m_stmt);
    if (expected != static_cast<int>(params.size())) {
        sqlite3_finalize(m_stmt);
        m_stmt = nullptr;
        throw CDaoException(SQLITE_RANGE, "SQLite",
                            "Erro no arquivo de dados: número de parâmetros incorreto no comando SQL.");
    }
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
        if (rc != SQLITE_OK) {
            sqlite3_finalize(m_stmt);
            m_stmt = nullptr;
            ThrowSqlite(m_db, rc);
        }
    }
}

SqliteStatement::~SqliteStatement() { sqlite3_finalize(m_stmt); }

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
