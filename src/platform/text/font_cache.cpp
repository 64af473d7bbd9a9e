#include "platform/text/font_cache.hpp"

#include FT_SIZES_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <memory>
#include <stdexcept>

namespace kartino::text::detail {

namespace {

struct Resolved {
    std::string file;
    int index = 0;
    bool embolden = false; // fontconfig asks for synthetic emboldening of a lighter face
};

// Asks fontconfig for the best scalable match of a family name in a style. An empty name asks
// for fontconfig's default family.
Resolved resolveWithFontconfig(FcConfig *config, const std::string &name, bool bold, bool italic) {
    Resolved out;
    FcPattern *pattern = FcPatternCreate();
    if (!name.empty())
        FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8 *>(name.c_str()));
    FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern *match = FcFontMatch(config, pattern, &result);
    if (match) {
        FcChar8 *file = nullptr;
        if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && file)
            out.file = reinterpret_cast<const char *>(file);
        FcPatternGetInteger(match, FC_INDEX, 0, &out.index);
        FcBool embolden = FcFalse;
        int weight = FC_WEIGHT_REGULAR;
        if (FcPatternGetBool(match, FC_EMBOLDEN, 0, &embolden) == FcResultMatch)
            out.embolden = embolden == FcTrue;
        else if (FcPatternGetInteger(match, FC_WEIGHT, 0, &weight) == FcResultMatch)
            out.embolden = bold && weight < FC_WEIGHT_DEMIBOLD;
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);
    return out;
}

int ceilPixels(FT_Pos v) {
    return static_cast<int>((v + 63) >> 6);
}
int roundPixels(FT_Pos v) {
    return static_cast<int>((v + 32) >> 6);
}

// One row of a rendered bitmap, from the top, whichever way the bitmap flows.
const unsigned char *bitmapRow(const FT_Bitmap &bm, unsigned r) {
    if (bm.pitch >= 0) return bm.buffer + static_cast<std::ptrdiff_t>(r) * bm.pitch;
    return bm.buffer + static_cast<std::ptrdiff_t>(bm.rows - 1 - r) * -bm.pitch;
}

} // namespace

// ----- SizedFace

SizedFace::SizedFace(Face &face, int size) : pixelSize(size), face_(face) {
    if (FT_New_Size(face_.ft, &size_) != 0) throw std::runtime_error("cannot create a font size");
    FT_Activate_Size(size_);
    if (FT_Set_Pixel_Sizes(face_.ft, 0, static_cast<FT_UInt>(size)) != 0 && face_.ft->num_fixed_sizes > 0)
        FT_Select_Size(face_.ft, 0);
    const FT_Size_Metrics &m = size_->metrics;
    // The scaled ascender and descender rounded outwards, and the face's line gap (what it
    // adds between lines beyond them) rounded to the nearest pixel.
    ascent = ceilPixels(m.ascender);
    descent = ceilPixels(-m.descender);
    if (FT_IS_SCALABLE(face_.ft)) {
        FT_Long units = face_.ft->height - (face_.ft->ascender - face_.ft->descender);
        lineGap = std::max(0, roundPixels(FT_MulFix(units, m.y_scale)));
        underlineOffset = std::max(1, roundPixels(FT_MulFix(-face_.ft->underline_position, m.y_scale)));
        underlineThickness = std::max(1, roundPixels(FT_MulFix(face_.ft->underline_thickness, m.y_scale)));
    } else {
        lineGap = std::max(0, roundPixels(m.height) - ascent - descent);
        underlineOffset = 1;
    }
    underlineOffset = std::min(underlineOffset, std::max(0, descent - underlineThickness));
}

SizedFace::~SizedFace() {
    if (size_) FT_Done_Size(size_);
}

void SizedFace::activate() const {
    FT_Activate_Size(size_);
}

const std::string &SizedFace::file() const {
    return face_.file;
}

unsigned SizedFace::charIndex(char32_t c) const {
    return FT_Get_Char_Index(face_.ft, c);
}

bool SizedFace::symbolEncoding() const {
    return face_.symbolEncoding;
}

const Glyph &SizedFace::glyph(unsigned index) {
    auto found = glyphs_.find(index);
    if (found != glyphs_.end()) return found->second;
    Glyph &g = glyphs_[index];
    activate();
    FT_Int32 flags = FT_LOAD_TARGET_MONO;
    if (FT_IS_SCALABLE(face_.ft)) flags |= FT_LOAD_NO_BITMAP;
    if (FT_Load_Glyph(face_.ft, index, flags) != 0) return g;
    FT_GlyphSlot slot = face_.ft->glyph;
    if (face_.emboldenSynthetic) FT_GlyphSlot_Embolden(slot);
    if (face_.obliqueSynthetic) FT_GlyphSlot_Oblique(slot);
    g.advance = roundPixels(slot->advance.x);
    if (slot->format != FT_GLYPH_FORMAT_BITMAP && FT_Render_Glyph(slot, FT_RENDER_MODE_MONO) != 0) return g;
    const FT_Bitmap &bm = slot->bitmap;
    g.left = slot->bitmap_left;
    g.top = slot->bitmap_top;
    g.width = static_cast<int>(bm.width);
    g.rows = static_cast<int>(bm.rows);
    g.mask.assign(static_cast<std::size_t>(g.width) * g.rows, 0);
    for (unsigned r = 0; r < bm.rows; ++r) {
        const unsigned char *src = bitmapRow(bm, r);
        std::uint8_t *dst = g.mask.data() + static_cast<std::size_t>(r) * bm.width;
        for (unsigned c = 0; c < bm.width; ++c) {
            bool on =
                bm.pixel_mode == FT_PIXEL_MODE_MONO ? (src[c >> 3] >> (7 - (c & 7))) & 1 : src[c] >= 128;
            dst[c] = on ? 1 : 0;
        }
    }
    return g;
}

// ----- FontImpl

FontImpl::FontImpl(const FontSpec &fontSpec, SizedFace &sizedFace)
    : fontspec(fontSpec), page(codePageForCharset(fontSpec.charset)), sized(&sizedFace),
      ascent(sizedFace.ascent), descent(sizedFace.descent) {
    for (int b = 0x20; b < 0x100; ++b) {
        const Glyph &g = glyphOf(static_cast<unsigned char>(b));
        if (g.rows == 0) continue;
        ascent = std::max(ascent, g.top);
        descent = std::max(descent, g.rows - g.top);
    }
    lineHeight = ascent + descent + sized->lineGap;
}

unsigned FontImpl::glyphIndexOf(unsigned char byte) const {
    if (!known[byte]) {
        char32_t c = sized->symbolEncoding() ? 0xF000u + byte : toUnicode(page, byte);
        indexOf[byte] = sized->charIndex(c);
        known[byte] = true;
    }
    return indexOf[byte];
}

const Glyph &FontImpl::glyphOf(unsigned char byte) const {
    if (!byByte[byte]) byByte[byte] = &sized->glyph(glyphIndexOf(byte));
    return *byByte[byte];
}

// ----- FontCache

FontCache::FontCache() : config_(FcInitLoadConfigAndFonts(), FcConfigDestroy) {
    if (FT_Init_FreeType(&library_) != 0) throw std::runtime_error("cannot initialise FreeType");
}

FontCache::~FontCache() {
    fonts_.clear();
    sizes_.clear();
    for (auto &[key, face] : faces_)
        FT_Done_Face(face->ft);
    FT_Done_FreeType(library_);
}

std::string FontCache::resolve(const std::string &name, bool bold, bool italic) {
    return resolveWithFontconfig(config_.get(), name, bold, italic).file;
}

Face &FontCache::face(const std::string &name, bool bold, bool italic) {
    std::string key = name +
                      (bold ? "\x1f"
                              "b"
                            : "\x1f") +
                      (italic ? "i" : "");
    auto found = faces_.find(key);
    if (found != faces_.end()) return *found->second;

    auto face = std::make_unique<Face>();
    Resolved r = resolveWithFontconfig(config_.get(), name, bold, italic);
    if (r.file.empty() || FT_New_Face(library_, r.file.c_str(), r.index, &face->ft) != 0) {
        r = resolveWithFontconfig(config_.get(), "", bold, italic); // the default family instead
        if (r.file.empty() || FT_New_Face(library_, r.file.c_str(), r.index, &face->ft) != 0)
            throw std::runtime_error("no usable font for \"" + name + "\"");
    }
    face->file = r.file;
    if (FT_Select_Charmap(face->ft, FT_ENCODING_UNICODE) != 0 &&
        FT_Select_Charmap(face->ft, FT_ENCODING_MS_SYMBOL) == 0)
        face->symbolEncoding = true;
    // A style the file lacks is made: bold by emboldening the outlines, italic by slanting them.
    face->emboldenSynthetic = bold && r.embolden && !(face->ft->style_flags & FT_STYLE_FLAG_BOLD);
    face->obliqueSynthetic = italic && !(face->ft->style_flags & FT_STYLE_FLAG_ITALIC);
    return *(faces_[key] = std::move(face));
}

std::shared_ptr<const FontImpl> FontCache::font(const FontSpec &fontspec, int pixelSize) {
    std::string key = fontspec.name + '\x1f' + std::to_string(pixelSize) + '\x1f' +
                      (fontspec.bold ? 'b' : '-') + (fontspec.italic ? 'i' : '-') +
                      (fontspec.underline ? 'u' : '-') + std::to_string(fontspec.charset);
    auto found = fonts_.find(key);
    if (found != fonts_.end()) return found->second;

    Face &f = face(fontspec.name, fontspec.bold, fontspec.italic);
    auto &sized = sizes_[{&f, pixelSize}];
    if (!sized) sized = std::make_unique<SizedFace>(f, pixelSize);
    auto impl = std::make_shared<FontImpl>(fontspec, *sized);
    fonts_[key] = impl;
    return impl;
}

} // namespace kartino::text::detail
