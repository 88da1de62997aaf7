#pragma once
// The memo list's rows: a view of the document's "Memos" table, one row per
// memo, read from the store only when the view asks for a cell, so that a
// document of a hundred thousand memos fills the list at once. The list
// order is a permutation of the table's rows: the table order after each
// refresh, a sorted order after a sort.

#include "ListSortKey.h"
#include "LocaleFormats.h"

#include <QAbstractTableModel>
#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class TQuorvexDataAccessSystem;

class TMemoListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { ColTitle, ColKeywords, ColText, ColUpdate, ColumnCount };

    // Called with the table row and the new text when the user has edited
    // a title in place; true when the memo took the new title.
    using TEditHandler = std::function<bool(int tableRow, const QString& text)>;

    explicit TMemoListModel(const TQuorvexDataAccessSystem& store, QObject* parent = nullptr);

    // Back to the table's rows in table order.
    void Refresh();
    // Puts the rows in the list order of the column's display texts,
    // always ascending; rows that sort alike keep their table order.
    void Sort(int column);
    void SetEditHandler(TEditHandler handler) { m_editHandler = std::move(handler); }
    // The table row shown in list row `row`.
    int TableRow(int row) const { return m_order[static_cast<std::size_t>(row)]; }
    // The cell's display text in code page 932, as the store gives it.
    std::string CellText(int tableRow, int column) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // A title edited in place goes to the edit handler; the cell shows what
    // the store holds afterwards, so a refused title shows the old one.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    // The view's sort request; the order is always ascending.
    void sort(int column, Qt::SortOrder order) override;

private:
    struct TColumnRef {
        int table;
        int col;
        std::uint8_t type;
        int column;
    };
    TColumnRef Column(int column) const;
    std::string CellText(const TColumnRef& ref, int tableRow) const;
    // A column's sorted order, kept while the document and the formats
    // stay as they were: a click on a column sorted before only puts the
    // rows in that order again.
    struct TColumnOrder {
        std::uint64_t changeCount = 0;
        LocaleFormats formats;
        std::vector<int> rows;  // the table rows sorted; empty until made
    };
    // A column's texts as the sort takes them (see ListSortKey.h).
    struct TSortTexts {
        std::vector<TListSortEntry> entries;  // in table order
        std::deque<std::string> owned;        // the texts that are not the cells' own
    };
    // The column's order, made again when out of date.
    const std::vector<int>& SortedOrder(int column);
    void MakeSortTexts(int column, TSortTexts& made) const;
    // Moves the list to `order`, keeping the selection on the same memos.
    void ApplyOrder(std::vector<int> order);

    const TQuorvexDataAccessSystem& m_store;
    std::vector<int> m_order;
    std::array<TColumnOrder, ColumnCount> m_sortOrders;
    TEditHandler m_editHandler;
};
