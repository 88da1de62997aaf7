#pragma once
// A fixture that runs the program's windows on a settings file of its own
// in a temporary folder, with the scripted dialogs.

#include "Application.h"
#include "IniSaveProps.h"
#include "Main.h"
#include "Manager.h"
#include "Memo.h"
#include "ScriptedDialogs.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

class AppTest : public ::testing::Test {
protected:
    void Start();
    // Closes through the exit command, then ends the program as the event
    // loop would; the settings are written.
    void Exit();
    void Restart();
    void TearDown() override;

    TfrmMain& Main() const { return m_app->Main(); }
    TfrmManager& Manager() const { return m_app->Manager(); }
    QString IniPath() const { return m_dir.filePath(QStringLiteral("vellora.ini")); }
    QString FilePath(const QString& name) const { return m_dir.filePath(name); }

    // A value of the settings file as it is on disk.
    int IniInteger(const QString& section, const QString& key);
    QString IniString(const QString& section, const QString& key);
    bool IniHas(const QString& section, const QString& key);
    void WriteIni(const QString& section, const QString& key, int value);
    void WriteIni(const QString& section, const QString& key, const QString& value);

    // Puts a memo straight into the document.
    void AddMemo(const QString& title, const QStringList& keywords = {}, const QString& text = {});
    int MemoRows();
    TfrmMemo* NewMemo();
    // Docks the manager on the right at about 180 pixels; the site's width.
    int DockManagerRight();
    static void Idle();
    // One pass of idle work, as when the event loop is about to wait.
    static void IdlePass();

    QTemporaryDir m_dir;
    TScriptedDialogs m_dialogs;
    std::unique_ptr<TApplication> m_app;

private:
    template <typename Work> auto WithIni(Work&& work);
};

// Readable failure output for Qt's strings.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList& texts, std::ostream* out)
{
    *out << '{';
    for (const QString& text : texts)
        *out << " \"" << text.toStdString() << '"';
    *out << " }";
}

// The save question of a memo window or of the document.
QString ChangedQuestion(const QString& subject);
