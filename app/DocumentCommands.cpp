// The document commands: new, open, save, save as and exit.
#include "Main.h"

#include "Commands.h"
#include "FileDialog.h"
#include "Manager.h"
#include "MemoDocument.h"
#include "QuorvexDataAccessSystem.h"

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

void TfrmMain::WriteDocument(const QString& fileName)
{
    m_manager->Store().SaveToFile(fileName.toStdString(), DocumentKey);
}

void TfrmMain::FileSave1Execute()
{
    if (m_documentFileName.isEmpty()) {
        FileSaveAs1Execute();
        return;
    }
    WriteDocument(m_documentFileName);
    m_manager->SetDocumentModified(false);
}

void TfrmMain::FileSaveAs1Execute()
{
    const QString path = SaveDialog1->Save(m_dialogs);
    if (path.isEmpty())
        return;
    WriteDocument(path);
    SetDocumentFileName(path);
    m_manager->SetDocumentModified(false);
    SaveDialog1->RememberFolder(path);
}

void TfrmMain::FileExit1Execute()
{
    close();
}
