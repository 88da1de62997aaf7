#pragma once
// Hints of controls and commands. A hint is one text or two parts joined by
// "|": the first part is the tool tip, the second the status-bar text.

#include <QString>

class QWidget;
class QAction;

void SetHint(QWidget* widget, const QString& hint);
void SetHint(QAction* action, const QString& hint);
QString ShortHint(const QString& hint);
QString LongHint(const QString& hint);
