// The file manager's memo list on generated documents (light ones of 10,000
// and 100,000 memos, heavy ones of 100,000 and 300,000), in a window of its design size: refilling it (held to loading the
// same document from its file and to painting the list again),
// sorting it by each column, again and after a change of the document
// (held to std::sort of the column's texts) and
// filling the search results with every memo found (held to the refill).
#include "BenchDocument.h"
#include "Cp932Codec.h"
#include "CustomSaveProps.h"
#include "Dialogs.h"
#include "IniSaveProps.h"
#include "Manager.h"
#include "ManagerHost.h"
#include "MemoDocument.h"
#include "MemoListModel.h"
#include "RatioReporter.h"
#include "WordBox.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeView>
#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>

namespace {

// Answers every question with its default; the benchmarks ask none.
class TSilentDialogs : public TDialogs {
public:
    TMsgButton MessageBox(const QString&, const QString&, TMsgIcon, TMsgButtons) override { return TMsgButton::Ok; }
    QString InputBox(const QString&, const QString&, const QString& defaultText) override { return defaultText; }
    bool InputQuery(const QString&, const QString&, QString&) override { return false; }
    QStringList OpenFiles(const TFileDialogRequest&) override { return {}; }
    QString SaveFile(const TFileDialogRequest&) override { return {}; }
    bool ChooseFont(QFont&, QColor&) override { return false; }
    bool PrinterSetup(QPrinter&) override { return false; }
    void ShowError(const QString& message) override { std::fprintf(stderr, "%s\n", qPrintable(message)); }
};

// A main window with no commands, no memo windows and no dock sites.
class TBenchHost : public TManagerHost {
public:
    TDialogs& Dialogs() override { return m_dialogs; }
    void RunCommand(const QString&) override {}
    QAction* Command(const QString&) override { return nullptr; }
    QString DocumentFileName() const override { return {}; }
    void SetDocumentFileName(const QString&) override {}
    void SyncApplicationTitle() override {}
    int MemoWindowCount() const override { return 0; }
    bool AskSaveActiveMemo() override { return true; }
    void CloseActiveMemo() override {}
    QList<TResizeDockSite*> DockSites() const override { return {}; }

private:
    TSilentDialogs m_dialogs;
};

// One shown file manager per document size, holding that document.
class TBenchManager {
public:
    TBenchManager(int memoCount, BenchProfile profile) : m_settings(nullptr)
    {
        m_settings.SetFileName(m_dir.filePath(QStringLiteral("bench.ini")));
        m_manager = std::make_unique<TfrmManager>(m_host, m_settings, nullptr);
        m_manager->Store().LoadFromFile(BenchDocumentFile(memoCount, profile), DocumentKey);
        m_manager->PageControl()->setCurrentIndex(1);
        m_manager->resize(340, 249);  // the window's design size
        m_manager->show();
        m_manager->RefreshList();
        QCoreApplication::processEvents();
    }

    TfrmManager& operator*() { return *m_manager; }
    TfrmManager* operator->() { return m_manager.get(); }

private:
    QTemporaryDir m_dir;
    TBenchHost m_host;
    TIniSaveProps m_settings;
    std::unique_ptr<TfrmManager> m_manager;
};

// Made on first use and gone before the application object.
std::map<std::pair<int, int>, std::unique_ptr<TBenchManager>>& Managers()
{
    static std::map<std::pair<int, int>, std::unique_ptr<TBenchManager>> managers;
    return managers;
}

// The manager holding the document the benchmark's last two arguments name.
TfrmManager& Manager(const benchmark::State& state, int at = 0)
{
    const int count = MemoCountArg(state, at + 1);
    const BenchProfile profile = ProfileArg(state, at);
    auto& manager = Managers()[{count, static_cast<int>(profile)}];
    if (!manager)
        manager = std::make_unique<TBenchManager>(count, profile);
    return **manager;
}

void Sizes(benchmark::internal::Benchmark* b)
{
    AddDocumentArgs(b, {10000, 100000}, {100000, 300000});
}

// Column first, so that the document is the last part of the name.
void ColumnsAndSizes(benchmark::internal::Benchmark* b)
{
    for (int column = 0; column < TMemoListModel::ColumnCount; ++column)
        AddDocumentArgs(b, {10000, 100000}, {100000, 300000}, {column});
}

void BM_LoadFile(benchmark::State& state)
{
    const std::string& file = BenchDocumentFile(MemoCountArg(state, 1), ProfileArg(state, 0));
    for (auto _ : state) {
        TQuorvexDataAccessSystem store;
        store.LoadFromFile(file, DocumentKey);
        benchmark::DoNotOptimize(store.TableCount());
    }
}

// The refill and the view's layout and painting that follow it.
void BM_RefreshList(benchmark::State& state)
{
    TfrmManager& manager = Manager(state);
    for (auto _ : state) {
        manager.RefreshList();
        QCoreApplication::processEvents();
    }
}

// Painting the list again without a change: what every refill costs on
// top of its own work.
void BM_RepaintList(benchmark::State& state)
{
    TfrmManager& manager = Manager(state);
    for (auto _ : state) {
        manager.MemoList()->viewport()->update();
        QCoreApplication::processEvents();
    }
}

void BM_StdSortTexts(benchmark::State& state)
{
    TfrmManager& manager = Manager(state, 1);
    const int column = static_cast<int>(state.range(0));
    std::vector<std::string> texts;
    for (int row = 0; row < manager.MemoListModel()->rowCount(); ++row)
        texts.push_back(manager.MemoListModel()->CellText(row, column));
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<std::string> copy = texts;
        state.ResumeTiming();
        std::sort(copy.begin(), copy.end());
        benchmark::DoNotOptimize(copy.data());
    }
}

// A click on the header of a column sorted before, the document unchanged;
// the painting that follows is BM_RepaintList's and left out.
void BM_SortColumn(benchmark::State& state)
{
    TfrmManager& manager = Manager(state, 1);
    const int column = static_cast<int>(state.range(0));
    manager.ListView1ColumnClick(column);  // the document's first sort by the column is the next benchmark's
    // The view lays itself out once after the loop: between the clicks it
    // would take far longer than they do, many thousand times over.
    for (auto _ : state)
        manager.ListView1ColumnClick(column);
    QCoreApplication::processEvents();
    manager.RefreshList();
}

// The first click on the column's header after a change of the document:
// its keys are made again.
void BM_SortColumnAfterChange(benchmark::State& state)
{
    TfrmManager& manager = Manager(state, 1);
    const int column = static_cast<int>(state.range(0));
    TQuorvexDataAccessSystem& store = manager.Store();
    const std::string title = store.GetValueAsString(MemoLayout::Table, MemoLayout::Title, 0);
    for (auto _ : state) {
        state.PauseTiming();
        store.SetValueAsString(MemoLayout::Table, MemoLayout::Title, 0, title);
        state.ResumeTiming();
        manager.ListView1ColumnClick(column);
        state.PauseTiming();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    manager.RefreshList();
}

// Every memo carries the keyword searched for, so every title is a result.
void BM_SearchAllFound(benchmark::State& state)
{
    TfrmManager& manager = Manager(state);
    TQuorvexDataAccessSystem& store = manager.Store();
    const std::string all = Utf8ToCp932("全部");
    for (int row = 0; row < MemoCount(store); ++row)
        store.SetValueAsString(MemoLayout::Table, MemoLayout::Keywords, row,
                               store.GetValueAsString(MemoLayout::Table, MemoLayout::Keywords, row) + "," + all);
    manager.WordBox()->findChildren<QLineEdit*>().first()->setText(QStringLiteral("全部"));
    manager.PageControl()->setCurrentIndex(0);
    for (auto _ : state) {
        manager.RunSearch();
        QCoreApplication::processEvents();
    }
    manager.WordBox()->Clear();
    manager.PageControl()->setCurrentIndex(1);
    manager.RefreshList();
}

BENCHMARK(BM_LoadFile)->Apply(Sizes);
BENCHMARK(BM_RefreshList)->Apply(Sizes);
BENCHMARK(BM_RepaintList)->Apply(Sizes);
BENCHMARK(BM_StdSortTexts)->Apply(ColumnsAndSizes);
BENCHMARK(BM_SortColumn)->Apply(ColumnsAndSizes);
BENCHMARK(BM_SortColumnAfterChange)->Apply(ColumnsAndSizes);
BENCHMARK(BM_SearchAllFound)->Apply(Sizes);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vellora"));
    const int result = RunWithRatios(argc, argv,
                         {{"BM_RefreshList", "BM_LoadFile"},
                          {"BM_RefreshList", "BM_RepaintList"},
                          {"BM_SortColumn/0", "BM_StdSortTexts/0"},
                          {"BM_SortColumn/1", "BM_StdSortTexts/1"},
                          {"BM_SortColumn/2", "BM_StdSortTexts/2"},
                          {"BM_SortColumn/3", "BM_StdSortTexts/3"},
                          {"BM_SortColumnAfterChange/0", "BM_StdSortTexts/0"},
                          {"BM_SortColumnAfterChange/1", "BM_StdSortTexts/1"},
                          {"BM_SortColumnAfterChange/2", "BM_StdSortTexts/2"},
                          {"BM_SortColumnAfterChange/3", "BM_StdSortTexts/3"},
                          {"BM_SearchAllFound", "BM_LoadFile"}});
    Managers().clear();
    return result;
}
