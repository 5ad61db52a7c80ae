#include "winlayer/printer.h"

#include <commdlg.h>

#include <memory>
#include <type_traits>
#include <vector>

#include "winlayer/error_text.h"
#include "winlayer/wide_text.h"

namespace winlayer {
namespace {

constexpr size_t maxPrinterName = 261;
// The choices of the print dialog that a caller may ask for.
constexpr DWORD callerFlagsMask = 0x18013F;
const wchar_t* const defaultJobName = L"Print Job";

int errorNumber = NoError;

void fail(int number) {
    errorNumber = number;
}

struct DcDeleter {
    void operator()(HDC dc) const {
        if (!DeleteDC(dc)) {
            fail(DeviceIoError);
        }
    }
};
using PrinterDcHandle = std::unique_ptr<std::remove_pointer_t<HDC>, DcDeleter>;

// A global block that the print dialog handed back, locked while it is read and freed after.
class GlobalBlock {
public:
    explicit GlobalBlock(HGLOBAL block) : block_(block) {}
    ~GlobalBlock() {
        if (block_ != nullptr) {
            if (data_ != nullptr) {
                GlobalUnlock(block_);
            }
            GlobalFree(block_);
        }
    }
    GlobalBlock(const GlobalBlock&) = delete;
    GlobalBlock& operator=(const GlobalBlock&) = delete;
    void* lock() {
        if (data_ == nullptr && block_ != nullptr) {
            data_ = GlobalLock(block_);
        }
        return data_;
    }

private:
    HGLOBAL block_;
    void* data_ = nullptr;
};

struct PrinterJob {
    PrinterDcHandle printerDc;
    std::wstring printerName;
    std::vector<BYTE> devMode; // the DEVMODEW with its driver's extra bytes
    int pageNumber = 0;
    bool pageOpen = false;
    int firstPage = 0; // 0..0: all pages
    int lastPage = 0;
    PrinterMetrics metrics{};
    int currentX = 0;
    int currentY = 0;
    HFONT font = nullptr; // the printer's own default font until one is set
    COLORREF textColor = RGB(0, 0, 0);
    HGDIOBJ savedFont = nullptr;
};

PrinterJob job;
bool okPressed = false;

bool pageInRange() {
    return (job.firstPage == 0 && job.lastPage == 0) ||
           (job.pageNumber >= job.firstPage && job.pageNumber <= job.lastPage);
}

int lineAdvance() {
    return job.metrics.lineHeight + job.metrics.lineGap;
}

void readTextMetrics() {
    TEXTMETRICW text{};
    if (GetTextMetricsW(job.printerDc.get(), &text)) {
        job.metrics.lineHeight = text.tmHeight;
        job.metrics.lineGap = text.tmExternalLeading;
        job.metrics.averageCharWidth = text.tmAveCharWidth;
    }
}

void readPageMetrics() {
    HDC dc = job.printerDc.get();
    job.metrics.printableWidth = GetDeviceCaps(dc, HORZRES);
    job.metrics.printableHeight = GetDeviceCaps(dc, VERTRES);
    job.metrics.physicalWidth = GetDeviceCaps(dc, PHYSICALWIDTH);
    job.metrics.physicalHeight = GetDeviceCaps(dc, PHYSICALHEIGHT);
    job.metrics.offsetX = GetDeviceCaps(dc, PHYSICALOFFSETX);
    job.metrics.offsetY = GetDeviceCaps(dc, PHYSICALOFFSETY);
    job.metrics.pixelsPerInchY = GetDeviceCaps(dc, LOGPIXELSY);
}

// Selects font into the printer's context; the first time, the context's own font is kept to
// be put back before the context is deleted.
void selectFont(HFONT font) {
    const HGDIOBJ previous = SelectObject(job.printerDc.get(), font);
    if (previous == nullptr || previous == HGDI_ERROR) {
        fail(DeviceIoError);
        return;
    }
    if (job.savedFont == nullptr) {
        job.savedFont = previous;
    }
}

void applyColors() {
    HDC dc = job.printerDc.get();
    SetTextColor(dc, job.textColor);
    SetBkColor(dc, RGB(255, 255, 255));
    SetBkMode(dc, TRANSPARENT);
}

void moveTo(int x, int y) {
    job.currentX = x;
    job.currentY = y;
    MoveToEx(job.printerDc.get(), x, y, nullptr);
}

// Pages are started only when something is output on them, each with the chosen settings.
void openPage() {
    HDC dc = job.printerDc.get();
    if (ResetDCW(dc, reinterpret_cast<const DEVMODEW*>(job.devMode.data())) == nullptr) {
        fail(DeviceIoError);
    }
    if (job.font != nullptr) {
        selectFont(job.font);
    }
    applyColors();
    readTextMetrics();
    readPageMetrics();
    job.pageOpen = true;
    if (StartPage(dc) <= 0) {
        fail(DeviceIoError);
    }
    if (SetTextAlign(dc, TA_UPDATECP) == GDI_ERROR) {
        fail(DeviceIoError);
    }
    moveTo(0, 0);
}

bool readyForOutput() {
    if (!job.printerDc || !pageInRange()) {
        return false;
    }
    if (!job.pageOpen) {
        openPage();
    }
    return true;
}

UINT_PTR CALLBACK printHook(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        // The dialog has no owner window, so it would not necessarily come to the front.
        SetForegroundWindow(dialog);
        break;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            okPressed = true;
        }
        break;
    }
    return 0;
}

// Takes over what the dialog chose; false when the choice cannot be attached.
bool takeChoice(const PRINTDLGW& dialog, GlobalBlock& names, GlobalBlock& mode) {
    if ((dialog.Flags & PD_SELECTION) == 0 && (dialog.Flags & PD_PAGENUMS) != 0) {
        job.firstPage = dialog.nFromPage;
        job.lastPage = dialog.nToPage;
    }
    const auto* devNames = static_cast<const DEVNAMES*>(names.lock());
    if (devNames == nullptr) {
        fail(DeviceUnavailableError);
        return false;
    }
    const std::wstring name(reinterpret_cast<const wchar_t*>(devNames) + devNames->wDeviceOffset);
    if (name.size() > maxPrinterName) {
        fail(DeviceUnavailableError);
        return false;
    }
    job.printerName = name;
    if (const auto* devMode = static_cast<const DEVMODEW*>(mode.lock())) {
        const auto* bytes = reinterpret_cast<const BYTE*>(devMode);
        job.devMode.assign(bytes, bytes + devMode->dmSize + devMode->dmDriverExtra);
    }
    return true;
}

} // namespace

void printerChoose(const std::string& jobName, DWORD flags) {
    printerClose();
    errorNumber = NoError;
    okPressed = false;

    PRINTDLGW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = nullptr;
    dialog.Flags = PD_RETURNDC | PD_ENABLEPRINTHOOK | (flags & callerFlagsMask);
    dialog.nFromPage = 1;
    dialog.nToPage = 1;
    dialog.nMinPage = 1;
    dialog.nMaxPage = 999;
    dialog.lpfnPrintHook = printHook;
    const BOOL chosen = PrintDlgW(&dialog);
    GlobalBlock names(dialog.hDevNames);
    GlobalBlock mode(dialog.hDevMode);
    PrinterDcHandle dc(dialog.hDC);
    if (!chosen) {
        if (okPressed && CommDlgExtendedError() != 0) {
            fail(DeviceUnavailableError);
        }
        return;
    }
    if (!dc) {
        fail(DeviceUnavailableError);
        return;
    }
    job.printerDc = std::move(dc);
    if (!takeChoice(dialog, names, mode)) {
        job = PrinterJob();
        return;
    }

    const std::wstring documentName = jobName.empty() ? defaultJobName : toWide(jobName);
    DOCINFOW document{};
    document.cbSize = sizeof(document);
    document.lpszDocName = documentName.c_str();
    if (StartDocW(job.printerDc.get(), &document) <= 0) {
        job = PrinterJob();
        fail(DeviceUnavailableError);
        return;
    }
    job.savedFont = GetCurrentObject(job.printerDc.get(), OBJ_FONT);
    readTextMetrics();
    readPageMetrics();
    job.pageNumber = 1;
    job.pageOpen = false;
}

std::string printerName() {
    return fromWide(job.printerName);
}

void printerSetFont(const FontObject& font) {
    if (!job.printerDc) {
        return;
    }
    job.font = realiseFont(font, GetDeviceCaps(job.printerDc.get(), LOGPIXELSY));
    selectFont(job.font);
    readTextMetrics();
    applyColors();
}

PrinterArea printerArea() {
    return {static_cast<double>(job.metrics.printableWidth),
            static_cast<double>(job.metrics.printableHeight)};
}

HDC printerDeviceContext() {
    return job.printerDc.get();
}

int printerLinesPerPage() {
    return lineAdvance() > 0 ? job.metrics.printableHeight / lineAdvance() : 0;
}

void printerText(const std::string& text) {
    if (!readyForOutput() || text.empty()) {
        return;
    }
    HDC dc = job.printerDc.get();
    const std::wstring wide = toWide(text);
    const RECT clip = {job.currentX, job.currentY, job.metrics.printableWidth,
                       job.currentY + lineAdvance()};
    ExtTextOutW(dc, job.currentX, job.currentY, ETO_CLIPPED, &clip, wide.data(),
                static_cast<UINT>(wide.size()), nullptr);
    POINT position{};
    if (GetCurrentPositionEx(dc, &position)) {
        job.currentX = position.x;
        job.currentY = position.y;
    }
}

void printerNewLine() {
    if (!readyForOutput()) {
        return;
    }
    moveTo(0, job.currentY + lineAdvance());
}

void printerNewPage() {
    if (!job.printerDc) {
        return;
    }
    if (job.pageOpen && pageInRange() && EndPage(job.printerDc.get()) <= 0) {
        fail(DeviceIoError);
    }
    ++job.pageNumber;
    job.pageOpen = false;
    job.currentX = 0;
    job.currentY = 0;
}

void printerClose() {
    if (job.printerDc) {
        HDC dc = job.printerDc.get();
        if (job.pageOpen && EndPage(dc) <= 0) {
            fail(DeviceIoError);
        }
        if (EndDoc(dc) <= 0) {
            fail(DeviceIoError);
        }
        if (job.savedFont != nullptr) {
            SelectObject(dc, job.savedFont);
        }
    }
    // Deletes the device context; the realised fonts belong to their font objects.
    job = PrinterJob();
}

int printerError() {
    return errorNumber;
}

PrinterMetrics printerMetrics() {
    return job.metrics;
}

} // namespace winlayer
