#include "DesktopHelpViewer.h"

#include <QDesktopServices>
#include <QUrl>

void TDesktopHelpViewer::Open(const QString& helpFile, int /*command*/, int /*data*/)
{
    // The desktop's handler always starts on the contents, so the command
    // needs no translation; whether it opened is not looked at.
    QDesktopServices::openUrl(QUrl::fromLocalFile(helpFile));
}
