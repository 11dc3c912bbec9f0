#include "tools/content/particle/GenerateParticleImages.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "tools/content/texture/ImageWriters.h"
#include "tools/content/texture/Patterns.h"

namespace content::particle {
namespace {

using texture::Colour;
using texture::Image;
using texture::TiledNoise;

constexpr float kPi = 3.14159265f;
// Colour-keyed frames: anything at or below (2, 2, 2) vanishes, so every shown pixel keeps
// one channel well above it.
constexpr float kKeyedFloor = 12.0f / 255.0f;
constexpr int kFireFrames = 8;
constexpr int kBoltFrames = 4;

float Clamp01(float v) {
    return std::clamp(v, 0.0f, 1.0f);
}

float SmoothStep(float edge0, float edge1, float x) {
    const float t = Clamp01((x - edge0) / (edge1 - edge0));
    return t * t * (3.0f - 2.0f * t);
}

Colour Mix(Colour a, Colour b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

// Distance from the centre in units of the half side, and the angle.
void Polar(int x, int y, int size, float* r, float* angle) {
    const float half = size / 2.0f;
    const float dx = (x + 0.5f - half) / half;
    const float dy = (y + 0.5f - half) / half;
    *r = std::sqrt(dx * dx + dy * dy);
    *angle = std::atan2(dy, dx);
}

// Noise around a circle, seamless in the angle.
float RimNoise(float angle, float scale, std::uint32_t seed) {
    const int period = 8;
    return TiledNoise((angle + kPi) / (2.0f * kPi) * period, scale, period, seed);
}

// A white glow fading softly to nothing at the rim: flares and light circles.
Image Glow(int size) {
    Image image(size, size, 4);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            float r, angle;
            Polar(x, y, size, &r, &angle);
            // A bright core with a soft halo: alpha blending needs a solid middle to glow.
            const float fall = Clamp01(1.0f - r);
            image.Set(x, y, {1, 1, 1}, Clamp01(1.8f * std::pow(fall, 1.6f)));
        }
    return image;
}

// A bright ring with a faint inside: the light circles of impacts and trails.
Image Ring(int size) {
    Image image(size, size, 4);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            float r, angle;
            Polar(x, y, size, &r, &angle);
            const float band = std::exp(-std::pow((r - 0.68f) / 0.13f, 2.0f));
            const float inside = 0.25f * Clamp01(1.0f - r / 0.7f);
            image.Set(x, y, {1, 1, 1}, Clamp01(band + inside) * SmoothStep(1.0f, 0.9f, r));
        }
    return image;
}

// A billowing puff, lighter on top: smoke and dust (tinted by the script's colour).
Image Smoke(int size, std::uint32_t seed) {
    Image image(size, size, 4);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            float r, angle;
            Polar(x, y, size, &r, &angle);
            const float u = static_cast<float>(x) / size;
            const float v = static_cast<float>(y) / size;
            const float n = 0.55f * TiledNoise(u * 4, v * 4, 4, seed) +
                            0.3f * TiledNoise(u * 8, v * 8, 8, seed + 7) +
                            0.15f * TiledNoise(u * 16, v * 16, 16, seed + 13);
            const float edge = 0.75f + 0.25f * RimNoise(angle, 1.0f, seed + 3);
            const float body = SmoothStep(edge, edge * 0.45f, r);
            const float shade = 0.7f + 0.3f * (1.0f - v) * 0.6f + 0.25f * n;
            image.Set(x, y, {shade, shade, shade}, body * (0.45f + 0.55f * n));
        }
    return image;
}

// A burnt scorch mark with a ragged edge: the crater left on the floor.
Image Crater(int size, std::uint32_t seed) {
    Image image(size, size, 4);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            float r, angle;
            Polar(x, y, size, &r, &angle);
            const float u = static_cast<float>(x) / size;
            const float v = static_cast<float>(y) / size;
            const float n = TiledNoise(u * 8, v * 8, 8, seed);
            const float edge = 0.8f + 0.18f * RimNoise(angle, 2.0f, seed + 5);
            const float soot = SmoothStep(edge, edge * 0.55f, r);
            // A darker pit and a brown, slightly lighter ring of scattered ash.
            const Colour pit{0.05f, 0.045f, 0.04f};
            const Colour ash{0.22f, 0.17f, 0.12f};
            const Colour c = Mix(pit, ash, SmoothStep(0.15f, 0.7f, r) * (0.6f + 0.4f * n));
            image.Set(x, y, c, soot * (0.75f + 0.25f * n));
        }
    return image;
}

// A falling drop: a thin, bright streak with a round head at the bottom.
Image Drop(int width, int height) {
    Image image(width, height, 4);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const float dx = (x + 0.5f - width / 2.0f) / (width / 2.0f);
            const float t = (y + 0.5f) / height;  // 0 at the top
            const float thickness = 0.25f + 0.75f * t * t;
            const float across = Clamp01(1.0f - std::fabs(dx) / thickness);
            const float along = SmoothStep(0.0f, 0.35f, t) * SmoothStep(1.0f, 0.88f, t);
            const Colour c{0.8f + 0.2f * across, 0.9f + 0.1f * across, 1.0f};
            image.Set(x, y, c, across * along);
        }
    return image;
}

// Frame `frame` of a fireball that swells, cools from white-yellow through orange and red
// and ends as dark smoke.
Image Fire(int size, int frame) {
    Image image(size, size);
    const float t = static_cast<float>(frame) / (kFireFrames - 1);
    const float radius = 0.55f + 0.4f * t;
    const Colour hot{1.0f, 0.97f, 0.75f};
    const Colour orange{1.0f, 0.55f, 0.12f};
    const Colour red{0.75f, 0.18f, 0.05f};
    const Colour smoke{0.22f, 0.2f, 0.19f};
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            float r, angle;
            Polar(x, y, size, &r, &angle);
            const float rim = radius * (0.72f + 0.28f * RimNoise(angle, 0.5f + t * 3.0f, 91));
            if (r > rim) {
                image.Set(x, y, {0, 0, 0});
                continue;
            }
            const float u = static_cast<float>(x) / size;
            const float v = static_cast<float>(y) / size;
            const float n = TiledNoise(u * 8 + t * 3, v * 8, 8, 17 + frame);
            const float depth = r / rim;  // 0 at the core
            // The core cools with the frame; the outside is always the cooler colour.
            const float heat = Clamp01(1.05f - t * 0.85f - depth * 0.5f + 0.25f * (n - 0.5f));
            Colour c = heat > 0.66f   ? Mix(orange, hot, (heat - 0.66f) / 0.34f)
                       : heat > 0.33f ? Mix(red, orange, (heat - 0.33f) / 0.33f)
                                      : Mix(smoke, red, heat / 0.33f);
            c.r = std::max(c.r, kKeyedFloor);
            c.g = std::max(c.g, kKeyedFloor);
            c.b = std::max(c.b, kKeyedFloor);
            image.Set(x, y, c);
        }
    return image;
}

// A four-pointed star with a white core: a spark.
Image Spark(int size) {
    Image image(size, size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const float half = size / 2.0f;
            const float dx = std::fabs(x + 0.5f - half) / half;
            const float dy = std::fabs(y + 0.5f - half) / half;
            const float core = Clamp01(1.0f - std::sqrt(dx * dx + dy * dy) * 2.2f);
            const float rays =
                Clamp01(1.0f - dx * 1.1f - dy * 7.0f) + Clamp01(1.0f - dy * 1.1f - dx * 7.0f);
            const float light = Clamp01(core + rays);
            if (light < 0.18f) {
                image.Set(x, y, {0, 0, 0});
                continue;
            }
            image.Set(x, y, Mix({0.55f, 0.75f, 1.0f}, {1, 1, 1}, light));
        }
    return image;
}

// Frame `frame` of a jagged lightning bolt from top to bottom, white in a pale-blue glow.
Image Bolt(int width, int height, int frame) {
    Image image(width, height);
    // The bolt's centre line: a zig-zag through fixed kinks, shifted per frame.
    const int kinks = 6;
    float kinkX[kinks + 1];
    for (int k = 0; k <= kinks; ++k) {
        const float wobble = TiledNoise(static_cast<float>(k) * 1.7f, frame * 2.3f, 16, 5);
        kinkX[k] = width * (0.5f + ((k % 2) ? 0.22f : -0.22f) * (0.5f + wobble));
    }
    kinkX[0] = kinkX[kinks] = width / 2.0f;
    for (int y = 0; y < height; ++y) {
        const float along = static_cast<float>(y) / (height - 1) * kinks;
        const int k = std::min(static_cast<int>(along), kinks - 1);
        const float centre = kinkX[k] + (kinkX[k + 1] - kinkX[k]) * (along - k);
        for (int x = 0; x < width; ++x) {
            const float d = std::fabs(x + 0.5f - centre);
            if (d < 2.2f)
                image.Set(x, y, {1, 1, 1});
            else if (d < 5.0f)
                image.Set(x, y, {0.55f, 0.8f, 1.0f});
            else
                image.Set(x, y, {0, 0, 0});
        }
    }
    return image;
}

// The mine's warning sign: a yellow triangle with a dark red rim and an exclamation mark.
Image Danger(int size) {
    Image image(size, size);
    const Colour yellow{1.0f, 0.85f, 0.1f};
    const Colour rim{0.6f, 0.05f, 0.02f};
    const Colour mark{0.25f, 0.08f, 0.05f};
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            // Rows from the top: apex at the top, base near the bottom.
            const float u = (x + 0.5f) / size - 0.5f;
            const float v = (y + 0.5f) / size;
            const float top = 0.08f;
            const float bottom = 0.9f;
            const float halfWidth = (v - top) / (bottom - top) * 0.46f;
            if (v < top || v > bottom || std::fabs(u) > halfWidth) {
                image.Set(x, y, {0, 0, 0});
                continue;
            }
            const float inset = std::min({halfWidth - std::fabs(u), bottom - v, (v - top) * 0.5f});
            Colour c = inset < 0.07f ? rim : yellow;
            const bool bar = std::fabs(u) < 0.045f && v > 0.36f && v < 0.68f;
            const bool dot = std::fabs(u) < 0.045f && v > 0.74f && v < 0.8f;
            if (bar || dot) c = mark;
            image.Set(x, y, c);
        }
    return image;
}

// The HUD bar: white, lit from above, with a grey rim; the script's colour tints it.
Image Bar(int width, int height) {
    Image image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const bool edge = x == 0 || y == 0 || x == width - 1 || y == height - 1;
            const float light = 1.0f - 0.45f * static_cast<float>(y) / (height - 1);
            image.Set(x, y, edge ? Colour{0.35f, 0.35f, 0.35f} : Colour{light, light, light});
        }
    return image;
}

std::string Numbered(const char* prefix, int frame) {
    char name[64];
    std::snprintf(name, sizeof name, "%s%03d.bmp", prefix, frame + 1);
    return name;
}

}  // namespace

std::vector<ParticleImage> ParticleImages() {
    std::vector<ParticleImage> images = {
        {"glow.tga", Glow(64)},          {"ring.tga", Ring(64)},     {"smoke.tga", Smoke(64, 31)},
        {"crater.tga", Crater(128, 47)}, {"drop.tga", Drop(16, 64)}, {"spark.bmp", Spark(32)},
        {"danger.bmp", Danger(64)},      {"bar.bmp", Bar(64, 8)},
    };
    for (int frame = 0; frame < kFireFrames; ++frame)
        images.push_back({Numbered("fire", frame), Fire(64, frame)});
    for (int frame = 0; frame < kBoltFrames; ++frame)
        images.push_back({Numbered("bolt", frame), Bolt(32, 64, frame)});
    return images;
}

bool GenerateParticleImages(const std::filesystem::path& resources, std::string& error) {
    const std::filesystem::path folder = resources / "Art" / "Particles";
    std::error_code made;
    std::filesystem::create_directories(folder, made);
    if (made) {
        error = "cannot make " + folder.string() + ": " + made.message();
        return false;
    }
    for (const ParticleImage& image : ParticleImages()) {
        const bool tga = image.name.ends_with(".tga");
        const std::vector<std::uint8_t> bytes =
            tga ? texture::EncodeTga(image.picture) : texture::EncodeBmp(image.picture);
        if (!texture::WriteFile(folder / image.name, bytes, error)) return false;
    }
    return true;
}

}  // namespace content::particle
