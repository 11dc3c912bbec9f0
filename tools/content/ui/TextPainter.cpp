#include "tools/content/ui/TextPainter.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>

namespace content::ui {
namespace {

constexpr const char* kFontFolder = "/usr/share/fonts/truetype/liberation/";

// In the order of the Face enumeration.
constexpr const char* kFaceFiles[] = {
    "LiberationSerif-Regular.ttf", "LiberationSerif-Bold.ttf", "LiberationSerif-Italic.ttf",
    "LiberationSans-Regular.ttf",  "LiberationSans-Bold.ttf",
};
constexpr int kFaceCount = sizeof(kFaceFiles) / sizeof(kFaceFiles[0]);

}  // namespace

struct TextPainter::Faces {
    FT_Library library = nullptr;
    FT_Face faces[kFaceCount] = {};

    ~Faces() {
        for (FT_Face face : faces)
            if (face) FT_Done_Face(face);
        if (library) FT_Done_FreeType(library);
    }

    // Sets the face to the style's size as the canvas stretches it: the em is as many
    // pixels across and down as the design size covers on this canvas.
    FT_Face Sized(Canvas& canvas, const TextStyle& style) {
        FT_Face face = faces[static_cast<int>(style.face)];
        const auto across = static_cast<FT_F26Dot6>(std::lround(style.size * canvas.ScaleX() * 64));
        const auto down = static_cast<FT_F26Dot6>(std::lround(style.size * canvas.ScaleY() * 64));
        FT_Set_Char_Size(face, across, down, 72, 72);
        return face;
    }
};

TextPainter::TextPainter() = default;
TextPainter::~TextPainter() = default;

bool TextPainter::Open(std::string& error) {
    faces = std::make_unique<Faces>();
    if (FT_Init_FreeType(&faces->library) != 0) {
        error = "FreeType did not start";
        return false;
    }
    for (int i = 0; i < kFaceCount; ++i) {
        const std::string path = std::string(kFontFolder) + kFaceFiles[i];
        if (FT_New_Face(faces->library, path.c_str(), 0, &faces->faces[i]) != 0) {
            error = "cannot open the font " + path + " (install fonts-liberation)";
            return false;
        }
    }
    return true;
}

float TextPainter::Measure(Canvas& canvas, const std::string& text, const TextStyle& style) {
    FT_Face face = faces->Sized(canvas, style);
    long advance = 0;
    FT_UInt previous = 0;
    for (unsigned char c : text) {
        const FT_UInt glyph = FT_Get_Char_Index(face, c);
        if (previous && FT_HAS_KERNING(face)) {
            FT_Vector kern;
            FT_Get_Kerning(face, previous, glyph, FT_KERNING_DEFAULT, &kern);
            advance += kern.x;
        }
        if (FT_Load_Glyph(face, glyph, FT_LOAD_DEFAULT) == 0) advance += face->glyph->advance.x;
        previous = glyph;
    }
    return advance / 64.0f / canvas.ScaleX();
}

void TextPainter::Draw(Canvas& canvas, const std::string& text, float x, float baseline,
                       const TextStyle& style, const Brush* brush) {
    const float width = Measure(canvas, text, style);
    if (style.align == Align::Centre) x -= width / 2;
    if (style.align == Align::Right) x -= width;
    FT_Face face = faces->Sized(canvas, style);
    float penX = x * canvas.ScaleX();
    const int baseY = static_cast<int>(std::lround(baseline * canvas.ScaleY()));
    FT_UInt previous = 0;
    for (unsigned char c : text) {
        const FT_UInt glyph = FT_Get_Char_Index(face, c);
        if (previous && FT_HAS_KERNING(face)) {
            FT_Vector kern;
            FT_Get_Kerning(face, previous, glyph, FT_KERNING_DEFAULT, &kern);
            penX += kern.x / 64.0f;
        }
        previous = glyph;
        if (FT_Load_Glyph(face, glyph, FT_LOAD_RENDER) != 0) continue;
        const FT_GlyphSlot slot = face->glyph;
        const FT_Bitmap& bitmap = slot->bitmap;
        const int left = static_cast<int>(std::lround(penX)) + slot->bitmap_left;
        const int top = baseY - slot->bitmap_top;
        for (unsigned row = 0; row < bitmap.rows; ++row)
            for (unsigned column = 0; column < bitmap.width; ++column) {
                const unsigned char value = bitmap.buffer[row * bitmap.pitch + column];
                if (!value) continue;
                const int px = left + static_cast<int>(column), py = top + static_cast<int>(row);
                const Colour colour =
                    brush ? (*brush)((px + 0.5f) / canvas.ScaleX(), (py + 0.5f) / canvas.ScaleY())
                          : style.colour;
                canvas.BlendPixel(px, py, colour, value / 255.0f);
            }
        penX += slot->advance.x / 64.0f;
    }
}

std::vector<std::string> TextPainter::Wrap(Canvas& canvas, const std::string& text, float width,
                                           const TextStyle& style) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string paragraph = text.substr(start, end - start);
        std::string line;
        std::size_t at = 0;
        while (at < paragraph.size()) {
            const std::size_t blank = std::min(paragraph.find(' ', at), paragraph.size());
            const std::string word = paragraph.substr(at, blank - at);
            const std::string longer = line.empty() ? word : line + " " + word;
            if (!line.empty() && Measure(canvas, longer, style) > width) {
                lines.push_back(line);
                line = word;
            } else {
                line = longer;
            }
            at = blank + 1;
        }
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

float TextPainter::DrawParagraph(Canvas& canvas, const std::string& text, float x, float baseline,
                                 float width, float leading, const TextStyle& style) {
    for (const std::string& line : Wrap(canvas, text, width, style)) {
        Draw(canvas, line, x, baseline, style);
        baseline += leading;
    }
    return baseline;
}

}  // namespace content::ui
