#include "winlayer/error_text.h"

namespace winlayer {

std::string errorText(int number) {
    switch (number) {
    case 0:
        return "No Error";
    case 5:
        return "Illegal function call";
    case 6:
        return "Overflow";
    case 7:
        return "Out of memory";
    case 9:
        return "Subscript/Pointer out of range";
    case 11:
        return "Division by zero";
    case 24:
        return "Device timeout";
    case 51:
        return "Internal error";
    case 52:
        return "Bad file name or number";
    case 53:
        return "File not found";
    case 54:
        return "Bad file mode";
    case 55:
        return "File is open";
    case 57:
        return "Device I/O error";
    case 58:
        return "File already exists";
    case 61:
        return "Disk full";
    case 62:
        return "Input past end";
    case 63:
        return "Bad record number";
    case 64:
        return "Bad file name";
    case 67:
        return "Too many files";
    case 68:
        return "Device unavailable";
    case 69:
        return "Comm error";
    case 70:
        return "Permission denied";
    case 71:
        return "Disk not ready";
    case 72:
        return "Disk media error";
    case 74:
        return "Rename across disks";
    case 75:
        return "Path/file access error";
    case 76:
        return "Path not found";
    case 241:
        return "Global memory corrupt";
    case 242:
        return "String space corrupt";
    default:
        return std::string();
    }
}

int errorNumberFromWindowsCode(unsigned long code) {
    switch (code) {
    case 0:
        return NoError;
    case 2:  // file not found
    case 18: // no more files
        return FileNotFoundError;
    case 3:
        return PathNotFoundError;
    case 4:
        return 67;
    case 5:  // access denied
    case 19: // write protected
    case 32: // sharing violation
    case 33: // lock violation
    case 36: // sharing buffer exceeded
        return 70;
    case 6:
        return 57;
    case 8:
    case 14:
        return OutOfMemoryError;
    case 11:
    case 12:
    case 13:
    case 22:
    case 24:
        return 51;
    case 15:
    case 20:
        return 68;
    case 17:
        return 74;
    case 21:
        return 71;
    case 23:
    case 25:
    case 26:
    case 27:
    case 28:
    case 29:
    case 30:
    case 31:
    case 34:
    case 35:
        return 72;
    case 38:
        return 62;
    case 39:
    case 112:
        return 61;
    case 87:
        return 5;
    case 7:  // memory control blocks destroyed
    case 9:  // invalid memory block address
    case 10: // bad environment
        return 241;
    default:
        return 75;
    }
}

} // namespace winlayer
