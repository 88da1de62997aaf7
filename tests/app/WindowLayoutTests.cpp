// The layout the user makes: bands moved to other rows, the status bar's
// document panel, minimised memo windows, the about box and the file
// manager's sizes, over a restart where they are kept.
#include "AppFixture.h"
#include "RsizDock.h"
#include "StatusBar.h"
#include "ToolBand.h"

#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSplitter>

namespace {
TToolBand* Band(TfrmMain& main, const char* name)
{
    return main.findChild<TToolBand*>(QString::fromLatin1(name));
}
}  // namespace

TEST_F(AppTest, BandMovedToASecondRowComesBackThereAfterARestart)
{
    Start();
    TToolBand* edit = Band(Main(), "tlbEdit");
    Main().addToolBarBreak(Qt::TopToolBarArea);
    Main().addToolBar(Qt::TopToolBarArea, edit);
    edit->show();
    Idle();
    ASSERT_GT(edit->y(), Band(Main(), "tlbMain")->y());

    Restart();
    edit = Band(Main(), "tlbEdit");
    EXPECT_GT(edit->y(), Band(Main(), "tlbMain")->y());
    EXPECT_TRUE(Main().toolBarBreak(edit));
    EXPECT_EQ(Band(Main(), "tlbKeyWord")->y(), Band(Main(), "tlbMain")->y());
    EXPECT_EQ(IniInteger("tlbEdit", "Top"), edit->Top());
}

TEST_F(AppTest, ShortenedPathAndMemoCountFitTheDocumentPanel)
{
    Start();
    AddMemo("a");
    AddMemo("b");
    TStatusBar* bar = Main().StatusBar();
    for (const QString& name : {"/" + QString("folder/").repeated(40) + "memo.vlr", "/" + QString("n").repeated(400)}) {
        Main().SetDocumentFileName(name);
        Idle();
        Main().ApplicationIdle();
        const QLabel* panel = bar->Panel(2);
        EXPECT_TRUE(panel->text().endsWith(" (includes 2 memos)")) << panel->text().toStdString();
        EXPECT_LE(panel->sizeHint().width(), panel->width()) << panel->text().toStdString();
    }
}

TEST_F(AppTest, ArrangedIconsWrapIntoRowsInsideTheFrame)
{
    Start();
    Main().resize(400, 400);
    for (int i = 0; i < 7; ++i)
        NewMemo();
    Main().RunCommand("WindowMinimizeAll1");
    Idle();
    Main().RunCommand("WindowArrangeAll1");
    const QRect frame = Main().MdiArea()->viewport()->rect();
    QList<QRect> places;
    for (QMdiSubWindow* sub : Main().MdiArea()->subWindowList()) {
        ASSERT_TRUE(sub->isMinimized());
        EXPECT_TRUE(frame.contains(sub->geometry())) << sub->geometry().x() << "," << sub->geometry().y();
        for (const QRect& other : places)
            EXPECT_FALSE(other.intersects(sub->geometry()));
        places << sub->geometry();
    }
}

TEST_F(AppTest, KeywordPanelWidthIsKeptWhenTheManagerStartsFloating)
{
    WriteIni("Manager", "SplitterPos", 150);
    Start();
    Idle();
    ASSERT_TRUE(Manager().isFloating());
    ASSERT_TRUE(Manager().isVisible());
    EXPECT_EQ(Manager().KeywordPanel()->width(), 150);
    auto* splitter = Manager().findChild<QSplitter*>("Splitter1");
    splitter->setSizes({170, splitter->width() - 170 - splitter->handleWidth()});
    Exit();
    EXPECT_EQ(IniInteger("Manager", "SplitterPos"), 170);
}

TEST_F(AppTest, FloatingSizeIsKeptAfterDocking)
{
    Start();
    Idle();
    Manager().resize(500, 300);
    Idle();
    Main().DockSites().at(1)->Dock(&Manager());
    Idle();
    Manager().setFloating(true);
    Idle();
    EXPECT_EQ(Manager().size(), QSize(500, 300));

    Main().DockSites().at(1)->Dock(&Manager());
    Exit();
    EXPECT_EQ(IniInteger("Manager", "UndockWidth"), 500);
    EXPECT_EQ(IniInteger("Manager", "UndockHeight"), 300);
    Start();
    Idle();
    Manager().setFloating(true);
    Idle();
    EXPECT_EQ(Manager().size(), QSize(500, 300));
}

TEST_F(AppTest, HiddenDockedManagerKeepsItsSiteSize)
{
    Start();
    const int width = DockManagerRight();
    Main().RunCommand("ViewManager");
    Idle();
    ASSERT_EQ(Main().DockSites().at(1)->Width(), 0);
    Restart();  // hidden at exit
    EXPECT_EQ(IniInteger("Manager", "DockStatus"), 2);
    EXPECT_EQ(IniInteger("Manager", "SiteWidth"), width);
    Exit();  // started hidden, never shown
    EXPECT_EQ(IniInteger("Manager", "SiteWidth"), width);
    EXPECT_GT(IniInteger("Manager", "SiteHeight"), 0);

    Start();
    Main().RunCommand("ViewManager");
    Idle();
    EXPECT_NEAR(Main().DockSites().at(1)->Width(), width, 4);
}
