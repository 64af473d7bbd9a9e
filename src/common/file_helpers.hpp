#pragma once
// Reading data files that are structured by marker lines of asterisks.
#include "platform/basic/numbered_files.hpp"

namespace kartino::common {

// Reads lines of file 1 until one whose first n characters are n asterisks; the next read
// starts behind it. Running out of lines is the end-of-file error (62).
void skiptomarker(basic::FileTable &files, int n, int filenumber = 1);

} // namespace kartino::common
