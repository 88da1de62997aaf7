#include "ListSortKey.h"

namespace {
// Lead bytes of the double-byte characters of code page 932.
bool IsLeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// Calls visit(position) for every single-byte small letter, the trail
// bytes skipped; stops and gives false as soon as visit does.
template <typename Visit> bool EachSmallLetter(std::string_view text, Visit visit)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (IsLeadByte(byte))
            ++i;
        else if (byte >= 'a' && byte <= 'z' && !visit(i))
            return false;
    }
    return true;
}
}  // namespace

std::string ListSortKey(std::string cp932)
{
    EachSmallLetter(cp932, [&](std::size_t i) {
        cp932[i] = static_cast<char>(cp932[i] - 'a' + 'A');
        return true;
    });
    return cp932;
}

bool IsOwnSortKey(std::string_view cp932)
{
    return EachSmallLetter(cp932, [](std::size_t) { return false; });
}

int CompareListTexts(std::string_view a, std::string_view b)
{
    return ListSortKey(std::string(a)).compare(ListSortKey(std::string(b)));
}
