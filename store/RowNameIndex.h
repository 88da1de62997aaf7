#pragma once
// Finds the first row bearing a name without scanning the rows: an open
// addressing hash table of row positions, the names themselves staying in
// the table's list of row names. Only the first row of each distinct name is
// indexed; Duplicates() counts the rows whose name an earlier row bears.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TRowNameIndex {
public:
    explicit TRowNameIndex(const std::vector<std::string>& names) : names_(&names) {}

    // First indexed row bearing the name, or -1.
    int Find(std::string_view name) const;
    // Indexes row under its name (names[row]); returns false, changing
    // nothing, when an indexed row already bears it and unique is set.
    bool Insert(int row, bool unique);
    // Indexes every row from first on, in order, as Insert would with
    // unique(name) deciding each; returns false at the first row refused,
    // the index then holding some of the rows (clear it and rebuild).
    template <typename Unique>
    bool InsertRun(int first, Unique unique);
    // Drops the entry of row; only valid while Duplicates() is 0.
    void Erase(int row);
    void Clear();
    void Reserve(std::size_t rows);
    int Duplicates() const { return duplicates_; }

private:
    struct Slot {
        std::uint32_t hash;
        std::int32_t row;  // -1 when free
    };
    static std::uint32_t Hash(std::string_view name);
    std::size_t Probe(std::string_view name, std::uint32_t hash) const;
    void Grow(std::size_t capacity);
    bool Place(int row, std::uint32_t hash, bool unique);
    void Prefetch(std::uint32_t hash) const { __builtin_prefetch(&slots_[hash & (slots_.size() - 1)]); }

    const std::vector<std::string>* names_;
    std::vector<Slot> slots_;
    std::size_t used_ = 0;
    int duplicates_ = 0;
};

template <typename Unique>
bool TRowNameIndex::InsertRun(int first, Unique unique)
{
    const std::vector<std::string>& names = *names_;
    const std::size_t count = names.size() - static_cast<std::size_t>(first);
    Reserve(used_ + count);
    // The hashes come first so that each row's slot can be fetched from
    // memory while earlier rows are placed.
    constexpr std::size_t kAhead = 16;
    std::vector<std::uint32_t> hashes(count);
    for (std::size_t i = 0; i < count; ++i)
        hashes[i] = Hash(names[first + i]);
    for (std::size_t i = 0; i < count; ++i) {
        if (i + kAhead < count)
            Prefetch(hashes[i + kAhead]);
        const int row = first + static_cast<int>(i);
        if (!Place(row, hashes[i], unique(names[row])))
            return false;
    }
    return true;
}
