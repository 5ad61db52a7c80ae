// The byte-level text rules in the multi-byte code pages: signs are found, and text is cut,
// trimmed, split, matched and continued, only at character starts.
#include "winlayer/char_steps.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "results/print_layout.h"
#include "search/find_text.h"
#include "search/name_match.h"
#include "winlayer/text.h"

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

using namespace winlayer;

namespace {

class CharSteps : public testing::Test {
protected:
    void TearDown() override { useTextCodePage(0); }
};

// A double-byte character whose second byte is an ASCII sign or letter.
struct DoubleByteCase {
    int codePage;
    const char* character;
    char secondByte;
};

const std::vector<DoubleByteCase> doubleByteCases = {
    {932, "\x83\x5C", '\\'},                                                  // katakana so
    {932, "\x95\x5C", '\\'},                                                  // "table"
    {932, "\x94\x5C", '\\'},                                                  // "ability"
    {932, "\x83\x7C", '|'},                                                   // katakana po
    {932, "\x83\x61", 'a'},                                                   // katakana di
    {936, "\x81\x5C", '\\'}, {936, "\x81\x7C", '|'}, {950, "\xB3\x5C", '\\'}, // "to allow"
    {950, "\xCA\x7C", '|'},  {950, "\xA5\x61", 'a'}, {949, "\x81\x41", 'A'},  // hangul gakk
    {949, "\x81\x61", 'a'},
};

// One unit per byte: a prefix fits when it has no more bytes than the width.
double bytesWide(const std::string& text) {
    return static_cast<double>(text.size());
}

} // namespace

TEST_F(CharSteps, LeadBytesOfTheTableAgreeWithTheSystem) {
    for (const int codePage : {932, 936, 949, 950}) {
        int leads = 0;
        for (int b = 0; b < 256; ++b) {
            const auto byte = static_cast<unsigned char>(b);
            EXPECT_EQ(isLeadByte(codePage, byte), leadByteInTable(codePage, byte))
                << "code page " << codePage << ", byte " << b;
            leads += leadByteInTable(codePage, byte) ? 1 : 0;
        }
        EXPECT_EQ(leads, codePage == 932 ? 60 : 126) << "code page " << codePage;
    }
    for (int b = 0; b < 256; ++b) {
        EXPECT_FALSE(leadByteInTable(1252, static_cast<unsigned char>(b)));
        EXPECT_FALSE(isLeadByte(utf8CodePage, static_cast<unsigned char>(b)));
    }
}

TEST_F(CharSteps, SecondBytesAreNeverSignsOrLetters) {
    for (const DoubleByteCase& row : doubleByteCases) {
        useTextCodePage(row.codePage);
        const std::string c = row.character;
        const std::string sign(1, row.secondByte);
        SCOPED_TRACE(testing::Message()
                     << "code page " << row.codePage << ", second byte " << row.secondByte);
        EXPECT_EQ(charLengthAt(row.codePage, c, 0), 2u);
        EXPECT_FALSE(isCharStart(row.codePage, c + c, 1));
        EXPECT_TRUE(isCharStart(row.codePage, c + c, 2));
        // A lead byte at the end, without its second byte, is a character of its own.
        EXPECT_EQ(charLengthAt(row.codePage, c.substr(0, 1), 0), 1u);

        EXPECT_EQ(findSubstring(1, c, sign), 0);
        EXPECT_EQ(findSubstring(1, c + c + sign, sign), 5);
        EXPECT_EQ(findSubstring(-1, c + c, sign), 0);
        EXPECT_EQ(findAnyChar(1, c + "*" + c, "\\*|" + sign), 3);
        EXPECT_EQ(findAnyChar(2, c + c, sign), 0);
        EXPECT_EQ(trimTrailing(c, sign), c);
        EXPECT_EQ(trimTrailing(c + "\\\\", "\\"), c);
        EXPECT_EQ(fieldOf("x\\" + c + "\\" + c, "\\", -2), c);
        EXPECT_EQ(fieldOf(c + c, sign, 1), c + c);
        EXPECT_EQ(pathPart(PathFileName, "c:\\" + c + "." + c), c + "." + c);
        EXPECT_EQ(pathPart(PathBaseName, "c:\\" + c + "." + c), c);
        EXPECT_EQ(pathPart(PathFolder, "c:\\" + c), "c:\\");
        EXPECT_EQ(trimRightSpaces(c + "  "), c);
    }
}

TEST_F(CharSteps, FindTextAndMatchesKeepCharactersWhole) {
    for (const DoubleByteCase& row : doubleByteCases) {
        useTextCodePage(row.codePage);
        const std::string c = row.character;
        SCOPED_TRACE(testing::Message()
                     << "code page " << row.codePage << ", second byte " << row.secondByte);
#ifdef _WIN32
        const bool lowersHere = static_cast<int>(GetACP()) == row.codePage;
#else
        const bool lowersHere = true;
#endif
        // The Find text and the names are lowered in the system's code page; the end-to-end
        // tests run these rules in each double-byte code page under Wine.
        if (!lowersHere) {
            continue;
        }
        EXPECT_EQ(lowerCase(c + "AB" + c), c + "ab" + c);

        search::FindTextVerdict verdict = search::parseFindText(c);
        EXPECT_EQ(verdict.kind, search::FindTextVerdict::Kind::Accepted);
        EXPECT_EQ(verdict.filter.op, search::FilterOp::None);
        verdict = search::parseFindText(c + " | x" + c);
        ASSERT_EQ(verdict.kind, search::FindTextVerdict::Kind::Accepted);
        EXPECT_EQ(verdict.filter.op, search::FilterOp::Or);
        EXPECT_EQ(verdict.filter.term1, c);
        EXPECT_EQ(verdict.filter.term2, "x" + c);
        EXPECT_EQ(search::parseFindText(c + "\\x").kind,
                  search::FindTextVerdict::Kind::PathRejected);

        search::SearchRequest request;
        request.wantFiles = true;
        request.wantFolders = true;
        request.filter = search::parseFindText(c).filter;
        const std::string folder = "c:\\d" + c + "\\";
        EXPECT_TRUE(search::entryMatches(request, "d" + c, folder));
        EXPECT_TRUE(search::entryMatches(request, "x.txt", folder + "x.txt"));
        request.filter = search::parseFindText(std::string(1, row.secondByte) == "\\"
                                                   ? "x"
                                                   : std::string(1, row.secondByte))
                             .filter;
        EXPECT_FALSE(search::entryMatches(request, "d" + c, folder));
        EXPECT_FALSE(search::entryMatches(request, c + c, folder + c + c));
        request.matchMode = search::MatchMode::ExactName;
        request.filter = search::parseFindText("d" + c).filter;
        EXPECT_TRUE(search::entryMatches(request, "d" + c, folder));

        const std::vector<std::string> printed = results::printedLines(c + c + c, 3, bytesWide);
        EXPECT_EQ(printed, (std::vector<std::string>{c, "   " + c, "   " + c}));
    }
}

TEST_F(CharSteps, Utf8CharactersAreSteppedWholeAndCutOnlyBetween) {
    useTextCodePage(utf8CodePage);
    const std::string accented = "\xC3\xA9";      // e acute
    const std::string ideograph = "\xE8\xA1\xA8"; // "table"
    const std::string emoji = "\xF0\x9F\x98\x80"; // outside the basic plane
    const std::string text = "a" + accented + ideograph + emoji;
    std::vector<std::size_t> starts;
    for (std::size_t at = 0; at < text.size(); at += charLengthAt(utf8CodePage, text, at)) {
        starts.push_back(at);
    }
    EXPECT_EQ(starts, (std::vector<std::size_t>{0, 1, 3, 6}));
    EXPECT_EQ(charStartAtOrBefore(utf8CodePage, text, 8), 6u);
    // Bytes that are not a whole UTF-8 character count one by one.
    EXPECT_EQ(charLengthAt(utf8CodePage,
                           "\xC3"
                           "a",
                           0),
              1u);
    EXPECT_EQ(charLengthAt(utf8CodePage, "\xA9\xA9", 0), 1u);
    EXPECT_EQ(charLengthAt(utf8CodePage, "\xE8\xA1", 0), 1u);

    // Every cut of the printed line falls between characters, whatever the width.
    for (double width = 4; width <= 12; ++width) {
        std::string joined;
        for (const std::string& piece : results::printedLines(text + text, width, bytesWide)) {
            const std::string rest = joined.empty() ? piece : piece.substr(3);
            EXPECT_TRUE(isCharStart(utf8CodePage, text + text, joined.size())) << "width " << width;
            joined += rest;
        }
        EXPECT_EQ(joined, text + text) << "width " << width;
    }
    EXPECT_EQ(findSubstring(1, text, ideograph), 4);
    EXPECT_EQ(pathPart(PathExtension, "c:\\" + emoji + "." + accented), "." + accented);
}
