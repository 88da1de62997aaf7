// The main window: first run, commands, status bar, view settings over a
// restart and the settings written at exit.
#include "AppFixture.h"
#include "Commands.h"
#include "ControlBar.h"
#include "MemoListModel.h"
#include "RsizDock.h"
#include "StatusBar.h"
#include "ToolBand.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QTreeView>

namespace {
bool Checked(TfrmMain& main, const char* command)
{
    return main.Command(QString::fromLatin1(command))->isChecked();
}
}  // namespace

TEST_F(AppTest, FirstRunUsesTheDesignLayout)
{
    Start();
    EXPECT_TRUE(Manager().isVisible());
    EXPECT_TRUE(Manager().isFloating());
    EXPECT_EQ(Manager().geometry(), QRect(354, 273, 340, 249));
    EXPECT_EQ(Manager().KeywordPanel()->width(), 200);
    const int widths[] = {120, 80, 80, 60};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(Manager().MemoList()->columnWidth(i), widths[i]) << i;
    for (const char* command : {"ViewManager", "ViewToolBar", "ViewStatusBar", "ViewHint"})
        EXPECT_TRUE(Checked(Main(), command)) << command;
    EXPECT_FALSE(Checked(Main(), "MemoWithFileSave"));
    EXPECT_EQ(Main().windowTitle(), "Vellora");
}

TEST_F(AppTest, EveryCommandHasItsCaptionShortcutAndHint)
{
    Start();
    const QList<QAction*>& actions = Main().Commands().Actions();
    EXPECT_EQ(actions.size(), 39);
    QAction* about = Main().Command("HelpAbout1");
    EXPECT_EQ(about->toolTip(), "バージョン情報");
    EXPECT_EQ(about->statusTip(), "バージョンなど固有情報を表示");
    EXPECT_EQ(Main().Command("MemoDelete")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Delete));
    EXPECT_EQ(Main().Command("FileNew1")->shortcut(), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_N));
    EXPECT_EQ(Main().Command("FileSaveAs1")->text(), "名前をつけて保存(&A)...");
    QStringList menus;
    for (QAction* menu : Main().menuBar()->actions())
        menus << menu->text();
    EXPECT_EQ(menus, QStringList({"ファイル(&F)", "メモ(&M)", "表示(&V)", "ウィンドウ(&W)", "ヘルプ(&H)"}));
    QStringList bands;
    for (TToolBand* band : Main().ToolBands())
        bands << band->objectName() + QString::number(band->actions().size());
    EXPECT_EQ(bands, QStringList({"tlbMain13", "tlbMemo3", "tlbKeyWord3", "tlbEdit8"}));
}

TEST_F(AppTest, CaptionNamesTheFileWithoutItsLastExtension)
{
    Start();
    Main().SetDocumentFileName("/home/ann/notes/work.notes.vlr");
    EXPECT_EQ(Main().windowTitle(), "Vellora - work.notes");
    Main().SetDocumentFileName("/home/ann.d/plain");
    EXPECT_EQ(Main().windowTitle(), "Vellora - plain");
    Main().SetDocumentFileName(QString());
    EXPECT_EQ(Main().windowTitle(), "Vellora");
    Main().SetDocumentFileName("/tmp/a.vlr");
    Main().ApplicationIdle();
    EXPECT_EQ(Main().ApplicationTitle(), "Vellora - a");
}

TEST_F(AppTest, StatusBarShowsCaretAndDocument)
{
    Start();
    Main().resize(900, 400);
    Main().ApplicationIdle();
    TStatusBar* bar = Main().StatusBar();
    EXPECT_EQ(bar->PanelText(1), "");
    EXPECT_EQ(bar->PanelText(2), " (includes 0 memos)");

    TfrmMemo* memo = NewMemo();
    ASSERT_NE(memo, nullptr);
    Main().ApplicationIdle();
    EXPECT_EQ(bar->PanelText(1), "     0行,     0桁");
    memo->Editor()->setPlainText("abc\ndefgh");
    memo->Editor()->moveCursor(QTextCursor::End);
    Main().ApplicationIdle();
    EXPECT_EQ(bar->PanelText(1), "     1行,     5桁");
    // Lines as shown (a wrapped paragraph counts each of its lines), at the
    // end of a selection made backwards.
    memo->Editor()->setPlainText(QString("word ").repeated(200) + "\nend");
    QTextCursor backwards(memo->Editor()->document());
    backwards.movePosition(QTextCursor::End);
    backwards.movePosition(QTextCursor::StartOfBlock, QTextCursor::KeepAnchor);
    memo->Editor()->setTextCursor(backwards);
    Main().ApplicationIdle();
    const QStringList lineColumn = bar->PanelText(1).split(u',');
    EXPECT_GT(lineColumn[0].chopped(1).trimmed().toInt(), 2);
    EXPECT_EQ(lineColumn[1], "     3桁");

    AddMemo("a");
    AddMemo("b");
    AddMemo("c");
    Main().ApplicationIdle();
    EXPECT_EQ(bar->PanelText(2), " (includes 3 memos)");

    const QString longPath = "/" + QString("folder/").repeated(40) + "memo.vlr";
    Main().SetDocumentFileName(longPath);
    Main().ApplicationIdle();
    const QString shown = bar->PanelText(2);
    EXPECT_TRUE(shown.startsWith("/.../")) << shown.toStdString();
    EXPECT_TRUE(shown.endsWith("memo.vlr (includes 3 memos)")) << shown.toStdString();
    const int available = bar->width() - bar->PanelWidth(0) - bar->PanelWidth(1) - 20;
    EXPECT_LE(QFontMetrics(bar->Panel(2)->font()).horizontalAdvance(shown), available);
}

TEST_F(AppTest, CaretPanelHoldsItsTextWhateverTheFont)
{
    const QFont designFont = QApplication::font();
    QFont wide = designFont;
    wide.setPointSizeF(designFont.pointSizeF() * 2);
    QApplication::setFont(wide);
    Start();
    TStatusBar* bar = Main().StatusBar();
    const QString text = TStatusBar::CaretText(12345, 678);
    bar->SetPanelText(1, text);
    const int needed = bar->Panel(1)->fontMetrics().horizontalAdvance(text);
    QApplication::setFont(designFont);
    EXPECT_GE(bar->PanelTextWidth(1), needed);
}

TEST_F(AppTest, ToolBarSwitchHidesAllBandsAndIsKept)
{
    Start();
    Main().RunCommand("ViewToolBar");
    EXPECT_FALSE(Checked(Main(), "ViewToolBar"));
    for (TToolBand* band : Main().ToolBands())
        EXPECT_TRUE(band->isHidden()) << band->objectName().toStdString();
    Restart();
    EXPECT_FALSE(Checked(Main(), "ViewToolBar"));
    EXPECT_FALSE(Main().ControlBar()->Visible());
    for (TToolBand* band : Main().ToolBands())
        EXPECT_TRUE(band->isHidden()) << band->objectName().toStdString();
    EXPECT_EQ(IniInteger("View", "ToolBar"), 0);

    Main().RunCommand("ViewToolBar");
    Main().RunCommand("ViewStatusBar");
    Restart();
    EXPECT_TRUE(Checked(Main(), "ViewToolBar"));
    EXPECT_FALSE(Checked(Main(), "ViewStatusBar"));
    EXPECT_TRUE(Main().StatusBar()->isHidden());
    for (TToolBand* band : Main().ToolBands())
        EXPECT_FALSE(band->isHidden());
}

TEST_F(AppTest, DockedExitWritesTheSiteAndItsSize)
{
    Start();
    const int width = DockManagerRight();
    EXPECT_EQ(Main().DockSites().at(1)->DockClientCount(), 1);
    EXPECT_GT(width, 100);
    Exit();
    EXPECT_EQ(IniInteger("Manager", "DockStatus"), 2);
    EXPECT_EQ(IniInteger("Manager", "SiteWidth"), width);
    EXPECT_GT(IniInteger("Manager", "SiteHeight"), 0);
    EXPECT_EQ(IniInteger("View", "Manager"), 1);

    Start();
    Idle();
    EXPECT_FALSE(Manager().isFloating());
    EXPECT_EQ(Main().dockWidgetArea(&Manager()), Qt::RightDockWidgetArea);
    EXPECT_NEAR(Main().DockSites().at(1)->Width(), width, 4);
}

TEST_F(AppTest, FloatingExitWritesNoSiteSize)
{
    Start();
    ASSERT_TRUE(Manager().isFloating());
    Exit();
    EXPECT_EQ(IniInteger("Manager", "DockStatus"), -1);
    EXPECT_FALSE(IniHas("Manager", "SiteWidth"));
    EXPECT_FALSE(IniHas("Manager", "SiteHeight"));
    const QStringList keys = {"ActivePage", "SplitterPos", "Left", "Top", "Width", "Height", "UndockWidth",
                              "UndockHeight"};
    for (const QString& key : keys)
        EXPECT_TRUE(IniHas("Manager", key)) << key.toStdString();
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(IniHas("ListView", QString("Column.Width%1").arg(i)));
    EXPECT_FALSE(IniHas("ListView", "Column.Width4"));
}

TEST_F(AppTest, HiddenManagerStaysHiddenOverARestart)
{
    Start();
    Main().RunCommand("ViewManager");
    EXPECT_FALSE(Manager().isVisible());
    Restart();
    EXPECT_FALSE(Manager().isVisible());
    EXPECT_FALSE(Checked(Main(), "ViewManager"));
    Manager().show();
    Manager().close();  // its own close box
    Idle();
    EXPECT_FALSE(Checked(Main(), "ViewManager"));
}

TEST_F(AppTest, EditorFontIsKeptWithItsStyleBits)
{
    Start();
    TfrmMemo* memo = NewMemo();
    QFont chosen(QStringLiteral("IPAGothic"), 14);
    chosen.setBold(true);
    chosen.setItalic(true);
    m_dialogs.ExpectFont(chosen, QColor(0x800000));
    Main().RunCommand("ViewFont");
    EXPECT_EQ(memo->Editor()->palette().color(QPalette::Text), QColor(0x800000));
    EXPECT_TRUE(memo->Editor()->font().bold());
    EXPECT_TRUE(memo->Editor()->font().italic());
    m_dialogs.ExpectFont(std::nullopt);  // cancelled: nothing changes
    Main().RunCommand("ViewFont");
    EXPECT_EQ(memo->Editor()->font().pointSize(), 14);
    Exit();
    EXPECT_EQ(IniInteger("View", "EditorFont.Style"), 3);
    EXPECT_EQ(IniInteger("View", "EditorFont.Size"), 14);
    EXPECT_EQ(IniString("View", "EditorFont.Name"), "IPAGothic");

    Start();
    EXPECT_TRUE(Main().EditorFont().font.bold());
    EXPECT_TRUE(Main().EditorFont().font.italic());
    EXPECT_FALSE(Main().EditorFont().font.underline());
    TfrmMemo* restored = NewMemo();
    EXPECT_EQ(restored->Editor()->font().pointSize(), 14);
    EXPECT_EQ(restored->Editor()->palette().color(QPalette::Text), QColor(0x800000));
}

TEST_F(AppTest, SettingsFromAnEarlierRunAreRead)
{
    WriteIni("Manager", "ActivePage", 1);
    WriteIni("Manager", "SplitterPos", 150);
    WriteIni("ViewHint", "Checked", 0);
    WriteIni("View", "Manager", 1);
    WriteIni("ListView", "Column.Width2", 33);
    Start();
    EXPECT_EQ(Manager().ActivePage(), 1);
    EXPECT_FALSE(Checked(Main(), "ViewHint"));
    EXPECT_EQ(Manager().MemoList()->columnWidth(2), 33);
    Manager().PageControl()->setCurrentIndex(0);
    Idle();
    EXPECT_EQ(Manager().KeywordPanel()->width(), 150);
}

TEST_F(AppTest, CancelledExitKeepsTheProgramAndWritesNothing)
{
    Start();
    AddMemo("a");
    m_dialogs.ExpectMessage(ChangedQuestion("ファイル"), TMsgButton::Cancel);
    Main().RunCommand("FileExit1");
    EXPECT_TRUE(Main().isVisible());
    EXPECT_FALSE(IniHas("View", "Manager"));
    EXPECT_EQ(MemoRows(), 1);
    m_dialogs.ExpectMessage(ChangedQuestion("ファイル"), TMsgButton::No);
    Exit();
}
