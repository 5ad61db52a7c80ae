#include "winlayer/lower_case.h"

#include "winlayer/char_steps.h"

namespace winlayer {

std::string lowerCase(const std::string& s) {
    std::string lowered(s);
    lowerCaseInPlace(lowered);
    return lowered;
}

// Away from Windows the program's strings are taken to be in code page 1252; in another code
// page only the ASCII letters are lowered, each at a character start, so that the second byte
// of a double-byte character is never taken for a letter.
void lowerCaseInPlace(std::string& s) {
    const int codePage = textCodePage();
    if (codePage == 1252) {
        s = lowerCaseCp1252(s);
        return;
    }
    for (std::size_t at = 0; at < s.size(); at += charLengthAt(codePage, s, at)) {
        if (s[at] >= 'A' && s[at] <= 'Z') {
            s[at] = static_cast<char>(s[at] + ('a' - 'A'));
        }
    }
}

} // namespace winlayer
