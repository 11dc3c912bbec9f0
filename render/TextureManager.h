#pragma once
// Turns picture files into OpenGL textures and remembers each by the name it was asked for.
#include <GL/gl.h>

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/Images.h"
#include "render/JpegReader.h"

// A BMP picture as the platform's reader gives it: 24-bit RGB rows, bottom row first.
using BmpImage = platform::RgbImage;

// RGBA pixels from RGB ones: alpha 0 where red, green and blue are each at most the key's.
std::vector<unsigned char> ApplyColourKey(const unsigned char* rgb, std::size_t pixelCount,
                                          const int key[3]);

class TextureManager {
public:
    TextureManager() = default;
    ~TextureManager() { FreeTGA(); }
    TextureManager(const TextureManager&) = delete;
    TextureManager& operator=(const TextureManager&) = delete;

    // The texture name, 0 when nothing could be read (nothing is cached then, so the next
    // request tries again).
    GLuint LoadTexture(const char* file);
    // An RGBA texture whose pixels at or below `key` in each of red, green and blue are
    // transparent; a failure is reported in a box, once per name for the run, however many
    // widgets and effects ask for the picture again (each request still tries the file).
    GLuint LoadTextureColourKey(const char* file, const int key[3]);
    GLuint FindCachedTexture(std::string file);
    void CacheTexture(std::string file, GLuint texture);

    // The readers; each looks at the name's extension except the TGA one, which looks only
    // at the content.
    std::unique_ptr<BmpImage> LoadBMP(const char* file);
    std::unique_ptr<JpegImage> LoadJPEG(const char* file);
    bool LoadTGA(const char* file);
    static void FreeBMP(std::unique_ptr<BmpImage>& image) { image.reset(); }
    static void FreeJPEG(std::unique_ptr<JpegImage>& image) { image.reset(); }
    void FreeTGA();

    // The last TGA picture read, kept until the next one.
    std::vector<unsigned char> tgaPixels;
    int tgaBitsPerPixel = 0;
    int tgaWidth = 0;
    int tgaHeight = 0;
    GLenum tgaFormat = GL_RGB;

private:
    std::map<std::string, GLuint> cache;
    // The names whose colour-keyed load has failed and shown its box.
    std::set<std::string> reportedKeyedFailures;
};
