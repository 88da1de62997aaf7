#include "MemoListModel.h"

#include "ColumnRules.h"
#include "Cp932Codec.h"
#include "MemoDocument.h"
#include "QuorvexDataAccessSystem.h"
#include "TextForms.h"

#include <cmath>
#include <numeric>

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
    const int table = m_store.TableIndex(MemoLayout::Table);
    const int col = m_store.ColIndex(MemoLayout::Table, ColumnNames[column]);
    const CellValue& cell = m_store.CellAt(table, col, tableRow);
    if (column != ColUpdate)
        return ::CellText(m_store.GetColType(table, col), cell);
    if (cell.IsEmpty())
        return {};
    // The date only: the whole days of the serial.
    return FormatDateTime(std::trunc(cell.ToReal()), CurrentFormats());
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
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    QString text = QString::fromUtf8(Cp932ToUtf8(CellText(TableRow(index.row()), index.column())));
    if (role == Qt::DisplayRole && index.column() == ColText)
        text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));  // one line per memo
    return text;
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
