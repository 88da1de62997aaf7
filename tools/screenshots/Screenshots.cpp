// Renders the program's windows with a sample document of Japanese memos
// into PNG files, to look at them as a user would:
//   vellora_screenshots OUTPUT_FOLDER
// Runs on any Qt platform; QT_QPA_PLATFORM=offscreen needs no display.
#include "Application.h"
#include "Commands.h"
#include "Cp932Codec.h"
#include "Main.h"
#include "Manager.h"
#include "Memo.h"
#include "MemoDocument.h"
#include "QtDialogs.h"
#include "RsizDock.h"
#include "TextForms.h"
#include "WordBox.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

namespace {
struct TSample {
    const char* title;
    std::vector<const char*> keywords;
    const char* text;
};

const std::vector<TSample> Samples = {
    {"会議メモ 12月", {"仕事", "会議"}, "議題：来年度の予算\r\n決定事項：資料を金曜までに共有する"},
    {"買い物リスト", {"家", "買い物"}, "牛乳、卵、パン\r\n洗剤（詰め替え用）"},
    {"読書記録", {"趣味", "本"}, "『吾輩は猫である』を読了。\r\n次は短編集を読む予定。"},
    {"旅行の計画", {"趣味", "旅行"}, "京都：2泊3日\r\n宿の予約を確認すること"},
    {"プロジェクトA 進捗", {"仕事", "プロジェクトA"}, "設計レビュー完了。\r\n実装は来週から。"},
    {"電話番号", {"連絡先"}, "歯医者 03-1234-5678"},
    {"レシピ：肉じゃが", {"料理", "家"}, "じゃがいも 3個、玉ねぎ 1個、牛肉 200g"},
    {"週報 第49週", {"仕事", "週報"}, "今週の作業：テストの追加と不具合修正"},
};

void Fill(TfrmManager& manager)
{
    TQuorvexDataAccessSystem& store = manager.Store();
    for (int copy = 0; copy < 4; ++copy) {
        for (const TSample& sample : Samples) {
            MemoRecord memo;
            memo.Title = Utf8ToCp932(sample.title) + (copy ? " (" + std::to_string(copy + 1) + ")" : "");
            for (const char* keyword : sample.keywords)
                memo.Keywords.push_back(Utf8ToCp932(keyword));
            memo.Text = Utf8ToCp932(sample.text);
            AddMemoRow(store, memo.Title);
            WriteMemo(store, memo, TodaySerial() - copy * 7);
        }
    }
    manager.RefreshList();
}

void Settle()
{
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents();
        QTest::qWait(20);
    }
}

void Save(QWidget& widget, const QString& folder, const QString& name)
{
    Settle();
    widget.grab().save(folder + u'/' + name);
}

void OpenMemo(TfrmMain& main, int listRow)
{
    TfrmManager& manager = *main.Manager();
    manager.PageControl()->setCurrentIndex(1);
    manager.MemoList()->setCurrentIndex(manager.MemoList()->model()->index(listRow, 0));
    main.RunCommand(QStringLiteral("MemoOpen"));
}
}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    QTemporaryDir settings;
    TQtDialogs dialogs;
    TApplication vellora(dialogs, settings.filePath(QStringLiteral("vellora.ini")));
    TfrmMain& main = vellora.Main();
    TfrmManager& manager = vellora.Manager();
    main.resize(1000, 640);
    vellora.Start();
    main.DockSites().at(0)->Dock(&manager);
    Fill(manager);
    Settle();
    main.DockSites().at(0)->SetSize(330, 0);

    OpenMemo(main, 0);
    OpenMemo(main, 1);
    main.RunCommand(QStringLiteral("WindowTileVertical1"));
    main.ApplicationIdle();
    Save(main, folder, QStringLiteral("main-docked-list.png"));

    manager.PageControl()->setCurrentIndex(0);
    if (auto* edit = manager.WordBox()->findChild<QLineEdit*>())
        edit->setText(QStringLiteral("仕事"));
    manager.RunSearch();
    OpenMemo(main, 2);
    manager.PageControl()->setCurrentIndex(0);
    main.RunCommand(QStringLiteral("WindowTileHorizontal1"));
    main.ApplicationIdle();
    Save(main, folder, QStringLiteral("main-docked-search.png"));

    manager.setFloating(true);
    manager.resize(340, 249);
    main.ApplicationIdle();
    Save(main, folder, QStringLiteral("main-floating.png"));
    Save(manager, folder, QStringLiteral("manager-floating.png"));
    return 0;
}
