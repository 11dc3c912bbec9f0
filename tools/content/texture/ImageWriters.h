#pragma once
// The three picture formats the game reads, written from a picture held top row first.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "tools/content/texture/Image.h"

namespace content::texture {

// 24-bit uncompressed BMP (RGB pictures only). Rows are padded to four bytes; by default
// they are stored bottom row first as a DIB keeps them, `topDown` stores them the other way.
std::vector<std::uint8_t> EncodeBmp(const Image& image, bool topDown = false);
// Baseline JPEG of an RGB picture. `fullChroma` keeps colour at full resolution (4:4:4)
// instead of halving it, for pictures whose edges must stay exact.
bool EncodeJpeg(const Image& image, int quality, std::vector<std::uint8_t>& bytes,
                std::string& error, bool fullChroma = false);
// Uncompressed true-colour TGA, 24 bits for RGB and 32 for RGBA, origin bottom left.
std::vector<std::uint8_t> EncodeTga(const Image& image);

bool WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes,
               std::string& error);

}  // namespace content::texture
