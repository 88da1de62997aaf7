#include "Scrambler.h"

#include <algorithm>

namespace {

constexpr std::string_view kExtendedMarker("\x00VLRX\x1A\x01\x00", 8);

// An empty key scrambles nothing, like a key of one 0 byte.
std::uint8_t KeyByte(ScrambleKey key, std::size_t position)
{
    return key.empty() ? 0 : key[position % key.size()];
}

unsigned char LegacyWrite(unsigned char p, unsigned char k)
{
    const unsigned sum = unsigned(p) + k;
    return static_cast<unsigned char>(sum > 255 ? sum - 255 : sum);
}
// The legacy reading rule in 8-bit arithmetic: adding 255 is subtracting 1.
unsigned char LegacyRead(unsigned char c, unsigned char k)
{
    return static_cast<unsigned char>(c - k - (c < k ? 1 : 0));
}
unsigned char ExtendedWrite(unsigned char p, unsigned char k) { return static_cast<unsigned char>(p + k); }
unsigned char ExtendedRead(unsigned char c, unsigned char k) { return static_cast<unsigned char>(c - k); }

}  // namespace

TKeyStream::TKeyStream(ScrambleKey key) : period_(key.empty() ? 1 : key.size())
{
    // Long enough that a run starting at any key position finds a whole
    // block after it: the inner loops then run without a modulo and vectorise.
    block_.resize(period_ * 65);
    for (std::size_t i = 0; i < block_.size(); ++i)
        block_[i] = KeyByte(key, i);
}

template <typename Visit>
unsigned char TKeyStream::Each(char* bytes, std::size_t size, std::size_t keyPosition, Visit visit) const
{
    auto* __restrict data = reinterpret_cast<unsigned char*>(bytes);
    const unsigned char* __restrict k = block_.data() + keyPosition % period_;
    const std::size_t run = period_ * 64;
    unsigned char flags = 0;  // a local: the loops stay free of stores that could alias
    std::size_t i = 0;
    for (; i + run <= size; i += run)
        for (std::size_t j = 0; j < run; ++j)
            flags |= visit(data[i + j], k[j]);
    for (std::size_t j = 0; i + j < size; ++j)
        flags |= visit(data[i + j], k[j]);
    return flags;
}

template <unsigned char (*Op)(unsigned char, unsigned char)>
void TKeyStream::Apply(char* bytes, std::size_t size, std::size_t keyPosition) const
{
    Each(bytes, size, keyPosition, [](unsigned char& byte, unsigned char key) -> unsigned char {
        byte = Op(byte, key);
        return 0;
    });
}

TUnscrambler::TUnscrambler(std::span<char> file, ScrambleKey key)
    : keys_(key), file_(file), filled_(file.size()), end_(file.size())
{
    Start();
}

TUnscrambler::TUnscrambler(std::span<char> file, ScrambleKey key, ByteSource source)
    : keys_(key), file_(file), source_(std::move(source)), filled_(0), end_(file.size())
{
    Start();
}

void TUnscrambler::Start()
{
    Fill(std::min(end_, kChunk));
    extended_ = std::string_view(file_.data(), filled_).substr(0, kExtendedMarker.size()) == kExtendedMarker;
    skip_ = extended_ ? kExtendedMarker.size() : 0;
}

void TUnscrambler::Fill(std::size_t count)
{
    while (filled_ < count) {
        const std::size_t got = source_(file_.data() + filled_, count - filled_);
        if (got == 0) {
            end_ = filled_;
            break;
        }
        filled_ += got;
    }
}

void TUnscrambler::Advance(std::size_t end)
{
    std::size_t upTo = std::min(Size(), std::max(end, ready_ + kChunk));
    Fill(skip_ + upTo);
    upTo = std::min(upTo, Size());  // the file may have ended early
    char* body = file_.data() + skip_;
    if (extended_)
        keys_.Apply<ExtendedRead>(body + ready_, upTo - ready_, ready_);
    else
        keys_.Apply<LegacyRead>(body + ready_, upTo - ready_, ready_);
    ready_ = upTo;
}

TStreamScrambler::TStreamScrambler(ScrambleKey key, bool extended) : keys_(key), extended_(extended) {}

std::string_view TStreamScrambler::Header() const
{
    return extended_ ? kExtendedMarker : std::string_view();
}

bool TStreamScrambler::Scramble(char* piece, std::size_t size)
{
    if (extended_) {
        keys_.Apply<ExtendedWrite>(piece, size, position_);
    } else {
        // Scrambled and checked in one pass; a piece that fails is written
        // again from its plain bytes, so it need not be left as it was.
        // Only a plain 0xFF paired with a non-zero key byte lacks a legacy form.
        const unsigned char lost = keys_.Each(piece, size, position_, [](unsigned char& byte, unsigned char key) {
            const unsigned char unrepresentable = (byte == 0xFF) & (key != 0);
            byte = LegacyWrite(byte, key);
            return unrepresentable;
        });
        if (lost)
            return false;
    }
    position_ += size;
    return true;
}

std::string Scramble(std::string plain, ScrambleKey key)
{
    std::string legacy = plain;
    if (TStreamScrambler(key, false).Scramble(legacy.data(), legacy.size()))
        return legacy;
    TStreamScrambler extended(key, true);
    std::string out(extended.Header());
    out.append(plain);
    extended.Scramble(out.data() + extended.Header().size(), plain.size());
    return out;
}

std::string Unscramble(std::string_view file, ScrambleKey key)
{
    std::string bytes(file);
    TUnscrambler plain(bytes, key);
    plain.ReadyUpTo(plain.Size());
    return std::string(plain.Ready());
}
