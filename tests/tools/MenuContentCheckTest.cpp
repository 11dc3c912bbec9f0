// The menu pictures and the story dialogues as the build tree holds them: every picture the
// menus and the dialogues name exists under its exact name and loads through the game's
// texture readers, and a keyed picture's edges are at or below the menus' colour key, so
// its background drops out.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "render/TextureManager.h"
#include "tests/app/TempDir.h"

namespace {

namespace fs = std::filesystem;

constexpr int kMenuColourKey = 2;

struct NamedPicture {
    const char* path;
    bool colourKeyed;
};

// The pictures as the menus name them.
const NamedPicture kMenuPictures[] = {
    {"./RESOURCES/Art/Textures/UI/Backgrounds/black.jpg", false},
    {"./RESOURCES/Art/Textures/UI/Backgrounds/varnoth.jpg", false},
    {"./RESOURCES/Art/Textures/UI/Backgrounds/dovk-logo2.jpg", false},
    {"./RESOURCES/Art/Textures/UI/Backgrounds/Stars.jpg", false},
    {"./RESOURCES/Art/Textures/UI/Backgrounds/brask_logo.jpg", true},
    {"./RESOURCES/Art/Textures/UI/Backgrounds/scratch.bmp", true},
    {"./RESOURCES/Art/Textures/UI/Buttons/gray_button_round.bmp", true},
    {"./RESOURCES/Art/Textures/UI/Buttons/left_arrow_3d.bmp", true},
    {"./RESOURCES/Art/Textures/UI/Buttons/right_arrow_3d.bmp", true},
    {"./RESOURCES/Art/Textures/UI/HUD/hp_bar.jpg", false},
    {"./RESOURCES/Art/Textures/UI/HUD/energy_bar.jpg", false},
    {"./RESOURCES/Art/Textures/UI/HUD/hud_background.jpg", false},
    {"./RESOURCES/Art/Textures/UI/HUD/hud_background_large_nb.jpg", false},
    {"./RESOURCES/Art/Textures/UI/HUD/crosshair1.bmp", true},
    {"./RESOURCES/Art/Textures/Story/controls.jpg", true},
    {"./RESOURCES/Art/Textures/Story/MainStory.jpg", false},
    {"./RESOURCES/Art/Textures/Story/Terran.jpg", false},
    {"./RESOURCES/Art/Textures/Story/Dovevevuzu.jpg", false},
    {"./RESOURCES/Art/Textures/Story/Vavedodev.jpg", false},
    {"./RESOURCES/Art/Textures/Story/Diveroruz.jpg", false},
    {"./RESOURCES/Art/Textures/UI/Portraits/terran_info.jpg", true},
    {"./RESOURCES/Art/Textures/UI/Portraits/dovevevuzu_info.jpg", true},
    {"./RESOURCES/Art/Textures/UI/Portraits/vavedodev_info.jpg", true},
    {"./RESOURCES/Art/Textures/UI/Portraits/diveroruz_info.jpg", true},
    {"./RESOURCES/Art/Textures/UI/Portraits/tank_info.jpg", true},
    {"./RESOURCES/Art/Textures/UI/Portraits/buggy_info.jpg", true},
    {"./RESOURCES/Art/Textures/UI/Portraits/ufo_info.jpg", true},
    {"./RESOURCES/Art/Textures/UI/Portraits/lancer_info.jpg", true},
    {"./RESOURCES/Art/Textures/UI/Portraits/ufo_info_addendum.jpg", true},
};

struct Picture {
    int width = 0;
    int height = 0;
    const unsigned char* rgb = nullptr;  // bottom row first
};

// Loads through the game's readers; holds whichever image was read.
struct Loaded {
    std::unique_ptr<BmpImage> bmp;
    std::unique_ptr<JpegImage> jpeg;
    Picture picture;
};

bool Load(TextureManager& textures, const std::string& path, Loaded& out) {
    out.bmp = textures.LoadBMP(path.c_str());
    out.jpeg = textures.LoadJPEG(path.c_str());
    if (out.bmp) out.picture = {out.bmp->width, out.bmp->height, out.bmp->pixels.data()};
    if (out.jpeg) out.picture = {out.jpeg->width, out.jpeg->height, out.jpeg->pixels.data()};
    return out.bmp || out.jpeg;
}

std::string Quoted(const std::string& line) {
    const auto open = line.find('"');
    const auto close = open == std::string::npos ? open : line.find('"', open + 1);
    return close == std::string::npos ? "" : line.substr(open + 1, close - open - 1);
}

std::vector<std::string> Lines(const std::string& path) {
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// Every picture the dialogue files name: each window's background and each portrait.
std::set<std::string> DialoguePictures(std::string& problems) {
    std::set<std::string> pictures;
    for (const std::string& entry : Lines("./RESOURCES/Files/UI/Dialogue/DialogueList.txt")) {
        if (entry.rfind("filename = ", 0) != 0) continue;
        const std::vector<std::string> config = Lines(Quoted(entry));
        if (config.size() < 4) {
            problems += Quoted(entry) + " is missing or short\n";
            continue;
        }
        if (!Quoted(config[3]).empty()) pictures.insert(Quoted(config[3]));
        const std::vector<std::string> text = Lines(Quoted(config[1]));
        for (std::size_t i = 0; i + 2 < text.size(); ++i)
            if (text[i].rfind("portrait[", 0) == 0) pictures.insert(Quoted(text[i + 2]));
    }
    return pictures;
}

class MenuContentCheck : public ::testing::Test {
protected:
    WorkingDirectory inside{BRASK_BUILD_DIR};
    TextureManager textures;
};

TEST_F(MenuContentCheck, EveryMenuPictureLoadsUnderItsExactName) {
    for (const NamedPicture& named : kMenuPictures) {
        SCOPED_TRACE(named.path);
        EXPECT_TRUE(fs::exists(named.path));  // exactly so spelt, no case fallback
        Loaded loaded;
        ASSERT_TRUE(Load(textures, named.path, loaded));
        const Picture& p = loaded.picture;
        EXPECT_GT(p.width, 0);
        if (!named.colourKeyed) continue;
        // The outermost ring of pixels is background on every keyed picture.
        int aboveKey = 0, belowKey = 0;
        for (int y = 0; y < p.height; ++y)
            for (int x = 0; x < p.width; ++x) {
                const unsigned char* rgb = p.rgb + (static_cast<std::size_t>(y) * p.width + x) * 3;
                const bool key = rgb[0] <= kMenuColourKey && rgb[1] <= kMenuColourKey &&
                                 rgb[2] <= kMenuColourKey;
                const bool edge = x == 0 || y == 0 || x == p.width - 1 || y == p.height - 1;
                if (edge && !key && aboveKey++ == 0)
                    ADD_FAILURE() << "edge pixel (" << x << ", " << p.height - 1 - y << ") is "
                                  << int(rgb[0]) << ", " << int(rgb[1]) << ", " << int(rgb[2]);
                if (!key) ++belowKey;
            }
        EXPECT_EQ(aboveKey, 0) << "edge pixels above the key";
        EXPECT_GT(belowKey, 0) << "nothing left to see once keyed";
    }
}

TEST_F(MenuContentCheck, EveryPictureTheDialoguesNameLoads) {
    std::string problems;
    const std::set<std::string> pictures = DialoguePictures(problems);
    EXPECT_EQ(problems, "");
    EXPECT_FALSE(pictures.empty());
    for (const std::string& path : pictures) {
        SCOPED_TRACE(path);
        EXPECT_TRUE(fs::exists(path));
        Loaded loaded;
        EXPECT_TRUE(Load(textures, path, loaded));
    }
}

}  // namespace
