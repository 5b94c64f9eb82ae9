#include "ReportData.h"

#include "DaoDatabase.h"
#include "DaoException.h"
#include "DaoRecordset.h"

#include <algorithm>
#include <cctype>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <locale.h>
#include <numeric>
#include <set>

namespace {

std::string DaoText(const CDaoException& e)
{
    if (e.m_pErrorInfo && !e.m_pErrorInfo->m_strDescription.empty())
        return e.m_pErrorInfo->m_strDescription;
    return e.what();
}

ReportValue FromVariant(const COleVariant& v)
{
    switch (v.vt) {
    case VT_EMPTY:
    case VT_NULL: return ReportValue::Null();
    case VT_BSTR: return ReportValue::Text(v.strVal);
    case VT_DATE: return ReportValue::Date(v.dblVal);
    default: return ReportValue::Number(v.AsDouble());
    }
}

void CollectFields(const ReportExpression& e, std::vector<FieldRef>& out)
{
    for (FieldRef& f : e.Fields())
        out.push_back(std::move(f));
}

std::vector<FieldRef> LayoutFields(const ReportLayout& L)
{
    std::vector<FieldRef> out;
    for (const LayoutJoin& j : L.joins)
        CollectFields(j.on, out);
    CollectFields(L.select, out);
    for (const LayoutSort& s : L.sorts)
        CollectFields(s.key, out);
    for (const ReportExpression& g : L.groups)
        CollectFields(g, out);
    for (const TemplatePart& p : L.fileName)
        CollectFields(p.value, out);
    if (L.hierarchical) {
        out.push_back(L.hierarchyKey);
        out.push_back(L.hierarchyParent);
    }
    for (const LayoutBand& b : L.bands) {
        CollectFields(b.when, out);
        for (const LayoutItem& it : b.items) {
            CollectFields(it.when, out);
            CollectFields(it.linkParent, out);
            for (const TemplatePart& p : it.text)
                CollectFields(p.value, out);
        }
    }
    return out;
}

}  // namespace

std::string LowerName(const std::string& s)
{
    std::string out = s;
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

std::string ValueKey(const ReportValue& v)
{
    if (v.IsNull())
        return {};
    double n = 0;
    bool numeric = v.IsNumber();
    if (numeric) {
        n = v.number;
    } else {
        static locale_t cl = newlocale(LC_ALL_MASK, "C", nullptr);
        char* end = nullptr;
        n = strtod_l(v.text.c_str(), &end, cl);
        numeric = !v.text.empty() && end && *end == '\0';
    }
    if (numeric) {
        char buffer[40];
        std::snprintf(buffer, sizeof buffer, "N%.17g", n == 0.0 ? 0.0 : n);
        return buffer;
    }
    return "T" + v.text;
}

int DataTable::Column(const std::string& column) const
{
    for (size_t i = 0; i < columns.size(); ++i)
        if (SameName(columns[i], column))
            return static_cast<int>(i);
    return -1;
}

struct ReportTableReader::Impl {
    std::map<std::string, std::unique_ptr<CDaoDatabase>> open;
};

ReportTableReader::ReportTableReader() : m_impl(std::make_unique<Impl>()) {}
ReportTableReader::~ReportTableReader() = default;

std::shared_ptr<const DataTable> ReportTableReader::Read(const std::string& databasePath, const std::string& table,
                                                         const std::string& alias)
{
    auto table_ = std::make_shared<DataTable>();
    table_->alias = alias;
    table_->name = table;
    std::unique_ptr<CDaoDatabase>& db = m_impl->open[databasePath];
    try {
        if (!db) {
            auto fresh = std::make_unique<CDaoDatabase>();
            fresh->Open(databasePath, false, true);
            db = std::move(fresh);
        }
    } catch (const CDaoException& e) {
        m_impl->open.erase(databasePath);
        throw ReportDataError("não foi possível abrir o banco de dados " + databasePath + ": " + DaoText(e));
    }
    try {
        CDaoRecordset rs(db.get());
        std::string sql = "SELECT * FROM \"" + table + "\"";
        rs.Open(dbOpenSnapshot, sql.c_str());
        int n = rs.GetFieldCount();
        for (int i = 0; i < n; ++i)
            table_->columns.push_back(rs.GetFieldName(i));
        table_->rows.reserve(static_cast<size_t>(std::max(0L, rs.GetRecordCount())));
        while (!rs.IsEOF()) {
            std::vector<ReportValue> row;
            row.reserve(static_cast<size_t>(n));
            for (const std::string& c : table_->columns)
                row.push_back(FromVariant(rs.GetFieldValue(c)));
            table_->rows.push_back(std::move(row));
            rs.MoveNext();
        }
        rs.Close();
    } catch (const CDaoException& e) {
        throw ReportDataError("não foi possível ler a tabela " + table + " de " + databasePath + ": " + DaoText(e));
    }
    return table_;
}

std::string ResolveTableLocation(const ReportLayout& layout, const LayoutTable& table,
                                 const std::map<int, std::string>& locations)
{
    auto it = locations.find(table.index);
    if (it != locations.end() && !it->second.empty())
        return it->second;
    if (table.location.empty())
        throw ReportDataError("a localização da tabela " + table.alias + " não foi definida");
    std::filesystem::path p(table.location);
    return p.is_absolute() ? p.string() : (std::filesystem::path(layout.Folder()) / p).string();
}

ReportValue RowScope::Field(const std::string& table, const std::string& column) const
{
    return m_row ? m_data.Value(*m_row, table, column) : ReportValue::Null();
}

ReportValue RowScope::Formula(const std::string& name) const
{
    auto it = m_formulas.find(LowerName(name));
    return it == m_formulas.end() ? ReportValue::Null() : it->second;
}

ReportValue RowScope::Special(const std::string& name) const
{
    if (m_special && *m_special)
        return (*m_special)(name, m_row);
    if (SameName(name, "Level"))
        return ReportValue::Number(m_row ? m_row->level : 0);
    return ReportValue::Null();
}

struct ReportDataSet::JoinIndex {
    int otherSlot = -1;
    int otherColumn = -1;
    std::unordered_map<std::string, int> firstRow;
};

ReportDataSet::ReportDataSet(const ReportLayout& layout, const std::map<int, std::string>& locations,
                             ReportTableReader& reader)
    : m_layout(layout)
{
    for (const LayoutTable& t : layout.tables) {
        std::string path = ResolveTableLocation(layout, t, locations);
        m_tables.push_back(reader.Read(path, t.name, t.alias));
    }
    m_dataSlot = Slot(layout.dataAlias);
    for (const FieldRef& f : LayoutFields(layout)) {
        int slot = Slot(f.table);
        if (slot < 0 || m_tables[static_cast<size_t>(slot)]->Column(f.column) < 0)
            throw ReportDataError("campo desconhecido {" + f.table + "." + f.column + "} em " +
                                  std::filesystem::path(layout.path).filename().string());
    }
    // An equality between a column of the joined table and one of a table joined before it is looked up
    // through an index instead of a scan.
    std::set<int> before = {m_dataSlot};
    for (const LayoutJoin& j : layout.joins) {
        auto index = std::make_shared<JoinIndex>();
        int slot = Slot(j.alias);
        FieldRef l, r;
        if (j.on.IsFieldEquality(l, r)) {
            if (Slot(r.table) == slot)
                std::swap(l, r);
            int otherSlot = Slot(r.table);
            if (Slot(l.table) == slot && before.count(otherSlot)) {
                const DataTable& t = *m_tables[static_cast<size_t>(slot)];
                int col = t.Column(l.column);
                index->otherSlot = otherSlot;
                index->otherColumn = m_tables[static_cast<size_t>(otherSlot)]->Column(r.column);
                for (size_t i = 0; i < t.rows.size(); ++i) {
                    std::string key = ValueKey(t.rows[i][static_cast<size_t>(col)]);
                    if (!key.empty())
                        index->firstRow.emplace(key, static_cast<int>(i));
                }
            }
        }
        before.insert(slot);
        m_joinIndexes.push_back(index);
    }
    m_empty.rowOf.assign(m_tables.size(), -1);
    for (const LayoutJoin& j : layout.joins) {
        int slot = Slot(j.alias);
        if (j.on.IsEmpty() && !m_tables[static_cast<size_t>(slot)]->rows.empty())
            m_empty.rowOf[static_cast<size_t>(slot)] = 0;
    }
}

int ReportDataSet::Slot(const std::string& alias) const
{
    for (size_t i = 0; i < m_layout.tables.size(); ++i)
        if (SameName(m_layout.tables[i].alias, alias))
            return static_cast<int>(i);
    return -1;
}

bool ReportDataSet::HasField(const FieldRef& field) const
{
    int slot = Slot(field.table);
    return slot >= 0 && m_tables[static_cast<size_t>(slot)]->Column(field.column) >= 0;
}

ReportValue ReportDataSet::Value(const DataRow& row, const std::string& table, const std::string& column) const
{
    std::string key = LowerName(table) + "." + LowerName(column);
    auto it = m_fieldCache.find(key);
    if (it == m_fieldCache.end()) {
        int slot = Slot(table);
        int col = slot < 0 ? -1 : m_tables[static_cast<size_t>(slot)]->Column(column);
        it = m_fieldCache.emplace(key, std::make_pair(slot, col)).first;
    }
    auto [slot, col] = it->second;
    if (slot < 0 || col < 0)
        return ReportValue::Null();
    int r = row.rowOf[static_cast<size_t>(slot)];
    if (r < 0)
        return ReportValue::Null();
    return m_tables[static_cast<size_t>(slot)]->rows[static_cast<size_t>(r)][static_cast<size_t>(col)];
}

void ReportDataSet::Join(DataRow& row, const std::map<std::string, ReportValue>& formulas) const
{
    for (size_t j = 0; j < m_layout.joins.size(); ++j) {
        const LayoutJoin& join = m_layout.joins[j];
        size_t slot = static_cast<size_t>(Slot(join.alias));
        const DataTable& t = *m_tables[slot];
        row.rowOf[slot] = -1;
        if (join.on.IsEmpty()) {
            row.rowOf[slot] = t.rows.empty() ? -1 : 0;
            continue;
        }
        const JoinIndex& index = *m_joinIndexes[j];
        if (index.otherSlot >= 0) {
            int r = row.rowOf[static_cast<size_t>(index.otherSlot)];
            if (r >= 0 && index.otherColumn >= 0) {
                const ReportValue& v = m_tables[static_cast<size_t>(index.otherSlot)]
                                           ->rows[static_cast<size_t>(r)][static_cast<size_t>(index.otherColumn)];
                auto found = index.firstRow.find(ValueKey(v));
                if (found != index.firstRow.end())
                    row.rowOf[slot] = found->second;
            }
            continue;
        }
        RowScope scope(*this, &row, formulas, nullptr);
        for (size_t c = 0; c < t.rows.size(); ++c) {
            row.rowOf[slot] = static_cast<int>(c);
            if (join.on.Evaluate(scope).IsTrue())
                break;
            row.rowOf[slot] = -1;
        }
    }
}

void ReportDataSet::Build(const ReportExpression* selection, const std::map<std::string, ReportValue>& formulas)
{
    const ReportExpression& select = selection ? *selection : m_layout.select;
    for (const FieldRef& f : select.Fields()) {
        int slot = Slot(f.table);
        if (slot < 0 || m_tables[static_cast<size_t>(slot)]->Column(f.column) < 0)
            throw ReportDataError("campo desconhecido na fórmula de seleção: {" + f.table + "." + f.column + "}");
    }
    m_rows.clear();
    m_linkIndexes.clear();
    const DataTable& data = *m_tables[static_cast<size_t>(m_dataSlot)];
    for (size_t r = 0; r < data.rows.size(); ++r) {
        DataRow row;
        row.rowOf.assign(m_tables.size(), -1);
        row.rowOf[static_cast<size_t>(m_dataSlot)] = static_cast<int>(r);
        Join(row, formulas);
        if (!select.IsEmpty()) {
            RowScope scope(*this, &row, formulas, nullptr);
            if (!select.Evaluate(scope).IsTrue())
                continue;
        }
        m_rows.push_back(std::move(row));
    }
    if (!m_layout.sorts.empty()) {
        std::vector<std::vector<ReportValue>> keys(m_rows.size());
        for (size_t i = 0; i < m_rows.size(); ++i) {
            RowScope scope(*this, &m_rows[i], formulas, nullptr);
            for (const LayoutSort& s : m_layout.sorts)
                keys[i].push_back(s.key.Evaluate(scope));
        }
        std::vector<size_t> order(m_rows.size());
        std::iota(order.begin(), order.end(), size_t{0});
        std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
            for (size_t k = 0; k < m_layout.sorts.size(); ++k) {
                int c = CompareValues(keys[a][k], keys[b][k]);
                if (c != 0)
                    return m_layout.sorts[k].descending ? c > 0 : c < 0;
            }
            return false;
        });
        std::vector<DataRow> sorted;
        sorted.reserve(m_rows.size());
        for (size_t i : order)
            sorted.push_back(std::move(m_rows[i]));
        m_rows = std::move(sorted);
    }
    if (m_layout.hierarchical)
        OrderAsTree();
}

void ReportDataSet::OrderAsTree()
{
    const FieldRef& keyField = m_layout.hierarchyKey;
    const FieldRef& parentField = m_layout.hierarchyParent;
    std::vector<std::string> keys(m_rows.size()), parents(m_rows.size());
    std::unordered_map<std::string, size_t> byKey;
    for (size_t i = 0; i < m_rows.size(); ++i) {
        keys[i] = ValueKey(Value(m_rows[i], keyField.table, keyField.column));
        parents[i] = ValueKey(Value(m_rows[i], parentField.table, parentField.column));
        if (!keys[i].empty())
            byKey.emplace(keys[i], i);
    }
    std::unordered_map<std::string, std::vector<size_t>> children;
    std::vector<size_t> roots;
    for (size_t i = 0; i < m_rows.size(); ++i) {
        // A parent that is not among the rows (filtered out, or gone from a damaged file) makes a root.
        if (parents[i].empty() || parents[i] == keys[i] || !byKey.count(parents[i]))
            roots.push_back(i);
        else
            children[parents[i]].push_back(i);
    }
    std::vector<char> visited(m_rows.size(), 0);
    std::vector<DataRow> ordered;
    ordered.reserve(m_rows.size());
    auto walk = [&](size_t root) {
        std::vector<std::pair<size_t, int>> stack = {{root, 0}};
        while (!stack.empty()) {
            auto [i, level] = stack.back();
            stack.pop_back();
            if (visited[i])
                continue;
            visited[i] = 1;
            DataRow row = m_rows[i];
            row.level = level;
            ordered.push_back(std::move(row));
            auto found = children.find(keys[i]);
            if (found != children.end())
                for (auto c = found->second.rbegin(); c != found->second.rend(); ++c)
                    if (!visited[*c])
                        stack.push_back({*c, level + 1});
        }
    };
    for (size_t r : roots)
        walk(r);
    // Rows caught in a cycle of parent links reach no root: they still print, at the top level.
    for (size_t i = 0; i < m_rows.size(); ++i)
        if (!visited[i])
            walk(i);
    m_rows = std::move(ordered);
}

std::vector<const DataRow*> ReportDataSet::RowsWhere(const FieldRef& field, const ReportValue& value) const
{
    std::string name = LowerName(field.table) + "." + LowerName(field.column);
    auto it = m_linkIndexes.find(name);
    if (it == m_linkIndexes.end()) {
        std::unordered_map<std::string, std::vector<size_t>> index;
        for (size_t i = 0; i < m_rows.size(); ++i) {
            std::string key = ValueKey(Value(m_rows[i], field.table, field.column));
            if (!key.empty())
                index[key].push_back(i);
        }
        it = m_linkIndexes.emplace(name, std::move(index)).first;
    }
    std::vector<const DataRow*> out;
    auto found = it->second.find(ValueKey(value));
    if (found != it->second.end() && !value.IsNull())
        for (size_t i : found->second)
            out.push_back(&m_rows[i]);
    return out;
}
