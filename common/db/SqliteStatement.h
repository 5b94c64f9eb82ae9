#pragma once
// One prepared statement, finalized on every path.

#include "SqlValue.h"

#include <string>

struct sqlite3;
struct sqlite3_stmt;

class CDaoDatabase;

class SqliteStatement {
public:
    SqliteStatement(sqlite3* db, const std::string& sql, const SqlParams& params = {});
    // Takes the statement from the database's cache and gives it back at the end.
    SqliteStatement(CDaoDatabase& cache, const std::string& sql, const SqlParams& params = {});
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    // true while a row is there; throws on failure.
    bool Step();
    // Runs to completion.
    void Run();
    sqlite3_stmt* Get() const { return m_stmt; }

private:
    void Bind(const SqlParams& params);

    sqlite3* m_db;
    sqlite3_stmt* m_stmt = nullptr;
    CDaoDatabase* m_cache = nullptr;
    std::string m_sql;
};
