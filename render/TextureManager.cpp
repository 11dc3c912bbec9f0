#include "render/TextureManager.h"

#include <GL/glu.h>

#include <cstring>
#include <optional>
#include <string>

#include "app/MessageBox.h"
#include "platform/ContentLimits.h"
#include "platform/Files.h"
#include "render/TgaReader.h"

namespace {

std::optional<std::string> ReadFileBytes(const char* file) {
    std::string bytes;
    if (platform::ReadContentFile(file, contentlimits::kMaxImageFileBytes, bytes) !=
        platform::ContentRead::Read)
        return std::nullopt;
    return bytes;
}

const unsigned char* DataOf(const std::string& bytes) {
    return reinterpret_cast<const unsigned char*>(bytes.data());
}

bool NameContains(const char* file, std::initializer_list<const char*> endings) {
    for (const char* ending : endings)
        if (std::strstr(file, ending)) return true;
    return false;
}

// Rows of 3-byte pixels are tightly packed: with the default alignment of 4 GL would read
// past the end of every row whose length is not a multiple of four.
void Upload(GLint components, int width, int height, GLenum format, const unsigned char* pixels,
            bool mipmaps) {
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, components, width, height, 0, format, GL_UNSIGNED_BYTE, pixels);
    if (mipmaps)
        gluBuild2DMipmaps(GL_TEXTURE_2D, components, width, height, format, GL_UNSIGNED_BYTE,
                          pixels);
}

}  // namespace

std::vector<unsigned char> ApplyColourKey(const unsigned char* rgb, std::size_t pixelCount,
                                          const int key[3]) {
    std::vector<unsigned char> rgba(pixelCount * 4);
    for (std::size_t i = 0; i < pixelCount; ++i) {
        const int red = rgb[i * 3];
        const int green = rgb[i * 3 + 1];
        const int blue = rgb[i * 3 + 2];
        rgba[i * 4] = rgb[i * 3];
        rgba[i * 4 + 1] = rgb[i * 3 + 1];
        rgba[i * 4 + 2] = rgb[i * 3 + 2];
        const bool keyed = red <= key[0] && green <= key[1] && blue <= key[2];
        rgba[i * 4 + 3] = keyed ? 0 : 255;
    }
    return rgba;
}

GLuint TextureManager::FindCachedTexture(std::string file) {
    const auto found = cache.find(file);
    return found == cache.end() ? 0 : found->second;
}

void TextureManager::CacheTexture(std::string file, GLuint texture) {
    cache[std::move(file)] = texture;
}

std::unique_ptr<BmpImage> TextureManager::LoadBMP(const char* file) {
    if (!file || !NameContains(file, {".bmp", ".BMP"})) return nullptr;
    const auto bytes = ReadFileBytes(file);
    if (!bytes) return nullptr;
    auto image = std::make_unique<BmpImage>();
    std::string error;
    if (!platform::DecodeBmp(DataOf(*bytes), bytes->size(), *image, error)) return nullptr;
    return image;
}

std::unique_ptr<JpegImage> TextureManager::LoadJPEG(const char* file) {
    if (!file || !NameContains(file, {".jpg", ".jpeg", ".JPG", ".JPEG"})) return nullptr;
    const auto bytes = ReadFileBytes(file);
    if (!bytes) return nullptr;
    auto image = std::make_unique<JpegImage>();
    std::string error;
    if (!DecodeJpeg(DataOf(*bytes), bytes->size(), *image, error)) return nullptr;
    return image;
}

bool TextureManager::LoadTGA(const char* file) {
    if (!file) return false;
    const auto bytes = ReadFileBytes(file);
    if (!bytes) return false;
    TgaImage image;
    if (!DecodeTga(DataOf(*bytes), bytes->size(), image)) return false;
    FreeTGA();
    tgaPixels = std::move(image.pixels);
    tgaBitsPerPixel = image.bitsPerPixel;
    tgaWidth = image.width;
    tgaHeight = image.height;
    tgaFormat = image.bitsPerPixel == 32 ? GL_RGBA : GL_RGB;
    return true;
}

void TextureManager::FreeTGA() {
    tgaPixels.clear();
    tgaPixels.shrink_to_fit();
}

GLuint TextureManager::LoadTexture(const char* file) {
    if (!file || !*file) return 0;
    if (const GLuint cached = FindCachedTexture(file)) return cached;

    std::unique_ptr<BmpImage> bmp = LoadBMP(file);
    std::unique_ptr<JpegImage> jpeg = LoadJPEG(file);
    const bool tga = LoadTGA(file);
    if (!bmp && !jpeg && !tga) return 0;

    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    if (bmp) Upload(3, bmp->width, bmp->height, GL_RGB, bmp->pixels.data(), true);
    if (tga) Upload(tgaBitsPerPixel / 8, tgaWidth, tgaHeight, tgaFormat, tgaPixels.data(), true);
    if (jpeg) Upload(3, jpeg->width, jpeg->height, GL_RGB, jpeg->pixels.data(), true);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    FreeBMP(bmp);
    FreeJPEG(jpeg);
    // Without a current context no name is made: nothing to remember then.
    if (texture) CacheTexture(file, texture);
    return texture;
}

GLuint TextureManager::LoadTextureColourKey(const char* file, const int key[3]) {
    if (!file || !*file) return 0;
    if (const GLuint cached = FindCachedTexture(file)) return cached;

    std::unique_ptr<BmpImage> bmp = LoadBMP(file);
    std::unique_ptr<JpegImage> jpeg = LoadJPEG(file);
    if (!bmp && !jpeg) {
        if (reportedKeyedFailures.insert(file).second)
            MessageBox("Texture could not be loaded!", file, MB_ICONERROR);
        return 0;
    }
    int width = 0;
    int height = 0;
    const unsigned char* rgb = nullptr;
    if (jpeg) {
        width = jpeg->width;
        height = jpeg->height;
        rgb = jpeg->pixels.data();
    } else {
        width = bmp->width;
        height = bmp->height;
        rgb = bmp->pixels.data();
    }
    const std::vector<unsigned char> rgba =
        ApplyColourKey(rgb, static_cast<std::size_t>(width) * height, key);

    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    Upload(GL_RGBA, width, height, GL_RGBA, rgba.data(), false);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    FreeBMP(bmp);
    FreeJPEG(jpeg);
    if (texture) CacheTexture(file, texture);
    return texture;
}
