#include "ChmHelpViewer.h"

#include "ChmManager.h"

#include <QCoreApplication>

TChmHelpViewer::~TChmHelpViewer()
{
    // A window without an owner is this viewer's; after the application
    // object has gone no window may be touched.
    if (QCoreApplication::instance() && m_window && !m_window->parent())
        delete m_window;
}

// Every command opens the window; a new window starts on the file's first
// page, an open one keeps its page. A window that could not read its file
// tries again, so a help file put in place meanwhile is shown.
void TChmHelpViewer::Open(const QString& helpFile, int /*command*/, int /*data*/)
{
    if (!m_window)
        m_window = new THelpWindow(HelpOwner());
    if (m_window->HelpFile() != helpFile || m_window->isHidden() || !m_window->IsShowingFile())
        m_window->Load(helpFile);
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}
