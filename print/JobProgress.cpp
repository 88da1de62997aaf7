#include "JobProgress.h"

#include <QCoreApplication>
#include <QProgressDialog>

namespace {
// How often the window is updated and the Cancel button looked at.
constexpr qint64 UpdateMilliseconds = 50;
}  // namespace

TJobProgress::TJobProgress(QWidget* parent, bool memoSubject, std::chrono::milliseconds delay)
    : m_parent(parent), m_memoSubject(memoSubject), m_delay(delay)
{
    m_clock.start();
}

TJobProgress::~TJobProgress() = default;

TPrintProgress TJobProgress::Callback()
{
    return [this](int memo, int memoCount, int page) { Report(memo, memoCount, page); };
}

void TJobProgress::Report(int memo, int memoCount, int page)
{
    const qint64 now = m_clock.elapsed();
    if (now < m_delay.count() || (m_lastUpdate >= 0 && now - m_lastUpdate < UpdateMilliseconds))
        return;
    m_lastUpdate = now;
    if (!m_window)
        Show(memoCount);
    const QString pageText = QStringLiteral("%1 ページ目を印刷しています").arg(page);
    m_window->setLabelText(m_memoSubject ? pageText
                                         : pageText + QStringLiteral("\nメモ %1 / %2").arg(memo + 1).arg(memoCount));
    m_window->setValue(m_memoSubject ? 0 : memo);
    QCoreApplication::processEvents();
    if (m_window->wasCanceled())
        throw TPrintCancelled();
}

void TJobProgress::Show(int memoCount)
{
    m_window = std::make_unique<QProgressDialog>(m_parent);
    m_window->setWindowTitle(QStringLiteral("印刷"));
    m_window->setWindowModality(Qt::ApplicationModal);
    m_window->setCancelButtonText(QStringLiteral("キャンセル"));
    m_window->setAutoReset(false);
    m_window->setAutoClose(false);
    m_window->setMinimumDuration(0);
    m_window->setMinimumWidth(320);
    m_window->setRange(0, m_memoSubject ? 0 : memoCount);
    m_window->show();
}
