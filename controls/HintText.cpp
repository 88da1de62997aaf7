#include "HintText.h"

QString ShortHint(const QString& hint)
{
    return hint.section(u'|', 0, 0);
}

QString LongHint(const QString& hint)
{
    const int bar = hint.indexOf(u'|');
    return bar < 0 ? hint : hint.mid(bar + 1);
}
