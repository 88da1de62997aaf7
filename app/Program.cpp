// Program entry: the application titled "Vellora", its windows, the event
// loop until the main window has closed.
#include "Application.h"
#include "CommandIcons.h"
#include "LocaleFormats.h"
#include "Main.h"
#include "QtDialogs.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {
// The store's text forms follow the user's locale, except the C locale,
// which keeps the Japanese defaults.
void FillLocaleFormats()
{
    const QLocale locale = QLocale::system();
    if (locale.language() == QLocale::C)
        return;
    LocaleFormats& formats = CurrentFormats();
    formats.ShortDateFormat = locale.dateFormat(QLocale::ShortFormat).toStdString();
    formats.LongTimeFormat = locale.timeFormat(QLocale::LongFormat).remove(u't').trimmed().toStdString();
    const QString decimal = locale.decimalPoint();
    if (decimal.size() == 1 && decimal[0].unicode() < 0x80)
        formats.DecimalSeparator = static_cast<char>(decimal[0].unicode());
}
// The toolkit's own texts (message box buttons, file and font dialogs) are
// Japanese, whatever the system locale.
void LoadToolkitTranslation(QTranslator& translator)
{
    if (translator.load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&translator);
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("vellora");  // names the per-user settings folder
    QApplication::setApplicationVersion(VELLORA_VERSION);
    QApplication::setQuitOnLastWindowClosed(false);
    // The desktop entry's name, so that the desktop shows its icon for the windows.
    QApplication::setDesktopFileName(QStringLiteral("org.vellora.Vellora"));
    QApplication::setWindowIcon(OwnIcon(QStringLiteral("vellora")));
    InstallIconTheme();
    FillLocaleFormats();
    QTranslator toolkitTexts;
    LoadToolkitTranslation(toolkitTexts);

    TQtDialogs dialogs;
    TApplication vellora(dialogs, QString());
    dialogs.SetParent(&vellora.Main());
    QObject::connect(&vellora.Main(), &TfrmMain::Closed, &app, &QApplication::quit, Qt::QueuedConnection);
    vellora.Start();
    return app.exec();
}
