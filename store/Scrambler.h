#pragma once
// The byte scrambling of document files.
//
// Legacy form (no header): byte i of the file is paired with key byte
// Key[i mod L]; writing c = p + k, less 255 when that exceeds 255; reading
// p = c - k, plus 255 when c < k. A plain 0xFF paired with a non-zero key
// byte has no scrambled form there (it would read back as 0x00), so such a
// stream is written in the extended form instead:
//
//   00 56 4C 52 58 1A 01 00    marker, not scrambled
//   c = (p + k) mod 256        from the next byte on, key position 0 there
//
// No legacy file can start with the marker: it would declare over a billion
// tables in far fewer bytes.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

using ScrambleKey = std::span<const std::uint8_t>;

// True when every byte survives the legacy rule with this key.
bool LegacyRepresentable(std::string_view plain, ScrambleKey key);
// The file bytes: the legacy form when representable, else the extended one.
std::string Scramble(std::string_view plain, ScrambleKey key);
// The plain stream of a file in either form.
std::string Unscramble(std::string_view file, ScrambleKey key);
