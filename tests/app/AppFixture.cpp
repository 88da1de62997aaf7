#include "AppFixture.h"

#include "Cp932Codec.h"
#include "MemoDocument.h"
#include "QuorvexDataAccessSystem.h"
#include "RsizDock.h"
#include "TextForms.h"

#include <QAbstractEventDispatcher>
#include <QMdiArea>
#include <QMdiSubWindow>

QString ChangedQuestion(const QString& subject)
{
    return subject + QStringLiteral("は変更されています。 保存しますか？");
}

void AppTest::Start()
{
    ASSERT_TRUE(m_dir.isValid());
    m_app = std::make_unique<TApplication>(m_dialogs, IniPath());
    m_app->Start();
    QCoreApplication::processEvents();
}

void AppTest::Exit()
{
    Main().RunCommand(QStringLiteral("FileExit1"));
    ASSERT_FALSE(Main().isVisible()) << "the main window refused to close";
    m_app.reset();
}

void AppTest::Restart()
{
    Exit();
    Start();
}

void AppTest::TearDown()
{
    m_app.reset();
    m_dialogs.VerifyDone();
}

template <typename Work> auto AppTest::WithIni(Work&& work)
{
    QObject owner;
    TIniSaveProps ini(&owner);
    ini.SetFileName(IniPath());
    return work(ini);
}

int AppTest::IniInteger(const QString& section, const QString& key)
{
    return WithIni([&](TIniSaveProps& ini) { return ini.ReadInteger(section, key); });
}

QString AppTest::IniString(const QString& section, const QString& key)
{
    return WithIni([&](TIniSaveProps& ini) { return ini.ReadString(section, key); });
}

bool AppTest::IniHas(const QString& section, const QString& key)
{
    return WithIni([&](TIniSaveProps& ini) { return ini.ValueExists(section, key); });
}

void AppTest::WriteIni(const QString& section, const QString& key, int value)
{
    WithIni([&](TIniSaveProps& ini) {
        ini.WriteInteger(section, key, value);
        return 0;
    });
}

void AppTest::WriteIni(const QString& section, const QString& key, const QString& value)
{
    WithIni([&](TIniSaveProps& ini) {
        ini.WriteString(section, key, value);
        return 0;
    });
}

void AppTest::AddMemo(const QString& title, const QStringList& keywords, const QString& text)
{
    MemoRecord memo;
    memo.Title = Utf8ToCp932(title.toStdString());
    for (const QString& keyword : keywords)
        memo.Keywords.push_back(Utf8ToCp932(keyword.toStdString()));
    memo.Text = Utf8ToCp932(text.toStdString());
    AddMemoRow(Manager().Store(), memo.Title);
    WriteMemo(Manager().Store(), memo, TodaySerial());
    Manager().SetDocumentModified(true);
}

int AppTest::MemoRows()
{
    return MemoCount(Manager().Store());
}

TfrmMemo* AppTest::NewMemo()
{
    Main().RunCommand(QStringLiteral("MemoNew"));
    return Main().ActiveMemo();
}

int AppTest::DockManagerRight()
{
    TResizeDockSite* right = Main().DockSites().at(1);
    right->Dock(&Manager());
    Idle();
    right->SetSize(180, 0);
    Idle();
    return right->Width();
}

void AppTest::Idle()
{
    QCoreApplication::processEvents();
}

void AppTest::IdlePass()
{
    emit QAbstractEventDispatcher::instance()->aboutToBlock();
}
