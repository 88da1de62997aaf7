// The help module: what it hands the help viewer.
#include "ChmManager.h"

#include <QWidget>
#include <gtest/gtest.h>
#include <vector>

namespace {

struct TViewerCall {
    QString HelpFile;
    int Command;
    int Data;
};

class TRecordingViewer : public THelpViewer {
public:
    explicit TRecordingViewer(std::vector<TViewerCall>& calls)
        : Calls(calls)
    {
    }
    void Open(const QString& helpFile, int command, int data) override
    {
        Calls.push_back({helpFile, command, data});
    }

private:
    std::vector<TViewerCall>& Calls;
};

class ChmManagerTest : public ::testing::Test {
protected:
    void SetUp() override { SetHelpViewer(std::make_unique<TRecordingViewer>(Calls)); }
    void TearDown() override
    {
        SetHelpViewer(nullptr);
        SetHelpFile(nullptr, QString());
    }

    std::vector<TViewerCall> Calls;
};

}  // namespace

TEST_F(ChmManagerTest, ShowHelpOpensTheRegisteredFileOnItsContents)
{
    QWidget owner;
    const QString path = QStringLiteral("/opt/vellora/Vellora ヘルプ.CHM");
    SetHelpFile(&owner, path);
    ShowHelp();

    ASSERT_EQ(Calls.size(), 1u);
    EXPECT_EQ(Calls[0].HelpFile, path);
    EXPECT_EQ(Calls[0].Command, 1);
    EXPECT_EQ(Calls[0].Data, 0);
    EXPECT_EQ(HelpFile(), path);
    EXPECT_EQ(HelpOwner(), &owner);
}

TEST_F(ChmManagerTest, EveryShowHelpCallsTheViewerAgain)
{
    SetHelpFile(nullptr, "/nonexistent/help.chm");
    ShowHelp();
    ShowHelp();
    ASSERT_EQ(Calls.size(), 2u);
    EXPECT_EQ(Calls[1].HelpFile, "/nonexistent/help.chm");
}

TEST_F(ChmManagerTest, CloseHelpCallsNoViewerAndKeepsTheFile)
{
    SetHelpFile(nullptr, "/tmp/help.chm");
    CloseHelp();
    EXPECT_TRUE(Calls.empty());
    EXPECT_EQ(HelpFile(), "/tmp/help.chm");
}

TEST_F(ChmManagerTest, ForgetsAnOwnerThatIsDestroyed)
{
    auto owner = std::make_unique<QWidget>();
    SetHelpFile(owner.get(), "/tmp/help.chm");
    owner.reset();
    EXPECT_EQ(HelpOwner(), nullptr);
    ShowHelp();
    EXPECT_EQ(Calls.size(), 1u);
}

TEST(HelpFileName, IsTheShippedName)
{
    EXPECT_EQ(HelpFileName(), QStringLiteral("Vellora ヘルプ.CHM"));
}
