#pragma once
// Draws the memo list's cells like the standard delegate, but hands the
// style only as much of a long text as can show in the cell: the style
// shapes the whole text to elide it, and a memo's text can be long.

#include <QStyledItemDelegate>

class TElidingDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};
