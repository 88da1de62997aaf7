#pragma once
// Work the window waits for: it runs on a worker thread while the window's
// thread waits without handling any event, so nothing can change the
// document meanwhile. Work that lasts longer than a moment shows the busy
// cursor and a message in the status bar's first panel until it ends.

#include <QString>
#include <chrono>
#include <functional>

class TStatusBar;

class TBusyNotice {
public:
    TBusyNotice(TStatusBar& statusBar, QString message);
    // Takes the cursor and the panel's text back when shown.
    ~TBusyNotice();
    TBusyNotice(const TBusyNotice&) = delete;
    TBusyNotice& operator=(const TBusyNotice&) = delete;

    // Shows the cursor and the message at once.
    void Show();
    // Runs work, showing the notice when it is not done after `after`;
    // work's exception passes on.
    void Run(const std::function<void()>& work, std::chrono::milliseconds after = std::chrono::milliseconds(333));

private:
    TStatusBar& m_statusBar;
    QString m_message;
    QString m_hiddenText;
    bool m_shown = false;
};
