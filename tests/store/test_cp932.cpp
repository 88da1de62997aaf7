#include "Cp932Codec.h"
#include "Exceptions.h"

#include <gtest/gtest.h>

namespace {

TEST(Cp932Codec, ConvertsJapaneseAndAsciiBothWays)
{
    const std::string cp932 = Utf8ToCp932("メモ帳 abc\\~ｶﾅ①");
    EXPECT_EQ(cp932, "\x83\x81\x83\x82\x92\xA0 abc\\~\xB6\xC5\x87\x40");
    EXPECT_EQ(Cp932ToUtf8(cp932), "メモ帳 abc\\~ｶﾅ①");
    EXPECT_EQ(Utf8ToCp932(std::string("a\0b", 3)), std::string("a\0b", 3));
    EXPECT_EQ(Utf8ToCp932(""), "");
}

TEST(Cp932Codec, WaveDashComesBackAsFullwidthTilde)
{
    // U+301C and U+FF5E share the code 81 60; decoding gives U+FF5E.
    EXPECT_EQ(Utf8ToCp932("〜"), "\x81\x60");
    EXPECT_EQ(Utf8ToCp932("～"), "\x81\x60");
    EXPECT_EQ(Cp932ToUtf8(Utf8ToCp932("〜")), "～");
}

TEST(Cp932Codec, UnmappableCharacterIsNamed)
{
    try {
        Utf8ToCp932("日記😀です");
        FAIL() << "no exception";
    } catch (const EUnmappableCharacter& error) {
        const std::string message = error.what();
        EXPECT_NE(message.find("😀"), std::string::npos) << message;
        EXPECT_NE(message.find("U+1F600"), std::string::npos) << message;
    }
    EXPECT_THROW(Utf8ToCp932("\xC2\x80"), EUnmappableCharacter);  // U+0080
}

// What converting the text raises: the message of a plain Exception, or a
// word for any other outcome.
std::string RefusalOf(const char* utf8)
{
    try {
        Utf8ToCp932(utf8);
    } catch (const EUnmappableCharacter&) {
        return "unmappable";
    } catch (const Exception& error) {
        return error.what();
    }
    return "accepted";
}

TEST(Cp932Codec, InvalidUtf8IsRefusedNamingTheByte)
{
    EXPECT_NE(RefusalOf("a\xFF").find("2 バイト目, 0xFF"), std::string::npos) << RefusalOf("a\xFF");
    EXPECT_NE(RefusalOf("ab\xE3\x81").find("0xE3"), std::string::npos);  // cut short
    EXPECT_NE(RefusalOf("\xC0\xAF").find("0xC0"), std::string::npos);    // overlong
    EXPECT_NE(RefusalOf("\xED\xA0\x80").find("0xED"), std::string::npos);  // surrogate
}

TEST(Cp932Codec, InvalidBytesDecodeToReplacementCharacter)
{
    // A single invalid byte, a lead byte before a non-trail byte (which is
    // kept), an unassigned double-byte code, and a lead byte at the end.
    EXPECT_EQ(Cp932ToUtf8("a\x80z"), "a\uFFFDz");
    EXPECT_EQ(Cp932ToUtf8("\x81,x"), "\uFFFD,x");
    EXPECT_EQ(Cp932ToUtf8("\x85\x40!"), "\uFFFD!");
    EXPECT_EQ(Cp932ToUtf8("\x82\xA0\x82"), "あ\uFFFD");
}

TEST(Cp932Codec, LongTextsConvertWhole)
{
    std::string utf8;
    for (int i = 0; i < 5000; ++i)
        utf8 += "日本語テキスト";
    const std::string cp932 = Utf8ToCp932(utf8);
    EXPECT_EQ(cp932.size(), 5000u * 14);
    EXPECT_EQ(Cp932ToUtf8(cp932), utf8);
}

TEST(TextFile, ValidUtf8WithAMarkOrNonAsciiIsUtf8AndTheRestCodePage932)
{
    EXPECT_EQ(TextFileToUtf8("caf\xC3\xA9 \xED\x95\x9C \xF0\x9F\x98\x80"), "café 한 😀");
    EXPECT_EQ(TextFileToUtf8("\xEF\xBB\xBF" "abc"), "abc");  // the mark is dropped
    EXPECT_EQ(TextFileToUtf8("a\\b~\r\n"), "a\\b~\r\n");
    EXPECT_EQ(TextFileToUtf8(""), "");
    EXPECT_EQ(TextFileToUtf8(Utf8ToCp932("表示①ｱ")), "表示①ｱ");
    // Half-width kana that happen to form valid UTF-8 are read as UTF-8.
    EXPECT_EQ(TextFileToUtf8("\xC3\xBD"), "\xC3\xBD");
}

TEST(TextFile, BytesNoEncodingExplainsAndBinaryFilesAreRefused)
{
    EXPECT_EQ(TextFileToUtf8("abc\x80"), std::nullopt);             // neither
    EXPECT_EQ(TextFileToUtf8("\x82"), std::nullopt);                 // cut short
    EXPECT_EQ(TextFileToUtf8("\xEF\xBB\xBF\xFF"), std::nullopt);    // a mark, then no UTF-8
    EXPECT_EQ(TextFileToUtf8(std::string("ELF\0\1", 5)), std::nullopt);
    EXPECT_EQ(TextFileToUtf8(std::string("\x89PNG\r\n\x1A\n\0\0", 10)), std::nullopt);
}

}  // namespace
