#include "winlayer/lower_case.h"

namespace winlayer {

// Away from Windows the program's strings are taken to be in code page 1252.
std::string lowerCase(const std::string& s) {
    return lowerCaseCp1252(s);
}

} // namespace winlayer
