// The full-screen and logo pictures: the black backdrop of the intro, the school's emblem,
// the team's logo, the scrolling star field, the game's logo and the scratched metal panel
// on which the selection menus turn their vehicles.
#include <cmath>
#include <cstdint>

#include "tools/content/texture/Patterns.h"
#include "tools/content/ui/UiArt.h"

namespace content::ui {
namespace {

using texture::Format;

std::uint32_t Hash(std::uint32_t n, std::uint32_t seed) {
    std::uint32_t h = n * 0x9E3779B1u ^ seed * 0x85EBCA77u;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    return h;
}

float Random01(std::uint32_t n, std::uint32_t seed) {
    return (Hash(n, seed) & 0xFFFFFF) / static_cast<float>(0xFFFFFF);
}

void PaintBlack(Canvas& canvas, TextPainter&) {
    canvas.Fill(Colour{0, 0, 0});
}

// The Varnoth Institute of Technology: a shield with a tower between two cogs, and its
// letters. Shown at half size on the intro, so everything is bold.
void PaintVarnoth(Canvas& canvas, TextPainter& text) {
    canvas.Fill(Colour{0, 0, 0});
    const Colour gold = Rgb(222, 184, 92);
    const Colour navy = Rgb(28, 46, 96);
    const Shape shield = Polygon({{40, 24}, {216, 24}, {216, 132}, {128, 236}, {40, 132}});
    canvas.Paint(shield, VerticalGradient(24, 236, Rgb(46, 72, 140), navy));
    canvas.Paint(Outline(shield, 8), gold);
    // A band across the top of the shield for the letters.
    canvas.Paint(Intersect(shield, Rectangle(40, 24, 216, 78)), Rgb(150, 28, 36));
    canvas.Paint(Capsule({40, 78}, {216, 78}, 3), gold);
    text.Draw(canvas, "VIT", 128, 67, {Face::SerifBold, 46, gold, Align::Centre});
    // The tower with its battlements.
    const Brush stone = VerticalGradient(96, 200, Rgb(236, 232, 220), Rgb(170, 164, 150));
    canvas.Paint(Rectangle(110, 110, 146, 196), stone);
    for (float x : {110.0f, 124.0f, 138.0f}) canvas.Paint(Rectangle(x, 98, x + 8, 112), stone);
    canvas.Paint(Rectangle(122, 168, 134, 196, 6), navy);
    canvas.Paint(Rectangle(124, 126, 132, 140, 3), navy);
    // Two cogs, the engineers' mark, either side of the tower.
    for (float cx : {78.0f, 178.0f}) {
        Shape cog = Circle(cx, 150, 20);
        for (int tooth = 0; tooth < 8; ++tooth) {
            const float a = tooth * 3.14159f / 4;
            cog =
                Union(cog, Capsule({cx, 150}, {cx + 26 * std::cos(a), 150 + 26 * std::sin(a)}, 5));
        }
        canvas.Paint(Subtract(cog, Circle(cx, 150, 8)), gold);
    }
}

// The team's mark: a round emblem quartered in the four races' colours, crossed by an orbit,
// with the team's name beneath. Everything stands in the middle of the picture, so that the
// words the intro and the credits print above and below it fall on black.
void PaintTeamLogo(Canvas& canvas, TextPainter& text) {
    canvas.Fill(Colour{0, 0, 0});
    const float cx = 256, cy = 200, r = 92;
    const Colour quarters[4] = {Rgb(104, 120, 58), Rgb(232, 120, 36), Rgb(122, 56, 160),
                                Rgb(40, 72, 180)};
    for (int q = 0; q < 4; ++q) {
        const float x0 = q % 2 == 0 ? cx - r - 2 : cx;
        const float y0 = q < 2 ? cy - r - 2 : cy;
        canvas.Paint(Intersect(Circle(cx, cy, r), Rectangle(x0, y0, x0 + r + 2, y0 + r + 2)),
                     Shaded(quarters[q], cx, cy, r, 0.35f));
    }
    canvas.Paint(Outline(Circle(cx, cy, r), 6), Rgb(236, 236, 240));
    canvas.Paint(Capsule({cx - r, cy}, {cx + r, cy}, 2), Rgb(236, 236, 240));
    canvas.Paint(Capsule({cx, cy - r}, {cx, cy + r}, 2), Rgb(236, 236, 240));
    // The orbit, tilted, with a small moon on it.
    const float tilt = -0.35f;
    const Shape orbit = [=](float x, float y) {
        const float dx = x - cx, dy = y - cy;
        const float u = dx * std::cos(tilt) + dy * std::sin(tilt);
        const float v = -dx * std::sin(tilt) + dy * std::cos(tilt);
        return Ellipse(0, 0, 150, 38)(u, v);
    };
    canvas.Paint(Outline(orbit, 5), Rgb(250, 210, 90));
    canvas.Paint(
        Circle(cx + 150 * std::cos(tilt) * 0.8f, cy + 150 * std::sin(tilt) * 0.8f - 22, 11),
        Shaded(Rgb(250, 220, 120), cx + 120, cy - 70, 11));
    const Brush steel = VerticalGradient(300, 372, Rgb(250, 250, 255), Rgb(150, 160, 190));
    const TextStyle name{Face::SansBold, 96, {1, 1, 1}, Align::Centre};
    for (float dx : {-3.0f, 3.0f})
        for (float dy : {-3.0f, 3.0f})
            text.Draw(canvas, "DOVK", cx + dx, 372 + dy,
                      {Face::SansBold, 96, Rgb(30, 40, 80), Align::Centre});
    text.Draw(canvas, "DOVK", cx, 372, name, &steel);
}

// A deep star field that repeats in both directions, for it scrolls behind the menus.
void PaintStars(Canvas& canvas, TextPainter&) {
    Image& image = canvas.Pixels();
    const int w = image.width, h = image.height;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const float u = static_cast<float>(x) / w, v = static_cast<float>(y) / h;
            const float cloud = texture::TiledNoise(u * 4, v * 4, 4, 71) * 0.6f +
                                texture::TiledNoise(u * 8, v * 8, 8, 72) * 0.4f;
            const float glow = std::pow(std::max(cloud - 0.45f, 0.0f) * 1.8f, 2.0f);
            image.Set(x, y, Mix(Rgb(2, 3, 12), Rgb(54, 30, 92), glow));
        }
    // Stars: many faint, a few bright with a soft halo; drawn with wrap-around.
    for (std::uint32_t star = 0; star < 900; ++star) {
        const float sx = Random01(star, 1) * w, sy = Random01(star, 2) * h;
        const float size = Random01(star, 3);
        const float brightness = 0.35f + 0.65f * Random01(star, 4);
        const float radius = size > 0.97f ? 2.2f : (size > 0.85f ? 1.2f : 0.7f);
        const float tint = Random01(star, 5);
        const Colour colour = tint < 0.2f   ? Rgb(255, 214, 180)
                              : tint < 0.4f ? Rgb(180, 210, 255)
                                            : Rgb(255, 255, 255);
        const int reach = static_cast<int>(radius * 3) + 1;
        for (int dy = -reach; dy <= reach; ++dy)
            for (int dx = -reach; dx <= reach; ++dx) {
                const int px = static_cast<int>(sx) + dx, py = static_cast<int>(sy) + dy;
                const float d = std::hypot(px + 0.5f - sx, py + 0.5f - sy) / radius;
                const float light = brightness * std::exp(-d * d * 1.5f);
                canvas.BlendPixel((px % w + w) % w, (py % h + h) % h, colour, light);
            }
    }
}

// The game's name over the menus. Keyed: the black around the letters is left out, so the
// letters keep a margin of black all round.
void PaintBraskLogo(Canvas& canvas, TextPainter& text) {
    canvas.Fill(Colour{0, 0, 0});
    const float cx = 275, baseline = 96;
    // A swoosh under the letters, orange into red.
    const Shape swoosh = Subtract(Ellipse(cx, 100, 230, 20), Ellipse(cx + 20, 92, 236, 18));
    canvas.Paint(swoosh, [](float x, float) {
        return Mix(Rgb(255, 190, 60), Rgb(200, 40, 30), (x - 45) / 460);
    });
    const TextStyle letters{Face::SansBold, 104, {1, 1, 1}, Align::Centre};
    const TextStyle rim{Face::SansBold, 104, Rgb(70, 22, 12), Align::Centre};
    for (int k = 0; k < 12; ++k) {
        const float a = k * 3.14159f / 6;
        text.Draw(canvas, "BRASK", cx + 4 * std::cos(a), baseline + 4 * std::sin(a), rim);
    }
    const Brush metal = [](float, float y) {
        // Bright steel above the middle line, hot gold below it.
        return y < 58 ? Mix(Rgb(255, 255, 240), Rgb(255, 226, 140), (y - 20) / 38)
                      : Mix(Rgb(255, 176, 60), Rgb(214, 84, 24), (y - 58) / 40);
    };
    text.Draw(canvas, "BRASK", cx, baseline, letters, &metal);
}

// Brushed gunmetal with scratches and rivets, the stage of the vehicle selector.
void PaintScratchPanel(Canvas& canvas, TextPainter&) {
    canvas.Fill(Colour{0, 0, 0});
    const float w = canvas.Width(), h = canvas.Height();
    const Shape panel = Rectangle(6, 6, w - 6, h - 6, 18);
    canvas.Paint(panel, [](float x, float y) {
        const float grain = texture::TiledNoise(x * 0.9f, y * 0.04f, 512, 81);
        return Mix(Rgb(58, 62, 72), Rgb(84, 90, 102), grain);
    });
    for (std::uint32_t k = 0; k < 70; ++k) {
        const float x = 20 + Random01(k, 11) * (w - 40), y = 20 + Random01(k, 12) * (h - 40);
        const float angle = -0.6f + 1.2f * Random01(k, 13);
        const float length = 10 + 50 * Random01(k, 14);
        const Point a{x, y}, b{x + length * std::cos(angle), y + length * std::sin(angle)};
        canvas.Paint(Intersect(Capsule(a, b, 0.6f), panel), Rgb(170, 176, 188),
                     0.25f + 0.4f * Random01(k, 15));
    }
    // A bevel: light along the top and left, dark along the bottom and right.
    canvas.Paint(Outline(Rectangle(9, 9, w - 9, h - 9, 16), 3), [=](float x, float y) {
        return x / w + y / h < 1.0f ? Rgb(150, 156, 170) : Rgb(30, 32, 38);
    });
    canvas.Paint(Outline(panel, 2), Rgb(110, 116, 128));
    for (float x : {22.0f, w - 22})
        for (float y : {22.0f, h - 22})
            canvas.Paint(Circle(x, y, 5), Shaded(Rgb(150, 154, 164), x, y, 5));
}

}  // namespace

void AddBackgrounds(std::vector<UiPicture>& list) {
    list.push_back(
        {"Art/Textures/UI/Backgrounds/black.jpg", Format::Jpeg, false, 64, 64, 64, 64, PaintBlack});
    list.push_back({"Art/Textures/UI/Backgrounds/varnoth.jpg", Format::Jpeg, false, 256, 256, 256,
                    256, PaintVarnoth});
    list.push_back({"Art/Textures/UI/Backgrounds/dovk-logo2.jpg", Format::Jpeg, false, 512, 512,
                    512, 512, PaintTeamLogo});
    list.push_back({"Art/Textures/UI/Backgrounds/Stars.jpg", Format::Jpeg, false, 512, 512, 1024,
                    768, PaintStars});
    list.push_back({"Art/Textures/UI/Backgrounds/brask_logo.jpg", Format::Jpeg, true, 512, 128, 550,
                    125, PaintBraskLogo});
    list.push_back({"Art/Textures/UI/Backgrounds/scratch.bmp", Format::Bmp, true, 512, 256, 500,
                    200, PaintScratchPanel});
}

}  // namespace content::ui
