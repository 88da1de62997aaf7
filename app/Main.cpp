#include "Main.h"

#include "AppFiles.h"
#include "ChmManager.h"
#include "Commands.h"
#include "ControlBar.h"
#include "Dialogs.h"
#include "FileDialog.h"
#include "Guard.h"
#include "HintSwitch.h"
#include "IniSaveProps.h"
#include "Manager.h"
#include "Memo.h"
#include "RsizDock.h"
#include "StatusBar.h"
#include "ToolBand.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace {
const QString ViewSection = QStringLiteral("View");
const QString ManagerSection = QStringLiteral("Manager");

int StyleBits(const QFont& font)
{
    return (font.bold() ? 1 : 0) | (font.italic() ? 2 : 0) | (font.underline() ? 4 : 0) | (font.strikeOut() ? 8 : 0);
}

void ApplyStyleBits(QFont& font, int bits)
{
    font.setBold(bits & 1);
    font.setItalic(bits & 2);
    font.setUnderline(bits & 4);
    font.setStrikeOut(bits & 8);
}
}  // namespace

TfrmMain::TfrmMain(TDialogs& dialogs, const QString& iniFileName) : m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Vellora"));
    resize(631, 370);
    BuildFrame();
    CreateSettings(iniFileName);
    FormCreate();
}

TfrmMain::~TfrmMain()
{
    FormDestroy();
}

void TfrmMain::CreateSettings(const QString& iniFileName)
{
    IniSaveProps1 = new TIniSaveProps(this);
    IniSaveProps1->setObjectName(QStringLiteral("IniSaveProps1"));
    IniSaveProps1->SetFileName(iniFileName);
    IniSaveProps1->SetAutoSave(false);
    IniSaveProps1->SetRestorePlacement(TRestoreKind::Enabled | TRestoreKind::AllowMinimize |
                                       TRestoreKind::AllowMaximize);
    TProps& props = IniSaveProps1->Props();
    const auto band = [&](const char* name) { return findChild<TToolBand*>(QString::fromLatin1(name)); };
    props.Add(band("tlbMain"), "Left");
    props.Add(band("tlbMain"), "Top");
    props.Add(band("tlbEdit"), "Left");
    props.Add(band("tlbEdit"), "Top");
    props.Add(OpenDialog1, "InitialDir");
    props.Add(SaveDialog1, "InitialDir");
    props.Add(ControlBar1, "Visible", "View", "ToolBar");
    props.Add(m_statusBar, "Visible", "View", "StatusBar");
    props.Add(band("tlbMemo"), "Left");
    props.Add(band("tlbMemo"), "Top");
    props.Add(band("tlbKeyWord"), "Left");
    props.Add(band("tlbKeyWord"), "Top");
    for (const char* name : {"ViewManager", "ViewToolBar", "ViewStatusBar", "ViewHint", "MemoWithFileSave"})
        props.Add(Command(QString::fromLatin1(name)), "Checked");
    IniSaveProps1->OnAfterSave = [this](TCustomSaveProps*) { IniSaveProps1AfterSave(); };
    IniSaveProps1->OnAutoSaveError = [this](const QString& message) { m_dialogs.ShowError(message); };
    // A settings file that cannot be read or written is reported once and
    // never stops the program.
    IniSaveProps1->OnFileError = [this](const QString& message) { m_dialogs.ShowError(message); };
    RunGuarded(m_dialogs, [this] { IniSaveProps1->Loaded(); });
    ControlBar1->Arrange();
}

void TfrmMain::FormCreate()
{
    m_fixMenuMessageId = QEvent::registerEventType();
    // Each step on its own: a failing one shows its message and the others
    // still run, its part keeping the design values.
    RunGuarded(m_dialogs, [this] { SetHelpFile(this, TAppFiles::Locate(HelpFileName())); });
    RunGuarded(m_dialogs, [this] { RestoreDialogFolders(); });
    RunGuarded(m_dialogs, [this] { Command(QStringLiteral("ViewManager"))->setChecked(ManagerShownSetting()); });
    RunGuarded(m_dialogs, [this] {
        m_hints->SetShowHints((IniSaveProps1->ReadIntegerOr(QStringLiteral("ViewHint"), QStringLiteral("Checked"), 1) & 0xFF) != 0);
    });
    RunGuarded(m_dialogs, [this] { RestoreEditorFont(); });
}

bool TfrmMain::ManagerShownSetting()
{
    return (IniSaveProps1->ReadIntegerOr(ViewSection, QStringLiteral("Manager"), 1) & 0xFF) != 0;
}

void TfrmMain::RestoreDialogFolders()
{
    const QString filesFolder = TAppFiles::FilesFolder() + u'/';
    for (TFileDialog* dialog : {OpenDialog1, SaveDialog1}) {
        const QString saved = IniSaveProps1->ReadString(dialog->objectName(), QStringLiteral("InitialDir"));
        if (saved.isEmpty() || !QDir(saved).exists())
            dialog->SetInitialDir(filesFolder);
    }
}

void TfrmMain::RestoreEditorFont()
{
    const QString name = IniSaveProps1->ReadString(ViewSection, QStringLiteral("EditorFont.Name"));
    if (!name.isEmpty())
        m_editorFont.font.setFamily(name);
    if (IniSaveProps1->ValueExists(ViewSection, QStringLiteral("EditorFont.Color")))
        m_editorFont.color = QColor::fromRgb(
            static_cast<QRgb>(IniSaveProps1->ReadInteger(ViewSection, QStringLiteral("EditorFont.Color"))) & 0xFFFFFF);
    const int size = IniSaveProps1->ReadInteger(ViewSection, QStringLiteral("EditorFont.Size"));
    if (size > 0)
        m_editorFont.font.setPointSize(size);
    ApplyStyleBits(m_editorFont.font, IniSaveProps1->ReadInteger(ViewSection, QStringLiteral("EditorFont.Style")) & 0xFF);
}

void TfrmMain::SetManager(TfrmManager* manager)
{
    m_manager = manager;
}

void TfrmMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_firstShowDone || !m_manager)
        return;
    m_firstShowDone = true;
    RunGuarded(m_dialogs, [this] {
        m_manager->setVisible(ManagerShownSetting());
    });
}

bool TfrmMain::CloseQuery()
{
    if (m_manager && !m_manager->CloseDocument())
        return false;
    IniSaveProps1->WriteInteger(ViewSection, QStringLiteral("Manager"),
                                Command(QStringLiteral("ViewManager"))->isChecked() ? 1 : 0);
    return true;
}

void TfrmMain::closeEvent(QCloseEvent* event)
{
    bool mayClose = false;
    RunGuarded(m_dialogs, [&] { mayClose = CloseQuery(); });
    if (!mayClose) {
        event->ignore();
        return;
    }
    event->accept();
    emit Closed();
}

void TfrmMain::FormDestroy()
{
    if (m_destroyed)
        return;
    m_destroyed = true;
    CloseHelp();
    RunGuarded(m_dialogs, [this] { IniSaveProps1->Save(); });
}

void TfrmMain::IniSaveProps1AfterSave()
{
    IniSaveProps1->WriteInteger(ManagerSection, QStringLiteral("DockStatus"), -1);
    for (TResizeDockSite* site : m_dockSites) {
        if (site->DockClientCount() == 1) {
            IniSaveProps1->WriteInteger(ManagerSection, QStringLiteral("DockStatus"), site->Tag());
            // A hidden manager leaves its site empty: the size it had when
            // last shown is kept, and one never shown in this run leaves the
            // stored size as it is.
            const QSize size = site->LastSize();
            if (size.width() > 0 && size.height() > 0) {
                IniSaveProps1->WriteInteger(ManagerSection, QStringLiteral("SiteWidth"), size.width());
                IniSaveProps1->WriteInteger(ManagerSection, QStringLiteral("SiteHeight"), size.height());
            }
        }
    }
    IniSaveProps1->WriteString(ViewSection, QStringLiteral("EditorFont.Name"), m_editorFont.font.family());
    IniSaveProps1->WriteInteger(ViewSection, QStringLiteral("EditorFont.Color"),
                                static_cast<int>(m_editorFont.color.rgb() & 0xFFFFFF));
    IniSaveProps1->WriteInteger(ViewSection, QStringLiteral("EditorFont.Size"), qMax(0, m_editorFont.font.pointSize()));
    IniSaveProps1->WriteInteger(ViewSection, QStringLiteral("EditorFont.Style"), StyleBits(m_editorFont.font));
    IniSaveProps1->WriteString(ManagerSection, QStringLiteral("FileName"), m_documentFileName);
}

void TfrmMain::SetDocumentFileName(const QString& fileName)
{
    m_documentFileName = fileName;
    if (fileName.isEmpty()) {
        setWindowTitle(QStringLiteral("Vellora"));
        return;
    }
    QString name = fileName.section(u'/', -1);
    const int dot = name.lastIndexOf(u'.');
    if (dot >= 0)
        name.truncate(dot);
    setWindowTitle(QStringLiteral("Vellora - ") + name);
}

void TfrmMain::SyncApplicationTitle()
{
    if (m_applicationTitle != windowTitle())
        m_applicationTitle = windowTitle();
}

void TfrmMain::RunCommand(const QString& name)
{
    m_commands->Run(name);
}

QAction* TfrmMain::Command(const QString& name)
{
    return m_commands->Action(name);
}

const QList<TToolBand*>& TfrmMain::ToolBands() const
{
    return ControlBar1->Bands();
}

QList<TfrmMemo*> TfrmMain::MemoWindows() const
{
    QList<TfrmMemo*> memos;
    for (QMdiSubWindow* sub : m_mdiArea->subWindowList(QMdiArea::CreationOrder)) {
        if (auto* memo = qobject_cast<TfrmMemo*>(sub->widget()))
            memos << memo;
    }
    return memos;
}

TfrmMemo* TfrmMain::ActiveMemo() const
{
    QMdiSubWindow* sub = m_mdiArea->currentSubWindow();
    return sub ? qobject_cast<TfrmMemo*>(sub->widget()) : nullptr;
}

int TfrmMain::MemoWindowCount() const
{
    return static_cast<int>(MemoWindows().size());
}

// The memo window the document's closing asks next: the current one, or
// the first when none is current.
QMdiSubWindow* TfrmMain::MemoToClose() const
{
    QMdiSubWindow* sub = m_mdiArea->currentSubWindow();
    return sub ? sub : m_mdiArea->subWindowList().value(0);
}

bool TfrmMain::AskSaveActiveMemo()
{
    QMdiSubWindow* sub = MemoToClose();
    m_mdiArea->setActiveSubWindow(sub);
    auto* memo = sub ? qobject_cast<TfrmMemo*>(sub->widget()) : nullptr;
    return !memo || memo->AskSave();
}

void TfrmMain::CloseActiveMemo()
{
    QMdiSubWindow* sub = MemoToClose();
    if (!sub)
        return;
    sub->close();
    // Let the window go before the next one is asked.
    delete sub;
}

bool TfrmMain::ClosingDocument() const
{
    return m_manager && m_manager->ClosingDocument();
}
