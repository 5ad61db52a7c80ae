#include "names_model.h"

#include <cstdint>

namespace e2e {

namespace {

struct Entry {
    std::wstring name;
    bool folder = false;
    std::uint64_t size = 0;
    FILETIME written{};
};

std::vector<Entry> entriesOf(const std::wstring& level) {
    std::vector<Entry> entries;
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((level + L"*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) {
        return entries;
    }
    do {
        const std::wstring name = data.cFileName;
        if (name == L"." || name == L"..") {
            continue;
        }
        entries.push_back(Entry{name, (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                                (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow,
                                data.ftLastWriteTime});
    } while (FindNextFileW(find, &data));
    FindClose(find);
    return entries;
}

int utf8Length(const std::wstring& text) {
    return WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                               nullptr, nullptr);
}

bool contains(const std::wstring& text, const std::wstring& part) {
    return text.find(part) != std::wstring::npos;
}

// The last name of a path without and with its extension; a period counts only in that name.
std::wstring baseOf(const std::wstring& name) {
    const size_t period = name.rfind(L'.');
    return period == std::wstring::npos ? name : name.substr(0, period);
}
std::wstring extensionOf(const std::wstring& name) {
    const size_t period = name.rfind(L'.');
    return period == std::wstring::npos ? std::wstring() : name.substr(period);
}

// The second field from the end of a path cut at every "\".
std::wstring secondLastField(const std::wstring& path) {
    const size_t end = path.rfind(L'\\');
    if (end == std::wstring::npos || end == 0) {
        return std::wstring();
    }
    const size_t before = path.rfind(L'\\', end - 1);
    const size_t start = before == std::wstring::npos ? 0 : before + 1;
    return path.substr(start, end - start);
}

std::wstring trimmed(const std::wstring& text) {
    const size_t first = text.find_first_not_of(L' ');
    const size_t last = text.find_last_not_of(L' ');
    return first == std::wstring::npos ? std::wstring() : text.substr(first, last - first + 1);
}

bool matches(const ExpectedSearch& search, const std::wstring& name, const std::wstring& path) {
    const std::wstring text = lowered(search.findText);
    const size_t op = text.find_first_of(L"*|");
    if (op != std::wstring::npos) {
        const bool first = contains(path, trimmed(text.substr(0, op)));
        const bool second = contains(path, trimmed(text.substr(op + 1)));
        return text[op] == L'*' ? first && second : first || second;
    }
    if (search.exactName) {
        return (baseOf(name) == baseOf(text) && extensionOf(name) == extensionOf(text)) ||
               contains(L"\\" + path + L"\\", L"\\" + text + L"\\");
    }
    return contains(name, text) || contains(secondLastField(path), text);
}

std::wstring twoDigits(int value) {
    return (value < 10 ? L"0" : L"") + std::to_wstring(value);
}

ExpectedLine fileLine(const std::wstring& line, const Entry& entry, const ExpectedSearch& search) {
    ExpectedLine expected{line};
    if (search.sizes) {
        const std::uint64_t kilobytes = (entry.size + 512) / 1024;
        expected.sizeKey = static_cast<int>(kilobytes == 0 ? 1 : kilobytes);
        expected.line += L", " + std::to_wstring(expected.sizeKey) + L" KB";
    }
    if (search.dates) {
        SYSTEMTIME utc{};
        FileTimeToSystemTime(&entry.written, &utc);
        expected.line += L", " + twoDigits(utc.wMonth) + L"/" + twoDigits(utc.wDay) + L"/" +
                         std::to_wstring(utc.wYear);
        expected.dateKey = utc.wYear * 10000 + utc.wMonth * 100 + utc.wDay;
    }
    return expected;
}

void walk(const std::wstring& level, const std::wstring& shownLevel, const ExpectedSearch& search,
          std::vector<ExpectedLine>& lines, std::vector<std::wstring>& folders) {
    const std::wstring lowerLevel = lowered(shownLevel);
    for (const Entry& entry : entriesOf(level)) {
        const std::wstring name = lowered(entry.name);
        const std::wstring path = lowerLevel + name + (entry.folder ? L"\\" : L"");
        const bool found = matches(search, name, path);
        if (entry.folder) {
            folders.push_back(path);
            if (found) {
                lines.push_back(ExpectedLine{path});
            }
            walk(level + entry.name + L"\\", path, search, lines, folders);
        } else if (found) {
            lines.push_back(fileLine(shownLevel + name, entry, search));
        }
    }
}

} // namespace

std::wstring lowered(std::wstring text) {
    // Character by character (a pair of surrogates is one), and one whose lower-case form takes
    // another number of UTF-8 bytes stays as it is, as the program keeps it.
    for (size_t at = 0; at < text.size();) {
        const size_t units = IS_HIGH_SURROGATE(text[at]) && at + 1 < text.size() ? 2 : 1;
        std::wstring character = text.substr(at, units);
        const std::wstring original = character;
        CharLowerBuffW(&character[0], static_cast<DWORD>(units));
        if (utf8Length(character) == utf8Length(original)) {
            text.replace(at, units, character);
        }
        at += units;
    }
    return text;
}

std::vector<ExpectedLine> expectedLines(const std::wstring& folder, const ExpectedSearch& search) {
    std::vector<ExpectedLine> lines;
    std::vector<std::wstring> folders;
    walk(folder, folder, search, lines, folders);
    return lines;
}

std::vector<std::wstring> expectedTrackedFolders(const std::wstring& folder) {
    std::vector<ExpectedLine> lines;
    std::vector<std::wstring> folders;
    walk(folder, folder, ExpectedSearch{L"\x1F"}, lines, folders);
    return folders;
}

} // namespace e2e
