// The compiled help file: built beside the program, a CHM archive holding
// the contents and every page.
#include "AppFiles.h"
#include "ChmManager.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

const QString HelpPath = QString::fromUtf8(VELLORA_HELP_FILE);
const QString ProgramDir = QString::fromUtf8(VELLORA_PROGRAM_DIR) + u'/';

}  // namespace

TEST(HelpFile, IsBuiltBesideTheProgram)
{
    EXPECT_EQ(HelpPath, ProgramDir + HelpFileName());
    EXPECT_TRUE(QFileInfo(HelpPath).isFile()) << HelpPath.toStdString();
    EXPECT_EQ(TAppFiles::Locate(HelpFileName(), ProgramDir, "/nonexistent/"), HelpPath);
}

TEST(HelpFile, IsACompiledHelpArchive)
{
    QFile file(HelpPath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.read(4), QByteArray("ITSF"));
}

TEST(HelpFile, HoldsTheContentsAndEveryPage)
{
    const QString chmls = QStringLiteral(VELLORA_CHMLS);
    if (chmls.isEmpty() || chmls.endsWith("NOTFOUND"))
        GTEST_SKIP() << "chmls is not installed";
    QProcess list;
    list.start(chmls, {"--no-page", "--name-only", "list", HelpPath});
    ASSERT_TRUE(list.waitForFinished());
    const QString names = QString::fromUtf8(list.readAllStandardOutput());
    for (const char* page : {"/vellora.hhc", "/index.htm", "/file.htm", "/memo.htm", "/view.htm",
                             "/window.htm", "/help.htm", "/search.htm", "/list.htm", "/style.css"})
        EXPECT_TRUE(names.contains(QLatin1String(page))) << page;
}
