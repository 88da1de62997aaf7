// Documents that are damaged or lack the memo layout, idle work that fails,
// and input that is not a regular file: one clear message each, and the
// program goes on with the untitled empty document.
#include "AppFixture.h"
#include "Guard.h"
#include "MemoDocument.h"
#include "MemoListModel.h"
#include "QuorvexDataAccessSystem.h"
#include "StatusBar.h"
#include "WordBox.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>
#include <sys/stat.h>

namespace {

struct TBadDocument {
    const char* name;
    QString missing;  // what the message names; empty for a damaged file
};

const TBadDocument BadDocuments[] = {
    {"zero-filled", "表 \"Memos\" がありません"},
    {"empty-store", "表 \"Memos\" がありません"},
    {"other-tables", "表 \"Memos\" がありません"},
    {"no-update", "表 \"Memos\" に列 \"Update\" がありません"},
    {"truncated", {}},
};

class DamagedDocumentTest : public AppTest {
protected:
    // Writes the bad document `name` and gives its path.
    QString WriteBadDocument(const std::string& name)
    {
        const QString path = FilePath(QString::fromStdString(name) + ".vlr");
        const std::string file = path.toStdString();
        TQuorvexDataAccessSystem store;
        if (name == "zero-filled") {
            QFile zeros(path);
            EXPECT_TRUE(zeros.open(QIODevice::WriteOnly));
            zeros.write(QByteArray(4096, '\0'));
        } else if (name == "truncated") {
            QFile::copy(VELLORA_TEST_DATA_DIR "/truncated-in-text.vlr", path);
        } else {
            if (name == "other-tables") {
                store.AddTable("Notes");
                store.AddCol("Notes", "Title", ctString);
            } else if (name == "no-update") {
                store.AddTable("Memos");
                for (const char* col : {"Title", "Keywords", "Text"})
                    store.AddCol("Memos", col, ctString);
            }
            store.SaveToFile(file, DocumentKey);
        }
        return path;
    }

    // The one message for the document, then an untitled empty document
    // with the memo layout that idle work, the list and a new memo can use.
    void ExpectRefusedAndUsable(const TBadDocument& bad, const QString& path)
    {
        const QStringList errors = m_dialogs.TakeErrors();
        ASSERT_EQ(errors.size(), 1) << bad.name;
        const QString start = "ファイル " + path + (bad.missing.isEmpty() ? " は壊れています"
                                                                          : " はメモの文書ではありません (" + bad.missing + ")");
        EXPECT_TRUE(errors[0].startsWith(start)) << bad.name << ": " << errors[0].toStdString();
        EXPECT_TRUE(Main().DocumentFileName().isEmpty());
        EXPECT_EQ(Main().windowTitle(), "Vellora");
        EXPECT_EQ(MissingMemoLayout(Manager().Store()), "");
        IdlePass();
        IdlePass();
        EXPECT_EQ(m_dialogs.TakeErrors(), QStringList()) << bad.name;
        AddMemo("new");
        Manager().RefreshList();
        IdlePass();
        EXPECT_EQ(Manager().MemoList()->model()->rowCount(), 1);
        EXPECT_TRUE(Main().StatusBar()->PanelText(2).endsWith("(includes 1 memos)"));
        EXPECT_EQ(m_dialogs.TakeErrors(), QStringList()) << bad.name;
    }
};

}  // namespace

TEST_F(DamagedDocumentTest, StartUpRefusesTheLastDocumentWhenItIsNoMemoDocument)
{
    for (const TBadDocument& bad : BadDocuments) {
        const QString path = WriteBadDocument(bad.name);
        WriteIni("Manager", "FileName", path);
        Start();
        ExpectRefusedAndUsable(bad, path);
        m_app.reset();
    }
}

TEST_F(DamagedDocumentTest, OpenRefusesADocumentWithoutTheMemoLayout)
{
    Start();
    for (const TBadDocument& bad : BadDocuments) {
        const QString path = WriteBadDocument(bad.name);
        m_dialogs.ExpectOpen({path});
        Main().RunCommand("FileOpen1");
        ExpectRefusedAndUsable(bad, path);
        Manager().SetDocumentModified(false);
        ASSERT_TRUE(Manager().CloseDocument());
    }
}

TEST_F(DamagedDocumentTest, PipesAndDevicesAreNeitherOpenedNorImported)
{
    const QString pipe = FilePath("pipe");
    ASSERT_EQ(::mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);
    Start();
    for (const QString& path : {pipe, QStringLiteral("/dev/zero")}) {
        const QString refused = "ファイル " + path + " は通常のファイルではないため読み込めません (パイプやデバイスなど)";
        m_dialogs.ExpectOpen({path});
        Main().RunCommand("FileOpen1");
        EXPECT_EQ(m_dialogs.TakeErrors(), QStringList{refused});
        EXPECT_TRUE(Main().DocumentFileName().isEmpty());

        m_dialogs.ExpectOpen({path});
        Main().RunCommand("MemoImportFromTextFile");
        EXPECT_EQ(m_dialogs.TakeErrors(), QStringList{refused});
    }
}

// Idle work runs again from inside each error box's own event loop: the
// error must be shown once, not from every pass nor from inside its box.
TEST_F(DamagedDocumentTest, IdleErrorIsShownOnceAndNeverFromInsideItsBox)
{
    Start();
    int nested = 0;
    m_dialogs.WhileErrorShown([&] {
        if (++nested < 5)  // bounded: unguarded re-entry would never end
            IdlePass();
    });
    TQuorvexDataAccessSystem bare;  // a store without the layout makes idle work fail
    Manager().Store().Swap(bare);
    IdlePass();
    IdlePass();
    IdlePass();
    EXPECT_EQ(m_dialogs.TakeErrors(), QStringList{"未だ登録されていない TableName です。"});
    Manager().Store().Swap(bare);
    IdlePass();
    Manager().Store().Swap(bare);
    IdlePass();  // failing again after a good pass: shown again
    EXPECT_EQ(m_dialogs.TakeErrors().size(), 1);
    Manager().Store().Swap(bare);

    // The list's cells read from such a store show empty; nothing escapes.
    AddMemo("a");
    Manager().RefreshList();
    Manager().Store().Swap(bare);
    TMemoListModel* model = Manager().MemoListModel();
    EXPECT_EQ(model->data(model->index(0, TMemoListModel::ColTitle), Qt::DisplayRole), QVariant());
    model->sort(TMemoListModel::ColUpdate, Qt::AscendingOrder);
    Manager().Store().Swap(bare);
}

// Running out of memory (a huge or damaged document) is said in words.
TEST_F(DamagedDocumentTest, OutOfMemoryIsSaidInWords)
{
    RunGuarded(m_dialogs, [] { throw std::bad_alloc(); });
    EXPECT_EQ(m_dialogs.TakeErrors(), QStringList{"メモリが足りません"});
}

// A keyword that code page 932 cannot hold finds nothing, silently, and a
// delete with such a keyword in the search box is saved and counted.
TEST_F(DamagedDocumentTest, UnmappableKeywordFindsNothingAndDeleteStillCounts)
{
    Start();
    AddMemo("a", {"k"});
    AddMemo("b", {"k"});
    m_dialogs.ExpectSave(FilePath("doc.vlr"));
    Main().RunCommand("FileSaveAs1");
    Manager().WordBox()->findChildren<QLineEdit*>().first()->setText(QStringLiteral("😀"));
    Manager().RunSearch();
    EXPECT_EQ(Manager().ResultList()->count(), 0);

    Main().Command("MemoWithFileSave")->setChecked(true);
    Manager().RefreshList();
    Manager().PageControl()->setCurrentIndex(1);
    Manager().MemoList()->setCurrentIndex(Manager().MemoListModel()->index(0, 0));
    Main().RunCommand("MemoDelete");
    EXPECT_EQ(m_dialogs.TakeErrors(), QStringList());
    EXPECT_EQ(MemoRows(), 1);
    EXPECT_FALSE(Manager().DocumentModified());
    TQuorvexDataAccessSystem onDisk;
    onDisk.LoadFromFile(FilePath("doc.vlr").toStdString(), DocumentKey);
    EXPECT_EQ(MemoCount(onDisk), 1);
}

// A settings file that cannot be read at all: start-up shows why and goes
// on with the design values and the untitled document.
TEST_F(DamagedDocumentTest, StartUpGoesOnWhenTheSettingsCannotBeRead)
{
    ASSERT_TRUE(QDir().mkdir(IniPath()));
    Start();
    EXPECT_FALSE(m_dialogs.TakeErrors().isEmpty());
    EXPECT_TRUE(Main().isVisible());
    EXPECT_TRUE(Manager().isFloating());
    EXPECT_EQ(MissingMemoLayout(Manager().Store()), "");
    IdlePass();
    m_app.reset();
    m_dialogs.TakeErrors();  // what the exit says about the settings is not this test's concern
}
