// The help window on a tiny help file made by the build: the contents as a
// tree, the first page, links, images; a missing or damaged file; the one
// window of the viewer. Then the program's own help file.
#include "ChmHelpViewer.h"
#include "HelpBrowser.h"
#include "HelpWindow.h"

#include <QFile>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

const QString TinyHelp = QString::fromUtf8(VELLORA_TINY_HELP_FILE);

class HelpWindowTest : public ::testing::Test {
protected:
    QString PageText() const { return Window.Page()->toPlainText(); }
    QTreeWidgetItem* Topic(int top, int child = -1) const
    {
        QTreeWidgetItem* item = Window.Contents()->topLevelItem(top);
        return child < 0 ? item : item->child(child);
    }
    // A file of the given bytes in the temporary folder.
    QString WriteFile(const QString& name, const QByteArray& bytes)
    {
        QFile file(Folder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        EXPECT_EQ(file.write(bytes), bytes.size());
        return file.fileName();
    }
    void ExpectFailure(const QString& file, const char* words)
    {
        Window.Load(file);
        EXPECT_TRUE(PageText().contains(QString::fromUtf8(words))) << PageText().toStdString();
        EXPECT_TRUE(PageText().contains(file)) << PageText().toStdString();
        EXPECT_TRUE(Window.Contents()->isHidden());
    }

    THelpWindow Window;
    QTemporaryDir Folder;
};

}  // namespace

TEST_F(HelpWindowTest, OpensOnTheFirstPageWithTheContentsAsATreeAndItsImages)
{
    Window.Load(TinyHelp);
    EXPECT_EQ(Window.windowTitle(), "Tiny Help");
    ASSERT_EQ(Window.Contents()->topLevelItemCount(), 2);
    EXPECT_EQ(Topic(0)->text(0), "First & foremost");
    EXPECT_EQ(Topic(1)->text(0), "Chapter");
    ASSERT_EQ(Topic(1)->childCount(), 1);
    EXPECT_EQ(Topic(1, 0)->text(0), "Second");
    EXPECT_EQ(Window.Page()->source(), QUrl("chm:/first.htm"));
    EXPECT_TRUE(PageText().contains("First page.")) << PageText().toStdString();
    EXPECT_EQ(Window.Contents()->currentItem(), Topic(0));

    const QVariant image = Window.Page()->document()->resource(QTextDocument::ImageResource, QUrl("pictures/red%20dot.png"));
    EXPECT_EQ(image.value<QPixmap>().size(), QSize(4, 4));
}

TEST_F(HelpWindowTest, FollowsALinkAndMarksItsTopic)
{
    Window.Load(TinyHelp);
    Window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Window));
    QTextCursor link = Window.Page()->document()->find("Go on");
    ASSERT_FALSE(link.isNull());
    link.setPosition(link.selectionStart() + 2);
    QTest::mouseClick(Window.Page()->viewport(), Qt::LeftButton, {}, Window.Page()->cursorRect(link).center());
    EXPECT_EQ(Window.Page()->source(), QUrl("chm:/second.htm"));
    EXPECT_TRUE(PageText().contains("Second page.")) << PageText().toStdString();
    EXPECT_EQ(Window.Contents()->currentItem(), Topic(1, 0));

    Window.Contents()->setCurrentItem(Topic(0));
    EXPECT_EQ(Window.Page()->source(), QUrl("chm:/first.htm"));
}

TEST_F(HelpWindowTest, SaysSoWhenTheFileIsMissingOrDamagedAndShowsItOnceItCanBeRead)
{
    Window.Load(TinyHelp);
    ExpectFailure(Folder.filePath("Missing ヘルプ.CHM"), "見つかりません");
    EXPECT_EQ(Window.windowTitle(), "Missing ヘルプ");
    ExpectFailure(WriteFile("text.chm", "not a help file"), "壊れている");
    QFile tiny(TinyHelp);
    ASSERT_TRUE(tiny.open(QIODevice::ReadOnly));
    const QByteArray whole = tiny.readAll();
    ExpectFailure(WriteFile("cut.chm", whole.left(whole.size() / 2)), "壊れている");

    Window.Load(TinyHelp);
    EXPECT_TRUE(PageText().contains("First page.")) << PageText().toStdString();
    EXPECT_FALSE(Window.Contents()->isHidden());
}

TEST(ChmHelpViewer, KeepsOneWindowAndStartsAgainOnTheFirstPageAfterItWasClosed)
{
    TChmHelpViewer viewer;
    viewer.Open(TinyHelp, THelpViewer::DisplayContents, 0);
    THelpWindow* window = viewer.Window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    window->Page()->setSource(QUrl("chm:/second.htm"));

    viewer.Open(TinyHelp, THelpViewer::DisplayContents, 0);
    EXPECT_EQ(viewer.Window(), window);
    EXPECT_EQ(window->Page()->source(), QUrl("chm:/second.htm"));

    window->close();
    viewer.Open(TinyHelp, THelpViewer::DisplayContents, 0);
    EXPECT_EQ(viewer.Window(), window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->Page()->source(), QUrl("chm:/first.htm"));
}

TEST_F(HelpWindowTest, AnOpenWindowThatCouldNotReadItsFileReadsItOnceItIsThere)
{
    TChmHelpViewer viewer;
    const QString file = Folder.filePath("Later ヘルプ.CHM");
    viewer.Open(file, THelpViewer::DisplayContents, 0);
    ASSERT_FALSE(viewer.Window()->IsShowingFile());
    ASSERT_TRUE(QFile::copy(TinyHelp, file));
    viewer.Open(file, THelpViewer::DisplayContents, 0);
    EXPECT_TRUE(viewer.Window()->IsShowingFile());
    EXPECT_EQ(viewer.Window()->Page()->source(), QUrl("chm:/first.htm"));
}

TEST_F(HelpWindowTest, ShowsTheProgramsHelpFileWithItsJapaneseTitleAndContents)
{
    Window.Load(QString::fromUtf8(VELLORA_HELP_FILE));
    EXPECT_EQ(Window.windowTitle(), "Vellora ヘルプ");
    ASSERT_GT(Window.Contents()->topLevelItemCount(), 1);
    EXPECT_EQ(Topic(0)->text(0), "Vellora ヘルプ");
    EXPECT_EQ(Topic(1)->child(0)->text(0), "ファイル メニュー");
    EXPECT_TRUE(PageText().contains("Vellora は短いメモ")) << PageText().toStdString();
}
