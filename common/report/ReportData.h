#pragma once
// The rows a layout prints: its tables read from their databases, the data table's rows with their joins,
// kept by the record selection, sorted, put in tree order when the layout asks for it.

#include "ReportLayout.h"

#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <vector>

class ReportDataError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct DataTable {
    std::string alias;
    std::string name;
    std::vector<std::string> columns;
    std::vector<std::vector<ReportValue>> rows;
    int Column(const std::string& name) const;  // -1 when the table has no such column
};

// Reads whole tables through the data layer; one connection per database file, read-only and shared.
class ReportTableReader {
public:
    ReportTableReader();
    ~ReportTableReader();
    ReportTableReader(const ReportTableReader&) = delete;
    ReportTableReader& operator=(const ReportTableReader&) = delete;

    // Throws ReportDataError naming the file or the table.
    std::shared_ptr<const DataTable> Read(const std::string& databasePath, const std::string& table,
                                          const std::string& alias);

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

// The database path of each table of a layout: a caller's location, or the stored one beside the layout.
// Throws ReportDataError for a table that has neither.
std::string ResolveTableLocation(const ReportLayout& layout, const LayoutTable& table,
                                 const std::map<int, std::string>& locations);

struct DataRow {
    std::vector<int> rowOf;  // per table of the layout: the row index in that table, -1 for none
    int level = 0;           // depth in the hierarchy
};

class ReportDataSet;

// What expressions of one layout see for one row; formulas and report values come from outside.
class RowScope : public ReportScope {
public:
    using SpecialFn = std::function<ReportValue(const std::string& name, const DataRow* row)>;

    RowScope(const ReportDataSet& data, const DataRow* row, const std::map<std::string, ReportValue>& formulas,
             const SpecialFn* special)
        : m_data(data), m_row(row), m_formulas(formulas), m_special(special) {}

    ReportValue Field(const std::string& table, const std::string& column) const override;
    ReportValue Formula(const std::string& name) const override;  // formulas keyed by lower-case name
    ReportValue Special(const std::string& name) const override;

private:
    const ReportDataSet& m_data;
    const DataRow* m_row;
    const std::map<std::string, ReportValue>& m_formulas;
    const SpecialFn* m_special;
};

class ReportDataSet {
public:
    // Reads the layout's tables and checks that every field the layout names exists; throws ReportDataError.
    ReportDataSet(const ReportLayout& layout, const std::map<int, std::string>& locations, ReportTableReader& reader);

    // Builds the rows: joins, the record selection (the layout's own when selection is null), sort,
    // hierarchy. Throws ReportDataError.
    void Build(const ReportExpression* selection, const std::map<std::string, ReportValue>& formulas);

    const std::vector<DataRow>& Rows() const { return m_rows; }
    // The rows whose link field equals value (subreports); in the order of Rows().
    std::vector<const DataRow*> RowsWhere(const FieldRef& field, const ReportValue& value) const;
    // A row of nulls but for the joins without a condition (what a header shows when there are no rows).
    const DataRow& EmptyRow() const { return m_empty; }

    bool HasField(const FieldRef& field) const;
    ReportValue Value(const DataRow& row, const std::string& table, const std::string& column) const;
    const ReportLayout& Layout() const { return m_layout; }

private:
    int Slot(const std::string& alias) const;
    void Join(DataRow& row, const std::map<std::string, ReportValue>& formulas) const;
    void OrderAsTree();

    const ReportLayout& m_layout;
    std::vector<std::shared_ptr<const DataTable>> m_tables;  // aligned with m_layout.tables
    int m_dataSlot = -1;
    std::vector<DataRow> m_rows;
    DataRow m_empty;
    mutable std::unordered_map<std::string, std::pair<int, int>> m_fieldCache;  // "alias.column" lower-case
    struct JoinIndex;
    std::vector<std::shared_ptr<JoinIndex>> m_joinIndexes;
    mutable std::map<std::string, std::unordered_map<std::string, std::vector<size_t>>> m_linkIndexes;
};

// A value as a key of an index: equal keys for values that ValuesEqual calls equal.
std::string ValueKey(const ReportValue& v);
std::string LowerName(const std::string& s);
