#include "HintSwitch.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

THintSwitch::THintSwitch(QWidget* root) : QObject(root), m_root(root)
{
    qApp->installEventFilter(this);
}

void THintSwitch::SetShowHints(bool on)
{
    m_showHints = on;
}

bool THintSwitch::IsInside(QObject* object) const
{
    for (QObject* o = object; o; o = o->parent()) {
        if (o == m_root)
            return true;
    }
    return false;
}

bool THintSwitch::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_showHints && event->type() == QEvent::ToolTip && IsInside(watched))
        return true;
    return QObject::eventFilter(watched, event);
}
