#pragma once
// Writes the room textures (floors and walls) the level files name.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "tools/content/texture/Image.h"

namespace content::texture {

enum class Format { Bmp, Jpeg, Tga };

struct TextureFile {
    const char* name;  // under Art/Textures/Environment/
    Format format;
    bool wall;  // stored upside down so that the room's walls show it upright
    Image (*paint)();
};

// Every room texture, floors first.
const std::vector<TextureFile>& RoomTextures();

// Encodes one picture in the given format (walls flipped first).
bool EncodeTexture(const Image& picture, Format format, bool wall, std::vector<std::uint8_t>& bytes,
                   std::string& error);

// Writes every room texture under `resources`/Art/Textures/Environment, making the folder.
// Returns false with the reason in `error` when a file cannot be made.
bool GenerateTextures(const std::filesystem::path& resources, std::string& error);

}  // namespace content::texture
