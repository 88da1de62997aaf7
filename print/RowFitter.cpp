#include "RowFitter.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
constexpr std::size_t Unbounded = std::numeric_limits<std::size_t>::max();
// Guesses from the measured widths; after these the range is halved, so
// that odd widths cannot make the search crawl.
constexpr int GuessedProbes = 4;
// The first guess of a fitter, before any prefix was measured.
constexpr std::size_t FirstGuess = 16;

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }
}  // namespace

std::size_t TRowFitter::FitRow(std::string_view line)
{
    line_ = line;
    bounds_.assign(1, 0);
    // The row's length lies in [fits, limit]: the first character goes on
    // the row in any case, and a prefix of length limit + 1 is too wide or
    // longer than the line.
    std::size_t fits = 1;
    std::size_t limit = Unbounded;
    for (int probe = 0; fits < limit; ++probe) {
        const std::size_t next = NextProbe(probe, fits, limit);
        const std::size_t count = CountUpTo(next);
        if (count < next)
            limit = count;
        else if (Fits(next))
            fits = next;
        else
            limit = next - 1;
    }
    CountUpTo(fits);
    return bounds_[fits];
}

std::size_t TRowFitter::CountUpTo(std::size_t chars)
{
    std::size_t pos = bounds_.back();
    while (bounds_.size() <= chars && pos < line_.size()) {
        ++pos;
        while (pos < line_.size() && IsContinuationByte(line_[pos]))
            ++pos;
        bounds_.push_back(pos);
    }
    return std::min(chars, bounds_.size() - 1);
}

bool TRowFitter::Fits(std::size_t chars)
{
    const int width = canvas_.TextWidth(line_.substr(0, bounds_[chars]));
    if (width > 0)
        charsPerUnit_ = static_cast<double>(chars) / width;
    return width <= width_;
}

// A prefix length in (fits, limit]: first the most characters that fit at
// the rate of the last measurement, then halves of the range.
std::size_t TRowFitter::NextProbe(int probe, std::size_t fits, std::size_t limit) const
{
    if (probe >= GuessedProbes)
        return limit == Unbounded ? fits * 2 : fits + (limit - fits + 1) / 2;
    double guess = FirstGuess;
    if (charsPerUnit_ > 0)
        guess = std::floor(std::max(width_, 0) * charsPerUnit_);
    const double high = limit == Unbounded ? 1e9 : static_cast<double>(limit);
    return static_cast<std::size_t>(std::clamp(guess, static_cast<double>(fits + 1), high));
}
