#include "winlayer/text.h"

#include <gtest/gtest.h>

#include <string>

using namespace winlayer;

TEST(FindSubstring, PositionsAndEdges) {
    EXPECT_EQ(findSubstring(1, "abc", ""), 1);
    EXPECT_EQ(findSubstring(1, "", "a"), 0);
    EXPECT_EQ(findSubstring(3, "abcabc", "abc"), 4);
    EXPECT_EQ(findSubstring(0, "abc", "a"), 0);
    EXPECT_EQ(findSubstring(4, "abc", "c"), 0);
    EXPECT_EQ(findSubstring(1, "abc", "abcd"), 0);
    EXPECT_EQ(findSubstring(1, "abc", "C"), 0);
}

TEST(FindSubstring, NegativeStartSearchesBackwards) {
    EXPECT_EQ(findSubstring(-1, "abcabc", "abc"), 4);
    EXPECT_EQ(findSubstring(-3, "abcabc", "abc"), 4);
    EXPECT_EQ(findSubstring(-4, "abcabc", "abc"), 1);
    EXPECT_EQ(findSubstring(-7, "abcabc", "a"), 0);
}

TEST(FindSubstring, BytesAreOpaque) {
    const std::string withNul("a\0b\xE9", 4);
    EXPECT_EQ(findSubstring(1, withNul, std::string("\0b", 2)), 2);
    EXPECT_EQ(findSubstring(1, withNul, "\xE9"), 4);
}

TEST(FindAnyChar, FindsFirstOfSet) {
    EXPECT_EQ(findAnyChar(1, "name*x", "*|"), 5);
    EXPECT_EQ(findAnyChar(6, "a|b*c", "*|"), 0);
    EXPECT_EQ(findAnyChar(3, "a|b*c", "*|"), 4);
    EXPECT_EQ(findAnyChar(1, "abc", ""), 0);
    EXPECT_EQ(findAnyChar(0, "*", "*"), 0);
    EXPECT_EQ(findAnyChar(1, std::string("a\0", 2), std::string("\0", 1)), 2);
}

TEST(MidText, RangeEdges) {
    EXPECT_EQ(midText("abcdef", 2, 3), "bcd");
    EXPECT_EQ(midText("abcdef", 4, wholeRest), "def");
    EXPECT_EQ(midText("abc", 0, 2), "");
    EXPECT_EQ(midText("abc", 4, 1), "");
    EXPECT_EQ(midText("abc", 1, 0), "");
    EXPECT_EQ(midText("abc", -2, 5), "");
}

TEST(Trim, OnlySpacesGo) {
    EXPECT_EQ(trimLeftSpaces("  a b  "), "a b  ");
    EXPECT_EQ(trimRightSpaces("  a b  "), "  a b");
    EXPECT_EQ(trimLeftSpaces("\t a"), "\t a");
    EXPECT_EQ(trimRightSpaces("a \t"), "a \t");
    EXPECT_EQ(trimLeftSpaces("   "), "");
    EXPECT_EQ(trimTrailing("C:\\", "\\"), "C:");
    EXPECT_EQ(trimTrailing("C:\\x\\\\\\", "\\"), "C:\\x");
    EXPECT_EQ(trimTrailing("ababab", "ab"), "");
    EXPECT_EQ(trimTrailing("aba", "ab"), "aba");
    EXPECT_EQ(trimTrailing("b", "ab"), "b");
}

TEST(FieldOf, CountsFromEitherEnd) {
    EXPECT_EQ(fieldOf("C:\\dir\\file.txt", "\\", -1), "file.txt");
    EXPECT_EQ(fieldOf("C:\\dir\\file.txt", "\\", -2), "dir");
    EXPECT_EQ(fieldOf("C:\\dir\\file.txt", "\\", 1), "C:");
    EXPECT_EQ(fieldOf("plain", "\\", -1), "plain");
    EXPECT_EQ(fieldOf("c:\\dir\\", "\\", -1), "");
    EXPECT_EQ(fieldOf("a--b--c", "--", 2), "b");
    EXPECT_EQ(fieldOf("a\\b", "\\", 3), "");
    EXPECT_EQ(fieldOf("a\\b", "\\", -3), "");
    EXPECT_EQ(fieldOf("a\\b", "\\", 0), "");
}

TEST(PathPart, AllParts) {
    EXPECT_EQ(pathPart(PathExtension, "C:\\a.b\\readme"), "");
    EXPECT_EQ(pathPart(PathBaseName, "C:\\x\\archive.tar.gz"), "archive.tar");
    EXPECT_EQ(pathPart(PathExtension, "C:\\x\\archive.tar.gz"), ".gz");
    EXPECT_EQ(pathPart(PathFolder, "C:\\x\\y.txt"), "C:\\x\\");
    EXPECT_EQ(pathPart(PathFileName, "C:\\x\\y.txt"), "y.txt");
    EXPECT_EQ(pathPart(PathWhole, "C:\\x\\y.txt"), "C:\\x\\y.txt");
    EXPECT_EQ(pathPart(PathBaseName, "c:y.txt"), "y");
    EXPECT_EQ(pathPart(7, "C:\\x\\y.txt"), "");
    const std::string tooLong(261, 'a');
    EXPECT_EQ(pathPart(PathWhole, tooLong), "");
    EXPECT_EQ(pathPart(PathWhole, tooLong.substr(1)), tooLong.substr(1));
}

TEST(SameText, EqualityAndOrder) {
    EXPECT_TRUE(sameText("abc", "abc"));
    EXPECT_FALSE(sameText("abc", "ABC"));
    EXPECT_FALSE(sameText(std::string("a\0", 2), "a"));
    EXPECT_LT(compareText("ab", "abc"), 0);
    EXPECT_GT(compareText("\xE9", "z"), 0);
    EXPECT_EQ(compareText("", ""), 0);
    EXPECT_EQ(lengthOf(std::string("a\0b", 3)), 3);
}
