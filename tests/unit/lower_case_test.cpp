#include "winlayer/lower_case.h"

#include <gtest/gtest.h>

#include <string>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

using namespace winlayer;

TEST(LowerCase, Cp1252Table) {
    EXPECT_EQ(lowerCaseCp1252("ABC xyz 09\\:*|"), "abc xyz 09\\:*|");
    // Accented capitals and the four capitals of the 0x80 row; the multiplication sign, sharp s
    // and the unassigned bytes stay.
    EXPECT_EQ(lowerCaseCp1252("\xC0\xC9\xDE\x8A\x8C\x8E\x9F"), "\xE0\xE9\xFE\x9A\x9C\x9E\xFF");
    EXPECT_EQ(lowerCaseCp1252("\xD7\xDF\x81\x8D\x8F\x90\x9D\xB5"),
              "\xD7\xDF\x81\x8D\x8F\x90\x9D\xB5");
    EXPECT_EQ(lowerCaseCp1252(std::string("A\0B", 3)), std::string("a\0b", 3));
}

TEST(LowerCase, SystemAgreesWithCp1252OnEveryByte) {
#ifdef _WIN32
    if (GetACP() != 1252) {
        GTEST_SKIP() << "the ANSI code page is " << GetACP() << ", not 1252";
    }
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all.push_back(static_cast<char>(b));
    }
    const std::string system = lowerCase(all);
    const std::string table = lowerCaseCp1252(all);
    ASSERT_EQ(system.size(), 256u);
    for (int b = 0; b < 256; ++b) {
        EXPECT_EQ(static_cast<unsigned char>(system[b]), static_cast<unsigned char>(table[b]))
            << "byte " << b;
    }
    EXPECT_EQ(lowerCaseWide(L"\x00C9T\x00C9"), L"\x00E9t\x00E9");
#else
    GTEST_SKIP() << "lowerCase is the code-page-1252 table here";
#endif
}
