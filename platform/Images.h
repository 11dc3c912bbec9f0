#pragma once
// Decoding of the BMP pictures the game ships, over the platform's own BMP reader.
#include <cstddef>
#include <string>
#include <vector>

namespace platform {

// A picture as tightly packed 24-bit RGB rows, the bottom row first (as a DIB stores them).
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> pixels;
};

// Pictures wider or taller than this are refused before anything is allocated.
constexpr int kMaxImageSide = 8192;

// Decodes a BMP file held in memory into RGB rows. On failure the image is left empty and
// `error` says why.
bool DecodeBmp(const unsigned char* data, std::size_t size, RgbImage& image, std::string& error);

}  // namespace platform
