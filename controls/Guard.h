#pragma once
// Every entry from the toolkit into the program's code (a command, an event
// handler, a destructor that writes settings) runs inside RunGuarded: an
// exception never crosses the event loop, its message goes to the general
// error message box and the work ends at that point.

#include <QString>
#include <functional>

class TDialogs;

// Runs work; true when it ended without an exception.
bool RunGuarded(TDialogs& dialogs, const std::function<void()>& work);

// Whether a message box of the guard is open now. Its own event loop runs
// the idle work, which must wait until the box is closed.
bool GuardMessageOpen();

// The guard of work that runs on every pass of the event loop (idle work).
// It does not run while a message box of the guard is open or while it runs
// already, and an error is shown when it appears, not again at each pass
// while the same error repeats.
class TRepeatedWorkGuard {
public:
    explicit TRepeatedWorkGuard(TDialogs& dialogs) : m_dialogs(dialogs) {}
    void Run(const std::function<void()>& work);

private:
    TDialogs& m_dialogs;
    bool m_running = false;
    // The error of the last pass; empty after a pass without one.
    QString m_lastError;
};
