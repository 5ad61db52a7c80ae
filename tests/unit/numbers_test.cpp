#include "winlayer/numbers.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace winlayer;

TEST(NumberText, LeadingSpaceOrMinus) {
    EXPECT_EQ(numberText(5), " 5");
    EXPECT_EQ(numberText(0), " 0");
    EXPECT_EQ(numberText(-5), "-5");
    EXPECT_EQ(numberText(4194304), " 4194304");
    EXPECT_EQ(numberText(-2147483648LL), "-2147483648");
}

TEST(ZeroPadded, FillsTheMask) {
    EXPECT_EQ(zeroPadded(7, "00"), "07");
    EXPECT_EQ(zeroPadded(2024, "0000"), "2024");
    EXPECT_EQ(zeroPadded(0, "0000"), "0000");
    EXPECT_EQ(zeroPadded(12345, "0000"), "12345");
    EXPECT_EQ(zeroPadded(-7, "00"), "-07");
}

TEST(Arithmetic, RoundingAndEdges) {
    EXPECT_EQ(integerDivide(7, 2), 3);
    EXPECT_EQ(integerDivide(-7, 2), -3);
    EXPECT_EQ(integerDivide(2.5, 1), 2); // ties to even
    EXPECT_EQ(integerDivide(3.5, 1), 4);
    EXPECT_EQ(integerDivide(9, 2.5), 4); // 9 / 2
    EXPECT_EQ(integerDivide(5, 0.4), 0); // divisor rounds to 0
    EXPECT_EQ(integerDivide(NAN, 1), 0);
    EXPECT_EQ(floorOf(-1.5), -2);
    EXPECT_EQ(floorOf(1.999), 1);
    EXPECT_EQ(floorOf(INFINITY), 0);
    EXPECT_EQ(maxOf(0, 1), 1);
    EXPECT_EQ(maxOf(-3, -4), -3);
    EXPECT_EQ(bitSet(5, 0), 1);
    EXPECT_EQ(bitSet(5, 1), 0);
    EXPECT_EQ(bitSet(1ULL << 63, 63), 1);
    EXPECT_EQ(bitSet(~0ULL, 64), 0);
    EXPECT_EQ(bitSet(~0ULL, -1), 0);
}
