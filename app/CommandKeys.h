#pragma once
// Lets the program's command shortcuts win over a widget's own meaning of
// the same key (Shift+Del is "cut" in a text field, Ctrl+K "delete to the
// end of the line"): a menu choice, a toolbar button and a shortcut do the
// same. Only a command that is enabled at that moment takes its key; a
// disabled one leaves the key to the widget. Ctrl+Del stays the text
// field's own "delete the next word" while a text field has the focus, so
// that a slip of the finger while typing never deletes a memo.

#include <QObject>

class QKeySequence;
class QMenu;
class QWidget;
class TCommands;

class TCommandKeys : public QObject {
    Q_OBJECT
public:
    // Watches the key events of window and of the windows it owns.
    TCommandKeys(TCommands& commands, QWidget* window);

    // Takes from the menu's actions every shortcut that a command uses, so
    // that no key is claimed twice (a memo window's system menu claims
    // Ctrl+W for its Close).
    void ReleaseCommandKeys(QMenu* menu) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The command whose shortcut the key is; empty when none.
    QString CommandOfKey(const QKeySequence& key) const;
    bool BelongsToWindow(QObject* watched) const;

    TCommands& m_commands;
    QWidget* m_window;
};
