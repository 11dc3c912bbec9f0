// The level screen drawn by the game's own frame steps at the game's window size: a Battle, a
// Versus and an Assault level started as the loading screen starts them, with the HUD, the
// players' tags and the crosshair. Each picture is saved under <build>/tests/gl-pictures.
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
#include "game/ParticleEffects.h"
#include "platform/Services.h"
#include "platform/freetype/FreeTypeFonts.h"
#include "platform/sdl/SdlEvents.h"
#include "render/GraphicsSystem.h"
#include "tests/app/TempDir.h"
#include "tests/game/FlowMenus.h"
#include "tests/gl/GlHarness.h"
#include "ui/GameFonts.h"
#include "ui/GlMenuCanvas.h"
#include "ui/MenuSystem.h"
#include "world/Vehicle.h"
#include "world/World.h"

namespace {

using gltest::GlHarness;

constexpr int kW = GlHarness::kWidth;
constexpr int kH = GlHarness::kHeight;

struct ScreenCase {
    const char* name;
    int gameMode;
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
        // The harness's display, with the game's fonts and clocks.
        static platform::FreeTypeFonts fonts;
        static platform::SdlClock clock;
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
        flowmenus::BuildMenus();
        InstallParticleEffects();
        InstallComputerDrivers();
        application.CreateEnemyBars();
        application.ClearLevelLists();
        const ScreenCase& c = GetParam();
        application.AddLevel(fileLoader.GetRoot() + "\\RESOURCES\\Files\\" + c.level, c.gameMode);
        application.SetGameMode(c.gameMode);
        frameTimer.Init(true);
    }
    void TearDown() override {
        if (!inside) return;
        application.EndLevel(LeaveButton::Other);
        application.ClearLevelLists();
        menuSystem.Shutdown();
        SetMenuCanvas(nullptr);
        inside.reset();
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

    std::unique_ptr<WorkingDirectory> inside;
};

TEST_P(LevelScreenPicture, TheGameDrawsItsLevelFrameWithTheHud) {
    const ScreenCase& c = GetParam();
    std::srand(7);
    ASSERT_TRUE(application.StartLevel(0, 0, c.playerChoice, c.secondChoice, true));
    menuSystem.SetCurrentMenu("LEVEL_SCREEN");
    // The first opponent stands in view, 16 units ahead of player one.
    Vehicle* playerOne = application.GetPlayer(0);
    Vehicle* opponent = application.GetEnemy(0);
    if (opponent && c.gameMode != Versus) {
        world.RemoveFromGrid(opponent);
        opponent->GetModel()->ResetMatrix();
        opponent->Translate(playerOne->GetMatrixElement(12) + 16 * playerOne->GetMatrixElement(8),
                            0.0f,
                            playerOne->GetMatrixElement(14) + 16 * playerOne->GetMatrixElement(10));
        world.AddToGrid(opponent);
        opponent->TakeDamage(opponent->GetMaxHitPoints() / 3);
    }
    for (int i = 0; i < 3; ++i) UpdateAndDrawFrame();
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

INSTANTIATE_TEST_SUITE_P(GameFrame, LevelScreenPicture,
                         ::testing::Values(ScreenCase{"Battle", Battle, "Bathroom1.txt", 0, 0},
                                           ScreenCase{"Versus", Versus, "Multi1.txt", 1, 3},
                                           ScreenCase{"Assault", Assault, "Assault1.txt", 2, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
