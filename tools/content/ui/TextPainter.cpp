#include "tools/content/ui/TextPainter.h"

#include <algorithm>
#include <cmath>

#include "platform/TypeFaces.h"

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
    std::unique_ptr<platform::TypeFace> faces[kFaceCount];

    // Sets the face to the style's size as the canvas stretches it: the em is as many
    // pixels across and down as the design size covers on this canvas.
    platform::TypeFace& Sized(Canvas& canvas, const TextStyle& style) {
        platform::TypeFace& face = *faces[static_cast<int>(style.face)];
        face.SetSize(std::lround(style.size * canvas.ScaleX() * 64),
                     std::lround(style.size * canvas.ScaleY() * 64));
        return face;
    }
};

TextPainter::TextPainter() = default;
TextPainter::~TextPainter() = default;

bool TextPainter::Open(std::string& error) {
    faces = std::make_unique<Faces>();
    for (int i = 0; i < kFaceCount; ++i) {
        const std::string path = std::string(kFontFolder) + kFaceFiles[i];
        faces->faces[i] = platform::OpenTypeFace(path, error);
        if (!faces->faces[i]) {
            error += " (install fonts-liberation)";
            return false;
        }
    }
    return true;
}

float TextPainter::Measure(Canvas& canvas, const std::string& text, const TextStyle& style) {
    platform::TypeFace& face = faces->Sized(canvas, style);
    long advance = 0;
    unsigned previous = 0;
    for (unsigned char c : text) {
        const unsigned glyph = face.GlyphIndex(c);
        advance += face.Kerning(previous, glyph) + face.Advance(glyph);
        previous = glyph;
    }
    return advance / 64.0f / canvas.ScaleX();
}

void TextPainter::Draw(Canvas& canvas, const std::string& text, float x, float baseline,
                       const TextStyle& style, const Brush* brush) {
    const float width = Measure(canvas, text, style);
    if (style.align == Align::Centre) x -= width / 2;
    if (style.align == Align::Right) x -= width;
    platform::TypeFace& face = faces->Sized(canvas, style);
    float penX = x * canvas.ScaleX();
    const int baseY = static_cast<int>(std::lround(baseline * canvas.ScaleY()));
    unsigned previous = 0;
    platform::CoverageGlyph bitmap;
    for (unsigned char c : text) {
        const unsigned glyph = face.GlyphIndex(c);
        penX += face.Kerning(previous, glyph) / 64.0f;
        previous = glyph;
        if (!face.Render(glyph, bitmap)) continue;
        const int left = static_cast<int>(std::lround(penX)) + bitmap.left;
        const int top = baseY - bitmap.top;
        for (int row = 0; row < bitmap.rows; ++row)
            for (int column = 0; column < bitmap.width; ++column) {
                const unsigned char value =
                    bitmap.coverage[static_cast<std::size_t>(row) * bitmap.width + column];
                if (!value) continue;
                const int px = left + column, py = top + row;
                const Colour colour =
                    brush ? (*brush)((px + 0.5f) / canvas.ScaleX(), (py + 0.5f) / canvas.ScaleY())
                          : style.colour;
                canvas.BlendPixel(px, py, colour, value / 255.0f);
            }
        penX += bitmap.advance / 64.0f;
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
