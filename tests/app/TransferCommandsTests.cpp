// Export of the document to a CSV file, export of a memo to a text file and
// import of text files as new memo windows.
#include "AppFixture.h"
#include "Cp932Codec.h"
#include "MemoDocument.h"
#include "QuorvexDataAccessSystem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>

namespace {
const QString CsvFilter = "CSV ファイル|*.csv|すべてのファイル (*.*)|*.*";
const QString TextFilter = "テキストファイル (*.txt)|*.txt|すべてのファイル (*.*)|*.*";

std::string Bytes(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll().toStdString();
}

void WriteBytes(const QString& path, const std::string& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(file.write(bytes.data(), static_cast<qint64>(bytes.size())), static_cast<qint64>(bytes.size()));
}

std::string Cp932(const char* utf8)
{
    return Utf8ToCp932(utf8);
}
}  // namespace

class TransferTest : public AppTest {
protected:
    // The "Update" field of a row as the store renders it.
    std::string UpdateText(int row)
    {
        return Manager().Store().GetValueAsString(MemoLayout::Table, MemoLayout::Update, row);
    }

    std::string ExportCsv(const QString& name)
    {
        m_dialogs.ExpectSave(FilePath(name));
        Main().RunCommand("FileExportToCSVFile");
        return Bytes(FilePath(name));
    }

    void ExportText(const QString& path)
    {
        m_dialogs.ExpectSave(path);
        Main().RunCommand("MemoExportToTextFile");
    }

    void Import(const QStringList& files)
    {
        m_dialogs.ExpectOpen(files);
        Main().RunCommand("MemoImportFromTextFile");
    }

    QStringList Captions()
    {
        QStringList captions;
        for (TfrmMemo* memo : Main().MemoWindows())
            captions << memo->Caption();
        return captions;
    }
};

// --- CSV export ---

TEST_F(TransferTest, CsvRecordOfPlainFieldsIsUnquoted)
{
    Start();
    AddMemo("日本語", {"鍵"}, "本文");
    EXPECT_EQ(ExportCsv("plain.csv"), Cp932("日本語,鍵,本文,") + UpdateText(0) + "\r\n");
}

TEST_F(TransferTest, CsvQuotesFieldsWithBlanksQuotesCommasAndLineBreaks)
{
    Start();
    AddMemo("say \"hi\"", {"one", "two"}, "first\r\nsecond");
    AddMemo("tab\there", {"a\"b"}, "x");
    const std::string expected = "\"say \"\"hi\"\"\",\"one,two\",\"first\r\nsecond\"," + UpdateText(0) + "\r\n" +
                                 "\"tab\there\",\"\"\"a\"\"\"\"b\"\"\",x," + UpdateText(1) + "\r\n";
    EXPECT_EQ(ExportCsv("quoted.csv"), expected);
}

TEST_F(TransferTest, CsvKeepsRowOrderAndLeavesEmptyCellsEmpty)
{
    Start();
    AddMemo("b");
    AddMemo("a", {}, "");
    // A row whose cells were never written gives four empty fields.
    AddMemoRow(Manager().Store(), "c");
    EXPECT_EQ(ExportCsv("order.csv"), "b,,," + UpdateText(0) + "\r\na,,," + UpdateText(1) + "\r\n,,,\r\n");
}

TEST_F(TransferTest, CsvOfAnEmptyDocumentIsAnEmptyFile)
{
    Start();
    WriteBytes(FilePath("empty.csv"), "old contents");
    EXPECT_EQ(ExportCsv("empty.csv"), "");
    EXPECT_TRUE(m_dialogs.TakeErrors().isEmpty());
}

TEST_F(TransferTest, ExportNeverReplacesTheOpenDocument)
{
    Start();
    AddMemo("m");
    m_dialogs.ExpectSave(FilePath("doc.vlr"));
    Main().RunCommand("FileSaveAs1");
    const std::string before = Bytes(FilePath("doc.vlr"));
    m_dialogs.ExpectSave(FilePath("./doc.vlr"));
    Main().RunCommand("FileExportToCSVFile");
    EXPECT_EQ(m_dialogs.TakeErrors(),
              QStringList({"ファイル " + FilePath("doc.vlr") + " は開いている文書です。 書き出し先には使えません"}));
    EXPECT_EQ(Bytes(FilePath("doc.vlr")), before);
}

TEST_F(TransferTest, CsvDialogHasItsTitleFilterAndExtension)
{
    Start();
    AddMemo("m");
    m_dialogs.ExpectSave(FilePath("typed"));
    Main().RunCommand("FileExportToCSVFile");
    EXPECT_TRUE(QFile::exists(FilePath("typed.csv")));
    const TFileDialogRequest& request = m_dialogs.LastFileRequest();
    EXPECT_EQ(request.title, "CSV ファイルにエクスポート");
    EXPECT_EQ(request.filter, CsvFilter);
    EXPECT_EQ(request.defaultExt, "csv");
    EXPECT_FALSE(request.overwritePrompt);
    EXPECT_FALSE(request.multiSelect);
}

TEST_F(TransferTest, CsvExportCancelledWritesNothing)
{
    Start();
    AddMemo("m");
    m_dialogs.ExpectSave(QString());
    Main().RunCommand("FileExportToCSVFile");
    EXPECT_TRUE(QDir(m_dir.path()).entryList({"*.csv"}, QDir::Files).isEmpty());
    EXPECT_TRUE(m_dialogs.TakeErrors().isEmpty());
}

TEST_F(TransferTest, CsvExportThatCannotCreateItsFileSaysSo)
{
    Start();
    AddMemo("m");
    const QString path = FilePath("no such folder/out.csv");
    m_dialogs.ExpectSave(path);
    Main().RunCommand("FileExportToCSVFile");
    const QStringList errors = m_dialogs.TakeErrors();
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains("out.csv")) << errors[0].toStdString();
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(TransferTest, CsvExportOverADirectoryKeepsItAndSaysSo)
{
    Start();
    AddMemo("m");
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("taken.csv"));
    m_dialogs.ExpectSave(FilePath("taken.csv"));
    Main().RunCommand("FileExportToCSVFile");
    EXPECT_EQ(m_dialogs.TakeErrors().size(), 1);
    EXPECT_TRUE(QFileInfo(FilePath("taken.csv")).isDir());
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden).filter("taken").size(), 0);
}

TEST_F(TransferTest, CsvExportReadsTheStoreNotTheOpenWindows)
{
    Start();
    AddMemo("m", {}, "stored");
    TfrmMemo* memo = NewMemo();
    memo->Editor()->setPlainText("only in the window");
    EXPECT_EQ(ExportCsv("store.csv"), "m,,stored," + UpdateText(0) + "\r\n");
}

// --- Text export ---

TEST_F(TransferTest, TextExportWritesCodePage932WithCrLf)
{
    Start();
    TfrmMemo* memo = NewMemo();
    memo->Editor()->setPlainText("一行目\n二行目 〜");
    ExportText(FilePath("note"));
    EXPECT_EQ(Bytes(FilePath("note.txt")), Cp932("一行目\r\n二行目 〜"));
    const TFileDialogRequest& request = m_dialogs.LastFileRequest();
    EXPECT_EQ(request.title, "テキストファイルにエクスポート");
    EXPECT_EQ(request.filter, TextFilter);
    EXPECT_EQ(request.defaultExt, "txt");
    EXPECT_FALSE(request.overwritePrompt);
}

TEST_F(TransferTest, TextExportOfAnEmptyMemoIsAnEmptyFileAndAddsNoLineBreak)
{
    Start();
    NewMemo();
    WriteBytes(FilePath("empty.txt"), "old");
    ExportText(FilePath("empty.txt"));
    EXPECT_EQ(Bytes(FilePath("empty.txt")), "");

    Main().ActiveMemo()->Editor()->setPlainText("end\n\nlast");
    ExportText(FilePath("last.txt"));
    EXPECT_EQ(Bytes(FilePath("last.txt")), "end\r\n\r\nlast");
}

TEST_F(TransferTest, TextExportTouchesNeitherTheMemoNorTheDocument)
{
    Start();
    TfrmMemo* memo = NewMemo();
    memo->Editor()->insertPlainText("typed");
    ASSERT_TRUE(memo->Modified());
    ExportText(FilePath("t.txt"));
    EXPECT_TRUE(memo->Modified());
    EXPECT_FALSE(Manager().DocumentModified());
    EXPECT_EQ(MemoRows(), 0);
}

TEST_F(TransferTest, TextExportRefusesACharacterCodePage932CannotHold)
{
    Start();
    NewMemo()->Editor()->setPlainText("smile \U0001F600");
    WriteBytes(FilePath("kept.txt"), "old");
    ExportText(FilePath("kept.txt"));
    const QStringList errors = m_dialogs.TakeErrors();
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains("\U0001F600")) << errors[0].toStdString();
    EXPECT_EQ(Bytes(FilePath("kept.txt")), "old");
}

TEST_F(TransferTest, TextExportThatCannotCreateItsFileSaysSo)
{
    Start();
    NewMemo()->Editor()->setPlainText("text");
    ExportText(FilePath("missing/out.txt"));
    EXPECT_EQ(m_dialogs.TakeErrors().size(), 1);
    EXPECT_FALSE(QFile::exists(FilePath("missing/out.txt")));
}

TEST_F(TransferTest, TextExportNeedsAnActiveMemoWindow)
{
    Start();
    // No dialog is expected: the command is disabled.
    Main().RunCommand("MemoExportToTextFile");
    Idle();
    EXPECT_FALSE(Main().Command("MemoExportToTextFile")->isEnabled());
    NewMemo();
    Idle();
    Main().ApplicationIdle();
    EXPECT_TRUE(Main().Command("MemoExportToTextFile")->isEnabled());
}

TEST_F(TransferTest, BothExportsProposeTheFileChosenLast)
{
    Start();
    NewMemo();
    ExportText(FilePath("first.txt"));
    ExportCsv("second.csv");
    EXPECT_EQ(m_dialogs.LastFileRequest().fileName, FilePath("first.txt"));
    ExportText(FilePath("third.txt"));
    EXPECT_EQ(m_dialogs.LastFileRequest().fileName, FilePath("second.csv"));
    EXPECT_EQ(m_dialogs.LastFileRequest().filter, TextFilter);
}

// --- Text import ---

TEST_F(TransferTest, ImportTurnsLoneLineEndsIntoLineBreaksAndExportWritesCrLf)
{
    Start();
    const QString path = FilePath("lone.txt");
    WriteBytes(path, Cp932("一\n二\r三\r\n四\n"));
    Import({path});
    TfrmMemo* memo = Main().ActiveMemo();
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo->Editor()->toPlainText(), "一\n二\n三\n四\n");
    ExportText(FilePath("back.txt"));
    EXPECT_EQ(Bytes(FilePath("back.txt")), Cp932("一\r\n二\r\n三\r\n四\r\n"));
}

TEST_F(TransferTest, ImportedMemoIsUntitledUnmodifiedAndNotInTheDocument)
{
    Start();
    WriteBytes(FilePath("a.txt"), "text");
    Import({FilePath("a.txt")});
    TfrmMemo* memo = Main().ActiveMemo();
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo->Caption(), "無題 - 1 (" + FilePath("a.txt") + ")");
    EXPECT_TRUE(memo->Title().isEmpty());
    EXPECT_FALSE(memo->Stored());
    EXPECT_FALSE(memo->Modified());
    EXPECT_FALSE(memo->Editor()->document()->isUndoAvailable());
    EXPECT_EQ(MemoRows(), 0);
    EXPECT_FALSE(Manager().DocumentModified());
}

TEST_F(TransferTest, ImportOpensOneWindowPerFileNumberedWithNewMemos)
{
    Start();
    NewMemo();
    const QStringList files = {FilePath("x.txt"), FilePath("y.txt"), FilePath("z.txt")};
    for (const QString& file : files)
        WriteBytes(file, QFileInfo(file).baseName().toStdString());
    Import(files);
    NewMemo();
    EXPECT_EQ(Captions(), QStringList({"無題 - 1", "無題 - 2 (" + files[0] + ")", "無題 - 3 (" + files[1] + ")",
                                        "無題 - 4 (" + files[2] + ")", "無題 - 5"}));
    EXPECT_EQ(Main().MemoWindows()[2]->Editor()->toPlainText(), "y");
    EXPECT_EQ(Main().UntitledCount(), 5);
}

TEST_F(TransferTest, ImportDialogOffersSeveralFilesWithItsDesignSettings)
{
    Start();
    Import({});
    EXPECT_TRUE(Main().MemoWindows().isEmpty());
    EXPECT_EQ(Main().UntitledCount(), 0);
    const TFileDialogRequest& request = m_dialogs.LastFileRequest();
    EXPECT_EQ(request.title, "テキストファイルをインポート");
    EXPECT_EQ(request.filter, CsvFilter);
    EXPECT_TRUE(request.multiSelect);
    // An export in between does not change the import's dialog.
    NewMemo();
    ExportText(FilePath("between.txt"));
    Import({});
    EXPECT_EQ(m_dialogs.LastFileRequest().filter, CsvFilter);
    EXPECT_EQ(m_dialogs.LastFileRequest().title, "テキストファイルをインポート");
}

TEST_F(TransferTest, ImportedMemoKeepsTheDesignFontUntilTheEditorFontChanges)
{
    Start();
    QFont chosen(QStringLiteral("IPAGothic"), 17);
    m_dialogs.ExpectFont(chosen);
    Main().RunCommand("ViewFont");
    WriteBytes(FilePath("f.txt"), "f");
    Import({FilePath("f.txt")});
    TfrmMemo* imported = Main().ActiveMemo();
    EXPECT_NE(imported->Editor()->font().pointSize(), 17);
    EXPECT_EQ(NewMemo()->Editor()->font().pointSize(), 17);

    m_dialogs.ExpectFont(QFont(QStringLiteral("IPAGothic"), 15));
    Main().RunCommand("ViewFont");
    EXPECT_EQ(imported->Editor()->font().pointSize(), 15);
}

TEST_F(TransferTest, UnreadableFileStopsTheImportWithItsWindowLeftEmpty)
{
    Start();
    const QString missing = FilePath("missing.txt");
    WriteBytes(FilePath("later.txt"), "later");
    Import({missing, FilePath("later.txt")});
    EXPECT_EQ(m_dialogs.TakeErrors().size(), 1);
    EXPECT_EQ(Captions(), QStringList({"無題 - 1 (" + missing + ")"}));
    EXPECT_TRUE(Main().ActiveMemo()->Editor()->toPlainText().isEmpty());
}

TEST_F(TransferTest, ImportDecodesCodePage932ExtensionsAndKeepsEveryByte)
{
    Start();
    // NEC special and IBM extension characters, half-width kana, a 0x5C trail byte.
    const std::string bytes = Cp932("①Ⅷ㈱髙ｱｲｳ表示\\");
    WriteBytes(FilePath("ext.txt"), bytes);
    Import({FilePath("ext.txt")});
    EXPECT_EQ(Main().ActiveMemo()->Editor()->toPlainText(), "①Ⅷ㈱髙ｱｲｳ表示\\");
    ExportText(FilePath("ext-back.txt"));
    EXPECT_EQ(Bytes(FilePath("ext-back.txt")), bytes);
}

TEST_F(TransferTest, ImportReadsUtf8AsUtf8AndAsciiAsBefore)
{
    Start();
    WriteBytes(FilePath("utf8.txt"), "é 한국어 😀\n表示");
    WriteBytes(FilePath("bom.txt"), "\xEF\xBB\xBF" "abc");
    WriteBytes(FilePath("ascii.txt"), "plain \\ text");
    Import({FilePath("utf8.txt"), FilePath("bom.txt"), FilePath("ascii.txt")});
    QStringList texts;
    for (TfrmMemo* memo : Main().MemoWindows())
        texts << memo->Editor()->toPlainText();
    EXPECT_EQ(texts, QStringList({"é 한국어 😀\n表示", "abc", "plain \\ text"}));
}

TEST_F(TransferTest, ImportRefusesABinaryFileNamingItAndImportsNothingFromIt)
{
    Start();
    const QString binary = FilePath("picture.png");
    WriteBytes(binary, std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16));
    WriteBytes(FilePath("later.txt"), "later");
    Import({binary, FilePath("later.txt")});
    const QStringList errors = m_dialogs.TakeErrors();
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains(binary)) << errors[0].toStdString();
    EXPECT_EQ(Captions(), QStringList({"無題 - 1 (" + binary + ")"}));
    EXPECT_TRUE(Main().ActiveMemo()->Editor()->toPlainText().isEmpty());
}
