#pragma once
// The error raised by the picture readers and writers (PNG, BMP): a file that cannot be opened,
// is malformed or uses a variant we do not read. The message names the file and the reason.
#include <stdexcept>
#include <string>

namespace kartino::gfx {

class ImageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

} // namespace kartino::gfx
