#pragma once
// The memo document: one table "Memos" of the table store, one row per
// memo named by its title, with the columns "Title", "Keywords" (keyword
// text), "Text" (lines separated by CR LF) and "Update" (the date it was last
// saved, at midnight). Everything the windows and the command-line tool do
// with memos in the store goes through these functions.

#include "QuorvexDataAccessSystem.h"

#include <array>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace MemoLayout {
inline constexpr const char* Table = "Memos";
inline constexpr const char* Title = "Title";
inline constexpr const char* Keywords = "Keywords";
inline constexpr const char* Text = "Text";
inline constexpr const char* Update = "Update";
}  // namespace MemoLayout

// The key every document file is scrambled with.
inline constexpr std::array<std::uint8_t, 4> DocumentKey = {0x13, 0x07, 0x2A, 0x05};

struct MemoRecord {
    std::string Title;
    std::vector<std::string> Keywords;
    std::string Text;
};

// Adds "Memos" with its four columns, in their order.
void CreateMemoLayout(TQuorvexDataAccessSystem& store);
// What keeps a loaded store from being a memo document: the empty text when
// it has the table "Memos" with "Title", "Keywords" and "Text" as text
// columns and "Update" as a date column, otherwise a sentence naming the
// first thing missing. The windows and the tool check this once, when a
// document is opened, so that nothing reading memos later can meet a store
// without them.
std::string MissingMemoLayout(const TQuorvexDataAccessSystem& store);
// Raises ENotMemoDocument naming fileName when MissingMemoLayout finds a gap.
void CheckMemoLayout(const TQuorvexDataAccessSystem& store, const std::string& fileName);
// Opens a document: loads fileName into a fresh store and takes it only
// when it has the memo layout. Any failure (unreadable, damaged, not a
// memo document, not of the kinds allowed) raises and leaves store as it was.
void LoadMemoDocument(TQuorvexDataAccessSystem& store, const std::string& fileName,
                      TInputFile::Kinds kinds = TInputFile::Kinds::Any);
// Empties the document; the layout stays.
void ClearMemos(TQuorvexDataAccessSystem& store);

int MemoCount(const TQuorvexDataAccessSystem& store);
// A new memo compares its title with every "Title" cell.
bool MemoTitleExists(const TQuorvexDataAccessSystem& store, const std::string& title);
// The position of the row named title, or -1 when there is none.
int FindMemoRow(const TQuorvexDataAccessSystem& store, const std::string& title);
// Appends the row of a memo saved for the first time; an empty title is
// refused with Exception ("空の文字列は無効です").
void AddMemoRow(TQuorvexDataAccessSystem& store, const std::string& title);
// Writes Title, Keywords, Text and Update (updateSerial, normally today) of
// the row named memo.Title. If a write fails, the cells already written get
// their old values back before the exception passes on.
void WriteMemo(TQuorvexDataAccessSystem& store, const MemoRecord& memo, double updateSerial);
// Renames the row and writes the new title into its "Title" cell; an empty
// new title is refused like in AddMemoRow.
void RenameMemo(TQuorvexDataAccessSystem& store, const std::string& oldTitle, const std::string& newTitle);
void DeleteMemo(TQuorvexDataAccessSystem& store, const std::string& title);
MemoRecord ReadMemo(const TQuorvexDataAccessSystem& store, const std::string& title);

// Row positions of the memos that carry every one of the keywords (exact
// bytes), in row order; no keyword finds nothing.
std::vector<int> SearchMemos(const TQuorvexDataAccessSystem& store, const std::vector<std::string>& keywords);

// One CSV record per memo: Title, Keywords, Text, Update as text, quoted
// where needed, ended by CR LF. Raises Exception when the stream fails.
void ExportMemosCsv(const TQuorvexDataAccessSystem& store, std::ostream& out);
// The same records written to the file by WriteFileAtomically: whole or
// not at all.
void ExportMemosCsvFile(const TQuorvexDataAccessSystem& store, const std::string& fileName);
