#pragma once
// A file dialog of a window: its filter, title, default extension and
// options, and the start folder that the settings keep (InitialDir). It is
// shown through the dialogs seam.

#include "Dialogs.h"

#include <QObject>

class TFileDialog : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString InitialDir READ InitialDir WRITE SetInitialDir)
public:
    TFileDialog(const QString& name, const TFileDialogRequest& design, QObject* owner);

    QString InitialDir() const { return m_request.initialDir; }
    void SetInitialDir(const QString& folder) { m_request.initialDir = folder; }
    TFileDialogRequest& Request() { return m_request; }

    // The chosen path or paths; empty when cancelled. After a choice the
    // dialog starts in the chosen file's folder next time only when the
    // caller says so (RememberFolder).
    QStringList Open(TDialogs& dialogs) const;
    QString Save(TDialogs& dialogs) const;
    void RememberFolder(const QString& chosenPath);

private:
    TFileDialogRequest m_request;
};
