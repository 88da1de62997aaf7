#include "KeywordText.h"

#include <gtest/gtest.h>

namespace {

using Keywords = std::vector<std::string>;

TEST(KeywordText, QuotesOnlyFieldsThatNeedIt)
{
    EXPECT_EQ(QuoteField("plain"), "plain");
    EXPECT_EQ(QuoteField(""), "");
    EXPECT_EQ(QuoteField("a b"), "\"a b\"");
    EXPECT_EQ(QuoteField("a,b"), "\"a,b\"");
    EXPECT_EQ(QuoteField("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(QuoteField("line\r\nnext"), "\"line\r\nnext\"");
    EXPECT_EQ(QuoteField("\x01"), "\"\x01\"");
    EXPECT_EQ(QuoteField("\x7F!"), "\x7F!");
    // Double-byte characters whose trail byte is 0x5C or 0x40 need no quotes.
    EXPECT_EQ(QuoteField("\x95\x5C\x83\x40"), "\x95\x5C\x83\x40");
    std::string out = "x,";
    AppendQuotedField(out, "y z");
    EXPECT_EQ(out, "x,\"y z\"");
}

TEST(KeywordText, EncodesTheList)
{
    EXPECT_EQ(EncodeKeywordText({"a", "b"}), "a,b");
    EXPECT_EQ(EncodeKeywordText({"a", "", "b"}), "a,,b");
    EXPECT_EQ(EncodeKeywordText({"two words", "q\"uote"}), "\"two words\",\"q\"\"uote\"");
    EXPECT_EQ(EncodeKeywordText({}), "");
    EXPECT_EQ(EncodeKeywordText({""}), "\"\"");
    EXPECT_EQ(EncodeKeywordText({"仕事", "日記"}), "仕事,日記");
}

TEST(KeywordText, DecodesWhatItEncodes)
{
    const std::vector<Keywords> lists = {
        {},           {""},           {"a"},     {"a", "b"}, {"a", "", "b"}, {"", "a"},
        {"a b", "c"}, {"\"", "x\"y"}, {"a,b,c"}, {"a", ""},  {"", ""},      {" lead", "tab\there", "日本語"},
    };
    for (const Keywords& list : lists)
        EXPECT_EQ(DecodeKeywordText(EncodeKeywordText(list)), list) << EncodeKeywordText(list);
}

TEST(KeywordText, DecodesHandWrittenTexts)
{
    EXPECT_EQ(DecodeKeywordText("a,b"), (Keywords{"a", "b"}));
    EXPECT_EQ(DecodeKeywordText("a,,b"), (Keywords{"a", "", "b"}));
    EXPECT_EQ(DecodeKeywordText("  a ,  b  "), (Keywords{"a", "b"}));
    EXPECT_EQ(DecodeKeywordText("a b"), (Keywords{"a", "b"}));  // a blank ends a plain keyword
    EXPECT_EQ(DecodeKeywordText("\"a \"\"x\"\" b\",c"), (Keywords{"a \"x\" b", "c"}));
    EXPECT_EQ(DecodeKeywordText("\"a\"b"), (Keywords{"a", "b"}));
    EXPECT_EQ(DecodeKeywordText("a\"b"), (Keywords{"a\"b"}));
    EXPECT_EQ(DecodeKeywordText("a,"), (Keywords{"a"}));
    EXPECT_EQ(DecodeKeywordText("   "), (Keywords{}));
}

TEST(KeywordText, UnclosedQuoteTakesTheRestOfTheText)
{
    EXPECT_EQ(DecodeKeywordText("a,\"b, c"), (Keywords{"a", "b, c"}));
    EXPECT_EQ(DecodeKeywordText("\"x\"\""), (Keywords{"x\""}));
    EXPECT_EQ(DecodeKeywordText("\""), (Keywords{""}));
}

TEST(KeywordText, ZeroByteEndsTheText)
{
    EXPECT_EQ(DecodeKeywordText(std::string_view("a,b\0,c", 6)), (Keywords{"a", "b"}));
    EXPECT_EQ(DecodeKeywordText(std::string_view("\"a\0\"", 4)), (Keywords{"a"}));
}

TEST(KeywordText, ReaderGivesTheSameKeywordsAsTheDecoder)
{
    const std::string text = "x,\"a \"\"b\"\"\",,\"c d\",e";
    KeywordReader reader(text);
    Keywords read;
    std::string_view keyword;
    while (reader.Next(keyword))
        read.emplace_back(keyword);
    EXPECT_EQ(read, DecodeKeywordText(text));
    EXPECT_EQ(read, (Keywords{"x", "a \"b\"", "", "c d", "e"}));
}

}  // namespace
