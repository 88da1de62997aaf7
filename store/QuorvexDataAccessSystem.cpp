#include "QuorvexDataAccessSystem.h"

#include "ColumnRules.h"
#include "DocumentFormat.h"
#include "Exceptions.h"
#include "FileIO.h"
#include "InputFile.h"
#include "Scrambler.h"
#include "StringSink.h"

namespace {

// A position taken from a non-text reference, tested against the list size.
int CheckedPosition(int position, int count)
{
    if (position < 0 || position >= count)
        throw EListError(position);
    return position;
}

}  // namespace

TQuorvexDataAccessSystem::TQuorvexDataAccessSystem() = default;
TQuorvexDataAccessSystem::~TQuorvexDataAccessSystem() = default;

void TQuorvexDataAccessSystem::Swap(TQuorvexDataAccessSystem& other) noexcept
{
    tables_.swap(other.tables_);
    std::swap(strictTypes_, other.strictTypes_);
    fileText_.swap(other.fileText_);
    std::swap(fileIdentity_, other.fileIdentity_);
    ++changeCount_;
    ++other.changeCount_;
}

int TQuorvexDataAccessSystem::TableIndex(const NameOrIndex& Table) const
{
    if (!Table.IsText())
        return Table.ToInteger();
    for (int i = 0; i < TableCount(); ++i)
        if (tables_[i]->Name() == Table.AsText())
            return i;
    throw EUnregisteredName(EUnregisteredName::What::TableName);
}

// Only the changes take a table this way: each counts as one.
TTable& TQuorvexDataAccessSystem::TableAt(const NameOrIndex& Table)
{
    ++changeCount_;
    return *tables_[CheckedPosition(TableIndex(Table), TableCount())];
}

const TTable& TQuorvexDataAccessSystem::TableAt(const NameOrIndex& Table) const
{
    return *tables_[CheckedPosition(TableIndex(Table), TableCount())];
}

namespace {

int ResolveCol(const TTable& table, const NameOrIndex& Col)
{
    if (!Col.IsText())
        return Col.ToInteger();
    const int found = table.FindCol(Col.AsText());
    if (found < 0)
        throw EUnregisteredName(EUnregisteredName::What::ColName);
    return found;
}

int ResolveRow(const TTable& table, const NameOrIndex& Row)
{
    if (!Row.IsText())
        return Row.ToInteger();
    const int found = table.FindRow(Row.AsText());
    if (found < 0)
        throw EUnregisteredName(EUnregisteredName::What::RowName);
    return found;
}

}  // namespace

int TQuorvexDataAccessSystem::ColIndex(const NameOrIndex& Table, const NameOrIndex& Col) const
{
    return ResolveCol(TableAt(Table), Col);
}

int TQuorvexDataAccessSystem::RowIndex(const NameOrIndex& Table, const NameOrIndex& Row) const
{
    return ResolveRow(TableAt(Table), Row);
}

void TQuorvexDataAccessSystem::AddTable(const std::string& Name)
{
    for (const auto& table : tables_)
        if (table->Name() == Name)
            throw EDuplicateTableName();
    tables_.push_back(std::make_unique<TTable>(Name));
    ++changeCount_;
}

void TQuorvexDataAccessSystem::AddCol(const NameOrIndex& Table, const std::string& Name, std::uint8_t ColType)
{
    TTable& table = TableAt(Table);
    // A column being built has the empty name, so the empty name is never compared.
    if (!Name.empty() && table.FindCol(Name) >= 0)
        throw EDuplicateColName();
    table.AppendCol(Name, ColType);
}

void TQuorvexDataAccessSystem::AddRow(const NameOrIndex& Table, const std::string& Name)
{
    TableAt(Table).AddRow(Name);
}

void TQuorvexDataAccessSystem::DeleteRow(const NameOrIndex& Table, const NameOrIndex& Row)
{
    TTable& table = TableAt(Table);
    table.RemoveRow(CheckedPosition(ResolveRow(table, Row), table.RowCount()));
}

void TQuorvexDataAccessSystem::ClearRows(const NameOrIndex& Table) { TableAt(Table).ClearRows(); }

void TQuorvexDataAccessSystem::RenameRow(const NameOrIndex& Table, const NameOrIndex& Row, const std::string& Name)
{
    TTable& table = TableAt(Table);
    // The row's own current name counts too: renaming a row to its name is a duplicate.
    table.CheckRowName(Name);
    table.SetRowName(CheckedPosition(ResolveRow(table, Row), table.RowCount()), Name);
}

int TQuorvexDataAccessSystem::ColCount(const NameOrIndex& Table) const { return TableAt(Table).ColCount(); }

int TQuorvexDataAccessSystem::RowCount(const NameOrIndex& Table) const { return TableAt(Table).RowCount(); }

std::uint8_t TQuorvexDataAccessSystem::GetColType(const NameOrIndex& Table, const NameOrIndex& Col) const
{
    const TTable& table = TableAt(Table);
    return table.Col(CheckedPosition(ResolveCol(table, Col), table.ColCount())).ColType;
}

std::string TQuorvexDataAccessSystem::GetTableName(const NameOrIndex& Table) const { return TableAt(Table).Name(); }

std::string TQuorvexDataAccessSystem::GetColName(const NameOrIndex& Table, const NameOrIndex& Col) const
{
    const TTable& table = TableAt(Table);
    return table.Col(CheckedPosition(ResolveCol(table, Col), table.ColCount())).Name;
}

std::string TQuorvexDataAccessSystem::GetRowName(const NameOrIndex& Table, const NameOrIndex& Row) const
{
    const TTable& table = TableAt(Table);
    return table.RowName(CheckedPosition(ResolveRow(table, Row), table.RowCount()));
}

std::uint8_t TQuorvexDataAccessSystem::GetRowNameRule(const NameOrIndex& Table) const
{
    return TableAt(Table).RowNameRule;
}

void TQuorvexDataAccessSystem::SetRowNameRule(const NameOrIndex& Table, std::uint8_t rule)
{
    TableAt(Table).RowNameRule = rule;
}

const CellValue& TQuorvexDataAccessSystem::CellAt(int table, int col, int row) const
{
    const TTable& t = *tables_[CheckedPosition(table, TableCount())];
    const TCol& c = t.Col(CheckedPosition(col, t.ColCount()));
    return c.Cells[CheckedPosition(row, t.RowCount())].Value;
}

CellValue TQuorvexDataAccessSystem::GetValue(const NameOrIndex& Table, const NameOrIndex& Col,
                                             const NameOrIndex& Row) const
{
    const TTable& table = TableAt(Table);
    const int col = CheckedPosition(ResolveCol(table, Col), table.ColCount());
    const int row = CheckedPosition(ResolveRow(table, Row), table.RowCount());
    return table.Col(col).Cells[row].Value;
}

void TQuorvexDataAccessSystem::SetValue(const NameOrIndex& Table, const NameOrIndex& Col, const NameOrIndex& Row,
                                        const CellValue& Value)
{
    TTable& table = TableAt(Table);
    const int col = CheckedPosition(ResolveCol(table, Col), table.ColCount());
    const int row = CheckedPosition(ResolveRow(table, Row), table.RowCount());
    ColumnFit fit = FitToColumn(table.Col(col).ColType, Value);
    if (fit.outcome == ColumnFit::Store)
        table.PlaceCell(col, row, std::move(fit.value));
    else if (fit.outcome == ColumnFit::Unfit && strictTypes_ == 1)
        throw EIncompatibleTypes();
}

std::string TQuorvexDataAccessSystem::GetValueAsString(const NameOrIndex& Table, const NameOrIndex& Col,
                                                       const NameOrIndex& Row) const
{
    const CellValue value = GetValue(Table, Col, Row);
    if (value.IsEmpty())
        return {};
    return CellText(GetColType(Table, Col), value);
}

void TQuorvexDataAccessSystem::SetValueAsString(const NameOrIndex& Table, const NameOrIndex& Col,
                                                const NameOrIndex& Row, const std::string& Text)
{
    if (Text.empty()) {
        SetValue(Table, Col, Row, CellValue());
        return;
    }
    SetValue(Table, Col, Row, ParseCellText(GetColType(Table, Col), Text));
}

std::string TQuorvexDataAccessSystem::SaveToBytes(ScrambleKey Key) const
{
    TStringSink bytes;
    TDocumentFormat::Write(*this, Key, bytes);
    return bytes.Take();
}

void TQuorvexDataAccessSystem::SaveToFile(const std::string& FileName, ScrambleKey Key) const
{
    // The stream goes to the new file as it is made; a value that cannot be
    // written raises before that file replaces the old one.
    fileIdentity_ = WriteFileAtomically(FileName, [&](TFileSink& sink) { TDocumentFormat::Write(*this, Key, sink); });
}

void TQuorvexDataAccessSystem::LoadFromBytes(std::string_view fileBytes, ScrambleKey Key, const std::string& FileName)
{
    auto file = std::make_unique_for_overwrite<char[]>(fileBytes.size());
    std::copy(fileBytes.begin(), fileBytes.end(), file.get());
    TUnscrambler plain({file.get(), fileBytes.size()}, Key);
    LoadPlain(std::move(file), plain, FileName);
}

void TQuorvexDataAccessSystem::LoadFromFile(const std::string& FileName, ScrambleKey Key, TInputFile::Kinds Kinds)
{
    TInputFile input(FileName, Kinds);
    if (!input.Regular()) {
        LoadFromBytes(input.ReadAll(), Key, FileName);  // a pipe or device: size unknown
    } else {
        // Each piece of the file is read just before it is unscrambled and parsed.
        auto file = std::make_unique_for_overwrite<char[]>(input.Size());
        TUnscrambler plain({file.get(), input.Size()}, Key,
                           [&input](char* into, std::size_t size) { return input.Read(into, size); });
        LoadPlain(std::move(file), plain, FileName);
    }
    fileIdentity_ = input.Identity();
}

void TQuorvexDataAccessSystem::LoadPlain(std::unique_ptr<char[]> file, TUnscrambler& plain,
                                         const std::string& FileName)
{
    // Read into a fresh store and take its content only when all went well:
    // a failed load leaves this store exactly as it was. The loaded texts
    // stay in file, which the store keeps.
    TQuorvexDataAccessSystem loaded;
    TDocumentFormat::Read(plain, FileName, loaded);
    loaded.fileText_ = std::move(file);
    Swap(loaded);
}
