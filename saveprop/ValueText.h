#pragma once
// Text forms of stored numbers.
//
//   integer  written in decimal, "-" before negatives. Read: "0x" or "0X"
//            followed by hexadecimal digits, "$" followed by hexadecimal
//            digits, or decimal digits with an optional sign. Hexadecimal
//            is taken as a 32-bit pattern ($FFFFFFFF is -1). Anything else,
//            or a value outside 32 bits, does not read.
//   float    the general form with up to 15 significant digits and the
//            locale's decimal separator, without group separators.

#include <QLocale>
#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

namespace ValueText {

QString FormatInteger(std::int32_t value);
std::optional<std::int32_t> ParseInteger(QStringView text);

QString FormatFloat(double value, const QLocale& locale);
std::optional<double> ParseFloat(QStringView text, const QLocale& locale);

} // namespace ValueText
