#include "SqliteError.h"

#include <sqlite3.h>

namespace {

std::string Describe(int rc, const std::string& engineText, const std::string& subject)
{
    const std::string about = subject.empty() ? "" : " '" + subject + "'";
    switch (rc & 0xFF) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return "O arquivo de dados" + about + " está em uso por outro programa.";
    case SQLITE_CANTOPEN:
        return "Não foi possível abrir o arquivo de dados" + about + ".";
    case SQLITE_NOTADB:
        return "O arquivo" + about + " não é um arquivo de dados válido.";
    case SQLITE_CORRUPT:
        return "O arquivo de dados" + about + " está danificado.";
    case SQLITE_READONLY:
        return "O arquivo de dados" + about + " não pode ser alterado (aberto somente para leitura).";
    case SQLITE_FULL:
        return "Não há espaço em disco para gravar o arquivo de dados" + about + ".";
    case SQLITE_IOERR:
        return "Erro de leitura ou gravação no arquivo de dados" + about + ".";
    case SQLITE_CONSTRAINT:
        return "Registro rejeitado pelo arquivo de dados (" + engineText + ").";
    default:
        return "Erro no arquivo de dados: " + engineText;
    }
}

}  // namespace

void ThrowSqlite(sqlite3* db, int rc, const std::string& subject)
{
    const std::string engineText = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    const int code = db ? sqlite3_extended_errcode(db) : rc;
    throw CDaoException(code, "SQLite", Describe(rc, engineText, subject));
}

sqlite3_stmt* PrepareOrThrow(sqlite3* db, const std::string& sql)
{
    sqlite3_stmt* stmt = nullptr;
    const int rc = sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()), &stmt, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_finalize(stmt);
        ThrowSqlite(db, rc);
    }
    if (!stmt)  // empty statement text
        throw CDaoException(SQLITE_MISUSE, "SQLite", "Erro no arquivo de dados: comando SQL vazio.");
    return stmt;
}
