#include "BenchDocument.h"

#include "Cp932Codec.h"
#include "MemoDocument.h"

#include <filesystem>
#include <map>
#include <memory>
#include <random>
#include <vector>

namespace {

const std::vector<std::string>& Words()
{
    static const std::vector<std::string> words = [] {
        std::vector<std::string> out;
        for (const char* w : {"会議", "予定", "買い物", "仕事", "読書", "旅行", "料理", "健康", "家計", "メモ",
                              "プロジェクト", "連絡先", "アイデア", "日記", "映画", "音楽", "勉強", "ToDo", "重要",
                              "保留"})
            out.push_back(Utf8ToCp932(w));
        return out;
    }();
    return words;
}

std::string Sentence(std::mt19937& random)
{
    static const std::vector<std::string> pieces = [] {
        std::vector<std::string> out;
        for (const char* p : {"今日は朝から雨が降っていた。", "午後の打ち合わせで次の段取りを決めた。",
                              "駅前の店で新しいノートを買った。", "来週までに資料をまとめること。",
                              "夕食は野菜を多めにした。", "読みかけの本を最後まで読んだ。"})
            out.push_back(Utf8ToCp932(p));
        return out;
    }();
    return pieces[random() % pieces.size()];
}

// Light texts just pass 300 bytes; heavy ones stop before 2,000 bytes at a
// length drawn from 200 to 2,100, which averages about 1,150.
std::string MemoText(std::mt19937& random, BenchProfile profile)
{
    std::string text;
    if (profile == BenchProfile::Light) {
        while (text.size() < 300)
            text += Sentence(random) + "\r\n";
        return text;
    }
    const std::size_t length = 200 + random() % 1901;
    while (text.size() < length) {
        const std::string next = Sentence(random) + "\r\n";
        if (text.size() >= 200 && text.size() + next.size() > 2000)
            break;
        text += next;
    }
    return text;
}

std::string Key(int memoCount, BenchProfile profile)
{
    return (profile == BenchProfile::Heavy ? "heavy-" : "") + std::to_string(memoCount);
}

}  // namespace

void FillBenchDocument(TQuorvexDataAccessSystem& store, int memoCount, BenchProfile profile)
{
    std::mt19937 random(20261207);
    CreateMemoLayout(store);
    const auto& words = Words();
    for (int i = 0; i < memoCount; ++i) {
        MemoRecord memo;
        memo.Title = Utf8ToCp932("メモ ") + std::to_string(i);
        const int keywordCount = 3 + static_cast<int>(random() % 3);
        for (int k = 0; k < keywordCount; ++k)
            memo.Keywords.push_back(words[random() % words.size()]);
        memo.Text = MemoText(random, profile);
        AddMemoRow(store, memo.Title);
        WriteMemo(store, memo, 45000.0 + i % 1000);
    }
}

const std::string& BenchDocumentFile(int memoCount, BenchProfile profile)
{
    static std::map<std::string, std::string> files;
    const std::string key = Key(memoCount, profile);
    auto found = files.find(key);
    if (found != files.end())
        return found->second;
    const std::string name =
        (std::filesystem::temp_directory_path() / ("vellora-bench-" + key + ".vlr")).string();
    TQuorvexDataAccessSystem store;
    FillBenchDocument(store, memoCount, profile);
    store.SaveToFile(name, DocumentKey);
    return files.emplace(key, name).first->second;
}

const TQuorvexDataAccessSystem& LoadedBenchDocument(int memoCount, BenchProfile profile)
{
    static std::map<std::string, std::unique_ptr<TQuorvexDataAccessSystem>> stores;
    auto& store = stores[Key(memoCount, profile)];
    if (!store) {
        store = std::make_unique<TQuorvexDataAccessSystem>();
        store->LoadFromFile(BenchDocumentFile(memoCount, profile), DocumentKey);
    }
    return *store;
}

BenchProfile ProfileArg(const benchmark::State& state, int at)
{
    return state.range(at) == 0 ? BenchProfile::Light : BenchProfile::Heavy;
}

int MemoCountArg(const benchmark::State& state, int at) { return static_cast<int>(state.range(at)); }

void AddDocumentArgs(benchmark::internal::Benchmark* b, std::initializer_list<int> light,
                     std::initializer_list<int> heavy, std::vector<int> before)
{
    for (const auto& [profile, sizes] : {std::pair{0, light}, std::pair{1, heavy}})
        for (int size : sizes) {
            std::vector<int64_t> args(before.begin(), before.end());
            args.push_back(profile);
            args.push_back(size);
            b->Args(args);
        }
    b->Unit(benchmark::kMillisecond);
}
