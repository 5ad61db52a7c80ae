#include "winlayer/error_text.h"

#include <gtest/gtest.h>

using namespace winlayer;

TEST(ErrorText, TableAndGaps) {
    EXPECT_EQ(errorText(0), "No Error");
    EXPECT_EQ(errorText(53), "File not found");
    EXPECT_EQ(errorText(9), "Subscript/Pointer out of range");
    EXPECT_EQ(errorText(242), "String space corrupt");
    EXPECT_EQ(errorText(100), "");
    EXPECT_EQ(errorText(-1), "");
}

TEST(ErrorText, EveryMappedNumberHasAText) {
    for (unsigned long code = 0; code < 200; ++code) {
        EXPECT_NE(errorText(errorNumberFromWindowsCode(code)), "") << code;
    }
}

TEST(ErrorText, WindowsCodes) {
    const struct {
        unsigned long code;
        int number;
    } cases[] = {{0, 0},   {2, 53},   {18, 53},          {3, 76},  {4, 67},   {5, 70},  {36, 70},
                 {6, 57},  {8, 7},    {14, 7},           {11, 51}, {24, 51},  {15, 68}, {20, 68},
                 {17, 74}, {21, 71},  {23, 72},          {25, 72}, {31, 72},  {35, 72}, {38, 62},
                 {39, 61}, {112, 61}, {87, 5},           {7, 241}, {10, 241}, {1, 75},  {16, 75},
                 {37, 75}, {183, 75}, {0xFFFFFFFFUL, 75}};
    for (const auto& c : cases) {
        EXPECT_EQ(errorNumberFromWindowsCode(c.code), c.number) << c.code;
    }
    EXPECT_TRUE(isFatalError(errorNumberFromWindowsCode(9)));
    EXPECT_FALSE(isFatalError(errorNumberFromWindowsCode(5)));
}
