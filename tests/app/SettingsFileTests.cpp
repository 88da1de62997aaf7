// The program over a settings file it cannot read or write: it starts with
// the design values, says so once, closes normally and loses nothing.
#include "AppFixture.h"
#include "Cp932Codec.h"
#include "FileDialog.h"
#include "../support/WriteLimit.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <unistd.h>

namespace {

QByteArray FileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

const QString kSettings = QStringLiteral("[View]\r\nManager=0\r\n\r\n");

} // namespace

using SettingsFile = AppTest;

TEST_F(SettingsFile, UnreadableFileStartsWithDesignValuesAndIsLeftAlone)
{
    const QByteArray junk("\0\0\0\x01\xFF\xFE" "binary", 12);
    WriteBytes(IniPath(), junk);
    Start();
    const QStringList errors = m_dialogs.TakeErrors();
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith("設定ファイル " + IniPath() + " を読み込めません")) << errors[0].toStdString();
    EXPECT_TRUE(Main().Command("ViewManager")->isChecked()); // the design value
    Exit();
    EXPECT_EQ(m_dialogs.TakeErrors(), QStringList());
    EXPECT_EQ(FileBytes(IniPath()), junk);
}

TEST_F(SettingsFile, Cp932FileIsReadAndWrittenBackAsUtf8)
{
    const QString fontName = QStringLiteral("ＭＳ 明朝");
    WriteBytes(IniPath(), QByteArray::fromStdString(
                              Utf8ToCp932(("[View]\r\nManager=0\r\nEditorFont.Name=" + fontName + "\r\n").toStdString())));
    Start();
    EXPECT_EQ(m_dialogs.TakeErrors(), QStringList());
    EXPECT_FALSE(Main().Command("ViewManager")->isChecked());
    EXPECT_EQ(Main().EditorFont().font.family(), fontName);
    Exit();
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(FileBytes(IniPath()));
    EXPECT_FALSE(utf8.hasError());
    EXPECT_TRUE(text.contains("EditorFont.Name=" + fontName + "\r\n"));
}

// A read-only folder (not for root, who may write there all the same) or a
// write that fails half way: the exit command still ends the program, with one
// message, and the old file stays.
TEST_F(SettingsFile, UnwritableFileIsReportedOnceAndTheProgramCloses)
{
    WriteBytes(IniPath(), kSettings.toUtf8());
    Start();
    {
        const QFile::Permissions writable = QFileInfo(m_dir.path()).permissions();
        TWriteLimit limit;
        if (geteuid() != 0) {
            ASSERT_TRUE(QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::ExeOwner));
        }
        Exit();
        QFile::setPermissions(m_dir.path(), writable);
    }
    const QStringList errors = m_dialogs.TakeErrors();
    ASSERT_EQ(errors.size(), 1) << errors.join("\n").toStdString();
    EXPECT_TRUE(errors[0].startsWith("設定を保存できません。ファイル " + IniPath() + " を作成できません"));
    EXPECT_EQ(FileBytes(IniPath()), kSettings.toUtf8());
}

TEST_F(SettingsFile, FolderWithALineBreakIsNotStoredAndEverythingElseIs)
{
    WriteBytes(IniPath(), "[OpenDialog1]\r\nInitialDir=/tmp\r\n");
    Start();
    Main().findChild<TFileDialog*>("OpenDialog1")->SetInitialDir("/tmp/two\nlines");
    Exit();
    const QStringList errors = m_dialogs.TakeErrors();
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains("InitialDir"));
    EXPECT_EQ(IniString("OpenDialog1", "InitialDir"), "/tmp");
    for (const auto& [section, key] : {std::pair{"SaveDialog1", "InitialDir"}, {"WindowPlacement", "frmMainState"},
                                       {"View", "EditorFont.Name"}, {"Manager", "FileName"}, {"ListView", "Column.Width0"}})
        EXPECT_TRUE(IniHas(section, key)) << section << "/" << key;
}

// A folder whose name holds a control character, which the file's text
// cannot carry: it is not stored, and the next start reads the file.
TEST_F(SettingsFile, FolderWithAControlCharacterLeavesTheFileReadable)
{
    WriteBytes(IniPath(), "[OpenDialog1]\r\nInitialDir=/tmp\r\n");
    Start();
    Main().findChild<TFileDialog*>("OpenDialog1")->SetInitialDir(QStringLiteral("/tmp/a\x01" "b"));
    Exit();
    EXPECT_EQ(m_dialogs.TakeErrors().size(), 1);
    Start();
    EXPECT_EQ(m_dialogs.TakeErrors(), QStringList());
    EXPECT_EQ(IniString("OpenDialog1", "InitialDir"), "/tmp");
}
