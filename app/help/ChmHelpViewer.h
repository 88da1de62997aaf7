#pragma once
// The program's own help viewer: one help window, made at the first call
// and raised at every later one. It belongs to the help module's owner
// window and closes with it.

#include "HelpViewer.h"
#include "HelpWindow.h"

#include <QPointer>

class TChmHelpViewer : public THelpViewer {
public:
    ~TChmHelpViewer() override;
    void Open(const QString& helpFile, int command, int data) override;

    THelpWindow* Window() const { return m_window; }

private:
    QPointer<THelpWindow> m_window;
};
