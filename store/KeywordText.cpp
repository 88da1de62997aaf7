#include "KeywordText.h"

namespace {

// Control characters and the blank: the bytes skipped between keywords.
bool IsBlankByte(char c)
{
    const auto b = static_cast<unsigned char>(c);
    return b >= 0x01 && b <= 0x20;
}

bool NeedsQuotes(std::string_view field)
{
    for (char c : field)
        if (IsBlankByte(c) || c == '"' || c == ',')
            return true;
    return false;
}

}  // namespace

void AppendQuotedField(std::string& out, std::string_view field)
{
    if (!NeedsQuotes(field)) {
        out += field;
        return;
    }
    // Runs up to and including each double quote are copied whole, the
    // quote then doubled.
    out += '"';
    for (std::size_t from = 0;;) {
        const std::size_t quote = field.find('"', from);
        if (quote == std::string_view::npos) {
            out.append(field.substr(from));
            break;
        }
        out.append(field.substr(from, quote + 1 - from));
        out += '"';
        from = quote + 1;
    }
    out += '"';
}

std::string QuoteField(std::string_view field)
{
    std::string out;
    AppendQuotedField(out, field);
    return out;
}

std::string EncodeKeywordText(const std::vector<std::string>& keywords)
{
    std::string out;
    for (std::size_t i = 0; i < keywords.size(); ++i) {
        if (i > 0)
            out += ',';
        if (keywords[i].empty() && i + 1 == keywords.size())
            out += "\"\"";
        else
            AppendQuotedField(out, keywords[i]);
    }
    return out;
}

std::vector<std::string> DecodeKeywordText(std::string_view text)
{
    std::vector<std::string> keywords;
    KeywordReader reader(text);
    std::string_view keyword;
    while (reader.Next(keyword))
        keywords.emplace_back(keyword);
    return keywords;
}

// From an opening quote to its closing one, a doubled quote read as one; an
// unclosed quote runs to the end of the text (or to a 0x00 byte).
std::string_view KeywordReader::ReadQuoted()
{
    const char* start = ++pos_;
    const char* from = start;
    bool doubled = false;
    unquoted_.clear();
    for (; pos_ != end_ && *pos_ != '\0'; ++pos_) {
        if (*pos_ != '"')
            continue;
        if (pos_ + 1 == end_ || pos_[1] != '"')
            break;
        unquoted_.append(from, static_cast<std::size_t>(pos_ + 1 - from));
        from = ++pos_ + 1;
        doubled = true;
    }
    const char* end = pos_;
    if (pos_ != end_ && *pos_ == '"')
        ++pos_;  // the closing quote
    // Without a doubled quote the keyword is a plain slice of the text.
    if (!doubled)
        return {start, static_cast<std::size_t>(end - start)};
    unquoted_.append(from, static_cast<std::size_t>(end - from));
    return unquoted_;
}
