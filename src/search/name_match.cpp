#include "search/name_match.h"

#include "winlayer/char_steps.h"
#include "winlayer/text.h"

namespace search {

namespace {

bool contains(const std::string& s, const std::string& t) {
    return winlayer::findSubstring(1, s, t) > 0;
}

bool exactNameMatches(const SearchRequest& request, const std::string& entryName,
                      const std::string& entryPath) {
    const NameFilter& filter = request.filter;
    if (request.wantFiles) {
        const NameParts parts = splitName(entryName);
        if (winlayer::sameText(parts.base, filter.exactBase) &&
            winlayer::sameText(parts.ext, filter.exactExt)) {
            return true;
        }
    }
    // The Find text must be one whole component of the path: drive, any folder, or the name.
    return request.wantFolders && contains("\\" + entryPath + "\\", "\\" + filter.text + "\\");
}

// Whether the second field from the end of path, cut at every "\", contains needle: what
// contains(fieldOf(path, "\\", -2), needle) answers, found in place without building the
// field, since the walk asks it for every entry.
bool secondLastFieldContains(const std::string& path, const std::string& needle) {
    // There a "\" byte may be the second byte of a character; in UTF-8 no byte of a multi-byte
    // character is below 0x80, and whole characters match only whole characters.
    if (winlayer::doubleByteCodePage(winlayer::textCodePage())) {
        return contains(winlayer::fieldOf(path, "\\", -2), needle);
    }
    const std::size_t end = path.rfind('\\');
    if (end == std::string::npos || end == 0) {
        return false; // no field before the last one, or an empty one
    }
    const std::size_t before = path.rfind('\\', end - 1);
    const std::size_t start = before == std::string::npos ? 0 : before + 1;
    if (start == end) {
        return false; // an empty field contains nothing, not even the empty text
    }
    const std::size_t at = path.find(needle, start);
    return at != std::string::npos && at + needle.size() <= end;
}

bool partOfNameMatches(const SearchRequest& request, const std::string& entryName,
                       const std::string& entryPath) {
    const std::string& needle = request.filter.text;
    if (request.wantFiles && contains(entryName, needle)) {
        return true;
    }
    // Second field from the end: a folder's own name (its path ends in "\"), the folder holding
    // a file, or the drive for a file in a drive's root.
    return request.wantFolders && secondLastFieldContains(entryPath, needle);
}

bool termsMatch(const NameFilter& filter, const std::string& entryPath) {
    const bool first = contains(entryPath, filter.term1);
    const bool second = contains(entryPath, filter.term2);
    return filter.op == FilterOp::And ? first && second : first || second;
}

} // namespace

// pathPart already answers with empty parts for a text longer than a path can be.
NameParts splitName(const std::string& text) {
    return NameParts{winlayer::pathPart(winlayer::PathBaseName, text),
                     winlayer::pathPart(winlayer::PathExtension, text)};
}

bool entryMatches(const SearchRequest& request, const std::string& entryName,
                  const std::string& entryPath) {
    if (request.matchMode == MatchMode::ExactName) {
        return exactNameMatches(request, entryName, entryPath);
    }
    if (request.filter.op == FilterOp::None) {
        return partOfNameMatches(request, entryName, entryPath);
    }
    return termsMatch(request.filter, entryPath);
}

} // namespace search
