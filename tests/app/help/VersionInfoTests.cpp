// The version table compiled into the program and its lookup by key path.
#include "About.h"
#include "VersionInfo.h"

#include <gtest/gtest.h>

TEST(VersionInfo, FileVersionIsTheProjectVersion)
{
    EXPECT_EQ(GetVersionValue("FileVersion"), QStringLiteral("1.0.0.16"));
    EXPECT_EQ(GetVersionValue("FileVersion"), QStringLiteral(VELLORA_PROJECT_VERSION));
    EXPECT_EQ(GetVersionValue("ProductName"), QStringLiteral("Vellora"));
}

TEST(VersionInfo, UnknownKeyGivesEmptyText)
{
    EXPECT_EQ(GetVersionValue("CompanyName"), QString());
    EXPECT_EQ(GetVersionValue(QString()), QString());
    // A prefix or an extension of a known key is not that key.
    EXPECT_EQ(GetVersionValue("File"), QString());
    EXPECT_EQ(GetVersionValue("FileVersion2"), QString());
}

TEST(VersionInfo, ValuesLiveOnlyInTheJapaneseStringTable)
{
    EXPECT_EQ(TVersionInfo::QueryValue("\\StringFileInfo\\041103A4\\FileVersion"),
              QStringLiteral(VELLORA_PROJECT_VERSION));
    EXPECT_EQ(TVersionInfo::QueryValue("\\StringFileInfo\\040904B0\\FileVersion"), QString());
    EXPECT_EQ(TVersionInfo::QueryValue("FileVersion"), QString());
    EXPECT_EQ(TVersionInfo::QueryValue("\\"), QString());
}
