#include "HelpWindow.h"

#include "ChmArchive.h"
#include "Cp932Codec.h"
#include "Exceptions.h"
#include "HelpBrowser.h"

#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QSplitter>
#include <QTreeWidget>

namespace {

constexpr int PageRole = Qt::UserRole;

QString FromArchiveText(const std::string& text)
{
    return QString::fromStdString(Cp932ToUtf8(text));
}

// The first page of the contents, in tree order.
QUrl FirstPage(const QTreeWidgetItem* item)
{
    const QUrl page = item->data(0, PageRole).toUrl();
    for (int i = 0; page.isEmpty() && i < item->childCount(); ++i) {
        if (const QUrl child = FirstPage(item->child(i)); !child.isEmpty())
            return child;
    }
    return page;
}

}  // namespace

THelpWindow::THelpWindow(QWidget* owner)
    : QWidget(owner, Qt::Window), m_contents(new QTreeWidget), m_page(new THelpBrowser)
{
    setObjectName(QStringLiteral("HelpWindow"));
    m_contents->setObjectName(QStringLiteral("Contents"));
    m_contents->header()->hide();
    m_page->setObjectName(QStringLiteral("Page"));
    auto* splitter = new QSplitter;
    splitter->addWidget(m_contents);
    splitter->addWidget(m_page);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({220, 580});
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);
    resize(800, 600);
    connect(m_contents, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) { ShowTopic(item); });
    connect(m_page, &QTextBrowser::sourceChanged, this, &THelpWindow::SelectTopicOf);
}

// The caption is the file's title, or its name until the file is read.
void THelpWindow::Load(const QString& helpFile)
{
    m_helpFile = helpFile;
    setWindowTitle(QFileInfo(helpFile).completeBaseName());
    m_contents->clear();
    m_topicItems.clear();
    m_archive.reset();
    try {
        Open(helpFile);
    } catch (const std::exception& error) {
        ShowFailure(QString::fromUtf8(error.what()));
    }
}

void THelpWindow::Open(const QString& helpFile)
{
    if (!QFileInfo(helpFile).isFile())
        throw Exception("ヘルプファイル「" + helpFile.toStdString() + "」が見つかりません。");
    m_archive = std::make_shared<TChmArchive>(QFile::encodeName(helpFile).toStdString());
    m_page->SetArchive(m_archive);
    if (!m_archive->Title().empty())
        setWindowTitle(FromArchiveText(m_archive->Title()));
    const std::optional<std::string> sitemap = m_archive->Read(m_archive->ContentsFile());
    if (sitemap)
        AddTopics(ParseHelpContents(FromArchiveText(*sitemap)), nullptr);
    m_contents->expandAll();
    m_contents->setVisible(m_contents->topLevelItemCount() > 0);
    const QString first = QString::fromStdString(m_archive->DefaultTopic());
    const QUrl page = first.isEmpty() ? FirstPage(m_contents->invisibleRootItem()) : THelpBrowser::ArchiveUrl(first);
    // A page of the same name as the one shown is read again from this file.
    if (m_page->source() == page)
        m_page->reload();
    else
        m_page->setSource(page);
}

void THelpWindow::ShowFailure(const QString& message)
{
    m_contents->hide();
    m_page->ShowMessage(message);
}

void THelpWindow::AddTopics(const std::vector<THelpTopic>& topics, QTreeWidgetItem* parent)
{
    for (const THelpTopic& topic : topics) {
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(m_contents);
        item->setText(0, topic.Name);
        if (!topic.Local.isEmpty()) {
            const QUrl page = THelpBrowser::ArchiveUrl(topic.Local);
            item->setData(0, PageRole, page);
            if (!m_topicItems.contains(page.path(QUrl::FullyDecoded)))
                m_topicItems.insert(page.path(QUrl::FullyDecoded), item);
        }
        AddTopics(topic.Children, item);
    }
}

void THelpWindow::ShowTopic(QTreeWidgetItem* item)
{
    const QUrl page = item ? item->data(0, PageRole).toUrl() : QUrl();
    if (!page.isEmpty() && m_page->source() != page)
        m_page->setSource(page);
}

// A page reached by a link is marked in the tree too.
void THelpWindow::SelectTopicOf(const QUrl& page)
{
    QTreeWidgetItem* item = m_topicItems.value(page.path(QUrl::FullyDecoded));
    if (!item || item == m_contents->currentItem())
        return;
    const QSignalBlocker blocker(m_contents);
    m_contents->setCurrentItem(item);
}
