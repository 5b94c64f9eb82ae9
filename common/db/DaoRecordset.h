#pragma once
// Recordsets as the programs use them. Every row is read when the recordset opens, so the same
// connection may write while the caller walks it (tree loads that recurse, sizing that updates the table
// it walks).

#include "DaoDatabase.h"
#include "Variant.h"

#include <cstdint>
#include <string>
#include <vector>

inline constexpr int dbOpenTable = 1;
inline constexpr int dbOpenDynaset = 2;
inline constexpr int dbOpenSnapshot = 4;

class CDaoRecordset {
public:
    explicit CDaoRecordset(CDaoDatabase* pDatabase);
    virtual ~CDaoRecordset();
    CDaoRecordset(const CDaoRecordset&) = delete;
    CDaoRecordset& operator=(const CDaoRecordset&) = delete;

    // Snapshot (and dynaset, treated alike): SQL text. Table: a table name, walked in stored order and
    // editable. Text values go in params, bound to '?' placeholders.
    virtual void Open(int nOpenType, const char* lpszSQL, int nOptions = 0);
    void Open(int nOpenType, const std::string& sql, const SqlParams& params);
    virtual void Close();
    bool IsOpen() const { return m_open; }

    bool IsEOF() const;
    bool IsBOF() const;
    void MoveFirst();
    void MoveLast();
    void MoveNext();
    void MovePrev();
    long GetRecordCount() const;

    // Value of the current row (throws with no current row or an unknown column name).
    COleVariant GetFieldValue(const std::string& name) const;
    int GetFieldCount() const { return static_cast<int>(m_columns.size()); }
    std::string GetFieldName(int index) const;

    // Table-type editing: start a new row or edit the current one, set fields, then Update writes it.
    void AddNew();
    void Edit();
    void SetFieldValue(const std::string& name, const COleVariant& value);
    void SetFieldValueNull(const std::string& name);
    void Update();
    void CancelUpdate();
    bool CanUpdate() const { return m_openType == dbOpenTable && m_pDatabase && !m_pDatabase->IsReadOnly(); }

    CDaoDatabase* m_pDatabase;

private:
    struct Column {
        std::string name;
        VARTYPE type = VT_EMPTY;  // from the declared type; VT_EMPTY for a computed column
    };
    enum class EditMode { none, add, edit };

    int ColumnIndex(const std::string& name) const;  // -1 when unknown
    void RequireCurrent() const;
    void RequireOpen() const;
    void Load(const std::string& sql, const SqlParams& params);

    bool m_open = false;
    int m_openType = dbOpenSnapshot;
    std::string m_table;
    std::vector<Column> m_columns;
    std::vector<std::vector<COleVariant>> m_rows;
    std::vector<std::int64_t> m_rowids;  // table-type only
    long m_pos = 0;                       // -1 = before the first row, size = after the last
    EditMode m_editMode = EditMode::none;
    std::vector<COleVariant> m_buffer;
    std::vector<bool> m_dirty;
};

// Maps a declared column type ("SINGLE", "TEXT(50)", "BIT", ...) to its variant type; VT_EMPTY for none.
VARTYPE VariantTypeOfDeclared(const char* declaredType);
