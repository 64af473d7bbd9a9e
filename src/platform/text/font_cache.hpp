#pragma once
// The store behind Fonts: fontconfig's configuration, the FreeType library, the faces fontconfig
// resolves, each face at each pixel size, and the monochrome glyph bitmaps rendered at that size.
// Internal to kartino_text.
#include "platform/text/codepage.hpp"
#include "platform/text/font.hpp"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace kartino::text::detail {

// One rendered glyph: a 0/1 mask of `width` x `rows` whose top left lies `left` pixels right of
// the pen and `top` pixels above the baseline; the pen then moves `advance` pixels.
struct Glyph {
    int left = 0;
    int top = 0;
    int width = 0;
    int rows = 0;
    int advance = 0;
    std::vector<std::uint8_t> mask;
};

// An opened font file, with the synthetic emboldening or slant a request needs when the file
// fontconfig chose lacks that style.
struct Face {
    FT_Face ft = nullptr;
    std::string file;
    bool emboldenSynthetic = false;
    bool obliqueSynthetic = false;
    bool symbolEncoding = false; // only an MS symbol charmap: bytes map to U+F000 + byte
};

// A face at one pixel size, with its vertical metrics and rendered glyphs.
class SizedFace {
  public:
    SizedFace(Face &face, int pixelSize);
    ~SizedFace();
    SizedFace(const SizedFace &) = delete;
    SizedFace &operator=(const SizedFace &) = delete;

    const Glyph &glyph(unsigned index);
    unsigned charIndex(char32_t c) const;
    bool symbolEncoding() const;
    const std::string &file() const;

    int pixelSize = 0;
    int ascent = 0;
    int descent = 0;
    int lineGap = 0;
    int underlineOffset = 0; // rows below the baseline of the underline's top
    int underlineThickness = 1;

  private:
    void activate() const;

    Face &face_;
    FT_Size size_ = nullptr;
    std::unordered_map<unsigned, Glyph> glyphs_;
};

// What one Font handle needs: its face at its size, its code page, the glyph of every byte, and
// the text cell: the face's ascender and descender, widened where a glyph of the page reaches
// beyond them (accented capitals at small sizes), so that every glyph lies inside its line.
struct FontImpl {
    FontImpl(const FontSpec &fontspec, SizedFace &sized);

    FontSpec fontspec;
    CodePage page = CodePage::Ansi1252;
    SizedFace *sized = nullptr;
    int ascent = 0;
    int descent = 0;
    int lineHeight = 0;
    mutable std::array<const Glyph *, 256> byByte{};
    mutable std::array<unsigned, 256> indexOf{};
    mutable std::array<bool, 256> known{};

    const Glyph &glyphOf(unsigned char byte) const;
    unsigned glyphIndexOf(unsigned char byte) const;
};

class FontCache {
  public:
    FontCache();
    ~FontCache();
    FontCache(const FontCache &) = delete;
    FontCache &operator=(const FontCache &) = delete;

    std::shared_ptr<const FontImpl> font(const FontSpec &fontspec, int pixelSize);
    std::string resolve(const std::string &name, bool bold, bool italic);

  private:
    Face &face(const std::string &name, bool bold, bool italic);

    std::unique_ptr<FcConfig, void (*)(FcConfig *)> config_;
    FT_Library library_ = nullptr;
    std::map<std::string, std::unique_ptr<Face>> faces_; // by request (name, bold, italic)
    std::map<std::pair<Face *, int>, std::unique_ptr<SizedFace>> sizes_;
    std::map<std::string, std::shared_ptr<const FontImpl>> fonts_;
};

} // namespace kartino::text::detail
