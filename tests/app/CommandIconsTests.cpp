// The commands' images: every command has one (the theme's or ours), and
// memo and keyword commands do not look like the document commands.
#include "CommandIcons.h"
#include "Commands.h"

#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>

namespace {
QImage Rendered(const QIcon& icon)
{
    return icon.pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
}

QImage CommandImage(const char* name)
{
    for (const TCommandEntry& entry : CommandTable())
        if (QLatin1String(entry.name) == QLatin1String(name))
            return Rendered(CommandIcon(entry));
    ADD_FAILURE() << "no command " << name;
    return {};
}

bool Blank(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0)
                return false;
    return true;
}
}  // namespace

TEST(CommandIcons, EveryCommandAndTheProgramHaveAnImage)
{
    InstallIconTheme();
    for (const TCommandEntry& entry : CommandTable()) {
        const QImage image = Rendered(CommandIcon(entry));
        EXPECT_FALSE(image.isNull() || Blank(image)) << entry.name << " " << entry.icon;
    }
    for (const char* own : {"vellora", "memo"})
        EXPECT_FALSE(Blank(Rendered(OwnIcon(QLatin1String(own))))) << own;
}

TEST(CommandIcons, MemoAndKeywordCommandsLookUnlikeTheirDocumentTwins)
{
    InstallIconTheme();
    const std::pair<const char*, const char*> twins[] = {
        {"FileOpen1", "MemoOpen"}, {"FileSave1", "MemoSave"}, {"FileSaveAs1", "MemoSaveAs"},
        {"EditDelete1", "MemoDelete"}, {"EditPaste1", "KeywordPaste"}};
    for (const auto& [document, memo] : twins)
        EXPECT_NE(CommandImage(document), CommandImage(memo)) << document << " " << memo;
}
