#include "SqliteError.h"

#include "SystemError.h"

#include <sqlite3.h>

#include <cerrno>
#include <filesystem>
#include <map>
#include <mutex>

namespace {

std::mutex g_namesMutex;

// Never destroyed: databases held by static objects close after every other static is gone.
std::map<sqlite3*, std::string>& Names()
{
    static auto* names = new std::map<sqlite3*, std::string>;
    return *names;
}

std::string NameOf(sqlite3* db)
{
    std::lock_guard<std::mutex> lock(g_namesMutex);
    const auto it = Names().find(db);
    if (it != Names().end())
        return it->second;
    const char* file = db ? sqlite3_db_filename(db, "main") : nullptr;
    return file ? file : "";
}

// The engine's texts for a table or column the file lacks (a file another tool rewrote) and for a row the
// file's rules refuse, in Portuguese.
std::string EngineText(const std::string& text)
{
    static const std::pair<const char*, const char*> known[] = {
        {"no such column: ", "não existe a coluna "},
        {"no such table: ", "não existe a tabela "},
        {"UNIQUE constraint failed: ", "valor repetido em "},
        {"NOT NULL constraint failed: ", "valor em falta em "},
        {"CHECK constraint failed: ", "valor fora do permitido em "}};
    for (const auto& [english, portuguese] : known)
        if (text.starts_with(english))
            return portuguese + text.substr(std::char_traits<char>::length(english));
    return text;
}

std::string Describe(int rc, int systemError, const std::string& engineText, const std::string& subject)
{
    const std::string about = subject.empty() ? "" : " '" + subject + "'";
    // The system's error number says something only about the engine's own input and output.
    const int primary = rc & 0xFF;
    if (primary != SQLITE_IOERR && primary != SQLITE_CANTOPEN && primary != SQLITE_FULL)
        systemError = 0;
    const bool full = primary == SQLITE_FULL || systemError == ENOSPC || systemError == EDQUOT;
    if (full)
        return "O disco está cheio: não foi possível gravar o arquivo de dados" + about + ".";
    switch (primary) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return "O arquivo de dados" + about + " está em uso por outro programa.";
    case SQLITE_CANTOPEN:
        return "Não foi possível abrir o arquivo de dados" + about +
               (systemError ? ": " + SystemErrorText(systemError) : std::string("."));
    case SQLITE_NOTADB:
        return "O arquivo" + about + " não é um arquivo de dados válido.";
    case SQLITE_CORRUPT:
        return "O arquivo de dados" + about + " está danificado.";
    case SQLITE_READONLY:
        return "O arquivo de dados" + about + " não pode ser alterado (aberto somente para leitura).";
    case SQLITE_IOERR:
        return "Erro de leitura ou gravação no arquivo de dados" + about +
               (systemError ? ": " + SystemErrorText(systemError) : std::string("."));
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return "Sem permissão para usar o arquivo de dados" + about + ".";
    case SQLITE_CONSTRAINT:
        return "Registro rejeitado pelo arquivo de dados" + about + " (" + EngineText(engineText) + ").";
    case SQLITE_NOMEM:
        return "Não há memória suficiente para o arquivo de dados" + about + ".";
    case SQLITE_TOOBIG:
        return "Um valor é grande demais para o arquivo de dados" + about + ".";
    default:
        return "Erro no arquivo de dados" + about + ": " + EngineText(engineText);
    }
}

}  // namespace

void SetConnectionName(sqlite3* db, const std::string& name)
{
    std::lock_guard<std::mutex> lock(g_namesMutex);
    Names()[db] = name;
}

void ForgetConnectionName(sqlite3* db)
{
    std::lock_guard<std::mutex> lock(g_namesMutex);
    Names().erase(db);
}

std::string ConnectionNameOfFile(const std::string& path)
{
    std::error_code ec;
    const std::filesystem::path wanted = std::filesystem::weakly_canonical(path, ec);
    if (ec)
        return {};
    std::lock_guard<std::mutex> lock(g_namesMutex);
    for (const auto& [db, name] : Names()) {
        const char* file = sqlite3_db_filename(db, "main");
        if (file && *file && std::filesystem::weakly_canonical(file, ec) == wanted && !ec)
            return name;
    }
    return {};
}

void ThrowSqlite(sqlite3* db, int rc, const std::string& subject)
{
    const std::string engineText = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    const int code = db ? sqlite3_extended_errcode(db) : rc;
    const int systemError = db ? sqlite3_system_errno(db) : 0;
    throw CDaoException(code, "SQLite", Describe(code, systemError, engineText, subject.empty() ? NameOf(db) : subject));
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
