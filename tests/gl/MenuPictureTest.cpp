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
#include "game/Application.h"
#include "game/MenuCatalogue.h"
#include "game/MenuNames.h"
#include "game/ScreenFlow.h"
#include "game/WidgetIds.h"
#include "platform/Services.h"
#include "platform/freetype/FreeTypeFonts.h"
#include "platform/sdl/SdlEvents.h"
#include "render/GraphicsSystem.h"
#include "tests/app/TempDir.h"
#include "tests/gl/GlHarness.h"
#include "tests/gl/MenuPresses.h"
#include "ui/GameFonts.h"
#include "ui/GlMenuCanvas.h"
#include "ui/MenuCanvas.h"
#include "ui/MenuSystem.h"
#include "world/World.h"

namespace {

using gltest::GlHarness;
namespace mn = menunames;

struct Screen {
    const char* name;
    const char* menu;
    const char* popup;     // "" for none
    const char* dialogue;  // "" for none
    // On a selection menu: the vehicles that player one's and player two's selectors are
    // stepped to; the game shows the sheets that go with them.
    int vehicle = 0;
    int secondVehicle = 0;
    // A loading screen shows for the one frame in which its step runs, then moves on.
    int frames = 150;
    // Pixels that must be lit: most screens fill the window; the loading screen is one
    // caption on black.
    int minLit = 2000;
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

// The sheet of each vehicle, in the selectors' order.
constexpr const char* kSheets[] = {mn::kTankInfo, mn::kBuggyInfo, mn::kUfoInfo, mn::kLancerInfo};

TEST_P(MenuPicture, DrawsAsAPlayerSeesIt) {
    const Screen& screen = GetParam();
    menuSystem.SetCurrentMenu(screen.menu);
    if (screen.popup[0]) menuSystem.SetPopupMenu(screen.popup, true);
    if (ModeOfSelectionMenu(screen.menu) >= 0) {
        gltest::StepVehicleSelector(VehicleSelectorIds, screen.menu, screen.vehicle);
        gltest::StepVehicleSelector(SecondVehicleSelectorIds, screen.menu, screen.secondVehicle);
        // The screen flow's frame step puts up the sheets of the chosen vehicles.
        application.UpdateScreens();
        if (std::string(screen.menu) != mn::kSelectionVersus) {
            EXPECT_EQ(menuSystem.GetPopupMenuName(), kSheets[screen.vehicle]);
        }
    }
    if (screen.dialogue[0]) menuSystem.StartDialogue(screen.dialogue, -1);
    // Long enough for a page of dialogue to type out and the vehicles to turn a little.
    frameSeconds = 1.0f / 60.0f;
    for (int frame = 0; frame < screen.frames; ++frame) {
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
    EXPECT_GT(lit, screen.minLit) << "the screen is nearly black";
}

const Screen kScreens[] = {
    {"intro", mn::kIntro, "", ""},
    {"team_intro", mn::kTeamIntro, "", ""},
    {"main_menu", mn::kMainMenu, "", ""},
    {"single_player", mn::kSinglePlayerOptions, "", ""},
    {"multi_player", mn::kMultiPlayerOptions, "", ""},
    {"options", mn::kOptions, "", ""},
    {"credits", mn::kCredits, "", ""},
    {"backstory_main", mn::kBackstory1, "", ""},
    {"backstory_race", mn::kBackstory4, "", ""},
    {"story_selection", mn::kSelectionStory, "", "", 0},
    {"battle_selection", mn::kSelectionBattle, "", "", 2},
    {"assault_selection", mn::kSelectionAssault, "", "", 1},
    {"survival_selection", mn::kSelectionSurvival, "", "", 3},
    {"versus_selection", mn::kSelectionVersus, "", "", 0, 2},
    {"versus_buggy_lancer", mn::kSelectionVersus, "", "", 1, 3},
    {"loading", mn::kLoadingScreen, "", "", 0, 0, 1, 200},
    {"win", mn::kLevelScreen, mn::kWinDisplay, ""},
    {"lose", mn::kLevelScreen, mn::kLoseDisplay, ""},
    {"draw", mn::kLevelScreen, mn::kDrawDisplay, ""},
    {"congratulations", mn::kLevelScreen, mn::kCongratsDisplay, ""},
    {"player_two_wins", mn::kLevelScreen, mn::kP2Win, ""},
    {"in_game_menu", mn::kLevelScreen, mn::kInGameMenu, ""},
    {"story_dialogue", mn::kLevelScreen, "", "terran_intro1"},
};

INSTANTIATE_TEST_SUITE_P(Catalogue, MenuPicture, ::testing::ValuesIn(kScreens),
                         [](const ::testing::TestParamInfo<Screen>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
