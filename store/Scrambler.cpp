#include "Scrambler.h"

namespace {

constexpr std::string_view kExtendedMarker("\x00VLRX\x1A\x01\x00", 8);

// An empty key scrambles nothing, like a key of one 0 byte.
std::uint8_t KeyByte(ScrambleKey key, std::size_t position)
{
    return key.empty() ? 0 : key[position % key.size()];
}

unsigned Byte(char c) { return static_cast<unsigned char>(c); }

}  // namespace

bool LegacyRepresentable(std::string_view plain, ScrambleKey key)
{
    for (std::size_t i = 0; i < plain.size(); ++i)
        if (Byte(plain[i]) == 0xFF && KeyByte(key, i) != 0)
            return false;
    return true;
}

std::string Scramble(std::string_view plain, ScrambleKey key)
{
    if (LegacyRepresentable(plain, key)) {
        std::string out(plain);
        for (std::size_t i = 0; i < out.size(); ++i) {
            unsigned c = Byte(out[i]) + KeyByte(key, i);
            if (c > 255) c -= 255;
            out[i] = static_cast<char>(c);
        }
        return out;
    }
    std::string out(kExtendedMarker);
    out.reserve(kExtendedMarker.size() + plain.size());
    for (std::size_t i = 0; i < plain.size(); ++i)
        out.push_back(static_cast<char>((Byte(plain[i]) + KeyByte(key, i)) & 0xFF));
    return out;
}

std::string Unscramble(std::string_view file, ScrambleKey key)
{
    if (file.substr(0, kExtendedMarker.size()) == kExtendedMarker) {
        std::string out(file.substr(kExtendedMarker.size()));
        for (std::size_t i = 0; i < out.size(); ++i)
            out[i] = static_cast<char>((Byte(out[i]) - KeyByte(key, i)) & 0xFF);
        return out;
    }
    std::string out(file);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const unsigned c = Byte(out[i]), k = KeyByte(key, i);
        out[i] = static_cast<char>(c >= k ? c - k : c + 255 - k);
    }
    return out;
}
