#include "ToolBand.h"

TToolBand::TToolBand(const QString& name, int left, int top, QWidget* parent)
    : QToolBar(parent), m_left(left), m_top(top)
{
    setObjectName(name);
    setWindowTitle(name);
    setIconSize(QSize(16, 16));
    setMovable(true);
    setFloatable(false);
    setAllowedAreas(Qt::TopToolBarArea);
    setToolButtonStyle(Qt::ToolButtonIconOnly);
}

int TToolBand::Left() const
{
    return isVisibleTo(parentWidget()) && parentWidget()->isVisible() ? x() : m_left;
}

int TToolBand::Top() const
{
    return isVisibleTo(parentWidget()) && parentWidget()->isVisible() ? y() : m_top;
}

void TToolBand::RememberPosition()
{
    m_left = Left();
    m_top = Top();
}
