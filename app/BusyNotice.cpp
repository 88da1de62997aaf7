#include "BusyNotice.h"

#include "StatusBar.h"

#include <QApplication>
#include <future>
#include <system_error>

TBusyNotice::TBusyNotice(TStatusBar& statusBar, QString message)
    : m_statusBar(statusBar), m_message(std::move(message))
{
}

TBusyNotice::~TBusyNotice()
{
    if (!m_shown)
        return;
    m_statusBar.SetPanelText(0, m_hiddenText);
    QApplication::restoreOverrideCursor();
}

void TBusyNotice::Show()
{
    if (m_shown)
        return;
    m_shown = true;
    m_hiddenText = m_statusBar.PanelText(0);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_statusBar.SetPanelText(0, m_message);
    // No event loop runs until the work ends: paint now.
    m_statusBar.repaint();
}

void TBusyNotice::Run(const std::function<void()>& work, std::chrono::milliseconds after)
{
    std::future<void> done;
    try {
        done = std::async(std::launch::async, work);
    } catch (const std::system_error&) {
        Show();  // no thread to be had: the work runs here, announced
        work();
        return;
    }
    if (done.wait_for(after) != std::future_status::ready)
        Show();
    done.get();
}
