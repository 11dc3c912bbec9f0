#include "tools/content/texture/Image.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace content::texture {
namespace {

std::uint8_t ToByte(float value) {
    return static_cast<std::uint8_t>(std::lround(std::clamp(value, 0.0f, 1.0f) * 255.0f));
}

}  // namespace

Image::Image(int newWidth, int newHeight, int newChannels)
    : width(newWidth),
      height(newHeight),
      channels(newChannels),
      pixels(static_cast<std::size_t>(newWidth) * newHeight * newChannels, 0) {}

void Image::Set(int x, int y, Colour colour, float alpha) {
    std::uint8_t* pixel = At(x, y);
    pixel[0] = ToByte(colour.r);
    pixel[1] = ToByte(colour.g);
    pixel[2] = ToByte(colour.b);
    if (channels == 4) pixel[3] = ToByte(alpha);
}

Colour Image::Get(int x, int y) const {
    const std::uint8_t* pixel = At(x, y);
    return {pixel[0] / 255.0f, pixel[1] / 255.0f, pixel[2] / 255.0f};
}

Image FlipVertically(const Image& image) {
    Image flipped(image.width, image.height, image.channels);
    const std::size_t rowBytes = static_cast<std::size_t>(image.width) * image.channels;
    for (int y = 0; y < image.height; ++y)
        std::memcpy(
            flipped.pixels.data() + static_cast<std::size_t>(image.height - 1 - y) * rowBytes,
            image.pixels.data() + static_cast<std::size_t>(y) * rowBytes, rowBytes);
    return flipped;
}

}  // namespace content::texture
