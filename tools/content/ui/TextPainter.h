#pragma once
// Words drawn into pictures with FreeType, in design units, so a page or a sheet carries text
// that stays sharp at the size the menus show it.
#include <memory>
#include <string>
#include <vector>

#include "tools/content/ui/Canvas.h"

namespace content::ui {

enum class Face { Serif, SerifBold, SerifItalic, Sans, SansBold };
enum class Align { Left, Centre, Right };

struct TextStyle {
    Face face = Face::Serif;
    float size = 16.0f;  // em height in design units
    Colour colour{1, 1, 1};
    Align align = Align::Left;
};

class TextPainter {
public:
    // Opens the Liberation faces; false with the reason in `error` when one is missing.
    bool Open(std::string& error);
    ~TextPainter();
    TextPainter();
    TextPainter(const TextPainter&) = delete;
    TextPainter& operator=(const TextPainter&) = delete;

    // Width of one line in design units, as drawn on `canvas`.
    float Measure(Canvas& canvas, const std::string& text, const TextStyle& style);
    // One line with its baseline at y; x is the left end, the centre or the right end by
    // the style's alignment. A brush, when given, colours the letters instead of the style.
    void Draw(Canvas& canvas, const std::string& text, float x, float baseline,
              const TextStyle& style, const Brush* brush = nullptr);
    // The text split into lines no wider than `width`, at blanks; "\n" forces a break.
    std::vector<std::string> Wrap(Canvas& canvas, const std::string& text, float width,
                                  const TextStyle& style);
    // Wrapped text from the baseline of its first line down, `leading` apart; returns the
    // baseline below the last line.
    float DrawParagraph(Canvas& canvas, const std::string& text, float x, float baseline,
                        float width, float leading, const TextStyle& style);

private:
    struct Faces;
    std::unique_ptr<Faces> faces;
};

}  // namespace content::ui
