#pragma once
// Turns an SQLite failure into the DAO-style exception, with a description in Portuguese.

#include "DaoException.h"

#include <string>

struct sqlite3;

[[noreturn]] void ThrowSqlite(sqlite3* db, int rc, const std::string& subject = "");
// Statements prepared and stepped with every failure thrown; used by the database and the recordsets.
struct sqlite3_stmt;
sqlite3_stmt* PrepareOrThrow(sqlite3* db, const std::string& sql);
