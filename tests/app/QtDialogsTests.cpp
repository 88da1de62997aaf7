// The dialogs seam over Qt's real dialogs, answered by pressing their
// buttons while they run.
#include "AppFixture.h"
#include "ChmManager.h"
#include "FontSubstitutes.h"
#include "HelpViewer.h"
#include "QtDialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>

namespace {
// Runs `answer` on the modal dialog as soon as it is up.
void WhenModal(std::function<void(QWidget*)> answer)
{
    QTimer::singleShot(0, [answer] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) {
            WhenModal(answer);
            return;
        }
        answer(modal);
    });
}

class TRecordingViewer : public THelpViewer {
public:
    explicit TRecordingViewer(QStringList& calls) : m_calls(calls) {}
    void Open(const QString& helpFile, int command, int data) override
    {
        m_calls << QStringLiteral("%1 %2 %3").arg(helpFile).arg(command).arg(data);
    }

private:
    QStringList& m_calls;
};
}  // namespace

TEST(QtDialogs, MessageBoxGivesThePressedButton)
{
    TQtDialogs dialogs;
    WhenModal([](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->windowTitle(), "Vellora");
        EXPECT_EQ(box->text(), "保存しますか？");
        box->button(QMessageBox::No)->click();
    });
    EXPECT_EQ(dialogs.MessageBox("Vellora", "保存しますか？", TMsgIcon::Warning,
                                 TMsgButton::Yes | TMsgButton::No | TMsgButton::Cancel),
              TMsgButton::No);
}

TEST(QtDialogs, InputBoxGivesTheTypedTextAndCancelTheDefault)
{
    TQtDialogs dialogs;
    WhenModal([](QWidget* modal) {
        auto* input = qobject_cast<QInputDialog*>(modal);
        ASSERT_NE(input, nullptr);
        EXPECT_EQ(input->labelText(), "タイトルを入力してください｡");
        input->setTextValue("新しいメモ");
        input->accept();
    });
    EXPECT_EQ(dialogs.InputBox("メモの保存", "タイトルを入力してください｡", "old"), "新しいメモ");
    WhenModal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
    EXPECT_EQ(dialogs.InputBox("メモの保存", "タイトルを入力してください｡", "old"), "old");
}

TEST(QtDialogs, FileDialogShowsEachFilterDescriptionAsGiven)
{
    TQtDialogs dialogs;
    QStringList shown;
    WhenModal([&shown](QWidget* modal) {
        auto* types = modal->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        ASSERT_NE(types, nullptr);
        for (int i = 0; i < types->count(); ++i)
            shown << types->itemText(i);
        qobject_cast<QDialog*>(modal)->reject();
    });
    TFileDialogRequest request;
    request.filter = QStringLiteral("Velloraファイル (*.vlr)|*.vlr|CSV ファイル|*.csv");
    EXPECT_TRUE(dialogs.OpenFiles(request).isEmpty());
    EXPECT_EQ(shown, QStringList({"Velloraファイル (*.vlr)", "CSV ファイル"}));
}

TEST(QtDialogs, FontDialogOffersTheSixteenColours)
{
    TQtDialogs dialogs;
    WhenModal([](QWidget* modal) {
        auto* colors = modal->findChild<QComboBox*>();
        ASSERT_NE(colors, nullptr);
        EXPECT_EQ(colors->count(), 16);
        EXPECT_EQ(colors->currentText(), "赤");  // the start colour
        colors->setCurrentIndex(4);             // navy
        qobject_cast<QDialog*>(modal)->accept();
    });
    QFont font(QStringLiteral("No Such Font Family"), 11);
    QColor color = Qt::red;
    EXPECT_TRUE(dialogs.ChooseFont(font, color));
    EXPECT_EQ(color, QColor(0x000080));
    EXPECT_EQ(font.family(), "No Such Font Family");  // left as shown: kept
    EXPECT_EQ(font.pointSize(), 11);
}

TEST(QtDialogs, FontDialogKeepsTheStyleWhenOnlyTheSizeChanges)
{
    TQtDialogs dialogs;
    WhenModal([](QWidget* modal) {
        auto* fonts = modal->findChild<QFontDialog*>();
        ASSERT_NE(fonts, nullptr);
        QFont bigger = fonts->currentFont();
        EXPECT_FALSE(bigger.italic());
        bigger.setPointSize(15);
        fonts->setCurrentFont(bigger);
        qobject_cast<QDialog*>(modal)->accept();
    });
    QFont font = QApplication::font();
    QColor color = Qt::black;
    EXPECT_TRUE(dialogs.ChooseFont(font, color));
    EXPECT_EQ(font.pointSize(), 15);
    EXPECT_FALSE(font.italic());
    EXPECT_FALSE(font.bold());
}

TEST(QtDialogs, FontDialogShowsAMissingFamilyAsTheFamilyDrawn)
{
    RegisterJapaneseFontSubstitutes();
    TQtDialogs dialogs;
    WhenModal([](QWidget* modal) {
        auto* fonts = modal->findChild<QFontDialog*>();
        ASSERT_NE(fonts, nullptr);
        QFont bigger = fonts->currentFont();
        bigger.setPointSize(12);  // only the size is changed
        fonts->setCurrentFont(bigger);
        qobject_cast<QDialog*>(modal)->accept();
    });
    QFont font(QStringLiteral("ＭＳ Ｐゴシック"), 9);
    QColor color = Qt::black;
    EXPECT_TRUE(dialogs.ChooseFont(font, color));
    EXPECT_EQ(font.family(), "IPAPGothic");
    EXPECT_EQ(font.pointSize(), 12);
}

TEST_F(AppTest, HelpCommandOpensTheHelpFileOnItsContents)
{
    QStringList calls;
    SetHelpViewer(std::make_unique<TRecordingViewer>(calls));
    Start();
    Main().RunCommand("HelpHelp");
    ASSERT_EQ(calls.size(), 1);
    EXPECT_TRUE(calls[0].endsWith("/Vellora ヘルプ.CHM 1 0")) << calls[0].toStdString();
    EXPECT_EQ(Main().Command("HelpHelp")->shortcut(), QKeySequence(Qt::Key_F1));
    SetHelpViewer(nullptr);
}
