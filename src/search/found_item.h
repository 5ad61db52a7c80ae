#pragma once

// A match as the results list shows it: its line and the keys it can be reordered by.

#include <cstdint>
#include <string>

#include "search/search_request.h"

namespace search {

struct FoundItem {
    std::string line;
    std::int32_t sizeKey = 0; // kilobytes as shown in the line, else 0
    std::int32_t dateKey = 0; // year * 10000 + month * 100 + day as shown in the line, else 0
};

// What the walk copies from WIN32_FIND_DATAA, so that this code needs no Windows headers.
struct FindRecord {
    std::uint32_t sizeHigh = 0;
    std::uint32_t sizeLow = 0;
    std::uint64_t lastWriteTime = 0; // 100-nanosecond intervals since 1 January 1601, UTC
};

// folderText: the folder's lower-cased full path ending in "\".
FoundItem makeFolderItem(const std::string& folderText);

// levelPath ends in "\"; entryName is lower-cased. Reads showSizes and showDates.
FoundItem makeFileItem(const std::string& levelPath, const std::string& entryName,
                       const FindRecord& record, const SearchRequest& request);

// Size in kilobytes, halves rounded up, never below 1.
std::int32_t kilobytes(std::uint32_t sizeLow);

struct DateText {
    std::string text; // "MM/DD/YYYY", the UTC date
    std::int32_t dateKey = 0;
};

DateText formatDateText(std::uint64_t lastWriteTime);

// " 12 items found".
std::string countText(std::int32_t n);

} // namespace search
