#pragma once
// What the file manager window needs from the main window. The main window
// implements it; the file manager never sees the main window's class.

#include <QList>
#include <QString>

class QAction;
class TDialogs;
class TResizeDockSite;

class TManagerHost {
public:
    virtual ~TManagerHost() = default;

    virtual TDialogs& Dialogs() = 0;
    // A command by name, as a menu entry would run it: its enabling rule
    // first, then its handler when it is enabled.
    virtual void RunCommand(const QString& name) = 0;
    virtual QAction* Command(const QString& name) = 0;

    virtual QString DocumentFileName() const = 0;
    virtual void SetDocumentFileName(const QString& fileName) = 0;
    virtual void SyncApplicationTitle() = 0;

    virtual int MemoWindowCount() const = 0;
    // The save question of the active memo window; false when the user
    // keeps it open.
    virtual bool AskSaveActiveMemo() = 0;
    // Closes the active memo window without a question and lets it go
    // before returning.
    virtual void CloseActiveMemo() = 0;

    virtual QList<TResizeDockSite*> DockSites() const = 0;
};
