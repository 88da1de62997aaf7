#include "FlowLayout.h"

#include <QWidget>

TFlowLayout::TFlowLayout(QWidget* parent, int spacing) : QLayout(parent)
{
    setSpacing(spacing);
}

TFlowLayout::~TFlowLayout()
{
    while (QLayoutItem* item = takeAt(0))
        delete item;
}

void TFlowLayout::addItem(QLayoutItem* item)
{
    m_items.append(item);
}

int TFlowLayout::count() const
{
    return static_cast<int>(m_items.size());
}

QLayoutItem* TFlowLayout::itemAt(int index) const
{
    return m_items.value(index);
}

QLayoutItem* TFlowLayout::takeAt(int index)
{
    return index >= 0 && index < m_items.size() ? m_items.takeAt(index) : nullptr;
}

Qt::Orientations TFlowLayout::expandingDirections() const
{
    return {};
}

bool TFlowLayout::hasHeightForWidth() const
{
    return true;
}

int TFlowLayout::heightForWidth(int width) const
{
    return LayOut(QRect(0, 0, width, 0), false);
}

// The narrowest the layout can be is its widest item: the rest wrap below.
QSize TFlowLayout::minimumSize() const
{
    QSize size;
    for (const QLayoutItem* item : m_items)
        size = size.expandedTo(item->minimumSize());
    const QMargins margins = contentsMargins();
    return size + QSize(margins.left() + margins.right(), margins.top() + margins.bottom());
}

// One row holding every item.
QSize TFlowLayout::sizeHint() const
{
    int width = 0;
    int height = 0;
    for (const QLayoutItem* item : m_items) {
        const QSize hint = item->sizeHint();
        width += hint.width() + (width > 0 ? spacing() : 0);
        height = qMax(height, hint.height());
    }
    const QMargins margins = contentsMargins();
    return {width + margins.left() + margins.right(), height + margins.top() + margins.bottom()};
}

void TFlowLayout::setGeometry(const QRect& rect)
{
    QLayout::setGeometry(rect);
    LayOut(rect, true);
}

int TFlowLayout::LayOut(const QRect& rect, bool place) const
{
    const QRect area = rect.marginsRemoved(contentsMargins());
    int x = area.x();
    int y = area.y();
    int rowHeight = 0;
    for (QLayoutItem* item : m_items) {
        if (item->isEmpty())
            continue;
        const QSize hint = item->sizeHint();
        if (x > area.x() && x + hint.width() > area.right() + 1) {
            x = area.x();
            y += rowHeight + spacing();
            rowHeight = 0;
        }
        if (place)
            item->setGeometry(QRect(QPoint(x, y), hint));
        x += hint.width() + spacing();
        rowHeight = qMax(rowHeight, hint.height());
    }
    const QMargins margins = contentsMargins();
    return y + rowHeight - rect.y() + margins.bottom();
}
