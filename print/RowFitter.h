#pragma once
// Finds how much of a line goes on one printed row: as many characters as
// fit, judged by the width of the row followed by the next character, and
// at least one. Growing the row a character at a time would measure it
// once per character, each time from its start; instead the fitter guesses
// the break from the widths measured so far and confirms it by measuring
// the prefixes on both sides of it, which widen as they lengthen. A row
// usually costs two measurements.

#include "PrintCanvas.h"

#include <string_view>
#include <vector>

class TRowFitter {
public:
    // width: the room for the row, in the canvas's current font.
    TRowFitter(TPrintCanvas& canvas, int width) : canvas_(canvas), width_(width) {}

    // The byte length of the row that starts line (UTF-8, not empty).
    std::size_t FitRow(std::string_view line);

private:
    // The number of characters of line_, counting at most up to chars.
    std::size_t CountUpTo(std::size_t chars);
    bool Fits(std::size_t chars);
    std::size_t NextProbe(int probe, std::size_t fits, std::size_t limit) const;

    TPrintCanvas& canvas_;
    int width_;
    double charsPerUnit_ = 0;  // of the last prefix measured: the next row's first guess
    std::string_view line_;
    std::vector<std::size_t> bounds_;  // byte offsets of the characters of line_ counted so far
};
