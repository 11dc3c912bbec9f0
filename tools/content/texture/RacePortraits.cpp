#include "tools/content/texture/RacePortraits.h"

#include <algorithm>
#include <cmath>

#include "tools/content/texture/ImageWriters.h"

namespace content::texture {
namespace {

constexpr int kSize = 256;
// The menus show these pictures colour-keyed: the pure black margin around the portrait is
// transparent, and nothing inside it is dark enough to vanish. The margin leaves room for
// the dialogue text beside the portrait.
constexpr int kMargin = 24;
constexpr int kFrame = 4;
constexpr float kDarkest = 0.05f;
// Best quality keeps the black margin black where it meets the frame.
constexpr int kQuality = 100;

Colour Mix(Colour a, Colour b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Colour Shade(Colour c, float light) {
    return {std::max(c.r * light, kDarkest), std::max(c.g * light, kDarkest),
            std::max(c.b * light, kDarkest)};
}

// One race's look: backdrop, skin, suit and eyes, with the head's proportions.
struct Look {
    Colour backdropInner, backdropOuter;
    Colour skin, suit, eyes, trim;
    float headWidth, headHeight;  // radii in pixels
    float eyeSpread, eyeSize;
    bool ears;    // the Vavedodev's great ears
    bool crest;   // the Diveroruz's crest
    bool helmet;  // the terrans' helmet and visor
};

bool InEllipse(float x, float y, float cx, float cy, float rx, float ry) {
    const float dx = (x - cx) / rx;
    const float dy = (y - cy) / ry;
    return dx * dx + dy * dy <= 1.0f;
}

Image Paint(const Look& look) {
    Image image(kSize, kSize);
    const float cx = kSize / 2.0f;
    const float headY = 112.0f;
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            const float fx = x + 0.5f, fy = y + 0.5f;
            const float distance = std::hypot(fx - cx, fy - headY) / (kSize * 0.75f);
            Colour colour = Mix(look.backdropInner, look.backdropOuter, std::min(distance, 1.0f));
            // Shoulders and suit.
            if (InEllipse(fx, fy, cx, 250, 110, 70)) {
                colour = Shade(look.suit, 1.0f - (fy - 190) / 200.0f);
                if (std::fabs(fx - cx) < 8) colour = look.trim;
            }
            // Neck.
            if (std::fabs(fx - cx) < look.headWidth * 0.35f && fy > headY && fy < 200)
                colour = Shade(look.skin, 0.8f);
            if (look.ears && (InEllipse(fx, fy, cx - look.headWidth - 22, headY - 20, 34, 16) ||
                              InEllipse(fx, fy, cx + look.headWidth + 22, headY - 20, 34, 16)))
                colour = Shade(look.skin, 0.9f);
            if (look.crest && std::fabs(fx - cx) < 10 + (fy - 20) * 0.12f && fy > 20 &&
                fy < headY - look.headHeight * 0.5f)
                colour = look.trim;
            // Head, lit from the upper left.
            if (InEllipse(fx, fy, cx, headY, look.headWidth, look.headHeight)) {
                const float light = 1.05f - 0.35f * ((fx - cx) / look.headWidth + 1.0f) * 0.5f -
                                    0.2f * ((fy - headY) / look.headHeight);
                colour = Shade(look.skin, light);
                if (look.helmet && fy < headY - look.headHeight * 0.15f)
                    colour = Shade(look.suit, light * 1.1f);
            }
            // Eyes, or the visor.
            const float eyeY = headY - look.headHeight * 0.05f;
            if (look.helmet) {
                if (std::fabs(fy - eyeY) < 9 && std::fabs(fx - cx) < look.headWidth * 0.8f &&
                    InEllipse(fx, fy, cx, headY, look.headWidth, look.headHeight))
                    colour = Mix(look.eyes, {1, 1, 1}, (eyeY - fy + 9) / 40.0f);
            } else {
                for (float side : {-1.0f, 1.0f})
                    if (InEllipse(fx, fy, cx + side * look.eyeSpread, eyeY, look.eyeSize,
                                  look.eyeSize * 0.75f))
                        colour = look.eyes;
            }
            // A frame in the trim colour, inside the transparent margin.
            const int inset = std::min({x, y, kSize - 1 - x, kSize - 1 - y});
            if (inset < kMargin)
                colour = {0, 0, 0};
            else if (inset < kMargin + kFrame)
                colour = Shade(look.trim, 0.8f);
            image.Set(x, y, colour);
        }
    return image;
}

Colour Rgb(int r, int g, int b) {
    return {r / 255.0f, g / 255.0f, b / 255.0f};
}

const std::vector<RacePortrait> kPortraits = {
    // Sergeant Davavod: olive helmet and khaki suit.
    {"terran_info.jpg",
     [] {
         return Paint({Rgb(150, 160, 120), Rgb(48, 56, 40), Rgb(222, 184, 150), Rgb(92, 107, 51),
                       Rgb(120, 200, 255), Rgb(179, 163, 112), 48, 60, 18, 7, false, false, true});
     }},
    // Zuvu of the Dovevevuzu: broad white face with cyan eyes, orange suit.
    {"dovevevuzu_info.jpg",
     [] {
         return Paint({Rgb(120, 210, 230), Rgb(30, 70, 90), Rgb(240, 238, 228), Rgb(235, 120, 30),
                       Rgb(40, 240, 255), Rgb(250, 250, 245), 64, 52, 26, 12, false, false, false});
     }},
    // Gremlin Vedo: small purple face, great ears, lime eyes.
    {"vavedodev_info.jpg",
     [] {
         return Paint({Rgb(160, 220, 90), Rgb(40, 60, 25), Rgb(150, 80, 190), Rgb(90, 40, 120),
                       Rgb(190, 255, 60), Rgb(170, 230, 60), 44, 46, 17, 10, true, false, false});
     }},
    // Lancer Knight Roruz: tall blue head with a golden crest.
    {"diveroruz_info.jpg",
     [] {
         return Paint({Rgb(90, 120, 220), Rgb(20, 28, 70), Rgb(70, 100, 200), Rgb(30, 50, 140),
                       Rgb(255, 210, 80), Rgb(230, 190, 60), 40, 70, 16, 6, false, true, false});
     }},
};

}  // namespace

const std::vector<RacePortrait>& RacePortraits() {
    return kPortraits;
}

bool GenerateRacePortraits(const std::filesystem::path& resources, std::string& error) {
    const std::filesystem::path folder = resources / "Art" / "Textures" / "UI" / "Portraits";
    std::error_code made;
    std::filesystem::create_directories(folder, made);
    if (made) {
        error = "cannot make " + folder.string() + ": " + made.message();
        return false;
    }
    for (const RacePortrait& portrait : kPortraits) {
        std::vector<std::uint8_t> bytes;
        if (!EncodeJpeg(portrait.paint(), kQuality, bytes, error)) return false;
        if (!WriteFile(folder / portrait.name, bytes, error)) return false;
    }
    return true;
}

}  // namespace content::texture
