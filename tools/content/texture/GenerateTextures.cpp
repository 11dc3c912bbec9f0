#include "tools/content/texture/GenerateTextures.h"

#include "tools/content/texture/ImageWriters.h"
#include "tools/content/texture/Patterns.h"

namespace content::texture {
namespace {

// Power-of-two sides, as the renderer's mipmaps want them.
constexpr int kSize = 256;
constexpr int kJpegQuality = 90;

Colour Rgb(int r, int g, int b) {
    return {r / 255.0f, g / 255.0f, b / 255.0f};
}

const std::vector<TextureFile> kRoomTextures = {
    // Floors.
    {"Tiles_Floor.jpg", Format::Jpeg, false,
     [] {
         return PaintTiles(kSize,
                           {4, Rgb(232, 236, 238), Rgb(120, 160, 196), Rgb(150, 150, 146), 4}, 11);
     }},
    {"Tiles_Checker.jpg", Format::Jpeg, false,
     [] {
         return PaintTiles(kSize, {4, Rgb(236, 232, 222), Rgb(46, 46, 52), Rgb(128, 124, 118), 3},
                           12);
     }},
    {"Wood_Floor.jpg", Format::Jpeg, false,
     [] {
         return PaintWood(kSize, {8, Rgb(196, 142, 88), Rgb(120, 74, 38)}, 21);
     }},
    {"Wood_Dark.jpg", Format::Jpeg, false,
     [] {
         return PaintWood(kSize, {8, Rgb(138, 88, 52), Rgb(66, 38, 20)}, 22);
     }},
    {"Carpet_Blue.jpg", Format::Jpeg, false,
     [] {
         return PaintCarpet(kSize, {Rgb(62, 86, 150), 0.18f, 0.25f}, 31);
     }},
    {"Carpet_Beige.jpg", Format::Jpeg, false,
     [] {
         return PaintCarpet(kSize, {Rgb(200, 182, 150), 0.14f, 0.2f}, 32);
     }},
    {"Carpet_Red.jpg", Format::Jpeg, false,
     [] {
         return PaintCarpet(kSize, {Rgb(150, 40, 44), 0.18f, 0.25f}, 33);
     }},
    // Walls.
    {"Tiles_Wall.jpg", Format::Jpeg, true,
     [] {
         return PaintTiles(kSize,
                           {8, Rgb(226, 238, 240), Rgb(226, 238, 240), Rgb(170, 176, 176), 3}, 13);
     }},
    {"Wallpaper_Stripes.bmp", Format::Bmp, true,
     [] {
         return PaintWallpaper(kSize, {8, Rgb(236, 226, 196), Rgb(150, 182, 150), false, {}}, 41);
     }},
    {"Wallpaper_Floral.bmp", Format::Bmp, true,
     [] {
         return PaintWallpaper(
             kSize, {4, Rgb(240, 222, 214), Rgb(208, 168, 170), true, Rgb(176, 60, 84)}, 42);
     }},
    {"Plaster_Cream.jpg", Format::Jpeg, true,
     [] {
         return PaintPlaster(kSize, {Rgb(238, 228, 200), 0.12f}, 51);
     }},
    {"Plaster_Blue.jpg", Format::Jpeg, true,
     [] {
         return PaintPlaster(kSize, {Rgb(168, 196, 222), 0.12f}, 52);
     }},
    {"Plaster_Yellow.jpg", Format::Jpeg, true,
     [] {
         return PaintPlaster(kSize, {Rgb(240, 214, 130), 0.12f}, 53);
     }},
};

}  // namespace

const std::vector<TextureFile>& RoomTextures() {
    return kRoomTextures;
}

bool EncodeTexture(const Image& picture, Format format, bool wall, std::vector<std::uint8_t>& bytes,
                   std::string& error) {
    const Image stored = wall ? FlipVertically(picture) : picture;
    switch (format) {
        case Format::Bmp:
            bytes = EncodeBmp(stored);
            return true;
        case Format::Tga:
            bytes = EncodeTga(stored);
            return true;
        case Format::Jpeg:
            return EncodeJpeg(stored, kJpegQuality, bytes, error);
    }
    error = "unknown format";
    return false;
}

bool GenerateTextures(const std::filesystem::path& resources, std::string& error) {
    const std::filesystem::path folder = resources / "Art" / "Textures" / "Environment";
    std::error_code made;
    std::filesystem::create_directories(folder, made);
    if (made) {
        error = "cannot make " + folder.string() + ": " + made.message();
        return false;
    }
    for (const TextureFile& texture : kRoomTextures) {
        std::vector<std::uint8_t> bytes;
        if (!EncodeTexture(texture.paint(), texture.format, texture.wall, bytes, error))
            return false;
        if (!WriteFile(folder / texture.name, bytes, error)) return false;
    }
    return true;
}

}  // namespace content::texture
