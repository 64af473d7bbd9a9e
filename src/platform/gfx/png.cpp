// PNG through libpng's simplified API, which reports errors by return value (no longjmp
// through C++ frames).
#include "platform/gfx/png.hpp"

#include <png.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>

namespace kartino::gfx {
namespace {

constexpr std::uint64_t kMaxPixels = 1ULL << 28;

std::vector<std::uint8_t> toRgb(const Surface &s) {
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(s.width()) * s.height() * 3);
    std::uint8_t *out = rgb.data();
    for (int y = 0; y < s.height(); ++y) {
        const Colour *row = s.row(y);
        for (int x = 0; x < s.width(); ++x) {
            *out++ = static_cast<std::uint8_t>(redOf(row[x]));
            *out++ = static_cast<std::uint8_t>(greenOf(row[x]));
            *out++ = static_cast<std::uint8_t>(blueOf(row[x]));
        }
    }
    return rgb;
}

png_image rgbImage(const Surface &s) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(s.width());
    image.height = static_cast<png_uint_32>(s.height());
    image.format = PNG_FORMAT_RGB;
    return image;
}

} // namespace

void writePng(const std::string &path, const Surface &s) {
    if (s.width() == 0) throw ImageError(path + ": cannot write an empty picture");
    std::vector<std::uint8_t> rgb = toRgb(s);
    png_image image = rgbImage(s);
    if (!png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), 0, nullptr))
        throw ImageError(path + ": " + image.message);
}

std::vector<std::uint8_t> encodePng(const Surface &s) {
    if (s.width() == 0) throw ImageError("cannot encode an empty picture");
    std::vector<std::uint8_t> rgb = toRgb(s);
    png_image image = rgbImage(s);
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&image, nullptr, &size, 0, rgb.data(), 0, nullptr))
        throw ImageError(std::string("PNG encoding: ") + image.message);
    std::vector<std::uint8_t> out(size);
    if (!png_image_write_to_memory(&image, out.data(), &size, 0, rgb.data(), 0, nullptr))
        throw ImageError(std::string("PNG encoding: ") + image.message);
    out.resize(size);
    return out;
}

Surface decodePng(std::span<const std::uint8_t> bytes) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size()))
        throw ImageError(std::string("not a readable PNG: ") + image.message);
    // The simplified reader frees its state on failure of finish_read; on our own refusal below
    // it has to be freed by hand.
    if (image.width == 0 || image.height == 0 ||
        static_cast<std::uint64_t>(image.width) * image.height > kMaxPixels) {
        png_image_free(&image);
        throw ImageError("PNG too large or empty");
    }
    image.format = PNG_FORMAT_RGBA;
    std::vector<std::uint8_t> rgba(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, rgba.data(), 0, nullptr))
        throw ImageError(std::string("damaged PNG: ") + image.message);
    Surface s(static_cast<int>(image.width), static_cast<int>(image.height));
    const std::uint8_t *in = rgba.data();
    for (int y = 0; y < s.height(); ++y) {
        Colour *row = s.row(y);
        for (int x = 0; x < s.width(); ++x, in += 4)
            row[x] = rgb(in[0], in[1], in[2]);
    }
    return s;
}

Surface readPng(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw ImageError(path + ": cannot open");
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    try {
        return decodePng(bytes);
    } catch (const ImageError &e) {
        throw ImageError(path + ": " + e.what());
    }
}

} // namespace kartino::gfx
