#pragma once
// The store's private building blocks: a table owns its columns and its row
// names; a column owns one cell per row, cell i belonging to row i. Beside
// the row names the table keeps an index from name to its first position and
// count, so that lookups and duplicate checks do not scan every row.

#include "CellValue.h"

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

struct TElement {
    CellValue Value;
};

class TCol {
public:
    TCol(std::string name, std::uint8_t colType) : Name(std::move(name)), ColType(colType) {}

    std::string Name;
    std::uint8_t ColType;
    std::vector<TElement> Cells;
};

class TTable {
public:
    explicit TTable(std::string name) : name_(std::move(name)) {}

    const std::string& Name() const { return name_; }
    std::uint8_t RowNameRule = 1;

    int RowCount() const { return static_cast<int>(rowNames_.size()); }
    const std::string& RowName(int row) const { return rowNames_[row]; }
    // First row bearing the name, or -1.
    int FindRow(const std::string& name) const;
    // Raises EDuplicateRowName when the rule forbids a row of this name.
    void CheckRowName(const std::string& name) const;

    void AppendRow(std::string name);
    void RemoveRow(int row);
    void ClearRows();
    void SetRowName(int row, std::string name);
    void ReserveRows(std::size_t count);

    int ColCount() const { return static_cast<int>(cols_.size()); }
    TCol& Col(int col) { return cols_[col]; }
    const TCol& Col(int col) const { return cols_[col]; }
    // First column bearing the name, or -1.
    int FindCol(const std::string& name) const;
    // Appends the column with one empty cell per row.
    void AppendCol(std::string name, std::uint8_t colType);

    // Direct assignment of a cell value, without any check.
    void PlaceCell(int col, int row, CellValue value) { cols_[col].Cells[row].Value = std::move(value); }

private:
    struct NameEntry {
        int first;
        int count;
    };
    void IndexName(const std::string& name, int row) const;
    void UnindexName(const std::string& name, int row);
    void EnsureIndex() const;

    std::string name_;
    std::vector<std::string> rowNames_;
    std::vector<TCol> cols_;
    mutable std::unordered_map<std::string, NameEntry> rowIndex_;
    mutable bool indexValid_ = true;
};
