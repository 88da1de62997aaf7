#include "SortedListRows.h"

#include <algorithm>
#include <bit>
#include <cstdint>

namespace {
// Entries that share their keys up to byte `at`, their heads holding the
// eight bytes from there; `trail` tells whether byte `at` is a trail byte.
struct TSortRange {
    TListSortEntry* begin;
    TListSortEntry* end;
    std::size_t at;
    bool trail;

    std::size_t Size() const { return static_cast<std::size_t>(end - begin); }
};

// Below this size a comparison sort is quicker than another split.
constexpr std::size_t SmallRange = 16;

// How many of the entry's bytes the head holds.
std::size_t HeadLength(const TListSortEntry& entry, std::size_t at) { return std::min<std::size_t>(entry.size - at, 8); }

// The heads with their lengths: a text that ends inside its eight bytes
// sorts before a longer one with the same bytes and zeros after.
int CompareHeads(const TListSortEntry& a, const TListSortEntry& b, std::size_t at)
{
    if (a.head != b.head)
        return a.head < b.head ? -1 : 1;
    const std::size_t x = HeadLength(a, at), y = HeadLength(b, at);
    return x < y ? -1 : (x > y ? 1 : 0);
}

// The whole order from byte `at` on, rows breaking ties.
struct TEntryLess {
    std::size_t at;

    bool operator()(const TListSortEntry& a, const TListSortEntry& b) const
    {
        int c = CompareHeads(a, b, at);
        if (c == 0 && HeadLength(a, at) == 8)
            c = CompareListTextsInPlace(a.Text(), b.Text(), at + 8);
        return c < 0 || (c == 0 && a.row < b.row);
    }
};

// The median of the first, middle and last entries by their heads.
TListSortEntry MedianHead(const TSortRange& range)
{
    const TListSortEntry& a = range.begin[0];
    const TListSortEntry& b = range.begin[range.Size() / 2];
    const TListSortEntry& c = range.end[-1];
    const auto less = [&](const TListSortEntry& x, const TListSortEntry& y) { return CompareHeads(x, y, range.at) < 0; };
    if (less(a, b))
        return less(b, c) ? b : (less(a, c) ? c : a);
    return less(a, c) ? a : (less(b, c) ? c : b);
}

// Splits the range into heads below, equal to and above a pivot's; returns
// where the equal ones begin and end.
std::pair<TListSortEntry*, TListSortEntry*> Partition(const TSortRange& range)
{
    const TListSortEntry pivot = MedianHead(range);
    TListSortEntry* less = range.begin;
    TListSortEntry* greater = range.end;
    for (TListSortEntry* at = range.begin; at < greater;) {
        const int c = CompareHeads(*at, pivot, range.at);
        if (c < 0)
            std::swap(*less++, *at++);
        else if (c > 0)
            std::swap(*at, *--greater);
        else
            ++at;
    }
    return {less, greater};
}

// Asks for two cache lines of the entries' texts from byte `at` on, so
// that their reads wait for memory together rather than one after the
// other. A prefetch never faults, past a text's end neither; the address
// is reckoned as a number, as it may lie outside the text.
void Prefetch(const TListSortEntry* begin, const TListSortEntry* end, std::size_t at)
{
    for (const TListSortEntry* entry = begin; entry != end; ++entry) {
        const std::uintptr_t address = reinterpret_cast<std::uintptr_t>(entry->data) + at;
        __builtin_prefetch(reinterpret_cast<const void*>(address));
        __builtin_prefetch(reinterpret_cast<const void*>(address + 64));
    }
}

// Loads the heads of the range's entries. While they are all alike and
// none of the texts ends in them, also finds how many bytes from there all
// the texts share, and returns that (at least eight); otherwise zero.
std::size_t LoadHeads(const TSortRange& range)
{
    // The texts lie all over memory: each is fetched well before its turn.
    constexpr std::ptrdiff_t ahead = 32;
    Prefetch(range.begin, range.begin + std::min<std::ptrdiff_t>(ahead, range.end - range.begin), range.at);
    const TListSortEntry& first = *range.begin;
    std::size_t shared = first.size;  // up to here, from range.at
    for (TListSortEntry* entry = range.begin; entry != range.end; ++entry) {
        if (range.end - entry > ahead)
            Prefetch(entry + ahead, entry + ahead + 1, range.at);
        bool trail = range.trail;
        entry->head = ListSortChunk(entry->Text(), range.at, trail);
        if (shared == 0)
            continue;
        if (entry->head != first.head || HeadLength(*entry, range.at) < 8)
            shared = 0;
        else
            shared = FirstDifference(first.data, entry->data, range.at, std::min(shared, entry->size));
    }
    return shared == 0 ? 0 : std::max(shared, range.at + 8) - range.at;
}

// Loads the heads of the range's entries, past the bytes all of them share.
TSortRange LoadDistinctHeads(TSortRange range)
{
    while (const std::size_t shared = LoadHeads(range)) {
        range.at += shared;
        range.trail = IsTrailByte(range.begin->Text(), range.at);
    }
    return range;
}

// Entries whose heads are all alike: their texts are equal when the head
// holds a text's end, and then only the rows order them; otherwise their
// heads move on to the next bytes that are not the same in all.
TSortRange NextBytes(TListSortEntry* begin, TListSortEntry* end, const TSortRange& from)
{
    if (begin == end || HeadLength(*begin, from.at) < 8) {
        std::sort(begin, end, [](const TListSortEntry& a, const TListSortEntry& b) { return a.row < b.row; });
        return {end, end, from.at, false};
    }
    TSortRange next{begin, end, from.at + 8, from.trail};
    ListSortChunk(begin->Text(), from.at, next.trail);  // the same for all of them
    return LoadDistinctHeads(next);
}

// Sorts the range. The two smaller parts of each split are sorted by a
// call of their own, the largest goes on in the loop, so that the calls
// nest at most log2(n) deep; a range split too often without getting
// smaller falls back to a comparison sort, as in an introsort.
void SortRange(TSortRange range, int splitsLeft)
{
    while (range.Size() > SmallRange && splitsLeft > 0) {
        const auto [equal, greater] = Partition(range);
        TSortRange parts[] = {{range.begin, equal, range.at, range.trail},
                              NextBytes(equal, greater, range),
                              {greater, range.end, range.at, range.trail}};
        std::sort(std::begin(parts), std::end(parts),
                  [](const TSortRange& a, const TSortRange& b) { return a.Size() < b.Size(); });
        const bool deeper = parts[2].at != range.at;
        --splitsLeft;
        for (int i = 0; i < 2; ++i)
            SortRange(parts[i], parts[i].at != range.at ? 2 * std::bit_width(parts[i].Size()) : splitsLeft);
        if (deeper)
            splitsLeft = 2 * std::bit_width(parts[2].Size());
        range = parts[2];
    }
    Prefetch(range.begin, range.end, range.at + 8);
    std::sort(range.begin, range.end, TEntryLess{range.at});
}
}  // namespace

std::vector<int> SortedListRows(std::vector<TListSortEntry> entries)
{
    if (!entries.empty()) {
        const TSortRange all = LoadDistinctHeads({entries.data(), entries.data() + entries.size(), 0, false});
        SortRange(all, 2 * std::bit_width(all.Size()));
    }
    std::vector<int> rows;
    rows.reserve(entries.size());
    for (const TListSortEntry& entry : entries)
        rows.push_back(entry.row);
    return rows;
}
