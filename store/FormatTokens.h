#pragma once
// A date or time format read into its parts: fields (a run of one format
// letter: "yyyy", "M", "ss"), the AM/PM marker "ampm" and literal text
// (between single quotes, or any other character). The format is code page
// 932 text: the second byte of a double-byte character is never read as a
// letter.

#include <string>
#include <string_view>
#include <vector>

struct FormatToken {
    enum class Kind { Field, AmPm, Literal };
    Kind kind = Kind::Literal;
    char letter = 0;   // Field: y, M, d, H, h, m or s
    int run = 0;       // Field: how many times the letter stands
    std::string text;  // Literal: the text as shown
};

std::vector<FormatToken> TokenizeFormat(std::string_view format);
// With an AM/PM marker the hour is on the 12-hour clock.
bool HasAmPm(const std::vector<FormatToken>& tokens);
// The literal text after the last field or marker ("." of "yy. M. d.").
std::string TrailingLiteral(const std::vector<FormatToken>& tokens);
// 2 at the lead byte of a double-byte code page 932 character, else 1.
std::size_t Cp932CharLength(std::string_view text, std::size_t pos);
