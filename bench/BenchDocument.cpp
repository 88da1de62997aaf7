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

}  // namespace

void FillBenchDocument(TQuorvexDataAccessSystem& store, int memoCount)
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
        while (memo.Text.size() < 300)
            memo.Text += Sentence(random) + "\r\n";
        AddMemoRow(store, memo.Title);
        WriteMemo(store, memo, 45000.0 + i % 1000);
    }
}

const std::string& BenchDocumentFile(int memoCount)
{
    static std::map<int, std::string> files;
    auto found = files.find(memoCount);
    if (found != files.end())
        return found->second;
    const std::string name =
        (std::filesystem::temp_directory_path() / ("vellora-bench-" + std::to_string(memoCount) + ".vlr")).string();
    TQuorvexDataAccessSystem store;
    FillBenchDocument(store, memoCount);
    store.SaveToFile(name, DocumentKey);
    return files.emplace(memoCount, name).first->second;
}

const TQuorvexDataAccessSystem& LoadedBenchDocument(int memoCount)
{
    static std::map<int, std::unique_ptr<TQuorvexDataAccessSystem>> stores;
    auto& store = stores[memoCount];
    if (!store) {
        store = std::make_unique<TQuorvexDataAccessSystem>();
        store->LoadFromFile(BenchDocumentFile(memoCount), DocumentKey);
    }
    return *store;
}
