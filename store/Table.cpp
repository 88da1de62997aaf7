#include "Table.h"

#include "Exceptions.h"

int TTable::FindRow(std::string_view name) const
{
    EnsureIndex();
    return index_.Find(name);
}

void TTable::CheckRowName(const std::string& name) const
{
    if (NameChecked(name) && FindRow(name) >= 0)
        throw EDuplicateRowName();
}

void TTable::AddRow(std::string name)
{
    const int row = RowCount();
    const bool checked = NameChecked(name);
    if (checked)
        EnsureIndex();
    rowNames_.push_back(std::move(name));
    if (checked || indexValid_) {
        // One probe both checks and indexes the name.
        if (!index_.Insert(row, checked)) {
            rowNames_.pop_back();
            throw EDuplicateRowName();
        }
    }
    for (TCol& col : cols_)
        col.Cells.emplace_back();
}

void TTable::AddRows(std::vector<std::string> names)
{
    EnsureIndex();
    const int first = RowCount();
    if (rowNames_.empty())
        rowNames_ = std::move(names);
    else
        rowNames_.insert(rowNames_.end(), std::make_move_iterator(names.begin()), std::make_move_iterator(names.end()));
    const bool added =
        index_.InsertRun(first, [this](const std::string& name) { return NameChecked(name); });
    if (!added) {
        rowNames_.resize(first);
        indexValid_ = false;  // holds some of the new rows; rebuilt on the next lookup
        throw EDuplicateRowName();
    }
    for (TCol& col : cols_)
        col.Cells.resize(rowNames_.size());
}

void TTable::RemoveRow(int row)
{
    if (row == RowCount() - 1 && IndexEditable())
        index_.Erase(row);
    else
        indexValid_ = false;  // later positions move up; rebuilt on the next lookup
    rowNames_.erase(rowNames_.begin() + row);
    for (TCol& col : cols_)
        col.Cells.erase(col.Cells.begin() + row);
}

void TTable::ClearRows()
{
    rowNames_.clear();
    for (TCol& col : cols_)
        col.Cells.clear();
    index_.Clear();
    indexValid_ = true;
}

void TTable::SetRowName(int row, std::string name)
{
    if (IndexEditable()) {
        index_.Erase(row);
        rowNames_[row] = std::move(name);
        index_.Insert(row, false);
    } else {
        rowNames_[row] = std::move(name);
        indexValid_ = false;
    }
}

int TTable::FindCol(std::string_view name) const
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

void TTable::EnsureIndex() const
{
    if (indexValid_)
        return;
    index_.Clear();
    index_.Reserve(rowNames_.size());
    for (int i = 0; i < RowCount(); ++i)
        index_.Insert(i, false);
    indexValid_ = true;
}
