#pragma once
// The memo list's sort: the rows of the entries in the list's order (see
// ListSortKey.h), rows that sort alike in their table order.

#include "ListSortKey.h"

#include <vector>

// A multikey quicksort over eight bytes of the keys at a time: the entries
// are split by the eight bytes at hand, and those that share them go on to
// the next eight. Shared beginnings are so read once per entry rather than
// once per comparison. No key is copied; `entries` is the working space.
std::vector<int> SortedListRows(std::vector<TListSortEntry> entries);
