#include "Application.h"

#include "About.h"
#include "Guard.h"
#include "IniSaveProps.h"
#include "Main.h"
#include "Manager.h"
#include "Print.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>

TApplication::TApplication(TDialogs& dialogs, const QString& iniFileName) : m_idleGuard(dialogs)
{
    m_main = std::make_unique<TfrmMain>(dialogs, iniFileName);
    m_about = std::make_unique<TAboutBox>(m_main.get());
    m_main->SetAboutBox(m_about.get());
    m_manager = std::make_unique<TfrmManager>(*m_main, m_main->Settings(), m_main.get());
    m_main->SetManager(m_manager.get());
    m_print = std::make_unique<TfrmPrint>(*m_main, m_main.get());
    m_main->SetPrintDialog(m_print.get());
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance())
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, &TApplication::Idle);
}

TApplication::~TApplication()
{
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance())
        disconnect(dispatcher, nullptr, this, nullptr);
    m_print.reset();
    m_manager.reset();
    m_about.reset();
    m_main.reset();
}

void TApplication::Start()
{
    m_main->show();
}

void TApplication::Idle()
{
    m_idleGuard.Run([this] { m_main->ApplicationIdle(); });
}
