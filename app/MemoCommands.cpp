// The memo commands and the keyword commands of the active memo window,
// with their enabling rules.
#include "Main.h"

#include "Commands.h"
#include "Manager.h"
#include "Memo.h"

#include <QApplication>
#include <QClipboard>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QStyle>
#include <QTabWidget>
#include <QTreeView>

void TfrmMain::BindMemoCommands()
{
    m_commands->SetHandler("MemoNew", [this] { MemoNewExecute(); });
    m_commands->SetHandler("MemoClose", [this] { MemoCloseExecute(); });
    m_commands->SetEnabling("MemoClose", [this] { return ActiveMemo() != nullptr; });
    for (const char* name : {"MemoOpen", "MemoSave", "MemoSaveAs", "MemoDelete", "MemoRename",
                             "MemoWithFileSave", "FilePrint"})
        m_commands->SetNotAvailable(name);

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
    for (const char* name : {"MemoSave", "MemoSaveAs", "MemoExportToTextFile"})
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
    sub->setWindowIcon(style()->standardIcon(QStyle::SP_FileIcon));
    sub->resize(277, 207);
    sub->show();
    m_mdiArea->setActiveSubWindow(sub);
    return memo;
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

    m_commands->SetEnabling("KeywordNew", [this] { return ActiveMemo() != nullptr; });
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
