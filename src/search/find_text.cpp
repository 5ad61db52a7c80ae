#include "search/find_text.h"

#include "search/name_match.h"
#include "winlayer/text.h"

namespace search {

namespace {

const std::string operators = "*|";

bool contains(const std::string& s, const std::string& t) {
    return winlayer::findSubstring(1, s, t) > 0;
}

std::string trimSpaces(const std::string& s) {
    return winlayer::trimRightSpaces(winlayer::trimLeftSpaces(s));
}

} // namespace

FindTextVerdict parseFindText(const std::string& rawText) {
    FindTextVerdict verdict;
    NameFilter& filter = verdict.filter;
    filter.text = winlayer::lowerCase(rawText);
    const std::string& text = filter.text;

    if (text.empty()) {
        verdict.kind = FindTextVerdict::Kind::Empty;
        return verdict;
    }
    // The path test comes before the operator test: «a\b*c» is a path, not a filter.
    if (contains(text, "\\")) {
        verdict.kind = FindTextVerdict::Kind::PathRejected;
        verdict.replacement = winlayer::fieldOf(text, "\\", -1);
        return verdict;
    }

    const NameParts parts = splitName(text);
    filter.exactBase = parts.base;
    filter.exactExt = parts.ext;

    const bool hasAnd = contains(text, "*");
    const bool hasOr = contains(text, "|");
    if (!hasAnd && !hasOr) {
        verdict.kind = FindTextVerdict::Kind::Accepted;
        return verdict;
    }

    // "Part of name" is forced even when the operator text is then refused.
    verdict.forcePartOfName = true;
    const int at = winlayer::findAnyChar(1, text, operators);
    filter.term1 = trimSpaces(winlayer::midText(text, 1, at - 1));
    filter.term2 = trimSpaces(winlayer::midText(text, at + 1, winlayer::wholeRest));
    if (filter.term1.empty() || filter.term2.empty() ||
        winlayer::findAnyChar(1, filter.term2, operators) > 0) {
        verdict.kind = FindTextVerdict::Kind::FilterRejected;
        return verdict;
    }

    verdict.kind = FindTextVerdict::Kind::Accepted;
    filter.op = hasAnd ? FilterOp::And : FilterOp::Or;
    return verdict;
}

void buildSearchRequest(SearchRequest& request, const QueryChoices& choices,
                        const NameFilter& filter) {
    request.findText = filter.text;
    request.filter = filter;
    // An operator always means a part-of-name search, whatever the radio pair was left showing.
    request.matchMode = filter.op == FilterOp::None ? choices.matchMode : MatchMode::PartOfName;
    request.wantFiles = choices.wantFiles;
    request.wantFolders = choices.wantFolders;
    request.showSizes = choices.showSizes;
    request.showDates = choices.showDates;
    request.trackFolders = choices.trackFolders;
}

} // namespace search
