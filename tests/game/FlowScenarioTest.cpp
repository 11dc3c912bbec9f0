// Levels of the shipped content played through the game's own frame, with scripted keys: a
// level is started as the loading screen starts it, played until it is decided, and left.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

#include "app/FileLoader.h"
#include "game/CameraControl.h"
#include "platform/Keyboard.h"
#include "tests/app/TempDir.h"
#include "tests/game/GlobalsFixture.h"
#include "world/GameEntity.h"
#include "world/Vehicle.h"
#include "world/World.h"

namespace {

using namespace platform;

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
        // No GL here: the frame's drawing steps find no renderer.
        graphicsSystem.Shutdown();
        world.ResetResourceCache();
        frameTimer.Init(false);
        fake.clock.milliseconds = 1000;
        frameTimer.Update();
        for (const char* menu :
             {"MAIN_MENU", "VEHICLE_SELECTION_BATTLE_1P", "VEHICLE_SELECTION_BATTLE_2P",
              "VEHICLE_SELECTION_SURVIVAL_1P", "LOADING_SCREEN", "LEVEL_SCREEN"})
            menuSystem.EnsureMenu(menu);
    }
    void TearDown() override {
        application.EndLevel(LeaveButton::Other);
        GlobalsTest::TearDown();
        inside.reset();
    }

    // The selection menu shows for a frame, which sets the mode; the level is started as
    // the loading screen starts it and the level screen shows.
    void Enter(const char* selectionMenu, int level, int choice1, int choice2) {
        menuSystem.SetCurrentMenu(selectionMenu);
        Frame();
        menuSystem.SetCurrentMenu("LOADING_SCREEN");
        ASSERT_TRUE(application.StartLevel(level, 0, choice1, choice2, true));
        menuSystem.SetCurrentMenu("LEVEL_SCREEN");
    }

    void Frame() {
        fake.clock.milliseconds += kFrameMs;
        RunFrame();
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
        return frames;
    }

    std::unique_ptr<WorkingDirectory> inside;
};

TEST_F(FlowScenario, BattleIsFoughtToAResultAndLeftForTheSelectionMenu) {
    std::srand(11);
    Enter("VEHICLE_SELECTION_BATTLE_1P", 0, 0, 0);
    ASSERT_EQ(application.GetGameMode(), Battle);
    Vehicle* playerOne = application.GetPlayer(0);
    Vehicle* opponent = application.GetEnemy(0);
    ASSERT_NE(playerOne, nullptr);
    ASSERT_NE(opponent, nullptr);
    EXPECT_EQ(application.GetEnemy(1), nullptr);
    EXPECT_EQ(application.GetCameraMode(), ChaseCamera);

    const int frames = PlayUntilDecided([&] { Steer(*playerOne, *opponent, kPlayerOne); });
    ASSERT_LT(frames, kMaxFrames) << "nobody was destroyed";
    fake.keyboard.held.clear();
    const bool won = opponent->GetHitPoints() <= 0 && playerOne->GetHitPoints() > 0;
    EXPECT_GT(MissionStats.shotsFired, 0);

    // The result comes 3.75 s and 0.25 s of level frames after the decision.
    for (int i = 0; i < 395 && !application.IsResultsPending(); ++i) Frame();
    EXPECT_TRUE(application.IsResultsPending());
    for (int i = 0; i < 30; ++i) Frame();
    EXPECT_EQ(application.IsLevelWon(), won);

    EXPECT_EQ(application.EndLevel(LeaveButton::Other), UnloadTarget::SelectionMenu);
    EXPECT_TRUE(world.updateList.empty());
    EXPECT_TRUE(world.collisionList.empty());
    EXPECT_EQ(world.GetPlayerOne(), nullptr);
    EXPECT_EQ(application.GetPlayer(0), nullptr);
}

TEST_F(FlowScenario, SurvivalReplacesItsOpponentAndCountsTheKills) {
    std::srand(5);
    Enter("VEHICLE_SELECTION_SURVIVAL_1P", 0, 1, 0);
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
    Vehicle* playerOne = application.GetPlayer(0);
    playerOne->TakeDamage(playerOne->GetHitPoints());
    Frame();
    EXPECT_TRUE(application.IsLevelOver());
    EXPECT_EQ(application.GetSurvivalKills(), 2);
}

TEST_F(FlowScenario, VersusPlayersFightToAResult) {
    std::srand(3);
    Enter("VEHICLE_SELECTION_BATTLE_2P", 0, 0, 3);
    ASSERT_EQ(application.GetGameMode(), Versus);
    Vehicle* one = application.GetPlayer(0);
    Vehicle* two = application.GetPlayer(1);
    ASSERT_NE(one, nullptr);
    ASSERT_NE(two, nullptr);
    EXPECT_EQ(application.GetEnemy(0), nullptr);
    EXPECT_EQ(application.GetCameraMode(), OverviewCamera);
    const int frames = PlayUntilDecided([&] {
        Steer(*one, *two, kPlayerOne);
        Steer(*two, *one, kPlayerTwo);
    });
    ASSERT_LT(frames, kMaxFrames) << "nobody was destroyed";
    EXPECT_TRUE(one->GetHitPoints() <= 0 || two->GetHitPoints() <= 0);
}

}  // namespace
