#include "results/result_order.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <utility>
#include <vector>

using namespace results;
using Positions = std::vector<std::int32_t>;

namespace {

// The quicksort exactly as it is described: recursive Hoare partitioning on 1-based positions
// around the lower middle key. The program's own version recurses differently, so this is an
// independent witness of which order equal keys end in.
void describedQuicksort(Positions& keys, Positions& tags, std::ptrdiff_t lo, std::ptrdiff_t hi) {
    auto key = [&](std::ptrdiff_t at) -> std::int32_t& { return keys[at - 1]; };
    const std::int32_t pivot = key(lo + (hi - lo) / 2);
    std::ptrdiff_t i = lo;
    std::ptrdiff_t j = hi;
    while (i <= j) {
        while (key(i) < pivot && i < hi) {
            ++i;
        }
        while (pivot < key(j) && j > lo) {
            --j;
        }
        if (i > j) {
            break;
        }
        if (i < j) {
            std::swap(key(i), key(j));
            std::swap(tags[i - 1], tags[j - 1]);
        }
        ++i;
        --j;
    }
    if (lo < j) {
        describedQuicksort(keys, tags, lo, j);
    }
    if (i < hi) {
        describedQuicksort(keys, tags, i, hi);
    }
}

Positions describedOrder(Positions keys) {
    Positions tags(keys.size());
    std::iota(tags.begin(), tags.end(), 1);
    if (keys.size() > 1) {
        describedQuicksort(keys, tags, 1, static_cast<std::ptrdiff_t>(keys.size()));
    }
    return tags;
}

constexpr std::int32_t day = 20200131;

} // namespace

TEST(ResultOrder, WorkedExampleOfTheQuicksort) {
    const Positions keys{5, 3, 5, 1};
    EXPECT_EQ(positionsByKey(keys, 4), (Positions{4, 2, 1, 3}));
    EXPECT_EQ(keys, (Positions{5, 3, 5, 1}));
}

// Traced by hand through the partitioning steps: equal keys do not keep their found order.
TEST(ResultOrder, FoldersAndEmptyFilesAtZeroComeFirstInTheQuicksortsOrder) {
    // folder, folder, a 1 KB file, a file without a shown size
    EXPECT_EQ(positionsByKey({0, 0, 1, 0}, 4), (Positions{4, 2, 1, 3}));
}

TEST(ResultOrder, FilesOfOneDayEndWhereThePartitioningLeavesThem) {
    EXPECT_EQ(positionsByKey(Positions(5, day), 5), (Positions{4, 5, 3, 1, 2}));
}

TEST(ResultOrder, ManyEqualKeysFollowTheDescribedQuicksort) {
    // Folders at 0, many files of one day, a few of other days.
    Positions dates;
    for (int i = 0; i < 300; ++i) {
        dates.push_back(i % 7 == 0 ? 0 : i % 11 == 0 ? day - 1 : i % 13 == 0 ? day + 1 : day);
    }
    EXPECT_EQ(positionsByKey(dates, 300), describedOrder(dates));

    // Sizes: folders and empty files at 0, most files at 1 KB.
    Positions sizes;
    for (int i = 0; i < 257; ++i) {
        sizes.push_back(i % 3 == 0 ? 0 : i % 17 == 0 ? 40 : 1);
    }
    const Positions order = positionsByKey(sizes, 257);
    EXPECT_EQ(order, describedOrder(sizes));
    // Every position once, in key order.
    for (std::size_t i = 1; i < order.size(); ++i) {
        EXPECT_LE(sizes[order[i - 1] - 1], sizes[order[i] - 1]);
    }
    Positions all = order;
    std::sort(all.begin(), all.end());
    Positions expected(257);
    std::iota(expected.begin(), expected.end(), 1);
    EXPECT_EQ(all, expected);
}

TEST(ResultOrder, OnlyTheFirstCountKeysAreOrdered) {
    EXPECT_EQ(positionsByKey({7, 2, 9, 1}, 2), (Positions{2, 1}));
    EXPECT_EQ(positionsByKey({7, 2}, 0), Positions{});
    EXPECT_EQ(positionsByKey({7}, 1), Positions{1});
}

TEST(ResultOrder, AnOrderIsComputedOnceUntilItIsMarkedNotBuilt) {
    Positions keys{3, 1, 2};
    Positions order;
    bool built = false;
    EXPECT_EQ(builtOrder(order, built, keys, 3), (Positions{2, 3, 1}));
    EXPECT_TRUE(built);
    keys = {1, 2, 3};
    EXPECT_EQ(builtOrder(order, built, keys, 3), (Positions{2, 3, 1}));
    built = false;
    EXPECT_EQ(builtOrder(order, built, keys, 3), (Positions{1, 2, 3}));
}
