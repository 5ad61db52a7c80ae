#pragma once

// Plain lines of text on a printer the user picks in the standard print dialog: one printer
// attachment for the whole program at a time. Coordinates are the printer's device units with
// the origin at the top-left corner of the printable area. Nothing here pumps messages.

#include <windows.h>

#include <string>

#include "winlayer/fonts.h"

namespace winlayer {

// Ends any current job, lets the user choose a printer and, on OK, attaches it and starts a job
// named jobName ("Print Job" when empty). flags may hold PD_PAGENUMS and the other choices of
// the dialog's 0x18013F mask. The dialog opens with pages 1 to 1; only the pages of the range
// the user leaves there are output. Cancel attaches nothing and is no error.
void printerChoose(const std::string& jobName, DWORD flags);

// The attached printer's device name; empty when nothing is attached.
std::string printerName();

// Selects the font, realised for the printer's resolution, for the text that follows.
void printerSetFont(const FontObject& font);

struct PrinterArea {
    double width;
    double height;
};
// The printable area in device units.
PrinterArea printerArea();

// The printer's device context, with the selected font, for measuring text; 0 when none.
HDC printerDeviceContext();

// Lines of the selected font that fit on the printable height.
int printerLinesPerPage();

// Draws text at the current position, cut off at the right edge of the printable area, and
// moves the current position past it.
void printerText(const std::string& text);

// Moves the current position to the left edge of the next line. There is no automatic page
// break: the caller counts lines.
void printerNewLine();

// Ends the current page; a page on which nothing was output is never emitted.
void printerNewPage();

// Ends the job and detaches the printer.
void printerClose();

// The error number the last failing printer operation recorded since printerChoose began
// (DeviceUnavailableError or DeviceIoError); NoError when none failed.
int printerError();

// What the attached printer reports, in device units and dots per inch.
struct PrinterMetrics {
    int printableWidth;
    int printableHeight;
    int physicalWidth;
    int physicalHeight;
    int offsetX;
    int offsetY;
    int pixelsPerInchY;
    int lineHeight;
    int lineGap;
    int averageCharWidth;
};
PrinterMetrics printerMetrics();

} // namespace winlayer
