// The store's text forms under the formats of several locales: every form
// reads back as the value it shows.
#include "Cp932Codec.h"
#include "SystemFormats.h"
#include "TextForms.h"

#include <QLocale>
#include <gtest/gtest.h>

TEST(SystemFormats, EveryTextFormReadsBackUnderTheLocalesFormats)
{
    const double day = EncodeDate(2026, 12, 9);
    const double afternoon = day + (13 * 3600 + 2 * 60 + 3) / 86400.0;
    const double morning = day + (0 * 3600 + 30 * 60 + 5) / 86400.0;
    const struct {
        QLocale locale;
        const char* shown;  // the afternoon, as UTF-8
    } cases[] = {{QLocale(QLocale::Japanese, QLocale::Japan), "2026/12/09 13時02分03秒"},
                 {QLocale(QLocale::English, QLocale::UnitedStates), "12/9/26 1:02:03 PM"},
                 {QLocale(QLocale::German, QLocale::Germany), "09.12.26 13:02:03"},
                 {QLocale(QLocale::Korean, QLocale::SouthKorea), "26. 12. 9. 13:02:03"}};
    for (const auto& c : cases) {
        const LocaleFormats formats = FormatsOfLocale(c.locale);
        const std::string name = c.locale.name().toStdString();
        EXPECT_EQ(Cp932ToUtf8(FormatDateTime(afternoon, formats)), c.shown) << name;
        for (double serial : {day, afternoon, morning})
            EXPECT_EQ(ParseDateTime(FormatDateTime(serial, formats), formats), serial) << name << " " << serial;
        EXPECT_EQ(ParseReal(FormatGeneralReal(-2.5, formats), formats), -2.5) << name;
        EXPECT_EQ(ParseCurrency(FormatCurrency(12345, formats), formats), 12345) << name;
    }
    EXPECT_EQ(FormatsOfLocale(QLocale::c()).LongTimeFormat, "H:mm:ss");
}
