#include "FormatTokens.h"

#include "Cp932Codec.h"

namespace {
bool IsFormatLetter(char c)
{
    return c == 'y' || c == 'M' || c == 'd' || c == 'H' || c == 'h' || c == 'm' || c == 's';
}

void AppendLiteral(std::vector<FormatToken>& tokens, std::string_view text)
{
    if (tokens.empty() || tokens.back().kind != FormatToken::Kind::Literal)
        tokens.push_back({});
    tokens.back().text += text;
}
}  // namespace

std::size_t Cp932CharLength(std::string_view text, std::size_t pos)
{
    return IsCp932LeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size() ? 2 : 1;
}

std::vector<FormatToken> TokenizeFormat(std::string_view format)
{
    std::vector<FormatToken> tokens;
    for (std::size_t i = 0; i < format.size();) {
        const char c = format[i];
        if (c == '\'') {
            const std::size_t close = format.find('\'', i + 1);
            const std::size_t end = close == std::string_view::npos ? format.size() : close;
            AppendLiteral(tokens, format.substr(i + 1, end - i - 1));
            i = end + 1;
        } else if (format.substr(i, 4) == "ampm") {
            tokens.push_back({FormatToken::Kind::AmPm, 0, 0, {}});
            i += 4;
        } else if (IsFormatLetter(c)) {
            std::size_t run = 1;
            while (i + run < format.size() && format[i + run] == c)
                ++run;
            tokens.push_back({FormatToken::Kind::Field, c, static_cast<int>(run), {}});
            i += run;
        } else {
            const std::size_t length = Cp932CharLength(format, i);
            AppendLiteral(tokens, format.substr(i, length));
            i += length;
        }
    }
    return tokens;
}

bool HasAmPm(const std::vector<FormatToken>& tokens)
{
    for (const FormatToken& token : tokens) {
        if (token.kind == FormatToken::Kind::AmPm)
            return true;
    }
    return false;
}

std::string TrailingLiteral(const std::vector<FormatToken>& tokens)
{
    return !tokens.empty() && tokens.back().kind == FormatToken::Kind::Literal ? tokens.back().text : std::string();
}
