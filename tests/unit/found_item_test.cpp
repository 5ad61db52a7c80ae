#include "search/found_item.h"

#include <gtest/gtest.h>

#include <cstdint>

using namespace search;

namespace {

constexpr std::uint64_t intervalsPerSecond = 10000000ULL;
constexpr std::uint64_t intervalsPerDay = 86400 * intervalsPerSecond;
// 1 January 1970 00:00 UTC as a file time.
constexpr std::uint64_t unixEpoch = 116444736000000000ULL;
// 31 January 2020 00:00 UTC: 18292 days after 1 January 1970.
constexpr std::uint64_t jan31of2020 = unixEpoch + 18292 * intervalsPerDay;

SearchRequest showing(bool sizes, bool dates) {
    SearchRequest request;
    request.showSizes = sizes;
    request.showDates = dates;
    return request;
}

} // namespace

TEST(Kilobytes, HalvesRoundUpAndEmptyIsOne) {
    EXPECT_EQ(kilobytes(0), 1);
    EXPECT_EQ(kilobytes(511), 1);
    EXPECT_EQ(kilobytes(512), 1);
    EXPECT_EQ(kilobytes(1535), 1);
    EXPECT_EQ(kilobytes(1536), 2);
    EXPECT_EQ(kilobytes(2047), 2);
    EXPECT_EQ(kilobytes(4294967295U), 4194304);
}

TEST(FormatDateText, EpochAndDayBoundary) {
    const DateText epoch = formatDateText(0);
    EXPECT_EQ(epoch.text, "01/01/1601");
    EXPECT_EQ(epoch.dateKey, 16010101);

    const DateText lateEvening =
        formatDateText(jan31of2020 + (23 * 3600 + 1800) * intervalsPerSecond);
    EXPECT_EQ(lateEvening.text, "01/31/2020");
    EXPECT_EQ(lateEvening.dateKey, 20200131);
    EXPECT_EQ(formatDateText(jan31of2020 + intervalsPerDay - 1).text, "01/31/2020");
    EXPECT_EQ(formatDateText(jan31of2020 + intervalsPerDay).text, "02/01/2020");
    EXPECT_EQ(formatDateText(unixEpoch - 1).text, "12/31/1969");
    EXPECT_EQ(formatDateText(jan31of2020 + 29 * intervalsPerDay).text, "02/29/2020");
}

TEST(FormatDateText, LargestFileTimeStaysDefined) {
    const DateText last = formatDateText(UINT64_MAX);
    EXPECT_EQ(last.text.size(), 11u); // a five-digit year is written in full
    EXPECT_GT(last.dateKey, 600000000);
}

TEST(MakeItem, FolderLineIsThePathAlone) {
    const FoundItem folder = makeFolderItem("c:\\projects\\old\\");
    EXPECT_EQ(folder.line, "c:\\projects\\old\\");
    EXPECT_EQ(folder.sizeKey, 0);
    EXPECT_EQ(folder.dateKey, 0);
}

TEST(MakeItem, FileLineParts) {
    const FindRecord record{0, 12 * 1024, jan31of2020};
    const std::string level = "C:\\Projects\\old\\";
    const FoundItem both = makeFileItem(level, "notes.txt", record, showing(true, true));
    EXPECT_EQ(both.line, "C:\\Projects\\old\\notes.txt, 12 KB, 01/31/2020");
    EXPECT_EQ(both.sizeKey, 12);
    EXPECT_EQ(both.dateKey, 20200131);
    EXPECT_EQ(makeFileItem(level, "notes.txt", record, showing(false, true)).line,
              "C:\\Projects\\old\\notes.txt, 01/31/2020");
    EXPECT_EQ(makeFileItem(level, "notes.txt", record, showing(true, false)).line,
              "C:\\Projects\\old\\notes.txt, 12 KB");
    const FoundItem plain = makeFileItem(level, "notes.txt", record, showing(false, false));
    EXPECT_EQ(plain.line, "C:\\Projects\\old\\notes.txt");
    EXPECT_EQ(plain.sizeKey, 0);
    EXPECT_EQ(plain.dateKey, 0);
}

TEST(MakeItem, FourGibibytesAndMoreShowNoSize) {
    const FindRecord huge{1, 0, 0};
    const FoundItem item = makeFileItem("c:\\", "disk.img", huge, showing(true, true));
    EXPECT_EQ(item.line, "c:\\disk.img, 01/01/1601");
    EXPECT_EQ(item.sizeKey, 0);
}

TEST(CountText, NumberTextThenWords) {
    EXPECT_EQ(countText(1), " 1 items found");
    EXPECT_EQ(countText(12), " 12 items found");
    EXPECT_EQ(countText(0), " 0 items found");
}
