#pragma once

// The name test made for every entry the walk meets.

#include <string>

#include "search/search_request.h"

namespace search {

struct NameParts {
    std::string base;
    std::string ext; // with its period; empty when there is none
};

// Name and extension of the last name in text (separators "\" and ":"). A text longer than
// 260 characters gives two empty parts.
NameParts splitName(const std::string& text);

// entryName is the lower-cased name; entryPath the lower-cased folder path, the name, and for a
// folder one more "\". Whether a match is listed is the walk's decision.
bool entryMatches(const SearchRequest& request, const std::string& entryName,
                  const std::string& entryPath);

} // namespace search
