#include "Cp932Codec.h"

#include "Exceptions.h"

#include <cerrno>
#include <cstdio>
#include <iconv.h>

namespace {

// One iconv conversion descriptor, opened on first use per thread.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from))
    {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            throw Exception(std::string("文字コード変換 (") + from + " → " + to + ") を開始できません");
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts as much of input as it can, appending to out; returns 0 when
    // all of it was converted, otherwise the errno that stopped it (EILSEQ,
    // EINVAL) with input left at the offending bytes.
    int Convert(std::string_view& input, std::string& out)
    {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char buffer[4096];
        while (!input.empty()) {
            char* in = const_cast<char*>(input.data());
            std::size_t inLeft = input.size();
            char* outPtr = buffer;
            std::size_t outLeft = sizeof buffer;
            const std::size_t result = iconv(cd_, &in, &inLeft, &outPtr, &outLeft);
            const int error = result == static_cast<std::size_t>(-1) ? errno : 0;
            out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
            input.remove_prefix(input.size() - inLeft);
            if (error != 0 && error != E2BIG)
                return error;
        }
        return 0;
    }

private:
    iconv_t cd_;
};

// Length of the well-formed UTF-8 character at the start of text, or 0.
std::size_t Utf8CharLength(std::string_view text)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    unsigned long code = 0;
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07;
    } else {
        return 0;
    }
    if (text.size() < length)
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (byte(i) & 0x3F);
    }
    const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    if (overlong || surrogate || code > 0x10FFFF)
        return 0;
    return length;
}

[[noreturn]] void RaiseInvalidUtf8(std::string_view at, std::size_t offset)
{
    char label[8];
    std::snprintf(label, sizeof label, "0x%02X", static_cast<unsigned char>(at[0]));
    throw Exception("UTF-8 として正しくない文字が含まれています (" + std::to_string(offset + 1) + " バイト目, " +
                    label + ")");
}

bool IsTrailByte(unsigned char b) { return b >= 0x40 && b <= 0xFC && b != 0x7F; }

// How many bytes one undecodable character takes: a lead byte with a
// possible trail byte is one (unassigned) character, anything else one byte.
std::size_t UndecodableLength(std::string_view at)
{
    if (at.size() >= 2 && IsCp932LeadByte(static_cast<unsigned char>(at[0])) && IsTrailByte(static_cast<unsigned char>(at[1])))
        return 2;
    return 1;
}

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

// Decodes code page 932; an undecodable character becomes U+FFFD, or ends
// the decoding with nullopt when strict.
std::optional<std::string> DecodeCp932(std::string_view cp932, bool strict)
{
    thread_local Converter converter("UTF-8", "CP932");
    std::string out;
    out.reserve(cp932.size() + cp932.size() / 2);
    std::string_view rest = cp932;
    while (converter.Convert(rest, out) != 0) {
        if (strict)
            return std::nullopt;
        out += kReplacementCharacter;
        rest.remove_prefix(UndecodableLength(rest));
    }
    return out;
}

bool IsUtf8(std::string_view text)
{
    while (!text.empty()) {
        const std::size_t length = Utf8CharLength(text);
        if (length == 0)
            return false;
        text.remove_prefix(length);
    }
    return true;
}

bool IsAscii(std::string_view text)
{
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

}  // namespace

std::string Utf8ToCp932(std::string_view utf8)
{
    thread_local Converter converter("CP932", "UTF-8");
    std::string out;
    out.reserve(utf8.size());
    const std::size_t total = utf8.size();
    std::string_view rest = utf8;
    if (converter.Convert(rest, out) == 0)
        return out;
    const std::size_t length = Utf8CharLength(rest);
    if (length == 0)
        RaiseInvalidUtf8(rest, total - rest.size());
    throw EUnmappableCharacter(std::string(rest.substr(0, length)));
}

std::string Cp932ToUtf8(std::string_view cp932)
{
    return *DecodeCp932(cp932, false);
}

std::optional<std::string> TextFileToUtf8(std::string_view bytes)
{
    if (bytes.find('\0') != std::string_view::npos)
        return std::nullopt;
    constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
    if (bytes.starts_with(byteOrderMark) && IsUtf8(bytes))
        return std::string(bytes.substr(byteOrderMark.size()));
    if (!IsAscii(bytes) && IsUtf8(bytes))
        return std::string(bytes);
    return DecodeCp932(bytes, true);
}
