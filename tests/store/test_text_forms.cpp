#include "Exceptions.h"
#include "TextForms.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ctime>
#include <limits>

namespace {

const LocaleFormats kJapanese;

LocaleFormats German()
{
    LocaleFormats formats;
    formats.ShortDateFormat = "dd.MM.yy";
    formats.LongTimeFormat = "HH:mm:ss";
    formats.DecimalSeparator = ',';
    return formats;
}

TEST(TextForms, RealsInGeneralFormWith15Digits)
{
    EXPECT_EQ(FormatGeneralReal(0.1, kJapanese), "0.1");
    EXPECT_EQ(FormatGeneralReal(1.0 / 3, kJapanese), "0.333333333333333");
    EXPECT_EQ(FormatGeneralReal(2.0 / 3, kJapanese), "0.666666666666667");
    EXPECT_EQ(FormatGeneralReal(-2.5, kJapanese), "-2.5");
    EXPECT_EQ(FormatGeneralReal(100, kJapanese), "100");
    EXPECT_EQ(FormatGeneralReal(0, kJapanese), "0");
    EXPECT_EQ(FormatGeneralReal(-0.0, kJapanese), "0");
    EXPECT_EQ(FormatGeneralReal(123456789012345.0, kJapanese), "123456789012345");
    EXPECT_EQ(FormatGeneralReal(0.00001, kJapanese), "0.00001");
    // The exponent form only where the plain one would need more digits.
    EXPECT_EQ(FormatGeneralReal(1e15, kJapanese), "1E15");
    EXPECT_EQ(FormatGeneralReal(1e20, kJapanese), "1E20");
    EXPECT_EQ(FormatGeneralReal(1e-6, kJapanese), "1E-6");
    EXPECT_EQ(FormatGeneralReal(-1.5e-7, kJapanese), "-1.5E-7");
    EXPECT_EQ(FormatGeneralReal(999999999999999.9, kJapanese), "1E15");  // rounds up to 16 digits
    EXPECT_EQ(FormatGeneralReal(1.7e308, kJapanese), "1.7E308");
    EXPECT_EQ(FormatGeneralReal(2.5, German()), "2,5");
    EXPECT_EQ(FormatGeneralReal(1.25e-9, German()), "1,25E-9");
    EXPECT_EQ(FormatGeneralReal(std::numeric_limits<double>::infinity(), kJapanese), "INF");
    EXPECT_EQ(FormatGeneralReal(std::nan(""), kJapanese), "NAN");
}

TEST(TextForms, CurrencyShowsUpToFourDecimals)
{
    EXPECT_EQ(FormatCurrency(12345000, kJapanese), "1234.5");
    EXPECT_EQ(FormatCurrency(10000, kJapanese), "1");
    EXPECT_EQ(FormatCurrency(-5, kJapanese), "-0.0005");
    EXPECT_EQ(FormatCurrency(0, kJapanese), "0");
    EXPECT_EQ(FormatCurrency(std::numeric_limits<std::int64_t>::max(), kJapanese), "922337203685477.5807");
    EXPECT_EQ(FormatCurrency(std::numeric_limits<std::int64_t>::min(), kJapanese), "-922337203685477.5808");
    EXPECT_EQ(FormatCurrency(15000, German()), "1,5");
}

TEST(TextForms, DateAloneAtMidnightAndWithTimeOtherwise)
{
    EXPECT_EQ(FormatDateTime(1.5, kJapanese), "1899/12/31 12:00:00");
    EXPECT_EQ(FormatDateTime(45048, kJapanese), "2023/05/02");
    EXPECT_EQ(FormatDateTime(0, kJapanese), "1899/12/30");
    EXPECT_EQ(FormatDateTime(45048.75, German()), "02.05.23 18:00:00");
    // Before 1899-12-30 the fraction is still the time after midnight.
    EXPECT_EQ(FormatDateTime(-1.25, kJapanese), "1899/12/29 6:00:00");
    EXPECT_EQ(FormatDateTime(-1, kJapanese), "1899/12/29");
}

TEST(TextForms, TimeOfDayIsRoundedToTheMillisecond)
{
    // 12:34:56 does not come out as 12:34:55 through binary fractions.
    EXPECT_EQ(FormatDateTime(45048 + (12 * 3600 + 34 * 60 + 56) / 86400.0, kJapanese), "2023/05/02 12:34:56");
    // A hair before midnight rounds to the next day, a hair after to the day.
    EXPECT_EQ(FormatDateTime(45048.9999999999, kJapanese), "2023/05/03");
    EXPECT_EQ(FormatDateTime(45048.0000000001, kJapanese), "2023/05/02");
    // Half a second shows, as the seconds it has begun.
    EXPECT_EQ(FormatDateTime(45048 + 0.5 / 86400, kJapanese), "2023/05/02 0:00:00");
}

TEST(TextForms, SerialsWithoutCalendarDateShowAsNumbers)
{
    EXPECT_EQ(FormatDateTime(1e300, kJapanese), "1E300");
    EXPECT_EQ(FormatDateTime(std::nan(""), kJapanese), "NAN");
    EXPECT_EQ(FormatDateTime(2958465, kJapanese), "9999/12/31");
    EXPECT_EQ(FormatDateTime(-693593, kJapanese), "0001/01/01");
    int y = 1, m = 1, d = 1;
    EXPECT_FALSE(DecodeDate(2958466, y, m, d));
    EXPECT_EQ(y, 0);
}

TEST(TextForms, FormatLettersAndLiterals)
{
    LocaleFormats formats;
    formats.ShortDateFormat = "d/M/yyyy 'day'";
    formats.LongTimeFormat = "hh.m.s";
    EXPECT_EQ(FormatDateTime(EncodeDate(2024, 3, 7) + (8 * 3600 + 5 * 60 + 9) / 86400.0, formats),
              "7/3/2024 day 08.5.9");
}

TEST(TextForms, ParseInteger)
{
    EXPECT_EQ(ParseInteger("-42"), -42);
    EXPECT_EQ(ParseInteger("+7"), 7);
    EXPECT_EQ(ParseInteger(" 12 "), 12);
    EXPECT_EQ(ParseInteger("$FF"), 255);
    EXPECT_EQ(ParseInteger("0x7fffffff"), 2147483647);
    EXPECT_EQ(ParseInteger("-$10"), -16);
    EXPECT_EQ(ParseInteger("-2147483648"), std::numeric_limits<std::int32_t>::min());
    for (const char* bad : {"", "-", "2147483648", "-2147483649", "1.5", "1e3", "12a", "$", "0x", "--1", "+-1",
                            "99999999999999999999", "$-1"})
        EXPECT_FALSE(ParseInteger(bad).has_value()) << bad;
}

TEST(TextForms, ParseRealWithTheLocaleSeparator)
{
    EXPECT_EQ(ParseReal("1.5", kJapanese), 1.5);
    EXPECT_EQ(ParseReal("-.25", kJapanese), -0.25);
    EXPECT_EQ(ParseReal("3.", kJapanese), 3.0);
    EXPECT_EQ(ParseReal("1E20", kJapanese), 1e20);
    EXPECT_EQ(ParseReal("2.5e-3", kJapanese), 0.0025);
    EXPECT_EQ(ParseReal("1,5", German()), 1.5);
    EXPECT_EQ(ParseReal("5e-324", kJapanese), 5e-324);
    EXPECT_EQ(ParseReal("1e-400", kJapanese), 0.0);
    for (const char* bad : {"", ".", "e5", "1e", "1e+", "1,5", "1.5.", "1e400", "abc", "1 5", "0x10"})
        EXPECT_FALSE(ParseReal(bad, kJapanese).has_value()) << bad;
    EXPECT_FALSE(ParseReal("1.5", German()).has_value());
}

TEST(TextForms, ParseCurrencyExactlyWithTiesToEven)
{
    EXPECT_EQ(ParseCurrency("1234.5", kJapanese), 12345000);
    EXPECT_EQ(ParseCurrency("-0.0005", kJapanese), -5);
    EXPECT_EQ(ParseCurrency("1.23455", kJapanese), 12346);
    EXPECT_EQ(ParseCurrency("1.23445", kJapanese), 12344);
    EXPECT_EQ(ParseCurrency("1.234450001", kJapanese), 12345);
    EXPECT_EQ(ParseCurrency("0.00001", kJapanese), 0);
    EXPECT_EQ(ParseCurrency("1e3", kJapanese), 10000000);
    EXPECT_EQ(ParseCurrency("0,1", German()), 1000);
    EXPECT_EQ(ParseCurrency("922337203685477.5807", kJapanese), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(ParseCurrency("-922337203685477.5807", kJapanese), -std::numeric_limits<std::int64_t>::max());
    for (const char* bad : {"922337203685477.5808", "-922337203685477.5808", "1e20", "", "x", "1.2.3"})
        EXPECT_FALSE(ParseCurrency(bad, kJapanese).has_value()) << bad;
}

TEST(TextForms, ParseDateInTheShortDateOrderWithOptionalTime)
{
    EXPECT_EQ(ParseDateTime("2023/05/02", kJapanese), 45048.0);
    EXPECT_EQ(ParseDateTime("2023-5-2", kJapanese), 45048.0);
    EXPECT_EQ(ParseDateTime("2023年5月2", kJapanese), 45048.0);
    EXPECT_EQ(ParseDateTime("1899/12/31 12:00:00", kJapanese), 1.5);
    EXPECT_EQ(ParseDateTime("2023/05/02 18:00", kJapanese), 45048.75);
    EXPECT_EQ(ParseDateTime("02.05.2023 6:00", German()), 45048.25);
    EXPECT_EQ(ParseDateTime("1899/12/29 06:00", kJapanese), -1.25);
    for (const char* bad : {"", "2023/02/29", "2023/13/01", "2023/05", "2023/05/02x", "2023/05/02 24:00",
                            "2023/05/02 12:60", "2023/05/02 12", "10000/01/01", "0000/1/1", "someday"})
        EXPECT_FALSE(ParseDateTime(bad, kJapanese).has_value()) << bad;
}

TEST(TextForms, TwoDigitYearsLieWithinFiftyYearsOfToday)
{
    const int thisYear = [] {
        int y, m, d;
        DecodeDate(TodaySerial(), y, m, d);
        return y;
    }();
    std::string text = "02.05.";
    text += std::to_string(thisYear % 100);
    const std::optional<double> serial = ParseDateTime(text, German());
    ASSERT_TRUE(serial.has_value());
    int y, m, d;
    DecodeDate(*serial, y, m, d);
    EXPECT_EQ(y, thisYear);
}

TEST(TextForms, DatesRoundTripThroughText)
{
    for (double serial : {1.5, 45048.0, 45048.75, -1.25, -36522.5, 2958465.0, 0.0})
        EXPECT_EQ(ParseDateTime(FormatDateTime(serial, kJapanese), kJapanese), serial) << serial;
}

TEST(TextForms, TwelveHourClockAndLiteralTimesReadBack)
{
    LocaleFormats english;
    english.ShortDateFormat = "M/d/yy";
    english.LongTimeFormat = "h:mm:ss ampm";
    english.TimeAMString = "AM";
    english.TimePMString = "PM";
    const double day = EncodeDate(2026, 12, 9);
    const auto at = [day](int h, int m, int s) { return day + (h * 3600 + m * 60 + s) / 86400.0; };
    EXPECT_EQ(FormatDateTime(at(13, 2, 3), english), "12/9/26 1:02:03 PM");
    EXPECT_EQ(FormatDateTime(at(0, 30, 0), english), "12/9/26 12:30:00 AM");
    EXPECT_EQ(FormatDateTime(at(12, 0, 0), english), "12/9/26 12:00:00 PM");
    EXPECT_EQ(ParseDateTime("12/9/26 1:02 pm", english), at(13, 2, 0));
    EXPECT_EQ(ParseDateTime("12/9/26 13:02:03", english), at(13, 2, 3));  // no marker: 24-hour
    EXPECT_FALSE(ParseDateTime("12/9/26 13:02:03 PM", english).has_value());

    LocaleFormats japanese;  // "H時mm分ss秒"; the second byte of 秒 is 'b'
    japanese.LongTimeFormat = "H\x8e\x9emm\x95\xaass\x95\x62";
    EXPECT_EQ(FormatDateTime(at(13, 2, 3), japanese), "2026/12/09 13\x8e\x9e" "02\x95\xaa" "03\x95\x62");
    LocaleFormats dotted;
    dotted.ShortDateFormat = "yy. M. d.";
    for (const LocaleFormats& formats : {english, japanese, dotted}) {
        for (double serial : {day, at(13, 2, 3), at(0, 30, 0), at(12, 0, 0), at(23, 59, 59)})
            EXPECT_EQ(ParseDateTime(FormatDateTime(serial, formats), formats), serial) << FormatDateTime(serial, formats);
    }
    EXPECT_FALSE(ParseDateTime("2026/12/09 13:02:03x", kJapanese).has_value());
}

TEST(TextForms, CalendarHelpers)
{
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
    EXPECT_EQ(EncodeDate(2000, 2, 29), 36585.0);
    EXPECT_EQ(EncodeDate(1, 1, 1), -693593.0);
    EXPECT_THROW(EncodeDate(1900, 2, 29), EConvertError);
    int y, m, d;
    ASSERT_TRUE(DecodeDate(36585.75, y, m, d));
    EXPECT_EQ((std::array{y, m, d}), (std::array{2000, 2, 29}));
    ASSERT_TRUE(DecodeDate(-1.25, y, m, d));
    EXPECT_EQ((std::array{y, m, d}), (std::array{1899, 12, 29}));

    const double today = TodaySerial();
    EXPECT_EQ(today, std::floor(today));
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    DecodeDate(today, y, m, d);
    EXPECT_EQ((std::array{y, m, d}), (std::array{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday}));
}

}  // namespace
