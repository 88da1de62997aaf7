#include "ListSortKey.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace {
// Lead bytes of the double-byte characters of code page 932.
bool IsLeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

unsigned char Folded(unsigned char byte)
{
    return byte >= 'a' && byte <= 'z' ? static_cast<unsigned char>(byte - 'a' + 'A') : byte;
}

unsigned char At(std::string_view text, std::size_t i) { return static_cast<unsigned char>(text[i]); }

// Calls visit(position) for every single-byte small letter, the trail
// bytes skipped.
template <typename Visit> void EachSmallLetter(std::string_view text, Visit visit)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = At(text, i);
        if (IsLeadByte(byte))
            ++i;
        else if (byte >= 'a' && byte <= 'z')
            visit(i);
    }
}

// Whether byte `at` is the second byte of a character. A byte that cannot
// be a lead byte ends whatever character it is in, so only the run of
// possible lead bytes just before `at` counts: they pair up from its start,
// and an odd run leaves a lead byte just before `at`.
bool IsTrailByte(std::string_view text, std::size_t at)
{
    std::size_t run = 0;
    while (run < at && IsLeadByte(At(text, at - 1 - run)))
        ++run;
    return run % 2 == 1;
}

// The first position from `from` on where a and b differ, or n.
std::size_t Mismatch(const char* a, const char* b, std::size_t from, std::size_t n)
{
    std::size_t i = from;
    for (; i + 8 <= n; i += 8) {
        std::uint64_t x, y;
        std::memcpy(&x, a + i, 8);
        std::memcpy(&y, b + i, 8);
        if (x != y) {
            static_assert(std::endian::native == std::endian::little);
            return i + static_cast<std::size_t>(std::countr_zero(x ^ y) / 8);
        }
    }
    while (i < n && a[i] == b[i])
        ++i;
    return i;
}
}  // namespace

std::string ListSortKey(std::string cp932)
{
    EachSmallLetter(cp932, [&](std::size_t i) { cp932[i] = static_cast<char>(Folded(At(cp932, i))); });
    return cp932;
}

int CompareListTexts(std::string_view a, std::string_view b)
{
    return ListSortKey(std::string(a)).compare(ListSortKey(std::string(b)));
}

int CompareListTextsInPlace(std::string_view a, std::string_view b)
{
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t at = 0;; ++at) {
        at = Mismatch(a.data(), b.data(), at, n);
        if (at == n)
            return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
        // Both texts are the same up to here, so the byte is a trail byte in both or in neither.
        unsigned char x = At(a, at), y = At(b, at);
        if (!IsTrailByte(a, at)) {
            x = Folded(x);
            y = Folded(y);
        }
        if (x != y)
            return x < y ? -1 : 1;
        // One letter in two cases: a single-byte character; go on after it.
    }
}

TListSortEntry::TListSortEntry(std::string_view text, int row)
    : head(0), data(text.data()), size(text.size()), row(row)
{
    bool trail = false;
    for (std::size_t i = 0; i < 8; ++i) {
        unsigned char byte = 0;
        if (i < text.size()) {
            byte = At(text, i);
            const bool lead = !trail && IsLeadByte(byte);
            if (!trail && !lead)
                byte = Folded(byte);
            trail = lead;
        }
        head = head << 8 | byte;
    }
}
