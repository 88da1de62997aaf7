#include "HelpBrowser.h"

#include "ChmArchive.h"
#include "Cp932Codec.h"

#include <QDesktopServices>
#include <QTextDocument>

namespace {

const QString ArchiveScheme = QStringLiteral("chm");

QString MessagePage(const QString& message)
{
    return QStringLiteral("<p>%1</p>").arg(message.toHtmlEscaped());
}

}  // namespace

THelpBrowser::THelpBrowser(QWidget* parent) : QTextBrowser(parent)
{
    // Links within the archive are followed here, others go to the desktop.
    setOpenLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &THelpBrowser::FollowLink);
}

QUrl THelpBrowser::ArchiveUrl(const QString& name)
{
    return QUrl(ArchiveScheme + QStringLiteral(":/")).resolved(QUrl(name));
}

void THelpBrowser::SetArchive(std::shared_ptr<const TChmArchive> archive)
{
    m_archive = std::move(archive);
}

void THelpBrowser::ShowMessage(const QString& message)
{
    m_archive.reset();
    setHtml(MessagePage(message));
}

void THelpBrowser::FollowLink(const QUrl& link)
{
    const QUrl url = source().resolved(link);
    if (url.scheme() == ArchiveScheme)
        setSource(url);
    else
        QDesktopServices::openUrl(url);
}

// Called by the toolkit: an error becomes a message page, never an exception.
QVariant THelpBrowser::loadResource(int type, const QUrl& name)
{
    const QUrl url = source().resolved(name);
    if (url.scheme() != ArchiveScheme || !m_archive)
        return {};
    try {
        return LoadFromArchive(type, url);
    } catch (const std::exception& error) {
        return type == QTextDocument::HtmlResource ? QVariant(MessagePage(QString::fromUtf8(error.what()))) : QVariant();
    }
}

// Pages and style sheets are text in the archive's code page, 932 for the
// Japanese help file; images go to the toolkit as bytes.
QVariant THelpBrowser::LoadFromArchive(int type, const QUrl& url) const
{
    const std::optional<std::string> bytes = m_archive->Read(url.path(QUrl::FullyDecoded).toStdString());
    if (!bytes) {
        if (type == QTextDocument::HtmlResource)
            return MessagePage(QStringLiteral("ページ「%1」はヘルプファイルにありません。").arg(url.path(QUrl::FullyDecoded)));
        return {};
    }
    if (type == QTextDocument::HtmlResource || type == QTextDocument::StyleSheetResource)
        return QString::fromStdString(Cp932ToUtf8(*bytes));
    return QByteArray::fromStdString(*bytes);
}
