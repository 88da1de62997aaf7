#pragma once
// The print dialog: what to print (the document's catalogue or the memo of
// the active editor window), which parts, the fonts and the printer. OK
// prints at once. The choices stay between openings for the whole run.

#include "FontColors.h"
#include "PrintLayout.h"

#include <QDialog>
#include <QPrinter>

#include <memory>

#include <chrono>

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class TPrintHost;
class TQxUpDownEdit;

class TfrmPrint : public QDialog {
    Q_OBJECT
public:
    TfrmPrint(TPrintHost& host, QWidget* parent = nullptr);
    ~TfrmPrint() override;

    // "フォント : name, 9 pt, 太字, フォントの色: Black".
    static QString DescribeFont(const QFont& font, const QColor& color);

    // The options of the dialog as the print layout takes them.
    TPrintOptions Options() const;
    // The printer the next job goes to, as the printer setup left it.
    // Made at first use: looking up the system's printers can be slow, and
    // start-up should not wait for it.
    QPrinter& Printer();
    // How long a job runs before its progress is shown.
    void SetProgressDelay(std::chrono::milliseconds delay) { m_progressDelay = delay; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CreateSubjectGroup();
    void CreateFontGroup();
    void CreateTextOptionPanel();
    void CreateButtons();
    void Connect();

    void FormCreate();
    void FormShow();
    void rbSubjectClick();
    void chkIncludeTextPrevClick();
    void cbTextOptionChange();
    void btnGeneralFontSetUpClick();
    void btnTextFontSetUpClick();
    void btnPrinterPropClick();
    void btnOKClick();
    // Runs the job on the printer; a cancelled job is dropped unended.
    void PrintNow();
    bool PrinterUsable();
    void ChooseFont(TColoredFont& font, QPlainTextEdit* description);
    // Connects a signal to a handler run inside the error guard.
    template <typename Sender, typename Signal>
    void Guarded(Sender* sender, Signal signal, void (TfrmPrint::*handler)());

    TPrintHost& m_host;
    std::chrono::milliseconds m_progressDelay{1000};

    QGroupBox* GroupBox1 = nullptr;
    QRadioButton* rbFile = nullptr;
    QCheckBox* chkIncludeTextPrev = nullptr;
    QLabel* lblMaxLength = nullptr;
    TQxUpDownEdit* ueMaxLength = nullptr;
    QRadioButton* rbMemo = nullptr;
    QCheckBox* chkIncludeMemoInfo = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QPushButton* btnGeneralFontSetUp = nullptr;
    QPlainTextEdit* memGeneralFont = nullptr;
    QFrame* Panel1 = nullptr;
    QLabel* Label2 = nullptr;
    QComboBox* cbTextOption = nullptr;
    QPushButton* btnTextFontSetUp = nullptr;
    QPlainTextEdit* memTextFont = nullptr;
    QPushButton* btnPrinterProp = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;
    TColoredFont fdGeneral;
    TColoredFont fdText;
    // What the printer setup chooses, kept for the whole run; at the printer's
    // own resolution, which the layout's units are, as vellora-doc pdf prints.
    std::unique_ptr<QPrinter> m_printer;
};
