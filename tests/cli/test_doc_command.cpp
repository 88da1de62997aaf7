#include "ArgumentList.h"
#include "Cp932Codec.h"
#include "DocCommandFixture.h"
#include "LineBreaks.h"
#include "MemoDocument.h"
#include "TextForms.h"
#include "UsageError.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string Today() { return FormatDateTime(TodaySerial(), LocaleFormats()); }

TEST_F(DocCommandTest, AddCreatesTheDocumentThenListShowAndSearchReadIt)
{
    Add("買い物", {"家", "a b"}, "牛乳\nパン\n");
    Add("仕事", {"会社", "家"}, "会議");

    TQuorvexDataAccessSystem store;
    store.LoadFromFile(document, DocumentKey);
    ASSERT_EQ(MemoCount(store), 2);
    EXPECT_EQ(ReadMemo(store, Utf8ToCp932("買い物")).Text, Utf8ToCp932("牛乳\r\nパン\r\n"));
    EXPECT_EQ(store.GetValueAsString("Memos", "Update", 0), Today());

    EXPECT_EQ(Run({"list", document}).out, "買い物\n仕事\n");
    EXPECT_EQ(Run({"show", document, "買い物"}).out, "牛乳\nパン\n");
    EXPECT_EQ(Run({"show", document, "買い物", "--keywords"}).out, "家\na b\n");
    EXPECT_EQ(Run({"search", document, "家"}).out, "買い物\n仕事\n");
    EXPECT_EQ(Run({"search", document, "家", "会社"}).out, "仕事\n");
    EXPECT_EQ(Run({"search", document, "a"}).out, "");
}

// A link whose target is missing yet: add creates the target, the link stays.
TEST_F(DocCommandTest, AddThroughALinkToAMissingDocumentCreatesItsTarget)
{
    const fs::path link = folder / "link.vlr";
    fs::create_symlink("memos.vlr", link);
    EXPECT_EQ(Run({"add", link.string(), "a"}, "x").status, 0);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Run({"list", document}).out, "a\n");
}

TEST_F(DocCommandTest, AddReplacesTheMemoOfThatTitle)
{
    Add("m", {"old"}, "old");
    Add("n", {}, "other");
    Add("m", {"new", "new"}, "new\r\ntext\rend");
    EXPECT_EQ(Run({"list", document}).out, "m\nn\n");
    EXPECT_EQ(Run({"show", document, "m", "--keywords"}).out, "new\n");
    TQuorvexDataAccessSystem store;
    store.LoadFromFile(document, DocumentKey);
    EXPECT_EQ(ReadMemo(store, "m").Text, "new\r\ntext\r\nend");
}

TEST_F(DocCommandTest, CsvIsTheExportByteForByte)
{
    Add("表", {"a", "b c"}, "1\n2");
    TQuorvexDataAccessSystem store;
    store.LoadFromFile(document, DocumentKey);
    std::ostringstream expected;
    ExportMemosCsv(store, expected);
    EXPECT_EQ(expected.str(), Utf8ToCp932("表,\"a,\"\"b c\"\"\",\"1\r\n2\"," + Today() + "\r\n"));

    EXPECT_EQ(Run({"csv", document}).out, expected.str());
    const std::string out = (folder / "out.csv").string();
    std::ofstream(out) << "previous content";
    fs::permissions(out, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_EQ(Run({"csv", document, out}).status, 0);
    EXPECT_EQ(FileBytes(out), expected.str());
    EXPECT_EQ(fs::status(out).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
    // Nothing is left beside it.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 2);
    // The document itself, by another spelling, is never replaced.
    const std::string before = FileBytes(document);
    EXPECT_EQ(Run({"csv", document, (folder / "." / fs::path(document).filename()).string()}).status, 2);
    EXPECT_EQ(FileBytes(document), before);
}

TEST_F(DocCommandTest, CsvOfAnEmptyDocumentIsAnEmptyFile)
{
    TQuorvexDataAccessSystem store;
    CreateMemoLayout(store);
    store.SaveToFile(document, DocumentKey);
    const std::string out = (folder / "empty.csv").string();
    ASSERT_EQ(Run({"csv", document, out}).status, 0);
    EXPECT_TRUE(fs::exists(out));
    EXPECT_EQ(fs::file_size(out), 0u);
}

TEST_F(DocCommandTest, FailedCsvLeavesTheOutputUntouched)
{
    const std::string out = (folder / "out.csv").string();
    std::ofstream(out) << "keep";
    const Result result = Run({"csv", (folder / "missing.vlr").string(), out});
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("missing.vlr"), std::string::npos) << result.err;
    EXPECT_EQ(FileBytes(out), "keep");
}

TEST_F(DocCommandTest, CheckPrintsTablesOrTheDamage)
{
    Add("m", {}, "");
    EXPECT_EQ(Run({"check", document}), (Result{0, "Memos: 1 行, 4 列\n", ""}));

    const std::string bytes = FileBytes(document);
    const std::string damaged = (folder / "damaged.vlr").string();
    std::ofstream(damaged, std::ios::binary) << bytes.substr(0, bytes.size() - 3);
    const Result result = Run({"check", damaged});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err.rfind("vellora-doc: ファイル " + damaged, 0), 0u) << result.err;
}

TEST_F(DocCommandTest, BadInputFailsAndWritesNothing)
{
    Add("m", {}, "keep");
    const std::string before = FileBytes(document);

    Result result = Run({"add", document, "x"}, "絵文字😀");
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("U+1F600"), std::string::npos) << result.err;
    result = Run({"add", document, "x", "--keyword", "😀"}, "text");
    EXPECT_EQ(result.status, 1);
    result = Run({"add", document, "x"}, std::string("nul\0byte", 8));
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(Run({"add", document, ""}, "text").status, 2);
    EXPECT_EQ(Run({"add", document, "x", "--keyword", ""}, "text").status, 2);
    EXPECT_EQ(FileBytes(document), before);

    result = Run({"show", document, "nobody"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "vellora-doc: メモ \"nobody\" はありません\n");
}

TEST_F(DocCommandTest, AddRefusesAFileThatIsNotADocument)
{
    const std::string other = (folder / "notes.txt").string();
    std::ofstream(other) << "just some text that is not a document";
    EXPECT_EQ(Run({"add", other, "m"}, "x").status, 1);
    EXPECT_EQ(FileBytes(other), "just some text that is not a document");
}

// Each run in a process of its own, all at once: every add that reported
// success is in the document.
TEST_F(DocCommandTest, ConcurrentAddsLoseNoMemo)
{
    constexpr int kRuns = 16;
    std::vector<pid_t> children;
    for (int i = 0; i < kRuns; ++i) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0)
            ::_exit(Run({"add", document, "memo" + std::to_string(i)}, "text").status);
        children.push_back(child);
    }
    for (const pid_t child : children) {
        int status = -1;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    TQuorvexDataAccessSystem store;
    store.LoadFromFile(document, DocumentKey);
    EXPECT_EQ(MemoCount(store), kRuns);
    for (int i = 0; i < kRuns; ++i)
        EXPECT_GE(FindMemoRow(store, "memo" + std::to_string(i)), 0) << i;
}

// A folder the user may write but not list cannot be locked: add says so
// rather than blaming the write permission.
TEST_F(DocCommandTest, AddInAFolderThatCannotBeListedSaysWhy)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to act as another user";
    ASSERT_EQ(Run({"add", document, "a"}, "x").status, 0);
    ASSERT_EQ(::chown(folder.c_str(), 65534, 65534), 0);
    ASSERT_EQ(::chmod(folder.c_str(), 0311), 0);
    const Result result = RunInChild([] { return ::setgid(65534) == 0 && ::setuid(65534) == 0; },
                                     {"add", document, "b"}, "y");
    ::chmod(folder.c_str(), 0755);
    EXPECT_EQ(result, (Result{1, "",
                              "vellora-doc: ファイル " + document +
                                  " を作成できません (フォルダーの内容を読み取れないため、他のプログラムの書き込みと調整できません)\n"}));
    EXPECT_EQ(Run({"list", document}).out, "a\n");
}

#if !defined(__SANITIZE_ADDRESS__)
// A document needing more memory than there is ends with words, not a
// library's exception name. The child's address space is capped.
TEST_F(DocCommandTest, RunningOutOfMemorySaysSo)
{
    std::ofstream(document, std::ios::binary) << std::string(64 << 20, 'x');
    const Result result = RunInChild(
        [] {
            std::ifstream statm("/proc/self/statm");
            unsigned long pages = 0;
            statm >> pages;
            const rlim_t cap = pages * ::sysconf(_SC_PAGESIZE) + (16 << 20);
            const rlimit limit{cap, cap};
            return ::setrlimit(RLIMIT_AS, &limit) == 0;
        },
        {"check", document});
    EXPECT_EQ(result, (Result{1, "", "vellora-doc: メモリが足りません (ファイル " + document + ")\n"}));
}
#endif

TEST_F(DocCommandTest, EverySubcommandRefusesAStoreWithoutTheMemoLayout)
{
    TQuorvexDataAccessSystem other;
    other.AddTable("Notes");
    other.SaveToFile(document, DocumentKey);
    const std::string before = FileBytes(document);
    const std::string message =
        "vellora-doc: ファイル " + document + " はメモの文書ではありません (表 \"Memos\" がありません)\n";
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"list", document}, {"show", document, "m"}, {"search", document, "k"}, {"csv", document},
             {"check", document}, {"add", document, "m"}})
        EXPECT_EQ(Run(args, "x"), (Result{1, "", message})) << args[0];
    EXPECT_EQ(FileBytes(document), before);
}

TEST_F(DocCommandTest, UsageErrorsGiveStatusTwo)
{
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {},
             {"frobnicate", document},
             {"list"},
             {"list", document, "extra"},
             {"show", document},
             {"search", document},
             {"csv", document, "a", "b"},
             {"show", document, "m", "--keyword", "k"},
             {"add", document, "m", "--keyword"},
             {"list", document, "--keywords"},
         }) {
        const Result result = Run(args);
        EXPECT_EQ(result.status, 2) << ::testing::PrintToString(args);
        EXPECT_NE(result.err.find("--help"), std::string::npos) << result.err;
    }
}

TEST_F(DocCommandTest, HelpListsEverySubcommand)
{
    const Result result = Run({"--help"});
    EXPECT_EQ(result.status, 0);
    for (const char* name : {"list FILE", "show FILE TITLE", "search FILE", "csv FILE", "add FILE TITLE", "check FILE"})
        EXPECT_NE(result.out.find(name), std::string::npos) << name;
    EXPECT_EQ(Run({"add", document, "m", "--help"}).out, result.out);
    EXPECT_FALSE(fs::exists(document));
}

TEST_F(DocCommandTest, DoubleDashLetsTitlesStartWithADash)
{
    Add("k", {"--keyword"}, "x");  // a value may start with dashes
    EXPECT_EQ(Run({"search", document, "--", "--keyword"}).out, "k\n");
    const Result added = Run({"add", document, "--", "-dash"}, "body");
    ASSERT_EQ(added.status, 0) << added.err;
    EXPECT_EQ(Run({"show", document, "--", "-dash"}).out, "body");
}

TEST(ArgumentList, SplitsPositionalsFlagsAndValues)
{
    const ArgumentList args({"f", "--k", "1", "--k=2", "--flag", "--", "--k"}, {"--flag"}, {"--k"});
    EXPECT_EQ(args.Positional(), (std::vector<std::string>{"f", "--k"}));
    EXPECT_EQ(args.Values("--k"), (std::vector<std::string>{"1", "2"}));
    EXPECT_TRUE(args.HasFlag("--flag"));
    EXPECT_THROW(ArgumentList({"--flag=1"}, {"--flag"}, {}), UsageError);
    EXPECT_THROW(ArgumentList({"-x"}, {}, {}), UsageError);
    EXPECT_EQ(ArgumentList({"-"}, {}, {}).Positional(), std::vector<std::string>{"-"});
}

TEST(LineBreaks, NormaliseBothWays)
{
    EXPECT_EQ(ToCrLf("a\nb\rc\r\nd\n\n"), "a\r\nb\r\nc\r\nd\r\n\r\n");
    EXPECT_EQ(ToCrLf("\r\r\n"), "\r\n\r\n");
    EXPECT_EQ(CrLfToLf("a\r\nb\rc\n"), "a\nb\rc\n");
}

}  // namespace
