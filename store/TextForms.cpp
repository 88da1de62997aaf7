#include "TextForms.h"

#include "Exceptions.h"
#include "FormatTokens.h"

#include <charconv>
#include <cmath>
#include <ctime>
#include <limits>
#include <system_error>

namespace {

// ---------------------------------------------------------------- helpers

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string Padded(long long value, int width)
{
    std::string digits = std::to_string(value);
    if (static_cast<int>(digits.size()) < width)
        digits.insert(0, static_cast<std::size_t>(width) - digits.size(), '0');
    return digits;
}

// ---------------------------------------------------------------- reals

// The 15 significant digits of a finite, non-zero value without trailing
// zeros, and the decimal exponent of the first digit.
struct SignificantDigits {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

SignificantDigits RoundTo15Digits(double value)
{
    char buffer[48];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));

    SignificantDigits out;
    std::size_t pos = 0;
    if (text[pos] == '-') {
        out.negative = true;
        ++pos;
    }
    const std::size_t ePos = text.find('e');
    for (std::size_t i = pos; i < ePos; ++i)
        if (IsDigit(text[i]))
            out.digits += text[i];
    while (out.digits.size() > 1 && out.digits.back() == '0')
        out.digits.pop_back();
    std::from_chars(text.data() + ePos + (text[ePos + 1] == '+' ? 2 : 1), text.data() + text.size(), out.exponent);
    return out;
}

std::string FixedForm(const SignificantDigits& d, char separator)
{
    const int count = static_cast<int>(d.digits.size());
    std::string out = d.negative ? "-" : "";
    if (d.exponent < 0) {
        out += '0';
        out += separator;
        out.append(static_cast<std::size_t>(-d.exponent - 1), '0');
        out += d.digits;
        return out;
    }
    const int integerDigits = d.exponent + 1;
    if (count <= integerDigits) {
        out += d.digits;
        out.append(static_cast<std::size_t>(integerDigits - count), '0');
        return out;
    }
    out.append(d.digits, 0, static_cast<std::size_t>(integerDigits));
    out += separator;
    out.append(d.digits, static_cast<std::size_t>(integerDigits));
    return out;
}

std::string ExponentForm(const SignificantDigits& d, char separator)
{
    std::string out = d.negative ? "-" : "";
    out += d.digits[0];
    if (d.digits.size() > 1) {
        out += separator;
        out.append(d.digits, 1);
    }
    out += 'E';
    out += std::to_string(d.exponent);
    return out;
}

// The pieces of a decimal number as written: sign, the mantissa digits with
// the position of the decimal separator, and the exponent.
struct DecimalText {
    bool negative = false;
    std::string digits;      // every mantissa digit, leading zeros included
    int integerDigits = 0;   // how many of them stand before the separator
    int exponent = 0;
};

bool ReadExponent(std::string_view text, std::size_t& pos, int& exponent)
{
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        negative = text[pos++] == '-';
    if (pos >= text.size() || !IsDigit(text[pos]))
        return false;
    long long value = 0;
    for (; pos < text.size() && IsDigit(text[pos]); ++pos)
        value = std::min(value * 10 + (text[pos] - '0'), 100000LL);  // far beyond any double
    exponent = static_cast<int>(negative ? -value : value);
    return true;
}

// [sign] digits [separator digits] [E [sign] digits], at least one mantissa digit.
std::optional<DecimalText> ReadDecimal(std::string_view text, char separator)
{
    text = TrimBlanks(text);
    DecimalText out;
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        out.negative = text[pos++] == '-';
    for (; pos < text.size() && IsDigit(text[pos]); ++pos)
        out.digits += text[pos];
    out.integerDigits = static_cast<int>(out.digits.size());
    if (pos < text.size() && text[pos] == separator)
        for (++pos; pos < text.size() && IsDigit(text[pos]); ++pos)
            out.digits += text[pos];
    if (out.digits.empty())
        return std::nullopt;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        if (!ReadExponent(text, pos, out.exponent))
            return std::nullopt;
    }
    if (pos != text.size())
        return std::nullopt;
    return out;
}

// Decimal position of the first non-zero digit (0 for 1-9, -1 for 0.1-0.9).
int Magnitude(const DecimalText& d)
{
    const std::size_t first = d.digits.find_first_not_of('0');
    if (first == std::string::npos)
        return std::numeric_limits<int>::min();
    return d.integerDigits - static_cast<int>(first) - 1 + d.exponent;
}

// ---------------------------------------------------------------- currency

// The exact decimal value times 10,000, rounded to an integer with ties to
// even; nothing when it exceeds the 64-bit signed range.
std::optional<std::uint64_t> ScaledMagnitude(const DecimalText& d)
{
    constexpr std::uint64_t max = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
    const long long total = static_cast<long long>(d.digits.size());
    // How many digits stand before the point once the value is scaled.
    const long long kept = static_cast<long long>(d.integerDigits) + d.exponent + 4;
    if (kept < 0)
        return 0;  // below a tenth of the smallest unit
    std::uint64_t value = 0;
    for (long long i = 0; i < kept; ++i) {
        if (value > max / 10)
            return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(i < total ? d.digits[std::size_t(i)] - '0' : 0);
    }
    if (kept < total) {
        const int first = d.digits[std::size_t(kept)] - '0';
        const bool rest = d.digits.find_first_not_of('0', std::size_t(kept) + 1) != std::string::npos;
        if (first > 5 || (first == 5 && (rest || value % 2 == 1)))
            ++value;
    }
    if (value > max)
        return std::nullopt;
    return value;
}

// ---------------------------------------------------------------- calendar

constexpr long long kDaysFrom1970To1899_12_30 = -25569;
constexpr long long kFirstSerial = -693593;  // 0001-01-01
constexpr long long kLastSerial = 2958465;   // 9999-12-31
constexpr long long kMsPerDay = 86400000;

long long DaysFromCivil(long long year, int month, int day)
{
    year -= month <= 2;
    const long long era = (year >= 0 ? year : year - 399) / 400;
    const long long yoe = year - era * 400;
    const long long doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void CivilFromDays(long long days, int& year, int& month, int& day)
{
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const long long doe = days - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yoe + era * 400 + (month <= 2));
}

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month)
{
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

std::optional<long long> DaySerial(int year, int month, int day)
{
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month))
        return std::nullopt;
    return DaysFromCivil(year, month, day) - kDaysFrom1970To1899_12_30;
}

// A day serial and a time of day (fraction of a day, 0 <= time < 1) as one
// serial. Before 1899-12-30 the day counts down and the time still counts
// forward from midnight, so the time's sign follows the day's.
double CombineSerial(long long day, double time) { return day < 0 ? double(day) - time : double(day) + time; }

struct DateTimeParts {
    int year = 0, month = 0, day = 0;
    int hour = 0, minute = 0, second = 0, millisecond = 0;
};

// The calendar date and the time of day rounded to the millisecond; nothing
// outside the years 1 to 9999.
std::optional<DateTimeParts> SplitSerial(double serial)
{
    if (!std::isfinite(serial) || serial <= double(kFirstSerial - 1) || serial >= double(kLastSerial + 1))
        return std::nullopt;
    long long day = static_cast<long long>(std::trunc(serial));
    long long ms = std::llround(std::fabs(serial - double(day)) * double(kMsPerDay));
    if (ms >= kMsPerDay) {  // rounds up to the next midnight
        ++day;
        ms = 0;
    }
    if (day > kLastSerial)
        return std::nullopt;
    DateTimeParts parts;
    CivilFromDays(day + kDaysFrom1970To1899_12_30, parts.year, parts.month, parts.day);
    parts.hour = static_cast<int>(ms / 3600000);
    parts.minute = static_cast<int>(ms / 60000 % 60);
    parts.second = static_cast<int>(ms / 1000 % 60);
    parts.millisecond = static_cast<int>(ms % 1000);
    return parts;
}

// One field ("yyyy", "M", "ss") as text; hour is already on the clock the
// format uses.
std::string FormatField(const FormatToken& field, const DateTimeParts& parts, int hour)
{
    const int width = field.run >= 2 ? 2 : 1;
    switch (field.letter) {
    case 'y': return field.run >= 3 ? Padded(parts.year, 4) : Padded(parts.year % 100, 2);
    case 'M': return Padded(parts.month, width);
    case 'd': return Padded(parts.day, width);
    case 'H':
    case 'h': return Padded(hour, width);
    case 'm': return Padded(parts.minute, width);
    default: return Padded(parts.second, width);
    }
}

// Expands a date or time format.
std::string ApplyFormat(const std::string& format, const DateTimeParts& parts, const LocaleFormats& formats)
{
    const std::vector<FormatToken> tokens = TokenizeFormat(format);
    const bool twelveHour = HasAmPm(tokens);
    const int hour = twelveHour ? (parts.hour % 12 == 0 ? 12 : parts.hour % 12) : parts.hour;
    std::string out;
    for (const FormatToken& token : tokens) {
        switch (token.kind) {
        case FormatToken::Kind::Field: out += FormatField(token, parts, hour); break;
        case FormatToken::Kind::AmPm: out += parts.hour < 12 ? formats.TimeAMString : formats.TimePMString; break;
        case FormatToken::Kind::Literal: out += token.text; break;
        }
    }
    return out;
}

// The order of year, month and day in a short date format, as "yMd" letters.
std::string DateFieldOrder(const std::string& format)
{
    std::string order;
    for (const FormatToken& token : TokenizeFormat(format)) {
        const char c = token.letter;
        if (token.kind == FormatToken::Kind::Field && (c == 'y' || c == 'M' || c == 'd') &&
            order.find(c) == std::string::npos)
            order += c;
    }
    return order.size() == 3 ? order : "yMd";
}

bool ReadNumber(std::string_view text, std::size_t& pos, int maxDigits, int& value, int* digitCount = nullptr)
{
    const std::size_t start = pos;
    long long number = 0;
    while (pos < text.size() && IsDigit(text[pos]) && pos - start < std::size_t(maxDigits))
        number = number * 10 + (text[pos++] - '0');
    if (pos == start || (pos < text.size() && IsDigit(text[pos])))
        return false;
    value = static_cast<int>(number);
    if (digitCount)
        *digitCount = static_cast<int>(pos - start);
    return true;
}

// A year written with one or two digits lies within fifty years of today.
int ExpandShortYear(int year)
{
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const int current = local.tm_year + 1900;
    int expanded = current - current % 100 + year;
    if (expanded > current + 49)
        expanded -= 100;
    else if (expanded <= current - 50)
        expanded += 100;
    return expanded;
}

// Three numbers in the short date's order with any non-digit text between them.
std::optional<long long> ReadDate(std::string_view text, std::size_t& pos, const LocaleFormats& formats)
{
    const std::string order = DateFieldOrder(formats.ShortDateFormat);
    int year = 0, month = 0, day = 0;
    for (std::size_t field = 0; field < 3; ++field) {
        if (field > 0) {
            const std::size_t start = pos;
            while (pos < text.size() && !IsDigit(text[pos]))
                ++pos;
            if (pos == start)
                return std::nullopt;
        }
        int value = 0, digits = 0;
        if (!ReadNumber(text, pos, 9, value, &digits))
            return std::nullopt;
        switch (order[field]) {
        case 'y': year = digits <= 2 ? ExpandShortYear(value) : value; break;
        case 'M': month = value; break;
        default: day = value; break;
        }
    }
    return DaySerial(year, month, day);
}

bool StartsWithAsciiNoCase(std::string_view text, std::string_view prefix)
{
    if (prefix.empty() || text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(text[i]) != lower(prefix[i]))
            return false;
    }
    return true;
}

// The time's text between its numbers: blanks, ':' and the literal text of
// the long time format ("時", "分", "秒" of a Japanese one).
bool IsTimeSeparator(std::string_view character, const std::vector<FormatToken>& format)
{
    if (character == " " || character == "\t" || character == ":")
        return true;
    for (const FormatToken& token : format) {
        if (token.kind == FormatToken::Kind::Literal && token.text.find(character) != std::string::npos)
            return true;
    }
    return false;
}

// Hour and minute, optionally seconds, in the order of the long time format,
// with the AM or PM text before or after them; as a fraction of a day.
std::optional<double> ReadTime(std::string_view text, std::size_t& pos, const LocaleFormats& formats)
{
    const std::vector<FormatToken> format = TokenizeFormat(formats.LongTimeFormat);
    int numbers[3] = {};
    int count = 0;
    int marker = 0;  // 1 AM, 2 PM
    while (pos < text.size()) {
        const std::string_view rest = text.substr(pos);
        if (marker == 0 && StartsWithAsciiNoCase(rest, formats.TimeAMString)) {
            marker = 1;
            pos += formats.TimeAMString.size();
        } else if (marker == 0 && StartsWithAsciiNoCase(rest, formats.TimePMString)) {
            marker = 2;
            pos += formats.TimePMString.size();
        } else if (IsDigit(text[pos])) {
            if (count == 3 || !ReadNumber(text, pos, 2, numbers[count]))
                return std::nullopt;
            ++count;
        } else {
            const std::size_t length = Cp932CharLength(text, pos);
            if (!IsTimeSeparator(text.substr(pos, length), format))
                return std::nullopt;
            pos += length;
        }
    }
    int hour = numbers[0];
    if (count < 2 || (marker != 0 && hour > 12))
        return std::nullopt;
    if (marker != 0)
        hour = hour % 12 + (marker == 2 ? 12 : 0);
    if (hour > 23 || numbers[1] > 59 || numbers[2] > 59)
        return std::nullopt;
    return double(hour * 3600 + numbers[1] * 60 + numbers[2]) / 86400.0;
}

}  // namespace

// ---------------------------------------------------------------- writing

std::string FormatInteger(std::int64_t value) { return std::to_string(value); }

std::string FormatGeneralReal(double value, const LocaleFormats& formats)
{
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    if (value == 0.0)
        return "0";
    const SignificantDigits digits = RoundTo15Digits(value);
    // Plain digits from 0.00001 up to 15 integer digits, the exponent form beyond.
    if (digits.exponent >= -5 && digits.exponent < 15)
        return FixedForm(digits, formats.DecimalSeparator);
    return ExponentForm(digits, formats.DecimalSeparator);
}

std::string FormatCurrency(std::int64_t scaled, const LocaleFormats& formats)
{
    const bool negative = scaled < 0;
    const std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(scaled) : static_cast<std::uint64_t>(scaled);
    std::string out = negative ? "-" : "";
    out += std::to_string(magnitude / 10000);
    if (const std::uint64_t fraction = magnitude % 10000) {
        std::string decimals = Padded(static_cast<long long>(fraction), 4);
        while (decimals.back() == '0')
            decimals.pop_back();
        out += formats.DecimalSeparator;
        out += decimals;
    }
    return out;
}

std::string FormatDateTime(double serial, const LocaleFormats& formats)
{
    const std::optional<DateTimeParts> parts = SplitSerial(serial);
    if (!parts)  // no calendar date: show the number rather than fail
        return FormatGeneralReal(serial, formats);
    std::string out = ApplyFormat(formats.ShortDateFormat, *parts, formats);
    if (parts->hour || parts->minute || parts->second || parts->millisecond) {
        out += ' ';
        out += ApplyFormat(formats.LongTimeFormat, *parts, formats);
    }
    return out;
}

// ---------------------------------------------------------------- reading

std::optional<std::int32_t> ParseInteger(std::string_view text)
{
    text = TrimBlanks(text);
    std::size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        negative = text[pos++] == '-';
    int base = 10;
    if (text.substr(pos, 1) == "$") {
        base = 16;
        pos += 1;
    } else if (text.substr(pos, 2) == "0x" || text.substr(pos, 2) == "0X") {
        base = 16;
        pos += 2;
    }
    const std::string_view digits = text.substr(pos);
    if (digits.empty() || digits.front() == '+' || digits.front() == '-')
        return std::nullopt;
    std::uint64_t magnitude = 0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), magnitude, base);
    if (result.ec != std::errc() || result.ptr != digits.data() + digits.size())
        return std::nullopt;
    const std::uint64_t limit = negative ? 2147483648ULL : 2147483647ULL;
    if (magnitude > limit)
        return std::nullopt;
    return static_cast<std::int32_t>(negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude));
}

std::optional<double> ParseReal(std::string_view text, const LocaleFormats& formats)
{
    const std::optional<DecimalText> decimal = ReadDecimal(text, formats.DecimalSeparator);
    if (!decimal)
        return std::nullopt;
    std::string plain = decimal->negative ? "-" : "";
    plain.append(decimal->digits, 0, static_cast<std::size_t>(decimal->integerDigits));
    if (decimal->integerDigits == 0)
        plain += '0';
    plain += '.';
    plain.append(decimal->digits, static_cast<std::size_t>(decimal->integerDigits));
    plain += 'e';
    plain += std::to_string(decimal->exponent);
    double value = 0.0;
    const auto result = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        if (Magnitude(*decimal) > 0)
            return std::nullopt;  // too large for a double
        return decimal->negative ? -0.0 : 0.0;  // too small: rounds to zero
    }
    if (result.ec != std::errc())
        return std::nullopt;
    return value;
}

std::optional<std::int64_t> ParseCurrency(std::string_view text, const LocaleFormats& formats)
{
    const std::optional<DecimalText> decimal = ReadDecimal(text, formats.DecimalSeparator);
    if (!decimal)
        return std::nullopt;
    // The 64-bit range without its most negative value.
    const std::optional<std::uint64_t> magnitude = ScaledMagnitude(*decimal);
    if (!magnitude)
        return std::nullopt;
    const auto value = static_cast<std::int64_t>(*magnitude);
    return decimal->negative ? -value : value;
}

std::optional<double> ParseDateTime(std::string_view text, const LocaleFormats& formats)
{
    text = TrimBlanks(text);
    std::size_t pos = 0;
    const std::optional<long long> day = ReadDate(text, pos, formats);
    if (!day)
        return std::nullopt;
    // The literal text that ends the short date ("." of "yy. M. d.").
    const std::string dateEnd = TrailingLiteral(TokenizeFormat(formats.ShortDateFormat));
    if (!dateEnd.empty() && text.substr(pos, dateEnd.size()) == dateEnd)
        pos += dateEnd.size();
    if (pos == text.size())
        return double(*day);
    if (!IsBlank(text[pos]))
        return std::nullopt;
    while (pos < text.size() && IsBlank(text[pos]))
        ++pos;
    const std::optional<double> time = ReadTime(text, pos, formats);
    if (!time || pos != text.size())
        return std::nullopt;
    return CombineSerial(*day, *time);
}

// ---------------------------------------------------------------- calendar

double EncodeDate(int year, int month, int day)
{
    const std::optional<long long> serial = DaySerial(year, month, day);
    if (!serial)
        throw EConvertError(EConvertError::Wanted::DateTime,
                            std::to_string(year) + "/" + std::to_string(month) + "/" + std::to_string(day));
    return double(*serial);
}

bool DecodeDate(double serial, int& year, int& month, int& day)
{
    const std::optional<DateTimeParts> parts = SplitSerial(serial);
    year = parts ? parts->year : 0;
    month = parts ? parts->month : 0;
    day = parts ? parts->day : 0;
    return parts.has_value();
}

double TodaySerial()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}
