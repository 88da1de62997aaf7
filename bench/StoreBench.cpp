// Loading, saving, searching and exporting generated memo documents (light
// ones of 1,000, 10,000 and 100,000 memos, heavy ones of 100,000 and
// 300,000), with the baselines they are held to: reading the file, one pass
// over its bytes, a plain write of the same bytes, the same bytes through
// the checked writer (a new file renamed over the old one) and one pass over
// all keyword texts. A save and an export also report their peak memory
// above what the process held before (extraMiB). Writing benchmarks warm up
// first: the first writes of a run pay for fresh page-cache memory.
#include "BenchDocument.h"
#include "Cp932Codec.h"
#include "FileIO.h"
#include "MemoDocument.h"
#include "PeakMemory.h"
#include "RatioReporter.h"

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

void Sizes(benchmark::internal::Benchmark* b)
{
    AddDocumentArgs(b, {1000, 10000, 100000}, {100000, 300000});
}

void WriteSizes(benchmark::internal::Benchmark* b)
{
    Sizes(b);
    b->MinWarmUpTime(2.0);
}

// The one-memo change of "vellora-doc add" on the larger documents.
void AddSizes(benchmark::internal::Benchmark* b)
{
    AddDocumentArgs(b, {100000}, {100000});
    b->MinWarmUpTime(2.0);
}

std::string OutputFile() { return (std::filesystem::temp_directory_path() / "vellora-bench-out.vlr").string(); }

const std::string& File(const benchmark::State& state)
{
    return BenchDocumentFile(MemoCountArg(state, 1), ProfileArg(state, 0));
}

const TQuorvexDataAccessSystem& Loaded(const benchmark::State& state)
{
    return LoadedBenchDocument(MemoCountArg(state, 1), ProfileArg(state, 0));
}

void PlainWrite(const std::string& file, const std::string& bytes)
{
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    benchmark::DoNotOptimize(::write(fd, bytes.data(), bytes.size()));
    ::fsync(fd);
    ::close(fd);
}

void BM_ReadFile(benchmark::State& state)
{
    const std::string& file = File(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadWholeFile(file));
}

void BM_BytePass(benchmark::State& state)
{
    const std::string bytes = ReadWholeFile(File(state));
    for (auto _ : state) {
        unsigned sum = 0;
        for (char c : bytes)
            sum += static_cast<unsigned char>(c);
        benchmark::DoNotOptimize(sum);
    }
}

void BM_Load(benchmark::State& state)
{
    const std::string& file = File(state);
    for (auto _ : state) {
        TQuorvexDataAccessSystem store;
        store.LoadFromFile(file, DocumentKey);
        benchmark::DoNotOptimize(store.TableCount());
    }
}

// The same bytes as a save, written and flushed to disk in the plain way.
void BM_PlainWrite(benchmark::State& state)
{
    const std::string bytes = ReadWholeFile(File(state));
    const std::string file = OutputFile();
    for (auto _ : state)
        PlainWrite(file, bytes);
}

// The same bytes through the checked writer: the cost of a save that had
// its bytes ready.
void BM_AtomicWrite(benchmark::State& state)
{
    const std::string bytes = ReadWholeFile(File(state));
    const std::string file = OutputFile();
    for (auto _ : state)
        WriteFileAtomically(file, bytes);
}

void BM_Save(benchmark::State& state)
{
    const TQuorvexDataAccessSystem& store = Loaded(state);
    const std::string file = OutputFile();
    double extra = 0;
    for (auto _ : state) {
        state.PauseTiming();
        PeakMemory::Reset();
        const double before = PeakMemory::ResidentMiB();
        state.ResumeTiming();
        store.SaveToFile(file, DocumentKey);
        state.PauseTiming();
        extra = std::max(extra, PeakMemory::PeakMiB() - before);
        state.ResumeTiming();
    }
    state.counters["extraMiB"] = extra;
}

// What "vellora-doc add" does: load, add one memo, save.
void BM_AddMemo(benchmark::State& state)
{
    const std::string& source = File(state);
    const std::string file = OutputFile();
    std::filesystem::copy_file(source, file, std::filesystem::copy_options::overwrite_existing);
    for (auto _ : state) {
        TQuorvexDataAccessSystem store;
        store.LoadFromFile(file, DocumentKey);
        MemoRecord memo;
        memo.Title = "added " + std::to_string(store.RowCount(MemoLayout::Table));
        memo.Text = "text";
        AddMemoRow(store, memo.Title);
        WriteMemo(store, memo, 45000.0);
        store.SaveToFile(file, DocumentKey);
    }
}

// The baseline of an add: the load and a plain write of the file's bytes.
void BM_LoadPlainWrite(benchmark::State& state)
{
    const std::string& source = File(state);
    const std::string bytes = ReadWholeFile(source);
    const std::string file = OutputFile();
    for (auto _ : state) {
        TQuorvexDataAccessSystem store;
        store.LoadFromFile(source, DocumentKey);
        PlainWrite(file, bytes);
    }
}

void BM_KeywordsPass(benchmark::State& state)
{
    const TQuorvexDataAccessSystem& store = Loaded(state);
    const int table = store.TableIndex(MemoLayout::Table);
    const int col = store.ColIndex(table, MemoLayout::Keywords);
    const int rows = store.RowCount(table);
    for (auto _ : state) {
        unsigned sum = 0;
        for (int row = 0; row < rows; ++row)
            for (char c : store.CellAt(table, col, row).AsText())
                sum += static_cast<unsigned char>(c);
        benchmark::DoNotOptimize(sum);
    }
}

void BM_Search(benchmark::State& state)
{
    const TQuorvexDataAccessSystem& store = Loaded(state);
    const std::vector<std::string> keywords = {Utf8ToCp932("仕事"), Utf8ToCp932("会議")};
    for (auto _ : state)
        benchmark::DoNotOptimize(SearchMemos(store, keywords));
}

// To a file, as the program exports; also reports the peak memory above
// what the process held before.
void BM_ExportCsv(benchmark::State& state)
{
    const TQuorvexDataAccessSystem& store = Loaded(state);
    const std::string file = (std::filesystem::temp_directory_path() / "vellora-bench-out.csv").string();
    double extra = 0;
    for (auto _ : state) {
        state.PauseTiming();
        PeakMemory::Reset();
        const double before = PeakMemory::ResidentMiB();
        state.ResumeTiming();
        ExportMemosCsvFile(store, file);
        state.PauseTiming();
        extra = std::max(extra, PeakMemory::PeakMiB() - before);
        state.ResumeTiming();
    }
    state.counters["extraMiB"] = extra;
}

BENCHMARK(BM_ReadFile)->Apply(Sizes);
BENCHMARK(BM_BytePass)->Apply(Sizes);
BENCHMARK(BM_Load)->Apply(Sizes);
BENCHMARK(BM_PlainWrite)->Apply(WriteSizes);
BENCHMARK(BM_AtomicWrite)->Apply(WriteSizes);
BENCHMARK(BM_Save)->Apply(WriteSizes);
BENCHMARK(BM_LoadPlainWrite)->Apply(AddSizes);
BENCHMARK(BM_AddMemo)->Apply(AddSizes);
BENCHMARK(BM_KeywordsPass)->Apply(Sizes);
BENCHMARK(BM_Search)->Apply(Sizes);
BENCHMARK(BM_ExportCsv)->Apply(WriteSizes);

}  // namespace

int main(int argc, char** argv)
{
    return RunWithRatios(argc, argv,
                         {{"BM_Load", "BM_ReadFile"},
                          {"BM_Load", "BM_BytePass"},
                          {"BM_Save", "BM_PlainWrite"},
                          {"BM_Save", "BM_AtomicWrite"},
                          {"BM_AtomicWrite", "BM_PlainWrite"},
                          {"BM_AddMemo", "BM_LoadPlainWrite"},
                          {"BM_Search", "BM_KeywordsPass"},
                          {"BM_ExportCsv", "BM_BytePass"},
                          {"BM_ExportCsv", "BM_AtomicWrite"}});
}
