#include "winlayer/window_records.h"

#include <map>

namespace winlayer {
namespace {

std::map<HWND, WindowRecord>& records() {
    static std::map<HWND, WindowRecord> all;
    return all;
}

} // namespace

WindowRecord& makeRecord(HWND window) {
    WindowRecord& record = records()[window];
    record = WindowRecord();
    record.window = window;
    return record;
}

WindowRecord* findRecord(HWND window) {
    auto found = records().find(window);
    return found == records().end() ? nullptr : &found->second;
}

void releaseRecords(HWND dialog) {
    // Children get WM_NCDESTROY before their dialog does, so by now every control is gone.
    auto& all = records();
    for (auto it = all.begin(); it != all.end();) {
        if (it->first == dialog || it->second.parent == dialog) {
            it = all.erase(it);
        } else {
            ++it;
        }
    }
}

} // namespace winlayer
