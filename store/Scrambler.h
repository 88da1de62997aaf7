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
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

using ScrambleKey = std::span<const std::uint8_t>;

// The key repeated, applied to runs of bytes at any key position.
class TKeyStream {
public:
    explicit TKeyStream(ScrambleKey key);
    template <unsigned char (*Op)(unsigned char, unsigned char)>
    void Apply(char* bytes, std::size_t size, std::size_t keyPosition) const;
    // Calls visit(byte, keyByte) for each byte, byte by reference, and
    // gives the bitwise or of what the calls returned.
    template <typename Visit>
    unsigned char Each(char* bytes, std::size_t size, std::size_t keyPosition, Visit visit) const;

private:
    std::size_t period_;
    std::vector<unsigned char> block_;
};

// Unscrambles a file's bytes in place, a chunk at a time as a reader asks
// for them, so that each byte is still in the cache when it is parsed. The
// bytes are either all in the buffer already or read into it on demand
// from a source, which brings them into the cache just before they are
// unscrambled.
class TUnscrambler {
public:
    // Reads up to size bytes into the buffer; 0 at the end of the file.
    using ByteSource = std::function<std::size_t(char* into, std::size_t size)>;

    // file holds every byte.
    TUnscrambler(std::span<char> file, ScrambleKey key);
    // file has the room for every byte; source fills it. A file that ends
    // early is as long as what was read.
    TUnscrambler(std::span<char> file, ScrambleKey key, ByteSource source);

    // Length of the plain stream, as far as is known: it shrinks when the
    // source ends early.
    std::size_t Size() const { return end_ - skip_; }
    // Makes the first end bytes of the plain stream readable, or as many of
    // them as there are.
    void ReadyUpTo(std::size_t end)
    {
        if (end > ready_)
            Advance(end);
    }
    std::string_view Ready() const { return {file_.data() + skip_, ready_}; }

private:
    static constexpr std::size_t kChunk = 1 << 16;
    void Start();
    void Advance(std::size_t end);
    // Makes the first count bytes of the file present.
    void Fill(std::size_t count);

    TKeyStream keys_;
    std::span<char> file_;
    ByteSource source_;
    std::size_t filled_;  // bytes of the file present
    std::size_t end_;     // bytes of the file in all
    bool extended_ = false;
    std::size_t skip_ = 0;  // the marker's bytes in the extended form
    std::size_t ready_ = 0;
};

// Scrambles a plain stream in one form, a piece at a time and in order, so
// that a writer need not hold the whole stream. A stream is written in the
// legacy form unless a byte cannot be: the writer then starts again in the
// extended form.
class TStreamScrambler {
public:
    TStreamScrambler(ScrambleKey key, bool extended);
    // The file's first bytes, before the first piece: the marker in the
    // extended form, none in the legacy one.
    std::string_view Header() const;
    // Scrambles the next piece in place; false, the piece then of no use,
    // when a byte of it has no legacy form.
    bool Scramble(char* piece, std::size_t size);

private:
    TKeyStream keys_;
    bool extended_;
    std::size_t position_ = 0;  // key position of the next piece
};

// The file bytes: the legacy form when representable, else the extended one.
std::string Scramble(std::string plain, ScrambleKey key);
// The plain stream of a file in either form.
std::string Unscramble(std::string_view file, ScrambleKey key);
