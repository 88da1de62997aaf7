#include "ToolBand.h"

#include <QEvent>
#include <QMainWindow>

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

bool TToolBand::event(QEvent* event)
{
    // The toolbar takes the release that ends a drag by its handle.
    const bool handled = QToolBar::event(event);
    if (handled && event->type() == QEvent::MouseButtonRelease)
        emit Dropped();
    return handled;
}

void TToolBand::moveEvent(QMoveEvent* event)
{
    QToolBar::moveEvent(event);
    RecordPosition();
}

void TToolBand::showEvent(QShowEvent* event)
{
    QToolBar::showEvent(event);
    RecordPosition();
}

// Only a band on screen has a place of its own: a hidden one keeps the last.
void TToolBand::RecordPosition()
{
    if (!isVisible())
        return;
    int containerTop = 0;
    if (auto* window = qobject_cast<QMainWindow*>(parentWidget())) {
        if (QWidget* menu = window->menuWidget(); menu && menu->isVisible())
            containerTop = menu->geometry().bottom() + 1;
    }
    m_left = x();
    m_top = y() - containerTop;
}
