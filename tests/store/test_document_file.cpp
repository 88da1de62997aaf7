// The document file: byte layout, scrambling, the extended form for bytes
// the legacy scrambling cannot carry, damaged files and crash-safe saving.
#include "Exceptions.h"
#include "LocaleFormats.h"
#include "MemoDocument.h"
#include "QuorvexDataAccessSystem.h"
#include "Scrambler.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <thread>

namespace fs = std::filesystem;

namespace {
// Appended rather than "m" + std::to_string(n), which GCC 12 at -O3 takes
// for an overlapping copy (a false -Wrestrict).
std::string Numbered(std::string prefix, int n)
{
    prefix += std::to_string(n);
    return prefix;
}


std::string FromHex(const char* hex)
{
    std::string out;
    for (const char* p = hex; *p;) {
        if (*p == ' ') { ++p; continue; }
        out.push_back(static_cast<char>(std::stoi(std::string(p, 2), nullptr, 16)));
        p += 2;
    }
    return out;
}

std::string ReadFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void WriteFile(const fs::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string DataFile(const char* name) { return std::string(VELLORA_TEST_DATA_DIR) + "/" + name; }

void AddMemoLayout(TQuorvexDataAccessSystem& store)
{
    store.AddTable("Memos");
    store.AddCol("Memos", "Title", ctString);
    store.AddCol("Memos", "Keywords", ctString);
    store.AddCol("Memos", "Text", ctString);
    store.AddCol("Memos", "Update", ctDateTime);
}

void AddDatedRow(TQuorvexDataAccessSystem& store, const std::string& title, double date)
{
    store.AddRow("Memos", title);
    store.SetValue("Memos", "Title", title, title);
    store.SetValue("Memos", "Keywords", title, "");
    store.SetValue("Memos", "Text", title, "x");
    store.SetValue("Memos", "Update", title, CellValue::DateTime(date));
}

// The whole content of a store as text, to compare stores.
std::string Dump(const TQuorvexDataAccessSystem& store)
{
    std::string out = std::to_string(store.StrictTypes()) + "|";
    for (int t = 0; t < store.TableCount(); ++t) {
        out += store.GetTableName(t) + "(" + std::to_string(store.GetRowNameRule(t)) + "):";
        for (int r = 0; r < store.RowCount(t); ++r)
            out += store.GetRowName(t, r) + ",";
        for (int c = 0; c < store.ColCount(t); ++c) {
            out += store.GetColName(t, c) + "#" + std::to_string(store.GetColType(t, c)) + "[";
            for (int r = 0; r < store.RowCount(t); ++r) {
                const CellValue v = store.GetValue(t, c, r);
                out += v.IsEmpty() ? "<empty>" : std::to_string(int(v.Kind())) + ":" + v.ToText();
                out += ";";
            }
            out += "]";
        }
    }
    return out;
}

class DocumentFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CurrentFormats() = LocaleFormats{};
        folder = fs::temp_directory_path() / ("vellora-doc-" + std::to_string(::getpid()) + "-" +
                                              ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    std::string RoundTrip(const TQuorvexDataAccessSystem& store)
    {
        const std::string file = (folder / "round.vlr").string();
        store.SaveToFile(file, DocumentKey);
        TQuorvexDataAccessSystem loaded;
        loaded.LoadFromFile(file, DocumentKey);
        return Dump(loaded);
    }

    fs::path folder;
};

const char* const kExamplePlain =
    "01 01000000 4D656D6F7300 01000000 4100 04000000"
    " 08 5469746C6500 00 4100"
    " 08 4B6579776F72647300 00 00"
    " 08 5465787400 00 7800"
    " 07 55706461746500 00 000000008003E240"
    " 01";

TEST_F(DocumentFileTest, OneMemoGivesTheSeventyExampleBytes)
{
    TQuorvexDataAccessSystem store;
    AddMemoLayout(store);
    AddDatedRow(store, "A", 36892.0);
    store.SetValue("Memos", "Keywords", "A", "");

    const std::string file = store.SaveToBytes(DocumentKey);
    ASSERT_EQ(file.size(), 70u);
    EXPECT_EQ(Unscramble(file, DocumentKey), FromHex(kExamplePlain));
    EXPECT_EQ(file, ReadFile(DataFile("example.vlr")));

    TQuorvexDataAccessSystem loaded;
    loaded.LoadFromFile(DataFile("example.vlr"), DocumentKey);
    EXPECT_EQ(Dump(loaded), Dump(store));
    EXPECT_EQ(loaded.GetValueAsString("Memos", "Update", "A"), "2001/01/01");

    loaded.LoadFromFile(DataFile("appended-byte.vlr"), DocumentKey);  // trailing bytes are ignored
    EXPECT_EQ(Dump(loaded), Dump(store));
}

TEST_F(DocumentFileTest, EmptyStoreIsFiveBytes)
{
    TQuorvexDataAccessSystem store;
    EXPECT_EQ(Unscramble(store.SaveToBytes(DocumentKey), DocumentKey), FromHex("01 00000000"));
    store.AddTable("T");
    store.AddCol("T", "C", ctInteger);  // no rows: only the column's type and name
    EXPECT_EQ(Unscramble(store.SaveToBytes(DocumentKey), DocumentKey),
              FromHex("01 01000000 5400 00000000 01000000 02 4300 01"));
}

TEST_F(DocumentFileTest, EveryColumnTypeRoundTrips)
{
    TQuorvexDataAccessSystem store;
    store.AddTable("T");
    const std::uint8_t types[] = {ctByte, ctSmallint, ctInteger, ctBoolean, ctSingle,
                                  ctDouble, ctCurrency, ctDateTime, ctString, 12};
    for (std::uint8_t type : types)
        store.AddCol("T", Numbered("c", type), type);
    store.AddRow("T", "\x93\xfa\x96\x7b");  // 日本 in code page 932
    store.AddRow("T", "empty");
    const CellValue values[] = {CellValue(200), CellValue(-300), CellValue(-1), CellValue::Boolean(true),
                                CellValue::Real(0.1), CellValue::Real(1e300), CellValue::Currency(-123456789),
                                CellValue::DateTime(45048.25), CellValue("\x83\x81\x83\x82"), CellValue()};
    for (int c = 0; c < 10; ++c)
        store.SetValue("T", c, 0, values[c]);
    store.SetValue("T", "c8", "empty", "");  // empty text, not an empty cell
    store.SetRowNameRule("T", 0);
    store.SetStrictTypes(3);

    const std::string file = (folder / "types.vlr").string();
    store.SaveToFile(file, DocumentKey);
    TQuorvexDataAccessSystem loaded;
    loaded.LoadFromFile(file, DocumentKey);
    EXPECT_EQ(loaded.StrictTypes(), 3);
    EXPECT_EQ(loaded.GetRowNameRule("T"), 0);
    EXPECT_EQ(loaded.GetRowName("T", 0), "\x93\xfa\x96\x7b");
    for (int c = 0; c < 10; ++c) {
        if (c == 4) continue;
        EXPECT_EQ(loaded.GetValue("T", c, 0), values[c]) << "column " << c;
    }
    EXPECT_EQ(loaded.GetValue("T", 4, 0), CellValue::Real(static_cast<float>(0.1)));
    EXPECT_EQ(loaded.GetValue("T", "c8", "empty"), CellValue(""));
    EXPECT_TRUE(loaded.GetValue("T", "c0", "empty").IsEmpty());
    EXPECT_EQ(loaded.GetValueAsString("T", "c0", "empty"), loaded.GetValueAsString("T", "c8", "empty"));
}

// Loaded texts are read in place from the file's bytes; every value handed
// out owns its text, and the store's own edits keep the others intact.
TEST_F(DocumentFileTest, LoadedTextsOutliveReloadsAndEdits)
{
    TQuorvexDataAccessSystem store;
    AddMemoLayout(store);
    for (const char* title : {"first", "second", "third"})
        AddDatedRow(store, title, 40000.0);
    store.SetValue("Memos", "Text", "second", std::string(40, 's'));
    const std::string file = (folder / "texts.vlr").string();
    store.SaveToFile(file, DocumentKey);

    TQuorvexDataAccessSystem loaded;
    loaded.LoadFromFile(file, DocumentKey);
    const CellValue kept = loaded.GetValue("Memos", "Text", "second");
    CellValue assigned;
    assigned = loaded.CellAt(0, 2, 1);
    EXPECT_TRUE(loaded.CellAt(0, 2, 1) == CellValue(std::string(40, 's')));
    EXPECT_TRUE(CellValue(std::string(40, 's')) == loaded.CellAt(0, 2, 1));
    EXPECT_FALSE(loaded.CellAt(0, 2, 0) == loaded.CellAt(0, 2, 1));

    loaded.DeleteRow("Memos", "first");  // the later cells move up
    loaded.SetValue("Memos", "Text", "third", "edited");
    EXPECT_EQ(loaded.GetValueAsString("Memos", "Text", "second"), std::string(40, 's'));
    EXPECT_EQ(loaded.GetValueAsString("Memos", "Keywords", "third"), "");

    {
        TQuorvexDataAccessSystem other;
        other.LoadFromFile(file, DocumentKey);
        other.Swap(loaded);  // the texts go with their store
        EXPECT_EQ(other.GetValueAsString("Memos", "Text", "third"), "edited");
        EXPECT_EQ(loaded.RowCount("Memos"), 3);
    }
    EXPECT_EQ(loaded.GetValueAsString("Memos", "Text", "second"), std::string(40, 's'));
    loaded.LoadFromBytes(TQuorvexDataAccessSystem().SaveToBytes(DocumentKey), DocumentKey, "empty");
    EXPECT_EQ(loaded.TableCount(), 0);
    EXPECT_EQ(kept.AsText(), std::string(40, 's'));
    EXPECT_EQ(assigned.AsText(), std::string(40, 's'));
}

// Files are read a piece at a time as the reader needs them; a file that
// ends before its announced size is as long as what could be read.
TEST_F(DocumentFileTest, PiecewiseReadingGivesTheWholeStream)
{
    std::string plain;
    for (int i = 0; i < 40000; ++i)
        plain += static_cast<char>(i * 7 % 251) + std::string("\xFF", i % 3 == 0);
    // The first has the legacy form, the second (with its 0xFF bytes) the extended one.
    for (const std::string& file : {Scramble(std::string(70000, 'a'), DocumentKey), Scramble(plain, DocumentKey)}) {
        for (std::size_t available : {file.size(), file.size() / 2}) {
            std::string buffer(file.size(), '?');
            std::size_t given = 0;
            TUnscrambler reader(buffer, DocumentKey, [&](char* into, std::size_t size) {
                const std::size_t piece = std::min({size, available - given, std::size_t(4093)});
                std::copy_n(file.data() + given, piece, into);
                given += piece;
                return piece;
            });
            reader.ReadyUpTo(file.size());
            const std::string whole = Unscramble(file.substr(0, available), DocumentKey);
            EXPECT_EQ(reader.Size(), whole.size());
            EXPECT_EQ(reader.Ready(), whole);
        }
    }

    TQuorvexDataAccessSystem store;
    AddMemoLayout(store);
    for (int i = 0; i < 300; ++i)
        AddDatedRow(store, "memo " + std::to_string(i), 45048.0 + i);  // dates holding 0xFF bytes
    store.SetValue("Memos", "Text", 7, plain.substr(1, 30000).c_str());
    const std::string file = (folder / "large.vlr").string();
    store.SaveToFile(file, DocumentKey);
    TQuorvexDataAccessSystem loaded;
    loaded.LoadFromFile(file, DocumentKey);
    EXPECT_EQ(Dump(loaded), Dump(store));
}

// A pipe has no size to read up to: it is read to its end, opened once.
TEST_F(DocumentFileTest, DocumentLoadsFromAPipe)
{
    const fs::path pipe = folder / "pipe.vlr";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    std::thread writer([&] { WriteFile(pipe, ReadFile(DataFile("example.vlr"))); });
    TQuorvexDataAccessSystem loaded;
    EXPECT_NO_THROW(loaded.LoadFromFile(pipe.string(), DocumentKey));
    writer.join();
    EXPECT_EQ(loaded.GetValueAsString("Memos", "Text", "A"), "x");
}

TEST_F(DocumentFileTest, BytesOfValueFFSurviveThroughTheExtendedForm)
{
    // 2023-05-02 ... 2023-05-09: each date's double holds a 0xFF byte.
    TQuorvexDataAccessSystem store;
    AddMemoLayout(store);
    for (int serial = 45048; serial <= 45055; ++serial)
        AddDatedRow(store, Numbered("m", serial), serial);
    const std::string bytes = store.SaveToBytes(DocumentKey);
    EXPECT_EQ(bytes.substr(0, 8), FromHex("00564C52581A0100"));
    TQuorvexDataAccessSystem loaded;
    loaded.LoadFromBytes(bytes, DocumentKey, "dates.vlr");
    for (int serial = 45048; serial <= 45055; ++serial)
        EXPECT_EQ(loaded.GetValue("Memos", "Update", Numbered("m", serial)), CellValue::DateTime(serial));

    loaded.LoadFromFile(DataFile("extended.vlr"), DocumentKey);
    EXPECT_EQ(loaded.GetValueAsString("Memos", "Update", 0), "2023/05/02");
    EXPECT_EQ(loaded.GetValueAsString("Memos", "Text", 0), "\x88\xea\x8d\x73\x96\xda\r\n\x93\xf1\x8d\x73\x96\xda");
}

// The scrambling rules byte by byte over a whole plain stream, as a writer
// holding the whole stream applies them.
std::string ScrambleWhole(const std::string& plain, ScrambleKey key)
{
    const auto keyByte = [&](std::size_t i) { return unsigned(key[i % key.size()]); };
    bool legacy = true;
    for (std::size_t i = 0; i < plain.size(); ++i)
        legacy = legacy && (static_cast<unsigned char>(plain[i]) != 0xFF || keyByte(i) == 0);
    std::string out = legacy ? "" : FromHex("00564C52581A0100");
    for (std::size_t i = 0; i < plain.size(); ++i) {
        const unsigned sum = static_cast<unsigned char>(plain[i]) + keyByte(i);
        out.push_back(static_cast<char>(legacy && sum > 255 ? sum - 255 : sum & 0xFF));
    }
    return out;
}

TEST_F(DocumentFileTest, LongStreamsAreWrittenAsTheWholeStreamRulesGive)
{
    // About a megabyte of texts: the stream is written in many pieces.
    TQuorvexDataAccessSystem store;
    AddMemoLayout(store);
    for (int row = 0; row < 3000; ++row) {
        const std::string title = Numbered("m", row);
        AddDatedRow(store, title, 36892.0 + row % 40);
        store.SetValue("Memos", "Text", title, std::string(300 + row % 97, static_cast<char>('a' + row % 26)));
    }
    const fs::path file = folder / "long.vlr";
    const auto expectWholeStreamBytes = [&](bool extended) {
        const std::string plain = store.SaveToBytes({});  // an empty key changes no byte
        const std::string expected = ScrambleWhole(plain, DocumentKey);
        EXPECT_EQ(expected.starts_with(FromHex("00564C52581A0100")), extended);
        EXPECT_EQ(store.SaveToBytes(DocumentKey), expected);
        store.SaveToFile(file.string(), DocumentKey);
        EXPECT_EQ(ReadFile(file), expected);
    };
    expectWholeStreamBytes(false);
    // Bytes of 0xFF near the end force the extended form after most of the
    // stream went out in the legacy one.
    store.SetValue("Memos", "Text", "m2990", std::string(8, '\xFF'));
    expectWholeStreamBytes(true);
}

TEST_F(DocumentFileTest, CountsAndNegativeIntegersHoldingFFRoundTrip)
{
    for (int count : {255, 511}) {
        TQuorvexDataAccessSystem store;
        AddMemoLayout(store);
        for (int i = 0; i < count; ++i)
            AddDatedRow(store, "memo " + std::to_string(i), 36892.0);
        TQuorvexDataAccessSystem loaded;
        loaded.LoadFromBytes(store.SaveToBytes(DocumentKey), DocumentKey, "count.vlr");
        EXPECT_EQ(loaded.RowCount("Memos"), count);
    }
    TQuorvexDataAccessSystem store;
    store.AddTable("T");
    store.AddCol("T", "I", ctInteger);
    store.AddRow("T", "r");
    store.SetValue("T", "I", "r", -1);
    EXPECT_EQ(RoundTrip(store), Dump(store));

    // Where the key byte is 0 an 0xFF passes unchanged: the legacy form stays.
    const std::uint8_t zeroKey[] = {0x00};
    const std::string legacy = store.SaveToBytes(zeroKey);
    EXPECT_EQ(legacy, Unscramble(legacy, zeroKey));
    TQuorvexDataAccessSystem loaded;
    loaded.LoadFromBytes(legacy, zeroKey, "zero.vlr");
    EXPECT_EQ(loaded.GetValue("T", "I", "r"), CellValue(-1));
}

TEST_F(DocumentFileTest, DamagedFilesRaiseAndLeaveTheStoreAsItWas)
{
    TQuorvexDataAccessSystem store;
    AddMemoLayout(store);
    AddDatedRow(store, "kept", 40000.0);
    const std::string before = Dump(store);

    for (const char* name : {"truncated-in-text.vlr", "truncated-in-date.vlr", "overcount.vlr"}) {
        try {
            store.LoadFromFile(DataFile(name), DocumentKey);
            ADD_FAILURE() << name << " loaded";
        } catch (const EDamagedDocument& e) {
            EXPECT_NE(std::string(e.what()).find(name), std::string::npos) << e.what();
        }
        EXPECT_EQ(Dump(store), before) << name;
    }
    EXPECT_THROW(store.LoadFromFile(DataFile("duplicate-tables.vlr"), DocumentKey), EDuplicateTableName);
    // Rows are added while the rule is still 1, whatever rule the file ends with.
    EXPECT_THROW(store.LoadFromFile(DataFile("duplicate-rows.vlr"), DocumentKey), EDuplicateRowName);
    const std::string missing = (folder / "missing.vlr").string();
    try {
        store.LoadFromFile(missing, DocumentKey);
        ADD_FAILURE() << "missing file loaded";
    } catch (const EFOpenError& e) {
        EXPECT_EQ(e.what(), "ファイル " + missing + " は開けません (ファイルがありません)");
    }
    EXPECT_EQ(Dump(store), before);
    try {
        store.LoadFromFile(folder.string(), DocumentKey);
        ADD_FAILURE() << "folder loaded";
    } catch (const EFOpenError& e) {
        EXPECT_EQ(e.what(), "ファイル " + folder.string() + " は開けません (ファイルではなくフォルダーです)");
    }

    // Every prefix of a real document fails cleanly.
    const std::string example = Unscramble(ReadFile(DataFile("example.vlr")), DocumentKey);
    for (std::size_t size = 0; size < example.size(); ++size) {
        EXPECT_ANY_THROW(store.LoadFromBytes(Scramble(example.substr(0, size), DocumentKey), DocumentKey, "p"));
        EXPECT_EQ(Dump(store), before);
    }
}

TEST_F(DocumentFileTest, SavingReplacesTheFileWholeOrNotAtAll)
{
    TQuorvexDataAccessSystem store;
    AddMemoLayout(store);
    AddDatedRow(store, "A", 36892.0);
    const fs::path file = folder / "doc.vlr";
    WriteFile(file, "old content");
    ::chmod(file.c_str(), 0640);

    store.SaveToFile(file.string(), DocumentKey);
    EXPECT_EQ(ReadFile(file), store.SaveToBytes(DocumentKey));
    struct stat info;
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);

    // A text holding 0x00 is refused before the file is touched.
    store.SetValue("Memos", "Text", "A", std::string("a\0b", 3));
    EXPECT_THROW(store.SaveToFile(file.string(), DocumentKey), ENulInText);
    TQuorvexDataAccessSystem reread;
    reread.LoadFromFile(file.string(), DocumentKey);
    EXPECT_EQ(reread.GetValueAsString("Memos", "Text", "A"), "x");

    // A target that cannot be replaced raises the create error and leaves no temporary file.
    store.SetValue("Memos", "Text", "A", "y");
    fs::create_directory(folder / "dir.vlr");
    const std::string target = (folder / "dir.vlr").string();
    try {
        store.SaveToFile(target, DocumentKey);
        ADD_FAILURE() << "saved over a folder";
    } catch (const EFCreateError& e) {
        EXPECT_EQ(e.what(), "ファイル " + target + " を作成できません (同じ名前のフォルダーがあります)");
    }
    EXPECT_THROW(store.SaveToFile((folder / "no" / "such.vlr").string(), DocumentKey), EFCreateError);
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder))
        ++entries;
    EXPECT_EQ(entries, 2);  // doc.vlr and dir.vlr
}

}  // namespace
