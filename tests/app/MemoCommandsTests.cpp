// The memo commands: storing memo windows into the document and back, the
// save switch, delete and rename, and their enabling rules.
#include "AppFixture.h"
#include "Cp932Codec.h"
#include "MemoDocument.h"
#include "QuorvexDataAccessSystem.h"
#include "TextForms.h"

#include <QAction>
#include <QFile>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>

namespace {
const QString SaveCaption = "メモの保存";
const QString SavePrompt = "タイトルを入力してください｡";
}  // namespace

class MemoCommandsTest : public AppTest {
protected:
    // Selects the memo in list row `row` on the memo-list page.
    void SelectInList(int row)
    {
        Manager().PageControl()->setCurrentIndex(1);
        QTreeView* list = Manager().MemoList();
        list->setCurrentIndex(list->model()->index(row, 0));
    }

    MemoRecord Stored(const QString& title)
    {
        return ReadMemo(Manager().Store(), Utf8ToCp932(title.toStdString()));
    }

    TfrmMemo* SaveNewMemo(const QString& title, const QString& text)
    {
        TfrmMemo* memo = NewMemo();
        memo->Editor()->insertPlainText(text);
        m_dialogs.ExpectInputBox(SaveCaption, SavePrompt, title);
        Main().RunCommand("MemoSave");
        return memo;
    }
};

TEST_F(MemoCommandsTest, SavingANewMemoAsksForItsTitleAndAddsARow)
{
    Start();
    TfrmMemo* memo = NewMemo();
    memo->AddKeyword("仕事");
    memo->AddKeyword("a,b");
    memo->Editor()->insertPlainText("一行目\n二行目");
    m_dialogs.ExpectInputBox(SaveCaption, SavePrompt, "予定");
    Main().RunCommand("MemoSave");

    ASSERT_EQ(MemoRows(), 1);
    const MemoRecord row = Stored("予定");
    EXPECT_EQ(row.Text, Utf8ToCp932("一行目\r\n二行目"));
    EXPECT_EQ(row.Keywords.size(), 2u);
    const CellValue update = Manager().Store().GetValue(MemoLayout::Table, MemoLayout::Update, 0);
    EXPECT_EQ(update.ToReal(), TodaySerial());
    EXPECT_EQ(memo->Title(), "予定");
    EXPECT_EQ(memo->Caption(), "予定");
    EXPECT_TRUE(memo->Stored());
    EXPECT_FALSE(memo->Modified());
    EXPECT_TRUE(Manager().DocumentModified());
    EXPECT_EQ(Manager().MemoList()->model()->rowCount(), 1);

    // Saving again writes the same row.
    memo->Editor()->insertPlainText("!");
    Main().RunCommand("MemoSave");
    EXPECT_EQ(MemoRows(), 1);
    EXPECT_EQ(Stored("予定").Text, Utf8ToCp932("一行目\r\n二行目!"));
    m_dialogs.ExpectMessage(ChangedQuestion("ファイル"), TMsgButton::No);
    Manager().CloseDocument();
}

TEST_F(MemoCommandsTest, SaveAsWithTheOwnTitleIsRefusedAsADuplicate)
{
    Start();
    TfrmMemo* memo = SaveNewMemo("memo", "text");
    memo->Editor()->insertPlainText(" more");
    // Cancel returns the memo's own title, which is taken.
    m_dialogs.ExpectInputBox(SaveCaption, SavePrompt, "memo");
    m_dialogs.ExpectMessage("\"memo\" は既に登録されています。", TMsgButton::Cancel);
    Main().RunCommand("MemoSaveAs");
    EXPECT_EQ(m_dialogs.LastButtons(), TMsgButton::Ok | TMsgButton::Cancel);
    EXPECT_EQ(Stored("memo").Text, "text");
    EXPECT_TRUE(memo->Modified());

    // Under a new title it is a copy; the old row stays.
    m_dialogs.ExpectInputBox(SaveCaption, SavePrompt, "copy");
    Main().RunCommand("MemoSaveAs");
    EXPECT_EQ(MemoRows(), 2);
    EXPECT_EQ(Stored("memo").Text, "text");
    EXPECT_EQ(Stored("copy").Text, "text more");
    EXPECT_EQ(memo->Title(), "copy");

    // An empty title stores nothing.
    m_dialogs.ExpectInputBox(SaveCaption, SavePrompt, "");
    Main().RunCommand("MemoSaveAs");
    EXPECT_EQ(MemoRows(), 2);
}

TEST_F(MemoCommandsTest, TextTheDocumentCannotHoldIsRefused)
{
    Start();
    TfrmMemo* memo = NewMemo();
    memo->Editor()->insertPlainText(QString::fromUtf8("emoji \xF0\x9F\x98\x80"));
    m_dialogs.ExpectInputBox(SaveCaption, SavePrompt, "smile");
    Main().RunCommand("MemoSave");
    const QStringList errors = m_dialogs.TakeErrors();
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains(QString::fromUtf8("\xF0\x9F\x98\x80"))) << errors[0].toStdString();
    EXPECT_EQ(MemoRows(), 0);
    EXPECT_TRUE(memo->Modified());
    EXPECT_FALSE(Manager().DocumentModified());
}

TEST_F(MemoCommandsTest, SaveSwitchWritesTheFileWithEveryMemo)
{
    Start();
    // Switching it on saves at once: an untitled document asks for a name.
    m_dialogs.ExpectSave(QString());
    Main().RunCommand("MemoWithFileSave");
    EXPECT_TRUE(Main().Command("MemoWithFileSave")->isChecked());

    TfrmMemo* memo = NewMemo();
    memo->Editor()->insertPlainText("x");
    m_dialogs.ExpectInputBox(SaveCaption, SavePrompt, "first");
    m_dialogs.ExpectSave(FilePath("doc.vlr"));
    Main().RunCommand("MemoSave");
    EXPECT_TRUE(QFile::exists(FilePath("doc.vlr")));
    EXPECT_FALSE(Manager().DocumentModified());

    memo->Editor()->insertPlainText("y");
    Main().RunCommand("MemoSave");
    TQuorvexDataAccessSystem onDisk;
    onDisk.LoadFromFile(FilePath("doc.vlr").toStdString(), DocumentKey);
    EXPECT_EQ(ReadMemo(onDisk, "first").Text, "xy");
}

TEST_F(MemoCommandsTest, OpeningAMemoFillsAWindowWithIt)
{
    Start();
    AddMemo("first", {"b", "A"}, "line 1\r\nline 2");
    Manager().RefreshList();
    SelectInList(0);
    Main().RunCommand("MemoOpen");
    TfrmMemo* memo = Main().ActiveMemo();
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo->Caption(), "first");
    EXPECT_EQ(memo->Title(), "first");
    EXPECT_TRUE(memo->Stored());
    EXPECT_FALSE(memo->Modified());
    EXPECT_EQ(memo->Keywords(), QStringList({"A", "b"}));
    EXPECT_EQ(memo->Editor()->toPlainText(), "line 1\nline 2");
}

TEST_F(MemoCommandsTest, TwoWindowsOfOneMemoOverwriteEachOther)
{
    Start();
    AddMemo("shared", {}, "v0");
    Manager().RefreshList();
    SelectInList(0);
    Main().RunCommand("MemoOpen");
    TfrmMemo* first = Main().ActiveMemo();
    Main().RunCommand("MemoOpen");
    TfrmMemo* second = Main().ActiveMemo();
    ASSERT_NE(first, second);
    first->Editor()->setPlainText("from first");
    first->SetModified(true);
    Main().MdiArea()->setActiveSubWindow(Main().MdiArea()->subWindowList().at(0));
    Main().RunCommand("MemoSave");
    second->Editor()->setPlainText("from second");
    Main().MdiArea()->setActiveSubWindow(Main().MdiArea()->subWindowList().at(1));
    Main().RunCommand("MemoSave");
    EXPECT_EQ(Stored("shared").Text, "from second");
}

TEST_F(MemoCommandsTest, SavingADeletedMemoFailsAndKeepsTheEdits)
{
    Start();
    TfrmMemo* memo = SaveNewMemo("gone", "text");
    SelectInList(0);
    Main().RunCommand("MemoDelete");
    EXPECT_EQ(MemoRows(), 0);
    EXPECT_EQ(memo->Title(), "gone");
    Main().MdiArea()->setActiveSubWindow(Main().MdiArea()->subWindowList().at(0));
    memo->Editor()->insertPlainText(" edited");
    Main().RunCommand("MemoSave");
    EXPECT_EQ(m_dialogs.TakeErrors(), QStringList({"未だ登録されていない RowName です。"}));
    EXPECT_TRUE(memo->Modified());
    EXPECT_EQ(MemoRows(), 0);
}

TEST_F(MemoCommandsTest, RenameAsksForATitle)
{
    Start();
    AddMemo("a");
    AddMemo("B");
    Manager().RefreshList();
    SelectInList(0);
    m_dialogs.ExpectInputQuery("タイトルの変更", "新しいタイトルを入力して下さい", false);
    Main().RunCommand("MemoRename");
    m_dialogs.ExpectInputQuery("タイトルの変更", "新しいタイトルを入力して下さい", true, "");
    m_dialogs.ExpectMessage("空の文字列は無効です", TMsgButton::Ok);
    Main().RunCommand("MemoRename");
    // A case variant of another title is another title.
    m_dialogs.ExpectInputQuery("タイトルの変更", "新しいタイトルを入力して下さい", true, "b");
    Main().RunCommand("MemoRename");
    EXPECT_EQ(Manager().Store().GetRowName(MemoLayout::Table, 0), "b");
    EXPECT_EQ(Stored("b").Title, "b");
}

TEST_F(MemoCommandsTest, EnablingFollowsThePageAndTheSelection)
{
    Start();
    AddMemo("a", {"k"});
    Manager().RefreshList();
    Manager().PageControl()->setCurrentIndex(0);
    Main().ApplicationIdle();
    for (const char* name : {"MemoOpen", "MemoDelete", "MemoRename", "MemoSave", "MemoSaveAs", "KeywordNew"})
        EXPECT_FALSE(Main().Command(name)->isEnabled()) << name;
    EXPECT_TRUE(Main().Command("MemoNew")->isEnabled());

    SelectInList(0);
    Main().ApplicationIdle();
    for (const char* name : {"MemoOpen", "MemoDelete", "MemoRename"})
        EXPECT_TRUE(Main().Command(name)->isEnabled()) << name;

    // The rename command is for the memo-list page only.
    Manager().PageControl()->setCurrentIndex(0);
    Main().ApplicationIdle();
    EXPECT_FALSE(Main().Command("MemoRename")->isEnabled());

    NewMemo();
    Main().ApplicationIdle();
    for (const char* name : {"MemoSave", "MemoSaveAs", "KeywordNew", "MemoClose"})
        EXPECT_TRUE(Main().Command(name)->isEnabled()) << name;
}

TEST_F(MemoCommandsTest, YesToTheQuestionStoresTheMemoAndCloses)
{
    Start();
    TfrmMemo* memo = NewMemo();
    memo->Editor()->insertPlainText("keep me");
    const QString question = ChangedQuestion("\"無題 - 1\" ");
    // A cancelled title prompt stores nothing: the window stays.
    m_dialogs.ExpectMessage(question, TMsgButton::Yes);
    m_dialogs.ExpectInputBox(SaveCaption, SavePrompt, "");
    Main().RunCommand("MemoClose");
    Idle();
    EXPECT_EQ(Main().MemoWindowCount(), 1);

    m_dialogs.ExpectMessage(question, TMsgButton::Yes);
    m_dialogs.ExpectInputBox(SaveCaption, SavePrompt, "kept");
    Main().RunCommand("MemoClose");
    Idle();
    EXPECT_EQ(Main().MemoWindowCount(), 0);
    EXPECT_EQ(Stored("kept").Text, "keep me");
}

TEST_F(MemoCommandsTest, ControlSInTheEditorSavesTheMemo)
{
    Start();
    Main().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Main()));
    TfrmMemo* memo = NewMemo();
    memo->Editor()->setFocus();
    QTest::keyClicks(memo->Editor(), "typed");
    EXPECT_TRUE(memo->Modified());
    m_dialogs.ExpectInputBox(SaveCaption, SavePrompt, "by key");
    QTest::keyClick(memo->Editor(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(Stored("by key").Text, "typed");
}

TEST_F(MemoCommandsTest, MemoWhoseTitleBytesDoNotRoundTripOpensSavesAndDeletes)
{
    Start();
    // 0x87 0x90 reads as U+2252, which code page 932 writes back as 0x81 0xE0.
    MemoRecord memo;
    memo.Title = "\x87\x90";
    memo.Text = "body";
    AddMemoRow(Manager().Store(), memo.Title);
    WriteMemo(Manager().Store(), memo, TodaySerial());
    Manager().RefreshList();
    SelectInList(0);
    Main().RunCommand("MemoOpen");
    ASSERT_NE(Main().ActiveMemo(), nullptr);
    EXPECT_EQ(Main().ActiveMemo()->Editor()->toPlainText(), "body");
    Main().ActiveMemo()->Editor()->insertPlainText("edited ");
    Main().RunCommand("MemoSave");
    EXPECT_EQ(m_dialogs.TakeErrors(), QStringList());
    EXPECT_EQ(MemoRows(), 1);
    EXPECT_EQ(ReadMemo(Manager().Store(), "\x87\x90").Text, "edited body");
    EXPECT_FALSE(Main().ActiveMemo()->Modified());
    SelectInList(0);
    Main().RunCommand("MemoDelete");
    EXPECT_EQ(MemoRows(), 0);
}
