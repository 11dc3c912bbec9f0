// The three picture readers on the bytes of a file, and the colour key.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Images.h"
#include "render/JpegReader.h"
#include "render/TextureManager.h"
#include "render/TgaReader.h"
#include "tests/app/TempDir.h"
#include "tools/content/texture/ImageWriters.h"

namespace {

using content::texture::Image;
using Bytes = std::vector<std::uint8_t>;

// A picture whose every pixel tells where it is: red = x * 40, green = y * 40, blue 200.
Image Gradient(int width, int height, int channels = 3) {
    Image image(width, height, channels);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::uint8_t* pixel = image.At(x, y);
            pixel[0] = static_cast<std::uint8_t>(x * 40);
            pixel[1] = static_cast<std::uint8_t>(y * 40);
            pixel[2] = 200;
            if (channels == 4) pixel[3] = static_cast<std::uint8_t>(100 + x + y);
        }
    return image;
}

// The pixel of picture row `row` (0 = top) in rows stored bottom row first.
const std::uint8_t* FromBottomUp(const std::vector<unsigned char>& pixels, int width, int height,
                                 int x, int row, int channels = 3) {
    return pixels.data() + (static_cast<size_t>(height - 1 - row) * width + x) * channels;
}

struct BmpCase {
    const char* name;
    int width;
    bool topDown;
};
void PrintTo(const BmpCase& c, std::ostream* out) {
    *out << c.name;
}

class BmpReaderTest : public ::testing::TestWithParam<BmpCase> {};

TEST_P(BmpReaderTest, GivesPackedRgbRowsBottomRowFirst) {
    // Widths of 3 and 5 pixels have padded rows in the file; the decoded rows are packed.
    const Image picture = Gradient(GetParam().width, 4);
    const Bytes bytes = content::texture::EncodeBmp(picture, GetParam().topDown);
    platform::RgbImage image;
    std::string error;
    ASSERT_TRUE(platform::DecodeBmp(bytes.data(), bytes.size(), image, error)) << error;
    ASSERT_EQ(image.width, picture.width);
    ASSERT_EQ(image.height, 4);
    ASSERT_EQ(image.pixels.size(), static_cast<size_t>(picture.width) * 4 * 3);
    for (int row = 0; row < 4; ++row)
        for (int x = 0; x < picture.width; ++x) {
            const std::uint8_t* pixel = FromBottomUp(image.pixels, image.width, 4, x, row);
            EXPECT_EQ(pixel[0], x * 40) << x << "," << row;
            EXPECT_EQ(pixel[1], row * 40) << x << "," << row;
            EXPECT_EQ(pixel[2], 200) << x << "," << row;
        }
}

INSTANTIATE_TEST_SUITE_P(Bmp, BmpReaderTest,
                         ::testing::Values(BmpCase{"PaddedBottomUp", 3, false},
                                           BmpCase{"PaddedTopDown", 5, true},
                                           BmpCase{"UnpaddedBottomUp", 4, false}));

// A bottom-up BMP of `width` x `height` at `bits` with alpha bit fields: red in the lowest
// byte, then green, blue and alpha, so that a reader taking the pixels as plain 32-bit ones
// (blue in the lowest byte) swaps red and blue. Picture row r, pixel x is the Gradient's.
Bytes AlphaBitFieldsBmp(int width, int height, int bits = 32) {
    const std::uint32_t offset = 14 + 40 + 16;
    const std::uint32_t rowBytes = static_cast<std::uint32_t>(width) * 4;
    Bytes b;
    auto u16 = [&](std::uint32_t v) {
        for (int i = 0; i < 2; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    };
    auto u32 = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    };
    b = {'B', 'M'};
    u32(offset + rowBytes * static_cast<std::uint32_t>(height));
    u32(0);
    u32(offset);
    u32(40);
    u32(static_cast<std::uint32_t>(width));
    u32(static_cast<std::uint32_t>(height));
    u16(1);
    u16(static_cast<std::uint32_t>(bits));
    u32(6);  // alpha bit fields
    u32(rowBytes * static_cast<std::uint32_t>(height));
    u32(2835);
    u32(2835);
    u32(0);
    u32(0);
    for (const std::uint32_t mask : {0x000000FFu, 0x0000FF00u, 0x00FF0000u, 0xFF000000u}) u32(mask);
    const Image picture = Gradient(width, height);
    for (int row = height - 1; row >= 0; --row)
        for (int x = 0; x < width; ++x) {
            const std::uint8_t* pixel = picture.At(x, row);
            b.insert(b.end(), {pixel[0], pixel[1], pixel[2], 255});
        }
    return b;
}

TEST(BmpReaderTest, AlphaBitFieldsReadTheirMasksOrAreRefused) {
    const Bytes bytes = AlphaBitFieldsBmp(4, 4);
    platform::RgbImage image;
    std::string error;
    ASSERT_TRUE(platform::DecodeBmp(bytes.data(), bytes.size(), image, error)) << error;
    ASSERT_EQ(image.width, 4);
    ASSERT_EQ(image.height, 4);
    for (int row = 0; row < 4; ++row)
        for (int x = 0; x < 4; ++x) {
            const std::uint8_t* pixel = FromBottomUp(image.pixels, 4, 4, x, row);
            EXPECT_EQ(pixel[0], x * 40) << x << "," << row;
            EXPECT_EQ(pixel[1], row * 40) << x << "," << row;
            EXPECT_EQ(pixel[2], 200) << x << "," << row;
        }
    // Bit fields come only with 16 or 32 bits a pixel.
    const Bytes odd = AlphaBitFieldsBmp(4, 4, 24);
    EXPECT_FALSE(platform::DecodeBmp(odd.data(), odd.size(), image, error));
    EXPECT_TRUE(image.pixels.empty());
}

TEST(JpegReaderTest, DecodesRgbWithThePicturesFirstRowLast) {
    // Flat bands survive the compression: top half red, bottom half blue.
    Image picture(16, 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            picture.Set(
                x, y,
                y < 8 ? content::texture::Colour{1, 0, 0} : content::texture::Colour{0, 0, 1});
    Bytes bytes;
    std::string error;
    ASSERT_TRUE(content::texture::EncodeJpeg(picture, 95, bytes, error)) << error;
    JpegImage image;
    ASSERT_TRUE(DecodeJpeg(bytes.data(), bytes.size(), image, error)) << error;
    EXPECT_EQ(image.width, 16);
    EXPECT_EQ(image.height, 16);
    EXPECT_EQ(image.rowBytes, 48);
    const std::uint8_t* firstStored = image.pixels.data();
    const std::uint8_t* lastStored = image.pixels.data() + 15 * 48;
    EXPECT_GT(lastStored[0], 200);  // the picture's top row, red
    EXPECT_LT(lastStored[2], 60);
    EXPECT_GT(firstStored[2], 200);  // its bottom row, blue
    EXPECT_LT(firstStored[0], 60);
}

struct TgaCase {
    const char* name;
    int channels;
};
void PrintTo(const TgaCase& c, std::ostream* out) {
    *out << c.name;
}

class TgaReaderTest : public ::testing::TestWithParam<TgaCase> {};

TEST_P(TgaReaderTest, SwapsBgrIntoRgbAndKeepsTheFilesRowOrder) {
    const int channels = GetParam().channels;
    const Image picture = Gradient(3, 2, channels);
    const Bytes bytes = content::texture::EncodeTga(picture);
    TgaImage image;
    ASSERT_TRUE(DecodeTga(bytes.data(), bytes.size(), image));
    EXPECT_EQ(image.bitsPerPixel, channels * 8);
    EXPECT_EQ(image.width, 3);
    EXPECT_EQ(image.height, 2);
    // The file's origin is bottom left: its first row is the picture's bottom row.
    for (int row = 0; row < 2; ++row)
        for (int x = 0; x < 3; ++x) {
            const std::uint8_t* pixel = FromBottomUp(image.pixels, 3, 2, x, row, channels);
            const std::uint8_t* expected = picture.At(x, row);
            for (int c = 0; c < channels; ++c) EXPECT_EQ(pixel[c], expected[c]) << x << "," << row;
        }
}

INSTANTIATE_TEST_SUITE_P(Tga, TgaReaderTest,
                         ::testing::Values(TgaCase{"Rgb24", 3}, TgaCase{"Rgba32", 4}));

TEST_P(TgaReaderTest, ATopLeftOriginGivesTheSamePictureAsABottomLeftOne) {
    const int channels = GetParam().channels;
    const Bytes bottomLeft = content::texture::EncodeTga(Gradient(4, 3, channels));
    // The same picture stored top row first, with the descriptor's origin bit set.
    Bytes topLeft(bottomLeft.begin(), bottomLeft.begin() + 18);
    topLeft[17] |= 0x20;
    const std::size_t rowBytes = 4u * static_cast<std::size_t>(channels);
    for (int row = 2; row >= 0; --row) {
        const auto first = bottomLeft.begin() + 18 + static_cast<std::ptrdiff_t>(row * rowBytes);
        topLeft.insert(topLeft.end(), first, first + static_cast<std::ptrdiff_t>(rowBytes));
    }
    TgaImage fromBottom;
    TgaImage fromTop;
    ASSERT_TRUE(DecodeTga(bottomLeft.data(), bottomLeft.size(), fromBottom));
    ASSERT_TRUE(DecodeTga(topLeft.data(), topLeft.size(), fromTop));
    EXPECT_EQ(fromTop.pixels, fromBottom.pixels);
}

struct RefusedTga {
    const char* name;
    size_t offset;  // byte of the header to change
    std::uint8_t value;
};
void PrintTo(const RefusedTga& c, std::ostream* out) {
    *out << c.name;
}

class RefusedTgaTest : public ::testing::TestWithParam<RefusedTga> {};

TEST_P(RefusedTgaTest, IsRefused) {
    Bytes bytes = content::texture::EncodeTga(Gradient(4, 4));
    bytes[GetParam().offset] = GetParam().value;
    TgaImage image;
    EXPECT_FALSE(DecodeTga(bytes.data(), bytes.size(), image));
    EXPECT_TRUE(image.pixels.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Tga, RefusedTgaTest,
    ::testing::Values(RefusedTga{"RunLengthEncoded", 2, 10}, RefusedTga{"ColourMapped", 2, 1},
                      RefusedTga{"HasColourMap", 1, 1}, RefusedTga{"HasImageId", 0, 4},
                      RefusedTga{"SixteenBits", 16, 16}, RefusedTga{"ZeroWidth", 12, 0},
                      RefusedTga{"ZeroHeight", 14, 0},
                      // 255 x 4 pixels need more bytes than the file holds.
                      RefusedTga{"WiderThanItsPixels", 12, 0xFF}));

TEST(TgaReaderTest, HugeSizesAreRefusedBeforeAllocating) {
    Bytes bytes = content::texture::EncodeTga(Gradient(2, 2));
    bytes[12] = bytes[13] = bytes[14] = bytes[15] = 0xFF;  // 65535 x 65535
    TgaImage image;
    EXPECT_FALSE(DecodeTga(bytes.data(), bytes.size(), image));
}

// Every prefix of a good file is refused or read, never read past, and never crashes.
TEST(BrokenPicturesTest, EveryTruncationOfEachFormatIsRefusedCleanly) {
    const Image picture = Gradient(6, 5);
    Bytes jpeg;
    std::string error;
    ASSERT_TRUE(content::texture::EncodeJpeg(picture, 80, jpeg, error));
    const Bytes bmp = content::texture::EncodeBmp(picture);
    const Bytes tga = content::texture::EncodeTga(picture);
    for (size_t length = 0; length < bmp.size(); ++length) {
        platform::RgbImage image;
        const Bytes cut(bmp.begin(), bmp.begin() + static_cast<std::ptrdiff_t>(length));
        EXPECT_FALSE(platform::DecodeBmp(cut.data(), cut.size(), image, error)) << length;
    }
    for (size_t length = 0; length < tga.size(); ++length) {
        TgaImage image;
        const Bytes cut(tga.begin(), tga.begin() + static_cast<std::ptrdiff_t>(length));
        EXPECT_FALSE(DecodeTga(cut.data(), cut.size(), image)) << length;
    }
    for (size_t length = 0; length < jpeg.size(); ++length) {
        // libjpeg pads a stream cut inside its scan with grey; a cut header is an error.
        JpegImage image;
        const Bytes cut(jpeg.begin(), jpeg.begin() + static_cast<std::ptrdiff_t>(length));
        if (DecodeJpeg(cut.data(), cut.size(), image, error)) {
            EXPECT_EQ(image.pixels.size(), 6u * 5u * 3u) << length;
        }
    }
}

TEST(BrokenPicturesTest, GarbageIsRefusedByEveryReader) {
    Bytes garbage(600);
    for (size_t i = 0; i < garbage.size(); ++i) garbage[i] = static_cast<std::uint8_t>(i * 7 + 3);
    for (Bytes start : {Bytes{'B', 'M'}, Bytes{0xFF, 0xD8, 0xFF, 0xE0}, Bytes{0, 0, 2}}) {
        Bytes bytes = garbage;
        std::copy(start.begin(), start.end(), bytes.begin());
        std::string error;
        platform::RgbImage bmp;
        JpegImage jpeg;
        TgaImage tga;
        EXPECT_FALSE(platform::DecodeBmp(bytes.data(), bytes.size(), bmp, error));
        EXPECT_FALSE(DecodeJpeg(bytes.data(), bytes.size(), jpeg, error));
        EXPECT_FALSE(error.empty());
        EXPECT_FALSE(DecodeTga(bytes.data(), bytes.size(), tga));
    }
}

TEST(BrokenPicturesTest, AnOversizedBmpHeaderIsRefusedBeforeDecoding) {
    Bytes bytes = content::texture::EncodeBmp(Gradient(2, 2));
    bytes[18] = 0xFF;  // width 0x00FF0002... far beyond any texture
    bytes[20] = 0xFF;
    platform::RgbImage image;
    std::string error;
    EXPECT_FALSE(platform::DecodeBmp(bytes.data(), bytes.size(), image, error));
    EXPECT_TRUE(image.pixels.empty());
}

TEST(ColourKeyTest, PixelsAtOrBelowTheKeyInEveryChannelBecomeTransparent) {
    const int key[3] = {2, 2, 2};
    const unsigned char rgb[] = {2, 2, 2, 3, 0, 0, 0, 0, 0, 1, 2, 3, 200, 100, 50};
    const std::vector<unsigned char> rgba = ApplyColourKey(rgb, 5, key);
    ASSERT_EQ(rgba.size(), 20u);
    const int alphas[] = {0, 255, 0, 255, 255};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(rgba[i * 4 + 3], alphas[i]) << "pixel " << i;
        for (int c = 0; c < 3; ++c) EXPECT_EQ(rgba[i * 4 + c], rgb[i * 3 + c]);
    }
}

// The manager's readers pick by the name's extension, except the TGA one.
struct NameCase {
    const char* name;
    const char* file;
    bool bmp;
    bool jpeg;
};
void PrintTo(const NameCase& c, std::ostream* out) {
    *out << c.name;
}

class ReaderNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(ReaderNameTest, TheExtensionDecidesWhichReaderReadsIt) {
    TempDir folder;
    const std::string name = GetParam().file;
    Bytes bytes;
    if (name.find(".bmp") != std::string::npos || name.find(".BMP") != std::string::npos) {
        bytes = content::texture::EncodeBmp(Gradient(4, 4));
    } else {
        std::string error;
        ASSERT_TRUE(content::texture::EncodeJpeg(Gradient(4, 4), 90, bytes, error));
    }
    const auto path = folder.Write(name, std::string(bytes.begin(), bytes.end())).string();
    TextureManager manager;
    EXPECT_EQ(manager.LoadBMP(path.c_str()) != nullptr, GetParam().bmp);
    EXPECT_EQ(manager.LoadJPEG(path.c_str()) != nullptr, GetParam().jpeg);
}

INSTANTIATE_TEST_SUITE_P(Names, ReaderNameTest,
                         ::testing::Values(NameCase{"LowerBmp", "a.bmp", true, false},
                                           NameCase{"UpperBmp", "a.BMP", true, false},
                                           NameCase{"UpperJpg", "wall.JPG", false, true},
                                           NameCase{"Jpeg", "wall.jpeg", false, true},
                                           NameCase{"MixedCaseJpgPassesNoNameTest", "wall.Jpg",
                                                    false, false}));

TEST(TgaManagerTest, TheTgaReaderLooksOnlyAtTheContentAndKeepsThePixels) {
    TempDir folder;
    const Bytes bytes = content::texture::EncodeTga(Gradient(2, 2, 4));
    const auto path = folder.Write("picture.dat", std::string(bytes.begin(), bytes.end())).string();
    TextureManager manager;
    ASSERT_TRUE(manager.LoadTGA(path.c_str()));
    EXPECT_EQ(manager.tgaBitsPerPixel, 32);
    EXPECT_EQ(manager.tgaFormat, static_cast<GLenum>(GL_RGBA));
    EXPECT_EQ(manager.tgaWidth, 2);
    EXPECT_EQ(manager.tgaPixels.size(), 16u);
    // A refused file leaves the last picture in place.
    const auto bad = folder.Write("bad.tga", "not a picture").string();
    EXPECT_FALSE(manager.LoadTGA(bad.c_str()));
    EXPECT_EQ(manager.tgaPixels.size(), 16u);
    EXPECT_FALSE(manager.LoadTGA((folder.path / "missing.tga").string().c_str()));
}

}  // namespace
