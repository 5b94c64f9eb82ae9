#pragma once
// The grid of text cells of the load and motor lists: rows and columns (the first rows fixed as headers),
// a current cell, cell text, column widths in twips, rows added and removed.

#include "Wnd.h"

#include <string>
#include <vector>

class CMSFlexGrid : public CWnd {
public:
    CMSFlexGrid();

    long GetRows() const { return static_cast<long>(m_cells.size()); }
    void SetRows(long rows);
    long GetCols() const { return m_cols; }
    void SetCols(long cols);
    long GetFixedRows() const { return m_fixedRows; }
    void SetFixedRows(long rows);
    long GetFixedCols() const { return m_fixedCols; }
    void SetFixedCols(long cols);

    // The current cell. A row or column outside the grid is refused (the value stays).
    long GetRow() const { return m_row; }
    void SetRow(long row);
    long GetCol() const { return m_col; }
    void SetCol(long col);
    // The text of the current cell.
    std::string GetText() const { return GetTextMatrix(m_row, m_col); }
    void SetText(const std::string& text) { SetTextMatrix(m_row, m_col, text); }
    std::string GetTextMatrix(long row, long col) const;
    void SetTextMatrix(long row, long col, const std::string& text);

    long GetColWidth(long col) const;
    void SetColWidth(long col, long twips);

    // Inserts a row at index (-1: at the end); item fills its cells from the first, separated by tabs.
    // An index past the end is refused.
    bool AddItem(const std::string& item, long index = -1);
    // Removes a row; the last row that is not fixed cannot be removed (refused, as the grid did).
    bool RemoveItem(long index);
    void Clear();

    // The user clicked or double-clicked a cell: it becomes the current cell.
    void UserClickCell(long row, long col);
    void UserDoubleClickCell(long row, long col);
    void AdoptWindow(CWnd& from) override;

private:
    std::vector<std::vector<std::string>> m_cells;
    std::vector<long> m_colWidths;
    long m_cols = 2;
    long m_fixedRows = 1;
    long m_fixedCols = 1;
    long m_row = 1;
    long m_col = 1;
};
