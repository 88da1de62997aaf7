#pragma once
// Text forms of numbers, currency amounts, dates and times, written and read
// with the given locale formats. Dates are serials: days since 1899-12-30,
// the fraction being the time of day.

#include "LocaleFormats.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Decimal, leading minus, no grouping.
std::string FormatInteger(std::int64_t value);
// General format, 15 significant digits, shortest form; exponent form
// ("1E20", "1E-6") only where the plain form would be too long.
std::string FormatGeneralReal(double value, const LocaleFormats& formats);
// Amount times 10,000; up to four decimals, no trailing zeros.
std::string FormatCurrency(std::int64_t scaled, const LocaleFormats& formats);
// The short date; when the time of day is not midnight, a space and the
// long time follow. Before 1899-12-30 the whole days count down and the
// fraction is still the time after midnight (-1.25 is 1899-12-29 6:00). A
// serial outside the years 1 to 9999 is shown in the general real form.
std::string FormatDateTime(double serial, const LocaleFormats& formats);

// Each returns nothing when the text does not read as the kind.
// Integers: optional sign, decimal digits, or "$" / "0x" hexadecimal.
std::optional<std::int32_t> ParseInteger(std::string_view text);
std::optional<double> ParseReal(std::string_view text, const LocaleFormats& formats);
std::optional<std::int64_t> ParseCurrency(std::string_view text, const LocaleFormats& formats);
// A date in the short date order, optionally followed by a time.
std::optional<double> ParseDateTime(std::string_view text, const LocaleFormats& formats);

// Calendar helpers, for the years 1 to 9999. EncodeDate raises EConvertError
// for a date that does not exist; DecodeDate gives false (and zeros) for a
// serial outside those years.
double EncodeDate(int year, int month, int day);
bool DecodeDate(double serial, int& year, int& month, int& day);
// Today's local date at midnight.
double TodaySerial();
