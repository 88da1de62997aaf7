#pragma once
// The memo list's sort order: texts compared byte by byte in code page 932,
// the ASCII letters a-z taken as A-Z, every other byte as its unsigned
// value, a text that is a prefix of another first. Only single-byte letters
// are folded: the second byte of a double-byte character (0x40-0xFC) may
// look like a letter, and folding it would make different characters equal
// (0x83 0x61 and 0x83 0x41 are two katakana).

#include <string>
#include <string_view>

// The text rewritten so that a plain byte comparison of two keys
// (std::string's, which compares unsigned bytes) gives the list's order.
std::string ListSortKey(std::string cp932);
// True when the text is its own key (it holds no single-byte small letter).
bool IsOwnSortKey(std::string_view cp932);
// Negative when a sorts before b, zero when they sort alike, positive after.
int CompareListTexts(std::string_view a, std::string_view b);
