#include "search/found_item.h"

#include "winlayer/numbers.h"

namespace search {

namespace {

constexpr std::uint64_t intervalsPerDay = 864000000000ULL;
constexpr std::int64_t julianDayOf1601 = 2305814;

struct CalendarDate {
    std::int64_t year;
    std::int64_t month;
    std::int64_t day;
};

// Fliegel and Van Flandern: Julian Day Number to Gregorian date, all divisions truncating.
CalendarDate gregorianDate(std::int64_t jdn) {
    const std::int64_t a = jdn + 32044;
    const std::int64_t b = (4 * a + 3) / 146097;
    const std::int64_t c = a - (146097 * b) / 4;
    const std::int64_t d = (4 * c + 3) / 1461;
    const std::int64_t e = c - (1461 * d) / 4;
    const std::int64_t m = (5 * e + 2) / 153;
    return CalendarDate{100 * b + d - 4800 + m / 10, m + 3 - 12 * (m / 10),
                        e - (153 * m + 2) / 5 + 1};
}

} // namespace

FoundItem makeFolderItem(const std::string& folderText) {
    return FoundItem{folderText, 0, 0};
}

FoundItem makeFileItem(const std::string& levelPath, const std::string& entryName,
                       const FindRecord& record, const SearchRequest& request) {
    FoundItem item{levelPath + entryName, 0, 0};
    // The size field holds only the low 32 bits; a file of 4 GiB or more shows no size.
    if (request.showSizes && record.sizeHigh == 0) {
        item.sizeKey = kilobytes(record.sizeLow);
        item.line += "," + winlayer::numberText(item.sizeKey) + " KB";
    }
    if (request.showDates) {
        const DateText date = formatDateText(record.lastWriteTime);
        item.line += ", " + date.text;
        item.dateKey = date.dateKey;
    }
    return item;
}

std::int32_t kilobytes(std::uint32_t sizeLow) {
    std::uint32_t q = sizeLow / 1024;
    if (sizeLow % 1024 >= 512) {
        ++q;
    }
    return winlayer::maxOf(static_cast<std::int32_t>(q), std::int32_t{1});
}

DateText formatDateText(std::uint64_t lastWriteTime) {
    const auto days = static_cast<std::int64_t>(lastWriteTime / intervalsPerDay);
    const CalendarDate date = gregorianDate(days + julianDayOf1601);
    DateText result;
    result.text = winlayer::zeroPadded(static_cast<int>(date.month), "00") + "/" +
                  winlayer::zeroPadded(static_cast<int>(date.day), "00") + "/" +
                  winlayer::zeroPadded(static_cast<int>(date.year), "0000");
    result.dateKey = static_cast<std::int32_t>(date.year * 10000 + date.month * 100 + date.day);
    return result;
}

std::string countText(std::int32_t n) {
    return winlayer::numberText(n) + " items found";
}

} // namespace search
