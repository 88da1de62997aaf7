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

    const std::vector<std::string>* names_;
    std::vector<Slot> slots_;
    std::size_t used_ = 0;
    int duplicates_ = 0;
};
