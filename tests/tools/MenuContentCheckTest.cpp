// The menu pictures and the story dialogues as the build tree holds them: every picture the
// menus and the dialogues name exists under its exact name and loads through the game's
// texture readers, and a keyed picture's edges are at or below the menus' colour key, so
// its background drops out.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "game/MenuNames.h"
#include "render/TextureManager.h"
#include "tests/app/TempDir.h"
#include "ui/DialogueReader.h"
#include "ui/Typewriter.h"

namespace mn = menunames;

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

// The story dialogues as read by the game's dialogue reader, with what it could not take.
struct Dialogue {
    DialogueConfig config;
    DialogueText text;
    DialogueProblems problems;
};

std::vector<Dialogue> ReadDialogues(DialogueProblems& listProblems) {
    std::ifstream list("./RESOURCES/Files/UI/Dialogue/DialogueList.txt");
    std::vector<Dialogue> dialogues;
    for (const std::string& path : ReadDialogueList(list, listProblems)) {
        Dialogue dialogue;
        std::ifstream config(path);
        if (!config) dialogue.problems.push_back("cannot open " + path);
        dialogue.config = ReadDialogueConfig(config, dialogue.problems);
        std::ifstream text(dialogue.config.dialogueText);
        if (!text) dialogue.problems.push_back("cannot open " + dialogue.config.dialogueText);
        dialogue.text = ReadDialogueText(text, dialogue.problems);
        dialogues.push_back(std::move(dialogue));
    }
    return dialogues;
}

// The page as the typewriter lays it out (each line keeps the blank it broke at), joined.
std::string TypedOut(const std::string& page, int charsPerLine) {
    Typewriter typewriter;
    for (std::size_t i = 0; i < page.size(); ++i) typewriter.Advance(page, charsPerLine);
    std::string joined;
    for (int line = 0; line <= typewriter.GetLine() && line < Typewriter::kLines; ++line)
        joined += typewriter.GetLineText(line);
    return joined;
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
    DialogueProblems listProblems;
    std::set<std::string> pictures;
    for (const Dialogue& dialogue : ReadDialogues(listProblems)) {
        if (!dialogue.config.backgroundImage.empty())
            pictures.insert(dialogue.config.backgroundImage);
        for (const DialoguePortrait& portrait : dialogue.text.portraits)
            pictures.insert(portrait.image);
    }
    EXPECT_TRUE(listProblems.empty());
    EXPECT_FALSE(pictures.empty());
    for (const std::string& path : pictures) {
        SCOPED_TRACE(path);
        EXPECT_TRUE(fs::exists(path));
        Loaded loaded;
        EXPECT_TRUE(Load(textures, path, loaded));
    }
}

// Story mode asks for race + event + level on the level screen: each key must be there, read
// without a problem, with a portrait per textbox and pages the typewriter shows whole.
TEST_F(MenuContentCheck, EveryStoryDialogueIsThereOnTheLevelScreenAndTypesOutWhole) {
    DialogueProblems listProblems;
    std::map<std::string, const Dialogue*> byName;
    const std::vector<Dialogue> dialogues = ReadDialogues(listProblems);
    for (const Dialogue& dialogue : dialogues) byName[dialogue.config.name] = &dialogue;
    for (const char* race : {"terran", "dovevevuzu", "vavedodev", "diveroruz"})
        for (const char* event : {"_intro", "_player_defeat", "_enemy_defeat"})
            for (int level = 1; level <= 6; ++level) {
                const std::string key = race + std::string(event) + std::to_string(level);
                SCOPED_TRACE(key);
                const auto found = byName.find(key);
                ASSERT_NE(found, byName.end());
                const Dialogue& dialogue = *found->second;
                EXPECT_TRUE(dialogue.problems.empty()) << dialogue.problems.front();
                EXPECT_EQ(dialogue.config.menuLocation, mn::kLevelScreen);
                EXPECT_EQ(dialogue.text.portraits.size(),
                          static_cast<std::size_t>(dialogue.text.textboxCount));
                EXPECT_FALSE(dialogue.text.pages.empty());
                for (const auto& [textbox, page] : dialogue.text.pages)
                    EXPECT_EQ(TypedOut(page, dialogue.config.charsPerLine), page);
            }
}

}  // namespace
