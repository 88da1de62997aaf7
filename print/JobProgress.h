#pragma once
// The progress of a print job that runs longer than about a second: a
// window with the page and the memo being printed and a Cancel button.
// Cancel throws TPrintCancelled out of the layout's progress callback, so
// that the job stops wherever it is.

#include "PrintLayout.h"

#include <QElapsedTimer>

#include <chrono>
#include <memory>

class QProgressDialog;
class QWidget;

// The user cancelled the job; not an error.
struct TPrintCancelled {};

class TJobProgress {
public:
    // memoSubject: only pages are counted, there is no list of memos.
    TJobProgress(QWidget* parent, bool memoSubject, std::chrono::milliseconds delay);
    ~TJobProgress();

    TPrintProgress Callback();
    void Report(int memo, int memoCount, int page);

private:
    void Show(int memoCount);

    QWidget* m_parent;
    bool m_memoSubject;
    std::chrono::milliseconds m_delay;
    QElapsedTimer m_clock;
    qint64 m_lastUpdate = -1;
    std::unique_ptr<QProgressDialog> m_window;
};
