#pragma once
// Run-time errors of the legacy runtime: a number, the source that raised it and a description.
// They travel as C++ exceptions; readers of data files catch them and report them through the
// error handler before ending the session.
#include <stdexcept>
#include <string>

namespace kartino::basic {

enum ErrorNumber : int {
    errInvalidCall = 5,
    errOverflow = 6,
    errOutOfMemory = 7,
    errSubscript = 9,
    errDivisionByZero = 11,
    errTypeMismatch = 13,
    errBadFileNameOrNumber = 52,
    errFileNotFound = 53,
    errBadFileMode = 54,
    errFileAlreadyOpen = 55,
    errDeviceIO = 57,
    errDiskFull = 61,
    errInputPastEnd = 62,
    errPermissionDenied = 70,
    errPathFileAccess = 75,
    errPathNotFound = 76,
};

// The project name the runtime puts into Err.Source for errors raised in our code.
inline constexpr const char *kErrorSource = "kartino";

// The runtime's own description text for an error number ("Application-defined or
// object-defined error" for numbers it does not know).
std::string errorDescription(int number);

class RuntimeError : public std::runtime_error {
  public:
    explicit RuntimeError(int number, std::string source = kErrorSource);
    RuntimeError(int number, std::string source, std::string description);

    int number() const noexcept { return number_; }
    const std::string &source() const noexcept { return source_; }
    const std::string &description() const noexcept { return description_; }

  private:
    int number_;
    std::string source_;
    std::string description_;
};

[[noreturn]] void raise(int number);

// The legacy error of a file that the system refused to open with `err` (an errno value).
int openErrorNumber(int err);

} // namespace kartino::basic
