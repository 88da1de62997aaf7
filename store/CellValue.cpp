#include "CellValue.h"

#include "Exceptions.h"
#include "TextForms.h"

#include <cmath>
#include <limits>

namespace {

constexpr double kCurrencyScale = 10000.0;
// 2^63: the first double outside the 64-bit range.
constexpr double kInt64Limit = 9223372036854775808.0;

// Round half to even into 32 bits; out of range cannot convert.
std::int32_t RoundToInt32(double value)
{
    const double rounded = std::nearbyint(value);  // default mode: ties to even
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0))
        throw EVariantTypeCast();
    return static_cast<std::int32_t>(rounded);
}

std::int64_t RealToScaled(double value)
{
    const double scaled = std::nearbyint(value * kCurrencyScale);
    if (!(scaled > -kInt64Limit && scaled < kInt64Limit))
        throw EVariantTypeCast();
    return static_cast<std::int64_t>(scaled);
}

bool EqualsIgnoringAsciiCase(std::string_view a, const char* b)
{
    std::size_t i = 0;
    for (; i < a.size() && b[i]; ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = char(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = char(y - 'A' + 'a');
        if (x != y) return false;
    }
    return i == a.size() && !b[i];
}

double TextToReal(std::string_view text)
{
    if (auto integer = ParseInteger(text))
        return *integer;
    if (auto real = ParseReal(text, CurrentFormats()))
        return *real;
    throw EVariantTypeCast();
}

}  // namespace

CellValue& CellValue::operator=(const CellValue& other)
{
    if (this != &other)
        data_ = other.OwnedData();
    return *this;
}

CellValue::Data CellValue::OwnedData() const
{
    if (const auto* text = std::get_if<FileText>(&data_))
        return Data(std::string(text->bytes, text->size));
    return data_;
}

std::string_view CellValue::AsText() const
{
    if (const auto* text = std::get_if<FileText>(&data_))
        return {text->bytes, text->size};
    return std::get<std::string>(data_);
}

bool CellValue::operator==(const CellValue& other) const
{
    if (IsText() && other.IsText())
        return AsText() == other.AsText();
    return data_ == other.data_;
}

CellValue CellValue::Boolean(bool value) { return CellValue(Data(value)); }
CellValue CellValue::Real(double value) { return CellValue(Data(RealBox{value})); }
CellValue CellValue::Currency(std::int64_t scaled) { return CellValue(Data(CurrencyBox{scaled})); }
CellValue CellValue::DateTime(double serial) { return CellValue(Data(DateTimeBox{serial})); }

bool CellValue::IsNumeric() const
{
    const CellKind kind = Kind();
    return kind == CellKind::Integer || kind == CellKind::Real || kind == CellKind::Currency ||
           kind == CellKind::DateTime;
}

double CellValue::ToReal() const
{
    switch (Kind()) {
    case CellKind::Empty: return 0.0;
    case CellKind::Integer: return AsInteger();
    case CellKind::Boolean: return AsBoolean() ? -1.0 : 0.0;
    case CellKind::Real: return AsReal();
    case CellKind::Currency: return static_cast<double>(AsCurrency()) / kCurrencyScale;
    case CellKind::DateTime: return AsDateTime();
    case CellKind::Text: break;
    }
    return TextToReal(AsText());
}

std::int32_t CellValue::ToInteger() const
{
    switch (Kind()) {
    case CellKind::Integer: return AsInteger();
    case CellKind::Boolean: return AsBoolean() ? -1 : 0;
    case CellKind::Text:
        if (auto integer = ParseInteger(AsText()))
            return *integer;
        break;
    default: break;
    }
    return RoundToInt32(ToReal());
}

std::int64_t CellValue::ToCurrency() const
{
    switch (Kind()) {
    case CellKind::Integer: return std::int64_t(AsInteger()) * 10000;
    case CellKind::Currency: return AsCurrency();
    case CellKind::Text:
        if (auto amount = ParseCurrency(AsText(), CurrentFormats()))
            return *amount;
        throw EVariantTypeCast();
    default: break;
    }
    return RealToScaled(ToReal());
}

bool CellValue::ToBoolean() const
{
    switch (Kind()) {
    case CellKind::Boolean: return AsBoolean();
    case CellKind::Currency: return AsCurrency() != 0;
    case CellKind::Text:
        if (EqualsIgnoringAsciiCase(AsText(), "true")) return true;
        if (EqualsIgnoringAsciiCase(AsText(), "false")) return false;
        break;
    default: break;
    }
    return ToReal() != 0.0;
}

std::string CellValue::ToText() const
{
    const LocaleFormats& formats = CurrentFormats();
    switch (Kind()) {
    case CellKind::Empty: return {};
    case CellKind::Integer: return FormatInteger(AsInteger());
    case CellKind::Boolean: return AsBoolean() ? "True" : "False";
    case CellKind::Real: return FormatGeneralReal(AsReal(), formats);
    case CellKind::Currency: return FormatCurrency(AsCurrency(), formats);
    case CellKind::DateTime: return FormatDateTime(AsDateTime(), formats);
    case CellKind::Text: break;
    }
    return std::string(AsText());
}
