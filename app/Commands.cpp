#include "Commands.h"

#include "CommandIcons.h"
#include "Dialogs.h"
#include "Guard.h"
#include "HintText.h"

#include <QAction>
#include <QKeySequence>
#include <QRegularExpression>

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
        action->setIconVisibleInMenu(false);
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

void TCommands::SetNotAvailable(const QString& name)
{
    SetHandler(name, [this, name] {
        // The caption without its access key: "CSVファイル(&C)" -> "CSVファイル".
        QString caption = Action(name)->text();
        caption.remove(QRegularExpression(QStringLiteral("\\(&.\\)|\\.\\.\\.$"))).remove(u'&');
        m_dialogs.MessageBox(QStringLiteral("Vellora"),
                             u'"' + caption + QStringLiteral("\" はまだ使用できません。"), TMsgIcon::Information,
                             TMsgButton::Ok);
    });
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

void TCommands::UpdateAll()
{
    for (auto it = m_enabling.constBegin(); it != m_enabling.constEnd(); ++it)
        UpdateOne(it.key());
}

void TCommands::Run(const QString& name)
{
    RunGuarded(m_dialogs, [&] {
        if (!UpdateOne(name))
            return;
        QAction* action = m_actions.value(name);
        // A checkable command run by name toggles like a menu choice would;
        // its handler then reads the new check.
        if (action->isCheckable())
            action->setChecked(!action->isChecked());
        const auto handler = m_handlers.constFind(name);
        if (handler != m_handlers.constEnd())
            (*handler)();
    });
}

void TCommands::Triggered(const QString& name)
{
    // The toolkit has already toggled a checkable command's check; a
    // command found disabled gets its check back.
    RunGuarded(m_dialogs, [&] {
        if (!UpdateOne(name)) {
            QAction* action = m_actions.value(name);
            if (action->isCheckable())
                action->setChecked(!action->isChecked());
            return;
        }
        const auto handler = m_handlers.constFind(name);
        if (handler != m_handlers.constEnd())
            (*handler)();
    });
}
