#include "CommandIcons.h"

#include "Commands.h"

#include <QFile>
#include <QStandardPaths>
#include <algorithm>

namespace {
// Themes that carry the freedesktop names the commands use, in the order
// tried when the desktop's own theme lacks one.
const char* const FallbackThemes[] = {"Adwaita", "breeze"};

QString OwnImage(const QString& name)
{
    return QStringLiteral(":/icons/%1.svg").arg(name);
}
}  // namespace

void InstallIconTheme()
{
    QStringList paths = QIcon::themeSearchPaths();
    const QStringList systemFolders =
        QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, QStringLiteral("icons"), QStandardPaths::LocateDirectory);
    for (const QString& folder : systemFolders)
        if (!paths.contains(folder))
            paths.append(folder);
    QIcon::setThemeSearchPaths(paths);

    for (const char* theme : FallbackThemes) {
        const bool installed = std::any_of(paths.cbegin(), paths.cend(), [theme](const QString& folder) {
            return QFile::exists(folder + u'/' + QLatin1String(theme) + QStringLiteral("/index.theme"));
        });
        if (installed) {
            QIcon::setFallbackThemeName(QLatin1String(theme));
            break;
        }
    }
    // With no theme of the desktop's, the fallback is the theme.
    if (QIcon::themeName().isEmpty())
        QIcon::setThemeName(QIcon::fallbackThemeName());
}

QIcon CommandIcon(const TCommandEntry& entry)
{
    const QString name = QString::fromLatin1(entry.icon);
    if (name.isEmpty())
        return {};
    if (QFile::exists(OwnImage(name)))
        return QIcon(OwnImage(name));
    // Newer themes keep some names only in their one-colour form.
    for (const QString& themeName : {name, name + QStringLiteral("-symbolic")})
        if (QIcon::hasThemeIcon(themeName))
            return QIcon::fromTheme(themeName);
    return {};
}

QIcon OwnIcon(const QString& name)
{
    return QIcon(OwnImage(name));
}
