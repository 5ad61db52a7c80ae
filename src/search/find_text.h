#pragma once

// The Find text grammar: one plain fragment, or two terms joined by a single "*" (AND) or "|"
// (OR). A "\" anywhere makes it a path, which is refused.

#include <string>

#include "search/search_request.h"

namespace search {

struct FindTextVerdict {
    enum class Kind { Empty, PathRejected, FilterRejected, Accepted } kind = Kind::Empty;
    std::string replacement;      // PathRejected: the text after the last "\", for the Find box
    NameFilter filter;            // Accepted
    bool forcePartOfName = false; // the text holds an operator: "Part of name" must be checked
};

FindTextVerdict parseFindText(const std::string& rawText);

// The radio pair and the check boxes as the query dialog shows them at "&Begin".
struct QueryChoices {
    MatchMode matchMode = MatchMode::PartOfName;
    bool wantFiles = false;
    bool wantFolders = false;
    bool showSizes = false;
    bool showDates = false;
    bool trackFolders = false;
};

// Fills every field of request from an accepted filter and the choices, apart from the two
// folder lists, which the query dialog owns and keeps.
void buildSearchRequest(SearchRequest& request, const QueryChoices& choices,
                        const NameFilter& filter);

} // namespace search
