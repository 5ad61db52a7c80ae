#include "winlayer/sort_with_tags.h"

#include <algorithm>
#include <utility>

namespace winlayer {

namespace {

struct TaggedKeys {
    std::vector<std::int32_t>& keys;
    std::vector<std::int32_t>& tags;
    bool descending;

    // Keys are sizes and dates, compared as unsigned numbers.
    bool before(std::int32_t a, std::int32_t b) const {
        const auto ua = static_cast<std::uint32_t>(a);
        const auto ub = static_cast<std::uint32_t>(b);
        return descending ? ua > ub : ua < ub;
    }

    // Hoare partitioning around the key at the lower middle of lo..hi (0-based, inclusive).
    // The two parts left over never overlap, so the order in which they are sorted changes
    // nothing: the smaller one is sorted by recursion and the loop goes on with the larger one,
    // which keeps the stack shallow for any number of items.
    void sort(std::ptrdiff_t lo, std::ptrdiff_t hi) {
        while (lo < hi) {
            const std::int32_t pivot = key(lo + (hi - lo) / 2);
            std::ptrdiff_t i = lo;
            std::ptrdiff_t j = hi;
            while (i <= j) {
                while (before(key(i), pivot) && i < hi) {
                    ++i;
                }
                while (before(pivot, key(j)) && j > lo) {
                    --j;
                }
                if (i > j) {
                    break;
                }
                if (i < j) {
                    std::swap(key(i), key(j));
                    std::swap(tag(i), tag(j));
                }
                ++i;
                --j;
            }
            // Left part lo..j, right part i..hi; an empty or one-key part needs no sorting.
            if (j - lo < hi - i) {
                sort(lo, j);
                lo = i;
            } else {
                sort(i, hi);
                hi = j;
            }
        }
    }

    std::int32_t& key(std::ptrdiff_t at) { return keys[static_cast<std::size_t>(at)]; }
    std::int32_t& tag(std::ptrdiff_t at) { return tags[static_cast<std::size_t>(at)]; }
};

} // namespace

void sortWithTags(std::vector<std::int32_t>& keys, std::vector<std::int32_t>& tags, int count,
                  bool descending) {
    const std::size_t limit = std::min(keys.size(), tags.size());
    const std::size_t n = count < 0 ? 0 : std::min(static_cast<std::size_t>(count), limit);
    if (n < 2) {
        return;
    }
    TaggedKeys sorter{keys, tags, descending};
    sorter.sort(0, static_cast<std::ptrdiff_t>(n) - 1);
}

} // namespace winlayer
