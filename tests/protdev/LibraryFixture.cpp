#include "LibraryFixture.h"

#include <sqlite3.h>

#include <filesystem>
#include <stdexcept>

namespace prottest {

const char* const kLibrarySchema = R"SQL(
CREATE TABLE dispositivo_protecao (
  dispositivo_protecao_codigo BYTE NOT NULL PRIMARY KEY,
  dispositivo_protecao_descricao TEXT(50),
  dispositivo_protecao_tensao SHORT);
CREATE TABLE disjuntor_corrente_nominal (
  dispositivo_protecao_codigo BYTE NOT NULL,
  disjuntor_corrente_nominal SHORT NOT NULL,
  disjuntor_corrente_t5s SINGLE,
  disjuntor_corrente_ruptura SINGLE,
  disjuntor_alfa SINGLE,
  disjuntor_corrente_minima_atuacao SINGLE,
  disjuntor_i2t_corrente_minima_atuacao SINGLE,
  disjuntor_limiar_atuacao_magnetica SINGLE,
  disjuntor_i2t_termico_limiar_magnetico SINGLE,
  disjuntor_i2t_magnetico_limiar_magnetico SINGLE,
  disjuntor_corrente_capacidade SINGLE,
  disjuntor_i2t_corrente_capacidade SINGLE,
  disjuntor_corrente_minima_atuacao_magnetica SINGLE,
  PRIMARY KEY (dispositivo_protecao_codigo, disjuntor_corrente_nominal));
CREATE TABLE disjuntor_pontos_curva (
  dispositivo_protecao_codigo BYTE NOT NULL,
  disjuntor_corrente_nominal SHORT NOT NULL,
  disjuntor_corrente SINGLE NOT NULL,
  disjuntor_i2t SINGLE,
  PRIMARY KEY (dispositivo_protecao_codigo, disjuntor_corrente_nominal, disjuntor_corrente));
CREATE TABLE fusivel_corrente_nominal (
  dispositivo_protecao_codigo BYTE NOT NULL,
  fusivel_corrente_nominal SHORT NOT NULL,
  fusivel_corrente_t5s SINGLE,
  fusivel_corrente_ruptura SINGLE,
  fusivel_alfa SINGLE,
  PRIMARY KEY (dispositivo_protecao_codigo, fusivel_corrente_nominal));
)SQL";

const char* const kSampleRows = R"SQL(
INSERT INTO dispositivo_protecao VALUES (1, 'DIN curva C', 220);
INSERT INTO dispositivo_protecao VALUES (3, 'Caixa moldada', 380);
INSERT INTO dispositivo_protecao VALUES (4, 'NH gG', NULL);
INSERT INTO dispositivo_protecao VALUES (2, 'DIN curva B', 220);
INSERT INTO disjuntor_corrente_nominal VALUES (1, 16, 160, 3000, 1.45, 80, 1200.5, 160, 2500, 1800.5, 3000, 9000.5, 90);
INSERT INTO disjuntor_corrente_nominal VALUES (1, 25, 250, 3000, 1.45, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO disjuntor_corrente_nominal VALUES (2, 16, 100, 3000, 1.45, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO disjuntor_corrente_nominal VALUES (3, 100, 1000, 25000, 1.3, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO disjuntor_pontos_curva VALUES (1, 16, 100, 5000);
INSERT INTO disjuntor_pontos_curva VALUES (1, 16, 1000, 2500);
INSERT INTO fusivel_corrente_nominal VALUES (4, 20, 80, 100000, 1.6);
INSERT INTO fusivel_corrente_nominal VALUES (4, 10, 47, 100000, 1.9);
)SQL";

namespace {

std::vector<std::string> Query(const std::string& path, const std::string& sql)
{
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        throw std::runtime_error("cannot open " + path);
    }
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK) {
        std::string error = sqlite3_errmsg(db);
        sqlite3_close(db);
        throw std::runtime_error("SQL failed: " + error);
    }
    std::vector<std::string> rows;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        const unsigned char* text = sqlite3_column_text(stmt, 0);
        rows.emplace_back(text ? reinterpret_cast<const char*>(text) : "");
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return rows;
}

std::string Where(int code)
{
    return code < 0 ? "" : " WHERE dispositivo_protecao_codigo=" + std::to_string(code);
}

std::vector<std::string> Rows(const std::string& path, int code)
{
    std::vector<std::string> all;
    auto add = [&](const std::string& sql) {
        for (auto& r : Query(path, sql))
            all.push_back(std::move(r));
    };
    add("SELECT 'D|'||dispositivo_protecao_codigo||'|'||ifnull(dispositivo_protecao_descricao,'')||'|'||"
        "ifnull(dispositivo_protecao_tensao,'NULL') FROM dispositivo_protecao" + Where(code) + " ORDER BY rowid");
    add("SELECT 'B|'||dispositivo_protecao_codigo||'|'||disjuntor_corrente_nominal||'|'||disjuntor_corrente_t5s||'|'||"
        "disjuntor_corrente_ruptura||'|'||round(disjuntor_alfa,3)||'|'||disjuntor_corrente_minima_atuacao||'|'||"
        "disjuntor_i2t_corrente_minima_atuacao||'|'||disjuntor_limiar_atuacao_magnetica||'|'||"
        "disjuntor_i2t_termico_limiar_magnetico||'|'||disjuntor_i2t_magnetico_limiar_magnetico||'|'||"
        "disjuntor_corrente_capacidade||'|'||disjuntor_i2t_corrente_capacidade||'|'||"
        "disjuntor_corrente_minima_atuacao_magnetica FROM disjuntor_corrente_nominal" + Where(code) +
        " ORDER BY rowid");
    add("SELECT 'P|'||dispositivo_protecao_codigo||'|'||disjuntor_corrente_nominal||'|'||disjuntor_corrente||'|'||"
        "disjuntor_i2t FROM disjuntor_pontos_curva" + Where(code) + " ORDER BY rowid");
    add("SELECT 'F|'||dispositivo_protecao_codigo||'|'||fusivel_corrente_nominal||'|'||fusivel_corrente_t5s||'|'||"
        "fusivel_corrente_ruptura||'|'||round(fusivel_alfa,3) FROM fusivel_corrente_nominal" + Where(code) +
        " ORDER BY rowid");
    return all;
}

}  // namespace

std::vector<std::string> DeviceRows(const std::string& path, int code)
{
    return Rows(path, code);
}

std::vector<std::string> AllRows(const std::string& path)
{
    return Rows(path, -1);
}

ProtdevFixture::ProtdevFixture(const std::string& rows)
{
    zeltest::MakeDatabase(LibraryPath(), std::string(kLibrarySchema) + rows);
    context.messages = &messages;
    context.clock = &clock;
    context.appTitle = "Protdev";
    m_scoped = std::make_unique<ScopedAppContext>(context);
    m_cwd = std::make_unique<zeltest::ScopedCurrentDir>(dir.Path());
}

ProtdevFixture::~ProtdevFixture()
{
    m_cwd.reset();
    m_scoped.reset();
}

std::string ProtdevFixture::Log() const
{
    std::error_code ec;
    if (!std::filesystem::exists(dir.File("ZEL.LOG"), ec))
        return "";
    return zeltest::ReadFile(dir.File("ZEL.LOG"));
}

}  // namespace prottest
