#pragma once
// Procedural room surfaces. Every pattern tiles seamlessly: the room repeats its textures
// across the floor and up the walls.
#include <cstdint>

#include "tools/content/texture/Image.h"

namespace content::texture {

// Square floor or wall tiles with grout lines; `alternate` differs from `tile` for a
// checkerboard.
struct TilesLook {
    int tilesAcross;
    Colour tile;
    Colour alternate;
    Colour grout;
    int groutPixels;
};

// Floorboards running along the picture's width.
struct WoodLook {
    int planksDown;
    Colour light;
    Colour dark;
};

// A fine pile with soft blotches.
struct CarpetLook {
    Colour base;
    float pile;      // strength of the per-pixel speckle
    float blotches;  // strength of the large, soft variation
};

// Vertical stripes, optionally with a small flower between them.
struct WallpaperLook {
    int stripesAcross;
    Colour ground;
    Colour stripe;
    bool flowers;
    Colour flower;
};

// A painted, slightly uneven plaster wall.
struct PlasterLook {
    Colour paint;
    float roughness;
};

Image PaintTiles(int size, const TilesLook& look, std::uint32_t seed);
Image PaintWood(int size, const WoodLook& look, std::uint32_t seed);
Image PaintCarpet(int size, const CarpetLook& look, std::uint32_t seed);
Image PaintWallpaper(int size, const WallpaperLook& look, std::uint32_t seed);
Image PaintPlaster(int size, const PlasterLook& look, std::uint32_t seed);

// Smooth value noise in [0, 1] that repeats every `period` lattice cells; x and y are in
// lattice cells.
float TiledNoise(float x, float y, int period, std::uint32_t seed);

}  // namespace content::texture
