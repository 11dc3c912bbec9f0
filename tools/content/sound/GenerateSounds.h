#pragma once
// Writes the game's ten effect samples.
#include <filesystem>
#include <string>

namespace content::sound {

// Renders every effect sample and writes it as an mp3 under `folder`, which is made if
// missing. Returns false with the reason in `error` when a file cannot be made.
bool GenerateSounds(const std::filesystem::path& folder, std::string& error);

}  // namespace content::sound
