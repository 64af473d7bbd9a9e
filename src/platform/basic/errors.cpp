#include "platform/basic/errors.hpp"

#include <cerrno>

namespace kartino::basic {

std::string errorDescription(int number) {
    switch (number) {
    case 3:
        return "Return without GoSub";
    case 5:
        return "Invalid procedure call or argument";
    case 6:
        return "Overflow";
    case 7:
        return "Out of memory";
    case 9:
        return "Subscript out of range";
    case 10:
        return "This array is fixed or temporarily locked";
    case 11:
        return "Division by zero";
    case 13:
        return "Type mismatch";
    case 14:
        return "Out of string space";
    case 28:
        return "Out of stack space";
    case 52:
        return "Bad file name or number";
    case 53:
        return "File not found";
    case 54:
        return "Bad file mode";
    case 55:
        return "File already open";
    case 57:
        return "Device I/O error";
    case 58:
        return "File already exists";
    case 61:
        return "Disk full";
    case 62:
        return "Input past end of file";
    case 67:
        return "Too many files";
    case 68:
        return "Device unavailable";
    case 70:
        return "Permission denied";
    case 71:
        return "Disk not ready";
    case 75:
        return "Path/File access error";
    case 76:
        return "Path not found";
    default:
        return "Application-defined or object-defined error";
    }
}

RuntimeError::RuntimeError(int number, std::string source)
    : RuntimeError(number, std::move(source), errorDescription(number)) {}

RuntimeError::RuntimeError(int number, std::string source, std::string description)
    : std::runtime_error("error " + std::to_string(number) + ": " + description), number_(number),
      source_(std::move(source)), description_(std::move(description)) {}

void raise(int number) {
    throw RuntimeError(number);
}

int openErrorNumber(int err) {
    switch (err) {
    case ENOENT:
        return errPathNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
        return errPermissionDenied;
    case EISDIR:
        return errPathFileAccess;
    case ENOSPC:
        return errDiskFull;
    default:
        return errPathFileAccess;
    }
}

} // namespace kartino::basic
