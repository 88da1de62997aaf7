#pragma once
// Hints of controls and commands. A hint is one text or two parts joined by
// "|": the first part is the tool tip, the second the status-bar text.

#include <QString>

QString ShortHint(const QString& hint);
QString LongHint(const QString& hint);

// A widget or a command: both carry a tool tip and a status tip.
template <typename T> void SetHint(T* target, const QString& hint)
{
    target->setToolTip(ShortHint(hint));
    target->setStatusTip(LongHint(hint));
}
