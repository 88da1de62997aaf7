#include "DocSubcommands.h"

#include "Cp932Codec.h"
#include "DocumentLock.h"
#include "Exceptions.h"
#include "FileIO.h"
#include "LineBreaks.h"
#include "MemoDocument.h"
#include "TextForms.h"
#include "UsageError.h"

#include <algorithm>
#include <filesystem>
#include <iterator>

namespace {

void Load(TQuorvexDataAccessSystem& store, const std::string& fileName)
{
    LoadMemoDocument(store, fileName);
}

// The document, or a new one with the memo layout when the file is missing
// (also behind a link, whose target the save then creates).
void LoadOrCreate(TQuorvexDataAccessSystem& store, const std::string& fileName)
{
    std::error_code error;
    const auto status = std::filesystem::status(fileName, error);
    if (status.type() == std::filesystem::file_type::not_found)
        CreateMemoLayout(store);
    else
        Load(store, fileName);
}

std::string TitleArgument(const std::string& utf8)
{
    if (utf8.empty())
        throw UsageError("タイトルが空です");
    return Utf8ToCp932(utf8);
}

std::vector<std::string> KeywordArguments(const std::vector<std::string>& utf8)
{
    std::vector<std::string> keywords;
    for (const std::string& keyword : utf8) {
        if (keyword.empty())
            throw UsageError("空のキーワードは指定できません");
        std::string converted = Utf8ToCp932(keyword);
        // A keyword given twice is kept once, as the memo editor does.
        if (std::find(keywords.begin(), keywords.end(), converted) == keywords.end())
            keywords.push_back(std::move(converted));
    }
    return keywords;
}

void PrintTitles(const TQuorvexDataAccessSystem& store, const std::vector<int>& rows, std::ostream& out)
{
    for (int row : rows)
        out << Cp932ToUtf8(store.GetValueAsString(MemoLayout::Table, MemoLayout::Title, row)) << '\n';
}

int RequireMemo(const TQuorvexDataAccessSystem& store, const std::string& title, const std::string& titleUtf8)
{
    const int row = FindMemoRow(store, title);
    if (row < 0)
        throw Exception("メモ \"" + titleUtf8 + "\" はありません");
    return row;
}

std::string ReadAllInput(std::istream& in)
{
    std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad())
        throw Exception("標準入力を読み込めません");
    return text;
}

}  // namespace

void ListCommand(const ArgumentList& args, CommandIo& io)
{
    TQuorvexDataAccessSystem store;
    Load(store, args.Positional(0));
    std::vector<int> rows(static_cast<std::size_t>(MemoCount(store)));
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i] = static_cast<int>(i);
    PrintTitles(store, rows, io.out);
}

void ShowCommand(const ArgumentList& args, CommandIo& io)
{
    const std::string title = TitleArgument(args.Positional(1));
    TQuorvexDataAccessSystem store;
    Load(store, args.Positional(0));
    RequireMemo(store, title, args.Positional(1));
    const MemoRecord memo = ReadMemo(store, title);
    if (args.HasFlag("--keywords")) {
        for (const std::string& keyword : memo.Keywords)
            io.out << Cp932ToUtf8(keyword) << '\n';
        return;
    }
    io.out << CrLfToLf(Cp932ToUtf8(memo.Text));
}

void SearchCommand(const ArgumentList& args, CommandIo& io)
{
    const std::vector<std::string>& positional = args.Positional();
    const std::vector<std::string> keywords =
        KeywordArguments(std::vector<std::string>(positional.begin() + 1, positional.end()));
    TQuorvexDataAccessSystem store;
    Load(store, positional[0]);
    PrintTitles(store, SearchMemos(store, keywords), io.out);
}

void CheckOutputIsNotDocument(const std::string& fileName, const std::string& out)
{
    if (IsSameFile(fileName, out))
        throw UsageError("OUT に文書ファイル自身は指定できません: " + out);
}

void CsvCommand(const ArgumentList& args, CommandIo& io)
{
    if (args.Positional().size() > 1)
        CheckOutputIsNotDocument(args.Positional(0), args.Positional(1));
    TQuorvexDataAccessSystem store;
    Load(store, args.Positional(0));
    if (args.Positional().size() > 1)
        ExportMemosCsvFile(store, args.Positional(1));
    else
        ExportMemosCsv(store, io.out);
}

void AddCommand(const ArgumentList& args, CommandIo& io)
{
    const std::string& fileName = args.Positional(0);
    MemoRecord memo;
    memo.Title = TitleArgument(args.Positional(1));
    memo.Keywords = KeywordArguments(args.Values("--keyword"));
    memo.Text = ToCrLf(Utf8ToCp932(ReadAllInput(io.in)));

    // Read, change and write under the lock, so that no other writer's
    // memo is written over.
    const TDocumentLock lock(fileName);
    TQuorvexDataAccessSystem store;
    LoadOrCreate(store, fileName);
    if (FindMemoRow(store, memo.Title) < 0)
        AddMemoRow(store, memo.Title);
    WriteMemo(store, memo, TodaySerial());
    store.SaveToFile(fileName, DocumentKey);
}

void CheckCommand(const ArgumentList& args, CommandIo& io)
{
    TQuorvexDataAccessSystem store;
    Load(store, args.Positional(0));
    for (int table = 0; table < store.TableCount(); ++table)
        io.out << Cp932ToUtf8(store.GetTableName(table)) << ": " << store.RowCount(table) << " 行, "
               << store.ColCount(table) << " 列\n";
}
