#include "Exceptions.h"
#include "FileIO.h"
#include "MemoDocument.h"
#include "TextForms.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <sstream>
#include <unistd.h>

namespace {

using Keywords = std::vector<std::string>;

constexpr double kMay2 = 45048;  // 2023-05-02

std::string Numbered(const char* prefix, int number)
{
    std::string text = prefix;
    text += std::to_string(number);
    return text;
}

class MemoDocumentTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CurrentFormats() = LocaleFormats();
        CreateMemoLayout(store);
    }

    void Save(const std::string& title, const Keywords& keywords, const std::string& text = "text")
    {
        if (FindMemoRow(store, title) < 0)
            AddMemoRow(store, title);
        WriteMemo(store, MemoRecord{title, keywords, text}, kMay2);
    }

    std::vector<std::string> Titles(const std::vector<int>& rows) const
    {
        std::vector<std::string> titles;
        for (int row : rows)
            titles.push_back(store.GetValueAsString("Memos", "Title", row));
        return titles;
    }

    std::vector<std::string> Found(const Keywords& wanted) const { return Titles(SearchMemos(store, wanted)); }

    std::string Csv() const
    {
        std::ostringstream out;
        ExportMemosCsv(store, out);
        return out.str();
    }

    TQuorvexDataAccessSystem store;
};

TEST_F(MemoDocumentTest, LayoutHasFourColumnsInOrder)
{
    ASSERT_EQ(store.TableCount(), 1);
    EXPECT_EQ(store.GetTableName(0), "Memos");
    ASSERT_EQ(store.ColCount("Memos"), 4);
    const char* names[] = {"Title", "Keywords", "Text", "Update"};
    const std::uint8_t types[] = {ctString, ctString, ctString, ctDateTime};
    for (int col = 0; col < 4; ++col) {
        EXPECT_EQ(store.GetColName("Memos", col), names[col]);
        EXPECT_EQ(store.GetColType("Memos", col), types[col]);
    }
    EXPECT_EQ(store.GetRowNameRule("Memos"), rnUniqueNonEmpty);
    EXPECT_EQ(MemoCount(store), 0);
}

TEST_F(MemoDocumentTest, WrittenMemoReadsBack)
{
    Save("買い物", {"a b", "家"}, "牛乳\r\nパン");
    EXPECT_EQ(store.GetValueAsString("Memos", "Title", "買い物"), "買い物");
    EXPECT_EQ(store.GetValueAsString("Memos", "Keywords", "買い物"), "\"a b\",家");
    EXPECT_EQ(store.GetValueAsString("Memos", "Update", "買い物"), "2023/05/02");
    const MemoRecord memo = ReadMemo(store, "買い物");
    EXPECT_EQ(memo.Title, "買い物");
    EXPECT_EQ(memo.Keywords, (Keywords{"a b", "家"}));
    EXPECT_EQ(memo.Text, "牛乳\r\nパン");

    Save("買い物", {}, "");
    EXPECT_EQ(MemoCount(store), 1);
    EXPECT_EQ(ReadMemo(store, "買い物").Keywords, Keywords{});
}

TEST_F(MemoDocumentTest, FailedWriteChangesNothing)
{
    Save("m", {"old"}, "old text");
    EXPECT_THROW(WriteMemo(store, MemoRecord{"missing", {"k"}, "t"}, kMay2), EUnregisteredName);
    // Serial 0 does not fit the date column: the cells written before it
    // get their old values back.
    EXPECT_THROW(WriteMemo(store, MemoRecord{"m", {"new"}, "new text"}, 0.0), EIncompatibleTypes);
    const MemoRecord memo = ReadMemo(store, "m");
    EXPECT_EQ(memo.Keywords, Keywords{"old"});
    EXPECT_EQ(memo.Text, "old text");
    EXPECT_EQ(store.GetValueAsString("Memos", "Update", "m"), "2023/05/02");
}

TEST_F(MemoDocumentTest, EmptyTitlesAreRefused)
{
    EXPECT_THROW(AddMemoRow(store, ""), Exception);
    Save("m", {});
    EXPECT_THROW(RenameMemo(store, "m", ""), Exception);
    EXPECT_EQ(MemoCount(store), 1);
    EXPECT_EQ(store.GetRowName("Memos", 0), "m");
}

TEST_F(MemoDocumentTest, RenameKeepsCellsAndDate)
{
    Save("old", {"k"}, "body");
    Save("other", {});
    RenameMemo(store, "old", "new");
    EXPECT_EQ(store.GetRowName("Memos", 0), "new");
    EXPECT_EQ(store.GetValueAsString("Memos", "Title", 0), "new");
    EXPECT_EQ(store.GetValueAsString("Memos", "Update", 0), "2023/05/02");
    EXPECT_EQ(ReadMemo(store, "new").Text, "body");
    EXPECT_THROW(RenameMemo(store, "new", "other"), EDuplicateRowName);
    EXPECT_EQ(store.GetValueAsString("Memos", "Title", 0), "new");
    RenameMemo(store, "new", "Other");  // letter case makes a different title
    EXPECT_EQ(store.GetRowName("Memos", 0), "Other");
}

TEST_F(MemoDocumentTest, RenameWritesTheRenamedRowAmongEqualNames)
{
    // A loaded document may allow equal row names; the title cell written
    // must be the renamed row's, not the first row that has the new name.
    store.SetRowNameRule("Memos", 2);
    Save("x", {});
    store.AddRow("Memos", "y");
    RenameMemo(store, "y", "x");
    EXPECT_EQ(store.GetValueAsString("Memos", "Title", 1), "x");
    EXPECT_EQ(store.GetValueAsString("Memos", "Title", 0), "x");
}

TEST_F(MemoDocumentTest, DeleteFindClearAndTitleChecks)
{
    Save("one", {});
    Save("two", {});
    Save("Two", {});
    EXPECT_TRUE(MemoTitleExists(store, "Two"));
    EXPECT_FALSE(MemoTitleExists(store, "TWO"));
    EXPECT_EQ(FindMemoRow(store, "two"), 1);
    EXPECT_EQ(FindMemoRow(store, "three"), -1);
    DeleteMemo(store, "one");
    EXPECT_EQ(Titles({0, 1}), (std::vector<std::string>{"two", "Two"}));
    EXPECT_THROW(DeleteMemo(store, "one"), EUnregisteredName);
    ClearMemos(store);
    EXPECT_EQ(MemoCount(store), 0);
    EXPECT_EQ(store.ColCount("Memos"), 4);
}

TEST_F(MemoDocumentTest, SearchNeedsEveryKeywordExactly)
{
    Save("abc", {"A", "B", "C"});
    Save("a only", {"A"});
    Save("none", {});
    Save("cases", {"ABC", "abcd", "abc "});
    Save("blank", {"a b", "B"});
    Save("ab", {"B", "A"});
    Save("quoted", {"x\"y", "p,q", ""});
    EXPECT_EQ(Found({"A", "B"}), (std::vector<std::string>{"abc", "ab"}));
    EXPECT_EQ(Found({"x\"y", "p,q"}), (std::vector<std::string>{"quoted"}));
    EXPECT_EQ(Found({"p"}), std::vector<std::string>{});  // inside a keyword, not one
    EXPECT_EQ(Found({"x"}), std::vector<std::string>{});
    EXPECT_EQ(Found({"", "p,q"}), (std::vector<std::string>{"quoted"}));
    EXPECT_EQ(Found({"A"}), (std::vector<std::string>{"abc", "a only", "ab"}));
    EXPECT_EQ(Found({"A", "A"}), Found({"A"}));
    EXPECT_EQ(Found({"abc"}), std::vector<std::string>{});
    EXPECT_EQ(Found({"abc "}), (std::vector<std::string>{"cases"}));
    EXPECT_EQ(Found({"a b"}), (std::vector<std::string>{"blank"}));
    EXPECT_EQ(Found({"A", "missing"}), std::vector<std::string>{});
    EXPECT_EQ(Found({}), std::vector<std::string>{});
}

TEST_F(MemoDocumentTest, SearchReadsCellsAsStored)
{
    store.AddRow("Memos", "hand");
    store.SetValue("Memos", "Keywords", "hand", "x,\"open");  // unclosed quote
    store.AddRow("Memos", "empty");                           // empty cell
    EXPECT_EQ(SearchMemos(store, {"open"}), std::vector<int>{0});
    EXPECT_EQ(SearchMemos(store, {"x"}), std::vector<int>{0});
    EXPECT_EQ(SearchMemos(store, {""}), std::vector<int>{});

    TQuorvexDataAccessSystem bare;
    EXPECT_THROW(SearchMemos(bare, {"x"}), EUnregisteredName);
}

TEST_F(MemoDocumentTest, SearchScalesToManyMemos)
{
    constexpr int count = 100000;
    for (int i = 0; i < count; ++i) {
        const std::string title = Numbered("memo", i);
        AddMemoRow(store, title);
        WriteMemo(store, MemoRecord{title, {Numbered("p", i % 7), "共通", Numbered("q", i % 11)}, "t"},
                  kMay2);
    }
    const std::vector<int> rows = SearchMemos(store, {"p3", "共通", "q5"});
    std::vector<int> expected;
    for (int i = 0; i < count; ++i)
        if (i % 7 == 3 && i % 11 == 5)
            expected.push_back(i);
    EXPECT_EQ(rows, expected);
}

TEST_F(MemoDocumentTest, CsvRecordsQuoteWhereNeeded)
{
    Save("plain", {"a", "b"}, "one\r\ntwo");
    Save("say \"hi\"", {"x y"}, "");
    store.AddRow("Memos", "");  // a row with the empty name and empty cells
    store.SetValue("Memos", "Keywords", 2, "k");
    EXPECT_EQ(Csv(),
              "plain,\"a,b\",\"one\r\ntwo\",2023/05/02\r\n"
              "\"say \"\"hi\"\"\",\"\"\"x y\"\"\",,2023/05/02\r\n"
              ",k,,\r\n");
}

TEST_F(MemoDocumentTest, CsvOfAnEmptyDocumentIsEmpty)
{
    EXPECT_EQ(Csv(), "");
    ClearMemos(store);
    EXPECT_EQ(Csv(), "");
}

TEST_F(MemoDocumentTest, LargeCsvIsWrittenWhole)
{
    const std::string text(3000, 'x');
    std::string expected;
    for (int i = 0; i < 1000; ++i) {
        const std::string title = Numbered("m", i);
        Save(title, {"k"}, text);
        expected += title + ",k," + text + ",2023/05/02\r\n";
    }
    EXPECT_EQ(Csv(), expected);

    // To a file: the same bytes; a write failing after the first piece of
    // the file leaves no file at all, nor a hidden one.
    const std::filesystem::path folder = std::filesystem::path(::testing::TempDir()) / "csv-export";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directory(folder);
    const std::string file = (folder / "memos.csv").string();
    ExportMemosCsvFile(store, file);
    EXPECT_TRUE(ReadWholeFile(file) == expected);
    std::filesystem::remove(file);
    FileWriteFaultsForTesting().noUnnamedTemporary = true;
    FileWriteFaultsForTesting().beforeWrite = [](std::size_t written) { return written > 0 ? ENOSPC : 0; };
    EXPECT_THROW(ExportMemosCsvFile(store, file), EFCreateError);
    FileWriteFaultsForTesting() = {};
    EXPECT_TRUE(std::filesystem::is_empty(folder));
    std::filesystem::remove_all(folder);
}

// A stream buffer that accepts nothing.
class FullDisk : public std::streambuf {
protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
    std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

TEST_F(MemoDocumentTest, CsvStreamFailureIsReported)
{
    Save("m", {});
    FullDisk disk;
    std::ostream out(&disk);
    try {
        ExportMemosCsv(store, out);
        FAIL() << "no exception";
    } catch (const Exception& error) {
        EXPECT_STREQ(error.what(), "CSV ファイルへの書き込みに失敗しました");
    }
}

}  // namespace

TEST(MemoLayoutCheck, NamesTheFirstGapAndAcceptsTheLayout)
{
    TQuorvexDataAccessSystem store;
    EXPECT_EQ(MissingMemoLayout(store), "表 \"Memos\" がありません");
    store.AddTable("Other");
    EXPECT_NE(MissingMemoLayout(store), "");
    store.AddTable("Memos");
    store.AddCol("Memos", "Title", ctString);
    store.AddCol("Memos", "Keywords", ctString);
    store.AddCol("Memos", "Text", ctString);
    EXPECT_EQ(MissingMemoLayout(store), "表 \"Memos\" に列 \"Update\" がありません");
    store.AddCol("Memos", "Update", ctInteger);
    EXPECT_EQ(MissingMemoLayout(store), "列 \"Update\" の型が日付ではありません");
    EXPECT_THROW(CheckMemoLayout(store, "/tmp/a.vlr"), ENotMemoDocument);

    TQuorvexDataAccessSystem memo;
    CreateMemoLayout(memo);
    memo.AddCol("Memos", "Extra", ctInteger);  // more columns are kept and allowed
    EXPECT_EQ(MissingMemoLayout(memo), "");
    EXPECT_NO_THROW(CheckMemoLayout(memo, "x.vlr"));
}

// A store without the layout is refused and the store opened into stays as
// it was; a memo document replaces it. (The window tests try each kind of
// layout-less file.)
TEST(MemoLayoutCheck, OpeningTakesOnlyAStoreWithTheLayout)
{
    const std::string path =
        (std::filesystem::temp_directory_path() / ("vellora-layout-" + std::to_string(::getpid()) + ".vlr")).string();
    TQuorvexDataAccessSystem open;
    CreateMemoLayout(open);
    AddMemoRow(open, "kept");
    TQuorvexDataAccessSystem other;
    other.AddTable("Notes");
    other.SaveToFile(path, DocumentKey);
    EXPECT_THROW(LoadMemoDocument(open, path), ENotMemoDocument);
    EXPECT_EQ(MemoCount(open), 1);

    TQuorvexDataAccessSystem memo;
    CreateMemoLayout(memo);
    memo.SaveToFile(path, DocumentKey);
    LoadMemoDocument(open, path);
    EXPECT_EQ(MemoCount(open), 0);
    std::filesystem::remove(path);
}
