#include "ListSortKey.h"

namespace {
// Lead bytes of the double-byte characters of code page 932.
bool IsLeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}
}  // namespace

std::string ListSortKey(std::string cp932)
{
    for (std::size_t i = 0; i < cp932.size(); ++i) {
        const auto byte = static_cast<unsigned char>(cp932[i]);
        if (IsLeadByte(byte))
            ++i;  // the trail byte stays as it is
        else if (byte >= 'a' && byte <= 'z')
            cp932[i] = static_cast<char>(byte - 'a' + 'A');
    }
    return cp932;
}

int CompareListTexts(std::string_view a, std::string_view b)
{
    return ListSortKey(std::string(a)).compare(ListSortKey(std::string(b)));
}
