// The notice of work the window waits for: the busy cursor and the message,
// and what was there before once the work is done.
#include "BusyNotice.h"
#include "StatusBar.h"

#include <QApplication>
#include <QWidget>
#include <gtest/gtest.h>
#include <stdexcept>

TEST(BusyNotice, ShowsUntilGoneAndPassesTheWorksErrorOn)
{
    QWidget window;
    TStatusBar bar(&window);
    bar.SetPanelText(0, QStringLiteral("hint"));
    {
        TBusyNotice notice(bar, QStringLiteral("保存しています..."));
        notice.Show();
        EXPECT_EQ(bar.PanelText(0), QStringLiteral("保存しています..."));
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    EXPECT_EQ(bar.PanelText(0), QStringLiteral("hint"));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    bool ran = false;
    TBusyNotice(bar, QStringLiteral("x")).Run([&] { ran = true; });
    EXPECT_TRUE(ran);
    EXPECT_THROW(TBusyNotice(bar, QStringLiteral("x")).Run([] { throw std::runtime_error("full"); }),
                 std::runtime_error);
    EXPECT_EQ(bar.PanelText(0), QStringLiteral("hint"));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}
