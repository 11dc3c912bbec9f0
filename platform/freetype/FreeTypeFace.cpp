#include <ft2build.h>
#include FT_FREETYPE_H

#include "platform/TypeFaces.h"

namespace platform {
namespace {

class FreeTypeFace : public TypeFace {
public:
    ~FreeTypeFace() override {
        if (face) FT_Done_Face(face);
        if (library) FT_Done_FreeType(library);
    }

    bool Open(const std::string& path, std::string& error) {
        if (FT_Init_FreeType(&library) != 0) {
            error = "FreeType did not start";
            return false;
        }
        if (FT_New_Face(library, path.c_str(), 0, &face) != 0) {
            error = "cannot open the font " + path;
            return false;
        }
        return true;
    }

    void SetSize(long across, long down) override {
        FT_Set_Char_Size(face, static_cast<FT_F26Dot6>(across), static_cast<FT_F26Dot6>(down), 72,
                         72);
    }

    unsigned GlyphIndex(unsigned char code) override { return FT_Get_Char_Index(face, code); }

    long Kerning(unsigned previous, unsigned glyph) override {
        if (!previous || !FT_HAS_KERNING(face)) return 0;
        FT_Vector kern;
        FT_Get_Kerning(face, previous, glyph, FT_KERNING_DEFAULT, &kern);
        return kern.x;
    }

    long Advance(unsigned glyph) override {
        return FT_Load_Glyph(face, glyph, FT_LOAD_DEFAULT) == 0 ? face->glyph->advance.x : 0;
    }

    bool Render(unsigned glyph, CoverageGlyph& out) override {
        if (FT_Load_Glyph(face, glyph, FT_LOAD_RENDER) != 0) return false;
        const FT_GlyphSlot slot = face->glyph;
        const FT_Bitmap& bitmap = slot->bitmap;
        out.width = static_cast<int>(bitmap.width);
        out.rows = static_cast<int>(bitmap.rows);
        out.left = slot->bitmap_left;
        out.top = slot->bitmap_top;
        out.advance = slot->advance.x;
        out.coverage.assign(static_cast<std::size_t>(out.width) * out.rows, 0);
        for (int row = 0; row < out.rows; ++row)
            for (int column = 0; column < out.width; ++column)
                out.coverage[static_cast<std::size_t>(row) * out.width + column] =
                    bitmap.buffer[row * bitmap.pitch + column];
        return true;
    }

private:
    FT_Library library = nullptr;
    FT_Face face = nullptr;
};

}  // namespace

std::unique_ptr<TypeFace> OpenTypeFace(const std::string& path, std::string& error) {
    auto face = std::make_unique<FreeTypeFace>();
    if (!face->Open(path, error)) return nullptr;
    return face;
}

}  // namespace platform
