#pragma once
// The menu pictures: backgrounds, buttons, the HUD's frames, story pages, race portraits and
// vehicle sheets, each under the exact name the menus load it by.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "tools/content/texture/GenerateTextures.h"
#include "tools/content/ui/Canvas.h"
#include "tools/content/ui/TextPainter.h"

namespace content::ui {

// The colour key of the menus: a keyed picture is transparent wherever red, green and blue
// are each at most this.
constexpr int kMenuColourKey = 2;

struct UiPicture {
    const char* path;  // under RESOURCES, as the menus name it after "./RESOURCES/"
    texture::Format format;
    bool colourKeyed;  // drawn with the colour key: its background must stay pure black
    int pixelWidth;    // powers of two
    int pixelHeight;
    float designWidth;  // the size at which the menus show it
    float designHeight;
    void (*paint)(Canvas& canvas, TextPainter& text);
};

// Every menu picture.
const std::vector<UiPicture>& UiPictures();

// Paints one picture.
bool PaintPicture(const UiPicture& picture, TextPainter& text, Image& image, std::string& error);
// Encodes a painted picture in its format; keyed JPEGs keep full colour resolution at the
// highest quality, so their black background decodes to black.
bool EncodePicture(const UiPicture& picture, const Image& image, std::vector<std::uint8_t>& bytes,
                   std::string& error);

// Writes every menu picture under `resources`, making the folders.
bool GenerateUiArt(const std::filesystem::path& resources, std::string& error);

// The groups of pictures, one painter file each.
void AddBackgrounds(std::vector<UiPicture>& list);
void AddWidgets(std::vector<UiPicture>& list);
void AddPages(std::vector<UiPicture>& list);
void AddPortraits(std::vector<UiPicture>& list);
void AddInfoSheets(std::vector<UiPicture>& list);

}  // namespace content::ui
