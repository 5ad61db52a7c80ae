#include "winlayer/sort_with_tags.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <vector>

using namespace winlayer;
using Keys = std::vector<std::int32_t>;

namespace {

Keys tagsFor(std::size_t count) {
    Keys tags(count);
    std::iota(tags.begin(), tags.end(), 1);
    return tags;
}

} // namespace

TEST(SortWithTags, EqualKeysEndWhereTheStepsLeaveThem) {
    Keys keys{5, 3, 5, 1};
    Keys tags = tagsFor(4);
    sortWithTags(keys, tags, 4, false);
    EXPECT_EQ(keys, (Keys{1, 3, 5, 5}));
    EXPECT_EQ(tags, (Keys{4, 2, 1, 3}));
}

TEST(SortWithTags, SmallCountsChangeNothing) {
    Keys keys{9, 1};
    Keys tags = tagsFor(2);
    sortWithTags(keys, tags, 1, false);
    sortWithTags(keys, tags, 0, false);
    sortWithTags(keys, tags, -4, false);
    EXPECT_EQ(keys, (Keys{9, 1}));
    EXPECT_EQ(tags, (Keys{1, 2}));
}

TEST(SortWithTags, CountBeyondTheArraysIsLimited) {
    Keys keys{3, 2, 1};
    Keys tags = tagsFor(2);
    sortWithTags(keys, tags, 10, false);
    EXPECT_EQ(keys, (Keys{2, 3, 1}));
    EXPECT_EQ(tags, (Keys{2, 1}));
}

TEST(SortWithTags, TagsFollowTheirKeysAndKeysAreUnsigned) {
    Keys keys;
    for (std::int32_t i = 0; i < 5000; ++i) {
        keys.push_back((i * 7919) % 613); // many duplicates
    }
    keys[17] = -1; // the largest key when compared unsigned
    const Keys original = keys;
    Keys tags = tagsFor(keys.size());
    sortWithTags(keys, tags, static_cast<int>(keys.size()), false);
    EXPECT_TRUE(std::is_sorted(keys.begin(), keys.end() - 1));
    EXPECT_EQ(keys.back(), -1);
    for (std::size_t i = 0; i < keys.size(); ++i) {
        EXPECT_EQ(original[static_cast<std::size_t>(tags[i] - 1)], keys[i]);
    }
    Keys sortedTags = tags;
    std::sort(sortedTags.begin(), sortedTags.end());
    EXPECT_EQ(sortedTags, tagsFor(keys.size()));

    sortWithTags(keys, tags, static_cast<int>(keys.size()), true);
    EXPECT_EQ(keys.front(), -1);
    EXPECT_TRUE(std::is_sorted(keys.begin() + 1, keys.end(), std::greater<std::int32_t>()));
}

TEST(SortWithTags, LongReversedListKeepsEveryTag) {
    const std::size_t count = 200000;
    Keys keys(count);
    for (std::size_t i = 0; i < count; ++i) {
        keys[i] = static_cast<std::int32_t>(count - i);
    }
    Keys tags = tagsFor(count);
    sortWithTags(keys, tags, static_cast<int>(count), false);
    EXPECT_EQ(keys, tagsFor(count));
    Keys reversed = tagsFor(count);
    std::reverse(reversed.begin(), reversed.end());
    EXPECT_EQ(tags, reversed);
}
