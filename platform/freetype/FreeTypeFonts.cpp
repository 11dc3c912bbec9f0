#include "platform/freetype/FreeTypeFonts.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <cmath>
#include <memory>

namespace platform {
namespace {

struct FaceName {
    const char* face;
    const char* family;  // file stem of the stand-in, without its style
};

// Liberation Serif has the advance widths of Times New Roman, so text lines up as laid out.
constexpr FaceName kFaces[] = {
    {"Times New Roman", "LiberationSerif"},
};

// Windows-1252 bytes 128 to 159; 0 where the code page leaves the byte undefined.
constexpr unsigned kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

struct LibraryDeleter {
    void operator()(FT_Library library) const { FT_Done_FreeType(library); }
};
struct FaceDeleter {
    void operator()(FT_Face face) const { FT_Done_Face(face); }
};
using LibraryHandle = std::unique_ptr<FT_LibraryRec_, LibraryDeleter>;
using FaceHandle = std::unique_ptr<FT_FaceRec_, FaceDeleter>;

// The em size in pixels for the game's signed height: a negative one is the character height
// itself; a positive one is the cell (ascent plus descent), as the font's Windows metrics give it.
int PixelSizeFor(FT_Face face, int height) {
    if (height < 0) return -height;
    if (height == 0) return 16;  // the system's default size
    int cell = face->ascender - face->descender;
    if (const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2)))
        if (os2->usWinAscent + os2->usWinDescent > 0) cell = os2->usWinAscent + os2->usWinDescent;
    if (cell <= 0) return height;
    const int size =
        static_cast<int>(std::lround(static_cast<double>(height) * face->units_per_EM / cell));
    return size > 0 ? size : 1;
}

// The rendered 1-bit bitmap, turned bottom row first and packed without padding.
Glyph ToGlyph(const FT_GlyphSlot slot) {
    Glyph glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    glyph.width = static_cast<int>(bitmap.width);
    glyph.height = static_cast<int>(bitmap.rows);
    glyph.originX = static_cast<float>(-slot->bitmap_left);
    glyph.originY = static_cast<float>(glyph.height - slot->bitmap_top);
    glyph.advance = static_cast<float>(slot->advance.x) / 64.0f;
    const int stride = (glyph.width + 7) / 8;
    glyph.bits.assign(static_cast<std::size_t>(stride) * glyph.height, 0);
    for (int row = 0; row < glyph.height; ++row) {
        const unsigned char* source =
            bitmap.buffer + static_cast<std::ptrdiff_t>(row) * bitmap.pitch;
        std::uint8_t* target =
            glyph.bits.data() + static_cast<std::size_t>(glyph.height - 1 - row) * stride;
        for (int x = 0; x < glyph.width; ++x) {
            const bool set = bitmap.pixel_mode == FT_PIXEL_MODE_MONO
                                 ? ((source[x / 8] >> (7 - x % 8)) & 1) != 0
                                 : source[x] >= 128;
            if (set) target[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        }
    }
    return glyph;
}

}  // namespace

FreeTypeFonts::FreeTypeFonts(std::filesystem::path folder) : folder(std::move(folder)) {}

std::filesystem::path FreeTypeFonts::DefaultFolder() {
    return "/usr/share/fonts/truetype/liberation";
}

std::string FreeTypeFonts::FileFor(const std::string& face, bool bold, bool italic) {
    for (const FaceName& name : kFaces) {
        if (face != name.face) continue;
        const char* style =
            bold ? (italic ? "BoldItalic" : "Bold") : (italic ? "Italic" : "Regular");
        return std::string(name.family) + "-" + style + ".ttf";
    }
    return std::string();
}

unsigned FreeTypeFonts::UnicodeOf(unsigned char code) {
    if (code >= 128 && code < 160) return kHighControls[code - 128];
    return code;
}

bool FreeTypeFonts::Rasterise(const FontRequest& request, GlyphSet& glyphs, std::string& error) {
    const std::string file = FileFor(request.face, request.bold, request.italic);
    if (file.empty()) {
        error = "no font file stands for the face \"" + request.face + "\"";
        return false;
    }
    const std::filesystem::path path = folder / file;
    FT_Library rawLibrary = nullptr;
    if (FT_Init_FreeType(&rawLibrary) != 0) {
        error = "FreeType could not start";
        return false;
    }
    LibraryHandle library(rawLibrary);
    FT_Face rawFace = nullptr;
    if (FT_New_Face(library.get(), path.c_str(), 0, &rawFace) != 0) {
        error = "cannot read the font file " + path.string();
        return false;
    }
    FaceHandle face(rawFace);
    const int pixelSize = PixelSizeFor(face.get(), request.height);
    if (FT_Set_Pixel_Sizes(face.get(), 0, static_cast<FT_UInt>(pixelSize)) != 0) {
        error = "cannot size " + path.string();
        return false;
    }
    glyphs = GlyphSet{};
    glyphs.pixelSize = pixelSize;
    glyphs.ascent = static_cast<int>(face->size->metrics.ascender / 64);
    glyphs.descent = static_cast<int>(-face->size->metrics.descender / 64);
    glyphs.glyphs.reserve(kGlyphCount);
    for (int code = kFirstGlyphCode; code <= kLastGlyphCode; ++code) {
        const unsigned unicode = UnicodeOf(static_cast<unsigned char>(code));
        const FT_UInt index = unicode ? FT_Get_Char_Index(face.get(), unicode) : 0;
        if (index == 0 ||
            FT_Load_Glyph(face.get(), index, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) != 0) {
            glyphs.glyphs.emplace_back();
            continue;
        }
        glyphs.glyphs.push_back(ToGlyph(face->glyph));
    }
    return true;
}

}  // namespace platform
