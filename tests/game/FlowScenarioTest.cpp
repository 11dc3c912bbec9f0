// Shipped levels played through the game's own frame, from menus built by the test: the
// intro screens, a selection menu, the loading screen, the level played with scripted keys
// to its result popup, and the way back through the unloading screen.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

#include "app/FileLoader.h"
#include "game/CameraControl.h"
#include "game/MenuLinks.h"
#include "platform/Keyboard.h"
#include "tests/app/TempDir.h"
#include "tests/game/FlowMenus.h"
#include "tests/game/GlobalsFixture.h"
#include "ui/GameFonts.h"
#include "ui/LoadingScreenWidget.h"
#include "ui/RecordingCanvas.h"
#include "world/GameEntity.h"
#include "world/Vehicle.h"
#include "world/World.h"

namespace {

using namespace platform;
using flowmenus::Place;

constexpr std::uint32_t kFrameMs = 10;
// A minute of play at most.
constexpr int kMaxFrames = 6000;

struct PlayerKeys {
    int right, left, thrust, primary;
};
constexpr PlayerKeys kPlayerOne = {vk::D, vk::A, vk::W, vk::J};
constexpr PlayerKeys kPlayerTwo = {vk::Right, vk::Left, vk::Up, vk::Numpad0};

class FlowScenario : public GlobalsTest {
protected:
    void SetUp() override {
        GlobalsTest::SetUp();
        inside = std::make_unique<WorkingDirectory>(BRASK_BUILD_DIR);
        application.Init();
        // No GL here: the frame's drawing steps find no renderer, the menus draw on a
        // recording canvas.
        graphicsSystem.Shutdown();
        SetMenuCanvas(&canvas);
        menuSystem.DeleteFonts();
        for (const GameFont& font : kGameFonts)
            menuSystem.CreateFont(kGameFontFace, font.height, font.bold, false, false);
        world.ResetResourceCache();
        frameTimer.Init(false);
        fake.clock.milliseconds = 1000;
        frameTimer.Update();
        flowmenus::BuildIntroScreens();
        application.SetMenuBuilder(flowmenus::BuildMenus);
    }
    void TearDown() override {
        application.EndLevel(LeaveButton::Other);
        GlobalsTest::TearDown();
        inside.reset();
    }

    void Frame() {
        fake.clock.milliseconds += kFrameMs;
        RunFrame();
    }
    // Frames until `menu` is current; false when it does not come within `limit` frames.
    bool FramesUntil(const std::string& menu, int limit = 1000) {
        for (int i = 0; i < limit && menuSystem.GetCurrentMenuName() != menu; ++i) Frame();
        return menuSystem.GetCurrentMenuName() == menu;
    }
    // The pointer to `at`, a press and a release, one message a frame.
    void Click(Place at) {
        fake.events.Push(WM_MOUSEMOVE, 0, at.x, at.y);
        fake.events.Push(WM_LBUTTONDOWN, MK_LBUTTON, at.x, at.y);
        fake.events.Push(WM_LBUTTONUP, 0, at.x, at.y);
        for (int i = 0; i < 3; ++i) Frame();
    }
    // Escape held for one frame; its repeat is paced by the World clock.
    void Escape() {
        for (int i = 0; i < 30; ++i) Frame();
        fake.keyboard.held.insert(vk::Escape);
        Frame();
        fake.keyboard.held.erase(vk::Escape);
    }
    void ToMainMenu() { ASSERT_TRUE(FramesUntil("MAIN_MENU")); }
    // From the main menu through a selection menu and the loading screen into the level.
    void EnterLevel(Place modeButton, const char* selectionMenu) {
        ToMainMenu();
        Click(modeButton);
        ASSERT_EQ(menuSystem.GetCurrentMenuName(), selectionMenu);
        Click(flowmenus::kStartButton);
        ASSERT_TRUE(FramesUntil("LEVEL_SCREEN", 10));
    }

    // Holds the keys that turn `driver` towards `target`, drive at it and fire when it is
    // ahead.
    void Steer(const Vehicle& driver, const Vehicle& target, const PlayerKeys& keys) {
        const float dx = target.GetMatrixElement(12) - driver.GetMatrixElement(12);
        const float dz = target.GetMatrixElement(14) - driver.GetMatrixElement(14);
        // A vehicle drives along its model's z axis.
        const float fx = driver.GetMatrixElement(8);
        const float fz = driver.GetMatrixElement(10);
        const float distance = std::sqrt(dx * dx + dz * dz);
        const float along = (fx * dx + fz * dz) / (distance + 1e-6f);
        const float side = fx * dz - fz * dx;
        for (int key : {keys.right, keys.left, keys.thrust, keys.primary})
            fake.keyboard.held.erase(key);
        if (along < 0.995f) fake.keyboard.held.insert(side > 0 ? keys.right : keys.left);
        if (distance > 12.0f) fake.keyboard.held.insert(keys.thrust);
        if (along > 0.95f) fake.keyboard.held.insert(keys.primary);
    }
    // Frames until the level is decided; the count, or kMaxFrames.
    int PlayUntilDecided(const std::function<void()>& script) {
        int frames = 0;
        while (!application.IsLevelOver() && frames < kMaxFrames) {
            script();
            Frame();
            ++frames;
        }
        fake.keyboard.held.clear();
        return frames;
    }
    // Frames until a popup shows; the count.
    int FramesUntilPopup(int limit = 1000) {
        int frames = 0;
        while (menuSystem.GetPopupMenuName().empty() && frames < limit) {
            Frame();
            ++frames;
        }
        return frames;
    }
    static size_t Steps(const char* menu) {
        const LoadingScreenWidget* widget = FindLoadingWidget(menu);
        return widget ? widget->steps.size() : 0;
    }
    bool Drew(const std::string& text) const {
        const std::vector<std::string> texts = canvas.Texts();
        return std::find(texts.begin(), texts.end(), text) != texts.end();
    }

    RecordingCanvas canvas;
    std::unique_ptr<WorkingDirectory> inside;
};

TEST_F(FlowScenario, TheIntroScreensLeadToTheMainMenuWithTheStepsQueued) {
    EXPECT_EQ(menuSystem.GetCurrentMenuName(), "INTRO");
    Frame();
    fake.events.Push(WM_KEYDOWN, vk::W);
    Frame();
    EXPECT_EQ(menuSystem.GetCurrentMenuName(), "TEAM_INTRO");
    // Without input the team screen waits two seconds of frames.
    for (int i = 0; i < 150; ++i) Frame();
    EXPECT_EQ(menuSystem.GetCurrentMenuName(), "TEAM_INTRO");
    ToMainMenu();
    EXPECT_EQ(Steps("LOADING_SCREEN"), 1u);
    EXPECT_EQ(Steps("UNLOADING_SCREEN"), 1u);
}

TEST_F(FlowScenario, BattleIsFoughtToItsResultPopupAndLeftForTheSelectionMenu) {
    std::srand(11);
    EnterLevel(flowmenus::kBattleButton, "VEHICLE_SELECTION_BATTLE_1P");
    ASSERT_EQ(application.GetGameMode(), Battle);
    EXPECT_EQ(application.GetCurrentLevel(),
              fileLoader.GetRoot() + "\\RESOURCES\\Files\\Bathroom1.txt");
    Vehicle* playerOne = application.GetPlayer(0);
    Vehicle* opponent = application.GetEnemy(0);
    ASSERT_NE(playerOne, nullptr);
    ASSERT_NE(opponent, nullptr);
    EXPECT_EQ(application.GetEnemy(1), nullptr);
    EXPECT_EQ(application.GetCameraMode(), ChaseCamera);
    EXPECT_TRUE(application.IsCrosshairShown());

    ASSERT_LT(PlayUntilDecided([&] { Steer(*playerOne, *opponent, kPlayerOne); }), kMaxFrames)
        << "nobody was destroyed";
    const bool won = opponent->GetHitPoints() <= 0 && playerOne->GetHitPoints() > 0;
    EXPECT_GT(MissionStats.shotsFired, 0);
    canvas.Clear();
    Frame();
    EXPECT_TRUE(Drew("Armor  :"));
    EXPECT_FALSE(application.IsCrosshairShown());

    // 3.75 s and 0.25 s of 10 ms frames after the decision, and no dialogue in between: the
    // level has none, and the game does not wait for it.
    const int frames = FramesUntilPopup();
    EXPECT_GE(frames, 398);
    EXPECT_LE(frames, 402);
    EXPECT_EQ(menuSystem.GetPopupMenuName(), won ? "BATTLE_WIN_DISPLAY" : "LOSE_DISPLAY");
    EXPECT_EQ(application.IsLevelWon(), won);

    // Escape covers the result with the in-game menu, and brings it back.
    Escape();
    EXPECT_EQ(menuSystem.GetPopupMenuName(), "IN_GAME_MENU");
    Escape();
    EXPECT_EQ(menuSystem.GetPopupMenuName(), won ? "BATTLE_WIN_DISPLAY" : "LOSE_DISPLAY");

    Click(flowmenus::kReturnButton);
    ASSERT_TRUE(FramesUntil("VEHICLE_SELECTION_BATTLE_1P", 10));
    EXPECT_TRUE(world.updateList.empty());
    EXPECT_TRUE(world.collisionList.empty());
    EXPECT_EQ(world.GetPlayerOne(), nullptr);
    EXPECT_EQ(application.GetPlayer(0), nullptr);
    EXPECT_EQ(Steps("LOADING_SCREEN"), 1u);
    EXPECT_EQ(Steps("UNLOADING_SCREEN"), 1u);
}

TEST_F(FlowScenario, SurvivalReplacesItsOpponentAndRestartsFromTheInGameMenu) {
    std::srand(5);
    EnterLevel(flowmenus::kSurvivalButton, "VEHICLE_SELECTION_SURVIVAL_1P");
    ASSERT_EQ(application.GetGameMode(), Survival);
    EXPECT_EQ(application.GetCurrentLevel(),
              fileLoader.GetRoot() + "\\RESOURCES\\Files\\DiningRoom.txt");
    for (int kill = 1; kill <= 2; ++kill) {
        Vehicle* opponent = application.GetEnemy(0);
        ASSERT_NE(opponent, nullptr);
        opponent->TakeDamage(opponent->GetHitPoints());
        Frame();
        EXPECT_NE(application.GetEnemy(0), opponent);
        EXPECT_EQ(application.GetSurvivalKills(), kill);
        EXPECT_FALSE(application.IsLevelOver());
    }
    canvas.Clear();
    Frame();
    EXPECT_TRUE(Drew("Destroyed: 2"));

    Escape();
    ASSERT_EQ(menuSystem.GetPopupMenuName(), "IN_GAME_MENU");
    Click(flowmenus::kReplayButton);  // "Restart Level"
    ASSERT_TRUE(FramesUntil("LEVEL_SCREEN", 10));
    EXPECT_NE(application.GetPlayer(0), nullptr);
    EXPECT_EQ(application.GetSurvivalKills(), 0);
    EXPECT_EQ(menuSystem.GetPopupMenuName(), "");

    Vehicle* playerOne = application.GetPlayer(0);
    playerOne->TakeDamage(playerOne->GetHitPoints());
    Frame();
    EXPECT_TRUE(application.IsLevelOver());
    FramesUntilPopup();
    EXPECT_EQ(menuSystem.GetPopupMenuName(), "LOSE_DISPLAY");
}

// Every computer vehicle of the level destroyed at once.
void DestroyEnemies() {
    for (int i = 0; i < 5 && application.GetEnemy(i); ++i)
        application.GetEnemy(i)->TakeDamage(application.GetEnemy(i)->GetHitPoints());
}

TEST_F(FlowScenario, StoryRestartsAWonLevelAndGoesOnFromItsNextLevelButton) {
    std::srand(2);
    EnterLevel(flowmenus::kStoryButton, "VEHICLE_SELECTION_STORY");
    ASSERT_EQ(application.GetGameMode(), Story);
    const std::string files = fileLoader.GetRoot() + "\\RESOURCES\\Files\\";
    EXPECT_EQ(application.GetCurrentLevel(), files + "Story1.txt");
    EXPECT_EQ(application.GetStoryLevel(), 0);
    ASSERT_NE(application.GetEnemy(0), nullptr);

    DestroyEnemies();
    FramesUntilPopup();
    EXPECT_EQ(menuSystem.GetPopupMenuName(), "WIN_DISPLAY");
    // "Restart Level" over the win plays the same level again.
    Escape();
    ASSERT_EQ(menuSystem.GetPopupMenuName(), "IN_GAME_MENU");
    Click(flowmenus::kReplayButton);
    ASSERT_TRUE(FramesUntil("LEVEL_SCREEN", 10));
    EXPECT_EQ(application.GetCurrentLevel(), files + "Story1.txt");
    EXPECT_EQ(application.GetStoryLevel(), 0);
    EXPECT_FALSE(application.IsLevelWon());

    DestroyEnemies();
    FramesUntilPopup();
    ASSERT_EQ(menuSystem.GetPopupMenuName(), "WIN_DISPLAY");
    Click(flowmenus::kReplayButton);  // "Next Level"
    ASSERT_TRUE(FramesUntil("LEVEL_SCREEN", 10));
    EXPECT_EQ(application.GetCurrentLevel(), files + "Story2.txt");
    EXPECT_EQ(application.GetStoryLevel(), 1);
}

TEST_F(FlowScenario, VersusPlayersFightToAResult) {
    std::srand(3);
    EnterLevel(flowmenus::kVersusButton, "VEHICLE_SELECTION_BATTLE_2P");
    ASSERT_EQ(application.GetGameMode(), Versus);
    Vehicle* one = application.GetPlayer(0);
    Vehicle* two = application.GetPlayer(1);
    ASSERT_NE(one, nullptr);
    ASSERT_NE(two, nullptr);
    EXPECT_EQ(application.GetEnemy(0), nullptr);
    EXPECT_EQ(application.GetCameraMode(), OverviewCamera);
    ASSERT_LT(PlayUntilDecided([&] {
                  Steer(*one, *two, kPlayerOne);
                  Steer(*two, *one, kPlayerTwo);
              }),
              kMaxFrames)
        << "nobody was destroyed";
    FramesUntilPopup();
    const char* expected = one->GetHitPoints() > 0   ? "P1_WIN"
                           : two->GetHitPoints() > 0 ? "P2_WIN"
                                                     : "DRAW_DISPLAY";
    EXPECT_EQ(menuSystem.GetPopupMenuName(), expected);
}

TEST_F(FlowScenario, ALevelThatCannotBeReadIsNotEntered) {
    application.ClearLevelLists();
    const std::string missing = fileLoader.GetRoot() + "\\RESOURCES\\Files\\NoSuchRoom.txt";
    application.AddLevel(missing, Battle);
    ToMainMenu();
    Click(flowmenus::kBattleButton);
    Click(flowmenus::kStartButton);
    ASSERT_TRUE(FramesUntil("VEHICLE_SELECTION_BATTLE_1P", 10));
    ASSERT_EQ(fake.dialogs.shown.size(), 1u);
    EXPECT_EQ(fake.dialogs.shown[0].caption, missing);
    EXPECT_TRUE(world.updateList.empty());
    EXPECT_EQ(world.GetPlayerOne(), nullptr);
    EXPECT_EQ(Steps("LOADING_SCREEN"), 1u);
}

}  // namespace
