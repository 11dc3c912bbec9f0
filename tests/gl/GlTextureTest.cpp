// Textures uploaded from each format, the cache by name and the colour key, on a real context.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/Services.h"
#include "platform/fake/FakePlatform.h"
#include "render/MS3DLoader.h"
#include "tests/app/HostileFiles.h"
#include "tests/app/TempDir.h"
#include "tests/gl/GlFixture.h"
#include "tests/render/TestModels.h"
#include "tools/content/texture/ImageWriters.h"

namespace gltest {
namespace {

using content::texture::Image;
using Bytes = std::vector<std::uint8_t>;

Image Gradient(int width, int height, int channels = 3) {
    Image image(width, height, channels);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::uint8_t* pixel = image.At(x, y);
            pixel[0] = static_cast<std::uint8_t>(x * 40);
            pixel[1] = static_cast<std::uint8_t>(y * 40);
            pixel[2] = 200;
            if (channels == 4) pixel[3] = static_cast<std::uint8_t>(100 + x * 10 + y);
        }
    return image;
}

std::string Write(const TempDir& folder, const std::string& name, const Bytes& bytes) {
    return folder.Write(name, std::string(bytes.begin(), bytes.end())).string();
}

// Level 0 of a 2-D texture, rows as GL holds them (its first row first), tightly packed.
std::vector<unsigned char> TexelsOf(GLuint texture, GLenum format, int channels, int* width,
                                    int* height) {
    glBindTexture(GL_TEXTURE_2D, texture);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, height);
    std::vector<unsigned char> texels(static_cast<size_t>(*width) * *height * channels);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, format, GL_UNSIGNED_BYTE, texels.data());
    glBindTexture(GL_TEXTURE_2D, 0);
    return texels;
}

class GlTextureTest : public GlTest {
protected:
    TextureManager& textures() { return *graphicsSystem.textureManager; }
    TempDir folder;
};

struct FormatCase {
    const char* name;
    const char* file;
    int channels;  // of the picture
};
void PrintTo(const FormatCase& c, std::ostream* out) {
    *out << c.name;
}

class GlTextureFormatTest : public GlTextureTest,
                            public ::testing::WithParamInterface<FormatCase> {};

// A 2 x 4 picture: its RGB rows are 6 bytes, not a multiple of four. (Its sides are powers
// of two, as the mipmap builder would rescale it otherwise.)
TEST_P(GlTextureFormatTest, UploadsEveryRowInPlaceWithMipmaps) {
    const int channels = GetParam().channels;
    const Image picture = Gradient(2, 4, channels);
    const std::string file = GetParam().file;
    Bytes bytes;
    if (file.ends_with(".bmp")) {
        bytes = content::texture::EncodeBmp(picture);
    } else if (file.ends_with(".tga")) {
        bytes = content::texture::EncodeTga(picture);
    } else {
        // JPEG is lossy; its own test checks the row order on flat bands.
        GTEST_SKIP();
    }
    const std::string path = Write(folder, file, bytes);
    const GLuint texture = textures().LoadTexture(path.c_str());
    ASSERT_NE(texture, 0u);
    int width = 0, height = 0;
    const GLenum format = channels == 4 ? GL_RGBA : GL_RGB;
    const std::vector<unsigned char> texels = TexelsOf(texture, format, channels, &width, &height);
    ASSERT_EQ(width, 2);
    ASSERT_EQ(height, 4);
    // GL's first row is the picture's bottom row.
    for (int row = 0; row < 4; ++row)
        for (int x = 0; x < 2; ++x)
            for (int c = 0; c < channels; ++c)
                EXPECT_EQ(texels[(static_cast<size_t>(row) * 2 + x) * channels + c],
                          picture.At(x, 3 - row)[c])
                    << "texel " << x << "," << row << " channel " << c;
    glBindTexture(GL_TEXTURE_2D, texture);
    GLint minFilter = 0, levelOneWidth = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minFilter);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 1, GL_TEXTURE_WIDTH, &levelOneWidth);
    glBindTexture(GL_TEXTURE_2D, 0);
    EXPECT_EQ(minFilter, GL_LINEAR_MIPMAP_LINEAR);
    EXPECT_GT(levelOneWidth, 0) << "no mipmaps";
}

INSTANTIATE_TEST_SUITE_P(Textures, GlTextureFormatTest,
                         ::testing::Values(FormatCase{"Bmp", "odd.bmp", 3},
                                           FormatCase{"Tga24", "odd24.tga", 3},
                                           FormatCase{"Tga32", "odd32.tga", 4}));

TEST_F(GlTextureTest, TheJpegPicturesTopRowIsTheLastRowHandedToGl) {
    Image picture(8, 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            picture.Set(
                x, y,
                y < 4 ? content::texture::Colour{1, 0, 0} : content::texture::Colour{0, 0, 1});
    Bytes bytes;
    std::string error;
    ASSERT_TRUE(content::texture::EncodeJpeg(picture, 95, bytes, error));
    const GLuint texture = textures().LoadTexture(Write(folder, "bands.jpg", bytes).c_str());
    ASSERT_NE(texture, 0u);
    int width = 0, height = 0;
    const auto texels = TexelsOf(texture, GL_RGB, 3, &width, &height);
    ASSERT_EQ(height, 8);
    EXPECT_GT(texels[0 + 2], 200);            // first GL row: the picture's bottom, blue
    EXPECT_GT(texels[(7 * 8) * 3 + 0], 200);  // last GL row: its top, red
}

TEST_F(GlTextureTest, OneNameIsReadOnceAndAnsweredFromTheCache) {
    const std::string path = Write(folder, "wall.JPG", [] {
        Bytes bytes;
        std::string error;
        content::texture::EncodeJpeg(Gradient(4, 4), 90, bytes, error);
        return bytes;
    }());
    const GLuint first = textures().LoadTexture(path.c_str());
    ASSERT_NE(first, 0u);
    std::filesystem::remove(path);  // a second read would now fail
    EXPECT_EQ(textures().LoadTexture(path.c_str()), first);
    EXPECT_EQ(textures().FindCachedTexture(path), first);
    EXPECT_EQ(textures().LoadTexture(""), 0u);
    EXPECT_EQ(textures().LoadTexture(nullptr), 0u);
}

TEST_F(GlTextureTest, AFailedNameIsTriedAgainAtItsNextRequest) {
    const std::string path = (folder.path / "late.bmp").string();
    EXPECT_EQ(textures().LoadTexture(path.c_str()), 0u);
    EXPECT_EQ(textures().FindCachedTexture(path), 0u);
    Write(folder, "late.bmp", content::texture::EncodeBmp(Gradient(2, 2)));
    EXPECT_NE(textures().LoadTexture(path.c_str()), 0u);
}

TEST_F(GlTextureTest, TheColourKeyMakesDarkPixelsTransparentAndIsCachedForBothLoads) {
    Image picture(2, 1);
    picture.At(0, 0)[0] = picture.At(0, 0)[1] = picture.At(0, 0)[2] = 2;
    picture.At(1, 0)[0] = 3;
    const std::string path = Write(folder, "menu.bmp", content::texture::EncodeBmp(picture));
    const int key[3] = {2, 2, 2};
    const GLuint texture = textures().LoadTextureColourKey(path.c_str(), key);
    ASSERT_NE(texture, 0u);
    int width = 0, height = 0;
    const auto texels = TexelsOf(texture, GL_RGBA, 4, &width, &height);
    EXPECT_EQ(texels[3], 0);
    EXPECT_EQ(texels[4], 3);
    EXPECT_EQ(texels[7], 255);
    EXPECT_EQ(textures().LoadTexture(path.c_str()), texture);
}

TEST_F(GlTextureTest, AColourKeyedFileThatCannotBeReadIsReportedInABox) {
    platform::FakeDialogs dialogs;
    platform::Services services;
    services.display = &platform::GetDisplay();
    services.dialogs = &dialogs;
    platform::Install(services);
    const int key[3] = {2, 2, 2};
    const std::string path = (folder.path / "missing.bmp").string();
    EXPECT_EQ(textures().LoadTextureColourKey(path.c_str(), key), 0u);
    services.dialogs = nullptr;
    platform::Install(services);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "Texture could not be loaded!");
    EXPECT_EQ(dialogs.shown[0].caption, path);
}

TEST_F(GlTextureTest, AKeyedFailureShowsOneBoxAndLeavesTheUnkeyedLoadAndLaterTriesAlone) {
    platform::FakeDialogs dialogs;
    platform::Services services;
    services.display = &platform::GetDisplay();
    services.dialogs = &dialogs;
    platform::Install(services);
    const int key[3] = {2, 2, 2};
    // The keyed load reads no TGA; the plain one does.
    const std::string tga = Write(folder, "frame.tga", content::texture::EncodeTga(Gradient(2, 2)));
    const std::string late = (folder.path / "late.bmp").string();
    for (int request = 0; request < 3; ++request) {
        EXPECT_EQ(textures().LoadTextureColourKey(tga.c_str(), key), 0u);
        EXPECT_EQ(textures().LoadTextureColourKey(late.c_str(), key), 0u);
    }
    EXPECT_NE(textures().LoadTexture(tga.c_str()), 0u);
    Write(folder, "late.bmp", content::texture::EncodeBmp(Gradient(2, 2)));
    EXPECT_NE(textures().LoadTextureColourKey(late.c_str(), key), 0u);
    services.dialogs = nullptr;
    platform::Install(services);
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[0].caption, tga);
    EXPECT_EQ(dialogs.shown[1].caption, late);
}

TEST_F(GlTextureTest, WhatIsNoPictureFileGivesNoTextureAndNeverStopsTheGame) {
    platform::FakeDialogs dialogs;
    platform::Services services;
    services.display = &platform::GetDisplay();
    services.dialogs = &dialogs;
    platform::Install(services);
    std::filesystem::create_directories(folder.path / "folder.bmp");
    const std::filesystem::path places[] = {
        folder.path / "folder.bmp",
        hostile::MakeFifo(folder.path / "fifo.jpg"),
        hostile::MakeEndless(folder.path / "endless.tga"),
    };
    const int key[3] = {2, 2, 2};
    for (const std::filesystem::path& place : places) {
        const std::string path = place.string();
        EXPECT_EQ(
            hostile::WithinSeconds(place, [&] { return textures().LoadTexture(path.c_str()); }), 0u)
            << path;
        EXPECT_EQ(hostile::WithinSeconds(
                      place, [&] { return textures().LoadTextureColourKey(path.c_str(), key); }),
                  0u)
            << path;
    }
    services.dialogs = nullptr;
    platform::Install(services);
    EXPECT_EQ(dialogs.shown.size(), 3u);
}

TEST_F(GlTextureTest, ModelMaterialsGetTheirTexturesFromTheManager) {
    Write(folder, "RESOURCES/Art/Textures/crate.bmp", content::texture::EncodeBmp(Gradient(4, 4)));
    WorkingDirectory inFolder(folder.path);
    const auto model =
        rendertest::Load(rendertest::BoxModel(1, 1, 1, {1, 1, 1}, "..\\Textures\\crate.bmp"));
    ASSERT_TRUE(model);
    ASSERT_EQ(model->mesh->materials.size(), 1u);
    EXPECT_NE(model->mesh->materials[0].texture, 0u);
    EXPECT_EQ(model->mesh->materials[0].texture,
              textures().FindCachedTexture(".\\RESOURCES\\Art\\Textures\\crate.bmp"));
}

}  // namespace
}  // namespace gltest
