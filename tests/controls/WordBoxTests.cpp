// The keyword entry box and its rows, driven by typing.
#include "InputPanel.h"
#include "Settle.h"
#include "WordBox.h"

#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

class WordBoxTest : public ::testing::Test {
protected:
    QList<TInputPanel*> Rows() const { return box.findChildren<TInputPanel*>(); }

    QLineEdit* Edit(int row) const { return Rows().at(row)->findChild<QLineEdit*>(); }

    QStringList Labels() const
    {
        QStringList labels;
        for (const TInputPanel* row : Rows())
            labels.append(row->LabelCaption());
        return labels;
    }

    void Type(int row, const QString& text) { QTest::keyClicks(Edit(row), text); }

    void Erase(int row)
    {
        Edit(row)->selectAll();
        QTest::keyClick(Edit(row), Qt::Key_Backspace);
    }

    // Types each keyword into the empty row at the bottom.
    void TypeKeywords(int count)
    {
        for (int i = 1; i <= count; ++i)
            Type(static_cast<int>(Rows().size()) - 1, QStringLiteral("k%1").arg(i));
    }

    void ShowBox(int height)
    {
        box.resize(200, height);
        ASSERT_TRUE(ShowAndSettle(box));
    }

    TWordBox box;
};

TEST_F(WordBoxTest, StartsWithOneEmptyRowNumberedOne)
{
    EXPECT_EQ(Labels(), QStringList({"&1: "}));
    EXPECT_EQ(Rows().at(0)->EditText(), QString());
    EXPECT_TRUE(box.GetKeywords().isEmpty());
    EXPECT_EQ(box.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

TEST_F(WordBoxTest, TypingIntoTheEmptyRowAddsTheNextOne)
{
    Type(0, "a");
    EXPECT_EQ(Labels(), QStringList({"&1: ", "&2: "}));
    EXPECT_EQ(Rows().at(0)->EditText(), "a");
    Type(0, "bc"); // the row already has text: nothing is added
    EXPECT_EQ(Rows().size(), 2);
    Type(1, "b");
    EXPECT_EQ(Labels(), QStringList({"&1: ", "&2: ", "&3: "}));
    EXPECT_EQ(box.GetKeywords(), QStringList({"abc", "b"}));
}

TEST_F(WordBoxTest, EmptyingARowKeepsItAndDropsTheOtherEmptyRow)
{
    Type(0, "a");
    Type(1, "b");
    Erase(0);
    ASSERT_EQ(Rows().size(), 2);
    EXPECT_EQ(Rows().at(0)->EditText(), QString());
    EXPECT_EQ(Rows().at(1)->EditText(), "b");
    EXPECT_EQ(Labels(), QStringList({"&1: ", "&2: "}));
    EXPECT_EQ(box.GetKeywords(), QStringList({"b"}));

    Type(0, "c"); // the one empty row is the top one: a new one goes to the bottom
    ASSERT_EQ(Rows().size(), 3);
    EXPECT_EQ(Rows().at(2)->EditText(), QString());
    EXPECT_EQ(box.GetKeywords(), QStringList({"c", "b"}));
}

TEST_F(WordBoxTest, BackspaceToEmptyInTheMiddleRenumbersTheRows)
{
    TypeKeywords(3);
    Edit(1)->end(false);
    QTest::keyClick(Edit(1), Qt::Key_Backspace);
    QTest::keyClick(Edit(1), Qt::Key_Backspace); // "k2" is empty now
    EXPECT_EQ(Labels(), QStringList({"&1: ", "&2: ", "&3: "}));
    EXPECT_EQ(box.GetKeywords(), QStringList({"k1", "k3"}));
    EXPECT_EQ(Rows().at(1)->EditText(), QString());
}

TEST_F(WordBoxTest, TenthRowCarriesZeroAndTheEleventhNoAccelerator)
{
    TypeKeywords(10);
    const QStringList labels = Labels();
    ASSERT_EQ(labels.size(), 11);
    EXPECT_EQ(labels.at(0), "&1: ");
    EXPECT_EQ(labels.at(8), "&9: ");
    EXPECT_EQ(labels.at(9), "1&0: ");
    EXPECT_EQ(labels.at(10), "11: ");
    EXPECT_EQ(box.GetKeywords().size(), 10);
    EXPECT_EQ(box.GetKeywords().last(), "k10");
}

TEST_F(WordBoxTest, KeywordsComeBackExactlyAsTyped)
{
    Type(0, "a ");
    Type(1, " a");
    Type(2, "a ");
    Type(3, "A");
    EXPECT_EQ(box.GetKeywords(), QStringList({"a ", " a", "a ", "A"}));
}

TEST_F(WordBoxTest, ClearStartsAgainWithoutChangeEvents)
{
    TypeKeywords(4);
    QSignalSpy spy(Rows().at(0), &TInputPanel::OnChange);
    box.Clear();
    EXPECT_EQ(spy.count(), 0);
    EXPECT_EQ(Labels(), QStringList({"&1: "}));
    EXPECT_TRUE(box.GetKeywords().isEmpty());
    Type(0, "x");
    EXPECT_EQ(Labels(), QStringList({"&1: ", "&2: "}));
}

TEST_F(WordBoxTest, ScrollPositionStaysWhileRowsComeAndGo)
{
    ShowBox(100);
    TypeKeywords(12);
    Settle();
    QScrollBar* bar = box.verticalScrollBar();
    ASSERT_GT(bar->maximum(), 60);
    bar->setValue(40);

    Type(12, "new"); // adds a row below
    Settle();
    EXPECT_EQ(bar->value(), 40);
    Erase(12); // removes that row again
    Settle();
    EXPECT_EQ(bar->value(), 40);

    box.Clear(); // the one row left fits: nothing to scroll
    Settle();
    EXPECT_EQ(bar->value(), 0);
}

TEST_F(WordBoxTest, RowsAreStackedFromTheTopAsWideAsTheBox)
{
    ShowBox(300);
    TypeKeywords(2);
    Settle();
    const QList<TInputPanel*> rows = Rows();
    EXPECT_EQ(rows.at(0)->y(), 0);
    EXPECT_EQ(rows.at(1)->y(), rows.at(0)->height());
    EXPECT_EQ(rows.at(0)->width(), box.viewport()->width());
    EXPECT_GE(rows.at(0)->height(), 24);

    const QLabel* label = rows.at(0)->findChild<QLabel*>();
    EXPECT_EQ(label->width(), 28);
    EXPECT_EQ(label->alignment(), Qt::AlignRight | Qt::AlignVCenter);
    EXPECT_EQ(label->buddy(), Edit(0));
    EXPECT_EQ(label->x(), rows.at(0)->frameWidth());
    EXPECT_EQ(Edit(0)->geometry().right(), rows.at(0)->contentsRect().right());
}

TEST_F(WordBoxTest, LabelAcceleratorMovesTheFocusIntoItsRow)
{
    ShowBox(300);
    TypeKeywords(2);
    Settle(); // rows added to a shown box are shown by the next pass of the loop
    box.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
    Edit(0)->setFocus();
    QTest::keyClick(Edit(0), Qt::Key_3, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), Edit(2));
    QTest::keyClick(Edit(2), Qt::Key_2, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), Edit(1));
}

TEST_F(WordBoxTest, RowsShowTheHintOfTheBox)
{
    ShowBox(300);
    box.setToolTip(QStringLiteral("検索キーワードを入力"));
    QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), Edit(0)->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(Edit(0), &help);
    EXPECT_EQ(QToolTip::text(), QStringLiteral("検索キーワードを入力"));
    QToolTip::hideText();
}

TEST(WordBoxTab, RowsFollowEachOtherInTheTabChain)
{
    QWidget window;
    auto* box = new TWordBox(&window);
    auto* after = new QLineEdit(&window);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(box);
    layout->addWidget(after);
    window.resize(200, 300);
    ASSERT_TRUE(ShowAndSettle(window));
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const auto edit = [box](int row) { return box->findChildren<TInputPanel*>().at(row)->findChild<QLineEdit*>(); };
    edit(0)->setFocus();
    QTest::keyClicks(edit(0), "a");  // adds row 2, made after the edit below
    Settle();
    QTest::keyClick(edit(0), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), edit(1));
    QTest::keyClick(edit(1), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), after);
}

} // namespace
