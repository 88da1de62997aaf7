// Keys in an active main window: the focus of new memo windows and which
// of a command's shortcut and a text field's own key wins.
#include "AppFixture.h"
#include "WordBox.h"

#include <QApplication>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>

class CommandKeysTest : public AppTest {
protected:
    void StartActive()
    {
        Start();
        Main().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Main()));
    }

    // A key as the user presses it: to the widget that has the focus.
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : &Main(), key, modifiers);
    }
};

TEST_F(CommandKeysTest, TypingRightAfterANewOrOpenedMemoGoesIntoItsText)
{
    StartActive();
    Press(Qt::Key_N, Qt::ControlModifier);
    ASSERT_NE(Main().ActiveMemo(), nullptr);
    QTest::keyClicks(QApplication::focusWidget(), "typed");
    EXPECT_EQ(Main().ActiveMemo()->Editor()->toPlainText(), "typed");

    AddMemo("stored");
    Manager().RefreshList();
    Manager().PageControl()->setCurrentIndex(1);
    Manager().MemoList()->setCurrentIndex(Manager().MemoList()->model()->index(0, 0));
    Main().RunCommand("MemoOpen");
    EXPECT_EQ(QApplication::focusWidget(), Main().ActiveMemo()->Editor());
}

TEST_F(CommandKeysTest, CtrlNInTheFloatingManagerGivesTheNewMemoTheKeyboard)
{
    StartActive();
    ASSERT_TRUE(Manager().isFloating());
    Manager().activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == &Manager(); }));
    Manager().WordBox()->setFocus();
    Press(Qt::Key_N, Qt::ControlModifier);
    ASSERT_NE(Main().ActiveMemo(), nullptr);
    EXPECT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == &Main(); }));
    QTest::keyClicks(QApplication::focusWidget(), "typed");
    EXPECT_EQ(Main().ActiveMemo()->Editor()->toPlainText(), "typed");
}

TEST_F(CommandKeysTest, KeywordShortcutsWinInTheEditor)
{
    StartActive();
    TfrmMemo* memo = NewMemo();
    m_dialogs.ExpectInputBox("キーワードの入力", "新たなキーワードを入力してください。", "by key");
    Press(Qt::Key_W, Qt::ControlModifier);
    EXPECT_EQ(memo->Keywords(), QStringList({"by key"}));

    QTest::keyClicks(memo->Editor(), "text");
    memo->Editor()->selectAll();
    memo->KeywordList()->item(0)->setSelected(true);
    Press(Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_TRUE(memo->Keywords().isEmpty());
    EXPECT_EQ(memo->Editor()->toPlainText(), "text");  // not cut
}

TEST_F(CommandKeysTest, ControlDeleteDeletesAWordInATextFieldAndTheMemoElsewhere)
{
    StartActive();
    AddMemo("victim");
    Manager().RefreshList();
    Manager().PageControl()->setCurrentIndex(1);
    Manager().MemoList()->setCurrentIndex(Manager().MemoList()->model()->index(0, 0));
    TfrmMemo* memo = NewMemo();
    QTest::keyClicks(memo->Editor(), "one two");
    memo->Editor()->moveCursor(QTextCursor::Start);
    Press(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(memo->Editor()->toPlainText(), "two");
    EXPECT_EQ(MemoRows(), 1);

    memo->KeywordList()->setFocus();
    Press(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(MemoRows(), 0);
}
