// The INI text layout and the number formats.
#include "IniDocument.h"
#include "SavePropError.h"
#include "ValueText.h"

#include <gtest/gtest.h>

TEST(IniDocument, ReadsAnyLineEndAndDropsCommentsBlanksAndStrayLines)
{
    const TIniDocument doc = TIniDocument::FromText(
        u"stray=1\r\n[A]\rx=1\n\n; note\r\n y = 2 \r\n[b]\r\nnoequals\r\n[a]\r\nx=3\r\n[]\r\n");
    ASSERT_EQ(doc.Sections().size(), 4u);
    EXPECT_EQ(doc.Sections()[0].lines, QStringList({"x=1", " y = 2 "}));
    EXPECT_EQ(doc.Sections()[1].lines, QStringList({"noequals"}));
    EXPECT_TRUE(doc.Sections()[3].name.isEmpty());
    EXPECT_EQ(doc.ToText(), QString("[A]\r\nx=1\r\n y = 2 \r\n\r\n[b]\r\nnoequals\r\n\r\n[a]\r\nx=3\r\n\r\n[]\r\n\r\n"));
}

TEST(IniDocument, LooksUpWithoutCaseAndTrimsNothing)
{
    TIniDocument doc = TIniDocument::FromText(u"[View]\r\nLeft = 5\r\nTop=6\r\nName= a b \r\n[view]\r\nWidth=1\r\n");
    EXPECT_EQ(doc.Value(u"VIEW", u"top"), QString("6"));
    EXPECT_EQ(doc.Value(u"view", u"Name"), QString(" a b "));
    EXPECT_FALSE(doc.Value(u"View", u"Left").has_value());
    EXPECT_EQ(doc.Value(u"View", u"Left "), QString(" 5"));
    EXPECT_FALSE(doc.Value(u"View", u"Width").has_value()); // only the first [view] answers
    EXPECT_FALSE(doc.Value(u"Other", u"Top").has_value());

    doc.SetValue("VIEW", "TOP", "7");   // replaces the line, taking the new case
    doc.SetValue("View", "Height", "8"); // appended to the section
    doc.SetValue("New", "K", "v");       // a new section at the end
    EXPECT_EQ(doc.Sections()[0].lines, QStringList({"Left = 5", "TOP=7", "Name= a b ", "Height=8"}));
    EXPECT_EQ(doc.Sections().back().name, "New");
}

TEST(IniDocument, RefusesEntriesThatWouldNotReadBack)
{
    TIniDocument doc;
    EXPECT_THROW(doc.SetValue("S\n", "K", "v"), ESavePropError);
    EXPECT_THROW(doc.SetValue("S", "K=1", "v"), ESavePropError);
    EXPECT_THROW(doc.SetValue("S", ";K", "v"), ESavePropError);
    EXPECT_THROW(doc.SetValue("S", "[K", "v]"), ESavePropError);
    EXPECT_THROW(doc.SetValue("S", "K", "two\r\nlines"), ESavePropError);
    EXPECT_TRUE(doc.Sections().empty());
    doc.SetValue("S", "K", "a=b;[c]");
    EXPECT_EQ(TIniDocument::FromText(doc.ToText()).Value(u"S", u"K"), QString("a=b;[c]"));
}

TEST(IniDocument, PrefixedValuesTakeEveryKeyBeginningWithTheKey)
{
    const TIniDocument doc =
        TIniDocument::FromText(u"[F]\r\nFont1=b\r\nFontColor=red\r\nfont2=x\r\nFont0=a\r\nFont=c\r\nFon=d\r\n");
    EXPECT_EQ(doc.PrefixedValues(u"f", u"Font"), QStringList({"b", "red", "a", "c"}));
}

TEST(ValueText, ReadsDecimalAndBothHexForms)
{
    using ValueText::ParseInteger;
    EXPECT_EQ(ParseInteger(u"0x1F"), 31);
    EXPECT_EQ(ParseInteger(u"0X1f"), 31);
    EXPECT_EQ(ParseInteger(u"$1F"), 31);
    EXPECT_EQ(ParseInteger(u"$FFFFFFFF"), -1);
    EXPECT_EQ(ParseInteger(u"-2147483648"), INT32_MIN);
    EXPECT_EQ(ParseInteger(u"+12"), 12);
    for (const char16_t* bad : {u"0x", u"12abc", u"", u"$", u"2147483648", u"0x100000000", u" 1", u"1.5"})
        EXPECT_FALSE(ParseInteger(bad).has_value()) << QString::fromUtf16(bad).toStdString();
}

TEST(ValueText, FloatsUseTheLocaleDecimalSeparator)
{
    const QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_EQ(ValueText::FormatFloat(1234.5, german), "1234,5");
    EXPECT_EQ(ValueText::ParseFloat(u"1234,5", german), 1234.5);
    EXPECT_FALSE(ValueText::ParseFloat(u"1.234,5", german).has_value());
    EXPECT_EQ(ValueText::FormatFloat(0.1, QLocale::c()), "0.1");
    EXPECT_EQ(ValueText::ParseFloat(ValueText::FormatFloat(1.0 / 3, QLocale::c()), QLocale::c()),
              0.333333333333333);
    EXPECT_FALSE(ValueText::ParseFloat(u"", QLocale::c()).has_value());
}
