#pragma once
// The file manager window: a tool window that floats or docks into one of
// the main window's dock sites. It owns the open document (Store) and its
// modified flag, closes the document with the save questions, and shows
// the keyword search page and the memo list page.

#include <QDockWidget>
#include <QPointer>
#include <memory>

class QListWidget;
class QMenu;
class QSplitter;
class QTabWidget;
class QToolButton;
class QTreeView;
class TCustomSaveProps;
class THintSwitch;
class TManagerHost;
class TMemoListModel;
class TQuorvexDataAccessSystem;
class TResizeDockSite;
class TWordBox;

class TfrmManager : public QDockWidget {
    Q_OBJECT
public:
    // Creation reads the window's settings, docks it where the settings
    // say and reopens the last document.
    TfrmManager(TManagerHost& host, TCustomSaveProps& settings, QWidget* parent);
    // Writes the window's settings (errors go to the error message box).
    ~TfrmManager() override;

    TQuorvexDataAccessSystem& Store() { return *m_store; }
    bool DocumentModified() const { return m_documentModified; }
    void SetDocumentModified(bool modified) { m_documentModified = modified; }
    bool ClosingDocument() const { return m_closingDocument; }

    // Closes every memo window, then the document, asking to save; true
    // when the document is now empty, false when the user cancelled.
    bool CloseDocument();
    void RefreshList();
    void RunSearch();
    // The title the user has selected on the page shown: the search result
    // on page 0, the memo on page 1; empty otherwise or without a selection.
    QString GetSelectedTitle() const;
    // The row name, as the document holds it, of the memo selected; raises
    // the unregistered-row error when there is none.
    std::string SelectedRowName() const;
    // The table row of that memo; -1 without a selection.
    int SelectedRow() const;
    // Renames the memo; false, after telling the user why, when the new
    // title names a memo already (the memo itself included) or holds a
    // character the document cannot store.
    bool RenameMemo(const QString& oldTitle, const QString& newTitle);
    // A click on the memo list's header: sorts the list by that column.
    void ListView1ColumnClick(int column);

    void SetShowHints(bool on);
    int ActivePage() const;
    int SortColumn() const { return m_sortColumn; }

    // The controls, for the main window's enabling rules and for tests.
    QTabWidget* PageControl() const { return PageControl1; }
    QListWidget* ResultList() const { return ListBox1; }
    QTreeView* MemoList() const { return ListView1; }
    TMemoListModel* MemoListModel() const { return m_listModel; }
    TWordBox* WordBox() const { return WordBox1; }
    QWidget* KeywordPanel() const { return Panel1; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildWindow();
    QWidget* BuildSearchPage();
    QWidget* BuildListPage();
    void FormCreate();
    void RestoreDocking();
    // The design's place: floating, undocked.
    void FloatAtDesign();
    void RestoreLayout();
    void ReopenLastDocument();
    void FormDestroy();
    void ApplyPendingSiteSize();
    void ListDblClick();
    void ToolButton6Click();
    bool AskSaveDocument();
    // The end of an in-place edit of the title in table row `row`.
    bool ListView1Edited(int row, const QString& text);
    bool RenameMemoRow(int row, const QString& newTitle);
    // The table row of the memo whose title reads `title`.
    int TitleRow(const QString& title) const;
    bool TitleTaken(const std::string& title) const;
    void Warn(const QString& text);

    TManagerHost& m_host;
    TCustomSaveProps& m_settings;
    std::unique_ptr<TQuorvexDataAccessSystem> m_store;
    bool m_documentModified = false;
    bool m_closingDocument = false;
    int m_sortColumn = 0;
    bool m_pendingSiteResize = false;
    QPointer<TResizeDockSite> m_pendingSite;
    int m_pendingSiteWidth = 0;
    int m_pendingSiteHeight = 0;
    // The size the window takes when it floats again; follows the user's
    // resizing once the floating window has taken it.
    QSize m_undockSize;
    bool m_floatingSized = false;
    int m_pendingPanelWidth = -1;

    QTabWidget* PageControl1 = nullptr;
    QWidget* Panel1 = nullptr;
    QSplitter* Splitter1 = nullptr;
    QWidget* ToolBar1 = nullptr;
    QToolButton* ToolButton5 = nullptr;
    QToolButton* ToolButton6 = nullptr;
    TWordBox* WordBox1 = nullptr;
    QListWidget* ListBox1 = nullptr;
    QTreeView* ListView1 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    TMemoListModel* m_listModel = nullptr;
    THintSwitch* m_hints = nullptr;
};
