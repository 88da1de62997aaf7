// Loading, saving, searching and exporting generated memo documents of
// 1,000, 10,000 and 100,000 memos, with the baselines they are held to:
// reading the file, one pass over its bytes, a plain write of the same bytes
// and one pass over all keyword texts.
#include "BenchDocument.h"
#include "Cp932Codec.h"
#include "FileIO.h"
#include "MemoDocument.h"
#include "RatioReporter.h"

#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

void Sizes(benchmark::internal::Benchmark* b)
{
    b->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
}

std::string OutputFile() { return (std::filesystem::temp_directory_path() / "vellora-bench-out.vlr").string(); }

void BM_ReadFile(benchmark::State& state)
{
    const std::string& file = BenchDocumentFile(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadWholeFile(file));
}

void BM_BytePass(benchmark::State& state)
{
    const std::string bytes = ReadWholeFile(BenchDocumentFile(static_cast<int>(state.range(0))));
    for (auto _ : state) {
        unsigned sum = 0;
        for (char c : bytes)
            sum += static_cast<unsigned char>(c);
        benchmark::DoNotOptimize(sum);
    }
}

void BM_Load(benchmark::State& state)
{
    const std::string& file = BenchDocumentFile(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        TQuorvexDataAccessSystem store;
        store.LoadFromFile(file, DocumentKey);
        benchmark::DoNotOptimize(store.TableCount());
    }
}

// The same bytes as a save, written and flushed to disk in the plain way.
void BM_PlainWrite(benchmark::State& state)
{
    const std::string bytes = LoadedBenchDocument(static_cast<int>(state.range(0))).SaveToBytes(DocumentKey);
    const std::string file = OutputFile();
    for (auto _ : state) {
        const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        benchmark::DoNotOptimize(::write(fd, bytes.data(), bytes.size()));
        ::fsync(fd);
        ::close(fd);
    }
}

void BM_Save(benchmark::State& state)
{
    const TQuorvexDataAccessSystem& store = LoadedBenchDocument(static_cast<int>(state.range(0)));
    const std::string file = OutputFile();
    for (auto _ : state)
        store.SaveToFile(file, DocumentKey);
}

void BM_KeywordsPass(benchmark::State& state)
{
    const TQuorvexDataAccessSystem& store = LoadedBenchDocument(static_cast<int>(state.range(0)));
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
    const TQuorvexDataAccessSystem& store = LoadedBenchDocument(static_cast<int>(state.range(0)));
    const std::vector<std::string> keywords = {Utf8ToCp932("仕事"), Utf8ToCp932("会議")};
    for (auto _ : state)
        benchmark::DoNotOptimize(SearchMemos(store, keywords));
}

void BM_ExportCsv(benchmark::State& state)
{
    const TQuorvexDataAccessSystem& store = LoadedBenchDocument(static_cast<int>(state.range(0)));
    // To a file, as the program exports; an in-memory stream would mostly
    // measure its own growth.
    const std::string file = (std::filesystem::temp_directory_path() / "vellora-bench-out.csv").string();
    for (auto _ : state) {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        ExportMemosCsv(store, out);
        benchmark::DoNotOptimize(out.tellp());
    }
}

BENCHMARK(BM_ReadFile)->Apply(Sizes);
BENCHMARK(BM_BytePass)->Apply(Sizes);
BENCHMARK(BM_Load)->Apply(Sizes);
BENCHMARK(BM_PlainWrite)->Apply(Sizes);
BENCHMARK(BM_Save)->Apply(Sizes);
BENCHMARK(BM_KeywordsPass)->Apply(Sizes);
BENCHMARK(BM_Search)->Apply(Sizes);
BENCHMARK(BM_ExportCsv)->Apply(Sizes);

}  // namespace

int main(int argc, char** argv)
{
    return RunWithRatios(argc, argv,
                         {{"BM_Load", "BM_ReadFile"},
                          {"BM_Load", "BM_BytePass"},
                          {"BM_Save", "BM_PlainWrite"},
                          {"BM_Search", "BM_KeywordsPass"},
                          {"BM_ExportCsv", "BM_BytePass"}});
}
