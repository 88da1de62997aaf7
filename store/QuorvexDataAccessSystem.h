#pragma once
// The table store: an in-memory database of named tables, each with named
// columns and named rows, every cell a typed value. Callers address tables,
// columns and rows through NameOrIndex values; no table, column or cell
// object is ever handed out. Every failure raises an exception before the
// store is changed. The document file layout is in DocumentFormat.h.

#include "CellValue.h"
#include "FileIdentity.h"
#include "InputFile.h"
#include "Scrambler.h"
#include "Table.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Column type codes.
enum ColumnType : std::uint8_t {
    ctByte = 0,
    ctSmallint = 1,
    ctInteger = 2,
    ctBoolean = 3,
    ctSingle = 4,
    ctDouble = 5,
    ctCurrency = 6,
    ctDateTime = 7,
    ctString = 8,
};

// Row name rules of a table.
enum RowNameRuleValue : std::uint8_t {
    rnUnique = 0,          // every name differs from all others, empty included
    rnUniqueNonEmpty = 1,  // non-empty names differ; any number of empty names
};

class TQuorvexDataAccessSystem {
public:
    TQuorvexDataAccessSystem();
    ~TQuorvexDataAccessSystem();
    TQuorvexDataAccessSystem(const TQuorvexDataAccessSystem&) = delete;
    TQuorvexDataAccessSystem& operator=(const TQuorvexDataAccessSystem&) = delete;

    // 1 while out-of-range values raise EIncompatibleTypes; any other value
    // drops them silently. Kept in the document file.
    std::uint8_t StrictTypes() const { return strictTypes_; }
    void SetStrictTypes(std::uint8_t value) { strictTypes_ = value; }

    void AddTable(const std::string& Name);
    void AddCol(const NameOrIndex& Table, const std::string& Name, std::uint8_t ColType);
    void AddRow(const NameOrIndex& Table, const std::string& Name);
    void DeleteRow(const NameOrIndex& Table, const NameOrIndex& Row);
    void ClearRows(const NameOrIndex& Table);
    void RenameRow(const NameOrIndex& Table, const NameOrIndex& Row, const std::string& Name);

    int TableIndex(const NameOrIndex& Table) const;
    int ColIndex(const NameOrIndex& Table, const NameOrIndex& Col) const;
    int RowIndex(const NameOrIndex& Table, const NameOrIndex& Row) const;

    int TableCount() const { return static_cast<int>(tables_.size()); }
    int ColCount(const NameOrIndex& Table) const;
    int RowCount(const NameOrIndex& Table) const;
    std::uint8_t GetColType(const NameOrIndex& Table, const NameOrIndex& Col) const;
    std::string GetTableName(const NameOrIndex& Table) const;
    std::string GetColName(const NameOrIndex& Table, const NameOrIndex& Col) const;
    std::string GetRowName(const NameOrIndex& Table, const NameOrIndex& Row) const;
    std::uint8_t GetRowNameRule(const NameOrIndex& Table) const;
    void SetRowNameRule(const NameOrIndex& Table, std::uint8_t rule);

    CellValue GetValue(const NameOrIndex& Table, const NameOrIndex& Col, const NameOrIndex& Row) const;
    void SetValue(const NameOrIndex& Table, const NameOrIndex& Col, const NameOrIndex& Row,
                  const CellValue& Value);
    std::string GetValueAsString(const NameOrIndex& Table, const NameOrIndex& Col,
                                 const NameOrIndex& Row) const;
    void SetValueAsString(const NameOrIndex& Table, const NameOrIndex& Col, const NameOrIndex& Row,
                          const std::string& Text);

    // Read-only view of one cell by positions, for walks over many rows
    // without copying; valid until the store next changes.
    const CellValue& CellAt(int table, int col, int row) const;
    // Grows with every change of the content, loads included: what was
    // derived from the content at one count is still good at the same count.
    std::uint64_t ChangeCount() const { return changeCount_; }

    // The document file: the whole store, scrambled with Key. Kinds says
    // whether a pipe or device may be read as well.
    void LoadFromFile(const std::string& FileName, ScrambleKey Key, TInputFile::Kinds Kinds = TInputFile::Kinds::Any);
    void SaveToFile(const std::string& FileName, ScrambleKey Key) const;
    // The file as the last LoadFromFile read it or SaveToFile wrote it;
    // none before either succeeded.
    const TFileIdentity& FileIdentity() const { return fileIdentity_; }

    // The same without a file: FileName only names the source in messages.
    void LoadFromBytes(std::string_view fileBytes, ScrambleKey Key, const std::string& FileName);
    std::string SaveToBytes(ScrambleKey Key) const;

    // Exchanges the whole content (tables, StrictTypes, the file identity) with another store.
    void Swap(TQuorvexDataAccessSystem& other) noexcept;

private:
    friend class TDocumentFormat;

    void LoadPlain(std::unique_ptr<char[]> file, TUnscrambler& plain, const std::string& FileName);
    TTable& TableAt(const NameOrIndex& Table);
    const TTable& TableAt(const NameOrIndex& Table) const;

    // The plain stream of the loaded file: text cells read from it refer to
    // their bytes here instead of holding copies.
    std::unique_ptr<char[]> fileText_;
    std::vector<std::unique_ptr<TTable>> tables_;
    std::uint8_t strictTypes_ = 1;
    // Bookkeeping about the file, not content: a save (const) records it too.
    mutable TFileIdentity fileIdentity_;
    std::uint64_t changeCount_ = 0;
};
