// Feeds arbitrary bytes to the keyword text decoder and encoder and to the
// code page 932 codec.
//
// Keyword text: a keyword list made from the input (split at the input's
// first byte, 0x00 bytes dropped, since no text of the store holds one)
// encodes to a text that decodes to the same list; any bytes decode to a
// list that survives the same way.
// Code page 932: bytes decode to UTF-8 that encodes back to bytes decoding
// to the same text, unless the decoder had to put in U+FFFD, which must
// then be refused as a character code page 932 cannot hold. UTF-8 that
// encodes gives bytes whose text is stable the same way.
#include "Cp932Codec.h"
#include "Exceptions.h"
#include "FuzzCheck.h"
#include "KeywordText.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr const char* kTarget = "text codec fuzz";
constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

void Require(bool condition, const char* what) { ::Require(condition, kTarget, what); }

std::vector<std::string> KeywordList(std::string_view input)
{
    std::vector<std::string> keywords;
    if (input.empty())
        return keywords;
    const char separator = input[0];
    keywords.emplace_back();
    for (char c : input.substr(1)) {
        if (c == separator)
            keywords.emplace_back();
        else if (c != '\0')
            keywords.back() += c;
    }
    return keywords;
}

void CheckKeywordText(std::string_view input)
{
    const std::vector<std::string> made = KeywordList(input);
    Require(DecodeKeywordText(EncodeKeywordText(made)) == made, "a keyword list did not survive its keyword text");
    const std::vector<std::string> decoded = DecodeKeywordText(input);
    Require(DecodeKeywordText(EncodeKeywordText(decoded)) == decoded,
            "a decoded keyword list did not survive its keyword text");
}

// The text decoded from cp932 encodes back to bytes that decode to it.
void CheckStableText(const std::string& utf8, const char* what)
{
    const std::string again = Cp932ToUtf8(Utf8ToCp932(utf8));
    Require(again == utf8, what);
}

void CheckCp932(std::string_view input)
{
    const std::string text = Cp932ToUtf8(input);
    if (text.find(kReplacementCharacter) == std::string::npos) {
        CheckStableText(text, "decoded code page 932 text did not encode back to the same text");
    } else {
        try {
            Utf8ToCp932(text);
            Require(false, "U+FFFD was encoded in code page 932");
        } catch (const EUnmappableCharacter&) {
        }
    }
    std::string encoded;
    try {
        encoded = Utf8ToCp932(input);
    } catch (const Exception&) {
        return;  // invalid UTF-8, or a character code page 932 cannot hold
    }
    const std::string decoded = Cp932ToUtf8(encoded);
    Require(decoded.find(kReplacementCharacter) == std::string::npos, "encoded text does not decode");
    CheckStableText(decoded, "encoded text does not settle after one way back");
}

void CheckTextFile(std::string_view input)
{
    const std::optional<std::string> text = TextFileToUtf8(input);
    if (!text)
        return;
    Require(text->find('\0') == std::string::npos, "a text file's text holds a NUL");
    try {
        Utf8ToCp932(*text);
    } catch (const EUnmappableCharacter&) {
    } catch (const Exception&) {
        Require(false, "a text file's text is not valid UTF-8");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    CheckKeywordText(input);
    CheckCp932(input);
    CheckTextFile(input);
    return 0;
}
