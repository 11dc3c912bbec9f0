#include "render/TgaReader.h"

#include <algorithm>
#include <cstring>

#include "platform/Images.h"

namespace {

// No image id, no colour map, image type 2 (uncompressed true colour), origin (0, 0).
constexpr unsigned char kUncompressedHeader[12] = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};
constexpr std::size_t kHeaderBytes = 18;
// Descriptor bit 5: the first row in the file is the picture's top row.
constexpr unsigned char kTopOrigin = 0x20;

}  // namespace

bool DecodeTga(const unsigned char* data, std::size_t size, TgaImage& image) {
    image = TgaImage{};
    if (!data || size < kHeaderBytes) return false;
    if (std::memcmp(data, kUncompressedHeader, sizeof kUncompressedHeader) != 0) return false;
    const int width = data[12] | data[13] << 8;
    const int height = data[14] | data[15] << 8;
    const int bits = data[16];
    if (width == 0 || height == 0 || (bits != 24 && bits != 32)) return false;
    if (width > platform::kMaxImageSide || height > platform::kMaxImageSide) return false;
    const std::size_t bytesPerPixel = static_cast<std::size_t>(bits / 8);
    const std::size_t pixelBytes =
        bytesPerPixel * static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    // A short file would leave pixels unset.
    if (size - kHeaderBytes < pixelBytes) return false;
    image.pixels.assign(data + kHeaderBytes, data + kHeaderBytes + pixelBytes);
    // The rows are kept bottom row first, the order OpenGL takes them in.
    if (data[17] & kTopOrigin) {
        const std::size_t rowBytes = bytesPerPixel * static_cast<std::size_t>(width);
        for (std::size_t top = 0, bottom = static_cast<std::size_t>(height) - 1; top < bottom;
             ++top, --bottom)
            std::swap_ranges(
                image.pixels.begin() + static_cast<std::ptrdiff_t>(top * rowBytes),
                image.pixels.begin() + static_cast<std::ptrdiff_t>((top + 1) * rowBytes),
                image.pixels.begin() + static_cast<std::ptrdiff_t>(bottom * rowBytes));
    }
    for (std::size_t at = 0; at < pixelBytes; at += bytesPerPixel)
        std::swap(image.pixels[at], image.pixels[at + 2]);
    image.width = width;
    image.height = height;
    image.bitsPerPixel = bits;
    return true;
}
