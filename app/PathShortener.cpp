#include "PathShortener.h"

#include <QStringList>

QString ShortenPath(const QString& path, const std::function<bool(const QString&)>& fits)
{
    if (path.isEmpty() || fits(path))
        return path;
    const bool rooted = path.startsWith(u'/');
    QStringList parts = path.split(u'/', Qt::SkipEmptyParts);
    if (parts.isEmpty())
        return path;
    const QString fileName = parts.takeLast();
    const QString root = rooted ? QStringLiteral("/") : QString();
    // Drop the leading folders one by one.
    while (!parts.isEmpty()) {
        parts.removeFirst();
        QString candidate = root + QStringLiteral(".../");
        for (const QString& folder : parts)
            candidate += folder + u'/';
        candidate += fileName;
        if (fits(candidate))
            return candidate;
    }
    const QString withoutRoot = QStringLiteral(".../") + fileName;
    if (rooted && fits(withoutRoot))
        return withoutRoot;
    return fileName;
}
