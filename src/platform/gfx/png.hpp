#pragma once
// PNG files for screenshots and golden pictures.
//
//   gfx::writePng("shot.png", surface);              // 8-bit RGB
//   gfx::Surface ref = gfx::readPng("expected.png"); // any PNG, alpha dropped
//
// Both throw gfx::ImageError on failure (file not openable, not a PNG, damaged data).
#include "platform/gfx/image_error.hpp"
#include "platform/gfx/surface.hpp"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace kartino::gfx {

void writePng(const std::string &path, const Surface &s);
std::vector<std::uint8_t> encodePng(const Surface &s);

// Reads any colour type and bit depth; palette and grey images are expanded to RGB, 16-bit
// channels reduced to 8 bits, an alpha channel ignored (the colour values are taken as they are).
Surface readPng(const std::string &path);
Surface decodePng(std::span<const std::uint8_t> bytes);

} // namespace kartino::gfx
