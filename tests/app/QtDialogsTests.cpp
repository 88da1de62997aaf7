// The dialogs seam over Qt's real dialogs, answered by pressing their
// buttons while they run.
#include "AppFixture.h"
#include "ChmManager.h"
#include "FontSubstitutes.h"
#include "HelpBrowser.h"
#include "HelpViewer.h"
#include "HelpWindow.h"
#include "QtDialogs.h"
#include "ToolkitTranslation.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <algorithm>
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
        const auto edits = modal->findChildren<QLineEdit*>();
        const auto sample = std::find_if(edits.begin(), edits.end(),
                                         [](QLineEdit* edit) { return edit->text() == "AaBbYyZz"; });
        ASSERT_NE(sample, edits.end());
        EXPECT_EQ((*sample)->palette().color(QPalette::Text), QColor(0x000080));  // the sample shows it
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

TEST_F(AppTest, F1InAMemoWindowAndInTheHelpWindowShowsTheOneHelpWindow)
{
    Start();
    Main().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Main()));
    TfrmMemo* memo = NewMemo();
    memo->Editor()->setFocus();
    QTest::keyClick(memo->Editor(), Qt::Key_F1);
    const QList<THelpWindow*> windows = Main().findChildren<THelpWindow*>();
    ASSERT_EQ(windows.size(), 1);
    THelpWindow* help = windows[0];
    EXPECT_EQ(help->windowTitle(), "Vellora ヘルプ");
    EXPECT_TRUE(QTest::qWaitFor([help] { return QApplication::activeWindow() == help; }));

    QSignalSpy helpCommand(Main().Command("HelpHelp"), &QAction::triggered);
    QTest::keyClick(help->Page(), Qt::Key_F1);
    EXPECT_EQ(helpCommand.count(), 1);
    EXPECT_EQ(Main().findChildren<THelpWindow*>(), windows);
    EXPECT_TRUE(help->isVisible());
}

// The toolkit's own texts are Japanese also under the C locale.
class ToolkitTranslationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(QLocale::system().language(), QLocale::C) << "runs under LC_ALL=C.UTF-8";
        m_translator = InstallToolkitTranslation(*QCoreApplication::instance());
        ASSERT_NE(m_translator, nullptr) << "qtbase_ja.qm is not installed";
    }
    void TearDown() override
    {
        QCoreApplication::removeTranslator(m_translator);
        delete m_translator;
    }

    TQtDialogs m_dialogs;

private:
    QTranslator* m_translator = nullptr;
};

TEST_F(ToolkitTranslationTest, MessageBoxButtonsAndTheFontDialogAreJapanese)
{
    WhenModal([](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->button(QMessageBox::Yes)->text(), "はい(&Y)");
        EXPECT_EQ(box->button(QMessageBox::No)->text(), "いいえ(&N)");
        EXPECT_EQ(box->button(QMessageBox::Cancel)->text(), "キャンセル");
        box->button(QMessageBox::Cancel)->click();
    });
    m_dialogs.MessageBox("Vellora", "保存しますか？", TMsgIcon::Warning, TMsgButton::Yes | TMsgButton::No | TMsgButton::Cancel);

    WhenModal([](QWidget* modal) {
        QStringList labels;
        for (const QLabel* label : modal->findChildren<QLabel*>())
            labels << label->text();
        EXPECT_TRUE(labels.contains("フォント(&F)")) << labels.join(' ').toStdString();
        EXPECT_TRUE(labels.contains("サイズ(&S)")) << labels.join(' ').toStdString();
        qobject_cast<QDialog*>(modal)->reject();
    });
    QFont font;
    QColor color;
    m_dialogs.ChooseFont(font, color);
}

TEST_F(ToolkitTranslationTest, FileDialogsWithoutATitleOfTheirOwnShowTheToolkitsTitle)
{
    const auto expectTitle = [](const QString& title) {
        WhenModal([title](QWidget* modal) {
            EXPECT_EQ(modal->windowTitle(), title);
            auto* lookIn = modal->findChild<QLabel*>("lookInLabel");
            ASSERT_NE(lookIn, nullptr);
            EXPECT_EQ(lookIn->text(), "アドレス:");
            qobject_cast<QDialog*>(modal)->reject();
        });
    };
    TFileDialogRequest request;
    expectTitle("開く");
    m_dialogs.OpenFiles(request);
    expectTitle("名前を付けて保存");
    m_dialogs.SaveFile(request);
    request.title = "テキストファイルをインポート";
    expectTitle(request.title);
    m_dialogs.OpenFiles(request);
}
