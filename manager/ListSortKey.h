#pragma once
// The memo list's sort order: texts compared byte by byte in code page 932,
// the ASCII letters a-z taken as A-Z, every other byte as its unsigned
// value, a text that is a prefix of another first. Only single-byte letters
// are folded: the second byte of a double-byte character (0x40-0xFC) may
// look like a letter, and folding it would make different characters equal
// (0x83 0x61 and 0x83 0x41 are two katakana).

#include <cstdint>
#include <string>
#include <string_view>

// The text rewritten so that a plain byte comparison of two keys
// (std::string's, which compares unsigned bytes) gives the list's order.
std::string ListSortKey(std::string cp932);
// Negative when a sorts before b, zero when they sort alike, positive after.
int CompareListTexts(std::string_view a, std::string_view b);
// The same result without making the keys: word compares find where the
// texts first differ, and only that byte is looked at as a letter.
int CompareListTextsInPlace(std::string_view a, std::string_view b);

// A row's text as the sort compares it fastest: the first eight bytes of
// its key as one integer settle most pairs, the texts only ties. Rows that
// sort alike keep their order. The text's bytes must outlive the entry.
struct TListSortEntry {
    TListSortEntry(std::string_view text, int row);
    std::string_view Text() const { return {data, size}; }

    std::uint64_t head;  // the key's first eight bytes, big-endian, zero-padded
    const char* data;
    std::size_t size;
    int row;
};

inline bool operator<(const TListSortEntry& a, const TListSortEntry& b)
{
    if (a.head != b.head)
        return a.head < b.head;
    const int c = CompareListTextsInPlace(a.Text(), b.Text());
    return c < 0 || (c == 0 && a.row < b.row);
}
