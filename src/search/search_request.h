#pragma once

// The search as the user set it up: the Find text and its parsed filter, the match mode, the
// check boxes and the two folder lists.

#include <string>
#include <vector>

namespace search {

enum class MatchMode { PartOfName, ExactName };

enum class FilterOp { None, And, Or };

struct NameFilter {
    FilterOp op = FilterOp::None;
    std::string text;  // the whole lower-cased Find text; the needle when op is None
    std::string term1; // with an operator: the part before it, spaces trimmed
    std::string term2; // with an operator: the part after it, spaces trimmed
    std::string exactBase;
    std::string exactExt; // with its period; empty when there is none
};

constexpr int MaxFolders = 32;

struct SearchRequest {
    std::string findText; // lower-cased, not trimmed
    NameFilter filter;
    MatchMode matchMode = MatchMode::PartOfName;
    bool wantFiles = false;
    bool wantFolders = false;
    bool showSizes = false;
    bool showDates = false;
    bool trackFolders = false;
    // Each entry ends in exactly one "\"; search folders keep the letter case they were chosen
    // in, except folders are lower-cased. At most MaxFolders entries each.
    std::vector<std::string> searchFolders;
    std::vector<std::string> exceptFolders;
};

// The program's one request: the query dialog edits its folder lists in place and fills the
// rest at "&Begin"; the walk reads it.
extern SearchRequest searchRequest;

} // namespace search
