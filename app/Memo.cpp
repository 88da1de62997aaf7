#include "Memo.h"

#include "Dialogs.h"
#include "Guard.h"
#include "HintText.h"
#include "MemoHost.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QCollator>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QTextBlock>
#include <QTextLayout>

TfrmMemo::TfrmMemo(TMemoHost& host, QWidget* parent) : QWidget(parent), m_host(host)
{
    setObjectName(QStringLiteral("frmMemo"));
    resize(277, 207);

    Splitter1 = new QSplitter(Qt::Horizontal, this);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->setHandleWidth(3);
    Splitter1->setChildrenCollapsible(false);

    ListBox1 = new QListWidget(Splitter1);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ListBox1->setUniformItemSizes(true);
    ListBox1->viewport()->installEventFilter(this);
    SetHint(ListBox1, QStringLiteral("キーワード"));

    Memo1 = new QPlainTextEdit(Splitter1);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    SetHint(Memo1, QStringLiteral("エディタ"));
    // The design font until the main window's editor font is given.
    Memo1->setFont(QFont(QStringLiteral("Monospace"), 11));

    Splitter1->setStretchFactor(0, 0);
    Splitter1->setStretchFactor(1, 1);
    Splitter1->setSizes({105, 169});
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Splitter1);

    SetTitle(QString(), {});
}

void TfrmMemo::SetMenus(QMenu* editorMenu, QMenu* keywordMenu)
{
    PopupMenu1 = editorMenu;
    PopupMenu2 = keywordMenu;
    const auto attach = [](QWidget* widget, QMenu* menu) {
        widget->setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(widget, &QWidget::customContextMenuRequested, menu,
                         [widget, menu](const QPoint& pos) { menu->popup(widget->mapToGlobal(pos)); });
    };
    attach(Memo1, PopupMenu1);
    attach(ListBox1, PopupMenu2);
}

void TfrmMemo::SetTitle(const QString& title, std::string documentTitle)
{
    m_title = title;
    m_documentTitle = std::move(documentTitle);
    SetCaption(title);
}

QString TfrmMemo::Caption() const
{
    return windowTitle();
}

void TfrmMemo::SetCaption(const QString& caption)
{
    setWindowTitle(caption);
}

bool TfrmMemo::Modified() const
{
    return Memo1->document()->isModified();
}

void TfrmMemo::SetModified(bool modified)
{
    Memo1->document()->setModified(modified);
}

void TfrmMemo::SetText(const QString& text)
{
    Memo1->setPlainText(text);
    SetModified(false);
}

void TfrmMemo::SetEditorFont(const QFont& font, const QColor& color)
{
    Memo1->setFont(font);
    QPalette palette = Memo1->palette();
    palette.setColor(QPalette::Text, color);
    Memo1->setPalette(palette);
}

QPoint TfrmMemo::CaretLineColumn() const
{
    QTextDocument* document = Memo1->document();
    auto* layout = qobject_cast<QPlainTextDocumentLayout*>(document->documentLayout());
    const QTextBlock caretBlock = document->findBlock(Memo1->textCursor().selectionEnd());
    if (!layout || !caretBlock.isValid())
        return {};
    int line = 0;
    for (QTextBlock block = document->begin(); block != caretBlock; block = block.next()) {
        layout->ensureBlockLayout(block);
        line += block.layout()->lineCount();
    }
    layout->ensureBlockLayout(caretBlock);
    const int inBlock = Memo1->textCursor().selectionEnd() - caretBlock.position();
    const QTextLine shown = caretBlock.layout()->lineForTextPosition(inBlock);
    if (!shown.isValid())
        return {inBlock, line};
    return {inBlock - shown.textStart(), line + shown.lineNumber()};
}

QStringList TfrmMemo::Keywords() const
{
    QStringList keywords;
    for (int i = 0; i < ListBox1->count(); ++i)
        keywords << ListBox1->item(i)->text();
    return keywords;
}

void TfrmMemo::SetKeywords(const QStringList& keywords)
{
    ListBox1->clear();
    for (const QString& keyword : keywords)
        InsertKeyword(keyword);
}

bool TfrmMemo::HasKeyword(const QString& text) const
{
    for (int i = 0; i < ListBox1->count(); ++i) {
        if (ListBox1->item(i)->text() == text)
            return true;
    }
    return false;
}

void TfrmMemo::InsertKeyword(const QString& text)
{
    // The list keeps itself sorted in the locale's order, letter case ignored.
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    int at = 0;
    while (at < ListBox1->count() && collator.compare(ListBox1->item(at)->text(), text) <= 0)
        ++at;
    ListBox1->insertItem(at, text);
}

void TfrmMemo::AddKeyword(const QString& text)
{
    if (HasKeyword(text)) {
        m_host.Dialogs().MessageBox(QStringLiteral("Vellora"), u'"' + text + QStringLiteral("\" は既に登録されています。"),
                                    TMsgIcon::Warning, TMsgButton::Ok);
        return;
    }
    InsertKeyword(text);
    SetModified(true);
}

void TfrmMemo::KeywordNewExecute()
{
    const QString text = m_host.Dialogs().InputBox(QStringLiteral("キーワードの入力"),
                                                   QStringLiteral("新たなキーワードを入力してください。"), QString());
    if (!text.isEmpty())
        AddKeyword(text);
}

void TfrmMemo::KeywordPasteExecute()
{
    AddKeyword(QApplication::clipboard()->text());
}

void TfrmMemo::KeywordDeleteExecute()
{
    for (int i = ListBox1->count() - 1; i >= 0; --i) {
        if (ListBox1->item(i)->isSelected())
            delete ListBox1->takeItem(i);
    }
    SetModified(true);
}

void TfrmMemo::EditSendKeywordExecute()
{
    // The editor hands a selection across lines with U+2029 between them.
    const QString selected = Memo1->textCursor().selectedText().replace(QChar(0x2029), QStringLiteral("\r\n"));
    if (HasKeyword(selected) || selected.isEmpty())
        return;
    InsertKeyword(selected);
    SetModified(true);
}

bool TfrmMemo::AskSave()
{
    if (!Modified())
        return true;
    const TMsgButton answer = m_host.Dialogs().MessageBox(
        QStringLiteral("Vellora"), u'"' + Caption() + QStringLiteral("\" は変更されています。 保存しますか？"),
        TMsgIcon::Warning, TMsgButton::Yes | TMsgButton::No | TMsgButton::Cancel);
    if (answer == TMsgButton::Cancel)
        return false;
    if (answer == TMsgButton::Yes) {
        m_host.RunCommand(QStringLiteral("MemoSave"));
        // A Yes counts only when the memo was stored.
        return !Modified();
    }
    return true;
}

void TfrmMemo::closeEvent(QCloseEvent* event)
{
    bool mayClose = false;
    RunGuarded(m_host.Dialogs(), [&] { mayClose = m_host.ClosingDocument() || AskSave(); });
    if (mayClose)
        event->accept();
    else
        event->ignore();
}

bool TfrmMemo::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ListBox1->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        m_host.RunCommand(QStringLiteral("KeywordNew"));
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
