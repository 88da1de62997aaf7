#include "CommandIcons.h"

#include "Commands.h"

#include <QHash>
#include <QPainter>
#include <QPixmap>

namespace {
struct TBadge {
    const char* text;
    QRgb colour;
};

// One short sign per command that has a toolbar button.
const QHash<QString, TBadge>& Badges()
{
    static const QHash<QString, TBadge> badges = {
        {"FileNew1", {"新", 0x2e7d32}},       {"FileOpen1", {"開", 0xb8860b}},
        {"FileSave1", {"保", 0x1565c0}},      {"FilePrint", {"印", 0x455a64}},
        {"ViewManager", {"管", 0x6a1b9a}},    {"WindowCascade1", {"重", 0x00838f}},
        {"WindowTileHorizontal1", {"上", 0x00838f}}, {"WindowTileVertical1", {"左", 0x00838f}},
        {"HelpHelp", {"?", 0x1565c0}},        {"MemoNew", {"メ", 0x2e7d32}},
        {"MemoOpen", {"開", 0x558b2f}},       {"MemoSave", {"保", 0x283593}},
        {"KeywordNew", {"K+", 0xad1457}},     {"KeywordPaste", {"K貼", 0xad1457}},
        {"KeywordDelete", {"K-", 0xc62828}},  {"EditSendKeyWord", {"→K", 0xad1457}},
        {"EditUndo1", {"↶", 0x37474f}},       {"EditCut1", {"切", 0x37474f}},
        {"EditCopy1", {"写", 0x37474f}},      {"EditPaste1", {"貼", 0x37474f}},
        {"EditDelete1", {"×", 0xc62828}},
    };
    return badges;
}

QPixmap DrawBadge(const TBadge& badge, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(badge.colour));
    painter.drawRoundedRect(QRectF(0.5, 0.5, size - 1, size - 1), size / 5.0, size / 5.0);
    const QString text = QString::fromUtf8(badge.text);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(text.size() > 1 ? size * 9 / 16 : size * 12 / 16);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 0, size, size), Qt::AlignCenter, text);
    return pixmap;
}
}  // namespace

QIcon CommandIcon(const TCommandEntry& entry)
{
    const QString themeName = QString::fromLatin1(entry.themeIcon);
    if (!themeName.isEmpty() && QIcon::hasThemeIcon(themeName))
        return QIcon::fromTheme(themeName);
    const auto badge = Badges().constFind(QString::fromLatin1(entry.name));
    if (badge == Badges().constEnd())
        return {};
    QIcon icon;
    for (int size : {16, 24, 32})
        icon.addPixmap(DrawBadge(*badge, size));
    return icon;
}
