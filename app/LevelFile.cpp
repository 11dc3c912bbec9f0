#include "app/LevelFile.h"

#include <iomanip>
#include <locale>

#include "platform/ContentLimits.h"

namespace {

// One word, failing the stream when it is longer than a level's words can be.
std::istream& Word(std::istream& in, std::string& word) {
    if (in >> std::setw(static_cast<int>(contentlimits::kMaxTokenBytes + 1)) >> word &&
        word.size() > contentlimits::kMaxTokenBytes)
        in.setstate(std::ios::failbit);
    return in;
}

}  // namespace

std::vector<EntityDesc> ParseLevelFile(std::istream& in, std::string* texture1,
                                       std::string* texture2, std::string* texture3, int* gridSizeX,
                                       int* gridSizeZ) {
    // Numbers read the same whatever the user's locale.
    in.imbue(std::locale::classic());
    std::vector<EntityDesc> records;

    std::string textures[3];
    int gridX = 0;
    int gridZ = 0;
    char separator = 0;
    if (!Word(in, textures[0]) || !Word(in, textures[1]) || !Word(in, textures[2]) ||
        !(in >> separator >> gridX >> separator >> gridZ >> separator))
        return records;
    if (texture1) *texture1 = textures[0];
    if (texture2) *texture2 = textures[1];
    if (texture3) *texture3 = textures[2];
    if (gridSizeX) *gridSizeX = gridX;
    if (gridSizeZ) *gridSizeZ = gridZ;

    std::string type;
    while (records.size() <= kLevelRecordMax && Word(in, type)) {
        std::string name;
        std::string bounds;
        int x = 0;
        int z = 0;
        int w = 0;
        int h = 0;
        if (!(Word(in, name) >> separator >> x >> separator >> z >> separator >> w >> h &&
              Word(in, bounds)))
            break;
        records.emplace_back(type, name, x, z, w, h, bounds);
    }
    return records;
}
