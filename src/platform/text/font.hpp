#pragma once
// Fonts and text drawing: the legacy font names resolved through fontconfig, glyphs rendered
// by FreeType as monochrome hinted bitmaps (no smoothing, so every pixel of text is exactly the
// text colour and a Point test or a flood fill never meets a half tone).
//
// Usage:
//   text::Fonts fonts;                                         // the application owns one
//   text::FontSpec fontspec{"Arial", 12, /*bold*/ true};      // name, points, bold, italic, underline,
//   charset text::Font font = fonts.open(fontspec, 96);                // points at 96 pixels per inch int w
//   = font.textWidth(caption);                       // caption: ANSI bytes of the charset's page int h =
//   font.textHeight(caption);                      // line pitch times the number of lines gfx::Rect changed
//   = font.drawText(surface, x, y, caption, colour);  // (x, y): top left of the text
//
// Text is bytes in the ANSI code page that the character-set number selects (0 Western 1252,
// 238 Central European 1250). CR, LF and CR LF separate lines: textWidth is the widest line,
// textHeight the number of lines times lineHeight(), and drawText puts line n at y + n * lineHeight().
// textWidth is exactly the sum of the advances drawText moves by, so Print can continue at
// x + textWidth(s).
//
// A Font is a cheap handle onto the cache of FreeType faces, sizes and rendered glyphs that the
// Fonts which opened it holds; opening the same font again costs a lookup, and the handle is
// valid while that Fonts lives. The cache holds no state of a session. Use from one thread (the
// user-interface thread).
#include "platform/gfx/surface.hpp"

#include <memory>
#include <string>
#include <string_view>

namespace kartino::text {

struct FontSpec {
    std::string name = "MS Sans Serif";
    double points = 8.25;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int charset = 0; // the character-set number: 0 Western, 238 Central European
    bool operator==(const FontSpec &) const = default;
};

// The pixel height of the em square: points * dpi / 72, rounded to the nearest pixel (halves up,
// as the legacy MulDiv does), at least 1 and at most 1000.
int pixelSizeFor(double points, double dpi);

namespace detail {
struct FontImpl;
class FontCache;
} // namespace detail

class Font;

// The fonts one application opens, with the faces, sizes and glyphs they share.
class Fonts {
  public:
    Fonts();
    ~Fonts();
    Fonts(const Fonts &) = delete;
    Fonts &operator=(const Fonts &) = delete;

    // The font `fontspec` describes at `dpi` pixels per inch. A name fontconfig does not know falls
    // back to the family fontconfig offers instead; throws std::runtime_error only when no font
    // file can be loaded at all.
    Font open(const FontSpec &fontspec, double dpi);

    // The font file fontconfig chooses for a legacy family name and style (for diagnostics).
    std::string resolvedFile(const std::string &name, bool bold, bool italic);

  private:
    std::unique_ptr<detail::FontCache> cache_;
};

class Font {
  public:
    const FontSpec &fontspec() const;
    int pixelSize() const;           // em height in pixels
    const std::string &file() const; // the font file in use

    // The text cell. ascent: pixels from the top of a line to the baseline, the face's ascender
    // rounded up; descent: pixels from the baseline to the bottom, the descender rounded up; both
    // widened where a glyph of the code page reaches further (accented capitals at small sizes),
    // so no glyph leaves its line. lineHeight, the line pitch that TextHeight counts:
    // ascent + descent + the face's line gap rounded to the nearest pixel (Arial at 12 points and
    // 96 DPI: 15 + 4 + 1 = 20; at 8.25 points: 11 + 3 + 0 = 14).
    int ascent() const;
    int descent() const;
    int lineHeight() const;

    int textWidth(std::string_view bytes) const;  // widest line, in pixels
    int textHeight(std::string_view bytes) const; // lines * lineHeight(); "" counts as one line

    // Draws `bytes` with the top left of the first line's cell at (x, y) in `colour`, clipped to
    // the surface and to `clip` when given. Returns the rectangle of pixels written (empty when
    // nothing was drawn).
    gfx::Rect drawText(gfx::Surface &surface, int x, int y, std::string_view bytes, gfx::Colour colour,
                       const gfx::Rect *clip = nullptr) const;

    // The FreeType glyph index that one byte of text is drawn with (tests and diagnostics).
    unsigned glyphIndex(unsigned char byte) const;

  private:
    friend class Fonts;
    explicit Font(std::shared_ptr<const detail::FontImpl> impl) : impl_(std::move(impl)) {}
    std::shared_ptr<const detail::FontImpl> impl_;
};

} // namespace kartino::text
