// The layout the user makes: bands moved to other rows, the status bar's
// document panel, minimised memo windows, the about box and the file
// manager's sizes, over a restart where they are kept.
#include "AppFixture.h"
#include "StatusBar.h"
#include "ToolBand.h"

#include <QLabel>

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
