#include "CommandKeys.h"

#include "Commands.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {
bool IsTextField(const QObject* widget)
{
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QPlainTextEdit*>(widget) ||
           qobject_cast<const QTextEdit*>(widget);
}

// The text field's own key, whatever a command says: delete the next word.
bool IsTextFieldKey(const QKeySequence& key)
{
    return key == QKeySequence(Qt::CTRL | Qt::Key_Delete);
}
}  // namespace

TCommandKeys::TCommandKeys(TCommands& commands, QWidget* window)
    : QObject(window), m_commands(commands), m_window(window)
{
    qApp->installEventFilter(this);
}

void TCommandKeys::ReleaseCommandKeys(QMenu* menu) const
{
    for (QAction* action : menu->actions()) {
        QList<QKeySequence> kept;
        for (const QKeySequence& key : action->shortcuts()) {
            if (CommandOfKey(key).isEmpty())
                kept << key;
        }
        if (kept.size() != action->shortcuts().size())
            action->setShortcuts(kept);
    }
}

QString TCommandKeys::CommandOfKey(const QKeySequence& key) const
{
    for (QAction* action : m_commands.Actions()) {
        if (!action->shortcut().isEmpty() && action->shortcut() == key)
            return action->objectName();
    }
    return {};
}

// The main window, or a window it owns (the floating file manager).
bool TCommandKeys::BelongsToWindow(QObject* watched) const
{
    auto* widget = qobject_cast<QWidget*>(watched);
    for (QWidget* window = widget ? widget->window() : nullptr; window;
         window = window->parentWidget() ? window->parentWidget()->window() : nullptr) {
        if (window == m_window)
            return true;
    }
    return false;
}

bool TCommandKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride || !BelongsToWindow(watched))
        return false;
    auto* keyEvent = static_cast<QKeyEvent*>(event);
    const QKeySequence key(keyEvent->keyCombination().toCombined() & ~Qt::KeypadModifier);
    const QString name = CommandOfKey(key);
    if (name.isEmpty())
        return false;
    if (IsTextFieldKey(key) && IsTextField(watched)) {
        event->accept();  // the key goes to the field
        return true;
    }
    if (!m_commands.Enabled(name))
        return false;
    event->ignore();  // the command's shortcut takes the key
    return true;
}
