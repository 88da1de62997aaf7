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

TEST_F(AppFilesTest, FilesFolderIsBesideAWritableExecutableElseInTheDocuments)
{
    const QString documents = Root.filePath("Documents");
    const QString beside = Beside() + "Vellora Files";
    QStringList asked;
    auto writable = [&](bool answer) {
        return [&asked, answer](const QString& folder) {
            asked << folder;
            return answer;
        };
    };
    EXPECT_EQ(TAppFiles::FilesFolder(Beside(), documents, writable(true)), beside);
    EXPECT_EQ(TAppFiles::FilesFolder(Beside(), documents, writable(false)), documents + "/Vellora Files");
    EXPECT_EQ(asked, QStringList({Beside(), Beside()}));
    // A folder that exists is asked about itself.
    ASSERT_TRUE(QDir(Beside()).mkdir("Vellora Files"));
    asked.clear();
    EXPECT_EQ(TAppFiles::FilesFolder(Beside(), documents, writable(false)), documents + "/Vellora Files");
    EXPECT_EQ(asked, QStringList({beside}));
}

TEST(AppFiles, FoldersOfTheRunningProgram)
{
    EXPECT_EQ(TAppFiles::ExecutableDir(), QCoreApplication::applicationDirPath() + u'/');
    // Installed, the executable's folder is <prefix>/bin.
    const QString prefix = QDir::cleanPath(TAppFiles::ExecutableDir() + "..");
    EXPECT_EQ(TAppFiles::DataDir(), prefix + "/share/vellora/");
}
