#pragma once
// The keyword text a memo's keyword list is stored as in one cell: the
// keywords joined by commas, each quoted when it holds a control character,
// a blank, a double quote or a comma. The same quoting serves CSV fields.
// Delimiters are found byte by byte: no trail byte of a code page 932
// character equals any of them.

#include <string>
#include <string_view>
#include <vector>

// The field as it is written: unchanged, or between double quotes with every
// double quote inside doubled when it holds a byte 0x01-0x20, '"' or ','.
std::string QuoteField(std::string_view field);
void AppendQuotedField(std::string& out, std::string_view field);

// An empty last keyword is written as two double quotes, so that a list of
// one empty keyword, or a list ending in one, reads back as it was.
std::string EncodeKeywordText(const std::vector<std::string>& keywords);
// An opening double quote without its closing one takes the rest of the
// text; a 0x00 byte ends the text.
std::vector<std::string> DecodeKeywordText(std::string_view text);

// Reads the keywords of a keyword text one at a time, in order, copying
// only quoted keywords that hold doubled quotes. Used where many keyword
// texts are decoded (the search) to avoid building a list per text; the
// byte loops are inline for that reason.
class KeywordReader {
public:
    explicit KeywordReader(std::string_view text) : pos_(text.data()), end_(text.data() + text.size())
    {
        SkipBlanks();
    }

    // The next keyword, valid until the next call; false at the end.
    bool Next(std::string_view& keyword)
    {
        if (pos_ == end_ || *pos_ == '\0')
            return false;
        keyword = *pos_ == '"' ? ReadQuoted() : ReadPlain();
        SkipBlanks();
        if (pos_ != end_ && *pos_ == ',') {
            ++pos_;
            SkipBlanks();
        }
        return true;
    }

private:
    // Bytes 0x01-0x20: control characters and the blank. A 0x00 byte ends
    // the text and is never skipped.
    static bool IsBlank(char c) { return static_cast<unsigned char>(c) - 1u < 0x20u; }

    void SkipBlanks()
    {
        while (pos_ != end_ && IsBlank(*pos_))
            ++pos_;
    }

    // Up to, not including, the first byte 0x20 or below or a comma.
    std::string_view ReadPlain()
    {
        const char* start = pos_;
        while (pos_ != end_ && static_cast<unsigned char>(*pos_) > 0x20 && *pos_ != ',')
            ++pos_;
        return {start, static_cast<std::size_t>(pos_ - start)};
    }

    std::string_view ReadQuoted();

    const char* pos_;
    const char* end_;
    std::string unquoted_;
};
