#include "Guard.h"

#include "Dialogs.h"

#include <exception>
#include <new>
#include <optional>

namespace {
int OpenMessages = 0;

// Runs work; the message of what it raised, nothing when it ended well.
std::optional<QString> ErrorOf(const std::function<void()>& work)
{
    try {
        work();
        return std::nullopt;
    } catch (const std::bad_alloc&) {
        return QStringLiteral("メモリが足りません");
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    } catch (...) {
        return QStringLiteral("不明なエラーが発生しました");
    }
}

// Shows the message; the guard's box counts as open until it is closed,
// whatever ends it.
void ShowGuardError(TDialogs& dialogs, const QString& message)
{
    struct TOpenMessage {
        TOpenMessage() { ++OpenMessages; }
        ~TOpenMessage() { --OpenMessages; }
    } open;
    dialogs.ShowError(message);
}
}  // namespace

bool RunGuarded(TDialogs& dialogs, const std::function<void()>& work)
{
    const std::optional<QString> error = ErrorOf(work);
    if (error)
        ShowGuardError(dialogs, *error);
    return !error;
}

bool GuardMessageOpen()
{
    return OpenMessages > 0;
}

void TRepeatedWorkGuard::Run(const std::function<void()>& work)
{
    if (m_running || GuardMessageOpen())
        return;
    m_running = true;
    const std::optional<QString> error = ErrorOf(work);
    const bool fresh = error && *error != m_lastError;
    m_lastError = error.value_or(QString());
    m_running = false;
    if (fresh)
        ShowGuardError(m_dialogs, *error);
}
