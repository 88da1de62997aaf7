#pragma once
// The program's windows in their order of creation: the main window, the
// about box, the file manager window and the print dialog. They go in
// the reverse order, so that the file manager writes its settings before
// the main window saves its own. The idle work runs each time the event
// loop is about to wait.

#include "Guard.h"

#include <QObject>
#include <memory>

class TAboutBox;
class TDialogs;
class TfrmMain;
class TfrmManager;
class TfrmPrint;

class TApplication : public QObject {
    Q_OBJECT
public:
    TApplication(TDialogs& dialogs, const QString& iniFileName);
    ~TApplication() override;

    TfrmMain& Main() const { return *m_main; }
    TfrmManager& Manager() const { return *m_manager; }
    TAboutBox& AboutBox() const { return *m_about; }
    TfrmPrint& PrintDialog() const { return *m_print; }

    // Shows the main window; its first showing shows or hides the file
    // manager as the settings say.
    void Start();

private:
    void Idle();

    TRepeatedWorkGuard m_idleGuard;
    std::unique_ptr<TfrmMain> m_main;
    std::unique_ptr<TAboutBox> m_about;
    std::unique_ptr<TfrmManager> m_manager;
    std::unique_ptr<TfrmPrint> m_print;
};
