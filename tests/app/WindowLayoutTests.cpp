// The layout the user makes: bands moved to other rows, the status bar's
// document panel, minimised memo windows, the about box and the file
// manager's sizes, over a restart where they are kept.
#include "AppFixture.h"
#include "ToolBand.h"

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
