#include "winlayer/message_count.h"

namespace winlayer {
namespace {

unsigned long takenCount = 0;

} // namespace

unsigned long messagesTaken() {
    return takenCount;
}

void noteMessageTaken() {
    ++takenCount;
}

} // namespace winlayer
