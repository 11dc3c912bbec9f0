#pragma once
// Scalable type faces with anti-aliased glyphs, for the content tool that paints words into
// pictures (the game's own fonts are the 1-bit bitmaps of Fonts.h).
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace platform {

// One glyph's coverage: rows top row first, one byte a pixel (0 empty to 255 covered).
struct CoverageGlyph {
    int width = 0;
    int rows = 0;
    int left = 0;      // from the pen to the bitmap's left edge, in pixels
    int top = 0;       // from the baseline up to the bitmap's top row, in pixels
    long advance = 0;  // how far the pen moves, in 1/64 pixel
    std::vector<std::uint8_t> coverage;
};

class TypeFace {
public:
    virtual ~TypeFace() = default;
    // The em becomes this many pixels across and down, in 1/64 pixel.
    virtual void SetSize(long across, long down) = 0;
    // The face's glyph for a character code; 0 where it has none.
    virtual unsigned GlyphIndex(unsigned char code) = 0;
    // The pen's correction between two glyphs, in 1/64 pixel; 0 after glyph 0 or where the
    // face has no kerning.
    virtual long Kerning(unsigned previous, unsigned glyph) = 0;
    // How far the glyph moves the pen, in 1/64 pixel; 0 for a glyph that does not load.
    virtual long Advance(unsigned glyph) = 0;
    // False for a glyph that does not load.
    virtual bool Render(unsigned glyph, CoverageGlyph& out) = 0;
};

// Null, with the reason in `error`, when the face file cannot be read.
std::unique_ptr<TypeFace> OpenTypeFace(const std::string& path, std::string& error);

}  // namespace platform
