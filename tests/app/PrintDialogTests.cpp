// The print dialog in the running program: its states with and without a
// memo window across openings, the font descriptions and dialogs, the
// printer check and a job printed to a PDF file.
#include "AppFixture.h"
#include "Print.h"
#include "QxUpDownEdit.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace {

const QString NoPrinterText =
    QStringLiteral("印刷できるプリンタがありません。 プリンタのプロパティで PDF ファイルへの出力を選んでください。");

class PrintDialogTest : public AppTest {
protected:
    TfrmPrint& Dialog() const { return m_app->PrintDialog(); }
    template <typename Widget = QWidget> Widget* Child(const char* name) const
    {
        auto* widget = Dialog().findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QRadioButton* RadioButton(const char* name) const { return Child<QRadioButton>(name); }
    QCheckBox* CheckBox(const char* name) const { return Child<QCheckBox>(name); }
    QString Description(const char* name) const { return Child<QPlainTextEdit>(name)->toPlainText(); }
    bool Enabled(const char* name) const { return Child(name)->isEnabled(); }
    bool PanelShown() const { return Child("Panel1")->isVisibleTo(&Dialog()); }

    void Open()
    {
        Dialog().show();
        Idle();
    }
    void Close() { Dialog().reject(); }

    // The printer setup chooses a PDF file.
    void ChoosePdf(const QString& path)
    {
        m_dialogs.ExpectPrinterSetup([path](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path);
            return true;
        });
        Child<QPushButton>("btnPrinterProp")->click();
    }
    void ClickOK() { Child<QPushButton>("btnOK")->click(); }
};

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString PdfText(const QString& path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

TEST_F(PrintDialogTest, DesignStateWithoutAMemoWindow)
{
    Start();
    EXPECT_EQ(Dialog().parent(), &Main());
    Open();
    EXPECT_EQ(Dialog().windowTitle(), "印刷");
    EXPECT_EQ(Dialog().size(), QSize(538, 223));
    EXPECT_EQ(Child("GroupBox1")->geometry(), QRect(8, 8, 201, 177));
    EXPECT_EQ(Child("GroupBox2")->geometry(), QRect(216, 8, 313, 177));
    EXPECT_EQ(Child<QGroupBox>("GroupBox1")->title(), "印刷対象");
    EXPECT_EQ(RadioButton("rbFile")->text(), "ファイルの情報を印刷(&F)");
    EXPECT_TRUE(RadioButton("rbFile")->isChecked());
    EXPECT_FALSE(Enabled("rbMemo"));
    EXPECT_FALSE(Enabled("chkIncludeMemoInfo"));
    EXPECT_TRUE(Enabled("chkIncludeTextPrev"));
    EXPECT_FALSE(CheckBox("chkIncludeTextPrev")->isChecked());
    EXPECT_FALSE(Enabled("lblMaxLength"));
    EXPECT_FALSE(PanelShown());
    EXPECT_TRUE(Child<QPushButton>("btnOK")->isDefault());

    auto* maxLength = Child<TQxUpDownEdit>("ueMaxLength");
    EXPECT_FALSE(maxLength->isEnabled());
    EXPECT_EQ(maxLength->size(), QSize(65, 18));
    EXPECT_EQ(maxLength->Min(), 0);
    EXPECT_EQ(maxLength->Max(), 1000);
    EXPECT_EQ(maxLength->Increment(), 10);
    EXPECT_EQ(maxLength->Value(), 100);
    EXPECT_EQ(maxLength->UpDownWidth(), 14);

    auto* textOption = Child<QComboBox>("cbTextOption");
    EXPECT_EQ(textOption->count(), 5);
    EXPECT_EQ(textOption->currentIndex(), 0);
    EXPECT_FALSE(Enabled("btnTextFontSetUp"));
    EXPECT_FALSE(Enabled("memTextFont"));
    EXPECT_EQ(Description("memGeneralFont"), "フォント : ＭＳ Ｐゴシック, 9 pt, フォントの色: Black");

    CheckBox("chkIncludeTextPrev")->click();
    EXPECT_TRUE(PanelShown());
    EXPECT_TRUE(maxLength->isEnabled());
    EXPECT_TRUE(Enabled("lblMaxLength"));
    const TPrintOptions options = Dialog().Options();
    EXPECT_EQ(options.Subject, TPrintSubject::File);
    EXPECT_TRUE(options.IncludeTextPreview);
    EXPECT_EQ(options.MaxLength, 100);
    EXPECT_EQ(options.GeneralFont.Name, "ＭＳ Ｐゴシック");
    EXPECT_EQ(options.GeneralFont.Points, 9);
}

TEST_F(PrintDialogTest, MemoWindowPreselectsTheMemoAcrossOpenings)
{
    Start();
    Open();
    CheckBox("chkIncludeTextPrev")->click();
    Child<QComboBox>("cbTextOption")->setCurrentIndex(2);
    Close();

    NewMemo();
    Open();
    EXPECT_TRUE(RadioButton("rbMemo")->isChecked());
    EXPECT_TRUE(Enabled("rbMemo"));
    EXPECT_TRUE(Enabled("chkIncludeMemoInfo"));
    EXPECT_FALSE(Enabled("chkIncludeTextPrev"));
    EXPECT_FALSE(PanelShown());
    EXPECT_FALSE(Enabled("ueMaxLength"));

    RadioButton("rbFile")->click();
    EXPECT_TRUE(Enabled("chkIncludeTextPrev"));
    EXPECT_TRUE(PanelShown());  // still ticked
    EXPECT_TRUE(Enabled("ueMaxLength"));
    EXPECT_FALSE(Enabled("chkIncludeMemoInfo"));
    Close();

    Main().RunCommand("MemoClose");
    Open();
    EXPECT_TRUE(RadioButton("rbFile")->isChecked());
    EXPECT_FALSE(Enabled("rbMemo"));
    EXPECT_FALSE(Enabled("chkIncludeMemoInfo"));
    EXPECT_TRUE(CheckBox("chkIncludeTextPrev")->isChecked());
    EXPECT_EQ(Child<QComboBox>("cbTextOption")->currentIndex(), 2);
}

TEST_F(PrintDialogTest, OwnTextFontOnlyWithItsChoice)
{
    Start();
    Open();
    auto* textOption = Child<QComboBox>("cbTextOption");
    textOption->setCurrentIndex(3);
    EXPECT_TRUE(Enabled("btnTextFontSetUp"));
    EXPECT_TRUE(Enabled("memTextFont"));

    m_dialogs.ExpectFont(QFont(QStringLiteral("IPAGothic"), 11), QColor(0x808000));
    Child<QPushButton>("btnTextFontSetUp")->click();
    EXPECT_EQ(Description("memTextFont"), "フォント : IPAGothic, 11 pt, フォントの色: Olive");

    textOption->setCurrentIndex(4);
    EXPECT_FALSE(Enabled("btnTextFontSetUp"));
    EXPECT_FALSE(Enabled("memTextFont"));
    EXPECT_EQ(Dialog().Options().TextFont.Name, "IPAGothic");
    EXPECT_EQ(Dialog().Options().TextFont.Color, 0x808000u);
    EXPECT_EQ(Dialog().Options().TextOption, TTextOption::EditorFont);
}

TEST_F(PrintDialogTest, FontDescriptions)
{
    QFont font(QStringLiteral("ＭＳ Ｐゴシック"), 9);
    font.setBold(true);
    EXPECT_EQ(TfrmPrint::DescribeFont(font, Qt::black), "フォント : ＭＳ Ｐゴシック, 9 pt, 太字, フォントの色: Black");
    font.setItalic(true);
    font.setUnderline(true);
    font.setStrikeOut(true);
    EXPECT_EQ(TfrmPrint::DescribeFont(font, QColor(0x00FFFF)),
              "フォント : ＭＳ Ｐゴシック, 9 pt, 太字, 斜体, 下線, 打ち消し線, フォントの色: Aqua");
    const QStringList names = {"Black", "Maroon", "Green", "Olive", "Navy", "Purple", "Teal", "Gray",
                               "Silver", "Red", "Lime", "Yellow", "Blue", "Fuchsia", "Aqua", "White"};
    const QRgb colors[] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0x808080,
                           0xC0C0C0, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    for (int i = 0; i < 16; ++i)
        EXPECT_TRUE(TfrmPrint::DescribeFont(QFont(), QColor(colors[i])).endsWith(": " + names[i])) << i;
}

// A font with every style and a long family name is described whole.
TEST_F(PrintDialogTest, LongFontDescriptionsFitTheirBoxes)
{
    Start();
    Open();
    Child<QCheckBox>("chkIncludeTextPrev")->setChecked(true);
    Child<QComboBox>("cbTextOption")->setCurrentIndex(3);
    QFont font(QStringLiteral("DejaVu Sans Condensed"), 12);
    font.setBold(true);
    font.setItalic(true);
    font.setUnderline(true);
    font.setStrikeOut(true);
    for (const auto& [button, name] : {std::pair{"btnGeneralFontSetUp", "memGeneralFont"},
                                       std::pair{"btnTextFontSetUp", "memTextFont"}}) {
        m_dialogs.ExpectFont(font, QColor(0xFF00FF));
        Child<QPushButton>(button)->click();
        auto* box = Child<QPlainTextEdit>(name);
        const QRect room = box->viewport()->rect();
        const QRect needed = box->fontMetrics().boundingRect(
            QRect(0, 0, room.width(), 1000), Qt::TextWordWrap, box->toPlainText());
        EXPECT_LE(needed.height(), room.height()) << name << ": " << box->toPlainText().toStdString();
    }
}

TEST_F(PrintDialogTest, GeneralFontAndEditorFontChooseTheirColour)
{
    Start();
    Open();
    QFont chosen(QStringLiteral("IPAGothic"), 12);
    chosen.setBold(true);
    m_dialogs.ExpectFont(chosen, QColor(Qt::red));
    Child<QPushButton>("btnGeneralFontSetUp")->click();
    EXPECT_EQ(m_dialogs.LastFont().family(), "ＭＳ Ｐゴシック");
    EXPECT_EQ(m_dialogs.LastColor(), QColor(Qt::black));
    EXPECT_EQ(Description("memGeneralFont"), "フォント : IPAGothic, 12 pt, 太字, フォントの色: Red");
    m_dialogs.ExpectFont(std::nullopt);  // cancelled: nothing changes
    Child<QPushButton>("btnGeneralFontSetUp")->click();
    EXPECT_EQ(Dialog().Options().GeneralFont.Color, 0xFF0000u);
    Close();

    m_dialogs.ExpectFont(QFont(QStringLiteral("IPAGothic"), 10), QColor(0x000080));
    Main().RunCommand("ViewFont");
    EXPECT_EQ(Main().EditorFont().color, QColor(0x000080));
    EXPECT_EQ(Dialog().Options().EditorFont.Color, 0x000080u);
}

TEST_F(PrintDialogTest, FilePrintShowsTheDialogModally)
{
    Start();
    bool shown = false;
    QTimer::singleShot(0, &Dialog(), [&] {
        shown = Dialog().isVisible() && Dialog().isModal();
        Close();
    });
    Main().RunCommand("FilePrint");
    EXPECT_TRUE(shown);
}

TEST_F(PrintDialogTest, NoUsablePrinterSaysSoAndStaysOpen)
{
    Start();
    Open();
    Dialog().Printer().setOutputFormat(QPrinter::PdfFormat);
    Dialog().Printer().setOutputFileName(QString());
    m_dialogs.ExpectMessage(NoPrinterText, TMsgButton::Ok);
    ClickOK();
    EXPECT_TRUE(Dialog().isVisible());
    EXPECT_TRUE(Dialog().isEnabled());
}

TEST_F(PrintDialogTest, OkPrintsTheCatalogueToThePdfFileChosen)
{
    Start();
    AddMemo(QStringLiteral("会議メモ"), {QStringLiteral("仕事")}, QStringLiteral("議題の一覧"));
    Open();
    const QString pdf = FilePath("catalogue.pdf");
    ChoosePdf(pdf);
    CheckBox("chkIncludeTextPrev")->click();
    ClickOK();
    EXPECT_FALSE(Dialog().isVisible());
    EXPECT_EQ(Dialog().result(), QDialog::Accepted);
    EXPECT_TRUE(Dialog().isEnabled());
    EXPECT_TRUE(ReadAll(pdf).startsWith("%PDF"));
    const QString text = PdfText(pdf);
    EXPECT_TRUE(text.contains("会議メモ")) << text.toStdString();
    EXPECT_TRUE(text.contains("議題の一覧")) << text.toStdString();

    // The printer chosen stays for the next job: the memo of a window.
    QFile::remove(pdf);
    TfrmMemo* memo = NewMemo();
    memo->SetText(QStringLiteral("窓の本文"));
    Open();
    ClickOK();
    EXPECT_TRUE(PdfText(pdf).contains("窓の本文"));
}

TEST_F(PrintDialogTest, FailedJobShowsItsErrorAndEnablesTheDialogAgain)
{
    Start();
    Open();
    const QString pdf = FilePath("missing-folder/out.pdf");
    ChoosePdf(pdf);
    ClickOK();
    EXPECT_EQ(m_dialogs.TakeErrors(), QStringList({"ファイル " + pdf + " を作成できません (フォルダーがありません)"}));
    EXPECT_EQ(Dialog().Printer().outputFileName(), pdf);
    EXPECT_TRUE(Dialog().isEnabled());
    EXPECT_EQ(Dialog().result(), QDialog::Accepted);
}

TEST_F(PrintDialogTest, CancelledJobIsDroppedWithoutAnError)
{
    Start();
    for (int i = 0; i < 50; ++i)
        AddMemo(QStringLiteral("メモ%1").arg(i));
    Open();
    const QString pdf = FilePath("cancelled.pdf");
    ChoosePdf(pdf);
    Dialog().SetProgressDelay(std::chrono::milliseconds(0));
    bool progressShown = false;
    QTimer::singleShot(0, &Dialog(), [&] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* progress = qobject_cast<QProgressDialog*>(window); progress && progress->isVisible()) {
                progressShown = !Dialog().isEnabled();
                progress->cancel();
            }
        }
    });
    ClickOK();
    EXPECT_TRUE(progressShown);
    EXPECT_TRUE(m_dialogs.TakeErrors().isEmpty());
    EXPECT_TRUE(Dialog().isEnabled());
    EXPECT_FALSE(QFile::exists(pdf));
}

}  // namespace
