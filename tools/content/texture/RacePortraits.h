#pragma once
// Stand-in portraits of the four races' pilots, for the dialogue boxes and the vehicle
// information popups: a head and shoulders in the race's colours on a lit backdrop.
#include <filesystem>
#include <string>
#include <vector>

#include "tools/content/texture/Image.h"

namespace content::texture {

struct RacePortrait {
    const char* name;  // under Art/Textures/UI/Portraits/
    Image (*paint)();
};

const std::vector<RacePortrait>& RacePortraits();

// Writes every race portrait under `resources`/Art/Textures/UI/Portraits.
bool GenerateRacePortraits(const std::filesystem::path& resources, std::string& error);

}  // namespace content::texture
