#include "ValueText.h"

namespace ValueText {

namespace {

int DigitValue(QChar c, int base)
{
    const char16_t u = c.unicode();
    int digit = -1;
    if (u >= u'0' && u <= u'9')
        digit = u - u'0';
    else if (u >= u'a' && u <= u'f')
        digit = u - u'a' + 10;
    else if (u >= u'A' && u <= u'F')
        digit = u - u'A' + 10;
    return digit < base ? digit : -1;
}

// Digits only, at least one; nothing when the value passes limit.
std::optional<std::uint64_t> ParseDigits(QStringView digits, int base, std::uint64_t limit)
{
    if (digits.isEmpty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (QChar c : digits) {
        const int digit = DigitValue(c, base);
        if (digit < 0)
            return std::nullopt;
        value = value * std::uint64_t(base) + std::uint64_t(digit);
        if (value > limit)
            return std::nullopt;
    }
    return value;
}

std::optional<std::int32_t> ParseHex(QStringView digits)
{
    const auto value = ParseDigits(digits, 16, 0xFFFFFFFFu);
    if (!value)
        return std::nullopt;
    return std::int32_t(std::uint32_t(*value));
}

std::optional<std::int32_t> ParseDecimal(QStringView text)
{
    bool negative = false;
    if (text.startsWith(u'-') || text.startsWith(u'+')) {
        negative = text.front() == u'-';
        text = text.mid(1);
    }
    const std::uint64_t limit = negative ? 0x80000000u : 0x7FFFFFFFu;
    const auto value = ParseDigits(text, 10, limit);
    if (!value)
        return std::nullopt;
    return negative ? std::int32_t(-std::int64_t(*value)) : std::int32_t(*value);
}

QLocale PlainNumbers(QLocale locale)
{
    locale.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    return locale;
}

} // namespace

QString FormatInteger(std::int32_t value)
{
    return QString::number(value);
}

std::optional<std::int32_t> ParseInteger(QStringView text)
{
    if (text.size() > 2 && (text.startsWith(u"0x") || text.startsWith(u"0X")))
        return ParseHex(text.mid(2));
    if (text.startsWith(u'$'))
        return ParseHex(text.mid(1));
    return ParseDecimal(text);
}

QString FormatFloat(double value, const QLocale& locale)
{
    return PlainNumbers(locale).toString(value, 'g', 15);
}

std::optional<double> ParseFloat(QStringView text, const QLocale& locale)
{
    bool ok = false;
    const double value = PlainNumbers(locale).toDouble(text, &ok);
    if (!ok)
        return std::nullopt;
    return value;
}

} // namespace ValueText
