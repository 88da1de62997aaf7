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
// texts first differ, and only that byte is looked at as a letter. The
// texts' keys must be the same before byte `from`.
int CompareListTextsInPlace(std::string_view a, std::string_view b, std::size_t from = 0);

// Whether byte `at` of the text is the second byte of a double-byte character.
bool IsTrailByte(std::string_view text, std::size_t at);
// The first position from `from` on where the bytes of a and b differ, or n.
std::size_t FirstDifference(const char* a, const char* b, std::size_t from, std::size_t n);

// The eight bytes of the text's key from byte `at` on (`at` at most the
// text's size) as one big-endian integer, zero-padded past the text's end. `trail`
// says whether byte `at` is the second byte of a character, and is left
// saying it of byte `at` + 8.
std::uint64_t ListSortChunk(std::string_view text, std::size_t at, bool& trail);

// A row's text as the sort compares it fastest: eight bytes of its key at
// a time as one integer (see SortedListRows.h). The text's bytes must
// outlive the entry.
struct TListSortEntry {
    TListSortEntry(std::string_view text, int row) : data(text.data()), size(text.size()), row(row) {}
    std::string_view Text() const { return {data, size}; }

    std::uint64_t head = 0;  // the sort's eight bytes at hand
    const char* data;
    std::size_t size;
    int row;
    int spare = 0;  // pads the entry to 32 bytes, which the sort moves fastest
};
