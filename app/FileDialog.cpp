#include "FileDialog.h"

#include <QFileInfo>

TFileDialog::TFileDialog(const QString& name, const TFileDialogRequest& design, QObject* owner)
    : QObject(owner), m_request(design)
{
    setObjectName(name);
}

QStringList TFileDialog::Open(TDialogs& dialogs) const
{
    return dialogs.OpenFiles(m_request);
}

QString TFileDialog::Save(TDialogs& dialogs) const
{
    QString path = dialogs.SaveFile(m_request);
    // A name typed without an extension gets the default one.
    if (!path.isEmpty() && !m_request.defaultExt.isEmpty() && QFileInfo(path).suffix().isEmpty())
        path += u'.' + m_request.defaultExt;
    return path;
}

void TFileDialog::RememberFolder(const QString& chosenPath)
{
    m_request.initialDir = QFileInfo(chosenPath).absolutePath() + u'/';
}
