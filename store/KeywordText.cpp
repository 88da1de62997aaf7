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
    out += '"';
    for (char c : field) {
        if (c == '"')
            out += '"';
        out += c;
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

KeywordReader::KeywordReader(std::string_view text) : text_(text.substr(0, text.find('\0')))
{
    SkipBlanks();
}

void KeywordReader::SkipBlanks()
{
    while (pos_ < text_.size() && IsBlankByte(text_[pos_]))
        ++pos_;
}

bool KeywordReader::Next(std::string_view& keyword)
{
    if (pos_ >= text_.size())
        return false;
    keyword = text_[pos_] == '"' ? ReadQuoted() : ReadPlain();
    SkipBlanks();
    if (pos_ < text_.size() && text_[pos_] == ',') {
        ++pos_;
        SkipBlanks();
    }
    return true;
}

// From an opening quote to its closing one, a doubled quote read as one; an
// unclosed quote runs to the end of the text.
std::string_view KeywordReader::ReadQuoted()
{
    const std::size_t start = ++pos_;
    std::size_t from = start;
    std::size_t end = text_.size();
    bool doubled = false;
    unquoted_.clear();
    for (;;) {
        const std::size_t quote = text_.find('"', from);
        if (quote == std::string_view::npos) {
            pos_ = text_.size();
            break;
        }
        if (quote + 1 < text_.size() && text_[quote + 1] == '"') {
            unquoted_.append(text_, from, quote + 1 - from);
            from = quote + 2;
            doubled = true;
            continue;
        }
        end = quote;
        pos_ = quote + 1;
        break;
    }
    // Without a doubled quote the keyword is a plain slice of the text.
    if (!doubled)
        return text_.substr(start, end - start);
    unquoted_.append(text_, from, end - from);
    return unquoted_;
}

// Up to, not including, the first blank or control byte or comma.
std::string_view KeywordReader::ReadPlain()
{
    const std::size_t start = pos_;
    while (pos_ < text_.size() && !IsBlankByte(text_[pos_]) && text_[pos_] != ',')
        ++pos_;
    return text_.substr(start, pos_ - start);
}
