#include "MemoListModel.h"

#include "ColumnRules.h"
#include "Cp932Codec.h"
#include "ListSortKey.h"
#include "MemoDocument.h"
#include "QuorvexDataAccessSystem.h"
#include "SortedListRows.h"
#include "TextForms.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <numeric>
#include <unordered_map>
#include <utility>

namespace {
const char* const Captions[TMemoListModel::ColumnCount] = {"タイトル", "キーワード", "テキスト", "更新日"};
const char* const ColumnNames[TMemoListModel::ColumnCount] = {MemoLayout::Title, MemoLayout::Keywords,
                                                               MemoLayout::Text, MemoLayout::Update};
}  // namespace

TMemoListModel::TMemoListModel(const TQuorvexDataAccessSystem& store, QObject* parent)
    : QAbstractTableModel(parent), m_store(store)
{
}

void TMemoListModel::Refresh()
{
    beginResetModel();
    m_order.resize(static_cast<std::size_t>(MemoCount(m_store)));
    std::iota(m_order.begin(), m_order.end(), 0);
    endResetModel();
}

std::string TMemoListModel::CellText(int tableRow, int column) const
{
    return CellText(Column(column), tableRow);
}

TMemoListModel::TColumnRef TMemoListModel::Column(int column) const
{
    const int table = m_store.TableIndex(MemoLayout::Table);
    const int col = m_store.ColIndex(MemoLayout::Table, ColumnNames[column]);
    return {table, col, m_store.GetColType(table, col), column};
}

std::string TMemoListModel::CellText(const TColumnRef& ref, int tableRow) const
{
    const CellValue& cell = m_store.CellAt(ref.table, ref.col, tableRow);
    if (ref.column != ColUpdate)
        return ::CellText(ref.type, cell);
    if (cell.IsEmpty())
        return {};
    // The date only: the whole days of the serial.
    return FormatDateTime(std::trunc(cell.ToReal()), CurrentFormats());
}

const std::vector<int>& TMemoListModel::SortedOrder(int column)
{
    TColumnOrder& order = m_sortOrders[static_cast<std::size_t>(column)];
    if (order.changeCount != m_store.ChangeCount() || order.formats != CurrentFormats() ||
        order.rows.size() != m_order.size()) {
        // Emptied first: a failure leaves no order that looks current.
        order = TColumnOrder();
        TSortTexts texts;
        MakeSortTexts(column, texts);
        TColumnOrder made;
        made.changeCount = m_store.ChangeCount();
        made.formats = CurrentFormats();
        made.rows = SortedListRows(std::move(texts.entries));
        order = std::move(made);
    }
    return order.rows;
}

void TMemoListModel::MakeSortTexts(int column, TSortTexts& made) const
{
    const TColumnRef ref = Column(column);
    std::vector<TListSortEntry>& keys = made.entries;
    keys.reserve(m_order.size());
    // Many memos share a date: each date is formatted once.
    std::unordered_map<double, std::string_view> dates;
    const auto own = [&](int row) -> std::string_view {
        return made.owned.emplace_back(CellText(ref, row));
    };
    for (int row = 0; row < static_cast<int>(m_order.size()); ++row) {
        const CellValue& cell = m_store.CellAt(ref.table, ref.col, row);
        if (cell.IsEmpty()) {
            keys.emplace_back(std::string_view(), row);
        } else if (column == ColUpdate) {
            // Keyed by the whole day the cell shows, not by its time of day.
            auto [date, added] = dates.try_emplace(std::trunc(cell.ToReal()));
            if (added)
                date->second = own(row);
            keys.emplace_back(date->second, row);
        } else if (ref.type == ctString && cell.Kind() == CellKind::Text) {
            keys.emplace_back(cell.AsText(), row);  // the text in place: no copy
        } else {
            keys.emplace_back(own(row), row);
        }
    }
}

void TMemoListModel::Sort(int column)
{
    // The order is made once per state of the document and kept.
    ApplyOrder(SortedOrder(column));
}

void TMemoListModel::ApplyOrder(std::vector<int> order)
{
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<int> listRowOf(order.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        listRowOf[static_cast<std::size_t>(order[i])] = static_cast<int>(i);
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& index : before)
        after << index.sibling(listRowOf[static_cast<std::size_t>(TableRow(index.row()))], index.column());
    m_order = std::move(order);
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

int TMemoListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_order.size());
}

int TMemoListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TMemoListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    // The toolkit calls this while painting: nothing may escape. Documents
    // are checked for the memo layout when opened, so a cell that cannot be
    // read is not expected; it shows empty.
    try {
        QString text = QString::fromUtf8(Cp932ToUtf8(CellText(TableRow(index.row()), index.column())));
        if (role == Qt::DisplayRole && index.column() == ColText)
            text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));  // one line per memo
        return text;
    } catch (...) {
        return {};
    }
}

QVariant TMemoListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ColumnCount)
        return {};
    return QString::fromUtf8(Captions[section]);
}

Qt::ItemFlags TMemoListModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == ColTitle)
        f |= Qt::ItemIsEditable;
    return f;
}

bool TMemoListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || index.column() != ColTitle || role != Qt::EditRole || !m_editHandler)
        return false;
    const bool renamed = m_editHandler(TableRow(index.row()), value.toString());
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return renamed;
}

void TMemoListModel::sort(int column, Qt::SortOrder)
{
    if (column < 0 || column >= ColumnCount)
        return;
    // Called by the toolkit: a sort that fails keeps the order it had.
    try {
        Sort(column);
    } catch (...) {
    }
}
