#pragma once
// The editor window of one memo: its keywords in a sorted list on the
// left, its text on the right. It holds a copy of the memo; the memo
// commands read it from the document and store it back.

#include <QPoint>
#include <QWidget>

#include <string>

class QListWidget;
class QMenu;
class QPlainTextEdit;
class QSplitter;
class TMemoHost;

class TfrmMemo : public QWidget {
    Q_OBJECT
public:
    explicit TfrmMemo(TMemoHost& host, QWidget* parent = nullptr);

    const QString& Title() const { return m_title; }
    // The title's bytes in the document, which saving the memo writes back:
    // bytes that do not survive the way to the screen and back (an invalid
    // sequence shown as U+FFFD) still name the memo they came from.
    const std::string& DocumentTitle() const { return m_documentTitle; }
    void SetTitle(const QString& title, std::string documentTitle);
    bool Stored() const { return m_stored; }
    void SetStored(bool stored) { m_stored = stored; }

    // The caption shown on the window's frame.
    QString Caption() const;
    void SetCaption(const QString& caption);

    bool Modified() const;
    void SetModified(bool modified);

    // The save question; false when the window has to stay open.
    bool AskSave();
    // Adds one keyword unless it is there already (exact compare).
    void AddKeyword(const QString& text);
    QStringList Keywords() const;
    void SetKeywords(const QStringList& keywords);
    void SetText(const QString& text);
    void SetEditorFont(const QFont& font, const QColor& color);

    void KeywordNewExecute();
    void KeywordPasteExecute();
    void KeywordDeleteExecute();
    void EditSendKeywordExecute();

    // Line and column of the end of the selection, zero-based, counting
    // the lines as the editor shows them (a wrapped paragraph is several).
    QPoint CaretLineColumn() const;

    QListWidget* KeywordList() const { return ListBox1; }
    QPlainTextEdit* Editor() const { return Memo1; }
    QMenu* EditorMenu() const { return PopupMenu1; }
    QMenu* KeywordMenu() const { return PopupMenu2; }
    // Builds the two context menus from the main window's commands.
    void SetMenus(QMenu* editorMenu, QMenu* keywordMenu);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool HasKeyword(const QString& text) const;
    void InsertKeyword(const QString& text);

    TMemoHost& m_host;
    QString m_title;
    std::string m_documentTitle;
    bool m_stored = false;
    QSplitter* Splitter1 = nullptr;
    QListWidget* ListBox1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QMenu* PopupMenu2 = nullptr;
};
