#include "RowNameIndex.h"

#include <cstring>

namespace {

constexpr std::size_t kMinCapacity = 16;

}  // namespace

std::uint32_t TRowNameIndex::Hash(std::string_view name)
{
    // Eight bytes at a time, multiplied and folded; the tail last.
    constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15ULL;
    std::uint64_t h = name.size() * kMultiplier;
    std::size_t i = 0;
    for (; i + 8 <= name.size(); i += 8) {
        std::uint64_t word;
        std::memcpy(&word, name.data() + i, 8);
        h = (h ^ word) * kMultiplier;
        h ^= h >> 29;
    }
    // The last bytes as a little-endian word, without a call for a
    // variable-length copy.
    std::uint64_t tail = 0;
    for (std::size_t j = name.size(); j > i; --j)
        tail = (tail << 8) | static_cast<unsigned char>(name[j - 1]);
    h = (h ^ tail) * kMultiplier;
    h ^= h >> 32;
    return static_cast<std::uint32_t>(h);
}

// The slot holding the name, or the free slot where it would go.
std::size_t TRowNameIndex::Probe(std::string_view name, std::uint32_t hash) const
{
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot& slot = slots_[i];
        if (slot.row < 0 || (slot.hash == hash && (*names_)[slot.row] == name))
            return i;
    }
}

int TRowNameIndex::Find(std::string_view name) const
{
    if (slots_.empty())
        return -1;
    return slots_[Probe(name, Hash(name))].row;
}

bool TRowNameIndex::Insert(int row, bool unique)
{
    if ((used_ + 1) * 2 > slots_.size())
        Grow(slots_.empty() ? kMinCapacity : slots_.size() * 2);
    return Place(row, Hash((*names_)[row]), unique);
}

bool TRowNameIndex::Place(int row, std::uint32_t hash, bool unique)
{
    Slot& slot = slots_[Probe((*names_)[row], hash)];
    if (slot.row >= 0) {
        if (unique)
            return false;
        ++duplicates_;
        if (row < slot.row)
            slot.row = row;
        return true;
    }
    slot = {hash, row};
    ++used_;
    return true;
}

void TRowNameIndex::Erase(int row)
{
    const std::string& name = (*names_)[row];
    const std::size_t mask = slots_.size() - 1;
    std::size_t hole = Probe(name, Hash(name));
    if (slots_[hole].row != row)
        return;
    // Backward-shift deletion keeps every probe sequence unbroken.
    for (std::size_t next = (hole + 1) & mask; slots_[next].row >= 0; next = (next + 1) & mask) {
        const std::size_t home = slots_[next].hash & mask;
        const bool movable = hole <= next ? (home <= hole || home > next) : (home <= hole && home > next);
        if (movable) {
            slots_[hole] = slots_[next];
            hole = next;
        }
    }
    slots_[hole].row = -1;
    --used_;
}

void TRowNameIndex::Clear()
{
    slots_.clear();
    used_ = 0;
    duplicates_ = 0;
}

void TRowNameIndex::Reserve(std::size_t rows)
{
    std::size_t capacity = kMinCapacity;
    while (capacity < rows * 2)
        capacity *= 2;
    if (capacity > slots_.size())
        Grow(capacity);
}

void TRowNameIndex::Grow(std::size_t capacity)
{
    std::vector<Slot> old(capacity, Slot{0, -1});
    old.swap(slots_);
    const std::size_t mask = slots_.size() - 1;
    for (const Slot& slot : old) {
        if (slot.row < 0)
            continue;
        std::size_t i = slot.hash & mask;
        while (slots_[i].row >= 0)
            i = (i + 1) & mask;
        slots_[i] = slot;
    }
}
