// The view and window commands, the standard edit commands, the idle
// update of the title and the status bar, and the fix for maximised memo
// windows.
#include "Main.h"

#include "ChmManager.h"
#include "Commands.h"
#include "ControlBar.h"
#include "Dialogs.h"
#include "HintSwitch.h"
#include "Manager.h"
#include "MemoDocument.h"
#include "Memo.h"
#include "PathShortener.h"
#include "StatusBar.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QResizeEvent>
#include <QStatusTipEvent>
#include <QTextBlock>

void TfrmMain::BindViewCommands()
{
    m_commands->SetHandler("ViewManager", [this] { ViewManagerExecute(); });
    m_commands->SetHandler("ViewToolBar", [this] { ViewToolBarExecute(); });
    m_commands->SetHandler("ViewStatusBar", [this] { ViewStatusBarExecute(); });
    m_commands->SetHandler("ViewHint", [this] { ViewHintExecute(); });
    m_commands->SetHandler("ViewFont", [this] { ViewFontExecute(); });
    connect(qApp, &QApplication::focusChanged, this, [this] { ActiveFormChange(); });
}

void TfrmMain::ViewManagerExecute()
{
    if (m_manager)
        m_manager->setVisible(Command("ViewManager")->isChecked());
}

void TfrmMain::ViewToolBarExecute()
{
    ControlBar1->SetVisible(Command("ViewToolBar")->isChecked());
}

void TfrmMain::ViewStatusBarExecute()
{
    m_statusBar->SetVisible(Command("ViewStatusBar")->isChecked());
}

void TfrmMain::ViewHintExecute()
{
    const bool on = Command("ViewHint")->isChecked();
    m_hints->SetShowHints(on);
    if (m_manager)
        m_manager->SetShowHints(on);
}

void TfrmMain::ViewFontExecute()
{
    TEditorFont chosen = m_editorFont;
    if (!m_dialogs.ChooseFont(chosen.font, chosen.color))
        return;
    m_editorFont = chosen;
    for (TfrmMemo* memo : MemoWindows())
        memo->SetEditorFont(m_editorFont.font, m_editorFont.color);
}

namespace {
// Minimised windows line up along the bottom of the frame from the left,
// a full row going on in a new row above it.
void ArrangeIcons(QMdiArea* area)
{
    const QRect frame = area->viewport()->rect();
    QPoint next(0, frame.bottom() + 1);  // left edge and bottom of the next place
    for (QMdiSubWindow* sub : area->subWindowList(QMdiArea::CreationOrder)) {
        if (!sub->isMinimized())
            continue;
        const QSize size = sub->size();
        if (next.x() > 0 && next.x() + size.width() > frame.width())
            next = QPoint(0, next.y() - size.height());
        sub->move(next.x(), next.y() - size.height());
        next.rx() += size.width();
    }
}
}  // namespace

void TfrmMain::BindWindowCommands()
{
    m_commands->SetHandler("WindowCascade1", [this] { m_mdiArea->cascadeSubWindows(); });
    m_commands->SetHandler("WindowTileHorizontal1", [this] { TileWindows(Qt::Vertical); });
    m_commands->SetHandler("WindowTileVertical1", [this] { TileWindows(Qt::Horizontal); });
    m_commands->SetHandler("WindowMinimizeAll1", [this] {
        for (QMdiSubWindow* sub : m_mdiArea->subWindowList())
            sub->showMinimized();
    });
    m_commands->SetHandler("WindowArrangeAll1", [this] { ArrangeIcons(m_mdiArea); });
}

// Horizontal: side by side; vertical: one above another.
void TfrmMain::TileWindows(Qt::Orientation orientation)
{
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* sub : m_mdiArea->subWindowList(QMdiArea::CreationOrder)) {
        if (!sub->isMinimized())
            windows << sub;
    }
    if (windows.isEmpty())
        return;
    const QRect area = m_mdiArea->viewport()->rect();
    const int n = static_cast<int>(windows.size());
    for (int i = 0; i < n; ++i) {
        QMdiSubWindow* sub = windows[i];
        if (sub->isMaximized())
            sub->showNormal();
        if (orientation == Qt::Horizontal) {
            const int left = area.width() * i / n, right = area.width() * (i + 1) / n;
            sub->setGeometry(left, 0, right - left, area.height());
        } else {
            const int top = area.height() * i / n, bottom = area.height() * (i + 1) / n;
            sub->setGeometry(0, top, area.width(), bottom - top);
        }
    }
}

namespace {
// The edit field that has the focus, when it is one.
QWidget* FocusedEdit()
{
    QWidget* focus = QApplication::focusWidget();
    return qobject_cast<QLineEdit*>(focus) || qobject_cast<QPlainTextEdit*>(focus) ? focus : nullptr;
}

bool HasSelection(QWidget* edit)
{
    if (auto* line = qobject_cast<QLineEdit*>(edit))
        return line->hasSelectedText();
    if (auto* text = qobject_cast<QPlainTextEdit*>(edit))
        return text->textCursor().hasSelection();
    return false;
}

bool IsReadOnly(QWidget* edit)
{
    if (auto* line = qobject_cast<QLineEdit*>(edit))
        return line->isReadOnly();
    auto* text = qobject_cast<QPlainTextEdit*>(edit);
    return !text || text->isReadOnly();
}

bool CanUndo(QWidget* edit)
{
    if (auto* line = qobject_cast<QLineEdit*>(edit))
        return line->isUndoAvailable();
    auto* text = qobject_cast<QPlainTextEdit*>(edit);
    return text && text->document()->isUndoAvailable();
}

void DeleteSelection(QWidget* edit)
{
    if (auto* line = qobject_cast<QLineEdit*>(edit))
        line->del();
    else if (auto* text = qobject_cast<QPlainTextEdit*>(edit))
        text->textCursor().removeSelectedText();
}
}  // namespace

void TfrmMain::BindEditCommands()
{
    const auto invoke = [](const char* slot) {
        return [slot] {
            if (QWidget* edit = FocusedEdit())
                QMetaObject::invokeMethod(edit, slot);
        };
    };
    m_commands->SetHandler("EditUndo1", invoke("undo"));
    m_commands->SetHandler("EditCut1", invoke("cut"));
    m_commands->SetHandler("EditCopy1", invoke("copy"));
    m_commands->SetHandler("EditPaste1", invoke("paste"));
    m_commands->SetHandler("EditSelectAll1", invoke("selectAll"));
    m_commands->SetHandler("EditDelete1", [] {
        if (QWidget* edit = FocusedEdit())
            DeleteSelection(edit);
    });
    m_commands->SetEnabling("EditUndo1", [] { return FocusedEdit() && CanUndo(FocusedEdit()); });
    m_commands->SetEnabling("EditCut1",
                            [] { return FocusedEdit() && HasSelection(FocusedEdit()) && !IsReadOnly(FocusedEdit()); });
    m_commands->SetEnabling("EditCopy1", [] { return FocusedEdit() && HasSelection(FocusedEdit()); });
    m_commands->SetEnabling("EditPaste1", [] {
        return FocusedEdit() && !IsReadOnly(FocusedEdit()) && !QApplication::clipboard()->text().isEmpty();
    });
    m_commands->SetEnabling("EditDelete1",
                            [] { return FocusedEdit() && HasSelection(FocusedEdit()) && !IsReadOnly(FocusedEdit()); });
    m_commands->SetEnabling("EditSelectAll1", [] { return FocusedEdit() != nullptr; });
}

void TfrmMain::BindHelpCommands()
{
    m_commands->SetHandler("HelpHelp", [] { ShowHelp(); });
    // F1 brings the help up from every window of the program, the help
    // window itself included.
    Command(QStringLiteral("HelpHelp"))->setShortcutContext(Qt::ApplicationShortcut);
    m_commands->SetHandler("HelpAbout1", [this] {
        if (m_aboutBox)
            m_aboutBox->exec();
    });
}

void TfrmMain::ApplicationIdle()
{
    SyncApplicationTitle();
    UpdateCaretPanel();
    UpdateDocumentPanel();
    m_commands->UpdateAll();
}

void TfrmMain::UpdateCaretPanel()
{
    TfrmMemo* memo = ActiveMemo();
    if (!memo) {
        m_statusBar->SetPanelText(1, QString());
        return;
    }
    const QPoint caret = memo->CaretLineColumn();
    m_statusBar->SetPanelText(1, TStatusBar::CaretText(caret.y(), caret.x()));
}

void TfrmMain::UpdateDocumentPanel()
{
    const int count = m_manager ? MemoCount(m_manager->Store()) : 0;
    const QString tail = QString::asprintf(" (includes %d memos)", count);
    const QFontMetrics metrics(m_statusBar->Panel(2)->font());
    const int available = m_statusBar->PanelTextWidth(2) - metrics.horizontalAdvance(tail);
    const auto fits = [&](const QString& text) { return metrics.horizontalAdvance(text) <= available; };
    QString path = ShortenPath(m_documentFileName, fits);
    // A file name too long by itself gives way in its middle: the count
    // after it stays readable.
    if (!fits(path))
        path = metrics.elidedText(path, Qt::ElideMiddle, qMax(0, available));
    m_statusBar->SetPanelText(2, path + tail);
}

void TfrmMain::ActiveFormChange()
{
    if (m_fixMenuMessageId != 0 && !m_destroyed)
        QCoreApplication::postEvent(this, new QEvent(static_cast<QEvent::Type>(m_fixMenuMessageId)));
}

void TfrmMain::FixMaximizedChild()
{
    QMdiSubWindow* sub = m_mdiArea->currentSubWindow();
    if (!sub || !sub->isMaximized())
        return;
    // Telling the window its size again makes the frame lay out the
    // maximised window's controls anew.
    const QSize size = sub->size();
    QResizeEvent restored(size, size);
    QCoreApplication::sendEvent(sub, &restored);
    QResizeEvent maximized(size, size);
    QCoreApplication::sendEvent(sub, &maximized);
}

bool TfrmMain::event(QEvent* event)
{
    if (event->type() == QEvent::StatusTip) {
        // Panel 0 shows the long form of the hint under the mouse.
        m_statusBar->SetPanelText(0, static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    const bool handled = QMainWindow::event(event);
    if (m_fixMenuMessageId != 0 && event->type() == m_fixMenuMessageId) {
        if (ActiveMemo() && QApplication::activeWindow() == this)
            FixMaximizedChild();
        return true;
    }
    return handled;
}
