// New, open, save and save as of the document, with the save questions of
// the memo windows and of the document.
#include "AppFixture.h"
#include "MemoDocument.h"
#include "QuorvexDataAccessSystem.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QTreeView>

namespace {
const QString NoFileQuestion = ChangedQuestion("ファイル");
}

TEST_F(AppTest, SaveOnAnUntitledDocumentAsksForAName)
{
    Start();
    AddMemo("a");
    m_dialogs.ExpectSave(QString());
    Main().RunCommand("FileSave1");
    EXPECT_TRUE(Main().DocumentFileName().isEmpty());
    EXPECT_TRUE(Manager().DocumentModified());

    m_dialogs.ExpectSave(FilePath("work"));  // typed without an extension
    Main().RunCommand("FileSave1");
    EXPECT_EQ(Main().DocumentFileName(), FilePath("work.vlr"));
    EXPECT_EQ(Main().windowTitle(), "Vellora - work");
    EXPECT_FALSE(Manager().DocumentModified());
    EXPECT_TRUE(QFile::exists(FilePath("work.vlr")));
    const TFileDialogRequest& request = m_dialogs.LastFileRequest();
    EXPECT_EQ(request.defaultExt, "vlr");
    EXPECT_TRUE(request.overwritePrompt);
    EXPECT_EQ(request.filter, "Velloraファイル (*.vlr)|*.vlr|すべてのファイル (*.*)|*.*");
}

TEST_F(AppTest, SaveAsRenamesTheDocumentAndTheNextStartReopensIt)
{
    Start();
    AddMemo("first");
    m_dialogs.ExpectSave(FilePath("one.vlr"));
    Main().RunCommand("FileSaveAs1");
    AddMemo("second");
    m_dialogs.ExpectSave(FilePath("two.vlr"));
    Main().RunCommand("FileSaveAs1");
    EXPECT_EQ(Main().windowTitle(), "Vellora - two");

    TQuorvexDataAccessSystem previous;
    previous.LoadFromFile(FilePath("one.vlr").toStdString(), DocumentKey);
    EXPECT_EQ(MemoCount(previous), 1);

    Exit();
    EXPECT_EQ(IniString("Manager", "FileName"), FilePath("two.vlr"));
    Start();
    EXPECT_EQ(Main().DocumentFileName(), FilePath("two.vlr"));
    EXPECT_EQ(MemoRows(), 2);
    EXPECT_EQ(Manager().MemoList()->model()->rowCount(), 2);
    // The save dialog starts in the folder it last saved to.
    m_dialogs.ExpectSave(QString());
    Main().RunCommand("FileSaveAs1");
    EXPECT_EQ(m_dialogs.LastFileRequest().initialDir, m_dir.path() + "/");
}

TEST_F(AppTest, NewAnsweredCancelKeepsAndNoEmpties)
{
    Start();
    AddMemo("a");
    Main().SetDocumentFileName(FilePath("kept.vlr"));
    m_dialogs.ExpectMessage(ChangedQuestion("\"" + FilePath("kept.vlr") + "\" "), TMsgButton::Cancel);
    Main().RunCommand("FileNew1");
    EXPECT_EQ(MemoRows(), 1);
    EXPECT_EQ(Main().windowTitle(), "Vellora - kept");

    m_dialogs.ExpectMessage(ChangedQuestion("\"" + FilePath("kept.vlr") + "\" "), TMsgButton::No);
    Main().RunCommand("FileNew1");
    EXPECT_EQ(MemoRows(), 0);
    EXPECT_FALSE(Manager().DocumentModified());
    EXPECT_EQ(Main().windowTitle(), "Vellora");
    EXPECT_FALSE(QFile::exists(FilePath("kept.vlr")));
}

TEST_F(AppTest, YesWhoseSaveIsCancelledKeepsTheDocument)
{
    Start();
    AddMemo("a");
    m_dialogs.ExpectMessage(NoFileQuestion, TMsgButton::Yes);
    m_dialogs.ExpectSave(QString());
    EXPECT_FALSE(Manager().CloseDocument());
    EXPECT_EQ(MemoRows(), 1);
    EXPECT_TRUE(Manager().DocumentModified());

    m_dialogs.ExpectMessage(NoFileQuestion, TMsgButton::Yes);
    m_dialogs.ExpectSave(FilePath("saved.vlr"));
    EXPECT_TRUE(Manager().CloseDocument());
    EXPECT_EQ(MemoRows(), 0);
    EXPECT_TRUE(QFile::exists(FilePath("saved.vlr")));
}

TEST_F(AppTest, FailingSaveInsideCloseDocumentClearsTheClosingFlag)
{
    Start();
    AddMemo("a");
    Main().SetDocumentFileName(FilePath("missing-folder/doc.vlr"));
    m_dialogs.ExpectMessage(ChangedQuestion("\"" + FilePath("missing-folder/doc.vlr") + "\" "), TMsgButton::Yes);
    EXPECT_FALSE(Manager().CloseDocument());
    EXPECT_FALSE(Manager().ClosingDocument());
    ASSERT_EQ(m_dialogs.TakeErrors().size(), 1);
    EXPECT_EQ(MemoRows(), 1);

    // A memo window asks its own question again afterwards.
    TfrmMemo* memo = NewMemo();
    memo->Editor()->insertPlainText("edit");
    m_dialogs.ExpectMessage(ChangedQuestion("\"無題 - 1\" "), TMsgButton::Cancel);
    Main().RunCommand("MemoClose");
    EXPECT_EQ(Main().MemoWindowCount(), 1);
}

TEST_F(AppTest, OpenCancelledAfterClosingLeavesAnUntitledDocument)
{
    Start();
    AddMemo("a");
    m_dialogs.ExpectSave(FilePath("doc.vlr"));
    Main().RunCommand("FileSaveAs1");
    m_dialogs.ExpectOpen({});
    Main().RunCommand("FileOpen1");
    EXPECT_EQ(MemoRows(), 0);
    EXPECT_TRUE(Main().DocumentFileName().isEmpty());
    EXPECT_EQ(Main().windowTitle(), "Vellora");
    // A later save asks for a name instead of replacing doc.vlr.
    m_dialogs.ExpectSave(QString());
    Main().RunCommand("FileSave1");
    TQuorvexDataAccessSystem onDisk;
    onDisk.LoadFromFile(FilePath("doc.vlr").toStdString(), DocumentKey);
    EXPECT_EQ(MemoCount(onDisk), 1);
}

TEST_F(AppTest, OpenLoadsTheChosenFileAndRemembersItsFolder)
{
    Start();
    AddMemo("a");
    AddMemo("b");
    m_dialogs.ExpectSave(FilePath("doc.vlr"));
    Main().RunCommand("FileSaveAs1");
    Main().RunCommand("FileNew1");
    ASSERT_EQ(MemoRows(), 0);
    m_dialogs.ExpectOpen({FilePath("doc.vlr")});
    Main().RunCommand("FileOpen1");
    EXPECT_EQ(MemoRows(), 2);
    EXPECT_EQ(Main().windowTitle(), "Vellora - doc");
    EXPECT_EQ(Manager().MemoList()->model()->rowCount(), 2);
    m_dialogs.ExpectOpen({});
    Main().RunCommand("FileOpen1");
    EXPECT_EQ(m_dialogs.LastFileRequest().initialDir, m_dir.path() + "/");
}

TEST_F(AppTest, OpenWhoseLoadFailsLeavesAnUntitledDocument)
{
    Start();
    AddMemo("a");
    m_dialogs.ExpectSave(FilePath("good.vlr"));
    Main().RunCommand("FileSaveAs1");
    QFile broken(FilePath("broken.vlr"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("\x01\x02\x03", 3);
    broken.close();
    m_dialogs.ExpectOpen({FilePath("broken.vlr")});
    Main().RunCommand("FileOpen1");
    const QStringList errors = m_dialogs.TakeErrors();
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains("broken.vlr")) << errors[0].toStdString();
    EXPECT_TRUE(Main().DocumentFileName().isEmpty());
    EXPECT_EQ(Main().windowTitle(), "Vellora");
    EXPECT_EQ(MemoRows(), 0);
}

TEST_F(AppTest, CloseDocumentCancelledOnTheFirstMemoKeepsEverything)
{
    Start();
    AddMemo("row");
    TfrmMemo* first = NewMemo();
    first->Editor()->insertPlainText("one");
    TfrmMemo* second = NewMemo();
    second->Editor()->insertPlainText("two");
    Idle();
    m_dialogs.ExpectMessage(ChangedQuestion("\"無題 - 2\" "), TMsgButton::Cancel);
    EXPECT_FALSE(Manager().CloseDocument());
    EXPECT_EQ(Main().MemoWindowCount(), 2);
    EXPECT_EQ(MemoRows(), 1);
    EXPECT_TRUE(Manager().DocumentModified());
    EXPECT_FALSE(Manager().ClosingDocument());

    m_dialogs.ExpectMessage(ChangedQuestion("\"無題 - 2\" "), TMsgButton::No);
    m_dialogs.ExpectMessage(ChangedQuestion("\"無題 - 1\" "), TMsgButton::No);
    m_dialogs.ExpectMessage(NoFileQuestion, TMsgButton::No);
    EXPECT_TRUE(Manager().CloseDocument());
    EXPECT_EQ(Main().MemoWindowCount(), 0);
    EXPECT_EQ(MemoRows(), 0);
}

TEST_F(AppTest, CloseDocumentWithNothingChangedAsksNothing)
{
    Start();
    AddMemo("a");
    Manager().SetDocumentModified(false);
    NewMemo();
    EXPECT_TRUE(Manager().CloseDocument());
    EXPECT_EQ(MemoRows(), 0);
    EXPECT_EQ(Main().MemoWindowCount(), 0);
}

TEST_F(AppTest, SavingTheDocumentLeavesMemoEditsInTheirWindows)
{
    Start();
    TfrmMemo* memo = NewMemo();
    memo->Editor()->insertPlainText("unsaved");
    m_dialogs.ExpectSave(FilePath("doc.vlr"));
    Main().RunCommand("FileSave1");
    EXPECT_TRUE(memo->Modified());
    EXPECT_EQ(memo->Editor()->toPlainText(), "unsaved");
}

// Another program (a second copy, vellora-doc) writes the document between
// our load and our save.
TEST_F(AppTest, SavingOverAFileChangedOnDiskAsksFirst)
{
    const QString path = FilePath("doc.vlr");
    const auto writeOnDisk = [&](const std::string& title) {
        TQuorvexDataAccessSystem other;
        CreateMemoLayout(other);
        AddMemoRow(other, title);
        other.SaveToFile(path.toStdString(), DocumentKey);
    };
    const auto titlesOnDisk = [&] {
        TQuorvexDataAccessSystem onDisk;
        onDisk.LoadFromFile(path.toStdString(), DocumentKey);
        QStringList titles;
        for (int row = 0; row < MemoCount(onDisk); ++row)
            titles << QString::fromStdString(onDisk.GetRowName("Memos", row));
        return titles;
    };
    const QString question = '"' + path + "\" は他のプログラムによって変更されています。 上書きしますか？";
    writeOnDisk("first");
    Start();
    m_dialogs.ExpectOpen({path});
    Main().RunCommand("FileOpen1");
    writeOnDisk("theirs");
    AddMemo("mine");

    m_dialogs.ExpectMessage(question, TMsgButton::No);
    Main().RunCommand("FileSave1");
    EXPECT_EQ(m_dialogs.LastIcon(), TMsgIcon::Warning);
    EXPECT_EQ(m_dialogs.LastButtons(), TMsgButton::Yes | TMsgButton::No);
    EXPECT_TRUE(Manager().DocumentModified());
    EXPECT_EQ(titlesOnDisk(), QStringList{"theirs"});

    // Closing asks to save; a No to the overwrite keeps the document open.
    m_dialogs.ExpectMessage(ChangedQuestion('"' + path + "\" "), TMsgButton::Yes);
    m_dialogs.ExpectMessage(question, TMsgButton::No);
    EXPECT_FALSE(Manager().CloseDocument());
    EXPECT_EQ(MemoRows(), 2);

    m_dialogs.ExpectMessage(question, TMsgButton::Yes);
    Main().RunCommand("FileSave1");
    EXPECT_FALSE(Manager().DocumentModified());
    EXPECT_EQ(titlesOnDisk(), (QStringList{"first", "mine"}));
    // Our own save is remembered: the next one asks nothing.
    AddMemo("more");
    Main().RunCommand("FileSave1");
    EXPECT_EQ(titlesOnDisk().size(), 3);
}

// Save As onto the document's own file, changed on disk since: the same
// question; a No writes nothing and the document stays modified.
TEST_F(AppTest, SaveAsOntoTheDocumentsChangedFileAsksFirst)
{
    const QString path = FilePath("doc.vlr");
    Start();
    AddMemo("mine");
    m_dialogs.ExpectSave(path);
    Main().RunCommand("FileSaveAs1");
    TQuorvexDataAccessSystem other;
    CreateMemoLayout(other);
    other.SaveToFile(path.toStdString(), DocumentKey);
    AddMemo("more");

    m_dialogs.ExpectSave(path);
    m_dialogs.ExpectMessage('"' + path + "\" は他のプログラムによって変更されています。 上書きしますか？", TMsgButton::No);
    Main().RunCommand("FileSaveAs1");
    EXPECT_TRUE(Manager().DocumentModified());
    TQuorvexDataAccessSystem onDisk;
    onDisk.LoadFromFile(path.toStdString(), DocumentKey);
    EXPECT_EQ(MemoCount(onDisk), 0);

    // Another file is the save dialog's concern alone.
    m_dialogs.ExpectSave(FilePath("copy.vlr"));
    Main().RunCommand("FileSaveAs1");
    EXPECT_FALSE(Manager().DocumentModified());
    EXPECT_EQ(Main().DocumentFileName(), FilePath("copy.vlr"));
}
