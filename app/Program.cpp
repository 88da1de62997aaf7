// Program entry: the application titled "Vellora", its windows, the event
// loop until the main window has closed.
#include "Application.h"
#include "CommandIcons.h"
#include "LocaleFormats.h"
#include "Main.h"
#include "QtDialogs.h"
#include "SystemFormats.h"
#include "ToolkitTranslation.h"

#include <QApplication>
#include <QLocale>

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
    // The store's text forms follow the user's locale.
    CurrentFormats() = FormatsOfLocale(QLocale::system());
    InstallToolkitTranslation(app);

    TQtDialogs dialogs;
    TApplication vellora(dialogs, QString());
    dialogs.SetParent(&vellora.Main());
    QObject::connect(&vellora.Main(), &TfrmMain::Closed, &app, &QApplication::quit, Qt::QueuedConnection);
    vellora.Start();
    return app.exec();
}
