// Faces drawn from shapes: a terran sergeant in an olive helmet, a Dovevevuzu racer in
// glowing goggles, a grinning Vavedodev gremlin and a Diveroruz knight behind a gold visor.
#include "tools/content/ui/Portraits.h"

#include <cmath>

#include "tools/content/ui/UiArt.h"

namespace content::ui {
namespace {

using texture::Format;

// Paints shapes given in portrait units.
struct Sitter {
    Canvas& canvas;
    float x0, y0, scale;
    void Paint(const Shape& shape, const Brush& brush, float opacity = 1.0f) {
        const float ox = x0, oy = y0, s = scale;
        const Brush placed = [=](float x, float y) { return brush((x - ox) / s, (y - oy) / s); };
        canvas.Paint(Placed(shape, x0, y0, scale), placed, opacity);
    }
    void Paint(const Shape& shape, Colour colour, float opacity = 1.0f) {
        canvas.Paint(Placed(shape, x0, y0, scale), colour, opacity);
    }
};

// Both eyes of a face: whites, irises and pupils, mirrored about the face's middle.
void Eyes(Sitter& s, float cx, float y, float apart, float rx, float ry, Colour white, Colour iris,
          float irisR) {
    for (float side : {-1.0f, 1.0f}) {
        const float x = cx + side * apart;
        s.Paint(Ellipse(x, y, rx, ry), white);
        s.Paint(Circle(x + side * -1.5f, y + 1, irisR), iris);
        s.Paint(Circle(x + side * -1.5f, y + 1, irisR * 0.45f), Rgb(12, 12, 16));
        s.Paint(Circle(x + side * -1.5f - irisR * 0.35f, y - irisR * 0.35f, irisR * 0.22f),
                Rgb(255, 255, 255));
    }
}

void Terran(Sitter& s) {
    const Colour olive = RaceMain(Race::Terran), khaki = RaceTrim(Race::Terran);
    const Colour skin = Rgb(224, 178, 140);
    // Shoulders in an olive uniform with khaki collar.
    s.Paint(Polygon({{30, 200}, {46, 160}, {90, 146}, {146, 146}, {190, 160}, {206, 200}}),
            Shaded(olive, 118, 170, 80, 0.3f));
    s.Paint(Polygon({{92, 146}, {118, 176}, {144, 146}, {134, 142}, {118, 160}, {102, 142}}),
            khaki);
    s.Paint(Rectangle(102, 122, 134, 152, 6), Scale(skin, 0.88f));
    // Face and ears.
    for (float side : {-1.0f, 1.0f})
        s.Paint(Ellipse(118 + side * 42, 104, 8, 13), Scale(skin, 0.92f));
    s.Paint(Ellipse(118, 100, 42, 52), Shaded(skin, 100, 84, 60, 0.15f));
    Eyes(s, 118, 98, 16, 9, 5.5f, Rgb(245, 245, 240), Rgb(70, 110, 150), 4.5f);
    for (float side : {-1.0f, 1.0f})
        s.Paint(Capsule({118 + side * 8, 86}, {118 + side * 26, 88}, 2.6f), Rgb(90, 60, 36));
    s.Paint(Polygon({{118, 98}, {112, 118}, {124, 118}}), Scale(skin, 0.82f));
    s.Paint(Capsule({106, 132}, {130, 131}, 2), Rgb(150, 80, 70));
    // Stubble along the jaw.
    s.Paint(Subtract(Ellipse(118, 104, 40, 48), Ellipse(118, 92, 40, 44)), Rgb(120, 96, 80), 0.35f);
    // The helmet: a dome with a brim and the white star, and a khaki chin strap.
    const Shape dome = Intersect(Ellipse(118, 84, 52, 46), Rectangle(60, 30, 176, 82));
    s.Paint(dome, Shaded(olive, 100, 50, 60, 0.35f));
    s.Paint(Rectangle(60, 74, 176, 84, 5), Scale(olive, 0.8f));
    s.Paint(Polygon({{118, 48},
                     {122, 60},
                     {134, 60},
                     {124, 67},
                     {128, 79},
                     {118, 71},
                     {108, 79},
                     {112, 67},
                     {102, 60},
                     {114, 60}}),
            Rgb(240, 240, 230));
    for (float side : {-1.0f, 1.0f})
        s.Paint(Capsule({118 + side * 44, 86}, {118 + side * 28, 138}, 2.4f), khaki);
}

void Dovevevuzu(Sitter& s) {
    const Colour orange = RaceMain(Race::Dovevevuzu), white = RaceTrim(Race::Dovevevuzu);
    const Colour cyan = Rgb(80, 230, 250);
    // A white racing scarf over orange shoulders.
    s.Paint(Polygon({{34, 200}, {54, 164}, {182, 164}, {202, 200}}),
            Shaded(Scale(orange, 0.8f), 118, 180, 80));
    s.Paint(Rectangle(66, 146, 170, 174, 14), Shaded(white, 110, 150, 60, 0.2f));
    s.Paint(Polygon({{150, 160}, {186, 196}, {168, 200}, {140, 170}}), Scale(white, 0.9f));
    // Long swept-back ears.
    for (float side : {-1.0f, 1.0f})
        s.Paint(Polygon({{118 + side * 36, 84}, {118 + side * 100, 52}, {118 + side * 44, 114}}),
                Shaded(orange, 118 + side * 60, 70, 50, 0.3f));
    // A wide round head with pale muzzle and freckles.
    s.Paint(Ellipse(118, 104, 54, 48), Shaded(orange, 100, 84, 60, 0.3f));
    s.Paint(Ellipse(118, 126, 30, 20), Rgb(250, 220, 180));
    for (float side : {-1.0f, 1.0f})
        for (int k = 0; k < 3; ++k)
            s.Paint(Circle(118 + side * (34 + 5 * k), 116 + 3 * (k % 2), 1.8f), Rgb(160, 70, 20));
    // Big dark eyes under goggles that glow cyan.
    Eyes(s, 118, 98, 22, 14, 13, Rgb(30, 30, 36), Rgb(40, 60, 80), 8);
    for (float side : {-1.0f, 1.0f}) {
        s.Paint(Outline(Circle(118 + side * 22, 98, 17), 5), Rgb(235, 238, 240));
        s.Paint(Circle(118 + side * 22, 98, 15), cyan, 0.35f);
    }
    s.Paint(Rectangle(62, 94, 80, 102, 3), Rgb(235, 238, 240));
    s.Paint(Rectangle(156, 94, 174, 102, 3), Rgb(235, 238, 240));
    s.Paint(Capsule({101, 98}, {135, 98}, 2.5f), Rgb(235, 238, 240));
    // A small nose and a wide, easy grin.
    s.Paint(Ellipse(118, 118, 5, 3.5f), Rgb(90, 40, 20));
    s.Paint(Subtract(Ellipse(118, 128, 14, 8), Rectangle(100, 116, 136, 128)), Rgb(90, 30, 20));
}

void Vavedodev(Sitter& s) {
    const Colour purple = RaceMain(Race::Vavedodev), lime = RaceTrim(Race::Vavedodev);
    // A narrow lime-trimmed collar.
    s.Paint(Polygon({{50, 200}, {70, 160}, {166, 160}, {186, 200}}),
            Shaded(Scale(purple, 0.7f), 118, 180, 80));
    s.Paint(Polygon({{80, 160}, {118, 184}, {156, 160}, {150, 154}, {118, 172}, {86, 154}}), lime);
    // Huge bat ears with lime insides.
    for (float side : {-1.0f, 1.0f}) {
        s.Paint(Polygon({{118 + side * 30, 86},
                         {118 + side * 108, 40},
                         {118 + side * 88, 84},
                         {118 + side * 96, 112},
                         {118 + side * 40, 116}}),
                Shaded(purple, 118 + side * 70, 70, 50, 0.35f));
        s.Paint(Polygon({{118 + side * 44, 92},
                         {118 + side * 96, 56},
                         {118 + side * 78, 88},
                         {118 + side * 84, 104},
                         {118 + side * 48, 108}}),
                Scale(lime, 0.75f));
    }
    // A pointed head with two stubby horns.
    for (float side : {-1.0f, 1.0f})
        s.Paint(Polygon({{118 + side * 14, 62}, {118 + side * 26, 36}, {118 + side * 28, 66}}),
                Rgb(236, 226, 200));
    s.Paint(Union(Ellipse(118, 104, 40, 46), Polygon({{84, 120}, {118, 158}, {152, 120}})),
            Shaded(purple, 100, 84, 60, 0.35f));
    // Lime eyes with slit pupils, slanted brows.
    for (float side : {-1.0f, 1.0f}) {
        const float x = 118 + side * 17;
        s.Paint(Ellipse(x, 98, 13, 9), lime);
        s.Paint(Ellipse(x, 98, 2.5f, 8), Rgb(20, 10, 24));
        s.Paint(Circle(x - 4, 95, 2), Rgb(255, 255, 255));
        s.Paint(Capsule({118 + side * 6, 90}, {118 + side * 30, 82}, 2.5f), Scale(purple, 0.5f));
    }
    // A wide grin full of little teeth.
    const Shape mouth = Intersect(Ellipse(118, 122, 28, 16), Rectangle(88, 122, 148, 140));
    s.Paint(mouth, Rgb(40, 10, 30));
    for (int k = 0; k < 7; ++k) {
        const float x = 96 + k * 7.3f;
        s.Paint(Polygon({{x - 3, 122}, {x + 3, 122}, {x, 129}}), Rgb(250, 250, 240));
    }
    s.Paint(Capsule({90, 122}, {146, 122}, 1.2f), Scale(purple, 0.5f));
}

void Diveroruz(Sitter& s) {
    const Colour blue = RaceMain(Race::Diveroruz), gold = RaceTrim(Race::Diveroruz);
    // Gold pauldrons over blue plate.
    s.Paint(Polygon({{26, 200}, {44, 158}, {192, 158}, {210, 200}}),
            Shaded(blue, 118, 170, 90, 0.35f));
    for (float side : {-1.0f, 1.0f})
        s.Paint(Ellipse(118 + side * 66, 168, 34, 18),
                Shaded(gold, 118 + side * 60, 160, 34, 0.4f));
    s.Paint(Polygon({{110, 158}, {126, 158}, {122, 200}, {114, 200}}), gold);
    // A plume on the crest.
    s.Paint(Polygon({{118, 20}, {150, 6}, {170, 22}, {140, 34}, {124, 44}}), Rgb(200, 30, 40));
    // The great helm: tall, rounded, ridged, with a gold rim.
    const Shape helm = Union(Ellipse(118, 88, 46, 60), Rectangle(72, 88, 164, 160, 12));
    s.Paint(helm, Shaded(blue, 96, 60, 70, 0.45f));
    s.Paint(Outline(helm, 3), gold);
    s.Paint(Capsule({118, 30}, {118, 158}, 3), gold);
    // A cross-shaped visor with the light of the eyes behind it.
    const Shape visor = Union(Rectangle(80, 92, 156, 104, 4), Rectangle(112, 92, 124, 140, 4));
    s.Paint(visor, Rgb(10, 12, 30));
    for (float side : {-1.0f, 1.0f})
        s.Paint(Ellipse(118 + side * 20, 98, 8, 3), Rgb(255, 230, 120));
    // Breathing holes.
    for (float side : {-1.0f, 1.0f})
        for (int k = 0; k < 3; ++k)
            s.Paint(Circle(118 + side * (24 + 8 * k), 130 + 4 * k, 2.2f), Rgb(10, 12, 30));
}

const char* RaceName(Race race) {
    switch (race) {
        case Race::Terran:
            return "TERRAN";
        case Race::Dovevevuzu:
            return "DOVEVEVUZU";
        case Race::Vavedodev:
            return "VAVEDODEV";
        case Race::Diveroruz:
            return "DIVERORUZ";
    }
    return "";
}

template <Race race>
void PaintPortraitPicture(Canvas& canvas, TextPainter& text) {
    canvas.Fill(Colour{0, 0, 0});
    PaintRacePortrait(canvas, text, race, 0, 0, canvas.Width() / kPortraitWidth);
}

}  // namespace

Colour RaceMain(Race race) {
    switch (race) {
        case Race::Terran:
            return Rgb(92, 107, 51);
        case Race::Dovevevuzu:
            return Rgb(236, 124, 38);
        case Race::Vavedodev:
            return Rgb(120, 56, 162);
        case Race::Diveroruz:
            return Rgb(38, 70, 178);
    }
    return Rgb(128, 128, 128);
}

Colour RaceTrim(Race race) {
    switch (race) {
        case Race::Terran:
            return Rgb(190, 172, 118);
        case Race::Dovevevuzu:
            return Rgb(244, 244, 240);
        case Race::Vavedodev:
            return Rgb(160, 230, 60);
        case Race::Diveroruz:
            return Rgb(230, 188, 70);
    }
    return Rgb(200, 200, 200);
}

void PaintRacePortrait(Canvas& canvas, TextPainter& text, Race race, float x0, float y0,
                       float scale, bool framed) {
    Sitter sitter{canvas, x0, y0, scale};
    // Inset so the frame's outline ends more than one JPEG block (8 pixels) inside the
    // picture: the edge blocks stay pure black and decode to black exactly.
    const Shape frame = Rectangle(10.5f, 9.5f, kPortraitWidth - 10.5f, kPortraitHeight - 9.5f, 12);
    if (framed) {
        const Colour main = RaceMain(race);
        sitter.Paint(frame, VerticalGradient(10, 190, Scale(main, 0.45f), Scale(main, 0.18f)));
        // A soft light behind the head.
        sitter.Paint(Circle(118, 96, 80), Scale(RaceTrim(race), 0.5f), 0.25f);
    }
    Sitter inside{canvas, x0, y0, scale};
    switch (race) {
        case Race::Terran:
            Terran(inside);
            break;
        case Race::Dovevevuzu:
            Dovevevuzu(inside);
            break;
        case Race::Vavedodev:
            Vavedodev(inside);
            break;
        case Race::Diveroruz:
            Diveroruz(inside);
            break;
    }
    if (!framed) return;
    // Cut everything outside the frame back to the key, then edge it and name the race.
    Image& image = canvas.Pixels();
    const Shape placedFrame = Placed(frame, x0, y0, scale);
    for (int py = 0; py < image.height; ++py)
        for (int px = 0; px < image.width; ++px) {
            const float x = (px + 0.5f) / canvas.ScaleX(), y = (py + 0.5f) / canvas.ScaleY();
            if (x < x0 || y < y0 || x > x0 + kPortraitWidth * scale ||
                y > y0 + kPortraitHeight * scale)
                continue;
            const float outside = placedFrame(x, y) * (canvas.ScaleX() + canvas.ScaleY()) / 2;
            if (outside > 0.5f) image.Set(px, py, Colour{0, 0, 0});
        }
    sitter.Paint(Outline(frame, 5), RaceTrim(race));
    sitter.Paint(Rectangle(58, 168, 178, 192, 6), Rgb(16, 16, 20), 0.8f);
    text.Draw(canvas, RaceName(race), x0 + 118 * scale, y0 + 186 * scale,
              {Face::SansBold, 17 * scale, RaceTrim(race), Align::Centre});
}

void AddPortraits(std::vector<UiPicture>& list) {
    list.push_back({"Art/Textures/UI/Portraits/terran_info.jpg", Format::Jpeg, true, 256, 256, 236,
                    200, PaintPortraitPicture<Race::Terran>});
    list.push_back({"Art/Textures/UI/Portraits/dovevevuzu_info.jpg", Format::Jpeg, true, 256, 256,
                    236, 200, PaintPortraitPicture<Race::Dovevevuzu>});
    list.push_back({"Art/Textures/UI/Portraits/vavedodev_info.jpg", Format::Jpeg, true, 256, 256,
                    236, 200, PaintPortraitPicture<Race::Vavedodev>});
    list.push_back({"Art/Textures/UI/Portraits/diveroruz_info.jpg", Format::Jpeg, true, 256, 256,
                    236, 200, PaintPortraitPicture<Race::Diveroruz>});
}

}  // namespace content::ui
