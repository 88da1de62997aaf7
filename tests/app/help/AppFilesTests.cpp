// Where the files shipped with the program are found.
#include "AppFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class AppFilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Root.isValid());
        ASSERT_TRUE(QDir(Root.path()).mkpath("bin"));
        ASSERT_TRUE(QDir(Root.path()).mkpath("share/vellora"));
    }

    QString Beside() const { return Root.filePath("bin") + u'/'; }
    QString Data() const { return Root.filePath("share/vellora") + u'/'; }

    static void Touch(const QString& path)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    QTemporaryDir Root;
};

const QString Help = QStringLiteral("Vellora ヘルプ.CHM");

}  // namespace

TEST_F(AppFilesTest, PrefersTheFileBesideTheExecutable)
{
    Touch(Beside() + Help);
    Touch(Data() + Help);
    EXPECT_EQ(TAppFiles::Locate(Help, Beside(), Data()), Beside() + Help);
}

TEST_F(AppFilesTest, FallsBackToTheInstalledDataFolder)
{
    Touch(Data() + Help);
    EXPECT_EQ(TAppFiles::Locate(Help, Beside(), Data()), Data() + Help);
}

TEST_F(AppFilesTest, NamesThePathBesideTheExecutableWhenNeitherExists)
{
    EXPECT_EQ(TAppFiles::Locate(Help, Beside(), Data()), Beside() + Help);
    EXPECT_EQ(TAppFiles::Locate(Help, Beside(), Root.filePath("missing/")), Beside() + Help);
}

TEST_F(AppFilesTest, FindsFoldersLikeFiles)
{
    ASSERT_TRUE(QDir(Data()).mkdir("Vellora Files"));
    EXPECT_EQ(TAppFiles::Locate("Vellora Files", Beside(), Data()), Data() + "Vellora Files");
    ASSERT_TRUE(QDir(Beside()).mkdir("Vellora Files"));
    EXPECT_EQ(TAppFiles::Locate("Vellora Files", Beside(), Data()), Beside() + "Vellora Files");
}

TEST(AppFiles, FoldersOfTheRunningProgram)
{
    EXPECT_EQ(TAppFiles::ExecutableDir(), QCoreApplication::applicationDirPath() + u'/');
    EXPECT_TRUE(TAppFiles::DataDir().endsWith("/share/vellora/")) << TAppFiles::DataDir().toStdString();
    EXPECT_TRUE(QDir::isAbsolutePath(TAppFiles::DataDir()));
}
