#include "winlayer/char_steps.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace winlayer {

namespace {

// 0 until a test chooses a code page: the process's own (65001 under the manifest).
int chosenCodePage = 0;

} // namespace

int textCodePage() {
    return chosenCodePage != 0 ? chosenCodePage : static_cast<int>(GetACP());
}

void useTextCodePage(int codePage) {
    chosenCodePage = codePage;
}

bool isLeadByte(int codePage, unsigned char byte) {
    return codePage != utf8CodePage && IsDBCSLeadByteEx(static_cast<UINT>(codePage), byte) != 0;
}

} // namespace winlayer
