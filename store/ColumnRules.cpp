#include "ColumnRules.h"

#include "Cp932Codec.h"
#include "Exceptions.h"
#include "QuorvexDataAccessSystem.h"
#include "TextForms.h"

namespace {

constexpr double kLeastPositive = 5.0e-324;
constexpr double kGreatestReal = 1.7e+308;
constexpr std::int64_t kCurrencyFloor = -9223372036854775807LL;

bool Within(double value, double low, double high) { return value >= low && value <= high; }

ColumnFit Fits(CellValue value) { return {ColumnFit::Store, std::move(value)}; }
ColumnFit Unfit() { return {ColumnFit::Unfit, {}}; }

ColumnFit FitInteger(const CellValue& v, double low, double high, std::uint8_t colType)
{
    if (!Within(v.ToReal(), low, high))
        return Unfit();
    const std::int32_t value = v.ToInteger();
    if (colType == ctByte) return Fits(CellValue(value & 0xFF));
    if (colType == ctSmallint) return Fits(CellValue(static_cast<std::int16_t>(value)));
    return Fits(CellValue(value));
}

// "v equals true" in the variant sense: a Boolean, its ordinal (-1 / 0), or
// its text.
ColumnFit FitBoolean(const CellValue& v)
{
    if (v.Kind() == CellKind::Boolean)
        return Fits(v);
    if (v.IsText()) {
        const bool value = v.ToBoolean();  // raises for text that is neither
        return Fits(CellValue::Boolean(value));
    }
    const double number = v.ToReal();
    if (number == -1.0 || number == 0.0)
        return Fits(CellValue::Boolean(number != 0.0));
    return Unfit();
}

ColumnFit FitCurrency(const CellValue& v)
{
    if (v.Kind() == CellKind::Currency)
        return v.AsCurrency() >= kCurrencyFloor ? Fits(v) : Unfit();
    if (v.Kind() != CellKind::Integer && !Within(v.ToReal(), -922337203685477.5807, 922337203685477.5807))
        return Unfit();
    const std::int64_t scaled = v.ToCurrency();
    return scaled >= kCurrencyFloor ? Fits(CellValue::Currency(scaled)) : Unfit();
}

std::string Utf8ForMessage(const std::string& text) { return Cp932ToUtf8(text); }

}  // namespace

ColumnFit FitToColumn(std::uint8_t colType, const CellValue& v)
{
    if (v.IsEmpty())
        return Fits({});
    switch (colType) {
    case ctByte: return FitInteger(v, 0, 255, colType);
    case ctSmallint: return FitInteger(v, -32768, 32767, colType);
    case ctInteger: return FitInteger(v, -2147483648.0, 2147483647.0, colType);
    case ctBoolean: return FitBoolean(v);
    case ctSingle: return Fits(CellValue::Real(v.ToReal()));
    case ctDouble:
    case ctDateTime: {
        const double value = v.ToReal();
        if (!Within(value, kLeastPositive, kGreatestReal))
            return Unfit();
        return Fits(colType == ctDouble ? CellValue::Real(value) : CellValue::DateTime(value));
    }
    case ctCurrency: return FitCurrency(v);
    case ctString: return Fits(CellValue(v.ToText()));
    default: return {ColumnFit::Ignore, {}};
    }
}

std::string CellText(std::uint8_t colType, const CellValue& v)
{
    if (v.IsEmpty())
        return {};
    const LocaleFormats& formats = CurrentFormats();
    switch (colType) {
    case ctByte:
    case ctSmallint:
    case ctInteger: return FormatInteger(v.ToInteger());
    case ctBoolean: return v.ToBoolean() ? "True" : "False";
    case ctSingle:
    case ctDouble: return FormatGeneralReal(v.ToReal(), formats);
    case ctCurrency: return FormatCurrency(v.ToCurrency(), formats);
    case ctDateTime: return FormatDateTime(v.ToReal(), formats);
    case ctString: return v.ToText();
    default: return {};
    }
}

CellValue ParseCellText(std::uint8_t colType, const std::string& text)
{
    const LocaleFormats& formats = CurrentFormats();
    switch (colType) {
    case ctBoolean: return CellValue::Boolean(text == "True");
    case ctSingle:
    case ctDouble:
        if (auto real = ParseReal(text, formats)) return CellValue::Real(*real);
        throw EConvertError(EConvertError::Wanted::Float, Utf8ForMessage(text));
    case ctCurrency:
        if (auto amount = ParseCurrency(text, formats)) return CellValue::Currency(*amount);
        throw EConvertError(EConvertError::Wanted::Float, Utf8ForMessage(text));
    case ctDateTime:
        if (auto serial = ParseDateTime(text, formats)) return CellValue::DateTime(*serial);
        throw EConvertError(EConvertError::Wanted::DateTime, Utf8ForMessage(text));
    case ctString: return CellValue(text);
    case ctByte:
    case ctSmallint:
    case ctInteger:
        if (auto integer = ParseInteger(text)) return CellValue(*integer);
        throw EConvertError(EConvertError::Wanted::Integer, Utf8ForMessage(text));
    default: return {};
    }
}
