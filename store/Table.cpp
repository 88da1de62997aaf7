#include "Table.h"

#include "Exceptions.h"

int TTable::FindRow(const std::string& name) const
{
    EnsureIndex();
    const auto found = rowIndex_.find(name);
    return found == rowIndex_.end() ? -1 : found->second.first;
}

void TTable::CheckRowName(const std::string& name) const
{
    const bool checked = RowNameRule == 0 || (RowNameRule == 1 && !name.empty());
    if (checked && FindRow(name) >= 0)
        throw EDuplicateRowName();
}

void TTable::AppendRow(std::string name)
{
    if (indexValid_)
        IndexName(name, RowCount());
    rowNames_.push_back(std::move(name));
    for (TCol& col : cols_)
        col.Cells.emplace_back();
}

void TTable::RemoveRow(int row)
{
    if (row == RowCount() - 1 && indexValid_)
        UnindexName(rowNames_[row], row);
    else
        indexValid_ = false;  // every later position moves up; rebuilt on the next lookup
    rowNames_.erase(rowNames_.begin() + row);
    for (TCol& col : cols_)
        col.Cells.erase(col.Cells.begin() + row);
}

void TTable::ClearRows()
{
    rowNames_.clear();
    for (TCol& col : cols_)
        col.Cells.clear();
    rowIndex_.clear();
    indexValid_ = true;
}

void TTable::SetRowName(int row, std::string name)
{
    if (indexValid_) {
        UnindexName(rowNames_[row], row);
        if (indexValid_)
            IndexName(name, row);
    }
    rowNames_[row] = std::move(name);
}

void TTable::ReserveRows(std::size_t count)
{
    rowNames_.reserve(count);
    rowIndex_.reserve(count);
}

int TTable::FindCol(const std::string& name) const
{
    for (int i = 0; i < ColCount(); ++i)
        if (cols_[i].Name == name)
            return i;
    return -1;
}

void TTable::AppendCol(std::string name, std::uint8_t colType)
{
    TCol col(std::move(name), colType);
    col.Cells.resize(rowNames_.size());
    cols_.push_back(std::move(col));
}

void TTable::IndexName(const std::string& name, int row) const
{
    auto [entry, inserted] = rowIndex_.try_emplace(name, NameEntry{row, 1});
    if (!inserted) {
        ++entry->second.count;
        if (row < entry->second.first)
            entry->second.first = row;
    }
}

void TTable::UnindexName(const std::string& name, int row)
{
    const auto entry = rowIndex_.find(name);
    if (entry == rowIndex_.end())
        return;
    if (entry->second.count == 1)
        rowIndex_.erase(entry);
    else if (entry->second.first == row)
        indexValid_ = false;  // the next bearer of the name is not known here
    else
        --entry->second.count;
}

void TTable::EnsureIndex() const
{
    if (indexValid_)
        return;
    rowIndex_.clear();
    for (int i = 0; i < RowCount(); ++i)
        IndexName(rowNames_[i], i);
    indexValid_ = true;
}
