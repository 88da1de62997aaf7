#include "Commands.h"

#include "CommandIcons.h"
#include "Dialogs.h"
#include "Guard.h"
#include "HintText.h"

#include <QAction>
#include <QKeySequence>

TCommands::TCommands(QObject* owner, TDialogs& dialogs) : QObject(owner), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("ActionList1"));
    for (const TCommandEntry& entry : CommandTable()) {
        const QString name = QString::fromLatin1(entry.name);
        auto* action = new QAction(QString::fromUtf8(entry.caption), owner);
        action->setObjectName(name);
        if (*entry.shortcut)
            action->setShortcut(QKeySequence(QString::fromLatin1(entry.shortcut)));
        SetHint(action, QString::fromUtf8(entry.hint));
        action->setCheckable(entry.checkable);
        action->setIcon(CommandIcon(entry));
        connect(action, &QAction::triggered, this, [this, name] { Triggered(name); });
        m_actions.insert(name, action);
        m_order.append(action);
    }
}

QAction* TCommands::Action(const QString& name) const
{
    return m_actions.value(name);
}

void TCommands::SetHandler(const QString& name, THandler handler)
{
    m_handlers.insert(name, std::move(handler));
}

void TCommands::SetEnabling(const QString& name, TEnabling enabling)
{
    m_enabling.insert(name, std::move(enabling));
}

bool TCommands::UpdateOne(const QString& name)
{
    QAction* action = m_actions.value(name);
    const auto rule = m_enabling.constFind(name);
    if (action && rule != m_enabling.constEnd()) {
        const bool enabled = (*rule)();
        if (action->isEnabled() != enabled)
            action->setEnabled(enabled);
    }
    return action && action->isEnabled();
}

bool TCommands::Enabled(const QString& name)
{
    bool enabled = false;
    RunGuarded(m_dialogs, [&] { enabled = UpdateOne(name); });
    return enabled;
}

void TCommands::UpdateAll()
{
    for (auto it = m_enabling.constBegin(); it != m_enabling.constEnd(); ++it)
        UpdateOne(it.key());
}

void TCommands::Run(const QString& name)
{
    Execute(name, false);
}

void TCommands::Triggered(const QString& name)
{
    Execute(name, true);
}

void TCommands::Execute(const QString& name, bool checkToggled)
{
    RunGuarded(m_dialogs, [&] {
        QAction* action = m_actions.value(name);
        const bool enabled = UpdateOne(name);
        // A checkable command toggles its check before its handler reads
        // it: a menu choice has toggled it already, a run by name does it
        // here. A command found disabled keeps the check it had.
        if (action && action->isCheckable() && enabled != checkToggled)
            action->setChecked(!action->isChecked());
        if (!enabled)
            return;
        const auto handler = m_handlers.constFind(name);
        if (handler != m_handlers.constEnd())
            (*handler)();
    });
}
