#pragma once
// A font as the print layout sees it: no toolkit types, so that the layout
// and the command-line tool share it with the print dialog.

#include <cstdint>
#include <string>

struct TPrintFont {
    std::string Name = "ＭＳ Ｐゴシック";  // family, UTF-8
    int Points = 9;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    std::uint32_t Color = 0x000000;  // 0xRRGGBB

    // The size in screen pixels at 96 dots per inch (12 for 9 points): the
    // layout's indent unit.
    int PixelHeight() const { return (Points * 96 + 36) / 72; }

    bool operator==(const TPrintFont&) const = default;
};
