// The about box: its parts, the version at every showing, closing with Enter.
#include "About.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class AboutBoxTest : public ::testing::Test {
protected:
    void Open()
    {
        Box.open();
        Box.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Box));
    }

    QLabel* Label(const char* name) { return Box.findChild<QLabel*>(name); }
    QPushButton* OKButton() { return Box.findChild<QPushButton*>("OKButton"); }

    TAboutBox Box;
};

}  // namespace

TEST_F(AboutBoxTest, CarriesItsNamesAndTexts)
{
    EXPECT_EQ(Box.objectName(), "AboutBox");
    EXPECT_EQ(Box.windowTitle(), QStringLiteral("Velloraのバージョン情報"));
    EXPECT_TRUE(Box.isModal());
    ASSERT_NE(Box.findChild<QFrame*>("Panel1"), nullptr);
    ASSERT_NE(Label("ProductName"), nullptr);
    EXPECT_EQ(Label("ProductName")->text(), "Vellora");
    ASSERT_NE(OKButton(), nullptr);
    EXPECT_EQ(OKButton()->text(), "OK");
    EXPECT_TRUE(OKButton()->isDefault());
}

TEST_F(AboutBoxTest, ShowsTheVersionAtEveryShowing)
{
    QLabel* version = Label("Version");
    ASSERT_NE(version, nullptr);
    for (int showing = 0; showing < 2; ++showing) {
        version->setText("Version");
        Box.show();
        EXPECT_EQ(version->text(), QStringLiteral("1.0.0.16")) << "showing " << showing;
        Box.hide();
    }
}

TEST_F(AboutBoxTest, OpensWithTheFocusOnOKAndEnterClosesIt)
{
    Open();
    EXPECT_EQ(QApplication::focusWidget(), OKButton());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(Box.isVisible());
    EXPECT_EQ(Box.result(), QDialog::Accepted);
}

TEST_F(AboutBoxTest, EnterClosesItAgainAtTheNextOpening)
{
    Open();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
    ASSERT_FALSE(Box.isVisible());
    Box.setResult(QDialog::Rejected);
    Open();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(Box.isVisible());
    EXPECT_EQ(Box.result(), QDialog::Accepted);
}

TEST_F(AboutBoxTest, ShowsTheApplicationIcon)
{
    const QIcon previous = QApplication::windowIcon();
    QPixmap red(32, 32);
    red.fill(Qt::red);
    QApplication::setWindowIcon(QIcon(red));
    Box.show();
    const QPixmap shown = Label("ProgramIcon")->pixmap();
    QApplication::setWindowIcon(previous);

    ASSERT_FALSE(shown.isNull());
    EXPECT_EQ(shown.deviceIndependentSize().toSize(), QSize(32, 32));
    EXPECT_EQ(shown.toImage().pixelColor(16, 16), QColor(Qt::red));
    EXPECT_EQ(Label("ProgramIcon")->size(), QSize(32, 32));
}

TEST_F(AboutBoxTest, HasItsDesignSizeOnTheScreensCentreAndClipsNoText)
{
    Box.show();
    EXPECT_EQ(Box.size(), QSize(298, 94));
    EXPECT_EQ(Box.frameGeometry().center(), Box.screen()->availableGeometry().center());
    const QFrame* panel = Box.findChild<QFrame*>("Panel1");
    for (const QLabel* label : Box.findChildren<QLabel*>()) {
        if (label->objectName() == "ProgramIcon")
            continue;
        EXPECT_GE(label->width(), label->sizeHint().width()) << label->objectName().toStdString();
        EXPECT_TRUE(panel->contentsRect().contains(label->geometry())) << label->objectName().toStdString();
    }
    EXPECT_EQ(OKButton()->geometry(), QRect(96, 66, 105, 21));
}
