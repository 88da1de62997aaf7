#pragma once
// Conversion between UTF-8 (the user interface, file paths) and code page
// 932 (the store's texts and the document, CSV and text files), through
// iconv's "CP932" converter.

#include <optional>
#include <string>
#include <string_view>

// Whether the byte starts a double-byte character of code page 932.
inline bool IsCp932LeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// Raises EUnmappableCharacter naming the first character code page 932
// cannot hold; invalid UTF-8 is refused with an Exception naming the byte.
std::string Utf8ToCp932(std::string_view utf8);
// Never fails: a byte sequence that is not valid code page 932 becomes U+FFFD.
std::string Cp932ToUtf8(std::string_view cp932);

// The text of a text file, in UTF-8. A file that is valid UTF-8 (a leading
// byte-order mark is dropped) and not plain ASCII is read as UTF-8, every
// other file as code page 932. nullopt when neither explains every byte or
// the file holds a NUL byte, which no text file does: a binary file.
std::optional<std::string> TextFileToUtf8(std::string_view bytes);
