// The engine over an INI file, driven through a small test window.
#include "IniFileLocation.h"
#include "IniFileText.h"
#include "IniSaveProps.h"
#include "SavePropError.h"
#include "TestComponents.h"
#include "../support/WriteLimit.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

QString ReadText(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

std::string MessageOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const ESavePropError& e) {
        return e.what();
    }
    return "(no error)";
}

class IniSaveProps : public ::testing::Test {
protected:
    // A window with its settings component and the test's entries.
    struct TFixtureWindow {
        TTestWindow window;
        TIniSaveProps* settings;
    };

    std::unique_ptr<TFixtureWindow> MakeWindow()
    {
        auto w = std::make_unique<TFixtureWindow>();
        w->settings = new TIniSaveProps(&w->window);
        w->settings->SetAutoSave(false);
        w->settings->SetFileName(iniPath);
        w->settings->SetRestorePlacement(TRestoreKind::Enabled | TRestoreKind::AllowMaximize);
        TProps& props = w->settings->Props();
        props.Add(w->window.tlbMain, "Left");
        props.Add(w->window.tlbMain, "Top");
        props.Add(w->window.statusBar, "Shown", "View", "StatusBar");
        props.Add(w->window.editor, "InitialDir");
        props.Add(w->window.editor, "Zoom");
        props.Add(w->window.editor, "EditMode");
        props.Add(w->window.editor, "Font", "EditorFont", "Font");
        props.Add(w->window.tlbMain, "Tag");
        return w;
    }

    static void SetValues(TTestWindow& w)
    {
        w.tlbMain->m_left = 11;
        w.tlbMain->m_top = -2;
        w.statusBar->m_shown = false;
        w.editor->m_initialDir = "/home/ユーザー/メモ";
        w.editor->m_zoom = 1.25;
        w.editor->m_mode = TTestEditor::Mode::Rich;
        w.editor->m_font->m_name = "IPA 'Gothic'";
        w.editor->m_font->m_size = 12;
        w.editor->m_font->m_lines = QStringList{"one", "two"};
        w.setGeometry(100, 120, 400, 300);
    }

    QTemporaryDir dir;
    QString iniPath = dir.filePath("test.ini");
};

} // namespace

TEST_F(IniSaveProps, FirstStartChangesNothingAndSaveStoresEveryEntry)
{
    auto w = MakeWindow();
    SetValues(w->window);
    w->settings->Loaded();
    EXPECT_EQ(w->window.tlbMain->m_left, 11);
    EXPECT_EQ(w->window.geometry(), QRect(100, 120, 400, 300));
    EXPECT_FALSE(QFile::exists(iniPath));

    w->settings->Save();
    EXPECT_EQ(ReadText(iniPath),
              "[tlbMain]\r\nLeft=11\r\nTop=-2\r\n\r\n"
              "[View]\r\nStatusBar=0\r\n\r\n"
              "[Editor1]\r\nInitialDir=/home/ユーザー/メモ\r\nZoom=1.25\r\nEditMode=1\r\n\r\n"
              "[EditorFont]\r\nFont0=  Obj.Name = 'IPA ''Gothic'''\r\nFont1=  Obj.Size = 12\r\n"
              "Font2=  Obj.Lines = (\r\nFont3=    'one'\r\nFont4=    'two')\r\n\r\n"
              "[WindowPlacement]\r\nfrmTestLeft=100\r\nfrmTestTop=120\r\nfrmTestRight=500\r\n"
              "frmTestBottom=420\r\nfrmTestState=0\r\n\r\n");
}

TEST_F(IniSaveProps, RoundTripRestoresPropertiesObjectAndMaximizedPlacement)
{
    {
        auto w = MakeWindow();
        SetValues(w->window);
        w->window.setWindowState(Qt::WindowMaximized);
        w->settings->Save();
    }
    EXPECT_TRUE(ReadText(iniPath).contains("frmTestState=2"));
    auto w = MakeWindow();
    w->settings->Loaded();
    const TTestWindow& r = w->window;
    EXPECT_EQ(r.tlbMain->m_left, 11);
    EXPECT_EQ(r.tlbMain->m_top, -2);
    EXPECT_FALSE(r.statusBar->m_shown);
    EXPECT_EQ(r.editor->m_initialDir, "/home/ユーザー/メモ");
    EXPECT_EQ(r.editor->m_zoom, 1.25);
    EXPECT_EQ(r.editor->m_mode, TTestEditor::Mode::Rich);
    EXPECT_EQ(r.editor->m_font->m_name, "IPA 'Gothic'");
    EXPECT_EQ(r.editor->m_font->m_size, 12);
    EXPECT_EQ(r.editor->m_font->m_lines, QStringList({"one", "two"}));
    EXPECT_TRUE(r.isMaximized());
    EXPECT_EQ(r.normalGeometry(), QRect(100, 120, 400, 300));
}

TEST_F(IniSaveProps, PlacementNeedsAllFiveKeysAndAnAllowedState)
{
    const auto placed = [&](const QByteArray& keys, TRestorePlacement allowed) {
        WriteBytes(iniPath, "[WindowPlacement]\r\nfrmTestLeft=10\r\nfrmTestTop=20\r\n" + keys);
        auto w = MakeWindow();
        w->window.setGeometry(1, 2, 30, 40);
        w->settings->SetRestorePlacement(allowed);
        w->settings->Load();
        return std::make_pair(w->window.geometry(), w->window.windowState());
    };
    const TRestorePlacement all = TRestoreKind::Enabled | TRestoreKind::AllowMinimize | TRestoreKind::AllowMaximize;
    const QRect unchanged(1, 2, 30, 40);
    const QRect stored(10, 20, 100, 200);
    const QByteArray rect = "frmTestRight=110\r\nfrmTestBottom=220\r\n";

    EXPECT_EQ(placed(rect, all).first, unchanged); // state missing
    EXPECT_EQ(placed(rect + "frmTestState=1\r\n", all), std::make_pair(stored, Qt::WindowStates(Qt::WindowMinimized)));
    EXPECT_EQ(placed(rect + "frmTestState=2\r\n", TRestoreKind::Enabled),
              std::make_pair(stored, Qt::WindowStates(Qt::WindowNoState)));
    EXPECT_EQ(placed(rect + "frmTestState=1\r\n", TRestoreKind::Enabled).second, Qt::WindowNoState);
    EXPECT_EQ(placed(rect + "frmTestState=7\r\n", all), std::make_pair(stored, Qt::WindowStates(Qt::WindowNoState)));
    EXPECT_EQ(placed(rect + "frmTestState=-1\r\n", all).second, Qt::WindowNoState);
    // A rectangle without area is not applied.
    EXPECT_EQ(placed("frmTestRight=10\r\nfrmTestBottom=220\r\nfrmTestState=0\r\n", all).first, unchanged);
}

TEST_F(IniSaveProps, MinimizedWindowIsStoredAsState1)
{
    auto w = MakeWindow();
    w->window.setWindowState(Qt::WindowMinimized);
    w->settings->Save();
    EXPECT_EQ(w->settings->ReadInteger("WindowPlacement", "frmTestState"), 1);
}

TEST_F(IniSaveProps, PlacementNeedsATopLevelOwner)
{
    TTestWindow window;
    TIniSaveProps onChild(window.tlbMain);
    EXPECT_EQ(MessageOf([&] { onChild.SetRestorePlacement(TRestoreKind::Enabled); }),
              "Owner が TForm でないと設定できません");
    EXPECT_EQ(onChild.RestorePlacement(), TRestorePlacement());
    onChild.SetRestorePlacement(TRestoreKind::AllowMaximize); // only Enabled is checked
    EXPECT_EQ(onChild.RestorePlacement(), TRestorePlacement(TRestoreKind::AllowMaximize));
}

TEST_F(IniSaveProps, DirectWritesToAnEntrysAddressAreRefused)
{
    auto w = MakeWindow();
    EXPECT_EQ(MessageOf([&] { w->settings->WriteInteger("view", "statusbar", 1); }),
              "セクション名 view とキー名 statusbar の組み合わせが重複しています");
    EXPECT_THROW(w->settings->WriteString("tlbMain", "Left", "x"), ESavePropError);
    EXPECT_THROW(w->settings->WriteFloat("tlbmain", "TAG", 1.0), ESavePropError); // unstorable, still owned
    EXPECT_FALSE(QFile::exists(iniPath)); // refused before the store opened

    // The engine's own loop writes the address; its after-save handler may
    // not, though its other writes go through.
    w->settings->OnAfterSave = [](TCustomSaveProps* s) {
        s->WriteInteger("Manager", "DockStatus", -1);
        s->WriteInteger("View", "StatusBar", 1);
    };
    EXPECT_EQ(MessageOf([&] { w->settings->Save(); }),
              "セクション名 View とキー名 StatusBar の組み合わせが重複しています");
    EXPECT_EQ(w->settings->ReadInteger("Manager", "DockStatus"), -1);
    EXPECT_EQ(w->settings->ReadString("View", "StatusBar"), "1");
    w->settings->WriteInteger("View", "Manager", 1);
    EXPECT_EQ(w->settings->ReadInteger("VIEW", "MANAGER"), 1);
}

TEST_F(IniSaveProps, SaveAndWritesDuringLoadAreDropped)
{
    WriteBytes(iniPath, "[tlbMain]\r\nLeft=5\r\n");
    auto w = MakeWindow();
    bool beforeLoadRan = false;
    w->settings->OnBeforeLoad = [&](TCustomSaveProps*) {
        beforeLoadRan = true;
        throw ESavePropError("ignored");
    };
    w->settings->OnAfterLoad = [&](TCustomSaveProps* s) {
        w->window.tlbMain->m_left = 99;
        s->Save();
        s->WriteString("Extra", "Key", "held in memory");
        EXPECT_EQ(s->ReadString("Extra", "Key"), "held in memory");
    };
    w->settings->Loaded();
    EXPECT_TRUE(beforeLoadRan);
    EXPECT_EQ(ReadText(iniPath), "[tlbMain]\r\nLeft=5\r\n");

    // An error after loading began ends Load but leaves the engine usable.
    w->settings->OnAfterLoad = [](TCustomSaveProps*) { throw ESavePropError("after load"); };
    EXPECT_THROW(w->settings->Load(), ESavePropError);
    EXPECT_EQ(w->window.tlbMain->m_left, 5);
    w->window.tlbMain->m_left = 98;
    w->settings->Save();
    EXPECT_TRUE(ReadText(iniPath).contains("Left=98"));
}

TEST_F(IniSaveProps, IntegersReadHexAndUnreadableAsZero)
{
    WriteBytes(iniPath, "[tlbMain]\r\nLeft=0x1F\r\nTop=12abc\r\n[N]\r\nA=$1F\r\nB=0x\r\nF=x\r\nE=\r\n");
    auto w = MakeWindow();
    w->window.tlbMain->m_top = 4;
    w->settings->Load();
    EXPECT_EQ(w->window.tlbMain->m_left, 31);
    EXPECT_EQ(w->window.tlbMain->m_top, 0); // stored, unreadable: 0
    TIniSaveProps& s = *w->settings;
    EXPECT_EQ(s.ReadInteger("n", "a"), 31);
    EXPECT_EQ(s.ReadInteger("N", "B"), 0);
    EXPECT_EQ(s.ReadInteger("N", "missing"), 0);
    EXPECT_EQ(s.ReadFloat("N", "F"), 0.0);
    EXPECT_EQ(s.ReadFloat("N", "E"), 0.0);
    EXPECT_TRUE(s.ValueExists("N", "E"));
    EXPECT_FALSE(s.ValueExists("N", "missing"));
    EXPECT_TRUE(s.ReadString("N", "missing").isEmpty());
}

TEST_F(IniSaveProps, RewriteDropsCommentsAndBlankLinesAndUsesLocaleFloats)
{
    WriteBytes(iniPath, "; settings\n[A]\n\nx=1\n; note\ny=2\n");
    TIniSaveProps s(nullptr);
    s.SetFileName(iniPath);
    s.SetLocale(QLocale(QLocale::German, QLocale::Germany));
    s.WriteFloat("A", "z", 1.5);
    EXPECT_EQ(ReadText(iniPath), "[A]\r\nx=1\r\ny=2\r\nz=1,5\r\n\r\n");
    EXPECT_EQ(s.ReadFloat("a", "Z"), 1.5);
}

TEST_F(IniSaveProps, ObjectEntryShrinkingLeavesNoOldKeys)
{
    auto w = MakeWindow();
    w->settings->Save();
    ASSERT_TRUE(ReadText(iniPath).contains("Font2=  Obj.Lines = ()"));
    w->window.editor->m_font->m_lines = QStringList{"a", "b"};
    w->settings->Save();
    ASSERT_TRUE(ReadText(iniPath).contains("Font4=    'b')"));
    w->settings->WriteInteger("EditorFont", "Written", 1); // lost at the next save

    w->window.editor->m_font->m_lines.clear();
    w->settings->Save();
    const QString text = ReadText(iniPath);
    EXPECT_TRUE(text.contains("[EditorFont]\r\nFont0=  Obj.Name = ''\r\nFont1=  Obj.Size = 0\r\n"
                              "Font2=  Obj.Lines = ()\r\n\r\n"))
        << text.toStdString();
    EXPECT_FALSE(text.contains("Written"));

    // Every key beginning with the item's key is read as part of the object.
    w->settings->BeginWrite();
    w->settings->WriteString("EditorFont", "FontColor", "  Obj.Size = 3");
    w->settings->EndWrite();
    w->settings->Load();
    EXPECT_EQ(w->window.editor->m_font->m_size, 3);
}

TEST_F(IniSaveProps, UnreadableObjectTextIsAClearError)
{
    WriteBytes(iniPath, "[EditorFont]\r\nFont0=  Obj.Missing = 1\r\n");
    auto w = MakeWindow();
    EXPECT_NE(MessageOf([&] { w->settings->Load(); }).find("Missing"), std::string::npos);
    WriteBytes(iniPath, "[EditorFont]\r\nFont0=  Obj.Size = 'text'\r\n");
    EXPECT_THROW(w->settings->Load(), ESavePropError);
    EXPECT_THROW(w->settings->ReadObject("EditorFont", "Font", w->window.editor), ESavePropError); // store closed
}

namespace {

// Counts FindValues calls.
class TCountingIniSaveProps : public TIniSaveProps {
public:
    using TIniSaveProps::TIniSaveProps;
    void FindValues(const QString& section) override
    {
        ++findCalls;
        TIniSaveProps::FindValues(section);
    }
    int findCalls = 0;
};

} // namespace

TEST_F(IniSaveProps, FindKeysReportsNumbersAndTextsUntilToldToStop)
{
    WriteBytes(iniPath, "[ListView]\r\nSize=0x1A\r\nName=Tahoma\r\nEmpty=\r\n=5\r\nW=-3\r\n[Other]\r\nA=1\r\n");
    TCountingIniSaveProps s(nullptr);
    s.SetFileName(iniPath);
    s.SetFindKeys({"listview", "Other", "Missing"});
    s.Load();
    EXPECT_EQ(s.findCalls, 0); // no handler, no search

    QStringList seen;
    bool stopAtSize = false;
    s.OnFindOrdValue = [&](TCustomSaveProps*, const QString& section, const QString& key, std::int32_t value,
                           bool& cont) {
        seen << section + "/" + key + "=" + QString::number(value);
        cont = !(stopAtSize && key == "Size");
    };
    s.OnFindStrValue = [&](TCustomSaveProps*, const QString& section, const QString& key, const QString& value,
                           bool&) { seen << section + "/" + key + ":" + value; };
    s.Load();
    EXPECT_EQ(seen, QStringList({"listview/Size=26", "listview/Name:Tahoma", "listview/W=-3", "Other/A=1"}));
    seen.clear();
    stopAtSize = true;
    s.Load();
    EXPECT_EQ(seen, QStringList({"listview/Size=26", "Other/A=1"}));

    // Without the ordinal handler numbers arrive as text.
    s.OnFindOrdValue = nullptr;
    seen.clear();
    s.SetFindKeys({"ListView"});
    s.Load();
    EXPECT_EQ(seen, QStringList({"ListView/Size:0x1A", "ListView/Name:Tahoma", "ListView/W:-3"}));
}

TEST_F(IniSaveProps, FileIsReadOncePerOpeningAndWrittenAtTheFinalWriteClose)
{
    WriteBytes(iniPath, "[A]\r\nx=1\r\n");
    TIniSaveProps s(nullptr);
    s.SetFileName(iniPath);
    s.BeginRead();
    WriteBytes(iniPath, "[A]\r\nx=2\r\n");
    EXPECT_EQ(s.ReadInteger("A", "x"), 1); // the document read at opening
    s.BeginWrite();
    s.WriteInteger("A", "y", 3);
    s.EndWrite();
    EXPECT_EQ(ReadText(iniPath), "[A]\r\nx=2\r\n"); // still open
    s.EndRead();                                     // a read-close drops the change
    EXPECT_EQ(s.ReadInteger("A", "x"), 2);
    EXPECT_FALSE(s.ValueExists("A", "y"));

    s.BeginWrite();
    s.BeginRead();
    s.WriteInteger("A", "y", 3);
    s.EndRead();
    s.EndWrite();
    EXPECT_EQ(ReadText(iniPath), "[A]\r\nx=2\r\ny=3\r\n\r\n");
}

TEST_F(IniSaveProps, FailedRewriteKeepsTheDocumentForTheNextWrite)
{
    WriteBytes(dir.filePath("plain"), "not a folder");
    TIniSaveProps s(nullptr);
    s.SetFileName(dir.filePath("plain/sub/test.ini"));
    EXPECT_NE(MessageOf([&] { s.WriteString("A", "x", "kept"); }).find("plain/sub/test.ini"), std::string::npos);
    s.SetFileName(iniPath);
    s.BeginWrite();
    s.WriteString("A", "y", "too");
    s.EndWrite();
    EXPECT_EQ(ReadText(iniPath), "[A]\r\nx=kept\r\ny=too\r\n\r\n");

    // Bad values are refused and the file is left alone.
    EXPECT_THROW(s.WriteString("A", "x", "two\nlines"), ESavePropError);
    EXPECT_EQ(s.ReadString("A", "x"), "kept");
}

TEST_F(IniSaveProps, Cp932FileIsReadAndRewrittenAsUtf8)
{
    WriteBytes(iniPath, "[A]\r\nx=\x83\x81\x83\x82\r\n"); // "メモ" in code page 932
    TIniSaveProps s(nullptr);
    s.SetFileName(iniPath);
    EXPECT_EQ(s.ReadString("A", "x"), "メモ");
    s.WriteInteger("A", "y", 1);
    EXPECT_EQ(ReadText(iniPath), "[A]\r\nx=メモ\r\ny=1\r\n\r\n");

    EXPECT_EQ(TIniFileText::Decode("\xEF\xBB\xBF[A]\tb"), "[A]\tb"); // UTF-8 with a byte-order mark
    EXPECT_FALSE(TIniFileText::Decode(QByteArray("[A]\r\nx=1\0\r\n", 10))); // binary junk
    EXPECT_FALSE(TIniFileText::Decode("[A]\r\nx=\x83"));        // neither UTF-8 nor code page 932
}

// Junk, a folder in place of the file, a file the user may not read.
TEST_F(IniSaveProps, UnreadableFileIsReportedOnceAndNeverWritten)
{
    const QByteArray junk("\x7F" "ELF\x02\x01\x01\0\0\0\0\0\0\0\0\0\x03\0>\0", 20);
    struct TCase {
        const char* name;
        std::function<void(const QString&)> make;
        const char* cause;
    };
    const std::vector<TCase> cases = {
        {"junk", [&](const QString& path) { WriteBytes(path, junk); }, "テキストファイルではありません"},
        {"folder", [](const QString& path) { ASSERT_TRUE(QDir().mkpath(path)); }, "ファイルではなくフォルダです"},
        {"no permission",
         [&](const QString& path) {
             WriteBytes(path, "[A]\r\nx=1\r\n");
             ASSERT_TRUE(QFile::setPermissions(path, QFile::WriteOwner));
         },
         "アクセスが拒否されました"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        if (geteuid() == 0 && std::string(c.name) == "no permission")
            continue; // root reads it all the same
        const QString path = dir.filePath(QString::fromLatin1(c.name) + ".ini");
        c.make(path);
        QStringList errors;
        TIniSaveProps s(nullptr);
        s.SetFileName(path);
        s.OnFileError = [&](const QString& message) { errors.append(message); };
        EXPECT_EQ(s.ReadInteger("A", "x"), 0);
        s.WriteInteger("A", "x", 5); // kept in memory for this run
        EXPECT_EQ(s.ReadInteger("A", "x"), 5);
        EXPECT_TRUE(s.Unreadable());
        ASSERT_EQ(errors.size(), 1);
        EXPECT_EQ(errors[0], "設定ファイル " + path + " を読み込めません (" + QString::fromUtf8(c.cause)
                                 + ")。設定は既定値で始め、このファイルには書き込みません。");
        if (std::string(c.name) == "junk") {
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            EXPECT_EQ(f.readAll(), junk);
        }
    }
    // Without a handler the first opening raises, and the file stays alone too.
    TIniSaveProps s(nullptr);
    s.SetFileName(dir.filePath("junk.ini"));
    EXPECT_THROW(s.ReadInteger("A", "x"), ESavePropError);
    s.WriteInteger("A", "x", 1);
    EXPECT_EQ(QFileInfo(dir.filePath("junk.ini")).size(), junk.size());
}

// A write that fails half way, as on a full disk, leaves the old file and
// no litter.
TEST_F(IniSaveProps, FailedWriteKeepsTheOldFileAndIsReportedOnce)
{
    WriteBytes(iniPath, "[A]\r\nx=old\r\n");
    QStringList errors;
    TIniSaveProps s(nullptr);
    s.SetFileName(iniPath);
    s.OnFileError = [&](const QString& message) { errors.append(message); };
    {
        const TWriteLimit limit;
        s.WriteString("A", "x", QString(100, u'n'));
        s.WriteString("A", "y", "again");
    }
    EXPECT_EQ(ReadText(iniPath), "[A]\r\nx=old\r\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"test.ini"}));
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith("設定を保存できません。ファイル " + iniPath + " を作成できません"));
    s.WriteString("A", "z", "now"); // the unwritten changes go with the next write
    EXPECT_EQ(ReadText(iniPath), "[A]\r\nx=" + QString(100, u'n') + "\r\ny=again\r\nz=now\r\n\r\n");
}

TEST_F(IniSaveProps, RewriteReplacesTheFileAndKeepsItsPermissions)
{
    WriteBytes(iniPath, "[A]\r\nx=1\r\n");
    ASSERT_TRUE(QFile::setPermissions(iniPath, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    struct stat before {};
    ASSERT_EQ(stat(QFile::encodeName(iniPath).constData(), &before), 0);
    TIniSaveProps s(nullptr);
    s.SetFileName(iniPath);
    s.WriteInteger("A", "x", 2);
    struct stat after {};
    ASSERT_EQ(stat(QFile::encodeName(iniPath).constData(), &after), 0);
    EXPECT_NE(before.st_ino, after.st_ino); // a new file renamed over the old one
    EXPECT_EQ(after.st_mode & 0777, 0640u);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"test.ini"}));
}

TEST_F(IniSaveProps, FileLocationFallsBackToTheConfigFolder)
{
    const QString exe = dir.filePath("bin/vellora");
    const QString config = dir.filePath("config/vellora");
    const auto writable = [](const QString&) { return true; };
    const auto readOnly = [](const QString&) { return false; };
    EXPECT_EQ(TIniFileLocation::Resolve(exe, config, writable), dir.filePath("bin/vellora.ini"));
    EXPECT_EQ(TIniFileLocation::Resolve(exe, config, readOnly), dir.filePath("config/vellora/vellora.ini"));
    EXPECT_EQ(TIniFileLocation::Resolve(dir.filePath("bin/app.exe"), config, writable), dir.filePath("bin/app.ini"));

    ASSERT_TRUE(QDir().mkpath(dir.filePath("bin/folder.ini")));
    EXPECT_TRUE(TIniFileLocation::CanWrite(dir.filePath("bin/vellora.ini"))); // absent, writable folder
    EXPECT_FALSE(TIniFileLocation::CanWrite(dir.filePath("bin/folder.ini")));
    EXPECT_FALSE(TIniFileLocation::CanWrite(dir.filePath("missing/vellora.ini")));
    if (geteuid() != 0) { // root may write anything
        WriteBytes(dir.filePath("bin/vellora.ini"), "");
        ASSERT_TRUE(QFile::setPermissions(dir.filePath("bin/vellora.ini"), QFile::ReadOwner));
        EXPECT_FALSE(TIniFileLocation::CanWrite(dir.filePath("bin/vellora.ini")));
        ASSERT_TRUE(QFile::setPermissions(dir.filePath("bin"), QFile::ReadOwner | QFile::ExeOwner));
        EXPECT_FALSE(TIniFileLocation::CanWrite(dir.filePath("bin/other.ini")));
        ASSERT_TRUE(QFile::setPermissions(dir.filePath("bin"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }

    // The configuration folder is created at the first write.
    TIniSaveProps s(nullptr);
    s.SetFileName(TIniFileLocation::Resolve(dir.filePath("ro/vellora"), config, readOnly));
    s.WriteInteger("A", "x", 1);
    EXPECT_TRUE(QFile::exists(dir.filePath("config/vellora/vellora.ini")));

    TIniSaveProps byDefault(nullptr);
    EXPECT_EQ(byDefault.GetIniFileName(), QCoreApplication::applicationDirPath() + "/saveprop_tests.ini");
}

TEST_F(IniSaveProps, AutoSaveRunsWhenTheOwnerGoesAway)
{
    {
        auto w = MakeWindow();
        w->settings->SetAutoSave(true);
        w->window.tlbMain->m_left = 42;
        w->window.show();
    }
    EXPECT_TRUE(ReadText(iniPath).contains("[tlbMain]\r\nLeft=42\r\n"));

    const QString otherPath = dir.filePath("other.ini");
    {
        TTestBar bar; // outlives the owner
        bar.setObjectName("bar");
        bar.m_left = 7;
        QObject owner;
        auto* s = new TIniSaveProps(&owner); // AutoSave is on from the start
        s->SetFileName(otherPath);
        s->Props().Add(&bar, "Left");
    }
    EXPECT_EQ(ReadText(otherPath), "[bar]\r\nLeft=7\r\n\r\n");

    // Re-creating the native window saves too.
    struct TRecreatableWindow : TTestWindow {
        using QWidget::create;
        using QWidget::destroy;
    };
    const QString recreatedPath = dir.filePath("recreated.ini");
    {
        TRecreatableWindow window;
        auto* s = new TIniSaveProps(&window);
        s->SetFileName(recreatedPath);
        s->Props().Add(window.tlbMain, "Left");
        window.show();
        window.tlbMain->m_left = 3;
        window.destroy();
        EXPECT_EQ(ReadText(recreatedPath), "[tlbMain]\r\nLeft=3\r\n\r\n");
        window.create();
    }

    // A failing automatic save is reported, not thrown through Qt.
    QString reported;
    {
        auto w = MakeWindow();
        w->settings->SetFileName(dir.filePath("other.ini/x.ini"));
        w->settings->SetAutoSave(true);
        w->settings->OnAutoSaveError = [&](const QString& message) { reported = message; };
        w->window.show();
    }
    EXPECT_TRUE(reported.contains("x.ini"));
}
