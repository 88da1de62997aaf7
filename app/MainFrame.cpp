// The main window's frame: the MDI area, the commands, the menus, the four
// toolbars, the status bar, the dock sites and the dialogs.
#include "Main.h"

#include "CommandKeys.h"
#include "Commands.h"
#include "ControlBar.h"
#include "FileDialog.h"
#include "Guard.h"
#include "HintSwitch.h"
#include "RsizDock.h"
#include "StatusBar.h"
#include "ToolBand.h"

#include <QAction>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>

namespace {
const QString DocumentFilter = QStringLiteral("Velloraファイル (*.vlr)|*.vlr|すべてのファイル (*.*)|*.*");
const QString Separator = QStringLiteral("-");
}  // namespace

void TfrmMain::BuildFrame()
{
    m_mdiArea = new QMdiArea(this);
    m_mdiArea->setObjectName(QStringLiteral("MdiArea"));
    m_mdiArea->setBackground(palette().brush(QPalette::Dark));
    setCentralWidget(m_mdiArea);
    setDockNestingEnabled(false);
    // A band or the file manager snaps into its place when dropped, so
    // that the bands' positions are final when the rows are laid out anew.
    setAnimated(false);
    m_commands = new TCommands(this, m_dialogs);
    m_commandKeys = new TCommandKeys(*m_commands, this);
    for (const char* name : {"ViewManager", "ViewToolBar", "ViewStatusBar", "ViewHint"})
        Command(QString::fromLatin1(name))->setChecked(true);

    TFileDialogRequest document;
    document.filter = DocumentFilter;
    OpenDialog1 = new TFileDialog(QStringLiteral("OpenDialog1"), document, this);
    document.defaultExt = QStringLiteral("vlr");
    document.overwritePrompt = true;
    SaveDialog1 = new TFileDialog(QStringLiteral("SaveDialog1"), document, this);

    BuildMenus();
    BuildToolBars();
    m_statusBar = new TStatusBar(this);
    setStatusBar(m_statusBar);
    BuildDockSites();
    m_hints = new THintSwitch(this);

    BindDocumentCommands();
    BindMemoCommands();
    BindTransferCommands();
    BindPrintCommands();
    BindKeywordCommands();
    BindEditCommands();
    BindViewCommands();
    BindWindowCommands();
    BindHelpCommands();
}

QMenu* TfrmMain::AddMenu(QMenu* menu, const QStringList& items)
{
    for (const QString& item : items) {
        if (item == Separator)
            menu->addSeparator();
        else
            menu->addAction(Command(item));
    }
    return menu;
}

void TfrmMain::BuildMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    QMenu* file = bar->addMenu(QStringLiteral("ファイル(&F)"));
    AddMenu(file, {"FileNew1", "FileOpen1", "FileSave1", "FileSaveAs1", Separator, "FilePrint", Separator});
    AddMenu(file->addMenu(QStringLiteral("エクスポート(&E)")), {"FileExportToCSVFile"});
    AddMenu(file, {Separator, "FileExit1"});

    QMenu* memo = bar->addMenu(QStringLiteral("メモ(&M)"));
    AddMenu(memo, {"MemoNew", "MemoOpen", "MemoClose", "MemoSave", "MemoSaveAs", "MemoDelete", "MemoRename",
                   Separator, "MemoWithFileSave", Separator});
    AddMenu(memo->addMenu(QStringLiteral("インポート(&I)")), {"MemoImportFromTextFile"});
    AddMenu(memo->addMenu(QStringLiteral("エクスポート(&X)")), {"MemoExportToTextFile"});
    memo->addSeparator();
    const QStringList keywordItems = {"KeywordNew", "KeywordPaste", "KeywordDelete"};
    const QStringList editItems = {"EditSendKeyWord", Separator, "EditUndo1", Separator, "EditCut1", "EditCopy1",
                                   "EditPaste1", "EditDelete1", Separator, "EditSelectAll1"};
    AddMenu(memo->addMenu(QStringLiteral("キーワード(&K)")), keywordItems);
    memo->addSeparator();
    AddMenu(memo->addMenu(QStringLiteral("編集(&E)")), editItems);

    AddMenu(bar->addMenu(QStringLiteral("表示(&V)")),
            {"ViewManager", "ViewToolBar", "ViewStatusBar", Separator, "ViewHint", Separator, "ViewFont"});
    AddMenu(bar->addMenu(QStringLiteral("ウィンドウ(&W)")), {"WindowCascade1", "WindowTileHorizontal1",
                                                            "WindowTileVertical1", "WindowMinimizeAll1",
                                                            "WindowArrangeAll1"});
    AddMenu(bar->addMenu(QStringLiteral("ヘルプ(&H)")), {"HelpHelp", Separator, "HelpAbout1"});

    // The memo windows' context menus point to the same commands.
    m_editorMenu = AddMenu(new QMenu(this), editItems);
    m_editorMenu->setObjectName(QStringLiteral("PopupMenu1"));
    m_keywordMenu = AddMenu(new QMenu(this), keywordItems);
    m_keywordMenu->setObjectName(QStringLiteral("PopupMenu2"));
}

TToolBand* TfrmMain::AddBand(const QString& name, int left, const QStringList& items)
{
    auto* band = new TToolBand(name, left, 2, this);
    for (const QString& item : items) {
        if (item == Separator)
            band->addSeparator();
        else
            band->addAction(Command(item));
    }
    ControlBar1->AddBand(band);
    // A drag may leave the other bands of a row squeezed behind their
    // extension buttons although they fit: lay the rows out afresh from
    // where the bands are now, as the next start will.
    connect(band, &TToolBand::Dropped, this,
            [this] { RunGuarded(m_dialogs, [this] { ControlBar1->Arrange(); }); }, Qt::QueuedConnection);
    return band;
}

void TfrmMain::BuildToolBars()
{
    ControlBar1 = new TControlBar(this);
    AddBand(QStringLiteral("tlbMain"), 11,
            {"FileNew1", "FileOpen1", "FileSave1", Separator, "FilePrint", Separator, "ViewManager", Separator,
             "WindowCascade1", "WindowTileHorizontal1", "WindowTileVertical1", Separator, "HelpHelp"});
    AddBand(QStringLiteral("tlbMemo"), 267, {"MemoNew", "MemoOpen", "MemoSave"});
    AddBand(QStringLiteral("tlbKeyWord"), 353, {"KeywordNew", "KeywordPaste", "KeywordDelete"});
    AddBand(QStringLiteral("tlbEdit"), 439,
            {"EditSendKeyWord", Separator, "EditUndo1", Separator, "EditCut1", "EditCopy1", "EditPaste1",
             "EditDelete1"});
}

void TfrmMain::BuildDockSites()
{
    const Qt::DockWidgetArea areas[] = {Qt::LeftDockWidgetArea, Qt::RightDockWidgetArea, Qt::TopDockWidgetArea,
                                        Qt::BottomDockWidgetArea};
    for (int i = 0; i < 4; ++i) {
        auto* site = new TResizeDockSite(this, areas[i], i + 1, this);
        site->setObjectName(QStringLiteral("ResizeDockSite%1").arg(i + 1));
        m_dockSites << site;
    }
}
