#pragma once
// A picture as the texture generators paint it: 8-bit channels, rows from the top of the
// picture down (the writers turn them into each format's own row order).
#include <cstdint>
#include <vector>

namespace content::texture {

struct Colour {
    float r, g, b;
};

struct Image {
    int width = 0;
    int height = 0;
    int channels = 3;  // 3 RGB or 4 RGBA
    std::vector<std::uint8_t> pixels;

    Image() = default;
    Image(int width, int height, int channels = 3);
    std::uint8_t* At(int x, int y) {
        return pixels.data() + (static_cast<std::size_t>(y) * width + x) * channels;
    }
    const std::uint8_t* At(int x, int y) const {
        return pixels.data() + (static_cast<std::size_t>(y) * width + x) * channels;
    }
    // Colour channels from 0 to 1, clamped.
    void Set(int x, int y, Colour colour, float alpha = 1.0f);
    Colour Get(int x, int y) const;
};

// The picture upside down: the room's box mapping puts a texture's bottom row at the top
// of a wall, so wall pictures are stored this way round to appear upright.
Image FlipVertically(const Image& image);

}  // namespace content::texture
