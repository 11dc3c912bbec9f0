#pragma once
// The particle effects' frame pictures: soft glows, rings, smoke, scorch marks and water
// drops as 32-bit TGA (their own alpha), and colour-keyed BMP frames (black is transparent)
// for the animated fire, sparks, the battery's bolt, the mine's danger sign and the HUD bar.
#include <filesystem>
#include <string>
#include <vector>

#include "tools/content/texture/Image.h"

namespace content::particle {

struct ParticleImage {
    std::string name;  // under Art/Particles/
    texture::Image picture;
};

// Every particle picture, in a fixed order.
std::vector<ParticleImage> ParticleImages();

// Writes them under `resources`/Art/Particles, making the folder.
bool GenerateParticleImages(const std::filesystem::path& resources, std::string& error);

}  // namespace content::particle
