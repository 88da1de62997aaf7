#include "DocumentFormat.h"

#include "Exceptions.h"
#include "QuorvexDataAccessSystem.h"
#include "Scrambler.h"

#include <bit>
#include <cstring>
#include <string_view>
#include <vector>

static_assert(std::endian::native == std::endian::little, "the file layout is written as host bytes");

namespace {

// The legacy form cannot hold the stream: it is written again in the extended one.
struct NeedsExtendedForm {};

// Gathers the plain stream in a buffer of bounded size; each full buffer is
// scrambled in place and written to the sink, while still in the cache.
class StreamBuilder {
public:
    StreamBuilder(TFileSink& sink, TStreamScrambler& scrambler) : sink_(sink), scrambler_(scrambler)
    {
        sink_.Write(scrambler_.Header());
        buffer_.reserve(kPiece);
    }
    template <typename T>
    void Put(T value)
    {
        char bytes[sizeof(T)];
        std::memcpy(bytes, &value, sizeof(T));
        Append(std::string_view(bytes, sizeof(T)));
    }
    void PutText(std::string_view text, const char* what)
    {
        if (text.find('\0') != std::string_view::npos)
            throw ENulInText(what);
        Append(text);
        Append(std::string_view("", 1));
    }
    void PutCell(std::uint8_t colType, const CellValue& value)
    {
        Put<std::uint8_t>(value.IsEmpty() ? 1 : 0);
        if (value.IsEmpty())
            return;
        switch (colType) {
        case ctByte: Put<std::uint8_t>(static_cast<std::uint8_t>(value.ToInteger())); break;
        case ctSmallint: Put<std::int16_t>(static_cast<std::int16_t>(value.ToInteger())); break;
        case ctInteger: Put<std::int32_t>(value.ToInteger()); break;
        case ctBoolean: Put<std::uint8_t>(value.ToBoolean() ? 1 : 0); break;
        case ctSingle: Put<float>(static_cast<float>(value.ToReal())); break;
        case ctDouble:
        case ctDateTime: Put<double>(value.ToReal()); break;
        case ctCurrency: Put<std::int64_t>(value.ToCurrency()); break;
        case ctString: PutCellText(value); break;
        default: break;
        }
    }
    void PutCellText(const CellValue& value)
    {
        constexpr const char* what = "セルのテキスト";
        if (value.IsText())
            PutText(value.AsText(), what);  // no copy of the text
        else
            PutText(value.ToText(), what);
    }
    // Writes what the buffer holds; the stream is complete.
    void Finish() { Flush(); }

private:
    static constexpr std::size_t kPiece = 1 << 18;

    void Append(std::string_view bytes)
    {
        while (buffer_.size() + bytes.size() > kPiece) {
            const std::size_t room = kPiece - buffer_.size();
            buffer_.append(bytes.substr(0, room));
            bytes.remove_prefix(room);
            Flush();
        }
        buffer_.append(bytes);
    }
    void Flush()
    {
        if (!scrambler_.Scramble(buffer_.data(), buffer_.size()))
            throw NeedsExtendedForm();
        sink_.Write(buffer_);
        buffer_.clear();
    }

    TFileSink& sink_;
    TStreamScrambler& scrambler_;
    std::string buffer_;
};

// Smallest sizes of the records, for the count checks.
constexpr std::size_t kMinTableBytes = 1 + 4 + 4 + 1;
constexpr std::size_t kMinRowNameBytes = 1;

}  // namespace

// Reads fields from a file being unscrambled as the reading goes.
class TDocumentFormat::StreamCursor {
public:
    StreamCursor(TUnscrambler& plain, const std::string& fileName) : plain_(plain), fileName_(fileName) {}

    template <typename T>
    T Get()
    {
        Need(sizeof(T));
        T value;
        std::memcpy(&value, plain_.Ready().data() + pos_, sizeof(T));
        pos_ += sizeof(T);
        return value;
    }
    std::string GetText() { return std::string(GetTextView()); }
    // A text in place in the plain stream.
    std::string_view GetTextView()
    {
        std::size_t scanned = pos_;
        for (;;) {
            plain_.ReadyUpTo(scanned + 1);
            const std::string_view ready = plain_.Ready();
            const auto end = ready.find('\0', scanned);
            if (end != std::string_view::npos) {
                const std::string_view text = ready.substr(pos_, end - pos_);
                pos_ = end + 1;
                return text;
            }
            if (ready.size() == plain_.Size())
                Fail("テキストの途中でデータが終わっています");
            scanned = ready.size();
        }
    }
    // A record count, which cannot exceed what the remaining bytes can hold
    // when each record takes at least minBytes.
    int GetCount(std::size_t minBytes)
    {
        const std::int32_t count = Get<std::int32_t>();
        if (count <= 0)
            return 0;
        if (static_cast<std::size_t>(count) > (plain_.Size() - pos_) / minBytes)
            Fail("件数 " + std::to_string(count) + " に対してデータが足りません");
        return count;
    }
    // A value other than a text; texts are taken in place with GetTextView.
    CellValue GetCellValue(std::uint8_t colType)
    {
        switch (colType) {
        case ctByte: return CellValue(Get<std::uint8_t>());
        case ctSmallint: return CellValue(Get<std::int16_t>());
        case ctInteger: return CellValue(Get<std::int32_t>());
        case ctBoolean: return CellValue::Boolean(Get<std::uint8_t>() != 0);
        case ctSingle: return CellValue::Real(Get<float>());
        case ctDouble: return CellValue::Real(Get<double>());
        case ctCurrency: return CellValue::Currency(Get<std::int64_t>());
        case ctDateTime: return CellValue::DateTime(Get<double>());
        default: return {};
        }
    }

private:
    void Need(std::size_t bytes)
    {
        plain_.ReadyUpTo(pos_ + bytes);
        if (plain_.Ready().size() - pos_ < bytes)
            Fail("位置 " + std::to_string(pos_) + " でデータが終わっています");
    }
    [[noreturn]] void Fail(const std::string& detail) { throw EDamagedDocument(fileName_, detail); }

    TUnscrambler& plain_;
    const std::string& fileName_;
    std::size_t pos_ = 0;
};

void TDocumentFormat::Write(const TQuorvexDataAccessSystem& store, ScrambleKey key, TFileSink& sink)
{
    // Nearly every stream has a legacy form; the rare one that has not is
    // found out as it is written and written again from the start.
    try {
        TStreamScrambler legacy(key, false);
        WritePlain(store, sink, legacy);
    } catch (const NeedsExtendedForm&) {
        sink.Rewind();
        TStreamScrambler extended(key, true);
        WritePlain(store, sink, extended);
    }
}

void TDocumentFormat::WritePlain(const TQuorvexDataAccessSystem& store, TFileSink& sink, TStreamScrambler& scrambler)
{
    StreamBuilder out(sink, scrambler);
    out.Put<std::uint8_t>(store.strictTypes_);
    out.Put<std::int32_t>(store.TableCount());
    for (const auto& table : store.tables_) {
        out.PutText(table->Name(), "テーブル名");
        out.Put<std::int32_t>(table->RowCount());
        for (int row = 0; row < table->RowCount(); ++row)
            out.PutText(table->RowName(row), "行名");
        out.Put<std::int32_t>(table->ColCount());
        for (int col = 0; col < table->ColCount(); ++col) {
            const TCol& column = table->Col(col);
            out.Put<std::uint8_t>(column.ColType);
            out.PutText(column.Name, "列名");
            for (const TElement& cell : column.Cells)
                out.PutCell(column.ColType, cell.Value);
        }
        out.Put<std::uint8_t>(table->RowNameRule);
    }
    out.Finish();
}

void TDocumentFormat::Read(TUnscrambler& plain, const std::string& fileName, TQuorvexDataAccessSystem& store)
{
    StreamCursor in(plain, fileName);
    store.strictTypes_ = in.Get<std::uint8_t>();
    const int tableCount = in.GetCount(kMinTableBytes);
    for (int table = 0; table < tableCount; ++table)
        ReadTable(in, store, table);
}

void TDocumentFormat::ReadTable(StreamCursor& in, TQuorvexDataAccessSystem& store, int table)
{
    store.AddTable(in.GetText());
    TTable& loaded = *store.tables_[table];
    const int rowCount = in.GetCount(kMinRowNameBytes);
    std::vector<std::string> rowNames(static_cast<std::size_t>(rowCount));
    for (std::string& name : rowNames)
        name = in.GetText();
    loaded.AddRows(std::move(rowNames));
    // Each column record takes its type, its name and one flag per row.
    const int colCount = in.GetCount(2 + static_cast<std::size_t>(rowCount));
    for (int col = 0; col < colCount; ++col)
        ReadColumn(in, store, table);
    loaded.RowNameRule = in.Get<std::uint8_t>();
}

void TDocumentFormat::ReadColumn(StreamCursor& in, TQuorvexDataAccessSystem& store, int table)
{
    const auto colType = in.Get<std::uint8_t>();
    const std::string name = in.GetText();
    store.AddCol(table, name, colType);
    TTable& loaded = *store.tables_[table];
    TCol& column = loaded.Col(loaded.ColCount() - 1);
    for (TElement& cell : column.Cells) {
        const bool empty = in.Get<std::uint8_t>() != 0;
        if (empty)
            continue;
        if (colType == ctString)
            cell.Value.SetInFileText(in.GetTextView());
        else
            cell.Value = in.GetCellValue(colType);
    }
}
