#include "ListSortKey.h"

#include "Cp932Codec.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

namespace {
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
        if (IsCp932LeadByte(byte))
            ++i;
        else if (byte >= 'a' && byte <= 'z')
            visit(i);
    }
}

constexpr std::uint64_t EachByte = 0x0101010101010101;

// 0x80 in each byte of `low7` (bytes below 0x80) that lies in lo..hi; no
// sum carries into the next byte.
std::uint64_t BytesWithin(std::uint64_t low7, unsigned char lo, unsigned char hi)
{
    const std::uint64_t atLeastLo = low7 + EachByte * (0x80 - lo);
    const std::uint64_t aboveHi = low7 + EachByte * (0x7F - hi);
    return atLeastLo & ~aboveHi & EachByte * 0x80;
}

// The top bits of a word's bytes as eight bits, the first byte's lowest.
unsigned TopBits(std::uint64_t tops)
{
    return static_cast<unsigned>(((tops >> 7) * 0x0102040810204080) >> 56);
}

// Indexed by eight bytes' lead-byte bits (bit 0 the first byte's) and,
// in bit 8, whether the first byte is a trail byte: which of the eight
// bytes are trail bytes and, in bit 8, whether the byte after them is.
constexpr std::array<std::uint16_t, 512> TrailBits = [] {
    std::array<std::uint16_t, 512> table{};
    for (unsigned index = 0; index < table.size(); ++index) {
        bool trail = index >> 8 != 0;
        unsigned bits = 0;
        for (unsigned i = 0; i < 8; ++i) {
            bits |= trail ? 1u << i : 0u;
            trail = !trail && (index >> i & 1) != 0;
        }
        table[index] = static_cast<std::uint16_t>(bits | (trail ? 0x100u : 0u));
    }
    return table;
}();

// Indexed by eight bits: 'a' - 'A' in the bytes whose bit is set.
constexpr std::array<std::uint64_t, 256> CaseDistance = [] {
    std::array<std::uint64_t, 256> table{};
    for (unsigned bits = 0; bits < table.size(); ++bits)
        for (unsigned i = 0; i < 8; ++i)
            table[bits] |= (bits >> i & 1) != 0 ? std::uint64_t{'a' - 'A'} << (8 * i) : 0;
    return table;
}();
}  // namespace

// A byte that cannot be a lead byte ends whatever character it is in, so
// only the run of possible lead bytes just before `at` counts: they pair up
// from its start, and an odd run leaves a lead byte just before `at`.
bool IsTrailByte(std::string_view text, std::size_t at)
{
    std::size_t run = 0;
    while (run < at && IsCp932LeadByte(At(text, at - 1 - run)))
        ++run;
    return run % 2 == 1;
}

std::size_t FirstDifference(const char* a, const char* b, std::size_t from, std::size_t n)
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
std::string ListSortKey(std::string cp932)
{
    EachSmallLetter(cp932, [&](std::size_t i) { cp932[i] = static_cast<char>(Folded(At(cp932, i))); });
    return cp932;
}

int CompareListTexts(std::string_view a, std::string_view b)
{
    return ListSortKey(std::string(a)).compare(ListSortKey(std::string(b)));
}

int CompareListTextsInPlace(std::string_view a, std::string_view b, std::size_t from)
{
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t at = std::min(from, n);; ++at) {
        at = FirstDifference(a.data(), b.data(), at, n);
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

std::uint64_t ListSortChunk(std::string_view text, std::size_t at, bool& trail)
{
    // The eight bytes are looked at all at once: which could be lead bytes,
    // which are small letters; a table walks the characters through them.
    std::uint64_t bytes = 0;
    const std::size_t n = text.size() - at;
    if (n >= 8)
        std::memcpy(&bytes, text.data() + at, 8);
    else if (n > 0)
        std::memcpy(&bytes, text.data() + at, n);
    const std::uint64_t tops = bytes & EachByte * 0x80;
    const std::uint64_t low7 = bytes & ~tops;
    const unsigned leads = TopBits(tops & (BytesWithin(low7, 0x01, 0x1F) | BytesWithin(low7, 0x60, 0x7C)));
    const unsigned letters = TopBits(~tops & BytesWithin(low7, 'a', 'z'));
    const unsigned trails = TrailBits[leads | (trail ? 0x100u : 0u)];
    trail = trails >> 8 != 0;
    static_assert(std::endian::native == std::endian::little);
    return __builtin_bswap64(bytes - CaseDistance[letters & ~trails & 0xFF]);
}

