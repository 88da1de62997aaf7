#include "MemoDocument.h"

#include "ColumnRules.h"
#include "Exceptions.h"
#include "FileIO.h"
#include "KeywordText.h"

#include <new>
#include <string_view>

namespace {

using namespace MemoLayout;

constexpr const char* kEmptyTitleMessage = "空の文字列は無効です";
constexpr const char* kCsvWriteFailed = "CSV ファイルへの書き込みに失敗しました";
constexpr std::size_t kCsvChunk = 1 << 20;

void RequireTitle(const std::string& title)
{
    if (title.empty())
        throw Exception(kEmptyTitleMessage);
}

// A cell's content as text without copying text cells; other kinds are
// converted into scratch.
std::string_view CellTextView(const CellValue& cell, std::string& scratch)
{
    if (cell.IsText())
        return cell.AsText();
    if (cell.IsEmpty())
        return {};
    scratch = cell.ToText();
    return scratch;
}

// Equality of a decoded keyword with a wanted one; the length and the
// first byte decide most comparisons without a call.
bool SameKeyword(std::string_view keyword, const std::string& wanted)
{
    return keyword.size() == wanted.size() && (keyword.empty() || keyword[0] == wanted[0]) && keyword == wanted;
}

// Whether the keyword text holds every one of the wanted keywords; the text
// is decoded once, whatever the number of wanted keywords.
bool CarriesAll(std::string_view keywordText, const std::vector<std::string>& wanted, std::vector<char>& seen)
{
    seen.assign(wanted.size(), 0);
    std::size_t missing = wanted.size();
    KeywordReader reader(keywordText);
    std::string_view keyword;
    while (missing > 0 && reader.Next(keyword)) {
        for (std::size_t i = 0; i < wanted.size(); ++i) {
            if (!seen[i] && SameKeyword(keyword, wanted[i])) {
                seen[i] = 1;
                --missing;
            }
        }
    }
    return missing == 0;
}

// The wanted keywords whose bytes every text carrying them must hold: a
// decoded keyword without a double quote is a plain slice of its text.
std::vector<std::string_view> SliceKeywords(const std::vector<std::string>& wanted)
{
    std::vector<std::string_view> slices;
    for (const std::string& keyword : wanted)
        if (!keyword.empty() && keyword.find('"') == std::string::npos)
            slices.push_back(keyword);
    return slices;
}

// False when the text cannot carry every wanted keyword; most texts are
// ruled out this way without being decoded.
bool MayCarryAll(std::string_view keywordText, const std::vector<std::string_view>& slices)
{
    for (std::string_view slice : slices)
        if (keywordText.find(slice) == std::string_view::npos)
            return false;
    return true;
}

// A cell as the export writes it: text cells of text columns as they are,
// without a copy; every other cell in its column's text form, in scratch.
std::string_view FieldText(const CellValue& cell, std::uint8_t colType, std::string& scratch)
{
    if (cell.IsText() && colType == ctString)
        return cell.AsText();
    scratch = CellText(colType, cell);
    return scratch;
}

// The CSV records gathered in a bounded buffer, each full buffer handed to
// write(std::string_view).
template <typename Write>
void WriteMemosCsv(const TQuorvexDataAccessSystem& store, Write write)
{
    const int table = store.TableIndex(Table);
    const int cols[] = {store.ColIndex(table, MemoLayout::Title), store.ColIndex(table, Keywords),
                        store.ColIndex(table, MemoLayout::Text), store.ColIndex(table, Update)};
    std::uint8_t types[4];
    for (int field = 0; field < 4; ++field)
        types[field] = store.GetColType(table, cols[field]);
    const int rows = store.RowCount(table);
    std::string buffer;
    buffer.reserve(kCsvChunk);
    std::string scratch;
    for (int row = 0; row < rows; ++row) {
        for (int field = 0; field < 4; ++field) {
            if (field > 0)
                buffer += ',';
            AppendQuotedField(buffer, FieldText(store.CellAt(table, cols[field], row), types[field], scratch));
        }
        buffer += "\r\n";
        if (buffer.size() >= kCsvChunk) {
            write(std::string_view(buffer));
            buffer.clear();
        }
    }
    write(std::string_view(buffer));
}

}  // namespace

void CreateMemoLayout(TQuorvexDataAccessSystem& store)
{
    store.AddTable(Table);
    store.AddCol(Table, MemoLayout::Title, ctString);
    store.AddCol(Table, Keywords, ctString);
    store.AddCol(Table, MemoLayout::Text, ctString);
    store.AddCol(Table, Update, ctDateTime);
}

std::string MissingMemoLayout(const TQuorvexDataAccessSystem& store)
{
    int table = -1;
    for (int i = 0; i < store.TableCount() && table < 0; ++i)
        if (store.GetTableName(i) == Table)
            table = i;
    if (table < 0)
        return std::string("表 \"") + Table + "\" がありません";
    const std::pair<const char*, std::uint8_t> columns[] = {
        {MemoLayout::Title, ctString}, {Keywords, ctString}, {MemoLayout::Text, ctString}, {Update, ctDateTime}};
    for (const auto& [name, type] : columns) {
        int col = -1;
        for (int i = 0; i < store.ColCount(table) && col < 0; ++i)
            if (store.GetColName(table, i) == name)
                col = i;
        if (col < 0)
            return std::string("表 \"") + Table + "\" に列 \"" + name + "\" がありません";
        if (store.GetColType(table, col) != type)
            return std::string("列 \"") + name + "\" の型が" + (type == ctString ? "文字列" : "日付") + "ではありません";
    }
    return {};
}

void CheckMemoLayout(const TQuorvexDataAccessSystem& store, const std::string& fileName)
{
    const std::string missing = MissingMemoLayout(store);
    if (!missing.empty())
        throw ENotMemoDocument(fileName, missing);
}

void LoadMemoDocument(TQuorvexDataAccessSystem& store, const std::string& fileName, TInputFile::Kinds kinds)
{
    TQuorvexDataAccessSystem loaded;
    try {
        loaded.LoadFromFile(fileName, DocumentKey, kinds);
    } catch (const std::bad_alloc&) {
        // A damaged or huge document can ask for more than the machine has.
        throw Exception("メモリが足りません (ファイル " + fileName + ")");
    }
    CheckMemoLayout(loaded, fileName);
    store.Swap(loaded);
}

void ClearMemos(TQuorvexDataAccessSystem& store) { store.ClearRows(Table); }

int MemoCount(const TQuorvexDataAccessSystem& store) { return store.RowCount(Table); }

bool MemoTitleExists(const TQuorvexDataAccessSystem& store, const std::string& title)
{
    const int table = store.TableIndex(Table);
    const int col = store.ColIndex(table, MemoLayout::Title);
    const int rows = store.RowCount(table);
    std::string scratch;
    for (int row = 0; row < rows; ++row)
        if (CellTextView(store.CellAt(table, col, row), scratch) == title)
            return true;
    return false;
}

int FindMemoRow(const TQuorvexDataAccessSystem& store, const std::string& title)
{
    const int table = store.TableIndex(Table);
    try {
        return store.RowIndex(table, title);
    } catch (const EUnregisteredName&) {
        return -1;
    }
}

void AddMemoRow(TQuorvexDataAccessSystem& store, const std::string& title)
{
    RequireTitle(title);
    store.AddRow(Table, title);
}

void WriteMemo(TQuorvexDataAccessSystem& store, const MemoRecord& memo, double updateSerial)
{
    static constexpr const char* columns[] = {MemoLayout::Title, Keywords, MemoLayout::Text, Update};
    const CellValue values[] = {memo.Title, EncodeKeywordText(memo.Keywords), memo.Text,
                                CellValue::DateTime(updateSerial)};
    // Reading the cells first resolves the row and every column before any
    // change; the old values put the memo back if a later write fails.
    CellValue previous[4];
    for (int i = 0; i < 4; ++i)
        previous[i] = store.GetValue(Table, columns[i], memo.Title);
    int written = 0;
    try {
        for (; written < 4; ++written)
            store.SetValue(Table, columns[written], memo.Title, values[written]);
    } catch (...) {
        for (int i = 0; i < written; ++i)
            store.SetValue(Table, columns[i], memo.Title, previous[i]);
        throw;
    }
}

void RenameMemo(TQuorvexDataAccessSystem& store, const std::string& oldTitle, const std::string& newTitle)
{
    RequireTitle(newTitle);
    // The renamed row by position: a document whose row rule allows equal
    // names might hold another row named newTitle before it.
    const int row = store.RowIndex(Table, oldTitle);
    store.RenameRow(Table, oldTitle, newTitle);
    store.SetValueAsString(Table, MemoLayout::Title, row, newTitle);
}

void DeleteMemo(TQuorvexDataAccessSystem& store, const std::string& title) { store.DeleteRow(Table, title); }

MemoRecord ReadMemo(const TQuorvexDataAccessSystem& store, const std::string& title)
{
    MemoRecord memo;
    memo.Keywords = DecodeKeywordText(store.GetValueAsString(Table, Keywords, title));
    memo.Text = store.GetValueAsString(Table, MemoLayout::Text, title);
    memo.Title = title;
    return memo;
}

std::vector<int> SearchMemos(const TQuorvexDataAccessSystem& store, const std::vector<std::string>& keywords)
{
    std::vector<int> found;
    if (keywords.empty())
        return found;
    const int table = store.TableIndex(Table);
    const int col = store.ColIndex(table, Keywords);
    const int rows = store.RowCount(table);
    const std::vector<std::string_view> slices = SliceKeywords(keywords);
    std::string scratch;
    std::vector<char> seen;
    for (int row = 0; row < rows; ++row) {
        const std::string_view text = CellTextView(store.CellAt(table, col, row), scratch);
        if (MayCarryAll(text, slices) && CarriesAll(text, keywords, seen))
            found.push_back(row);
    }
    return found;
}

void ExportMemosCsv(const TQuorvexDataAccessSystem& store, std::ostream& out)
{
    WriteMemosCsv(store, [&out](std::string_view chunk) {
        out.write(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        if (!out)
            throw Exception(kCsvWriteFailed);
    });
    if (!out.flush())
        throw Exception(kCsvWriteFailed);
}

void ExportMemosCsvFile(const TQuorvexDataAccessSystem& store, const std::string& fileName)
{
    // Straight into the new file: the CSV never exists whole in memory.
    WriteFileAtomically(fileName, [&store](TFileSink& sink) {
        WriteMemosCsv(store, [&sink](std::string_view chunk) { sink.Write(chunk); });
    });
}
