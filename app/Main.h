#pragma once
// The main window: the MDI frame of the memo editor windows, with every
// command of the program, the four toolbars, the status bar, the four dock
// sites and the settings component of the whole program.
//
// Its code is split by concern: Main.cpp (creation, closing, settings),
// MainFrame.cpp (menus, toolbars, status bar, dock sites), MainView.cpp
// (view commands, idle update, the maximised-child fix),
// DocumentCommands.cpp and MemoCommands.cpp (command handlers).

#include "FontColors.h"
#include "Manager.h"
#include "ManagerHost.h"
#include "MemoDocument.h"
#include "MemoHost.h"
#include "PrintHost.h"

#include <QColor>
#include <QDialog>
#include <QFont>
#include <QMainWindow>
#include <QPointer>

class QMdiArea;
class QMdiSubWindow;
class QMenu;
class TCommandKeys;
class TCommands;
class TControlBar;
class TFileDialog;
class THintSwitch;
class TIniSaveProps;
class TResizeDockSite;
class TStatusBar;
class TToolBand;
class TfrmMemo;

// The editor font: the toolkit's font plus the colour it is drawn in.
using TEditorFont = TColoredFont;

class TfrmMain : public QMainWindow, public TManagerHost, public TMemoHost, public TPrintHost {
    Q_OBJECT
public:
    // iniFileName empty: the settings file beside the executable (or the
    // per-user one when that folder is read-only).
    TfrmMain(TDialogs& dialogs, const QString& iniFileName);
    ~TfrmMain() override;

    // Created after the main window; the main window asks it to close the
    // document and shows and hides it.
    void SetManager(TfrmManager* manager);
    void SetAboutBox(QDialog* aboutBox) { m_aboutBox = aboutBox; }
    // Created last; the print command shows it.
    void SetPrintDialog(QDialog* printDialog) { m_printDialog = printDialog; }
    TfrmManager* Manager() const { return m_manager; }
    // The saving at destruction: settings, placement and the main window's
    // own keys. Runs once; the destructor runs it when nobody did before.
    void FormDestroy();

    TIniSaveProps& Settings() const { return *IniSaveProps1; }
    TCommands& Commands() const { return *m_commands; }
    QMdiArea* MdiArea() const { return m_mdiArea; }
    TStatusBar* StatusBar() const { return m_statusBar; }
    TControlBar* ControlBar() const { return ControlBar1; }
    const QList<TToolBand*>& ToolBands() const;
    const TEditorFont& EditorFont() const override { return m_editorFont; }
    int UntitledCount() const { return m_untitledCount; }
    QString ApplicationTitle() const { return m_applicationTitle; }

    // The memo windows in the frame's order, and the active one.
    QList<TfrmMemo*> MemoWindows() const;
    TfrmMemo* ActiveMemo() const;
    TfrmMemo* NewMemoWindow(const QString& caption, bool withEditorFont);
    // Counts one more untitled memo window and gives its number.
    int NextUntitledNumber() { return ++m_untitledCount; }

    // Runs the idle work now: the title, the status bar, the commands'
    // enabling rules.
    void ApplicationIdle();

    // TManagerHost and TMemoHost
    TDialogs& Dialogs() override { return m_dialogs; }
    void RunCommand(const QString& name) override;
    QAction* Command(const QString& name) override;
    QString DocumentFileName() const override { return m_documentFileName; }
    void SetDocumentFileName(const QString& fileName) override;
    void SyncApplicationTitle() override;
    int MemoWindowCount() const override;
    bool AskSaveActiveMemo() override;
    void CloseActiveMemo() override;
    QList<TResizeDockSite*> DockSites() const override { return m_dockSites; }
    bool ClosingDocument() const override;

    // TPrintHost
    const TQuorvexDataAccessSystem& PrintStore() const override;
    TPrintMemo ActivePrintMemo() const override;

signals:
    // The close was allowed: the program ends.
    void Closed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    // Main.cpp
    void CreateSettings(const QString& iniFileName);
    void FormCreate();
    // "View" / "Manager": whether the file manager was shown at the last exit.
    bool ManagerShownSetting();
    QMdiSubWindow* MemoToClose() const;
    void RestoreDialogFolders();
    void RestoreEditorFont();
    bool CloseQuery();
    void IniSaveProps1AfterSave();

    // MainFrame.cpp
    void BuildFrame();
    void BuildMenus();
    void BuildToolBars();
    void BuildDockSites();
    QMenu* AddMenu(QMenu* menu, const QStringList& items);
    TToolBand* AddBand(const QString& name, int left, const QStringList& items);

    // MainView.cpp
    void BindViewCommands();
    void ViewManagerExecute();
    void ViewToolBarExecute();
    void ViewStatusBarExecute();
    void ViewHintExecute();
    void ViewFontExecute();
    void BindWindowCommands();
    void TileWindows(Qt::Orientation orientation);
    void UpdateCaretPanel();
    void UpdateDocumentPanel();
    void ActiveFormChange();
    void FixMaximizedChild();
    void BindEditCommands();
    void BindHelpCommands();

    // DocumentCommands.cpp
    void BindDocumentCommands();
    void FileNew1Execute();
    void FileOpen1Execute();
    void FileSave1Execute();
    void FileSaveAs1Execute();
    void FileExit1Execute();
    // False when the file changed on disk since it was loaded or saved and
    // the user chose not to write over it.
    bool WriteDocument(const QString& fileName, bool askWhenChanged);
    bool AskOverwriteChangedFile(const QString& fileName);
    bool IsDocumentFile(const QString& fileName) const;
    void ForgetDocumentName();

    // TransferCommands.cpp: export to CSV and text files, import of text files
    void BindTransferCommands();
    void FileExportToCSVFileExecute();
    void MemoExportToTextFileExecute();
    void MemoImportFromTextFileExecute();
    // SaveDialog2 set up for one export; the chosen path, empty when cancelled.
    QString ChooseExportFile(const QString& filter, const QString& title, const QString& defaultExt);
    void CheckExportTarget(const QString& path) const;
    void ImportTextFile(const QString& path);

    // PrintCommands.cpp
    void BindPrintCommands();

    // MemoCommands.cpp
    void BindMemoCommands();
    void MemoNewExecute();
    void MemoCloseExecute();
    void MemoOpenExecute();
    void MemoSaveExecute();
    void MemoSaveAsExecute();
    void MemoDeleteExecute();
    void MemoRenameExecute();
    void MemoWithFileSaveExecute();
    bool MemoWithFileSaveChecked() const;
    MemoRecord ActiveMemoRecord(std::string documentTitle) const;
    void StoreActiveMemo(const MemoRecord& memo);
    void BindKeywordCommands();

    TDialogs& m_dialogs;
    TIniSaveProps* IniSaveProps1 = nullptr;
    TCommands* m_commands = nullptr;
    TCommandKeys* m_commandKeys = nullptr;
    QMdiArea* m_mdiArea = nullptr;
    TControlBar* ControlBar1 = nullptr;
    TStatusBar* m_statusBar = nullptr;
    THintSwitch* m_hints = nullptr;
    QList<TResizeDockSite*> m_dockSites;
    TFileDialog* OpenDialog1 = nullptr;
    TFileDialog* SaveDialog1 = nullptr;
    TFileDialog* OpenDialog2 = nullptr;
    TFileDialog* SaveDialog2 = nullptr;
    QMenu* m_editorMenu = nullptr;
    QMenu* m_keywordMenu = nullptr;
    QPointer<TfrmManager> m_manager;
    QPointer<QDialog> m_aboutBox;
    QPointer<QDialog> m_printDialog;

    int m_fixMenuMessageId = 0;
    int m_untitledCount = 0;
    QString m_documentFileName;
    TEditorFont m_editorFont;
    QString m_applicationTitle;
    bool m_destroyed = false;
    bool m_firstShowDone = false;
};
