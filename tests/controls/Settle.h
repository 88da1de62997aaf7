#pragma once
// Lets the event loop finish what a test started: queued shows, layouts,
// resizes.

#include <QCoreApplication>
#include <QTest>
#include <QWidget>

inline void Settle()
{
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

// Shows a top-level widget and waits until it is on screen and laid out.
inline bool ShowAndSettle(QWidget& widget)
{
    widget.show();
    const bool exposed = QTest::qWaitForWindowExposed(&widget);
    Settle();
    return exposed;
}
