// The memo commands and the keyword commands of the active memo window,
// with their enabling rules.
#include "Main.h"

#include "CommandIcons.h"
#include "CommandKeys.h"
#include "Commands.h"
#include "Cp932Codec.h"
#include "Dialogs.h"
#include "KeywordText.h"
#include "Manager.h"
#include "MemoDocument.h"
#include "MemoText.h"
#include "QuorvexDataAccessSystem.h"
#include "TextForms.h"
#include "Memo.h"

#include <QApplication>
#include <QClipboard>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTreeView>

void TfrmMain::BindMemoCommands()
{
    m_commands->SetHandler("MemoNew", [this] { MemoNewExecute(); });
    m_commands->SetHandler("MemoClose", [this] { MemoCloseExecute(); });
    m_commands->SetHandler("MemoOpen", [this] { MemoOpenExecute(); });
    m_commands->SetHandler("MemoSave", [this] { MemoSaveExecute(); });
    m_commands->SetHandler("MemoSaveAs", [this] { MemoSaveAsExecute(); });
    m_commands->SetHandler("MemoDelete", [this] { MemoDeleteExecute(); });
    m_commands->SetHandler("MemoRename", [this] { MemoRenameExecute(); });
    m_commands->SetHandler("MemoWithFileSave", [this] { MemoWithFileSaveExecute(); });

    const auto memoActive = [this] { return ActiveMemo() != nullptr; };
    // Open and delete: a result on the search page or a memo on the list
    // page; on any other page the state stays as it was.
    const auto memoActionsUpdate1 = [this] {
        QAction* open = Command("MemoOpen");
        if (!m_manager)
            return open->isEnabled();
        switch (m_manager->ActivePage()) {
        case 0: return m_manager->ResultList()->currentItem() != nullptr;
        case 1: return m_manager->MemoList()->selectionModel()->hasSelection();
        default: return open->isEnabled();
        }
    };
    m_commands->SetEnabling("MemoOpen", memoActionsUpdate1);
    m_commands->SetEnabling("MemoDelete", memoActionsUpdate1);
    for (const char* name : {"MemoClose", "MemoSave", "MemoSaveAs", "MemoExportToTextFile", "KeywordNew"})
        m_commands->SetEnabling(name, memoActive);
    m_commands->SetEnabling("MemoRename", [this] {
        return m_manager && m_manager->ActivePage() == 1 && m_manager->MemoList()->selectionModel()->hasSelection();
    });
}

void TfrmMain::MemoNewExecute()
{
    NewMemoWindow(QStringLiteral("無題 - %1").arg(NextUntitledNumber()), true);
}

TfrmMemo* TfrmMain::NewMemoWindow(const QString& caption, bool withEditorFont)
{
    auto* memo = new TfrmMemo(*this);
    memo->SetMenus(m_editorMenu, m_keywordMenu);
    memo->SetCaption(caption);
    if (withEditorFont)
        memo->SetEditorFont(m_editorFont.font, m_editorFont.color);
    memo->SetStored(false);
    QMdiSubWindow* sub = m_mdiArea->addSubWindow(memo);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowIcon(OwnIcon(QStringLiteral("memo")));
    sub->resize(277, 207);
    m_commandKeys->ReleaseCommandKeys(sub->systemMenu());
    sub->show();
    m_mdiArea->setActiveSubWindow(sub);
    // Typing goes into the new window's text at once, also when the command
    // came from the floating file manager.
    if (isVisible())
        activateWindow();
    memo->Editor()->setFocus();
    return memo;
}


bool TfrmMain::MemoWithFileSaveChecked() const
{
    return m_commands->Action("MemoWithFileSave")->isChecked();
}

void TfrmMain::MemoOpenExecute()
{
    const QString title = m_manager->GetSelectedTitle();
    std::string rowName = m_manager->SelectedRowName();
    const MemoRecord memo = ReadMemo(m_manager->Store(), rowName);
    TfrmMemo* window = NewMemoWindow(title, true);
    window->SetTitle(title, std::move(rowName));
    QStringList keywords;
    for (const std::string& keyword : memo.Keywords)
        keywords << FromDocument(keyword);
    window->SetKeywords(keywords);
    window->SetText(EditorText(memo.Text));
    window->SetStored(true);
}

// Everything is converted before anything is written: a character the
// document cannot hold refuses the whole memo.
MemoRecord TfrmMain::ActiveMemoRecord(std::string documentTitle) const
{
    TfrmMemo* window = ActiveMemo();
    MemoRecord memo;
    memo.Title = std::move(documentTitle);
    for (const QString& keyword : window->Keywords())
        memo.Keywords.push_back(ToDocument(keyword));
    memo.Text = DocumentText(window->Editor()->toPlainText());
    return memo;
}

void TfrmMain::StoreActiveMemo(const MemoRecord& memo)
{
    WriteMemo(m_manager->Store(), memo, TodaySerial());
    m_manager->SetDocumentModified(true);
    TfrmMemo* window = ActiveMemo();
    window->SetModified(false);
    window->SetStored(true);
}

void TfrmMain::MemoSaveExecute()
{
    TfrmMemo* window = ActiveMemo();
    if (window->Title().isEmpty()) {
        MemoSaveAsExecute();
        return;
    }
    StoreActiveMemo(ActiveMemoRecord(window->DocumentTitle()));
    if (MemoWithFileSaveChecked())
        RunCommand("FileSave1");
    m_manager->RefreshList();
}

void TfrmMain::MemoSaveAsExecute()
{
    TfrmMemo* window = ActiveMemo();
    // Cancel gives the default text back, which counts as typed.
    const QString title = m_dialogs.InputBox(QStringLiteral("メモの保存"), QStringLiteral("タイトルを入力してください｡"),
                                             window->Title());
    if (title.isEmpty())
        return;
    const MemoRecord memo = ActiveMemoRecord(ToDocument(title));
    TQuorvexDataAccessSystem& store = m_manager->Store();
    if (MemoTitleExists(store, memo.Title)) {
        m_dialogs.MessageBox(QStringLiteral("Vellora"), u'"' + title + QStringLiteral("\" は既に登録されています。"),
                             TMsgIcon::Warning, TMsgButton::Ok | TMsgButton::Cancel);
        return;
    }
    AddMemoRow(store, memo.Title);
    try {
        StoreActiveMemo(memo);
    } catch (...) {
        DeleteMemo(store, memo.Title);
        throw;
    }
    if (MemoWithFileSaveChecked())
        RunCommand("FileSave1");
    window->SetTitle(title, memo.Title);
    m_manager->RefreshList();
}

void TfrmMain::MemoDeleteExecute()
{
    DeleteMemo(m_manager->Store(), m_manager->SelectedRowName());
    m_manager->SetDocumentModified(true);
    if (MemoWithFileSaveChecked())
        RunCommand("FileSave1");
    m_manager->RefreshList();
}

void TfrmMain::MemoRenameExecute()
{
    QString title;
    if (!m_dialogs.InputQuery(QStringLiteral("タイトルの変更"), QStringLiteral("新しいタイトルを入力して下さい"), title))
        return;
    if (title.isEmpty()) {
        m_dialogs.MessageBox(QStringLiteral("Vellora"), QStringLiteral("空の文字列は無効です"), TMsgIcon::Warning,
                             TMsgButton::Ok);
        return;
    }
    if (m_manager->RenameMemo(m_manager->GetSelectedTitle(), title))
        m_manager->RefreshList();
}

void TfrmMain::MemoWithFileSaveExecute()
{
    // The command's check has been toggled already.
    if (MemoWithFileSaveChecked())
        RunCommand("FileSave1");
}

void TfrmMain::MemoCloseExecute()
{
    if (QMdiSubWindow* sub = m_mdiArea->currentSubWindow())
        sub->close();
}

void TfrmMain::BindKeywordCommands()
{
    const auto onActive = [this](void (TfrmMemo::*operation)()) {
        return [this, operation] {
            if (TfrmMemo* memo = ActiveMemo())
                (memo->*operation)();
        };
    };
    m_commands->SetHandler("KeywordNew", onActive(&TfrmMemo::KeywordNewExecute));
    m_commands->SetHandler("KeywordPaste", onActive(&TfrmMemo::KeywordPasteExecute));
    m_commands->SetHandler("KeywordDelete", onActive(&TfrmMemo::KeywordDeleteExecute));
    m_commands->SetHandler("EditSendKeyWord", onActive(&TfrmMemo::EditSendKeywordExecute));

    m_commands->SetEnabling("KeywordPaste", [this] {
        const QMimeData* data = QApplication::clipboard()->mimeData();
        return ActiveMemo() && data && data->hasText();
    });
    m_commands->SetEnabling("KeywordDelete", [this] {
        TfrmMemo* memo = ActiveMemo();
        return memo && !memo->KeywordList()->selectedItems().isEmpty();
    });
    m_commands->SetEnabling("EditSendKeyWord", [this] {
        TfrmMemo* memo = ActiveMemo();
        return memo && memo->Editor()->textCursor().hasSelection();
    });
}
