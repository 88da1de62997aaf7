#pragma once
// The program's commands: one QAction per command, named after it, made
// from one table with its caption, shortcut and hint. Each command has a
// handler and may have an enabling rule; the enabling rules run when the
// program is idle and again right before a command runs, so a disabled
// command never runs, whichever way it is started.

#include <QHash>
#include <QObject>
#include <QString>
#include <functional>
#include <vector>

class QAction;
class TDialogs;

struct TCommandEntry {
    const char* name;
    const char* caption;
    const char* shortcut;  // empty: none
    const char* hint;
    bool checkable;
    // The image: this program's own drawing of that name when it has one,
    // else the desktop icon theme's.
    const char* icon;
};

// The program's command table, in menu order.
const std::vector<TCommandEntry>& CommandTable();

class TCommands : public QObject {
    Q_OBJECT
public:
    using THandler = std::function<void()>;
    using TEnabling = std::function<bool()>;

    // Makes every command of the table as a child of owner. Handlers run
    // inside the error guard of dialogs.
    TCommands(QObject* owner, TDialogs& dialogs);

    QAction* Action(const QString& name) const;
    void SetHandler(const QString& name, THandler handler);
    void SetEnabling(const QString& name, TEnabling enabling);

    // Its enabling rule, then its handler when enabled.
    void Run(const QString& name);
    // Its enabling rule, which sets its state; whether it is enabled. An
    // error of the rule is shown and counts as disabled.
    bool Enabled(const QString& name);
    // Every enabling rule, each setting its command's state.
    void UpdateAll();
    const QList<QAction*>& Actions() const { return m_order; }

private:
    void Triggered(const QString& name);
    void Execute(const QString& name, bool checkToggled);
    bool UpdateOne(const QString& name);

    TDialogs& m_dialogs;
    QHash<QString, QAction*> m_actions;
    QList<QAction*> m_order;
    QHash<QString, THandler> m_handlers;
    QHash<QString, TEnabling> m_enabling;
};
