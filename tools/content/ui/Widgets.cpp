// The small pieces of the menus and the level screen: the round button, the selector
// arrows, the HUD's bar frames and panels, the result popups' panel and the crosshair. The
// menus tint them (white, grey, yellow on hover), so they are painted light and neutral.
#include <cmath>

#include "tools/content/ui/UiArt.h"

namespace content::ui {
namespace {

using texture::Format;

// A rounded bar of light grey with a thin rim and a highlight; the caption is printed over
// it in black. The menus print their longest captions almost from end to end of the button,
// so the face reaches nearly to the picture's edges and only its corners are rounded.
void PaintRoundButton(Canvas& canvas, TextPainter&) {
    canvas.Fill(Colour{0, 0, 0});
    const float w = canvas.Width(), h = canvas.Height();
    constexpr float kCorner = 14;
    // The picture's edge pixels stay pure black, for the colour key.
    const Shape pill = Rectangle(1.2f, 1.5f, w - 1.2f, h - 1.5f, kCorner);
    canvas.Paint(pill, Rgb(96, 98, 104));
    const Shape face = Rectangle(2.2f, 2.8f, w - 2.2f, h - 2.8f, kCorner - 1);
    canvas.Paint(face, VerticalGradient(2.8f, h - 2.8f, Rgb(246, 246, 248), Rgb(176, 178, 184)));
    canvas.Paint(Rectangle(18, 10, w - 18, h / 2 - 2, (h / 2 - 12) / 2), Rgb(255, 255, 255), 0.45f);
}

// A bevelled triangle pointing left (or right, mirrored), light face over a dark flank.
void PaintArrow(Canvas& canvas, bool right) {
    canvas.Fill(Colour{0, 0, 0});
    const float w = canvas.Width();
    auto facing = [&](Shape shape) { return right ? Mirrored(shape, w / 2) : shape; };
    const Shape flank = facing(Polygon({{10, 34}, {50, 12}, {50, 56}}));
    const Shape face = facing(Polygon({{8, 30}, {48, 8}, {48, 52}}));
    canvas.Paint(flank, Rgb(70, 72, 80));
    canvas.Paint(face, VerticalGradient(8, 52, Rgb(250, 250, 252), Rgb(160, 164, 172)));
    canvas.Paint(Outline(face, 1.5f), Rgb(110, 112, 120));
}

void PaintLeftArrow(Canvas& canvas, TextPainter&) {
    PaintArrow(canvas, false);
}
void PaintRightArrow(Canvas& canvas, TextPainter&) {
    PaintArrow(canvas, true);
}

// A bar frame: a metal rim with the bar's colour along its ends and a dark channel in which
// the HUD prints its row of glyphs.
void PaintBarFrame(Canvas& canvas, Colour accent) {
    const float w = canvas.Width(), h = canvas.Height();
    canvas.Fill(Rgb(20, 22, 28));
    canvas.Paint(Rectangle(0, 0, w, h, 6),
                 VerticalGradient(0, h, Rgb(200, 204, 214), Rgb(96, 100, 112)));
    canvas.Paint(Rectangle(4, 4, w - 4, h - 4, 4),
                 VerticalGradient(4, h - 4, Rgb(16, 18, 24), Rgb(40, 44, 54)));
    canvas.Paint(Rectangle(0, 0, 14, h, 6), accent);
    canvas.Paint(Rectangle(w - 14, 0, w, h, 6), accent);
    for (float x = 30; x < w - 20; x += 20)
        canvas.Paint(Rectangle(x, h - 7, x + 1, h - 4), accent, 0.6f);
}

void PaintHealthFrame(Canvas& canvas, TextPainter&) {
    PaintBarFrame(canvas, Rgb(220, 56, 44));
}
void PaintEnergyFrame(Canvas& canvas, TextPainter&) {
    PaintBarFrame(canvas, Rgb(60, 150, 236));
}

// A panel for the HUD's texts, bevelled, dark enough for white print.
void PaintHudPanel(Canvas& canvas, TextPainter&) {
    const float w = canvas.Width(), h = canvas.Height();
    canvas.Fill(Rgb(30, 34, 44));
    canvas.Paint(Rectangle(0, 0, w, h, 8),
                 VerticalGradient(0, h, Rgb(190, 196, 212), Rgb(90, 96, 112)));
    canvas.Paint(Rectangle(4, 4, w - 4, h - 4, 6),
                 VerticalGradient(4, h - 4, Rgb(74, 84, 108), Rgb(36, 42, 58)));
    canvas.Paint(Rectangle(8, 7, w - 8, 9), Rgb(255, 255, 255), 0.25f);
}

// The popups' large panel: no frame, a soft gradient with a faint inner line, drawn half
// transparent over the level.
void PaintLargePanel(Canvas& canvas, TextPainter&) {
    const float w = canvas.Width(), h = canvas.Height();
    canvas.Fill(VerticalGradient(0, h, Rgb(96, 108, 140), Rgb(40, 46, 66)));
    canvas.Paint(Outline(Rectangle(14, 14, w - 14, h - 14, 18), 2), Rgb(200, 210, 236), 0.5f);
}

// A ring with four ticks and a centre dot.
void PaintCrosshair(Canvas& canvas, TextPainter&) {
    canvas.Fill(Colour{0, 0, 0});
    const float c = canvas.Width() / 2;
    const Colour white = Rgb(240, 244, 240);
    canvas.Paint(Outline(Circle(c, c, 9), 1.6f), white);
    for (int k = 0; k < 4; ++k) {
        const float dx = std::cos(k * 1.5708f), dy = std::sin(k * 1.5708f);
        canvas.Paint(Capsule({c + dx * 5, c + dy * 5}, {c + dx * 13.5f, c + dy * 13.5f}, 0.8f),
                     white);
    }
    canvas.Paint(Circle(c, c, 1.4f), Rgb(255, 90, 70));
}

}  // namespace

void AddWidgets(std::vector<UiPicture>& list) {
    list.push_back({"Art/Textures/UI/Buttons/gray_button_round.bmp", Format::Bmp, true, 256, 64,
                    180, 50, PaintRoundButton});
    list.push_back({"Art/Textures/UI/Buttons/left_arrow_3d.bmp", Format::Bmp, true, 64, 64, 60, 60,
                    PaintLeftArrow});
    list.push_back({"Art/Textures/UI/Buttons/right_arrow_3d.bmp", Format::Bmp, true, 64, 64, 60, 60,
                    PaintRightArrow});
    list.push_back({"Art/Textures/UI/HUD/hp_bar.jpg", Format::Jpeg, false, 256, 32, 250, 24,
                    PaintHealthFrame});
    list.push_back({"Art/Textures/UI/HUD/energy_bar.jpg", Format::Jpeg, false, 256, 32, 250, 24,
                    PaintEnergyFrame});
    list.push_back({"Art/Textures/UI/HUD/hud_background.jpg", Format::Jpeg, false, 256, 128, 242,
                    76, PaintHudPanel});
    list.push_back({"Art/Textures/UI/HUD/hud_background_large_nb.jpg", Format::Jpeg, false, 512,
                    512, 512, 512, PaintLargePanel});
    list.push_back(
        {"Art/Textures/UI/HUD/crosshair1.bmp", Format::Bmp, true, 64, 64, 32, 32, PaintCrosshair});
}

}  // namespace content::ui
