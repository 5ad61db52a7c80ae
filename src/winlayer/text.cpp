#include "winlayer/text.h"

#include <cstring>
#include <vector>

#include "winlayer/char_steps.h"

namespace winlayer {

namespace {

// Whether bytes at to at + size of s are whole characters. Always so in a single-byte code
// page; in a multi-byte one a match must not begin or end inside a character.
bool wholeCharacters(const std::string& s, std::size_t at, std::size_t size) {
    const int codePage = textCodePage();
    return singleByteCodePage(codePage) ||
           (isCharStart(codePage, s, at) && isCharStart(codePage, s, at + size));
}

bool occursAt(const std::string& s, std::size_t at, const std::string& t) {
    return at + t.size() <= s.size() && s.compare(at, t.size(), t) == 0 &&
           wholeCharacters(s, at, t.size());
}

// The first occurrence of t in s at or after from that is made of whole characters of s.
std::size_t findWhole(const std::string& s, const std::string& t, std::size_t from) {
    for (std::size_t at = s.find(t, from); at != std::string::npos; at = s.find(t, at + 1)) {
        if (wholeCharacters(s, at, t.size())) {
            return at;
        }
    }
    return std::string::npos;
}

// The last character start of s whose byte is one of set, npos when none.
std::size_t lastCharOf(const std::string& s, const char* set) {
    const int codePage = textCodePage();
    if (singleByteCodePage(codePage)) {
        return s.find_last_of(set);
    }
    std::size_t last = std::string::npos;
    for (std::size_t at = 0; at < s.size(); at += charLengthAt(codePage, s, at)) {
        if (s[at] != '\0' && std::strchr(set, s[at]) != nullptr) {
            last = at;
        }
    }
    return last;
}

int positionOf(std::size_t index) {
    return static_cast<int>(index) + 1;
}

} // namespace

int findSubstring(int start, const std::string& s, const std::string& t) {
    const long long length = static_cast<long long>(s.size());
    if (start == 0) {
        return 0;
    }
    if (start < 0) {
        const long long last = length + start + 1;
        if (last < 1) {
            return 0;
        }
        if (t.empty()) {
            return static_cast<int>(last);
        }
        for (long long at = last - 1; at >= 0; --at) {
            if (occursAt(s, static_cast<std::size_t>(at), t)) {
                return positionOf(static_cast<std::size_t>(at));
            }
        }
        return 0;
    }
    if (start > length) {
        return 0;
    }
    if (t.empty()) {
        return start;
    }
    const std::size_t at = findWhole(s, t, static_cast<std::size_t>(start - 1));
    return at == std::string::npos ? 0 : positionOf(at);
}

int findAnyChar(int start, const std::string& s, const std::string& set) {
    if (start < 1 || set.empty() || static_cast<std::size_t>(start) > s.size()) {
        return 0;
    }
    // find_first_of would take the set as a C string and stop at a NUL byte.
    const int codePage = textCodePage();
    const std::size_t from = static_cast<std::size_t>(start - 1);
    const bool single = singleByteCodePage(codePage);
    // A character that begins before from is stepped over whole.
    for (std::size_t at = single ? from : 0; at < s.size();
         at += single ? 1 : charLengthAt(codePage, s, at)) {
        if (at >= from && std::memchr(set.data(), s[at], set.size()) != nullptr) {
            return positionOf(at);
        }
    }
    return 0;
}

std::string midText(const std::string& s, int start, int length) {
    if (start < 1 || length < 1 || static_cast<std::size_t>(start) > s.size()) {
        return std::string();
    }
    return s.substr(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(length));
}

std::string trimLeftSpaces(const std::string& s) {
    const std::size_t first = s.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : s.substr(first);
}

std::string trimRightSpaces(const std::string& s) {
    std::size_t end = s.size();
    while (end > 0 && s[end - 1] == ' ' && wholeCharacters(s, end - 1, 1)) {
        --end;
    }
    return s.substr(0, end);
}

std::string trimTrailing(const std::string& s, const std::string& t) {
    if (t.empty()) {
        return s;
    }
    std::size_t end = s.size();
    while (end >= t.size() && s.compare(end - t.size(), t.size(), t) == 0 &&
           wholeCharacters(s, end - t.size(), t.size())) {
        end -= t.size();
    }
    return s.substr(0, end);
}

std::string fieldOf(const std::string& s, const std::string& d, int n) {
    if (n == 0) {
        return std::string();
    }
    // Start offsets of every field; a field ends where the next delimiter begins.
    std::vector<std::size_t> starts{0};
    if (!d.empty()) {
        for (std::size_t at = findWhole(s, d, 0); at != std::string::npos;
             at = findWhole(s, d, at + d.size())) {
            starts.push_back(at + d.size());
        }
    }
    const long long count = static_cast<long long>(starts.size());
    const long long index = n > 0 ? n - 1LL : count + n;
    if (index < 0 || index >= count) {
        return std::string();
    }
    const std::size_t from = starts[static_cast<std::size_t>(index)];
    const std::size_t to =
        index + 1 < count ? starts[static_cast<std::size_t>(index + 1)] - d.size() : s.size();
    return s.substr(from, to - from);
}

std::string pathPart(int part, const std::string& path) {
    if (path.size() > maxPathText) {
        return std::string();
    }
    const std::size_t separator = lastCharOf(path, "\\:");
    const std::size_t nameStart = separator == std::string::npos ? 0 : separator + 1;
    const std::size_t period = lastCharOf(path, ".");
    const std::size_t extStart =
        period != std::string::npos && period >= nameStart ? period : path.size();
    switch (part) {
    case PathExtension:
        return path.substr(extStart);
    case PathWhole:
        return path;
    case PathBaseName:
        return path.substr(nameStart, extStart - nameStart);
    case PathFileName:
        return path.substr(nameStart);
    case PathFolder:
        return path.substr(0, nameStart);
    default:
        return std::string();
    }
}

bool sameText(const std::string& s, const std::string& t) {
    return s.size() == t.size() && s.compare(t) == 0;
}

int compareText(const std::string& s, const std::string& t) {
    // std::string::compare goes through char_traits<char>, whose order is unsigned bytes.
    const int order = s.compare(t);
    return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

int lengthOf(const std::string& s) {
    return static_cast<int>(s.size());
}

} // namespace winlayer
