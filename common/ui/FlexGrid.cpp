#include "FlexGrid.h"

#include "MessageMap.h"

namespace {
constexpr long kDefaultColWidth = 960;  // twips: 64 pixels
}

CMSFlexGrid::CMSFlexGrid() {
    m_cells.assign(2, std::vector<std::string>(2));
    m_colWidths.assign(2, kDefaultColWidth);
}

void CMSFlexGrid::SetRows(long rows) {
    if (rows < 0) return;
    m_cells.resize(static_cast<std::size_t>(rows), std::vector<std::string>(static_cast<std::size_t>(m_cols)));
    if (m_row >= rows) m_row = rows > 0 ? rows - 1 : 0;
    Changed(WndChange::Items);
}

void CMSFlexGrid::SetCols(long cols) {
    if (cols < 0) return;
    m_cols = cols;
    for (auto& r : m_cells) r.resize(static_cast<std::size_t>(cols));
    m_colWidths.resize(static_cast<std::size_t>(cols), kDefaultColWidth);
    if (m_col >= cols) m_col = cols > 0 ? cols - 1 : 0;
    Changed(WndChange::Items);
}

void CMSFlexGrid::SetFixedRows(long rows) {
    if (rows < 0 || rows > GetRows()) return;
    m_fixedRows = rows;
    Changed(WndChange::Items);
}

void CMSFlexGrid::SetFixedCols(long cols) {
    if (cols < 0 || cols > m_cols) return;
    m_fixedCols = cols;
    Changed(WndChange::Items);
}

void CMSFlexGrid::SetRow(long row) {
    if (row < 0 || row >= GetRows()) return;
    if (m_row == row) return;
    m_row = row;
    Changed(WndChange::Selection);
}

void CMSFlexGrid::SetCol(long col) {
    if (col < 0 || col >= m_cols) return;
    if (m_col == col) return;
    m_col = col;
    Changed(WndChange::Selection);
}

std::string CMSFlexGrid::GetTextMatrix(long row, long col) const {
    if (row < 0 || row >= GetRows() || col < 0 || col >= m_cols) return {};
    return m_cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
}

void CMSFlexGrid::SetTextMatrix(long row, long col, const std::string& text) {
    if (row < 0 || row >= GetRows() || col < 0 || col >= m_cols) return;
    auto& cell = m_cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
    if (cell == text) return;
    cell = text;
    Changed(WndChange::Items);
}

long CMSFlexGrid::GetColWidth(long col) const {
    if (col < 0 || col >= m_cols) return 0;
    return m_colWidths[static_cast<std::size_t>(col)];
}

void CMSFlexGrid::SetColWidth(long col, long twips) {
    if (col < 0 || col >= m_cols) return;
    m_colWidths[static_cast<std::size_t>(col)] = twips;
    Changed(WndChange::Style);
}

bool CMSFlexGrid::AddItem(const std::string& item, long index) {
    if (index < 0) index = GetRows();
    if (index > GetRows()) return false;
    std::vector<std::string> row(static_cast<std::size_t>(m_cols));
    std::size_t c = 0;
    std::size_t start = 0;
    while (c < row.size()) {
        const auto tab = item.find('\t', start);
        row[c++] = item.substr(start, tab == std::string::npos ? std::string::npos : tab - start);
        if (tab == std::string::npos) break;
        start = tab + 1;
    }
    m_cells.insert(m_cells.begin() + index, std::move(row));
    Changed(WndChange::Items);
    return true;
}

bool CMSFlexGrid::RemoveItem(long index) {
    if (index < 0 || index >= GetRows()) return false;
    if (index >= m_fixedRows && GetRows() - m_fixedRows <= 1) return false;
    m_cells.erase(m_cells.begin() + index);
    if (m_row >= GetRows()) m_row = GetRows() - 1;
    Changed(WndChange::Items);
    return true;
}

void CMSFlexGrid::Clear() {
    for (auto& r : m_cells)
        for (auto& c : r) c.clear();
    Changed(WndChange::Items);
}

void CMSFlexGrid::UserClickCell(long row, long col) {
    if (!IsWindowEnabled() || row < m_fixedRows || row >= GetRows() || col < 0 || col >= m_cols) return;
    const bool moved = row != m_row || col != m_col;
    m_row = row;
    m_col = col;
    if (moved) {
        Changed(WndChange::Selection);
        NotifyParent(GRIDN_ROWCOLCHANGE);
    }
    NotifyParent(GRIDN_CLICK);
}

void CMSFlexGrid::UserDoubleClickCell(long row, long col) {
    UserClickCell(row, col);
    if (IsWindowEnabled()) NotifyParent(GRIDN_DBLCLICK);
}

void CMSFlexGrid::AdoptWindow(CWnd& from) {
    CWnd::AdoptWindow(from);
    if (auto* g = dynamic_cast<CMSFlexGrid*>(&from)) {
        m_cells = g->m_cells;
        m_colWidths = g->m_colWidths;
        m_cols = g->m_cols;
        m_fixedRows = g->m_fixedRows;
        m_fixedCols = g->m_fixedCols;
        m_row = g->m_row;
        m_col = g->m_col;
    }
}
