#pragma once
// Bitmap fonts: a face rasterised at one size into 1-bit glyphs with their metrics, for the
// menus to compile into display lists.
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// The character codes a font holds, as the menus index them (Windows-1252).
constexpr int kFirstGlyphCode = 32;
constexpr int kLastGlyphCode = 219;
constexpr int kGlyphCount = kLastGlyphCode - kFirstGlyphCode + 1;

struct FontRequest {
    std::string face;  // "Times New Roman", say
    // As the game's font calls give it: negative asks for that character height in pixels,
    // positive for that cell height (ascent plus descent).
    int height = 0;
    bool bold = false;
    bool italic = false;
};

// One glyph laid out for glBitmap: rows bottom row first, each row (width + 7) / 8 bytes,
// most significant bit leftmost, no padding between rows.
struct Glyph {
    int width = 0;
    int height = 0;
    float originX = 0;  // from the pen to the bitmap's left edge, negated (glBitmap's xorig)
    float originY = 0;  // from the baseline down to the bitmap's bottom row (glBitmap's yorig)
    float advance = 0;  // how far the pen moves to the right
    std::vector<std::uint8_t> bits;

    bool IsSet(int x, int row) const {
        const int stride = (width + 7) / 8;
        return (bits[static_cast<std::size_t>(row) * stride + x / 8] >> (7 - x % 8)) & 1;
    }
};

// Codes kFirstGlyphCode to kLastGlyphCode in order; a code without a glyph in the face is an
// empty glyph that does not move the pen.
struct GlyphSet {
    int pixelSize = 0;  // the em size that was rasterised
    int ascent = 0;     // pixels above the baseline
    int descent = 0;    // pixels below it
    std::vector<Glyph> glyphs;

    const Glyph& Of(unsigned char code) const { return glyphs[code - kFirstGlyphCode]; }
};

class Fonts {
public:
    virtual ~Fonts() = default;
    // False, with the reason, when the face cannot be found or read.
    virtual bool Rasterise(const FontRequest& request, GlyphSet& glyphs, std::string& error) = 0;
};

}  // namespace platform
