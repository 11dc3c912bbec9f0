// The room textures the content tool makes, read back with the game's own readers.
#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include "platform/Images.h"
#include "render/JpegReader.h"
#include "tools/content/texture/GenerateTextures.h"

namespace content::texture {
void PrintTo(const TextureFile& texture, std::ostream* out) {
    *out << texture.name;
}
}  // namespace content::texture

namespace {

bool PowerOfTwo(int side) {
    return side > 0 && (side & (side - 1)) == 0;
}

using content::texture::Format;
using content::texture::TextureFile;

class RoomTextureTest : public ::testing::TestWithParam<TextureFile> {};

TEST_P(RoomTextureTest, IsAPowerOfTwoPictureThatTheGamesReaderTakes) {
    const TextureFile& texture = GetParam();
    const std::string name = texture.name;
    std::vector<std::uint8_t> bytes;
    std::string error;
    ASSERT_TRUE(content::texture::EncodeTexture(texture.paint(), texture.format, texture.wall,
                                                bytes, error))
        << error;
    int width = 0, height = 0;
    if (texture.format == Format::Bmp) {
        EXPECT_TRUE(name.ends_with(".bmp"));
        platform::RgbImage image;
        ASSERT_TRUE(platform::DecodeBmp(bytes.data(), bytes.size(), image, error)) << error;
        width = image.width;
        height = image.height;
    } else {
        ASSERT_EQ(texture.format, Format::Jpeg);
        EXPECT_TRUE(name.ends_with(".jpg"));
        JpegImage image;
        ASSERT_TRUE(DecodeJpeg(bytes.data(), bytes.size(), image, error)) << error;
        width = image.width;
        height = image.height;
    }
    EXPECT_TRUE(PowerOfTwo(width)) << width;
    EXPECT_TRUE(PowerOfTwo(height)) << height;
}

// Textures repeat across the floor and up the walls: opposite edges must meet.
TEST_P(RoomTextureTest, TilesWithoutASeam) {
    const content::texture::Image picture = GetParam().paint();
    const int w = picture.width, h = picture.height;
    auto difference = [&](int x0, int y0, int x1, int y1) {
        const content::texture::Colour a = picture.Get(x0, y0), b = picture.Get(x1, y1);
        return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b);
    };
    float across = 0.0f, inside = 0.0f;
    for (int y = 0; y < h; ++y) {
        across += difference(w - 1, y, 0, y);
        inside += difference(w / 2 - 1, y, w / 2, y);
    }
    for (int x = 0; x < w; ++x) {
        across += difference(x, h - 1, x, 0);
        inside += difference(x, h / 2 - 1, x, h / 2);
    }
    // The wrap-around seam is no rougher than a seam through the middle, give or take.
    EXPECT_LT(across, inside * 1.5f + 4.0f);
}

INSTANTIATE_TEST_SUITE_P(Content, RoomTextureTest,
                         ::testing::ValuesIn(content::texture::RoomTextures()),
                         [](const ::testing::TestParamInfo<TextureFile>& info) {
                             std::string name = info.param.name;
                             for (char& c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             return name;
                         });

}  // namespace
