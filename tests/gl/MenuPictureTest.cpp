// Every distinct screen of the menu catalogue drawn on Mesa at the game's window size, as a
// player sees it: the intro, the front end, each selection menu with its information popup,
// a story page, the loading screen, the level screen's popups and a story dialogue. Each
// picture is saved under <build>/tests/gl-pictures/menu-<name>.png; the checks here are that
// the screen drew at all where its widgets stand.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "app/FileLoader.h"
#include "game/MenuCatalogue.h"
#include "game/WidgetIds.h"
#include "platform/Services.h"
#include "platform/freetype/FreeTypeFonts.h"
#include "platform/sdl/SdlEvents.h"
#include "render/GraphicsSystem.h"
#include "tests/app/TempDir.h"
#include "tests/gl/GlHarness.h"
#include "ui/GameFonts.h"
#include "ui/GlMenuCanvas.h"
#include "ui/MenuCanvas.h"
#include "ui/MenuSystem.h"
#include "world/World.h"

namespace {

using gltest::GlHarness;

struct Screen {
    const char* name;
    const char* menu;
    const char* popup;     // "" for none
    const char* dialogue;  // "" for none
};
void PrintTo(const Screen& screen, std::ostream* os) {
    *os << screen.name;
}

float frameSeconds = 0.0f;

class MenuPicture : public ::testing::TestWithParam<Screen> {
protected:
    void SetUp() override {
        if (!GlHarness::Get().Ready()) GTEST_SKIP() << GlHarness::Get().Why();
        inside = std::make_unique<WorkingDirectory>(BRASK_BUILD_DIR);
        static platform::FreeTypeFonts fonts;
        static platform::SdlClock clock;
        platform::Services services;
        services.display = &platform::GetDisplay();
        services.fonts = &fonts;
        services.clock = &clock;
        platform::Install(services);
        fileLoader.Init();
        world.ResetResourceCache();
        graphicsSystem.renderer->InitState();
        const float frame[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, -12, 1};
        graphicsSystem.camera->SetPerspective(frame, 0.1f, 1000.0f);
        static GlMenuCanvas canvas;
        SetMenuCanvas(&canvas);
        SetMenuDeltaTimeSource([] { return frameSeconds; });
        for (const GameFont& font : kGameFonts)
            menuSystem.CreateFont(kGameFontFace, font.height, font.bold, false, false);
        BuildIntroScreens();
        BuildMenus();
    }
    void TearDown() override {
        if (!inside) return;
        menuSystem.Shutdown();
        SetMenuDeltaTimeSource(nullptr);
        SetMenuCanvas(nullptr);
        inside.reset();
    }
    std::unique_ptr<WorkingDirectory> inside;
};

TEST_P(MenuPicture, DrawsAsAPlayerSeesIt) {
    const Screen& screen = GetParam();
    menuSystem.SetCurrentMenu(screen.menu);
    if (screen.popup[0]) menuSystem.SetPopupMenu(screen.popup, true);
    if (std::string(screen.menu) == "VEHICLE_SELECTION_BATTLE_2P") {
        // As the screen flow shows them for a tank against a Gremlin.
        menuSystem.SetWidgetVisible(VersusPortraitIds[0].GetId(screen.menu), true);
        menuSystem.SetWidgetVisible(VersusPortraitIds[6].GetId(screen.menu), true);
    }
    if (screen.dialogue[0]) menuSystem.StartDialogue(screen.dialogue, -1);
    // Long enough for a page of dialogue to type out and the vehicles to turn a little.
    frameSeconds = 1.0f / 60.0f;
    for (int frame = 0; frame < 150; ++frame) {
        graphicsSystem.renderer->Clear();
        menuSystem.Draw();
    }
    const std::vector<unsigned char> rgba = GlHarness::Get().ReadPixels();
    const std::filesystem::path folder =
        std::filesystem::path(BRASK_BUILD_DIR) / "tests" / "gl-pictures";
    std::filesystem::create_directories(folder);
    GlHarness::Get().SavePng((folder / (std::string("menu-") + screen.name + ".png")).string());
    int lit = 0;
    for (std::size_t i = 0; i < rgba.size(); i += 4)
        lit += rgba[i] + rgba[i + 1] + rgba[i + 2] > 90;
    EXPECT_GT(lit, 2000) << "the screen is nearly black";
}

const Screen kScreens[] = {
    {"intro", "INTRO", "", ""},
    {"team_intro", "TEAM_INTRO", "", ""},
    {"main_menu", "MAIN_MENU", "", ""},
    {"single_player", "SINGLE_PLAYER_OPTIONS", "", ""},
    {"multi_player", "MULTI_PLAYER_OPTIONS", "", ""},
    {"options", "OPTIONS", "", ""},
    {"credits", "CREDITS", "", ""},
    {"backstory_main", "BACKSTORY1", "", ""},
    {"backstory_race", "BACKSTORY4", "", ""},
    {"story_selection", "VEHICLE_SELECTION_STORY", "TANK_INFO", ""},
    {"battle_selection", "VEHICLE_SELECTION_BATTLE_1P", "UFO_INFO", ""},
    {"assault_selection", "VEHICLE_SELECTION_ASSAULT_1P", "BUGGY_INFO", ""},
    {"survival_selection", "VEHICLE_SELECTION_SURVIVAL_1P", "LANCER_INFO", ""},
    {"versus_selection", "VEHICLE_SELECTION_BATTLE_2P", "", ""},
    {"loading", "LOADING_SCREEN", "", ""},
    {"win", "LEVEL_SCREEN", "WIN_DISPLAY", ""},
    {"lose", "LEVEL_SCREEN", "LOSE_DISPLAY", ""},
    {"draw", "LEVEL_SCREEN", "DRAW_DISPLAY", ""},
    {"congratulations", "LEVEL_SCREEN", "CONGRATS_DISPLAY", ""},
    {"player_two_wins", "LEVEL_SCREEN", "P2_WIN", ""},
    {"in_game_menu", "LEVEL_SCREEN", "IN_GAME_MENU", ""},
    {"story_dialogue", "LEVEL_SCREEN", "", "terran_intro1"},
};

INSTANTIATE_TEST_SUITE_P(Catalogue, MenuPicture, ::testing::ValuesIn(kScreens),
                         [](const ::testing::TestParamInfo<Screen>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
