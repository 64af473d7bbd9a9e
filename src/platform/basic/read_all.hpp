#pragma once
// Reading an open descriptor to its end, for the numbered files' input and for the old bytes an
// output file keeps to put back: interrupted reads are resumed, and a file longer than `limit`
// stops the read.
#include <cstddef>
#include <string>

namespace kartino::basic {

enum class ReadAll { Whole, Failed, TooLong };

// Appends the rest of `fd` to `out`; TooLong as soon as `out` would pass `limit` bytes.
ReadAll readAll(int fd, std::string &out, std::size_t limit);

} // namespace kartino::basic
