#pragma once
// Windows BMP pictures, for a form's background Picture.
//
//   gfx::Surface picture = gfx::readBmp("256dummy.bmp");
//
// Reads uncompressed BI_RGB bitmaps with 1, 4, 8 (palettised), 24 and 32 bits per pixel,
// bottom-up or top-down, with the 12-byte core header or an info header of 40 bytes or more.
// Anything else, or a file that is short, damaged or implausibly large, throws gfx::ImageError;
// no input makes the reader read outside its buffer.
#include "platform/gfx/image_error.hpp"
#include "platform/gfx/surface.hpp"

#include <cstdint>
#include <span>
#include <string>

namespace kartino::gfx {

Surface readBmp(const std::string &path);
Surface decodeBmp(std::span<const std::uint8_t> bytes);

} // namespace kartino::gfx
