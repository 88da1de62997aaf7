// The document commands: new, open, save, save as and exit.
#include "Main.h"

#include "BusyNotice.h"
#include "Commands.h"
#include "Dialogs.h"
#include "DocumentLock.h"
#include "FileDialog.h"
#include "Manager.h"
#include "MemoDocument.h"
#include "QuorvexDataAccessSystem.h"
#include "StatusBar.h"

#include <QFileInfo>
#include <optional>

void TfrmMain::BindDocumentCommands()
{
    m_commands->SetHandler("FileNew1", [this] { FileNew1Execute(); });
    m_commands->SetHandler("FileOpen1", [this] { FileOpen1Execute(); });
    m_commands->SetHandler("FileSave1", [this] { FileSave1Execute(); });
    m_commands->SetHandler("FileSaveAs1", [this] { FileSaveAs1Execute(); });
    m_commands->SetHandler("FileExit1", [this] { FileExit1Execute(); });
}

void TfrmMain::FileNew1Execute()
{
    if (m_manager->CloseDocument())
        SetDocumentFileName(QString());
}

// The document is empty now: its old name must not be written over by the
// next save.
void TfrmMain::ForgetDocumentName()
{
    SetDocumentFileName(QString());
}

void TfrmMain::FileOpen1Execute()
{
    if (m_manager->CloseDocument()) {
        const QStringList chosen = OpenDialog1->Open(m_dialogs);
        if (chosen.isEmpty()) {
            ForgetDocumentName();
        } else {
            const QString path = chosen.first();
            try {
                LoadMemoDocument(m_manager->Store(), path.toStdString(), TInputFile::Kinds::RegularOnly);
            } catch (...) {
                ForgetDocumentName();
                throw;
            }
            SetDocumentFileName(path);
            OpenDialog1->RememberFolder(path);
        }
    }
    m_manager->RefreshList();
}

// Writes under the writers' lock (see TDocumentLock), so that the check
// for a change on disk and the write are one step for the other writers.
bool TfrmMain::WriteDocument(const QString& fileName, bool askWhenChanged)
{
    const std::string name = fileName.toStdString();
    TQuorvexDataAccessSystem& store = m_manager->Store();
    std::optional<TDocumentLock> lock(std::in_place, name);
    if (askWhenChanged && store.FileIdentity().ChangedAt(name)) {
        lock.reset();  // nobody waits while the user thinks
        if (!AskOverwriteChangedFile(fileName))
            return false;
        lock.emplace(name);
    }
    TBusyNotice(*m_statusBar, QStringLiteral("保存しています...")).Run([&] { store.SaveToFile(name, DocumentKey); });
    return true;
}

bool TfrmMain::AskOverwriteChangedFile(const QString& fileName)
{
    const TMsgButton answer = m_dialogs.MessageBox(
        QStringLiteral("Vellora"), u'"' + fileName + QStringLiteral("\" は他のプログラムによって変更されています。 上書きしますか？"),
        TMsgIcon::Warning, TMsgButton::Yes | TMsgButton::No);
    return answer == TMsgButton::Yes;
}

void TfrmMain::FileSave1Execute()
{
    if (m_documentFileName.isEmpty()) {
        FileSaveAs1Execute();
        return;
    }
    // A No leaves the document modified: whatever asked for the save sees it undone.
    if (WriteDocument(m_documentFileName, true))
        m_manager->SetDocumentModified(false);
}

// Whether fileName names the file the document was loaded from or saved to.
bool TfrmMain::IsDocumentFile(const QString& fileName) const
{
    if (m_documentFileName.isEmpty())
        return false;
    const QString canonical = QFileInfo(fileName).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(m_documentFileName).canonicalFilePath();
}

void TfrmMain::FileSaveAs1Execute()
{
    const QString path = SaveDialog1->Save(m_dialogs);
    if (path.isEmpty())
        return;
    // The save dialog has asked about replacing an existing file; the
    // document's own file, changed by another program, is asked about as
    // a save asks.
    if (!WriteDocument(path, IsDocumentFile(path)))
        return;
    SetDocumentFileName(path);
    m_manager->SetDocumentModified(false);
    SaveDialog1->RememberFolder(path);
}

void TfrmMain::FileExit1Execute()
{
    close();
}
