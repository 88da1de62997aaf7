#include "Manager.h"

#include "Cp932Codec.h"
#include "CustomSaveProps.h"
#include "Dialogs.h"
#include "ElidingDelegate.h"
#include "Exceptions.h"
#include "FlowLayout.h"
#include "Guard.h"
#include "HintSwitch.h"
#include "HintText.h"
#include "ManagerHost.h"
#include "MemoDocument.h"
#include "MemoListModel.h"
#include "QuorvexDataAccessSystem.h"
#include "RsizDock.h"
#include "WordBox.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QHeaderView>
#include <QHideEvent>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QSplitter>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace {
const QString ManagerSection = QStringLiteral("Manager");
const QString ListViewSection = QStringLiteral("ListView");

// Design values, used for keys a first run does not find.
constexpr int DesignLeft = 354;
constexpr int DesignTop = 273;
constexpr int DesignWidth = 340;
constexpr int DesignHeight = 249;
constexpr int DesignPanelWidth = 200;
constexpr int DesignColumnWidths[TMemoListModel::ColumnCount] = {120, 80, 80, 60};

QString ColumnWidthKey(int column)
{
    return QStringLiteral("Column.Width%1").arg(column);
}

// Opens the settings store once for a group of writes.
class TSettingsWrite {
public:
    explicit TSettingsWrite(TCustomSaveProps& settings) : m_settings(settings) { m_settings.BeginWrite(); }
    ~TSettingsWrite() noexcept(false) { m_settings.EndWrite(); }

private:
    TCustomSaveProps& m_settings;
};

// Keeps ClosingDocument set while it lives, whatever ends the closing.
class TClosingFlag {
public:
    explicit TClosingFlag(bool& flag) : m_flag(flag) { m_flag = true; }
    ~TClosingFlag() { m_flag = false; }

private:
    bool& m_flag;
};
}  // namespace

TfrmManager::TfrmManager(TManagerHost& host, TCustomSaveProps& settings, QWidget* parent)
    : QDockWidget(parent), m_host(host), m_settings(settings)
{
    setObjectName(QStringLiteral("frmManager"));
    setWindowTitle(QStringLiteral("ファイルマネージャ"));
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                QDockWidget::DockWidgetFloatable);
    BuildWindow();
    FormCreate();
}

TfrmManager::~TfrmManager()
{
    RunGuarded(m_host.Dialogs(), [this] { FormDestroy(); });
    // The store goes before the base class hides the list, which would
    // read its cells once more.
    ListView1->setModel(nullptr);
}

void TfrmManager::BuildWindow()
{
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->addTab(BuildSearchPage(), QStringLiteral("キーワード検索(&K)"));
    PageControl1->addTab(BuildListPage(), QStringLiteral("メモ一覧(&L)"));
    setWidget(PageControl1);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    for (const char* name : {"MemoOpen", "MemoDelete", "MemoRename"}) {
        if (QAction* command = m_host.Command(QString::fromLatin1(name)))
            PopupMenu1->addAction(command);
    }
    for (QWidget* list : {static_cast<QWidget*>(ListBox1), static_cast<QWidget*>(ListView1)}) {
        list->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(list, &QWidget::customContextMenuRequested, this,
                [this, list](const QPoint& pos) { PopupMenu1->popup(list->mapToGlobal(pos)); });
    }
    m_hints = new THintSwitch(this);
}

QWidget* TfrmManager::BuildSearchPage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet1"));
    Splitter1 = new QSplitter(Qt::Horizontal, page);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->setHandleWidth(3);
    Splitter1->setChildrenCollapsible(false);

    Panel1 = new QWidget(Splitter1);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    // The user may narrow the panel below its buttons' width.
    Panel1->setMinimumWidth(40);
    auto* panelLayout = new QVBoxLayout(Panel1);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    panelLayout->setSpacing(0);

    // A flat row of two buttons with their captions beside the images; in a
    // panel too narrow for both, the second wraps below the first.
    ToolBar1 = new QWidget(Panel1);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    auto* toolLayout = new TFlowLayout(ToolBar1, 2);
    toolLayout->setContentsMargins(2, 2, 2, 2);
    const auto addButton = [this](const char* name, const QString& caption, const QString& hint,
                                  QStyle::StandardPixmap image, auto handler) {
        auto* button = new QToolButton(ToolBar1);
        button->setObjectName(QString::fromLatin1(name));
        button->setText(caption);
        button->setIcon(style()->standardIcon(image));
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setIconSize(QSize(16, 16));
        button->setFixedWidth(97);
        button->setAutoRaise(true);
        SetHint(button, hint);
        connect(button, &QToolButton::clicked, this, [this, handler] { RunGuarded(m_host.Dialogs(), handler); });
        ToolBar1->layout()->addWidget(button);
        return button;
    };
    ToolButton5 = addButton("ToolButton5", QStringLiteral("検索開始(&S)"), QStringLiteral("メモの検索を開始"),
                            QStyle::SP_FileDialogContentsView, [this] { RunSearch(); });
    ToolButton6 = addButton("ToolButton6", QStringLiteral("クリア(&C)"), QStringLiteral("キーワードを一新"),
                            QStyle::SP_DialogResetButton, [this] { ToolButton6Click(); });
    panelLayout->addWidget(ToolBar1);

    WordBox1 = new TWordBox(Panel1);
    WordBox1->setObjectName(QStringLiteral("WordBox1"));
    SetHint(WordBox1, QStringLiteral("検索キーワードを入力"));
    panelLayout->addWidget(WordBox1, 1);

    ListBox1 = new QListWidget(Splitter1);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setUniformItemSizes(true);
    SetHint(ListBox1, QStringLiteral("検索結果を表示"));
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, [this] { ListDblClick(); });

    Splitter1->setStretchFactor(0, 0);
    Splitter1->setStretchFactor(1, 1);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Splitter1);
    return page;
}

QWidget* TfrmManager::BuildListPage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet2"));
    m_store = std::make_unique<TQuorvexDataAccessSystem>();
    m_listModel = new TMemoListModel(*m_store, this);

    ListView1 = new QTreeView(page);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setModel(m_listModel);
    ListView1->setItemDelegate(new TElidingDelegate(ListView1));
    ListView1->setRootIsDecorated(false);
    ListView1->setUniformRowHeights(true);
    ListView1->setItemsExpandable(false);
    ListView1->setAllColumnsShowFocus(true);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    ListView1->header()->setStretchLastSection(false);
    ListView1->header()->setSectionsMovable(false);
    SetHint(ListView1, QStringLiteral("ファイルに含まれるメモを一覧表示"));
    connect(ListView1, &QTreeView::doubleClicked, this, [this] { ListDblClick(); });
    ListView1->header()->setSectionsClickable(true);
    connect(ListView1->header(), &QHeaderView::sectionClicked, this,
            [this](int column) { RunGuarded(m_host.Dialogs(), [&] { ListView1ColumnClick(column); }); });
    m_listModel->SetEditHandler([this](int row, const QString& text) {
        bool renamed = false;
        RunGuarded(m_host.Dialogs(), [&] { renamed = ListView1Edited(row, text); });
        return renamed;
    });

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(ListView1);
    return page;
}

void TfrmManager::FormCreate()
{
    CreateMemoLayout(*m_store);
    m_documentModified = false;
    m_closingDocument = false;
    m_pendingSiteResize = false;
    // Each step on its own: a failing one shows its message and start-up
    // goes on, its part keeping the design values.
    TDialogs& dialogs = m_host.Dialogs();
    if (!RunGuarded(dialogs, [this] { RestoreDocking(); }))
        FloatAtDesign();
    RunGuarded(dialogs, [this] { RestoreLayout(); });
    m_listModel->Refresh();
    RunGuarded(dialogs, [this] { ReopenLastDocument(); });
}

void TfrmManager::RestoreDocking()
{
    const int tag = m_settings.ReadInteger(ManagerSection, QStringLiteral("DockStatus"));
    TResizeDockSite* site = nullptr;
    for (TResizeDockSite* s : m_host.DockSites()) {
        s->Watch(this);
        if (s->Tag() == tag)
            site = s;
    }
    if (site) {
        site->Dock(this);
        m_pendingSite = site;
        m_pendingSiteWidth = m_settings.ReadInteger(ManagerSection, QStringLiteral("SiteWidth"));
        m_pendingSiteHeight = m_settings.ReadInteger(ManagerSection, QStringLiteral("SiteHeight"));
        m_pendingSiteResize = true;
    } else {
        FloatAtDesign();
    }
}

void TfrmManager::FloatAtDesign()
{
    if (auto* window = qobject_cast<QMainWindow*>(parentWidget())) {
        window->addDockWidget(Qt::LeftDockWidgetArea, this);
        // Floating would show the window at once; the main window's first
        // showing shows it when the settings say so, its layout restored.
        hide();
        setFloating(true);
    }
}

void TfrmManager::RestoreLayout()
{
    PageControl1->setCurrentIndex(m_settings.ReadInteger(ManagerSection, QStringLiteral("ActivePage")));
    // The splitter takes the keyword panel's width once it has a size.
    m_pendingPanelWidth = m_settings.ReadIntegerOr(ManagerSection, QStringLiteral("SplitterPos"), DesignPanelWidth);
    Splitter1->installEventFilter(this);
    const QRect bounds(m_settings.ReadIntegerOr(ManagerSection, QStringLiteral("Left"), DesignLeft),
                       m_settings.ReadIntegerOr(ManagerSection, QStringLiteral("Top"), DesignTop),
                       m_settings.ReadIntegerOr(ManagerSection, QStringLiteral("Width"), DesignWidth),
                       m_settings.ReadIntegerOr(ManagerSection, QStringLiteral("Height"), DesignHeight));
    m_undockSize = QSize(m_settings.ReadInteger(ManagerSection, QStringLiteral("UndockWidth")),
                         m_settings.ReadInteger(ManagerSection, QStringLiteral("UndockHeight")));
    if (isFloating())
        setGeometry(bounds);
    else if (m_undockSize.isEmpty())
        m_undockSize = bounds.size();
    m_floatingSized = isFloating();
    connect(this, &QDockWidget::topLevelChanged, this, [this](bool floating) {
        if (floating && !m_undockSize.isEmpty())
            resize(m_undockSize);
        m_floatingSized = floating;
    });
    SetShowHints(m_settings.ReadIntegerOr(QStringLiteral("ViewHint"), QStringLiteral("Checked"), 1) != 0);
    for (int i = 0; i < TMemoListModel::ColumnCount; ++i)
        ListView1->setColumnWidth(i, m_settings.ReadIntegerOr(ListViewSection, ColumnWidthKey(i), DesignColumnWidths[i]));
}

void TfrmManager::ReopenLastDocument()
{
    const QString fileName = m_settings.ReadString(ManagerSection, QStringLiteral("FileName"));
    if (fileName.isEmpty() || !QFileInfo(fileName).isFile())
        return;
    // A document that cannot be opened leaves the untitled empty one.
    LoadMemoDocument(*m_store, fileName.toStdString(), TInputFile::Kinds::RegularOnly);
    m_host.SetDocumentFileName(fileName);
    RefreshList();
}

void TfrmManager::FormDestroy()
{
    TSettingsWrite write(m_settings);
    const QRect bounds = geometry();
    const QSize undock = isFloating() || m_undockSize.isEmpty() ? bounds.size() : m_undockSize;
    m_settings.WriteInteger(ManagerSection, QStringLiteral("ActivePage"), PageControl1->currentIndex());
    m_settings.WriteInteger(ManagerSection, QStringLiteral("SplitterPos"),
                            m_pendingPanelWidth >= 0 ? m_pendingPanelWidth : Panel1->width());
    m_settings.WriteInteger(ManagerSection, QStringLiteral("Left"), bounds.left());
    m_settings.WriteInteger(ManagerSection, QStringLiteral("Top"), bounds.top());
    m_settings.WriteInteger(ManagerSection, QStringLiteral("Width"), bounds.width());
    m_settings.WriteInteger(ManagerSection, QStringLiteral("Height"), bounds.height());
    m_settings.WriteInteger(ManagerSection, QStringLiteral("UndockWidth"), undock.width());
    m_settings.WriteInteger(ManagerSection, QStringLiteral("UndockHeight"), undock.height());
    for (int i = 0; i < TMemoListModel::ColumnCount; ++i)
        m_settings.WriteInteger(ListViewSection, ColumnWidthKey(i), ListView1->columnWidth(i));
}

void TfrmManager::SetShowHints(bool on)
{
    m_hints->SetShowHints(on);
}

int TfrmManager::ActivePage() const
{
    return PageControl1->currentIndex();
}

bool TfrmManager::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Splitter1 && event->type() == QEvent::Show && m_pendingPanelWidth >= 0) {
        const int panel = qMin(m_pendingPanelWidth, Splitter1->width() - Splitter1->handleWidth() - 1);
        Splitter1->setSizes({panel, Splitter1->width() - Splitter1->handleWidth() - panel});
        m_pendingPanelWidth = -1;
    }
    return QDockWidget::eventFilter(watched, event);
}

void TfrmManager::resizeEvent(QResizeEvent* event)
{
    QDockWidget::resizeEvent(event);
    // The floating window comes back at the last size the user gave it.
    if (m_floatingSized && isFloating())
        m_undockSize = size();
}

void TfrmManager::showEvent(QShowEvent* event)
{
    QDockWidget::showEvent(event);
    ApplyPendingSiteSize();
}

void TfrmManager::ApplyPendingSiteSize()
{
    if (!m_pendingSiteResize)
        return;
    if (m_pendingSite && !isFloating())
        m_pendingSite->SetSize(m_pendingSiteWidth, m_pendingSiteHeight);
    m_pendingSiteResize = false;
    m_pendingSite = nullptr;
}

void TfrmManager::hideEvent(QHideEvent* event)
{
    QDockWidget::hideEvent(event);
    // A hide by the system (the main window minimised) is not the user's,
    // and docking hides the window for a moment: look again once the
    // event has been handled.
    if (event->spontaneous())
        return;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (isHidden()) {
                if (QAction* view = m_host.Command(QStringLiteral("ViewManager")))
                    view->setChecked(false);
            }
        },
        Qt::QueuedConnection);
}

void TfrmManager::ListDblClick()
{
    m_host.RunCommand(QStringLiteral("MemoOpen"));
}

void TfrmManager::ToolButton6Click()
{
    WordBox1->Clear();
}

bool TfrmManager::AskSaveDocument()
{
    const QString fileName = m_host.DocumentFileName();
    const QString subject = fileName.isEmpty() ? QStringLiteral("ファイル") : u'"' + fileName + QStringLiteral("\" ");
    const TMsgButton answer = m_host.Dialogs().MessageBox(
        QStringLiteral("Vellora"), subject + QStringLiteral("は変更されています。 保存しますか？"), TMsgIcon::Warning,
        TMsgButton::Yes | TMsgButton::No | TMsgButton::Cancel);
    if (answer == TMsgButton::Cancel)
        return false;
    if (answer == TMsgButton::Yes) {
        m_host.RunCommand(QStringLiteral("FileSave1"));
        // A Yes counts only when the file was written.
        return !m_documentModified;
    }
    return true;
}

bool TfrmManager::CloseDocument()
{
    bool result = true;
    {
        TClosingFlag closing(m_closingDocument);
        try {
            while (m_host.MemoWindowCount() > 0) {
                m_host.SyncApplicationTitle();
                if (!m_host.AskSaveActiveMemo()) {
                    result = false;
                    break;
                }
                m_host.CloseActiveMemo();
            }
            if (result && m_documentModified)
                result = AskSaveDocument();
        } catch (...) {
            RefreshList();
            throw;
        }
    }
    if (result) {
        WordBox1->Clear();
        ClearMemos(*m_store);
        m_documentModified = false;
    }
    // The document is closed whatever the views do: the caller still learns
    // it and forgets the document's name.
    RunGuarded(m_host.Dialogs(), [this] { RefreshList(); });
    return result;
}

void TfrmManager::RefreshList()
{
    m_listModel->Refresh();
    RunSearch();
}

void TfrmManager::RunSearch()
{
    ListBox1->clear();
    std::vector<std::string> keywords;
    for (const QString& keyword : WordBox1->GetKeywords()) {
        try {
            keywords.push_back(Utf8ToCp932(keyword.toStdString()));
        } catch (const EUnmappableCharacter&) {
            return;  // no memo can carry a keyword the document cannot hold
        }
    }
    if (keywords.empty())
        return;
    // Each result keeps its table row, so that the commands find the memo
    // without going back from its shown title.
    for (int row : SearchMemos(*m_store, keywords)) {
        auto* item = new QListWidgetItem(
            QString::fromStdString(Cp932ToUtf8(m_listModel->CellText(row, TMemoListModel::ColTitle))));
        item->setData(Qt::UserRole, row);
        ListBox1->addItem(item);
    }
}

QString TfrmManager::GetSelectedTitle() const
{
    const int row = SelectedRow();
    return row < 0 ? QString() : QString::fromStdString(Cp932ToUtf8(m_listModel->CellText(row, TMemoListModel::ColTitle)));
}

void TfrmManager::ListView1ColumnClick(int column)
{
    m_sortColumn = column;
    m_listModel->Sort(column);
}

bool TfrmManager::ListView1Edited(int row, const QString& text)
{
    const QString caption =
        QString::fromStdString(Cp932ToUtf8(m_listModel->CellText(row, TMemoListModel::ColTitle)));
    if (text == caption)
        return false;
    if (text.isEmpty()) {
        Warn(QStringLiteral("空の文字列は無効です"));
        return false;
    }
    return RenameMemoRow(row, text);
}

bool TfrmManager::RenameMemo(const QString& oldTitle, const QString& newTitle)
{
    return RenameMemoRow(TitleRow(oldTitle), newTitle);
}

bool TfrmManager::RenameMemoRow(int row, const QString& newTitle)
{
    std::string name;
    try {
        name = Utf8ToCp932(newTitle.toStdString());
    } catch (const Exception& error) {
        Warn(QString::fromStdString(error.Message()));
        return false;
    }
    if (TitleTaken(name)) {
        Warn(u'"' + newTitle + QStringLiteral("\" は既に登録されています。"));
        return false;
    }
    ::RenameMemo(*m_store, m_store->GetRowName(MemoLayout::Table, row), name);
    m_documentModified = true;
    const QAction* withFileSave = m_host.Command(QStringLiteral("MemoWithFileSave"));
    if (withFileSave && withFileSave->isChecked())
        m_host.RunCommand(QStringLiteral("FileSave1"));
    RunSearch();
    return true;
}

int TfrmManager::SelectedRow() const
{
    switch (ActivePage()) {
    case 0: {
        const QListWidgetItem* item = ListBox1->currentItem();
        return item ? item->data(Qt::UserRole).toInt() : -1;
    }
    case 1: {
        const QModelIndexList selected = ListView1->selectionModel()->selectedIndexes();
        return selected.isEmpty() ? -1 : m_listModel->TableRow(selected.first().row());
    }
    default:
        return -1;
    }
}

std::string TfrmManager::SelectedRowName() const
{
    const int row = SelectedRow();
    if (row < 0)
        throw EUnregisteredName(EUnregisteredName::What::RowName);
    return m_store->GetRowName(MemoLayout::Table, row);
}

int TfrmManager::TitleRow(const QString& title) const
{
    try {
        const int row = FindMemoRow(*m_store, Utf8ToCp932(title.toStdString()));
        if (row >= 0)
            return row;
    } catch (const Exception&) {
        // Not a text the document could hold: look for it as it is shown.
    }
    // Code page 932 holds some characters twice (0x87 0x90 and 0x81 0xE0
    // both read as U+2252) and damaged bytes read as U+FFFD, so a title's
    // bytes need not come back from its text: compare the texts shown.
    const int rows = MemoCount(*m_store);
    for (int row = 0; row < rows; ++row) {
        if (QString::fromStdString(Cp932ToUtf8(m_store->GetRowName(MemoLayout::Table, row))) == title)
            return row;
    }
    throw EUnregisteredName(EUnregisteredName::What::RowName);
}

bool TfrmManager::TitleTaken(const std::string& title) const
{
    // Row names compare exactly, the memo being renamed included.
    return FindMemoRow(*m_store, title) >= 0;
}

void TfrmManager::Warn(const QString& text)
{
    m_host.Dialogs().MessageBox(QStringLiteral("Vellora"), text, TMsgIcon::Warning, TMsgButton::Ok);
}
