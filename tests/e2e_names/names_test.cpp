// Names in every script: the program with its manifest (UTF-8 code page, whatever the locale)
// and a build without it in the double-byte code pages, whose characters have "\" and "|" as
// second bytes. Every list line is read back as UTF-16 and compared with what the test's own
// UTF-16 enumeration of the tree expects.
#include "names_model.h"
#include "open_fixture.h"
#include "search_driver.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "winlayer/sort_with_tags.h"

namespace e2e {
namespace {

using Lines = std::vector<std::wstring>;

Lines linesOf(const std::vector<ExpectedLine>& expected) {
    Lines lines;
    for (const ExpectedLine& line : expected) {
        lines.push_back(line.line);
    }
    return lines;
}

// The order "By size" or "By date" gives: the program's quicksort on the keys.
Lines sortedBy(const std::vector<ExpectedLine>& found, int ExpectedLine::*key) {
    std::vector<std::int32_t> keys;
    std::vector<std::int32_t> tags;
    for (const ExpectedLine& line : found) {
        keys.push_back(line.*key);
        tags.push_back(static_cast<std::int32_t>(tags.size()) + 1);
    }
    winlayer::sortWithTags(keys, tags, static_cast<int>(found.size()), false);
    Lines ordered;
    for (std::int32_t tag : tags) {
        ordered.push_back(found[static_cast<size_t>(tag) - 1].line);
    }
    return ordered;
}

// A tree of the given relative file paths; each file gets its own size and day, so that the
// size and date orders are predictable.
struct NamesTree {
    TempFolder root;
    std::wstring folder;
    explicit NamesTree(const Lines& files) {
        folder = root.makeFolder(L"Names");
        WORD day = 28;
        DWORD size = 512;
        for (const std::wstring& file : files) {
            const std::wstring path = root.makeFile(L"Names\\" + file, size);
            setLastWriteUtc(path, 2021, 2, day, 12, 0);
            day = static_cast<WORD>(day - 1);
            size += 1024 * 3;
        }
    }
};

// Every search of the table lists exactly what the model expects; the first one is also run
// with sizes and dates, sorted both ways and tracked.
void checkSearches(const NamesTree& tree, const std::vector<ExpectedSearch>& searches,
                   UINT programCodePage) {
    Session session;
    ASSERT_NE(session.dialog(), nullptr);
    const std::wstring entry = tree.folder + L"\\";
    ASSERT_EQ(useSearchFolders(session, {tree.folder}), (Lines{entry}));
    for (const ExpectedSearch& wanted : searches) {
        SCOPED_TRACE(testing::Message() << "Find text of " << wanted.findText.size()
                                        << " UTF-16 units: " << narrow(wanted.findText, CP_UTF8)
                                        << (wanted.exactName ? " (exact name)" : ""));
        SearchSetup setup;
        setup.findText = wanted.findText;
        setup.exactName = wanted.exactName;
        const Lines expected = linesOf(expectedLines(entry, wanted));
        ASSERT_FALSE(expected.empty());
        const ResultsView shown = search(session, setup);
        EXPECT_EQ(shown.lines, expected);
        EXPECT_EQ(shown.count, L" " + std::to_wstring(expected.size()) + L" items found");
    }

    ExpectedSearch wanted = searches.front();
    wanted.sizes = true;
    wanted.dates = true;
    const std::vector<ExpectedLine> found = expectedLines(entry, wanted);
    SearchSetup setup;
    setup.findText = wanted.findText;
    setup.sizes = true;
    setup.dates = true;
    setup.track = true;
    ASSERT_TRUE(applySetup(session.dialog(), setup));
    HWND window = begin(session);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(waitDone(window));
    EXPECT_EQ(listItems(window, results::list), linesOf(found));
    // Wine picks the fonts that stand in for glyphs the list's font lacks by the process's code
    // page: a test in another double-byte code page than the program's measures with others.
    if (GetACP() == programCodePage || GetACP() == 1252) {
        EXPECT_EQ(horizontalExtent(window), extentFor(linesOf(found)));
    }
    ASSERT_TRUE(clickAndReturn(window, results::bySize));
    EXPECT_EQ(listItems(window, results::list), sortedBy(found, &ExpectedLine::sizeKey));
    ASSERT_TRUE(clickAndReturn(window, results::byDate));
    EXPECT_EQ(listItems(window, results::list), sortedBy(found, &ExpectedLine::dateKey));
    ASSERT_TRUE(exitResults(window, session.dialog()));

    // The log holds the folders in the program's code page.
    std::string log = "Tracked folders which were read\r\n";
    for (const std::wstring& folder : expectedTrackedFolders(entry)) {
        log += narrow(folder, programCodePage) + "\r\n";
    }
    EXPECT_EQ(readFile(session.folder().path() + L"\\trackingLog.txt"), log);
}

// Japanese with "\" (so, table, ability) and "|" (po) as second bytes in code page 932,
// Chinese, Korean, Greek and Cyrillic in both cases, accented Latin in both cases, an emoji, and
// a letter that the program keeps in upper case.
const Lines everyScript = {
    L"\x8868\\inner.txt",
    L"\x30BD\x8868\x80FD\x30DD\\\x30BD\x30D5\x30C8.txt",
    L"\x30BD\x8868\x80FD\x30DD\\\x0395\x03BB\x03BB\x03B7\x03BD\x03B9\x03BA\x03AC.TXT",
    L"\x30DD\\\x80FD.txt",
    L"\x4E2D\x6587\x6587\x4EF6.txt",
    L"\xD55C\xAD6D\xC5B4 \xD30C\xC77C.txt",
    L"\x041F\x0440\x0438\x0432\x0435\x0442 \x041C\x0438\x0440.doc",
    L"\x00C9\x0043\x004F\x004C\x0045 \x00E9\x0063\x006F\x006C\x0065.txt",
    L"smile\xD83D\xDE00.txt",
    L"plain.txt",
    // A with stroke: its lower-case form takes three UTF-8 bytes instead of two.
    L"\x023AXY.txt",
};

TEST(Utf8Names, EveryScriptIsFoundListedSortedAndTracked) {
    const NamesTree tree(everyScript);
    const std::vector<ExpectedSearch> searches = {
        {L"\x30BD"},             // so
        {L"\x8868"},             // table
        {L"\x80FD"},             // ability
        {L"\x30DD"},             // po
        {L"inner"},              // inside the folder "table"
        {L"\x03B5\x03BB\x03BB"}, // Greek, typed in lower case
        {L"\x041F\x0420\x0418"}, // Cyrillic, typed in upper case
        {L"\x00E9\x0063\x006F"}, // accented Latin, either case in the name
        {L"\xD83D\xDE00"},       // the emoji
        {L"\xD55C\xAD6D"},       // Korean
        {L"\x6587\x4EF6"},       // Chinese
        {L"\x00C9\x0043\x004F\x004C\x0045 \x00C9\x0043\x004F\x004C\x0045.TXT", true},
        {L"\x8868", true},
        {L"\x30BD * \x80FD"},
        {L"\xD55C\xAD6D|\xD83D\xDE00"},
        {L"\x30DD | \x043F\x0440\x0438"},
        {L"\x023Axy"},
    };
    checkSearches(tree, searches, CP_UTF8);
}

// Characters of the double-byte code page the test runs in: the first has "\" as its second
// byte (or, in code page 949, which has none such, "A"), the second "|" (or "a").
struct LegacyCase {
    UINT codePage;
    std::wstring first;
    std::wstring second;
};

const std::vector<LegacyCase> legacyCases = {
    {932, L"\x30BD\x8868", L"\x30DD"}, // so and table; po
    {936, L"\x4E57", L"\x4E85"},
    {949, L"\xAC02", L"\xAC35"},
    {950, L"\x8A31\x529F", L"\x541C"}, // "to allow", "merit"
};

TEST(LegacyNames, DoubleByteNamesWithSignBytesAreAcceptedFoundAndListed) {
    const UINT codePage = GetACP();
    const LegacyCase* row = nullptr;
    for (const LegacyCase& candidate : legacyCases) {
        if (candidate.codePage == codePage) {
            row = &candidate;
        }
    }
    ASSERT_NE(row, nullptr) << "the ANSI code page is " << codePage
                            << ", not a double-byte one (is the locale generated?)";
    const std::wstring& a = row->first;
    const std::wstring& b = row->second;
    const NamesTree tree({a + L"\\inner.txt", a + L"\\" + b + L".txt", b + L"\\" + a + b + L".txt",
                          a + L"a.txt", L"x" + b + L".doc", L"plain.txt"});
    const std::vector<ExpectedSearch> searches = {
        {a},       {b}, {L"inner"}, {L"a"}, {a + L"|" + b}, {a + L" * " + b}, {a + L"A.TXT", true},
        {b, true},
    };
    checkSearches(tree, searches, codePage);
}

// The file explorer gets the selected line in the program's code page: whole characters, so the
// explorer's UTF-16 command line holds the name exactly.
class Utf8Open : public OpenFixture {};

TEST_F(Utf8Open, TheExplorerCommandCarriesTheNameWhole) {
    const NamesTree tree({L"\x30BD\x8868\\\x0395\x03BB\x03BB\x03B7\x03BD\x03B9\x03BA\x03AC "
                          L"\x30DD\x80FD smile\xD83D\xDE00.txt"});
    Session session(L"", SW_SHOWNORMAL, program());
    ASSERT_NE(session.dialog(), nullptr);
    const std::wstring entry = tree.folder + L"\\";
    ASSERT_EQ(useSearchFolders(session, {tree.folder}), (Lines{entry}));
    const ExpectedSearch wanted{L"\xD83D\xDE00", false, true, true};
    SearchSetup setup;
    setup.findText = wanted.findText;
    setup.sizes = true;
    setup.dates = true;
    ASSERT_TRUE(applySetup(session.dialog(), setup));
    HWND window = beginAndWait(session);
    ASSERT_NE(window, nullptr);
    const Lines expected = linesOf(expectedLines(entry, wanted));
    ASSERT_EQ(listItems(window, results::list), expected);
    ASSERT_TRUE(clickListItem(control(window, results::list), 0, 2));
    ASSERT_TRUE(waitForCalls(session, 1));
    EXPECT_EQ(explorerCalls(session), Lines{explorerCommand(expected[0])});
}

} // namespace
} // namespace e2e
