// The spin edit driven by typing, pasting, its buttons and arrow keys, and
// by code: the numbers it ends with and the events it raises on the way.
#include "QxUEEdit.h"
#include "QxUpDownEdit.h"
#include "Settle.h"

#include <QApplication>
#include <QClipboard>
#include <QStyle>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

TEST(QxUpDownEditText, TextToValue)
{
    const struct {
        const char* text;
        bool ok;
        int number;
    } cases[] = {{"0", true, 0},          {"00", true, 0},           {"-00", true, 0},         {"", false, 7},
                 {"-", false, 7},         {"0100", true, 100},       {"-12", true, -12},       {"40000", true, 32767},
                 {"-40000", true, -32768}, {"123456789", true, 32767}, {"1234567890", false, 7},
                 {"0000000000012", true, 12}, {"12a", false, 7},    {"--1", false, 7},        {" 1", false, 7}};
    for (const auto& c : cases) {
        qint16 number = 7;
        EXPECT_EQ(TQxUpDownEdit::TextToValue(QString::fromLatin1(c.text), number), c.ok) << c.text;
        EXPECT_EQ(number, c.number) << c.text;
    }
}

TEST(QxUpDownEditText, InitialProperties)
{
    TQxUpDownEdit edit;
    EXPECT_TRUE(edit.property("AutoSelect").toBool());
    EXPECT_FALSE(edit.property("AutoHeight").toBool());
    EXPECT_EQ(edit.AlignButton(), udRight);
    EXPECT_TRUE(edit.ArrowKeys());
    EXPECT_EQ(edit.property("Increment").toInt(), 1);
    EXPECT_EQ(edit.property("Max").toInt(), 100);
    EXPECT_EQ(edit.property("Min").toInt(), 0);
    EXPECT_EQ(edit.Orientation(), udVertical);
    EXPECT_EQ(edit.UpDownWidth(), edit.style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    EXPECT_EQ(edit.property("Value").toInt(), 0);
    EXPECT_EQ(edit.EditText(), "0");
    EXPECT_FALSE(edit.Wrap());
}

// The spin edit as the print dialog sets it up, beside a second edit that
// takes the focus away.
class QxUpDownEditTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(spin = new TQxUpDownEdit);
        layout->addWidget(other = new QLineEdit);
        spin->SetMin(0);
        spin->SetMax(1000);
        spin->SetIncrement(10);
        spin->SetValue(100);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        box().setFocus();
        connect(QStringLiteral("value"), &TQxUpDownEdit::OnValueChange);
        connect(QStringLiteral("edit"), &TQxUpDownEdit::OnEditChange);
    }

    TQxUEEdit& box() const { return spin->Edit(); }
    void connect(const QString& name, void (TQxUpDownEdit::*signal)())
    {
        QObject::connect(spin, signal, [this, name] { events << name; });
    }
    // Replaces the whole text by typing.
    void Type(const QString& text)
    {
        box().selectAll();
        QTest::keyClick(&box(), Qt::Key_Backspace);
        QTest::keyClicks(&box(), text);
    }
    void UpDownButton(TUDBtnType button)
    {
        const QList<QToolButton*> buttons = spin->UpDown().findChildren<QToolButton*>();  // up, down
        QTest::mouseClick(buttons.at(button == btNext ? 0 : 1), Qt::LeftButton);
    }
    void Leave()
    {
        other->setFocus();
        Settle();
    }

    QStringList events;  // outlives the window, which commits the text as it goes
    QWidget window;
    TQxUpDownEdit* spin = nullptr;
    QLineEdit* other = nullptr;
};

TEST_F(QxUpDownEditTest, TypedNumbersAreClampedAtOnceAndShownSoOnLeaving)
{
    Type("5000");
    EXPECT_EQ(spin->Value(), 1000);
    EXPECT_EQ(spin->EditText(), "5000");
    Leave();
    EXPECT_EQ(spin->EditText(), "1000");

    box().setFocus();
    Type("0100");
    Leave();
    EXPECT_EQ(spin->Value(), 100);
    EXPECT_EQ(spin->EditText(), "100");

    box().setFocus();
    Type("0");
    EXPECT_EQ(spin->Value(), 0);
}

TEST_F(QxUpDownEditTest, NonNumbersKeepTheLastGoodValue)
{
    Type("40");
    box().selectAll();
    QTest::keyClick(&box(), Qt::Key_Backspace);
    EXPECT_EQ(spin->EditText(), "");
    EXPECT_EQ(spin->Value(), 40);
    Leave();
    EXPECT_EQ(spin->EditText(), "40");

    box().setFocus();
    for (const QString& pasted : {QStringLiteral("1234567890"), QStringLiteral("12ab")}) {
        QApplication::clipboard()->setText(pasted);
        box().selectAll();
        QTest::keyClick(&box(), Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(spin->EditText(), pasted);
        EXPECT_EQ(spin->Value(), 40);
    }
    Leave();
    EXPECT_EQ(spin->EditText(), "40");

    box().setFocus();
    Type("7x.");
    EXPECT_EQ(spin->EditText(), "7");
}

TEST_F(QxUpDownEditTest, SignKeys)
{
    Type("5");
    QTest::keyClick(&box(), Qt::Key_Minus);
    EXPECT_EQ(spin->EditText(), "5");  // Min 0 refuses a sign

    spin->SetMin(-50);
    QTest::keyClick(&box(), Qt::Key_Minus);
    EXPECT_EQ(spin->EditText(), "-5");
    EXPECT_EQ(box().cursorPosition(), 2);
    EXPECT_EQ(spin->Value(), -5);
    box().setCursorPosition(0);
    QTest::keyClick(&box(), Qt::Key_3);
    EXPECT_EQ(spin->EditText(), "-5");  // a digit never lands before the sign
    box().setCursorPosition(2);
    QTest::keyClick(&box(), Qt::Key_Plus);
    EXPECT_EQ(spin->EditText(), "5");
    EXPECT_EQ(box().cursorPosition(), 1);

    spin->SetMax(-1);
    QTest::keyClick(&box(), Qt::Key_Minus);
    QTest::keyClick(&box(), Qt::Key_Plus);
    EXPECT_EQ(spin->EditText(), "-5");  // Max below 0 keeps the sign

    Type("0");
    events.clear();
    QTest::keyClick(&box(), Qt::Key_Minus);
    EXPECT_EQ(spin->EditText(), "-");
    EXPECT_EQ(box().cursorPosition(), 1);
    EXPECT_EQ(events, QStringList({"edit", "edit"}));  // "-0", then "-"; Value untouched
}

TEST_F(QxUpDownEditTest, EventsOfTypingInOrder)
{
    Type("5");
    QObject::connect(spin, &TQxUpDownEdit::OnKeyDown, [this](int& key, Qt::KeyboardModifiers) {
        events << "down";
        if (key == Qt::Key_8)
            key = 0;  // swallowed
    });
    QObject::connect(spin, &TQxUpDownEdit::OnKeyPress, [this](QChar& key) {
        events << "press";
        if (key == u'a')
            key = u'6';
    });
    QObject::connect(spin, &TQxUpDownEdit::OnKeyUp, [this](int&, Qt::KeyboardModifiers) { events << "up"; });
    events.clear();
    box().setCursorPosition(0);
    QTest::keyClick(&box(), Qt::Key_0);
    EXPECT_EQ(events, QStringList({"down", "press", "edit", "value", "up"}));  // "05" after "5" counts
    EXPECT_EQ(spin->Value(), 5);

    events.clear();
    QTest::keyClick(&box(), Qt::Key_8);
    QTest::keyClick(&box(), Qt::Key_A);
    EXPECT_EQ(spin->EditText(), "065");
    EXPECT_EQ(spin->Value(), 65);
}

TEST_F(QxUpDownEditTest, SettingValueByCode)
{
    events.clear();
    spin->SetValue(2000);
    EXPECT_EQ(spin->Value(), 1000);
    EXPECT_EQ(spin->EditText(), "1000");
    EXPECT_EQ(events, QStringList({"value", "edit", "value"}));
    events.clear();
    spin->SetValue(1000);
    EXPECT_EQ(events, QStringList({"value"}));
    spin->SetMax(500);
    EXPECT_EQ(spin->Value(), 1000);  // a new bound does not clamp
}

TEST_F(QxUpDownEditTest, SteppingWithKeysAndButtons)
{
    QList<int> directions;
    QList<int> proposed;
    bool veto = false;
    QObject::connect(spin, &TQxUpDownEdit::OnUpDownChanging, [&](bool& allow) {
        events << "changing";
        allow = !veto;
    });
    QObject::connect(spin, &TQxUpDownEdit::OnUpDownChangingEX, [&](bool& allow, qint16 value, TUpDownDirection dir) {
        events << (allow ? "ex allowed" : "ex vetoed");
        proposed << value;
        directions << dir;
    });
    QObject::connect(spin, &TQxUpDownEdit::OnUpDownClick, [&](TUDBtnType) { events << "click"; });

    Type("10");
    events.clear();
    QTest::keyClick(&box(), Qt::Key_Down);
    EXPECT_EQ(spin->Value(), 0);
    EXPECT_EQ(spin->EditText(), "0");
    EXPECT_EQ(events, QStringList({"changing", "ex allowed", "edit", "value", "click"}));

    QTest::keyClick(&box(), Qt::Key_Down);  // past the bound: stays
    EXPECT_EQ(spin->Value(), 0);
    EXPECT_EQ(proposed.last(), -10);
    EXPECT_EQ(directions.last(), updNone);

    spin->SetWrap(true);
    QTest::keyClick(&box(), Qt::Key_Down);
    EXPECT_EQ(spin->EditText(), "1000");
    UpDownButton(btNext);
    EXPECT_EQ(spin->Value(), 0);

    Type("5000");  // stepping starts from the shown number within the bounds
    UpDownButton(btPrev);
    EXPECT_EQ(spin->Value(), 990);
    EXPECT_EQ(directions.last(), updDown);

    veto = true;
    events.clear();
    QTest::keyClick(&box(), Qt::Key_Up);
    EXPECT_EQ(events, QStringList({"changing", "ex vetoed"}));
    EXPECT_EQ(spin->Value(), 990);

    veto = false;
    spin->SetArrowKeys(false);
    QTest::keyClick(&box(), Qt::Key_Up);
    EXPECT_EQ(spin->Value(), 990);
}

TEST(QxUpDownEditLayout, ArrangeControlsAndColours)
{
    TQxUpDownEdit spin;
    spin.resize(65, 18);
    spin.SetUpDownWidth(14);
    ASSERT_TRUE(ShowAndSettle(spin));
    const QRect client = spin.contentsRect();
    EXPECT_EQ(spin.UpDown().geometry(), QRect(client.right() - 13, client.top(), 14, client.height()));
    EXPECT_EQ(spin.Edit().geometry(), QRect(client.left(), client.top(), client.width() - 14, client.height()));

    spin.SetAlignButton(udLeft);
    EXPECT_EQ(spin.UpDown().x(), client.left());
    EXPECT_EQ(spin.Edit().x(), client.left() + 14);

    spin.SetUpDownWidth(500);
    EXPECT_EQ(spin.UpDownWidth(), client.width());
    EXPECT_EQ(spin.Edit().width(), 0);

    const QColor face = spin.palette().color(QPalette::Button);
    spin.SetColor(Qt::yellow);
    spin.setEnabled(false);
    EXPECT_EQ(spin.Edit().palette().color(QPalette::Base), face);
    spin.setEnabled(true);
    EXPECT_EQ(spin.Edit().palette().color(QPalette::Base), QColor(Qt::yellow));

    spin.SetAutoHeight(true);
    EXPECT_EQ(spin.height(), QFontInfo(spin.font()).pixelSize() + 4);
    EXPECT_EQ(spin.Edit().height(), spin.contentsRect().height());
}

}  // namespace
