#include "game/CameraControl.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "app/InputState.h"
#include "game/Application.h"
#include "game/MenuNames.h"
#include "tests/game/GlobalsFixture.h"
#include "world/Vehicle.h"

namespace mn = menunames;

namespace {

struct CameraCase {
    const char* name;
    CameraMode before;
    int key;  // camera key slot held, or -1
    int mode;
    bool playersDestroyed;
    bool enemiesDestroyed;
    CameraMode after;
};
void PrintTo(const CameraCase& c, std::ostream* os) {
    *os << c.name;
}

class CameraModeRule : public ::testing::TestWithParam<CameraCase> {};

TEST_P(CameraModeRule, ByKeysModeAndDefeat) {
    const CameraCase& c = GetParam();
    std::uint8_t keys[InputState::kSlots] = {};
    if (c.key >= 0) keys[c.key] = 1;
    EXPECT_EQ(NextCameraMode(c.before, keys, c.mode, c.playersDestroyed, c.enemiesDestroyed),
              c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Camera, CameraModeRule,
    ::testing::Values(
        CameraCase{"NoKeyKeepsTheView", TopDownCamera, -1, Battle, false, false, TopDownCamera},
        CameraCase{"KeypadOneChase", TopDownCamera, CameraKey1, Battle, false, false, ChaseCamera},
        CameraCase{"KeypadTwoTopDown", ChaseCamera, CameraKey2, Story, false, false, TopDownCamera},
        CameraCase{"KeypadThreeFront", ChaseCamera, CameraKey3, Assault, false, false, FrontCamera},
        CameraCase{"VersusIgnoresTheKeys", OverviewCamera, CameraKey1, Versus, false, false,
                   OverviewCamera},
        CameraCase{"DefeatOrbitsOverAnyKey", ChaseCamera, CameraKey2, Battle, true, false,
                   DefeatCamera},
        CameraCase{"EverybodyGoneKeepsTheView", FrontCamera, -1, Battle, true, true, FrontCamera},
        CameraCase{"VersusHasNoDefeatOrbit", OverviewCamera, -1, Versus, true, false,
                   OverviewCamera}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Camera, OnlyTheChaseViewShowsTheCrosshair) {
    for (int mode : {0, static_cast<int>(ChaseCamera), 7}) {
        const CameraShot shot = ShotFor(static_cast<CameraMode>(mode));
        EXPECT_EQ(shot.followMode, ChaseCamera) << mode;
        EXPECT_TRUE(shot.crosshair) << mode;
    }
    EXPECT_EQ(ShotFor(TopDownCamera).a, 50.0f);
    EXPECT_FALSE(ShotFor(TopDownCamera).crosshair);
    EXPECT_FALSE(ShotFor(FrontCamera).crosshair);
    EXPECT_TRUE(ShotFor(OverviewCamera).overview);
    EXPECT_TRUE(ShotFor(DefeatCamera).orbitAngle);
    EXPECT_FALSE(ShotFor(DefeatCamera).crosshair);
}

// The camera step through the globals, on the level screen with a player-one vehicle.
class CameraStep : public GlobalsTest {
protected:
    void SetUp() override {
        GlobalsTest::SetUp();
        menuSystem.EnsureMenu(mn::kLevelScreen);
        menuSystem.SetCurrentMenu(mn::kLevelScreen);
        playerOne.SetHuman(true);
        playerOne.SetPlayerNumber(1);
        playerOne.SetHitPoints(10);
        enemy.SetHitPoints(10);
        world.collisionList = {&playerOne, &enemy};
        application.TakeVehicleSlots(0);
        world.collisionList.clear();
        world.playerOneVehicle = &playerOne;
        application.SetCameraMode(ChaseCamera);
    }
    void TearDown() override {
        world.playerOneVehicle = nullptr;
        application.DropLevelState();
        GlobalsTest::TearDown();
    }
    void Frame(int key = -1) {
        inputState.keys[CameraKey1] = inputState.keys[CameraKey2] = inputState.keys[CameraKey3] = 0;
        if (key >= 0) inputState.keys[key] = 1;
        fake.clock.AdvanceSeconds(0.5);
        frameTimer.Update();
        application.UpdateCamera();
    }
    Vehicle playerOne;
    Vehicle enemy;
};

TEST_F(CameraStep, TheKeypadSwitchesViewsAndTheCrosshair) {
    Frame(CameraKey2);
    EXPECT_EQ(application.GetCameraMode(), TopDownCamera);
    EXPECT_FALSE(application.IsCrosshairShown());
    Frame(CameraKey1);
    EXPECT_EQ(application.GetCameraMode(), ChaseCamera);
    EXPECT_TRUE(application.IsCrosshairShown());
}

TEST_F(CameraStep, TheDefeatOrbitTurnsAQuarterRadianASecondFromTwo) {
    Frame();
    EXPECT_FLOAT_EQ(application.GetDefeatCameraAngle(), kDefeatOrbitStart);
    playerOne.SetHitPoints(0);
    Frame();
    Frame();
    EXPECT_EQ(application.GetCameraMode(), DefeatCamera);
    EXPECT_FALSE(application.IsCrosshairShown());
    EXPECT_FLOAT_EQ(application.GetDefeatCameraAngle(), kDefeatOrbitStart + 2 * 0.5f * 0.25f);
}

}  // namespace
