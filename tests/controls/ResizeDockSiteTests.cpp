// The dock-site facade over the four dock areas of a main window.
#include "RsizDock.h"
#include "Settle.h"

#include <QDockWidget>
#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <QTest>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace {

class ResizeDockSiteTest : public ::testing::Test {
protected:
    ResizeDockSiteTest()
        : left(new TResizeDockSite(&window, Qt::LeftDockWidgetArea, 1, &window)),
          right(new TResizeDockSite(&window, Qt::RightDockWidgetArea, 2, &window)),
          top(new TResizeDockSite(&window, Qt::TopDockWidgetArea, 3, &window)),
          bottom(new TResizeDockSite(&window, Qt::BottomDockWidgetArea, 4, &window))
    {
        window.setCentralWidget(new QTextEdit);
        window.resize(800, 600);
        for (TResizeDockSite* site : {left, right, top, bottom}) {
            site->Watch(tool);
            site->Watch(second);
        }
    }

    ~ResizeDockSiteTest() override
    {
        for (QDockWidget* client : {tool.data(), second.data()}) {
            if (client && !client->parent())
                delete client;
        }
    }

    static QDockWidget* MakeClient(const QString& name)
    {
        auto* client = new QDockWidget(name);
        client->setObjectName(name);
        client->setWidget(new QLabel(name));
        return client;
    }

    void ShowWindow()
    {
        ASSERT_TRUE(ShowAndSettle(window));
    }

    QMainWindow window;
    TResizeDockSite* left;
    TResizeDockSite* right;
    TResizeDockSite* top;
    TResizeDockSite* bottom;
    QPointer<QDockWidget> tool = MakeClient("tool");
    QPointer<QDockWidget> second = MakeClient("second");
};

TEST_F(ResizeDockSiteTest, StartsEmptyWithItsTagEdgeAndMinimum)
{
    ShowWindow();
    EXPECT_EQ(left->Tag(), 1);
    EXPECT_EQ(bottom->Tag(), 4);
    EXPECT_EQ(top->Align(), Qt::TopDockWidgetArea);
    EXPECT_EQ(left->MinSize(), 30);
    EXPECT_TRUE(left->IsEmpty());
    EXPECT_EQ(left->DockClientCount(), 0);
    EXPECT_EQ(left->Width(), 0);
    EXPECT_EQ(top->Height(), 0);
}

TEST_F(ResizeDockSiteTest, DockedClientFillsTheStrip)
{
    left->Dock(tool);
    ShowWindow();
    EXPECT_EQ(left->DockClientCount(), 1);
    EXPECT_FALSE(left->IsEmpty());
    EXPECT_EQ(left->Width(), tool->width());
    EXPECT_EQ(left->Height(), tool->height());
    EXPECT_GT(left->Width(), 0);
    EXPECT_EQ(right->DockClientCount(), 0);
    EXPECT_EQ(tool->minimumWidth(), 30);
}

TEST_F(ResizeDockSiteTest, SetSizeGivesTheStripItsThickness)
{
    left->Dock(tool);
    bottom->Dock(second);
    ShowWindow();
    left->SetSize(150, 999);
    bottom->SetSize(999, 120); // read back at once, before the event loop runs
    EXPECT_EQ(left->Width(), 150);
    EXPECT_EQ(tool->width(), 150);
    EXPECT_EQ(bottom->Height(), 120);
    EXPECT_EQ(second->height(), 120);
}

TEST_F(ResizeDockSiteTest, HidingCollapsesAndShowingBringsTheThicknessBack)
{
    left->Dock(tool);
    ShowWindow();
    left->SetSize(170, 0);
    Settle();
    const int thickness = left->Width();

    tool->hide();
    Settle();
    EXPECT_TRUE(left->IsEmpty());
    EXPECT_EQ(left->DockClientCount(), 1);
    EXPECT_EQ(left->Width(), 0);
    EXPECT_EQ(window.centralWidget()->x(), 0);

    tool->show();
    Settle();
    EXPECT_FALSE(left->IsEmpty());
    EXPECT_EQ(left->Width(), thickness);
    EXPECT_EQ(tool->width(), thickness);
}

TEST_F(ResizeDockSiteTest, SizeSetWhileHiddenIsAppliedWhenShown)
{
    left->Dock(tool);
    left->SetSize(140, 0); // the window is not shown yet
    EXPECT_EQ(left->Width(), 140);
    ShowWindow();
    EXPECT_EQ(tool->width(), 140);

    tool->hide();
    Settle();
    left->SetSize(190, 0);
    EXPECT_EQ(left->Width(), 0); // still collapsed
    tool->show();
    Settle();
    EXPECT_EQ(left->Width(), 190);
    EXPECT_EQ(tool->width(), 190);
}

TEST_F(ResizeDockSiteTest, FollowsClientsDockedByTheWindowFloatedAndMoved)
{
    window.addDockWidget(Qt::TopDockWidgetArea, tool);
    ShowWindow();
    EXPECT_EQ(top->DockClientCount(), 1);
    EXPECT_GT(top->Height(), 0);

    tool->setFloating(true);
    Settle();
    EXPECT_EQ(top->DockClientCount(), 0);
    EXPECT_TRUE(top->IsEmpty());
    EXPECT_EQ(top->Height(), 0);

    tool->setFloating(false);
    Settle();
    EXPECT_EQ(top->DockClientCount(), 1);

    window.addDockWidget(Qt::RightDockWidgetArea, tool);
    Settle();
    EXPECT_EQ(top->DockClientCount(), 0);
    EXPECT_EQ(top->Height(), 0);
    EXPECT_EQ(right->DockClientCount(), 1);
    EXPECT_GT(right->Width(), 0);
    EXPECT_EQ(tool->minimumWidth(), 30);

    tool->setFloating(true);
    left->Dock(tool);
    Settle();
    EXPECT_FALSE(tool->isFloating());
    EXPECT_EQ(left->DockClientCount(), 1);
    EXPECT_EQ(right->DockClientCount(), 0);
}

TEST_F(ResizeDockSiteTest, TwoClientsKeepTheStripUntilTheLastLeaves)
{
    left->Dock(tool);
    left->Dock(second);
    ShowWindow();
    left->SetSize(160, 0);
    Settle();
    EXPECT_EQ(left->DockClientCount(), 2);
    EXPECT_EQ(left->Width(), 160);
    EXPECT_GT(left->Height(), tool->height()); // the two stack along the strip

    second->setFloating(true);
    Settle();
    EXPECT_EQ(left->DockClientCount(), 1);
    EXPECT_EQ(left->Width(), 160);

    window.removeDockWidget(tool);
    Settle();
    EXPECT_EQ(left->DockClientCount(), 0);
    EXPECT_TRUE(left->IsEmpty());
    EXPECT_EQ(left->Width(), 0);
}

TEST_F(ResizeDockSiteTest, HiddenClientOfTwoLeavesTheOtherShowing)
{
    bottom->Dock(tool);
    bottom->Dock(second);
    ShowWindow();
    second->hide();
    Settle();
    EXPECT_FALSE(bottom->IsEmpty());
    EXPECT_EQ(bottom->DockClientCount(), 2);
    EXPECT_EQ(bottom->Width(), tool->width());
}

TEST_F(ResizeDockSiteTest, ShutdownKeepsTheDockingRecord)
{
    right->Dock(tool);
    ShowWindow();
    right->SetSize(180, 0);
    Settle();
    const int length = right->Height();

    window.close(); // hides the client with the window: it still counts as shown
    Settle();
    EXPECT_FALSE(right->IsEmpty());
    EXPECT_EQ(right->Width(), 180);

    delete tool;
    EXPECT_EQ(right->DockClientCount(), 1);
    EXPECT_EQ(right->Width(), 180);
    EXPECT_EQ(right->Height(), length);
    EXPECT_EQ(left->DockClientCount(), 0);
}

TEST_F(ResizeDockSiteTest, DestroyedClientKeepsTheRecordWhileTheWindowShows)
{
    left->Dock(tool);
    ShowWindow();
    left->SetSize(150, 0);
    Settle();
    delete tool;
    Settle();
    EXPECT_EQ(left->DockClientCount(), 1);
    EXPECT_EQ(left->Width(), 150);
}

TEST_F(ResizeDockSiteTest, HiddenClientStaysCollapsedAfterShutdown)
{
    left->Dock(tool);
    ShowWindow();
    tool->hide();
    Settle();
    window.close();
    delete tool;
    EXPECT_EQ(left->DockClientCount(), 1);
    EXPECT_TRUE(left->IsEmpty());
    EXPECT_EQ(left->Width(), 0);
}

TEST_F(ResizeDockSiteTest, SetAlignIgnoresNoneClientAndTheCurrentEdge)
{
    left->Dock(tool);
    ShowWindow();
    for (Qt::DockWidgetArea area : {Qt::NoDockWidgetArea, Qt::AllDockWidgetAreas, Qt::LeftDockWidgetArea}) {
        left->SetAlign(area);
        EXPECT_EQ(left->Align(), Qt::LeftDockWidgetArea);
    }
    EXPECT_EQ(window.dockWidgetArea(tool), Qt::LeftDockWidgetArea);
}

TEST_F(ResizeDockSiteTest, SetAlignTakesTheDockedClientsToTheNewEdge)
{
    left->Dock(tool);
    ShowWindow();
    left->SetAlign(Qt::BottomDockWidgetArea);
    Settle();
    EXPECT_EQ(left->Align(), Qt::BottomDockWidgetArea);
    EXPECT_EQ(window.dockWidgetArea(tool), Qt::BottomDockWidgetArea);
    EXPECT_EQ(left->DockClientCount(), 1);
    EXPECT_EQ(left->Width(), tool->width());
    EXPECT_EQ(tool->minimumHeight(), 30);
}

TEST_F(ResizeDockSiteTest, MinSizeBoundsTheThickness)
{
    left->SetMinSize(60);
    left->Dock(tool);
    ShowWindow();
    EXPECT_EQ(left->MinSize(), 60);
    EXPECT_EQ(tool->minimumWidth(), 60);
    left->SetSize(10, 0);
    EXPECT_EQ(left->Width(), 60);
    EXPECT_EQ(tool->width(), 60);
}

} // namespace
