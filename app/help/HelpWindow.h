#pragma once
// The help window: the contents of a help file as a tree beside its pages.
// It opens on the file's first page; a file that is missing or cannot be
// read is said so in the window.

#include "HelpContents.h"

#include <QHash>
#include <QWidget>
#include <memory>

class QTreeWidget;
class QTreeWidgetItem;
class TChmArchive;
class THelpBrowser;

class THelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit THelpWindow(QWidget* owner = nullptr);

    void Load(const QString& helpFile);
    QString HelpFile() const { return m_helpFile; }
    // False while the window says its file could not be read.
    bool IsShowingFile() const { return m_archive != nullptr; }

    QTreeWidget* Contents() const { return m_contents; }
    THelpBrowser* Page() const { return m_page; }

private:
    void Open(const QString& helpFile);
    void ShowFailure(const QString& message);
    void AddTopics(const std::vector<THelpTopic>& topics, QTreeWidgetItem* parent);
    void ShowTopic(QTreeWidgetItem* item);
    void SelectTopicOf(const QUrl& page);

    QString m_helpFile;
    std::shared_ptr<TChmArchive> m_archive;
    QTreeWidget* m_contents;
    THelpBrowser* m_page;
    // The tree's entry of each page, by the page's path in the archive.
    QHash<QString, QTreeWidgetItem*> m_topicItems;
};
