// Feeds arbitrary document files through the path the windows take: the
// file is loaded from disk, checked for the memo layout, shown in the memo
// list (every cell, every sort order), searched with its own keywords,
// each memo read, exported as CSV, saved and reloaded, and a memo added.
// Only the load and the layout check may fail, and only with the store's
// own exceptions.
//
// Input: four control bytes, then the file. The control bytes name a run
// of the file (start, length in whole key periods) that is repeated in
// place about count KiB long, so that files cross the 64 KiB pieces the
// reader loads them in: a repeated run of a text cell makes a long text,
// of a row name list many rows. The top bit of the length byte says that
// the file is given as its plain stream, scrambled here before it is
// written: the fuzzer then mutates names, counts and cells directly.
#include "ColumnRules.h"
#include "Cp932Codec.h"
#include "Exceptions.h"
#include "FuzzCheck.h"
#include "KeywordText.h"
#include "ListSortKey.h"
#include "MemoDocument.h"
#include "MemoListModel.h"
#include "QuorvexDataAccessSystem.h"
#include "Scrambler.h"

#include <QModelIndex>
#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace {

constexpr const char* kTarget = "memo file fuzz";
// The walks over rows stop here, so that inputs of many rows stay fast.
constexpr int kMaxRows = 2000;
constexpr int kMaxSearches = 64;

void Require(bool condition, const char* what) { ::Require(condition, kTarget, what); }

// The body with the run at start, length whole key periods long,
// repeated in place about count KiB long.
std::string Stretched(std::string_view body, std::size_t start, std::size_t periods, std::size_t count)
{
    if (count == 0 || body.empty())
        return std::string(body);
    start %= body.size();
    // Whole key periods, so that the repeated bytes unscramble alike.
    const std::size_t length = std::min<std::size_t>((periods % 64 + 1) * 4, body.size() - start);
    const std::string_view run = body.substr(start, length);
    const std::size_t repeats = (count * 1024 + length - 1) / length;
    std::string file(body.substr(0, start + length));
    file.reserve(body.size() + repeats * length);
    for (std::size_t i = 0; i < repeats; ++i)
        file.append(run);
    file.append(body.substr(start + length));
    return file;
}

struct FuzzFile {
    std::string bytes;
    // The plain stream, when the input gave it.
    std::optional<std::string> plain;
};

FuzzFile MakeFile(std::string_view input)
{
    if (input.size() < 4)
        return {std::string(input), std::nullopt};
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(input[i]); };
    std::string file = Stretched(input.substr(4), byte(0) | byte(1) << 8, byte(2) & 0x7F, byte(3));
    if (!(byte(2) & 0x80))
        return {std::move(file), std::nullopt};
    std::string bytes = Scramble(file, DocumentKey);
    return {std::move(bytes), std::move(file)};
}

// The extended form of a plain stream, whichever form Scramble chose: its
// marker moves every byte against the 64 KiB pieces of the reader.
std::string ExtendedForm(const std::string& plain)
{
    std::string bytes("\x00VLRX\x1A\x01\x00", 8);
    for (std::size_t i = 0; i < plain.size(); ++i)
        bytes += static_cast<char>(static_cast<unsigned char>(plain[i]) + DocumentKey[i % DocumentKey.size()]);
    return bytes;
}

// One file, rewritten for every input, in a folder made at start.
const std::string& DocumentPath()
{
    static const std::string path = [] {
        char folder[] = "/tmp/memo-file-fuzz.XXXXXX";
        Require(mkdtemp(folder) != nullptr, "cannot make a temporary folder");
        static std::string made = std::string(folder) + "/fuzz.vlr";
        std::atexit([] {
            unlink(made.c_str());
            rmdir(made.substr(0, made.rfind('/')).c_str());
        });
        return made;
    }();
    return path;
}

void WriteFile(const std::string& path, const std::string& bytes)
{
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    Require(fd >= 0, "cannot create the document file");
    const ssize_t written = write(fd, bytes.data(), bytes.size());
    Require(written == static_cast<ssize_t>(bytes.size()) && close(fd) == 0, "cannot write the document file");
}

// Long texts are where a load in pieces could go wrong unseen by the
// other checks: each must be a run of the plain stream it was read from.
void CheckLongTexts(const TQuorvexDataAccessSystem& store, const std::string& plain)
{
    constexpr std::size_t kLong = 1024;
    constexpr int kMaxChecked = 8;
    int checked = 0;
    for (int table = 0; table < store.TableCount(); ++table)
        for (int col = 0; col < store.ColCount(table); ++col)
            for (int row = 0; row < std::min(store.RowCount(table), kMaxRows) && checked < kMaxChecked; ++row) {
                const CellValue& cell = store.CellAt(table, col, row);
                if (!cell.IsText() || cell.AsText().size() < kLong)
                    continue;
                const std::string_view text = cell.AsText();
                ++checked;
                const std::boyer_moore_horspool_searcher searcher(text.begin(), text.end());
                Require(std::search(plain.begin(), plain.end(), searcher) != plain.end(),
                        "a long text was loaded with bytes its file does not hold");
            }
}

// Loads and gives the exception's message, or the empty text on success.
template <typename Load> std::string TryLoad(Load load)
{
    try {
        load();
        return {};
    } catch (const Exception& error) {
        Require(*error.what() != '\0', "a load failed with an empty message");
        return error.what();
    }
}

// Every memo's keyword list, in table order.
std::vector<std::vector<std::string>> KeywordLists(const TQuorvexDataAccessSystem& store, int rows)
{
    std::vector<std::vector<std::string>> lists;
    for (int row = 0; row < rows; ++row)
        lists.push_back(DecodeKeywordText(store.GetValueAsString(MemoLayout::Table, MemoLayout::Keywords, row)));
    return lists;
}

bool CarriesAll(const std::vector<std::string>& list, const std::vector<std::string>& wanted)
{
    return std::all_of(wanted.begin(), wanted.end(),
                       [&](const std::string& k) { return std::find(list.begin(), list.end(), k) != list.end(); });
}

// The search finds exactly the memos whose decoded keywords hold every
// wanted keyword.
void CheckSearch(const TQuorvexDataAccessSystem& store, const std::vector<std::vector<std::string>>& lists,
                 const std::vector<std::string>& wanted)
{
    std::vector<int> expected;
    if (!wanted.empty())
        for (int row = 0; row < static_cast<int>(lists.size()); ++row)
            if (CarriesAll(lists[static_cast<std::size_t>(row)], wanted))
                expected.push_back(row);
    Require(SearchMemos(store, wanted) == expected, "the search found other memos than those carrying the keywords");
}

// A search box holds a few keywords: the first and the last ones of a
// memo's list (a damaged memo may have many thousands).
std::vector<std::string> Query(const std::vector<std::string>& list)
{
    constexpr std::size_t kEnds = 3;
    if (list.size() <= 2 * kEnds)
        return list;
    std::vector<std::string> query(list.begin(), list.begin() + kEnds);
    query.insert(query.end(), list.end() - kEnds, list.end());
    return query;
}

void CheckSearches(const TQuorvexDataAccessSystem& store, int rows)
{
    const auto lists = KeywordLists(store, rows);
    CheckSearch(store, lists, {});
    for (int row = 0; row < std::min(rows, kMaxSearches); ++row) {
        const auto own = Query(lists[static_cast<std::size_t>(row)]);
        CheckSearch(store, lists, own);
        if (!own.empty())
            CheckSearch(store, lists, {own.back()});
        if (row + 1 < rows) {
            auto both = own;
            const auto next = Query(lists[static_cast<std::size_t>(row) + 1]);
            both.insert(both.end(), next.begin(), next.end());
            CheckSearch(store, lists, both);
        }
    }
}

// The list shows every memo, each cell without an exception, and sorts by
// every column into the order of the cells' list texts, rows that sort
// alike in table order.
void CheckList(const TQuorvexDataAccessSystem& store, int rows)
{
    TMemoListModel model(store);
    model.Refresh();
    Require(model.rowCount() == rows && model.columnCount() == TMemoListModel::ColumnCount,
            "the memo list does not have one row per memo");
    for (int column = 0; column < TMemoListModel::ColumnCount; ++column) {
        Require(!model.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString().isEmpty(),
                "a memo list column has no caption");
        model.sort(column, Qt::AscendingOrder);
        std::vector<int> seen(static_cast<std::size_t>(rows), 0);
        for (int row = 0; row < rows; ++row) {
            const int tableRow = model.TableRow(row);
            Require(tableRow >= 0 && tableRow < rows && !seen[static_cast<std::size_t>(tableRow)]++,
                    "the sorted memo list is not a permutation of the memos");
            if (row >= kMaxRows)
                continue;
            const QModelIndex index = model.index(row, column);
            model.data(index, Qt::DisplayRole);
            model.data(index, Qt::EditRole);
            if (row == 0)
                continue;
            const int previous = model.TableRow(row - 1);
            const int order = CompareListTexts(model.CellText(previous, column), model.CellText(tableRow, column));
            Require(order < 0 || (order == 0 && previous < tableRow), "the memo list is not in sort order");
        }
    }
}

// Each memo reads back as its row holds it. A title several rows share
// (empty titles may) names the first of them.
void CheckReadMemos(const TQuorvexDataAccessSystem& store, int rows)
{
    for (int row = 0; row < std::min(rows, kMaxRows); ++row) {
        const std::string title = store.GetRowName(MemoLayout::Table, row);
        if (FindMemoRow(store, title) != row)
            continue;
        const MemoRecord memo = ReadMemo(store, title);
        Require(memo.Title == title, "a memo read back under another title");
        Require(memo.Keywords ==
                    DecodeKeywordText(store.GetValueAsString(MemoLayout::Table, MemoLayout::Keywords, row)),
                "a memo read back with other keywords");
        Require(memo.Text == store.GetValueAsString(MemoLayout::Table, MemoLayout::Text, row),
                "a memo read back with another text");
    }
}

// The fields of one CSV record read from text at pos, which moves past
// its CR LF; a quoted field reads with its doubled quotes as one.
std::vector<std::string> ReadCsvRecord(std::string_view text, std::size_t& pos)
{
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (quoted) {
            if (c != '"')
                fields.back() += c;
            else if (pos + 1 < text.size() && text[pos + 1] == '"')
                fields.back() += text[++pos];
            else
                quoted = false;
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            fields.emplace_back();
        } else if (text.substr(pos, 2) == "\r\n") {
            pos += 2;
            return fields;
        } else {
            fields.back() += c;
        }
    }
    Require(false, "a CSV record does not end in CR LF");
    return fields;
}

// The CSV export holds one record per memo whose fields read back as the
// cells' texts.
void CheckCsv(const TQuorvexDataAccessSystem& store, int rows)
{
    std::ostringstream out;
    ExportMemosCsv(store, out);
    const std::string csv = out.str();
    const int table = store.TableIndex(MemoLayout::Table);
    const char* const names[] = {MemoLayout::Title, MemoLayout::Keywords, MemoLayout::Text, MemoLayout::Update};
    std::size_t pos = 0;
    for (int row = 0; row < rows; ++row) {
        const std::vector<std::string> fields = ReadCsvRecord(csv, pos);
        Require(fields.size() == 4, "a CSV record does not have four fields");
        for (int field = 0; field < 4; ++field) {
            const int col = store.ColIndex(table, names[field]);
            Require(fields[static_cast<std::size_t>(field)] ==
                        CellText(store.GetColType(table, col), store.CellAt(table, col, row)),
                    "a CSV field does not read back as its cell");
        }
    }
    Require(pos == csv.size(), "the CSV export holds more records than memos");
}

// Equal cells; a NaN date or real (a damaged file may hold one) equals
// a NaN of the same bits.
bool SameCell(const CellValue& a, const CellValue& b)
{
    const auto bits = [](double value) { return std::bit_cast<std::uint64_t>(value); };
    if (a.Kind() == CellKind::DateTime && b.Kind() == CellKind::DateTime)
        return bits(a.AsDateTime()) == bits(b.AsDateTime());
    if (a.Kind() == CellKind::Real && b.Kind() == CellKind::Real)
        return bits(a.AsReal()) == bits(b.AsReal());
    return a == b;
}

// Saved and reloaded, the document has the same bytes and the same memos.
void CheckSaveReload(const TQuorvexDataAccessSystem& store, int rows)
{
    const std::string saved = store.SaveToBytes(DocumentKey);
    TQuorvexDataAccessSystem reloaded;
    reloaded.LoadFromBytes(saved, DocumentKey, "saved.vlr");
    CheckMemoLayout(reloaded, "saved.vlr");
    Require(reloaded.SaveToBytes(DocumentKey) == saved, "a saved memo document did not reload unchanged");
    Require(MemoCount(reloaded) == rows, "a saved memo document reloaded with another number of memos");
    const int columns = store.ColCount(MemoLayout::Table);
    for (int row = 0; row < std::min(rows, kMaxRows); ++row) {
        Require(reloaded.GetRowName(MemoLayout::Table, row) == store.GetRowName(MemoLayout::Table, row),
                "a memo reloaded under another title");
        for (int col = 0; col < columns; ++col)
            Require(SameCell(reloaded.GetValue(MemoLayout::Table, col, row), store.GetValue(MemoLayout::Table, col, row)),
                    "a memo reloaded with another cell");
    }
}

// A copy of the first memo saved under a new title reads back as written,
// is found by its keywords, and survives a save and reload. Its text is
// repeated past one read piece, so that the reload meets piece boundaries
// wherever the rest of the document puts them.
void CheckNewMemo(TQuorvexDataAccessSystem& store, int rows)
{
    if (rows == 0)
        return;
    const std::string title = store.GetRowName(MemoLayout::Table, 0);
    if (title.empty() || FindMemoRow(store, title) != 0)
        return;
    MemoRecord memo = ReadMemo(store, title);
    memo.Title = title + "+";
    const std::string run = memo.Text.empty() ? std::string("-") : memo.Text;
    while (memo.Text.size() <= 1 << 16)
        memo.Text += run;
    if (FindMemoRow(store, memo.Title) >= 0)
        return;
    AddMemoRow(store, memo.Title);
    WriteMemo(store, memo, 45000.0);
    TQuorvexDataAccessSystem reloaded;
    reloaded.LoadFromBytes(store.SaveToBytes(DocumentKey), DocumentKey, "saved.vlr");
    for (const TQuorvexDataAccessSystem* copy : {&store, &reloaded}) {
        const MemoRecord read = ReadMemo(*copy, memo.Title);
        Require(read.Keywords == memo.Keywords && read.Text == memo.Text, "a new memo did not read back as written");
        const std::vector<int> found = SearchMemos(*copy, Query(memo.Keywords));
        Require(memo.Keywords.empty() || (!found.empty() && found.back() == rows),
                "a new memo was not found by its keywords");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const FuzzFile file = MakeFile({reinterpret_cast<const char*>(data), size});
    const std::string& path = DocumentPath();
    WriteFile(path, file.bytes);

    // The file read in pieces, the same bytes in memory and the plain
    // stream's other form load alike.
    TQuorvexDataAccessSystem store;
    TQuorvexDataAccessSystem inMemory;
    const std::string fileError = TryLoad([&] { store.LoadFromFile(path, DocumentKey); });
    const std::string memoryError = TryLoad([&] { inMemory.LoadFromBytes(file.bytes, DocumentKey, path); });
    Require(fileError == memoryError, "the file and the same bytes in memory load differently");
    if (file.plain) {
        TQuorvexDataAccessSystem extended;
        const std::string extendedError =
            TryLoad([&] { extended.LoadFromBytes(ExtendedForm(*file.plain), DocumentKey, path); });
        Require(extendedError == fileError, "the two forms of one plain stream load differently");
        if (fileError.empty()) {
            Require(extended.SaveToBytes(DocumentKey) == store.SaveToBytes(DocumentKey),
                    "the two forms of one plain stream load different documents");
            CheckLongTexts(store, *file.plain);
        }
    }
    if (!fileError.empty())
        return 0;
    Require(store.SaveToBytes(DocumentKey) == inMemory.SaveToBytes(DocumentKey),
            "the file and the same bytes in memory load different documents");

    if (!MissingMemoLayout(store).empty()) {
        Require(TryLoad([&] { CheckMemoLayout(store, path); }).find(path) != std::string::npos,
                "a document without the memo layout was not refused naming its file");
        return 0;
    }
    // From here on the windows' code runs; any exception is a fault.
    try {
        const int rows = MemoCount(store);
        CheckList(store, rows);
        CheckSearches(store, rows);
        CheckReadMemos(store, rows);
        CheckSaveReload(store, rows);
        CheckCsv(store, rows);
        CheckNewMemo(store, rows);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", kTarget, error.what());
        Require(false, "a memo document that passed the layout check raised an exception");
    }
    return 0;
}
