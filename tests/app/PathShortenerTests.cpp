#include "PathShortener.h"

#include <gtest/gtest.h>

namespace {
QString ShortenTo(const QString& path, int length)
{
    return ShortenPath(path, [length](const QString& text) { return text.size() <= length; });
}
}  // namespace

TEST(PathShortener, DropsLeadingFoldersKeepingTheRoot)
{
    const QString path = "/home/ann/notes/work.vlr";
    EXPECT_EQ(ShortenTo(path, 100), path);
    EXPECT_EQ(ShortenTo(path, 23), "/.../ann/notes/work.vlr");
    EXPECT_EQ(ShortenTo(path, 19), "/.../notes/work.vlr");
    EXPECT_EQ(ShortenTo(path, 13), "/.../work.vlr");
    EXPECT_EQ(ShortenTo(path, 12), ".../work.vlr");
    EXPECT_EQ(ShortenTo(path, 3), "work.vlr");
    EXPECT_EQ(ShortenTo("", 0), "");
    EXPECT_EQ(ShortenTo("relative/dir/f.vlr", 12), ".../f.vlr");
}
