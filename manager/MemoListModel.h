#pragma once
// The memo list's rows: a view of the document's "Memos" table, one row per
// memo, read from the store only when the view asks for a cell, so that a
// document of a hundred thousand memos fills the list at once. The list
// order is a permutation of the table's rows: the table order after each
// refresh, a sorted order after a sort.

#include <QAbstractTableModel>
#include <vector>

class TQuorvexDataAccessSystem;

class TMemoListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { ColTitle, ColKeywords, ColText, ColUpdate, ColumnCount };

    explicit TMemoListModel(const TQuorvexDataAccessSystem& store, QObject* parent = nullptr);

    // Back to the table's rows in table order.
    void Refresh();
    // The table row shown in list row `row`.
    int TableRow(int row) const { return m_order[static_cast<std::size_t>(row)]; }
    // The cell's display text in code page 932, as the store gives it.
    std::string CellText(int tableRow, int column) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

protected:
    std::vector<int>& Order() { return m_order; }

private:
    const TQuorvexDataAccessSystem& m_store;
    std::vector<int> m_order;
};
