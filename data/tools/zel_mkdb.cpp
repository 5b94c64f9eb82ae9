// zel_mkdb: builds one of the delivered databases from its text sources.
//
//   zel_mkdb <output.zel> <schema.sql> [<table>.csv ...]
//
// The schema runs first; then each CSV file fills the table named by its file name. A CSV file opens
// with one or more '#' lines naming where its rows come from, then a header of column names; a column
// whose name starts with '_' is a note for the reader and is not loaded. Every value is checked
// against the declared type of its column (integers in range, numbers that parse whole, BIT as -1/0),
// so a typing slip fails the build instead of reaching an engineer. The file is written under a
// temporary name and renamed over the target only when it is complete, in rollback-journal mode.

#include <sqlite3.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <limits>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct BuildError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class Db {
public:
    explicit Db(const std::string& path) {
        if (sqlite3_open_v2(path.c_str(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
            std::string msg = m_db ? sqlite3_errmsg(m_db) : "out of memory";
            sqlite3_close(m_db);
            m_db = nullptr;
            throw BuildError("cannot create " + path + ": " + msg);
        }
    }
    ~Db() { sqlite3_close(m_db); }
    Db(const Db&) = delete;
    Db& operator=(const Db&) = delete;

    void Exec(const std::string& sql) {
        char* err = nullptr;
        if (sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, &err) != SQLITE_OK) {
            std::string msg = err ? err : sqlite3_errmsg(m_db);
            sqlite3_free(err);
            throw BuildError(msg);
        }
    }
    sqlite3* Handle() const { return m_db; }

private:
    sqlite3* m_db = nullptr;
};

class Stmt {
public:
    Stmt(sqlite3* db, const std::string& sql) : m_db(db) {
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &m_stmt, nullptr) != SQLITE_OK)
            throw BuildError(std::string(sqlite3_errmsg(db)) + " in: " + sql);
    }
    ~Stmt() { sqlite3_finalize(m_stmt); }
    Stmt(const Stmt&) = delete;
    Stmt& operator=(const Stmt&) = delete;
    sqlite3_stmt* operator*() const { return m_stmt; }
    bool Step() {
        int rc = sqlite3_step(m_stmt);
        if (rc == SQLITE_ROW) return true;
        if (rc == SQLITE_DONE) return false;
        throw BuildError(sqlite3_errmsg(m_db));
    }
    void Reset() {
        sqlite3_reset(m_stmt);
        sqlite3_clear_bindings(m_stmt);
    }

private:
    sqlite3* m_db;
    sqlite3_stmt* m_stmt = nullptr;
};

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw BuildError("cannot read " + path.string());
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// One CSV record (RFC 4180: quoted fields may hold commas, doubled quotes and line breaks).
bool NextRecord(const std::string& text, size_t& pos, std::vector<std::string>& fields, int& line) {
    fields.clear();
    if (pos >= text.size()) return false;
    std::string field;
    bool quoted = false;
    bool any = false;
    while (pos < text.size()) {
        char c = text[pos++];
        any = true;
        if (quoted) {
            if (c == '"') {
                if (pos < text.size() && text[pos] == '"') {
                    field += '"';
                    ++pos;
                } else {
                    quoted = false;
                }
            } else {
                if (c == '\n') ++line;
                field += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            fields.push_back(field);
            field.clear();
        } else if (c == '\r') {
            // tolerated before '\n'
        } else if (c == '\n') {
            ++line;
            break;
        } else {
            field += c;
        }
    }
    if (quoted) throw BuildError("unterminated quoted field");
    if (any) fields.push_back(field);
    return any;
}

enum class Kind { boolean, integer, real, text, datetime };

struct Column {
    std::string name;
    Kind kind = Kind::text;
    long long minValue = 0;
    long long maxValue = 0;
    bool notNull = false;
};

std::string Upper(std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

// The data layer's reading of declared types, so that the build refuses what the programs would.
Column DescribeColumn(const std::string& name, const std::string& declared, bool notNull) {
    Column col;
    col.name = name;
    col.notNull = notNull;
    std::string t = Upper(declared);
    std::string base = t.substr(0, t.find('('));
    if (base == "BIT") {
        col.kind = Kind::boolean;
    } else if (base == "BYTE") {
        col.kind = Kind::integer;
        col.minValue = 0;
        col.maxValue = 255;
    } else if (base == "SHORT" || base == "SMALLINT") {
        col.kind = Kind::integer;
        col.minValue = -32768;
        col.maxValue = 32767;
    } else if (base == "LONG" || base == "INT" || base == "INTEGER") {
        col.kind = Kind::integer;
        col.minValue = std::numeric_limits<int>::min();
        col.maxValue = std::numeric_limits<int>::max();
    } else if (base == "SINGLE" || base == "REAL" || base == "DOUBLE" || base == "FLOAT") {
        col.kind = Kind::real;
    } else if (base == "DATETIME" || base == "DATE") {
        col.kind = Kind::datetime;
    } else if (base == "TEXT" || base == "VARCHAR" || base == "MEMO") {
        col.kind = Kind::text;
    } else {
        throw BuildError("column " + name + " has a type the data layer does not know: '" + declared + "'");
    }
    return col;
}

std::vector<Column> TableColumns(Db& db, const std::string& table) {
    Stmt info(db.Handle(), "SELECT name, type, \"notnull\" FROM pragma_table_info(?1)");
    sqlite3_bind_text(*info, 1, table.c_str(), -1, SQLITE_TRANSIENT);
    std::vector<Column> cols;
    while (info.Step()) {
        cols.push_back(DescribeColumn(reinterpret_cast<const char*>(sqlite3_column_text(*info, 0)),
                                      reinterpret_cast<const char*>(sqlite3_column_text(*info, 1)),
                                      sqlite3_column_int(*info, 2) != 0));
    }
    return cols;
}

bool ParseDouble(const std::string& s, double& out) {
    if (s.empty()) return false;
    const char* begin = s.c_str();
    char* end = nullptr;
    errno = 0;
    out = std::strtod(begin, &end);
    return errno == 0 && end == begin + s.size() && std::isfinite(out);
}

bool ParseInteger(const std::string& s, long long& out) {
    if (s.empty()) return false;
    const char* begin = s.c_str();
    char* end = nullptr;
    errno = 0;
    out = std::strtoll(begin, &end, 10);
    return errno == 0 && end == begin + s.size();
}

void Bind(sqlite3_stmt* stmt, int index, const Column& col, const std::string& value) {
    auto fail = [&](const std::string& why) {
        throw BuildError("column " + col.name + ": '" + value + "' " + why);
    };
    if (value.empty() && col.kind != Kind::text) {
        if (col.notNull) fail("is empty but the column is NOT NULL");
        sqlite3_bind_null(stmt, index);
        return;
    }
    switch (col.kind) {
    case Kind::boolean: {
        long long v = 0;
        if (!ParseInteger(value, v) || (v != 0 && v != -1 && v != 1)) fail("is not a BIT (-1, 0 or 1)");
        sqlite3_bind_int(stmt, index, v != 0 ? -1 : 0);
        break;
    }
    case Kind::integer: {
        long long v = 0;
        if (!ParseInteger(value, v)) fail("is not a whole number");
        if (v < col.minValue || v > col.maxValue) fail("is out of the column's range");
        sqlite3_bind_int64(stmt, index, v);
        break;
    }
    case Kind::real:
    case Kind::datetime: {
        double v = 0;
        if (!ParseDouble(value, v)) fail("is not a number");
        sqlite3_bind_double(stmt, index, v);
        break;
    }
    case Kind::text:
        sqlite3_bind_text(stmt, index, value.c_str(), static_cast<int>(value.size()), SQLITE_TRANSIENT);
        break;
    }
}

void LoadCsv(Db& db, const fs::path& path) {
    const std::string table = path.stem().string();
    const std::vector<Column> columns = TableColumns(db, table);
    if (columns.empty()) throw BuildError(path.string() + ": no table named " + table + " in the schema");

    const std::string text = ReadFile(path);
    size_t pos = 0;
    int line = 1;
    std::vector<std::string> fields;
    bool sawSource = false;
    std::vector<std::string> header;
    while (NextRecord(text, pos, fields, line)) {
        if (!fields.empty() && !fields[0].empty() && fields[0][0] == '#') {
            sawSource = true;
            continue;
        }
        header = fields;
        break;
    }
    if (!sawSource) throw BuildError(path.string() + ": the file must open with '#' lines naming its source");
    if (header.empty()) throw BuildError(path.string() + ": no header line");

    std::vector<int> target;  // header index -> column index, -1 for a note column
    std::string names, marks;
    std::vector<const Column*> bound;
    for (const std::string& h : header) {
        if (!h.empty() && h[0] == '_') {
            target.push_back(-1);
            continue;
        }
        int found = -1;
        for (size_t i = 0; i < columns.size(); ++i)
            if (columns[i].name == h) found = static_cast<int>(i);
        if (found < 0) throw BuildError(path.string() + ": table " + table + " has no column '" + h + "'");
        target.push_back(found);
        bound.push_back(&columns[static_cast<size_t>(found)]);
        names += (names.empty() ? "" : ",") + std::string("\"") + h + "\"";
        marks += marks.empty() ? "?" : ",?";
    }
    Stmt insert(db.Handle(), "INSERT INTO \"" + table + "\" (" + names + ") VALUES (" + marks + ")");
    int rows = 0;
    while (true) {
        int recordLine = line;
        if (!NextRecord(text, pos, fields, line)) break;
        if (fields.size() == 1 && fields[0].empty()) continue;               // blank line
        if (!fields[0].empty() && fields[0][0] == '#') continue;             // comment
        if (fields.size() != header.size())
            throw BuildError(path.string() + ":" + std::to_string(recordLine) + ": " +
                             std::to_string(fields.size()) + " fields, header has " +
                             std::to_string(header.size()));
        try {
            int index = 1;
            for (size_t i = 0; i < fields.size(); ++i) {
                if (target[i] < 0) continue;
                Bind(*insert, index++, columns[static_cast<size_t>(target[i])], fields[i]);
            }
            insert.Step();
            insert.Reset();
        } catch (const BuildError& e) {
            throw BuildError(path.string() + ":" + std::to_string(recordLine) + ": " + e.what());
        }
        ++rows;
    }
    if (rows == 0) throw BuildError(path.string() + ": no rows");
}

void Build(const fs::path& output, const fs::path& schema, const std::vector<fs::path>& csvs) {
    fs::path temp = output;
    temp += ".tmp";
    fs::remove(temp);
    {
        Db db(temp.string());
        db.Exec("PRAGMA journal_mode=DELETE");
        db.Exec("PRAGMA foreign_keys=OFF");
        db.Exec("BEGIN");
        try {
            db.Exec(ReadFile(schema));
        } catch (const BuildError& e) {
            throw BuildError(schema.string() + ": " + e.what());
        }
        for (const fs::path& csv : csvs) LoadCsv(db, csv);
        db.Exec("COMMIT");
        Stmt check(db.Handle(), "PRAGMA integrity_check");
        if (!check.Step() || std::strcmp(reinterpret_cast<const char*>(sqlite3_column_text(*check, 0)), "ok") != 0)
            throw BuildError("integrity check failed");
    }
    fs::rename(temp, output);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: zel_mkdb <output.zel> <schema.sql> [<table>.csv ...]\n";
        return 2;
    }
    try {
        std::vector<fs::path> csvs(argv + 3, argv + argc);
        Build(argv[1], argv[2], csvs);
    } catch (const std::exception& e) {
        std::cerr << "zel_mkdb: " << e.what() << "\n";
        fs::path temp = argv[1];
        temp += ".tmp";
        std::error_code ec;
        fs::remove(temp, ec);
        return 1;
    }
    return 0;
}
