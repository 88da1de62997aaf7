#include "QtDialogs.h"

#include "FontColorDialog.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace {
QMessageBox::Icon ToQt(TMsgIcon icon)
{
    switch (icon) {
    case TMsgIcon::Information: return QMessageBox::Information;
    case TMsgIcon::Warning: return QMessageBox::Warning;
    case TMsgIcon::Error: return QMessageBox::Critical;
    case TMsgIcon::Question: return QMessageBox::Question;
    case TMsgIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

struct TButtonPair {
    TMsgButton ours;
    QMessageBox::StandardButton qt;
};
constexpr TButtonPair ButtonPairs[] = {{TMsgButton::Yes, QMessageBox::Yes},
                                       {TMsgButton::No, QMessageBox::No},
                                       {TMsgButton::Ok, QMessageBox::Ok},
                                       {TMsgButton::Cancel, QMessageBox::Cancel}};

// "Text (*.txt)|*.txt|All|*.*" -> "Text (*.txt) (*.txt)", "All (*)": Qt
// reads the patterns from the last parentheses of each entry, and the
// dialog shows the description alone (HideNameFilterDetails). "*.*" means
// every file, also one without an extension.
QStringList QtFilters(const QString& filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(u';', Qt::SkipEmptyParts);
        for (QString& pattern : patterns) {
            pattern = pattern.trimmed();
            if (pattern == QStringLiteral("*.*"))
                pattern = QStringLiteral("*");
        }
        filters << parts[i] + QStringLiteral(" (") + patterns.join(u' ') + u')';
    }
    return filters;
}

// A dialog without a title of its own keeps the toolkit's ("開く",
// "名前を付けて保存"), which follows its accept mode.
void Prepare(QFileDialog& dialog, const TFileDialogRequest& request)
{
    if (!request.title.isEmpty())
        dialog.setWindowTitle(request.title);
    dialog.setDirectory(request.initialDir);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    const QStringList filters = QtFilters(request.filter);
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
        dialog.selectNameFilter(filters[request.filterIndex - 1]);
    dialog.setDefaultSuffix(request.defaultExt);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
}
}  // namespace

TMsgButton TQtDialogs::MessageBox(const QString& caption, const QString& text, TMsgIcon icon, TMsgButtons buttons)
{
    QMessageBox box(ToQt(icon), caption, text, QMessageBox::NoButton, m_parent);
    for (const TButtonPair& pair : ButtonPairs) {
        if (buttons.testFlag(pair.ours))
            box.addButton(pair.qt);
    }
    const int pressed = box.exec();
    for (const TButtonPair& pair : ButtonPairs) {
        if (pressed == pair.qt)
            return pair.ours;
    }
    return buttons.testFlag(TMsgButton::Cancel) ? TMsgButton::Cancel : TMsgButton::No;
}

QString TQtDialogs::InputBox(const QString& caption, const QString& prompt, const QString& defaultText)
{
    QString text = defaultText;
    return InputQuery(caption, prompt, text) ? text : defaultText;
}

bool TQtDialogs::InputQuery(const QString& caption, const QString& prompt, QString& text)
{
    bool ok = false;
    const QString typed = QInputDialog::getText(m_parent, caption, prompt, QLineEdit::Normal, text, &ok);
    if (ok)
        text = typed;
    return ok;
}

QStringList TQtDialogs::OpenFiles(const TFileDialogRequest& request)
{
    QFileDialog dialog(m_parent);
    Prepare(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(request.multiSelect ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles() : QStringList();
}

QString TQtDialogs::SaveFile(const TFileDialogRequest& request)
{
    QFileDialog dialog(m_parent);
    Prepare(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

bool TQtDialogs::ChooseFont(QFont& font, QColor& color)
{
    TFontColorDialog dialog(font, color, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    font = dialog.SelectedFont();
    color = dialog.SelectedColor();
    return true;
}

bool TQtDialogs::PrinterSetup(QPrinter& printer)
{
    QPrintDialog dialog(&printer, m_parent);
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    // It sets the printer up; the print dialog's OK prints.
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
        if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok))
            ok->setText(QStringLiteral("OK"));
    }
    return dialog.exec() == QDialog::Accepted;
}

void TQtDialogs::ShowError(const QString& message)
{
    QMessageBox::critical(m_parent, QStringLiteral("Vellora"), message);
}
