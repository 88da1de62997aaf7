#include "HintText.h"

#include <QAction>
#include <QWidget>

QString ShortHint(const QString& hint)
{
    return hint.section(u'|', 0, 0);
}

QString LongHint(const QString& hint)
{
    const int bar = hint.indexOf(u'|');
    return bar < 0 ? hint : hint.mid(bar + 1);
}

void SetHint(QWidget* widget, const QString& hint)
{
    widget->setToolTip(ShortHint(hint));
    widget->setStatusTip(LongHint(hint));
}

void SetHint(QAction* action, const QString& hint)
{
    action->setToolTip(ShortHint(hint));
    action->setStatusTip(LongHint(hint));
}
