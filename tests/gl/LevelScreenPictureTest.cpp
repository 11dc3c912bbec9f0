// The level screen drawn by the game's own frame steps at the game's window size, on the menus
// the game builds: a Battle, a Versus and an Assault level started from their selection menus
// through the loading screen, with the HUD, the players' tags and the crosshair. Each picture
// is saved under <build>/tests/gl-pictures.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "app/FileLoader.h"
#include "app/FrameTimer.h"
#include "app/Window.h"
#include "game/Application.h"
#include "game/CameraControl.h"
#include "game/ComputerDrivers.h"
#include "game/Hud.h"
#include "game/MenuCatalogue.h"
#include "game/MenuNames.h"
#include "game/ParticleEffects.h"
#include "game/WidgetIds.h"
#include "platform/Services.h"
#include "platform/freetype/FreeTypeFonts.h"
#include "render/GraphicsSystem.h"
#include "tests/app/TempDir.h"
#include "tests/gl/GlFixture.h"
#include "tests/gl/GlHarness.h"
#include "tests/gl/MenuPresses.h"
#include "ui/GameFonts.h"
#include "ui/GlMenuCanvas.h"
#include "ui/MenuSystem.h"
#include "world/Vehicle.h"
#include "world/World.h"

namespace {

using gltest::GlHarness;
namespace mn = menunames;

constexpr int kW = GlHarness::kWidth;
constexpr int kH = GlHarness::kHeight;
// How far apart the two players stand in the Versus picture.
constexpr float kVersusGap = 32.0f;

using gltest::StepClock;
constexpr std::uint32_t kFrameMs = 10;

struct ScreenCase {
    const char* name;
    int gameMode;
    const char* selection;  // the selection menu that starts the level
    const char* level;
    int playerChoice;
    int secondChoice;
};
void PrintTo(const ScreenCase& c, std::ostream* os) {
    *os << c.name;
}

class LevelScreenPicture : public ::testing::TestWithParam<ScreenCase> {
protected:
    void SetUp() override {
        if (!GlHarness::Get().Ready()) GTEST_SKIP() << GlHarness::Get().Why();
        inside = std::make_unique<WorkingDirectory>(BRASK_BUILD_DIR);
        // The harness's display, with the game's fonts and a stepped clock.
        static platform::FreeTypeFonts fonts;
        platform::Services services;
        services.display = &platform::GetDisplay();
        services.fonts = &fonts;
        services.clock = &clock;
        platform::Install(services);
        fileLoader.Init();
        world.ResetResourceCache();
        // The camera's projection as start-up sets it.
        graphicsSystem.renderer->InitState();
        const float frame[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, -12, 1};
        graphicsSystem.camera->SetPerspective(frame, 0.1f, 1000.0f);
        static GlMenuCanvas canvas;
        SetMenuCanvas(&canvas);
        for (const GameFont& font : kGameFonts)
            menuSystem.CreateFont(kGameFontFace, font.height, font.bold, false, false);
        BuildMenus();
        application.QueueLoadingSteps();
        InstallParticleEffects();
        InstallComputerDrivers();
        application.CreateEnemyBars();
        application.ClearLevelLists();
        const ScreenCase& c = GetParam();
        application.AddLevel(fileLoader.GetRoot() + "\\RESOURCES\\Files\\" + c.level, c.gameMode);
        application.SetGameMode(c.gameMode);
        frameTimer.Init(false);
    }
    void TearDown() override {
        if (!inside) return;
        application.EndLevel(LeaveButton::Other);
        application.ClearLevelLists();
        menuSystem.Shutdown();
        SetMenuCanvas(nullptr);
        inside.reset();
    }
    // The level entered as a player enters it: the selection menu's vehicles chosen with its
    // arrows, its start button pressed, the fade to the loading screen, whose step starts the
    // level and sets up the mode's HUD, and the fade into the level screen.
    static void EnterLevel(const ScreenCase& c) {
        menuSystem.SetCurrentMenu(c.selection);
        Frame();
        gltest::StepVehicleSelector(VehicleSelectorIds, c.selection, c.playerChoice);
        gltest::StepVehicleSelector(SecondVehicleSelectorIds, c.selection, c.secondChoice);
        const Widget* start = menuSystem.FindWidget(StartButtonIds.GetId(c.selection));
        ASSERT_NE(start, nullptr);
        gltest::PressAt(start->x, start->y);
        for (int i = 0; i < 1000 && (menuSystem.GetCurrentMenuName() != mn::kLevelScreen ||
                                     menuSystem.IsTransitioning());
             ++i)
            Frame();
        ASSERT_EQ(menuSystem.GetCurrentMenuName(), mn::kLevelScreen);
        ASSERT_FALSE(menuSystem.IsTransitioning());
        ASSERT_NE(application.GetPlayer(0), nullptr);
        // The objectives open the level in a dialogue box over the view; it is let start and
        // stopped, as though read.
        for (int i = 0; i < 1000 && !menuSystem.IsDialogueActive(); ++i) Frame();
        EXPECT_TRUE(menuSystem.IsDialogueActive());
        menuSystem.StopDialogue();
    }
    // The picture's pixels in a rectangle that match `wanted`.
    static int Count(const std::vector<unsigned char>& rgba, int x0, int y0, int x1, int y1,
                     bool (*wanted)(const unsigned char*)) {
        int n = 0;
        for (int y = std::max(y0, 0); y < std::min(y1, kH); ++y)
            for (int x = std::max(x0, 0); x < std::min(x1, kW); ++x)
                if (wanted(&rgba[(static_cast<size_t>(y) * kW + x) * 4])) ++n;
        return n;
    }
    static bool Red(const unsigned char* p) { return p[0] > 200 && p[1] < 60 && p[2] < 60; }
    static bool Yellow(const unsigned char* p) { return p[0] > 200 && p[1] > 200 && p[2] < 60; }
    static bool White(const unsigned char* p) { return p[0] > 230 && p[1] > 230 && p[2] > 230; }

    // The vehicle moved to that place on the floor, turned to face +z.
    static void PlaceAt(Vehicle* vehicle, float x, float z) {
        world.RemoveFromGrid(vehicle);
        vehicle->GetModel()->ResetMatrix();
        vehicle->Translate(x, 0.0f, z);
        world.AddToGrid(vehicle);
    }

    static void Frame() {
        clock.milliseconds += kFrameMs;
        UpdateAndDrawFrame();
    }

    static inline StepClock clock;
    std::unique_ptr<WorkingDirectory> inside;
};

TEST_P(LevelScreenPicture, TheGameDrawsItsLevelFrameWithTheHud) {
    const ScreenCase& c = GetParam();
    std::srand(7);
    ASSERT_NO_FATAL_FAILURE(EnterLevel(c));
    Vehicle* playerOne = application.GetPlayer(0);
    Vehicle* opponent = application.GetEnemy(0);
    if (c.gameMode == Versus) {
        // The players meet mid-room, as in a fight: the overview over them sees only the
        // room. At their starting places by a wall it would see past the wall.
        const float x = 0.5f * kCellSize * static_cast<float>(world.GetGridSizeX());
        const float z = 0.5f * kCellSize * static_cast<float>(world.GetGridSizeZ());
        PlaceAt(playerOne, x, z - kVersusGap / 2);
        PlaceAt(application.GetPlayer(1), x, z + kVersusGap / 2);
    } else if (opponent) {
        // The first opponent stands in view, 16 units ahead of player one.
        PlaceAt(opponent, playerOne->GetMatrixElement(12) + 16 * playerOne->GetMatrixElement(8),
                playerOne->GetMatrixElement(14) + 16 * playerOne->GetMatrixElement(10));
        opponent->TakeDamage(opponent->GetMaxHitPoints() / 3);
    }
    for (int i = 0; i < 3; ++i) Frame();
    const std::vector<unsigned char> rgba = GlHarness::Get().ReadPixels();
    const std::filesystem::path folder =
        std::filesystem::path(BRASK_BUILD_DIR) / "tests" / "gl-pictures";
    std::filesystem::create_directories(folder);
    GlHarness::Get().SavePng((folder / (std::string("screen-") + c.name + ".png")).string());

    // Texts hang below the point they are printed at; the windowed HUD rows sit 25 pixels
    // above the full-screen ones.
    const int e = window.IsFullscreen() ? 25 : 0;
    if (c.gameMode == Versus) {
        EXPECT_EQ(application.GetCameraMode(), OverviewCamera);
        // Player one's armour row at the bottom left, player two's at the bottom right.
        EXPECT_GT(Count(rgba, 79, kH - 70, 250, kH - 40, Red), 20);
        EXPECT_GT(Count(rgba, 79, kH - 50, 250, kH - 20, Yellow), 20);
        EXPECT_GT(Count(rgba, kW - 270, kH - 70, kW - 90, kH - 40, Red), 20);
        EXPECT_GT(Count(rgba, 0, kH - 100, 400, kH - 70, White), 20);  // the name panel
    } else {
        EXPECT_EQ(application.GetCameraMode(), ChaseCamera);
        const int c1 = kW / 2 - kW / 6;
        const int c2 = kW / 2 + kW / 6;
        EXPECT_GT(Count(rgba, c1 - 10, kH - 40 + e, c1 + 170, kH - 10 + e, Red), 20);
        EXPECT_GT(Count(rgba, c2 - 180, kH - 40 + e, c2, kH - 10 + e, Yellow), 20);
        EXPECT_TRUE(application.IsCrosshairShown());
    }
    if (c.gameMode == Assault) {
        EXPECT_GT(Count(rgba, kW - 200, kH - 80, kW - 40, kH - 55, White), 20);  // Remaining
    }
}

INSTANTIATE_TEST_SUITE_P(
    GameFrame, LevelScreenPicture,
    ::testing::Values(ScreenCase{"Battle", Battle, mn::kSelectionBattle, "Bathroom1.txt", 0, 0},
                      ScreenCase{"Versus", Versus, mn::kSelectionVersus, "Multi1.txt", 1, 3},
                      ScreenCase{"Assault", Assault, mn::kSelectionAssault, "Assault1.txt", 2, 0}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
