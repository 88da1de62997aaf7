// The print command and what the print dialog reads from the main window.
#include "Main.h"

#include "Commands.h"
#include "Memo.h"
#include "MemoText.h"

#include <QPlainTextEdit>

void TfrmMain::BindPrintCommands()
{
    m_commands->SetHandler("FilePrint", [this] {
        if (m_printDialog)
            m_printDialog->exec();
    });
}

const TQuorvexDataAccessSystem& TfrmMain::PrintStore() const
{
    return m_manager->Store();
}

// The current memo window, or the first when none is current.
TPrintMemo TfrmMain::ActivePrintMemo() const
{
    TfrmMemo* window = ActiveMemo();
    if (!window)
        window = MemoWindows().value(0);
    TPrintMemo memo;
    if (!window)
        return memo;
    memo.Caption = window->Caption().toStdString();
    for (const QString& keyword : window->Keywords())
        memo.Keywords.push_back(ToDocument(keyword));
    memo.Text = DocumentText(window->Editor()->toPlainText());
    memo.Title = window->DocumentTitle();
    memo.Stored = window->Stored();
    return memo;
}
