#pragma once
// The store's private building blocks: a table owns its columns and its row
// names; a column owns one cell per row, cell i belonging to row i. Beside
// the row names the table keeps an index from name to first position, so
// that lookups and duplicate checks do not scan every row.

#include "CellValue.h"
#include "RowNameIndex.h"

#include <cstdint>
#include <string>
#include <string_view>
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
    TTable(const TTable&) = delete;  // the index points at this table's names
    TTable& operator=(const TTable&) = delete;

    const std::string& Name() const { return name_; }
    std::uint8_t RowNameRule = 1;

    int RowCount() const { return static_cast<int>(rowNames_.size()); }
    const std::string& RowName(int row) const { return rowNames_[row]; }
    // First row bearing the name, or -1.
    int FindRow(std::string_view name) const;
    // Raises EDuplicateRowName when the rule forbids a row of this name.
    void CheckRowName(const std::string& name) const;

    // Appends a row after the name check (EDuplicateRowName).
    void AddRow(std::string name);
    // Appends the rows in order, each after the name check; on a duplicate
    // (EDuplicateRowName) none of them is added.
    void AddRows(std::vector<std::string> names);
    void RemoveRow(int row);
    void ClearRows();
    void SetRowName(int row, std::string name);

    int ColCount() const { return static_cast<int>(cols_.size()); }
    TCol& Col(int col) { return cols_[col]; }
    const TCol& Col(int col) const { return cols_[col]; }
    // First column bearing the name, or -1.
    int FindCol(std::string_view name) const;
    // Appends the column with one empty cell per row.
    void AppendCol(std::string name, std::uint8_t colType);

    // Direct assignment of a cell value, without any check.
    void PlaceCell(int col, int row, CellValue value) { cols_[col].Cells[row].Value = std::move(value); }

private:
    bool NameChecked(const std::string& name) const { return RowNameRule == 0 || (RowNameRule == 1 && !name.empty()); }
    // Whether one row's entry can be dropped without rebuilding.
    bool IndexEditable() const { return indexValid_ && index_.Duplicates() == 0; }
    void EnsureIndex() const;

    std::string name_;
    std::vector<std::string> rowNames_;
    std::vector<TCol> cols_;
    mutable TRowNameIndex index_{rowNames_};
    mutable bool indexValid_ = true;
};
