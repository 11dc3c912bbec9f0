#include <SDL.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/Images.h"

namespace platform {
namespace {

constexpr std::size_t kFileHeaderBytes = 14;
constexpr std::size_t kCoreHeaderBytes = 12;
// Where an info header keeps its bits per pixel and its compression.
constexpr std::size_t kBitCountAt = kFileHeaderBytes + 14;
constexpr std::size_t kCompressionAt = kFileHeaderBytes + 16;
constexpr std::uint32_t kBitFields = 3;
constexpr std::uint32_t kAlphaBitFields = 6;

std::int32_t ReadInt32(const unsigned char* at) {
    return static_cast<std::int32_t>(
        static_cast<std::uint32_t>(at[0]) | static_cast<std::uint32_t>(at[1]) << 8 |
        static_cast<std::uint32_t>(at[2]) << 16 | static_cast<std::uint32_t>(at[3]) << 24);
}

int ReadUint16(const unsigned char* at) {
    return at[0] | at[1] << 8;
}

// The picture's size from its header, checked before the platform reader allocates for it.
bool CheckHeader(const unsigned char* data, std::size_t size, std::string& error) {
    if (size < kFileHeaderBytes + 4 || data[0] != 'B' || data[1] != 'M') {
        error = "not a BMP file";
        return false;
    }
    const std::int32_t infoBytes = ReadInt32(data + kFileHeaderBytes);
    long long width = 0;
    long long height = 0;
    if (infoBytes == static_cast<std::int32_t>(kCoreHeaderBytes)) {
        if (size < kFileHeaderBytes + kCoreHeaderBytes) {
            error = "truncated BMP header";
            return false;
        }
        width = ReadUint16(data + kFileHeaderBytes + 4);
        height = ReadUint16(data + kFileHeaderBytes + 6);
    } else {
        if (infoBytes < 40 || size < kFileHeaderBytes + 40) {
            error = "truncated BMP header";
            return false;
        }
        width = ReadInt32(data + kFileHeaderBytes + 4);
        height = std::llabs(ReadInt32(data + kFileHeaderBytes + 8));
    }
    if (width <= 0 || height <= 0 || width > kMaxImageSide || height > kMaxImageSide) {
        error = "BMP size out of range";
        return false;
    }
    return true;
}

// Alpha bit fields keep the red, green and blue masks where plain bit fields keep them, with
// the alpha mask after them, which the rows we make have no use for. SDL's reader does not
// know them and would take the pixels as uncompressed: it reads them as bit fields instead.
// False for a depth that bit fields cannot have.
bool ReadAlphaBitFieldsAsBitFields(std::vector<unsigned char>& copy, std::string& error) {
    const int bits = ReadUint16(copy.data() + kBitCountAt);
    if (bits != 16 && bits != 32) {
        error = "BMP alpha bit fields at " + std::to_string(bits) + " bits";
        return false;
    }
    copy[kCompressionAt] = static_cast<unsigned char>(kBitFields);
    return true;
}

}  // namespace

bool DecodeBmp(const unsigned char* data, std::size_t size, RgbImage& image, std::string& error) {
    image = RgbImage{};
    if (!data || !CheckHeader(data, size, error)) return false;
    std::vector<unsigned char> rewritten;
    const bool infoHeader = ReadInt32(data + kFileHeaderBytes) >= 40;
    if (infoHeader &&
        static_cast<std::uint32_t>(ReadInt32(data + kCompressionAt)) == kAlphaBitFields) {
        rewritten.assign(data, data + size);
        if (!ReadAlphaBitFieldsAsBitFields(rewritten, error)) return false;
        data = rewritten.data();
    }
    SDL_RWops* stream = SDL_RWFromConstMem(data, static_cast<int>(size));
    if (!stream) {
        error = SDL_GetError();
        return false;
    }
    SDL_Surface* loaded = SDL_LoadBMP_RW(stream, 1);
    if (!loaded) {
        error = SDL_GetError();
        return false;
    }
    SDL_Surface* rgb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGB24, 0);
    SDL_FreeSurface(loaded);
    if (!rgb) {
        error = SDL_GetError();
        return false;
    }
    const std::size_t rowBytes = static_cast<std::size_t>(rgb->w) * 3;
    image.width = rgb->w;
    image.height = rgb->h;
    image.pixels.resize(rowBytes * static_cast<std::size_t>(rgb->h));
    const bool locked = SDL_LockSurface(rgb) == 0;
    if (locked) {
        // The surface holds the top row first; the game's rows run from the bottom up.
        const auto* source = static_cast<const unsigned char*>(rgb->pixels);
        for (int row = 0; row < rgb->h; ++row)
            std::memcpy(image.pixels.data() + static_cast<std::size_t>(rgb->h - 1 - row) * rowBytes,
                        source + static_cast<std::size_t>(row) * rgb->pitch, rowBytes);
        SDL_UnlockSurface(rgb);
    }
    SDL_FreeSurface(rgb);
    if (!locked) {
        image = RgbImage{};
        error = "BMP pixels could not be read";
    }
    return locked;
}

}  // namespace platform
