#pragma once
// The page pane of the help window: shows the pages of a help archive,
// loading them, their style sheets and images from the archive itself
// (URLs of the scheme "chm", whose path is the name in the archive).

#include <QTextBrowser>
#include <memory>

class TChmArchive;

class THelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    explicit THelpBrowser(QWidget* parent = nullptr);

    // The page or file of the archive named relative to its root ("a/b.htm").
    static QUrl ArchiveUrl(const QString& name);

    void SetArchive(std::shared_ptr<const TChmArchive> archive);
    // Drops the archive and shows message as the page.
    void ShowMessage(const QString& message);

protected:
    QVariant loadResource(int type, const QUrl& name) override;

private:
    void FollowLink(const QUrl& link);
    QVariant LoadFromArchive(int type, const QUrl& url) const;

    std::shared_ptr<const TChmArchive> m_archive;
};
