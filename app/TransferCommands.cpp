// Export of the document to a CSV file and of a memo to a text file, and
// import of text files as new memos.
#include "Main.h"

#include "Commands.h"
#include "Cp932Codec.h"
#include "Exceptions.h"
#include "FileDialog.h"
#include "FileIO.h"
#include "InputFile.h"
#include "Manager.h"
#include "Memo.h"
#include "MemoDocument.h"
#include "MemoText.h"

#include <QFileInfo>
#include <QPlainTextEdit>
#include <optional>

namespace {
const QString CsvFilter = QStringLiteral("CSV ファイル|*.csv|すべてのファイル (*.*)|*.*");
const QString TextFilter = QStringLiteral("テキストファイル (*.txt)|*.txt|すべてのファイル (*.*)|*.*");

TFileDialogRequest ImportDialogDesign()
{
    TFileDialogRequest design;
    design.title = QStringLiteral("テキストファイルをインポート");
    design.filter = CsvFilter;
    design.multiSelect = true;
    return design;
}

std::string FileName(const QString& path)
{
    return QFileInfo(path).absoluteFilePath().toStdString();
}
}  // namespace

void TfrmMain::BindTransferCommands()
{
    OpenDialog2 = new TFileDialog(QStringLiteral("OpenDialog2"), ImportDialogDesign(), this);
    SaveDialog2 = new TFileDialog(QStringLiteral("SaveDialog2"), TFileDialogRequest(), this);
    m_commands->SetHandler("FileExportToCSVFile", [this] { FileExportToCSVFileExecute(); });
    m_commands->SetHandler("MemoExportToTextFile", [this] { MemoExportToTextFileExecute(); });
    m_commands->SetHandler("MemoImportFromTextFile", [this] { MemoImportFromTextFileExecute(); });
}

QString TfrmMain::ChooseExportFile(const QString& filter, const QString& title, const QString& defaultExt)
{
    TFileDialogRequest& request = SaveDialog2->Request();
    request.filter = filter;
    request.title = title;
    request.defaultExt = defaultExt;
    const QString path = SaveDialog2->Save(m_dialogs);
    // The next export proposes the file chosen last.
    if (!path.isEmpty())
        request.fileName = path;
    return path;
}

// An export never replaces the open document's own file: the overwrite
// question names only the file, and the memos would be gone with it.
void TfrmMain::CheckExportTarget(const QString& path) const
{
    if (!DocumentFileName().isEmpty() && IsSameFile(FileName(path), FileName(DocumentFileName())))
        throw Exception("ファイル " + FileName(path) + " は開いている文書です。 書き出し先には使えません");
}

// The file replaces the old one only when complete: a failure leaves no
// half-written file and reaches the error box.
void TfrmMain::FileExportToCSVFileExecute()
{
    const QString path = ChooseExportFile(CsvFilter, QStringLiteral("CSV ファイルにエクスポート"), QStringLiteral("csv"));
    if (path.isEmpty())
        return;
    CheckExportTarget(path);
    ExportMemosCsvFile(m_manager->Store(), FileName(path));
}

void TfrmMain::MemoExportToTextFileExecute()
{
    TfrmMemo* memo = ActiveMemo();
    const QString path = ChooseExportFile(TextFilter, QStringLiteral("テキストファイルにエクスポート"), QStringLiteral("txt"));
    if (path.isEmpty())
        return;
    // Converted before the file is touched: an unmappable character writes nothing.
    const std::string bytes = DocumentText(memo->Editor()->toPlainText());
    CheckExportTarget(path);
    WriteFileAtomically(FileName(path), bytes);
}

void TfrmMain::MemoImportFromTextFileExecute()
{
    for (const QString& path : OpenDialog2->Open(m_dialogs))
        ImportTextFile(path);
}

// The window is made first: a file that cannot be read, or does not read as
// text, leaves it empty, captioned with that file, and the error ends the
// import there.
void TfrmMain::ImportTextFile(const QString& path)
{
    const QString fullPath = QFileInfo(path).absoluteFilePath();
    TfrmMemo* memo = NewMemoWindow(QStringLiteral("無題 - %1 (%2)").arg(NextUntitledNumber()).arg(fullPath), false);
    // Regular files only: a pipe would stop the program until written, a
    // device would be read without end.
    const std::string bytes = TInputFile(fullPath.toStdString(), TInputFile::Kinds::RegularOnly).ReadAll();
    const std::optional<std::string> text = TextFileToUtf8(bytes);
    if (!text)
        throw Exception("ファイル " + fullPath.toStdString() +
                        " はテキストファイルとして読めません (UTF-8 でもシフト JIS でもない内容です)。 インポートしません");
    memo->SetText(EditorLines(QString::fromStdString(*text)));
}
