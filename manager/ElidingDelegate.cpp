#include "ElidingDelegate.h"

#include <QFontMetrics>

void TElidingDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    const int width = option->rect.width();
    if (width <= 0)
        return;
    // A prefix wider than the cell elides to what the whole text would.
    const QFontMetrics metrics(option->font);
    const int narrowest = qMax(1, metrics.horizontalAdvance(QLatin1Char('.')));
    const qsizetype length = width / narrowest + 2;
    if (option->text.size() <= length)
        return;
    const QString prefix = option->text.left(length);
    if (metrics.horizontalAdvance(prefix) > width)
        option->text = prefix;
}
