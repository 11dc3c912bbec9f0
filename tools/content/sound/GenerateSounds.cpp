#include "tools/content/sound/GenerateSounds.h"

#include <fstream>
#include <vector>

#include "tools/content/sound/Mp3Encoder.h"
#include "tools/content/sound/SoundDescription.h"

namespace content::sound {

bool GenerateSounds(const std::filesystem::path& folder, std::string& error) {
    std::error_code made;
    std::filesystem::create_directories(folder, made);
    if (made) {
        error = "cannot make " + folder.string() + ": " + made.message();
        return false;
    }
    std::vector<unsigned char> mp3;
    for (const SoundDescription& description : SoundDescriptions()) {
        const std::filesystem::path path = folder / description.file;
        std::string reason;
        if (!EncodeMp3(RenderSound(description), mp3, reason)) {
            error = path.string() + ": " + reason;
            return false;
        }
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(mp3.data()),
                  static_cast<std::streamsize>(mp3.size()));
        out.close();
        if (!out) {
            error = "cannot write " + path.string();
            return false;
        }
    }
    return true;
}

}  // namespace content::sound
