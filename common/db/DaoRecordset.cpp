#include "DaoRecordset.h"

#include "LegacyText.h"
#include "SqliteError.h"
#include "SqliteStatement.h"

#include <sqlite3.h>

#include <cctype>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

constexpr long kNoCurrentRecord = 3021;
constexpr long kItemNotFound = 3265;
constexpr long kUpdateWithoutEdit = 3020;

// The file is named: a row missing from a catalogue and one missing from a project call for different
// remedies.
CDaoException NoCurrentRecord(const CDaoDatabase* db)
{
    const std::string file = db ? db->GetDisplayName() : std::string();
    return CDaoException(kNoCurrentRecord, "DAO.Recordset",
                         file.empty() ? std::string("Não há registro corrente.")
                                      : "Não há registro corrente no arquivo de dados '" + file + "'.");
}

// A column the file lacks (a catalogue another tool rewrote): the file is named.
CDaoException ItemNotFound(const CDaoDatabase* db, const std::string& name)
{
    const std::string file = db ? db->GetDisplayName() : std::string();
    return CDaoException(kItemNotFound, "DAO.Fields",
                         "Campo '" + name + "' inexistente" +
                             (file.empty() ? std::string(".") : " no arquivo de dados '" + file + "'."));
}

std::string Upper(const char* s)
{
    std::string out;
    for (; *s; ++s)
        out += static_cast<char>(std::toupper(static_cast<unsigned char>(*s)));
    return out;
}

std::string ColumnText(sqlite3_stmt* stmt, int i)
{
    const auto* text = sqlite3_column_text(stmt, i);
    // Texts the earlier programs wrote in the Windows code page come out as UTF-8.
    return TextFromFile(std::string_view(reinterpret_cast<const char*>(text), static_cast<size_t>(sqlite3_column_bytes(stmt, i))));
}

COleVariant ReadColumn(sqlite3_stmt* stmt, int i, VARTYPE declared)
{
    const int storage = sqlite3_column_type(stmt, i);
    if (storage == SQLITE_NULL)
        return COleVariant::Null();
    COleVariant v;
    if (declared == VT_EMPTY) {
        v.computed = true;
        if (storage == SQLITE_INTEGER) {
            v.vt = VT_I4;
            v.lVal = sqlite3_column_int64(stmt, i);
        } else if (storage == SQLITE_FLOAT) {
            v.vt = VT_R8;
            v.dblVal = sqlite3_column_double(stmt, i);
        } else {
            v.vt = VT_BSTR;
            v.strVal = ColumnText(stmt, i);
        }
        return v;
    }
    v.vt = declared;
    const bool number = storage == SQLITE_INTEGER || storage == SQLITE_FLOAT;
    switch (declared) {
    case VT_BOOL:
    case VT_UI1:
    case VT_I2:
    case VT_I4: {
        // The whole stored value: whether it fits the column's type is the typed getters' question.
        const double d = sqlite3_column_double(stmt, i);
        if (storage == SQLITE_INTEGER)
            v.lVal = sqlite3_column_int64(stmt, i);
        else if (storage == SQLITE_FLOAT && std::floor(d) == d && std::fabs(d) < 9.2e18)
            v.lVal = static_cast<std::int64_t>(d);
        else
            v.invalid = true;
        break;
    }
    case VT_R4: {
        const double d = sqlite3_column_double(stmt, i);
        if (number && std::isfinite(d) && std::fabs(d) <= static_cast<double>(std::numeric_limits<float>::max()))
            v.dblVal = static_cast<double>(static_cast<float>(d));
        else
            v.invalid = true;
        break;
    }
    case VT_R8:
    case VT_DATE:
        if (number)
            v.dblVal = sqlite3_column_double(stmt, i);
        else
            v.invalid = true;
        break;
    default:
        v.strVal = ColumnText(stmt, i);
        break;
    }
    if (v.invalid)
        v.strVal = ColumnText(stmt, i);
    return v;
}

SqlValue ToSql(const COleVariant& v)
{
    switch (v.vt) {
    case VT_EMPTY:
    case VT_NULL:
        return nullptr;
    case VT_BOOL:
    case VT_UI1:
    case VT_I2:
    case VT_I4:
        return v.lVal;
    case VT_R4:
    case VT_R8:
    case VT_DATE:
        return v.dblVal;
    default:
        return v.strVal;
    }
}

std::string Quote(const std::string& name)
{
    std::string out = "\"";
    for (char c : name) {
        if (c == '"')
            out += '"';
        out += c;
    }
    return out + "\"";
}

}  // namespace

VARTYPE VariantTypeOfDeclared(const char* declaredType)
{
    if (!declaredType || !*declaredType)
        return VT_EMPTY;
    std::string t = Upper(declaredType);
    if (const auto paren = t.find('('); paren != std::string::npos)
        t.erase(paren);
    while (!t.empty() && t.back() == ' ')
        t.pop_back();
    if (t == "BIT" || t == "BOOLEAN" || t == "YESNO" || t == "LOGICAL")
        return VT_BOOL;
    if (t == "BYTE" || t == "TINYINT")
        return VT_UI1;
    if (t == "SHORT" || t == "SMALLINT" || t == "INTEGER2")
        return VT_I2;
    if (t == "LONG" || t == "INT" || t == "INTEGER" || t == "INTEGER4" || t == "COUNTER" || t == "AUTOINCREMENT")
        return VT_I4;
    if (t == "SINGLE" || t == "REAL" || t == "FLOAT4")
        return VT_R4;
    if (t == "DOUBLE" || t == "FLOAT" || t == "FLOAT8" || t == "NUMBER")
        return VT_R8;
    if (t == "DATETIME" || t == "DATE" || t == "TIME" || t == "TIMESTAMP")
        return VT_DATE;
    if (t == "TEXT" || t == "VARCHAR" || t == "CHAR" || t == "MEMO" || t == "STRING" || t == "LONGTEXT")
        return VT_BSTR;
    return VT_EMPTY;
}

CDaoRecordset::CDaoRecordset(CDaoDatabase* pDatabase) : m_pDatabase(pDatabase) {}

CDaoRecordset::~CDaoRecordset() = default;

void CDaoRecordset::Open(int nOpenType, const char* lpszSQL, int /*nOptions*/)
{
    Open(nOpenType, std::string(lpszSQL ? lpszSQL : ""), SqlParams{});
}

void CDaoRecordset::Open(int nOpenType, const std::string& sql, const SqlParams& params)
{
    if (m_open)
        Close();
    if (!m_pDatabase)
        throw CDaoException::Layer(AFX_DAO_ERROR_OBJECT_NOT_OPEN, "recordset without database");
    m_openType = nOpenType;
    if (nOpenType == dbOpenTable) {
        m_table = sql;
        Load("SELECT rowid AS zel_rowid, * FROM " + Quote(sql) + " ORDER BY rowid", params);
    } else {
        m_table.clear();
        Load(sql, params);
    }
    m_open = true;
    m_pos = 0;
    m_editMode = EditMode::none;
}

void CDaoRecordset::Load(const std::string& sql, const SqlParams& params)
{
    SqliteStatement stmt(*m_pDatabase, sql, params);
    sqlite3_stmt* s = stmt.Get();
    const bool table = m_openType == dbOpenTable;
    // The first step may prepare the statement again (a reused statement after a schema change), so the
    // columns are read after it.
    bool haveRow = stmt.Step();
    const int count = sqlite3_column_count(s);
    const int first = table ? 1 : 0;
    m_columns.clear();
    m_rows.clear();
    m_rowids.clear();
    for (int i = first; i < count; ++i)
        m_columns.push_back({sqlite3_column_name(s, i), VariantTypeOfDeclared(sqlite3_column_decltype(s, i))});
    for (; haveRow; haveRow = stmt.Step()) {
        std::vector<COleVariant> row;
        row.reserve(m_columns.size());
        for (int i = first; i < count; ++i)
            row.push_back(ReadColumn(s, i, m_columns[static_cast<size_t>(i - first)].type));
        m_rows.push_back(std::move(row));
        if (table)
            m_rowids.push_back(sqlite3_column_int64(s, 0));
    }
}

void CDaoRecordset::Close()
{
    m_open = false;
    m_rows.clear();
    m_rowids.clear();
    m_columns.clear();
    m_editMode = EditMode::none;
}

void CDaoRecordset::RequireOpen() const
{
    if (!m_open)
        throw CDaoException::Layer(AFX_DAO_ERROR_OBJECT_NOT_OPEN, "recordset not open");
}

void CDaoRecordset::RequireCurrent() const
{
    RequireOpen();
    if (m_pos < 0 || m_pos >= static_cast<long>(m_rows.size()))
        throw NoCurrentRecord(m_pDatabase);
}

bool CDaoRecordset::IsEOF() const
{
    RequireOpen();
    return m_rows.empty() || m_pos >= static_cast<long>(m_rows.size());
}

bool CDaoRecordset::IsBOF() const
{
    RequireOpen();
    return m_rows.empty() || m_pos < 0;
}

void CDaoRecordset::MoveFirst()
{
    RequireOpen();
    if (m_rows.empty())
        throw NoCurrentRecord(m_pDatabase);
    m_pos = 0;
}

void CDaoRecordset::MoveLast()
{
    RequireOpen();
    if (m_rows.empty())
        throw NoCurrentRecord(m_pDatabase);
    m_pos = static_cast<long>(m_rows.size()) - 1;
}

void CDaoRecordset::MoveNext()
{
    RequireOpen();
    if (IsEOF())
        throw NoCurrentRecord(m_pDatabase);
    ++m_pos;
}

void CDaoRecordset::MovePrev()
{
    RequireOpen();
    if (IsBOF())
        throw NoCurrentRecord(m_pDatabase);
    --m_pos;
}

long CDaoRecordset::GetRecordCount() const
{
    RequireOpen();
    return static_cast<long>(m_rows.size());
}

int CDaoRecordset::ColumnIndex(const std::string& name) const
{
    for (size_t i = 0; i < m_columns.size(); ++i)
        if (sqlite3_stricmp(m_columns[i].name.c_str(), name.c_str()) == 0)
            return static_cast<int>(i);
    return -1;
}

std::string CDaoRecordset::GetFieldName(int index) const
{
    RequireOpen();
    if (index < 0 || index >= static_cast<int>(m_columns.size()))
        throw CDaoException(kItemNotFound, "DAO.Fields", "Campo inexistente.");
    return m_columns[static_cast<size_t>(index)].name;
}

COleVariant CDaoRecordset::GetFieldValue(const std::string& name) const
{
    RequireOpen();
    const int index = ColumnIndex(name);
    if (index < 0)
        throw ItemNotFound(m_pDatabase, name);
    if (m_editMode != EditMode::none)
        return m_buffer[static_cast<size_t>(index)];
    RequireCurrent();
    return m_rows[static_cast<size_t>(m_pos)][static_cast<size_t>(index)];
}

void CDaoRecordset::AddNew()
{
    RequireOpen();
    if (!CanUpdate())
        throw CDaoException(3027, "DAO.Recordset", "Não é possível alterar: o conjunto de registros é somente leitura.");
    m_editMode = EditMode::add;
    m_buffer.assign(m_columns.size(), COleVariant::Null());
    m_dirty.assign(m_columns.size(), false);
}

void CDaoRecordset::Edit()
{
    RequireCurrent();
    if (!CanUpdate())
        throw CDaoException(3027, "DAO.Recordset", "Não é possível alterar: o conjunto de registros é somente leitura.");
    m_editMode = EditMode::edit;
    m_buffer = m_rows[static_cast<size_t>(m_pos)];
    m_dirty.assign(m_columns.size(), false);
}

void CDaoRecordset::SetFieldValue(const std::string& name, const COleVariant& value)
{
    RequireOpen();
    const int index = ColumnIndex(name);
    if (index < 0)
        throw ItemNotFound(m_pDatabase, name);
    if (m_editMode == EditMode::none)
        throw CDaoException(kUpdateWithoutEdit, "DAO.Field", "Alteração de campo sem Edit ou AddNew.");
    m_buffer[static_cast<size_t>(index)] = value;
    m_dirty[static_cast<size_t>(index)] = true;
}

void CDaoRecordset::SetFieldValueNull(const std::string& name)
{
    SetFieldValue(name, COleVariant::Null());
}

void CDaoRecordset::CancelUpdate()
{
    m_editMode = EditMode::none;
    m_buffer.clear();
    m_dirty.clear();
}

void CDaoRecordset::Update()
{
    RequireOpen();
    if (m_editMode == EditMode::none)
        throw CDaoException(kUpdateWithoutEdit, "DAO.Recordset", "Update sem Edit ou AddNew.");
    sqlite3* db = m_pDatabase->Handle();
    SqlParams params;
    std::string columns, values, sets;
    for (size_t i = 0; i < m_columns.size(); ++i) {
        if (!m_dirty[i])
            continue;
        const std::string col = Quote(m_columns[i].name);
        columns += (columns.empty() ? "" : ",") + col;
        values += values.empty() ? "?" : ",?";
        sets += (sets.empty() ? "" : ",") + col + "=?";
        params.push_back(ToSql(m_buffer[i]));
    }
    std::int64_t rowid;
    if (m_editMode == EditMode::add) {
        const std::string sql = columns.empty() ? "INSERT INTO " + Quote(m_table) + " DEFAULT VALUES"
                                                : "INSERT INTO " + Quote(m_table) + " (" + columns + ") VALUES (" +
                                                      values + ")";
        SqliteStatement(db, sql, params).Run();
        rowid = sqlite3_last_insert_rowid(db);
    } else {
        rowid = m_rowids[static_cast<size_t>(m_pos)];
        if (!sets.empty()) {
            params.push_back(rowid);
            SqliteStatement(db, "UPDATE " + Quote(m_table) + " SET " + sets + " WHERE rowid=?", params).Run();
        }
    }
    // Read the row back as stored (defaults, affinity conversions).
    SqliteStatement reread(db, "SELECT * FROM " + Quote(m_table) + " WHERE rowid=?", {rowid});
    std::vector<COleVariant> row;
    if (reread.Step()) {
        for (size_t i = 0; i < m_columns.size(); ++i)
            row.push_back(ReadColumn(reread.Get(), static_cast<int>(i), m_columns[i].type));
    }
    if (m_editMode == EditMode::add) {
        m_rows.push_back(std::move(row));
        m_rowids.push_back(rowid);
    } else {
        m_rows[static_cast<size_t>(m_pos)] = std::move(row);
    }
    CancelUpdate();
}
