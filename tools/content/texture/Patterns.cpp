#include "tools/content/texture/Patterns.h"

#include <algorithm>
#include <cmath>

namespace content::texture {
namespace {

std::uint32_t Hash(std::uint32_t x, std::uint32_t y, std::uint32_t seed) {
    std::uint32_t h = x * 0x8da6b343u ^ y * 0xd8163841u ^ seed * 0xcb1ab31fu;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return h;
}

float Random01(std::uint32_t x, std::uint32_t y, std::uint32_t seed) {
    return static_cast<float>(Hash(x, y, seed) & 0xFFFFFF) / static_cast<float>(0xFFFFFF);
}

float Smooth(float t) {
    return t * t * (3.0f - 2.0f * t);
}

Colour Mix(Colour a, Colour b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Colour Scale(Colour c, float factor) {
    return {c.r * factor, c.g * factor, c.b * factor};
}

// A few octaves of tiled noise, each twice as fine and half as strong.
float Fractal(float u, float v, int basePeriod, int octaves, std::uint32_t seed) {
    float sum = 0.0f;
    float weight = 1.0f;
    float total = 0.0f;
    int period = basePeriod;
    for (int octave = 0; octave < octaves; ++octave) {
        sum += weight * TiledNoise(u * period, v * period, period, seed + octave * 101);
        total += weight;
        weight *= 0.5f;
        period *= 2;
    }
    return sum / total;
}

}  // namespace

float TiledNoise(float x, float y, int period, std::uint32_t seed) {
    const float fx = std::floor(x);
    const float fy = std::floor(y);
    const int x0 = ((static_cast<int>(fx) % period) + period) % period;
    const int y0 = ((static_cast<int>(fy) % period) + period) % period;
    const int x1 = (x0 + 1) % period;
    const int y1 = (y0 + 1) % period;
    const float tx = Smooth(x - fx);
    const float ty = Smooth(y - fy);
    const auto at = [&](int px, int py) {
        return Random01(static_cast<std::uint32_t>(px), static_cast<std::uint32_t>(py), seed);
    };
    const float top = at(x0, y0) + (at(x1, y0) - at(x0, y0)) * tx;
    const float bottom = at(x0, y1) + (at(x1, y1) - at(x0, y1)) * tx;
    return top + (bottom - top) * ty;
}

Image PaintTiles(int size, const TilesLook& look, std::uint32_t seed) {
    Image image(size, size);
    const int tileSize = size / look.tilesAcross;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const int tx = x / tileSize;
            const int ty = y / tileSize;
            const int inX = x % tileSize;
            const int inY = y % tileSize;
            const float u = static_cast<float>(x) / size;
            const float v = static_cast<float>(y) / size;
            // Grout straddles the tile edges, so the picture's own edges join seamlessly.
            const int half = look.groutPixels / 2;
            const bool grout = inX < half || inX >= tileSize - (look.groutPixels - half) ||
                               inY < half || inY >= tileSize - (look.groutPixels - half);
            if (grout) {
                image.Set(x, y, Scale(look.grout, 0.9f + 0.2f * Fractal(u, v, 16, 2, seed)));
                continue;
            }
            const Colour base = (tx + ty) % 2 == 0 ? look.tile : look.alternate;
            // Each tile is a touch lighter or darker than its neighbours, and glazed: a soft
            // sheen toward one corner.
            const float perTile = 0.94f + 0.08f * Random01(tx, ty, seed);
            const float sheen =
                1.0f + 0.05f * (1.0f - static_cast<float>(inX + inY) / (2.0f * tileSize));
            const float speckle = 0.97f + 0.05f * Fractal(u, v, 32, 3, seed + 7);
            image.Set(x, y, Scale(base, perTile * sheen * speckle));
        }
    }
    return image;
}

Image PaintWood(int size, const WoodLook& look, std::uint32_t seed) {
    Image image(size, size);
    const int plankHeight = size / look.planksDown;
    for (int y = 0; y < size; ++y) {
        const int plank = y / plankHeight;
        const int inPlank = y % plankHeight;
        // The butt joint of each plank sits somewhere else along it.
        // (Away from the picture's edges, where it would read as a seam of the tiling.)
        const int joint = size / 16 + static_cast<int>(Random01(plank, 0, seed) * size * 7 / 8);
        const float plankTone = 0.8f + 0.35f * Random01(plank, 1, seed);
        for (int x = 0; x < size; ++x) {
            const float u = static_cast<float>(x) / size;
            const float v = static_cast<float>(y) / size;
            if (inPlank == 0 || inPlank == plankHeight - 1 || std::abs(x - joint) < 1) {
                image.Set(x, y, Scale(look.dark, 0.5f));
                continue;
            }
            // Grain: stretched noise bent into rings.
            const float warp = Fractal(u, v * 4.0f, 2, 3, seed + plank * 13);
            const float rings =
                0.5f + 0.5f * std::sin((v * look.planksDown * 6.0f + warp * 8.0f) * 6.2831853f);
            const float fibre = Fractal(u, v * 8.0f, 2, 3, seed + 3);
            const float grain = std::clamp(0.55f * rings + 0.45f * fibre, 0.0f, 1.0f);
            image.Set(x, y, Scale(Mix(look.light, look.dark, grain), plankTone));
        }
    }
    return image;
}

Image PaintCarpet(int size, const CarpetLook& look, std::uint32_t seed) {
    Image image(size, size);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const float u = static_cast<float>(x) / size;
            const float v = static_cast<float>(y) / size;
            const float speckle = Random01(x, y, seed) - 0.5f;
            const float blotch = Fractal(u, v, 4, 3, seed + 1) - 0.5f;
            image.Set(x, y, Scale(look.base, 1.0f + look.pile * speckle + look.blotches * blotch));
        }
    }
    return image;
}

namespace {

// A five-petal flower with a stem hanging below it, centred at (cx, cy), in picture
// coordinates (y grows downward).
float FlowerCoverage(float px, float py, float cx, float cy, float radius) {
    const float dx = px - cx;
    const float dy = py - cy;
    const float distance = std::sqrt(dx * dx + dy * dy);
    const float angle = std::atan2(dy, dx);
    const float petal = radius * (0.55f + 0.45f * std::fabs(std::cos(2.5f * angle)));
    if (distance < petal) return 1.0f;
    // The stem: below the head only, so the picture has a top and a bottom.
    if (dy > 0.0f && dy < radius * 2.2f && std::fabs(dx) < radius * 0.12f) return 0.8f;
    return 0.0f;
}

}  // namespace

Image PaintWallpaper(int size, const WallpaperLook& look, std::uint32_t seed) {
    Image image(size, size);
    const float stripeWidth = static_cast<float>(size) / look.stripesAcross;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const float u = static_cast<float>(x) / size;
            const float v = static_cast<float>(y) / size;
            const float inStripe = std::fmod(static_cast<float>(x), stripeWidth) / stripeWidth;
            Colour colour = inStripe < 0.35f ? look.stripe : look.ground;
            // A thin pinstripe in the middle of each ground band.
            if (std::fabs(inStripe - 0.675f) < 0.02f) colour = Mix(look.ground, look.stripe, 0.6f);
            if (look.flowers) {
                // One flower per ground band, twice down the picture, the rows offset.
                const int band = static_cast<int>(x / stripeWidth);
                const float cx = (band + 0.675f) * stripeWidth;
                for (int row = 0; row < 2; ++row) {
                    const float cy = (row + (band % 2 ? 0.75f : 0.25f)) * size / 2.0f;
                    const float coverage =
                        FlowerCoverage(x + 0.5f, y + 0.5f, cx, cy, stripeWidth * 0.16f);
                    if (coverage > 0.0f) colour = Mix(colour, look.flower, coverage);
                }
            }
            const float paper = 0.96f + 0.06f * Fractal(u, v, 16, 3, seed);
            image.Set(x, y, Scale(colour, paper));
        }
    }
    return image;
}

Image PaintPlaster(int size, const PlasterLook& look, std::uint32_t seed) {
    Image image(size, size);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const float u = static_cast<float>(x) / size;
            const float v = static_cast<float>(y) / size;
            const float trowel = Fractal(u, v, 4, 4, seed) - 0.5f;
            const float grit = Random01(x, y, seed + 5) - 0.5f;
            image.Set(x, y, Scale(look.paint, 1.0f + look.roughness * trowel + 0.03f * grit));
        }
    }
    return image;
}

}  // namespace content::texture
