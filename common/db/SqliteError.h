#pragma once
// Turns an SQLite failure into the DAO-style exception, with a description in Portuguese that names the
// file the user knows.

#include "DaoException.h"

#include <string>

struct sqlite3;

// subject: the file the failure is about; empty: the name registered for the connection (its file).
[[noreturn]] void ThrowSqlite(sqlite3* db, int rc, const std::string& subject = "");
// Statements prepared and stepped with every failure thrown; used by the database and the recordsets.
struct sqlite3_stmt;
sqlite3_stmt* PrepareOrThrow(sqlite3* db, const std::string& sql);

// The name a connection's failures give its file: a working copy's failures name the user's project.
void SetConnectionName(sqlite3* db, const std::string& name);
void ForgetConnectionName(sqlite3* db);
// The name another connection of this process gives the same file (a report reading a project's working
// copy names the project); empty when none does.
std::string ConnectionNameOfFile(const std::string& path);
