// The menu pictures the content tool paints, read back with the game's own readers: each is
// a power-of-two picture in the format its name says; a keyed one keeps its black margin at
// or below the menus' colour key after encoding, and none of its painted shapes sinks to the
// key and turns into a hole. Every picture is also saved as the menus show it (at its shown
// size, keyed parts over a dark backdrop) under <build>/tests/ui-pictures for looking at.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "platform/Images.h"
#include "render/JpegReader.h"
#include "tests/gl/GlHarness.h"
#include "tools/content/ui/UiArt.h"

namespace content::ui {
void PrintTo(const UiPicture& picture, std::ostream* out) {
    *out << picture.path;
}
}  // namespace content::ui

namespace {

using content::ui::kMenuColourKey;
using content::ui::UiPicture;

// A source pixel this bright in every channel it uses is part of a shape, not of the margin.
constexpr int kShapeLevel = 12;

struct Decoded {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgb;  // rows from the bottom up, as the readers give them
    const unsigned char* At(int x, int y) const {  // y from the top
        return rgb.data() + (static_cast<std::size_t>(height - 1 - y) * width + x) * 3;
    }
};

content::texture::Image Paint(const UiPicture& picture) {
    static content::ui::TextPainter text;
    static bool opened = false;
    std::string error;
    if (!opened) opened = text.Open(error);
    EXPECT_TRUE(opened) << error;
    content::texture::Image image;
    EXPECT_TRUE(content::ui::PaintPicture(picture, text, image, error)) << error;
    return image;
}

bool Decode(const UiPicture& picture, const std::vector<std::uint8_t>& bytes, Decoded& out,
            std::string& error) {
    if (picture.format == content::texture::Format::Bmp) {
        platform::RgbImage image;
        if (!platform::DecodeBmp(bytes.data(), bytes.size(), image, error)) return false;
        out = {image.width, image.height, image.pixels};
        return true;
    }
    JpegImage image;
    if (!DecodeJpeg(bytes.data(), bytes.size(), image, error)) return false;
    out = {image.width, image.height, image.pixels};
    return true;
}

bool AtOrBelowKey(const unsigned char* rgb) {
    return rgb[0] <= kMenuColourKey && rgb[1] <= kMenuColourKey && rgb[2] <= kMenuColourKey;
}

bool PowerOfTwo(int side) {
    return side > 0 && (side & (side - 1)) == 0;
}

// The picture at the size the menus show it, keyed pixels over a dark blue backdrop.
void SavePreview(const UiPicture& picture, const Decoded& image) {
    const int w = static_cast<int>(picture.designWidth), h = static_cast<int>(picture.designHeight);
    std::vector<unsigned char> rgba(static_cast<std::size_t>(w) * h * 4);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const unsigned char* source = image.At(x * image.width / w, y * image.height / h);
            unsigned char* pixel = &rgba[(static_cast<std::size_t>(y) * w + x) * 4];
            const bool keyed = picture.colourKeyed && AtOrBelowKey(source);
            const unsigned char backdrop[3] = {20, 24, 56};
            for (int c = 0; c < 3; ++c) pixel[c] = keyed ? backdrop[c] : source[c];
            pixel[3] = 255;
        }
    std::string name = picture.path;
    std::replace(name.begin(), name.end(), '/', '_');
    const std::filesystem::path folder =
        std::filesystem::path(BRASK_BUILD_DIR) / "tests" / "ui-pictures";
    std::filesystem::create_directories(folder);
    EXPECT_TRUE(gltest::WritePng((folder / (name + ".png")).string(), w, h, rgba));
}

class UiPictureTest : public ::testing::TestWithParam<UiPicture> {};

TEST_P(UiPictureTest, IsAPowerOfTwoPictureInTheFormatItsNameSays) {
    const UiPicture& picture = GetParam();
    const std::string path = picture.path;
    EXPECT_TRUE(path.ends_with(picture.format == content::texture::Format::Bmp ? ".bmp" : ".jpg"));
    const content::texture::Image painted = Paint(picture);
    std::vector<std::uint8_t> bytes;
    std::string error;
    ASSERT_TRUE(content::ui::EncodePicture(picture, painted, bytes, error)) << error;
    Decoded image;
    ASSERT_TRUE(Decode(picture, bytes, image, error)) << error;
    EXPECT_EQ(image.width, picture.pixelWidth);
    EXPECT_EQ(image.height, picture.pixelHeight);
    EXPECT_TRUE(PowerOfTwo(image.width) && PowerOfTwo(image.height));
    SavePreview(picture, image);
}

class KeyedUiPictureTest : public ::testing::TestWithParam<UiPicture> {};

std::vector<UiPicture> KeyedPictures() {
    std::vector<UiPicture> keyed;
    for (const UiPicture& picture : content::ui::UiPictures())
        if (picture.colourKeyed) keyed.push_back(picture);
    return keyed;
}

TEST_P(KeyedUiPictureTest, KeyedMarginStaysTransparentAndShapesStaySolid) {
    const UiPicture& picture = GetParam();
    const content::texture::Image painted = Paint(picture);
    std::vector<std::uint8_t> bytes;
    std::string error;
    ASSERT_TRUE(content::ui::EncodePicture(picture, painted, bytes, error)) << error;
    Decoded image;
    ASSERT_TRUE(Decode(picture, bytes, image, error)) << error;
    int marginAboveKey = 0, holes = 0, margin = 0;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            const std::uint8_t* source = painted.At(x, y);
            const int brightest = std::max({source[0], source[1], source[2]});
            if (brightest == 0) {
                ++margin;
                if (!AtOrBelowKey(image.At(x, y))) ++marginAboveKey;
            } else if (brightest >= kShapeLevel && AtOrBelowKey(image.At(x, y))) {
                ++holes;
            }
        }
    // The corners are margin: a keyed picture that fills its whole square is not keyed.
    EXPECT_GT(margin, 0);
    for (const auto& [x, y] : {std::pair{0, 0},
                               {image.width - 1, 0},
                               {0, image.height - 1},
                               {image.width - 1, image.height - 1}})
        EXPECT_TRUE(AtOrBelowKey(image.At(x, y))) << x << ", " << y;
    EXPECT_EQ(marginAboveKey, 0) << "of " << margin << " margin pixels";
    EXPECT_EQ(holes, 0);
}

std::string TestName(const ::testing::TestParamInfo<UiPicture>& info) {
    std::string name = std::filesystem::path(info.param.path).filename();
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Content, UiPictureTest, ::testing::ValuesIn(content::ui::UiPictures()),
                         TestName);
INSTANTIATE_TEST_SUITE_P(Content, KeyedUiPictureTest, ::testing::ValuesIn(KeyedPictures()),
                         TestName);

}  // namespace
