#include "Print.h"

#include "Dialogs.h"
#include "FontSubstitutes.h"
#include "Guard.h"
#include "JobProgress.h"
#include "PdfDraft.h"
#include "PrintHost.h"
#include "PrinterCanvas.h"
#include "QxUpDownEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>

namespace {
const QString NoPrinterText =
    QStringLiteral("印刷できるプリンタがありません。 プリンタのプロパティで PDF ファイルへの出力を選んでください。");

template <typename Widget>
Widget* Make(QWidget* parent, const char* name, const QString& caption, QRect place)
{
    auto* widget = new Widget(caption, parent);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(place);
    return widget;
}

// A read-only description box that wraps its text. It holds four lines of
// the dialog's font: a font with every style and a long family name.
QPlainTextEdit* MakeDescription(QWidget* parent, const char* name, QRect place)
{
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(place);
    box->setReadOnly(true);
    box->setFrameShape(QFrame::NoFrame);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setFocusPolicy(Qt::NoFocus);
    box->document()->setDocumentMargin(0);
    box->viewport()->setAutoFillBackground(false);
    box->setStyleSheet(QStringLiteral("background: transparent"));
    return box;
}

int Points(const QFont& font)
{
    if (font.pointSize() > 0)
        return font.pointSize();
    return qRound(font.pixelSize() * 72.0 / 96.0);
}

TPrintFont ToPrintFont(const TColoredFont& font)
{
    TPrintFont result;
    result.Name = font.font.family().toStdString();
    result.Points = Points(font.font);
    result.Bold = font.font.bold();
    result.Italic = font.font.italic();
    result.Underline = font.font.underline();
    result.StrikeOut = font.font.strikeOut();
    result.Color = font.color.rgb() & 0xFFFFFF;
    return result;
}

// The dialog disabled, with the hourglass cursor, while a job runs.
class TBusy {
public:
    explicit TBusy(QWidget& dialog) : m_dialog(dialog)
    {
        m_dialog.setEnabled(false);
        m_dialog.setCursor(Qt::WaitCursor);
    }
    ~TBusy()
    {
        m_dialog.setEnabled(true);
        m_dialog.unsetCursor();
    }
    TBusy(const TBusy&) = delete;
    TBusy& operator=(const TBusy&) = delete;

private:
    QWidget& m_dialog;
};

// The design font of both font dialogs: 9-point "ＭＳ Ｐゴシック", black.
TColoredFont DesignFont()
{
    return {QFont(QStringLiteral("ＭＳ Ｐゴシック"), 9), Qt::black};
}
}  // namespace

QPrinter& TfrmPrint::Printer()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

TfrmPrint::TfrmPrint(TPrintHost& host, QWidget* parent)
    : QDialog(parent), m_host(host), fdGeneral(DesignFont()), fdText(DesignFont())
{
    setObjectName(QStringLiteral("frmPrint"));
    setWindowTitle(QStringLiteral("印刷"));
    // The design font, or on systems without it the IPA font of its kind.
    RegisterJapaneseFontSubstitutes();
    QFont font;
    font.setFamilies({QStringLiteral("MS UI Gothic"), QStringLiteral("IPAPGothic")});
    font.setPointSize(9);
    setFont(font);
    setFixedSize(538, 223);
    CreateSubjectGroup();
    CreateFontGroup();
    CreateButtons();
    Connect();
    FormCreate();
}

TfrmPrint::~TfrmPrint() = default;

void TfrmPrint::CreateSubjectGroup()
{
    GroupBox1 = Make<QGroupBox>(this, "GroupBox1", QStringLiteral("印刷対象"), {8, 8, 201, 177});
    rbFile = Make<QRadioButton>(GroupBox1, "rbFile", QStringLiteral("ファイルの情報を印刷(&F)"), {8, 20, 185, 17});
    rbFile->setChecked(true);
    chkIncludeTextPrev = Make<QCheckBox>(GroupBox1, "chkIncludeTextPrev",
                                         QStringLiteral("テキストのプレビューを含める(&T)"), {16, 42, 183, 17});
    lblMaxLength = Make<QLabel>(GroupBox1, "lblMaxLength", QStringLiteral("最大文字数(&L):"), {32, 66, 94, 14});
    lblMaxLength->setEnabled(false);
    ueMaxLength = new TQxUpDownEdit(GroupBox1);
    ueMaxLength->setObjectName(QStringLiteral("ueMaxLength"));
    ueMaxLength->setGeometry(128, 64, 65, 18);
    ueMaxLength->SetMin(0);
    ueMaxLength->SetMax(1000);
    ueMaxLength->SetIncrement(10);
    ueMaxLength->SetValue(100);
    ueMaxLength->SetArrowKeys(true);
    ueMaxLength->SetAlignButton(udRight);
    ueMaxLength->SetOrientation(udVertical);
    ueMaxLength->SetUpDownWidth(14);
    ueMaxLength->SetWrap(false);
    ueMaxLength->SetAutoSelect(true);
    ueMaxLength->setEnabled(false);
    lblMaxLength->setBuddy(ueMaxLength);
    rbMemo = Make<QRadioButton>(GroupBox1, "rbMemo", QStringLiteral("メモを印刷(&M)"), {8, 100, 185, 17});
    rbMemo->setEnabled(false);
    chkIncludeMemoInfo = Make<QCheckBox>(GroupBox1, "chkIncludeMemoInfo", QStringLiteral("メモの情報も含める(&I)"),
                                         {16, 122, 183, 17});
    chkIncludeMemoInfo->setEnabled(false);
}

void TfrmPrint::CreateFontGroup()
{
    GroupBox2 = Make<QGroupBox>(this, "GroupBox2", QStringLiteral("フォント"), {216, 8, 313, 177});
    btnGeneralFontSetUp = Make<QPushButton>(GroupBox2, "btnGeneralFontSetUp", QStringLiteral("設定(&S)"),
                                            {8, 22, 90, 25});
    memGeneralFont = MakeDescription(GroupBox2, "memGeneralFont", {144, 20, 161, 52});
    CreateTextOptionPanel();
}

// The text print options, along the bottom of the font group.
void TfrmPrint::CreateTextOptionPanel()
{
    Panel1 = new QFrame(GroupBox2);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameShape(QFrame::NoFrame);
    Panel1->setGeometry(2, 70, 309, 105);
    Label2 = Make<QLabel>(Panel1, "Label2", QStringLiteral("テキストの印刷オプション(&O):"), {6, 2, 297, 14});
    cbTextOption = new QComboBox(Panel1);
    cbTextOption->setObjectName(QStringLiteral("cbTextOption"));
    cbTextOption->setGeometry(6, 18, 297, 22);
    cbTextOption->addItems({QStringLiteral("設定したフォントを使用"), QStringLiteral("設定したフォントの太字を使用"),
                            QStringLiteral("設定したフォントの斜体を使用"), QStringLiteral("独自のフォントを使用"),
                            QStringLiteral("エディタのフォントを使用")});
    Label2->setBuddy(cbTextOption);
    btnTextFontSetUp = Make<QPushButton>(Panel1, "btnTextFontSetUp", QStringLiteral("テキスト独自の設定(&X)"),
                                         {6, 52, 134, 25});
    btnTextFontSetUp->setEnabled(false);
    memTextFont = MakeDescription(Panel1, "memTextFont", {142, 50, 161, 53});
    memTextFont->setEnabled(false);
}

void TfrmPrint::CreateButtons()
{
    btnPrinterProp = Make<QPushButton>(this, "btnPrinterProp", QStringLiteral("プリンタのプロパティ(&P)"),
                                       {8, 192, 150, 25});
    btnOK = Make<QPushButton>(this, "btnOK", QStringLiteral("OK"), {372, 192, 75, 25});
    btnOK->setDefault(true);
    btnCancel = Make<QPushButton>(this, "btnCancel", QStringLiteral("キャンセル"), {454, 192, 75, 25});
}

template <typename Sender, typename Signal>
void TfrmPrint::Guarded(Sender* sender, Signal signal, void (TfrmPrint::*handler)())
{
    connect(sender, signal, this, [this, handler] { RunGuarded(m_host.Dialogs(), [this, handler] { (this->*handler)(); }); });
}

void TfrmPrint::Connect()
{
    for (QRadioButton* subject : {rbFile, rbMemo}) {
        connect(subject, &QRadioButton::toggled, this, [this](bool checked) {
            if (checked)
                RunGuarded(m_host.Dialogs(), [this] { rbSubjectClick(); });
        });
    }
    Guarded(chkIncludeTextPrev, &QCheckBox::toggled, &TfrmPrint::chkIncludeTextPrevClick);
    Guarded(cbTextOption, &QComboBox::currentIndexChanged, &TfrmPrint::cbTextOptionChange);
    Guarded(btnGeneralFontSetUp, &QPushButton::clicked, &TfrmPrint::btnGeneralFontSetUpClick);
    Guarded(btnTextFontSetUp, &QPushButton::clicked, &TfrmPrint::btnTextFontSetUpClick);
    Guarded(btnPrinterProp, &QPushButton::clicked, &TfrmPrint::btnPrinterPropClick);
    Guarded(btnOK, &QPushButton::clicked, &TfrmPrint::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString TfrmPrint::DescribeFont(const QFont& font, const QColor& color)
{
    QString text = QStringLiteral("フォント : ") + font.family() + QStringLiteral(", ") +
                   QString::number(Points(font)) + QStringLiteral(" pt, ");
    const std::pair<bool, const char*> styles[] = {
        {font.bold(), "太字"}, {font.italic(), "斜体"}, {font.underline(), "下線"}, {font.strikeOut(), "打ち消し線"}};
    for (const auto& [has, word] : styles) {
        if (has)
            text += QString::fromUtf8(word) + QStringLiteral(", ");
    }
    const TFontColor* named = FindFontColor(color);
    return text + QStringLiteral("フォントの色: ") +
           (named ? QString::fromLatin1(named->name) : color.name(QColor::HexRgb).toUpper());
}

TPrintOptions TfrmPrint::Options() const
{
    TPrintOptions options;
    options.Subject = rbFile->isChecked() ? TPrintSubject::File : TPrintSubject::Memo;
    options.IncludeTextPreview = chkIncludeTextPrev->isChecked();
    options.MaxLength = ueMaxLength->Value();
    options.TextOption = static_cast<TTextOption>(cbTextOption->currentIndex());
    options.IncludeMemoInfo = chkIncludeMemoInfo->isChecked();
    options.GeneralFont = ToPrintFont(fdGeneral);
    options.TextFont = ToPrintFont(fdText);
    options.EditorFont = ToPrintFont(m_host.EditorFont());
    return options;
}

void TfrmPrint::FormCreate()
{
    fdGeneral.color = Qt::black;
    fdText.color = Qt::black;
    memGeneralFont->setPlainText(DescribeFont(fdGeneral.font, fdGeneral.color));
    memTextFont->setPlainText(DescribeFont(fdText.font, fdText.color));
    cbTextOption->setCurrentIndex(0);
}

void TfrmPrint::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    RunGuarded(m_host.Dialogs(), [this] { FormShow(); });
}

// The memo is the preselected subject whenever a memo window is open.
void TfrmPrint::FormShow()
{
    const bool memoOpen = m_host.MemoWindowCount() > 0;
    QRadioButton* subject = memoOpen ? rbMemo : rbFile;
    rbMemo->setEnabled(memoOpen);
    // Selecting runs rbSubjectClick; a subject already selected runs it too,
    // so that the first opening matches the options shown.
    if (subject->isChecked())
        rbSubjectClick();
    else
        subject->setChecked(true);
    chkIncludeMemoInfo->setEnabled(memoOpen);
    btnOK->setFocus();
}

void TfrmPrint::rbSubjectClick()
{
    chkIncludeTextPrev->setEnabled(rbFile->isChecked());
    const bool preview = chkIncludeTextPrev->isEnabled() && chkIncludeTextPrev->isChecked();
    Panel1->setVisible(preview);
    lblMaxLength->setEnabled(preview);
    ueMaxLength->setEnabled(lblMaxLength->isEnabled());
    chkIncludeMemoInfo->setEnabled(rbMemo->isChecked());
}

void TfrmPrint::chkIncludeTextPrevClick()
{
    const bool preview = chkIncludeTextPrev->isChecked();
    lblMaxLength->setEnabled(preview);
    ueMaxLength->setEnabled(preview);
    Panel1->setVisible(preview);
}

void TfrmPrint::cbTextOptionChange()
{
    const bool ownFont = cbTextOption->currentIndex() == static_cast<int>(TTextOption::TextFont);
    btnTextFontSetUp->setEnabled(ownFont);
    memTextFont->setEnabled(ownFont);
}

void TfrmPrint::ChooseFont(TColoredFont& font, QPlainTextEdit* description)
{
    TColoredFont chosen = font;
    if (!m_host.Dialogs().ChooseFont(chosen.font, chosen.color))
        return;
    font = chosen;
    description->setPlainText(DescribeFont(font.font, font.color));
}

void TfrmPrint::btnGeneralFontSetUpClick()
{
    ChooseFont(fdGeneral, memGeneralFont);
}

void TfrmPrint::btnTextFontSetUpClick()
{
    ChooseFont(fdText, memTextFont);
}

void TfrmPrint::btnPrinterPropClick()
{
    m_host.Dialogs().PrinterSetup(Printer());
}

// A printer queue, or a PDF file named in the printer setup.
bool TfrmPrint::PrinterUsable()
{
    if (Printer().outputFormat() == QPrinter::PdfFormat)
        return !Printer().outputFileName().isEmpty();
    return !QPrinterInfo::availablePrinters().isEmpty();
}

// Prints and closes the dialog with OK, also after an error. Without a
// printer the dialog stays open, so that the printer setup can choose a
// PDF file.
void TfrmPrint::btnOKClick()
{
    if (!PrinterUsable()) {
        m_host.Dialogs().MessageBox(QStringLiteral("Vellora"), NoPrinterText, TMsgIcon::Warning, TMsgButton::Ok);
        return;
    }
    RunGuarded(m_host.Dialogs(), [this] {
        const TBusy busy(*this);  // over before an error reaches its message box
        PrintNow();
    });
    accept();
}

void TfrmPrint::PrintNow()
{
    const TPrintOptions options = Options();
    const bool memoSubject = options.Subject == TPrintSubject::Memo;
    if (memoSubject && m_host.MemoWindowCount() == 0)
        return;
    Printer().setDocName(QStringLiteral("Vellora"));
    TPdfDraft draft(Printer());
    {
        TPrinterCanvas canvas(Printer());
        TJobProgress progress(parentWidget(), memoSubject, m_progressDelay);
        try {
            if (memoSubject)
                PrintMemo(canvas, options, m_host.PrintStore(), m_host.ActivePrintMemo(), progress.Callback());
            else
                PrintCatalogue(canvas, options, m_host.PrintStore(), m_host.DocumentFileName().toStdString(),
                               progress.Callback());
        } catch (const TPrintCancelled&) {
            canvas.Abort();  // the job is dropped, not ended
            return;
        }
    }
    draft.Commit();
}
