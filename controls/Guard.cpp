#include "Guard.h"

#include "Dialogs.h"

#include <exception>

bool RunGuarded(TDialogs& dialogs, const std::function<void()>& work)
{
    try {
        work();
        return true;
    } catch (const std::exception& e) {
        dialogs.ShowError(QString::fromUtf8(e.what()));
    } catch (...) {
        dialogs.ShowError(QStringLiteral("不明なエラーが発生しました"));
    }
    return false;
}
