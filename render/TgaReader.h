#pragma once
// Uncompressed true-colour TGA pictures (24 or 32 bits), decoded from the file's bytes.
#include <cstddef>
#include <vector>

struct TgaImage {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;  // 24 or 32
    // Rows in the file's order, each pixel RGB or RGBA (swapped from the file's BGR(A)).
    std::vector<unsigned char> pixels;
};

// False for anything but an uncompressed 24- or 32-bit picture with no image id and no
// colour map, for a zero or oversized picture, and for a file too short for its pixels.
bool DecodeTga(const unsigned char* data, std::size_t size, TgaImage& image);
