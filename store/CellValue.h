#pragma once
// The tagged value one cell of the table store holds, and the value the
// store's operations take and return. Conversions between kinds follow the
// usual variant rules: numbers read as text in their decimal form, text
// reads as a number only when it is one, reals round to integers with ties
// to even, and a conversion that cannot be made raises EVariantTypeCast.
//
// A text cell read from a document file refers to the store's copy of the
// file instead of holding its own bytes, so that loading allocates nothing
// per cell. Such a value stays inside its store: moving it keeps the
// reference (the store moves cells among its own), copying it copies the
// bytes, so every value a caller receives owns its text.

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

enum class CellKind : std::uint8_t { Empty, Integer, Boolean, Real, Currency, DateTime, Text };

class CellValue {
public:
    CellValue() = default;
    CellValue(int value) : data_(std::int32_t(value)) {}
    CellValue(const char* text) : data_(std::string(text)) {}
    CellValue(std::string text) : data_(std::move(text)) {}
    CellValue(const CellValue& other) : data_(other.OwnedData()) {}
    CellValue(CellValue&&) noexcept = default;
    CellValue& operator=(const CellValue& other);
    CellValue& operator=(CellValue&&) noexcept = default;

    static CellValue Boolean(bool value);
    static CellValue Real(double value);
    // Currency is the amount times 10,000 (four fixed decimals).
    static CellValue Currency(std::int64_t scaled);
    // Days since 1899-12-30 00:00; the fraction is the time of day.
    static CellValue DateTime(double serial);

    CellKind Kind() const { return InFile() ? CellKind::Text : static_cast<CellKind>(data_.index()); }
    bool IsEmpty() const { return Kind() == CellKind::Empty; }
    bool IsText() const { return Kind() == CellKind::Text; }
    bool IsNumeric() const;

    // Raw access; each requires the matching kind.
    std::int32_t AsInteger() const { return std::get<std::int32_t>(data_); }
    bool AsBoolean() const { return std::get<bool>(data_); }
    double AsReal() const { return std::get<RealBox>(data_).value; }
    std::int64_t AsCurrency() const { return std::get<CurrencyBox>(data_).scaled; }
    double AsDateTime() const { return std::get<DateTimeBox>(data_).serial; }
    std::string_view AsText() const;

    // Variant conversions; each raises EVariantTypeCast when it cannot convert.
    double ToReal() const;
    std::int32_t ToInteger() const;
    std::int64_t ToCurrency() const;
    bool ToBoolean() const;
    std::string ToText() const;

    bool operator==(const CellValue& other) const;

private:
    friend class TDocumentFormat;
    // Makes this a text in bytes its store keeps for as long as it holds
    // the value.
    void SetInFileText(std::string_view text) { data_.emplace<FileText>(FileText{text.data(), text.size()}); }

    struct FileText {
        const char* bytes;
        std::size_t size;
        bool operator==(const FileText&) const = default;
    };
    struct RealBox { double value; bool operator==(const RealBox&) const = default; };
    struct CurrencyBox { std::int64_t scaled; bool operator==(const CurrencyBox&) const = default; };
    struct DateTimeBox { double serial; bool operator==(const DateTimeBox&) const = default; };
    using Data =
        std::variant<std::monostate, std::int32_t, bool, RealBox, CurrencyBox, DateTimeBox, std::string, FileText>;
    explicit CellValue(Data data) : data_(std::move(data)) {}
    bool InFile() const { return std::holds_alternative<FileText>(data_); }
    Data OwnedData() const;
    Data data_;
};

// How a caller addresses a table, a column or a row: a text value is a name
// (compared exactly), any other value is a zero-based position.
using NameOrIndex = CellValue;
