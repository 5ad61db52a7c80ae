#include "winlayer/char_steps.h"

namespace winlayer {

namespace {

// 0 until a test chooses a code page. Away from Windows the program's strings are taken to be
// in code page 1252, as lowerCase takes them.
int chosenCodePage = 0;

} // namespace

int textCodePage() {
    return chosenCodePage != 0 ? chosenCodePage : 1252;
}

void useTextCodePage(int codePage) {
    chosenCodePage = codePage;
}

bool isLeadByte(int codePage, unsigned char byte) {
    return leadByteInTable(codePage, byte);
}

} // namespace winlayer
