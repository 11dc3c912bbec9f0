// Computer vehicles hunting a standing player one in the shipped Assault and Story levels,
// frame by frame through the game's own passes at a fixed frame time, random draws seeded.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "ai/AIController.h"
#include "app/FileLoader.h"
#include "app/FrameTimer.h"
#include "game/ComputerDrivers.h"
#include "tests/app/TempDir.h"
#include "tests/game/GlobalsFixture.h"
#include "tests/game/LevelPassFixture.h"
#include "world/Vehicle.h"
#include "world/World.h"

namespace {

class AssaultScenarioTest : public LevelPassTest {
protected:
    // The computer-driven vehicles of the level, in list order.
    static std::vector<Vehicle*> Opponents() {
        std::vector<Vehicle*> found;
        for (GameEntity* e : world.updateList) {
            if (e->GetTypeName() != "Vehicle") continue;
            auto* v = static_cast<Vehicle*>(e);
            if (v->GetController() != nullptr && v->GetName() != "Battery") found.push_back(v);
        }
        return found;
    }

    void Load(const char* level) {
        std::srand(11);
        world.SetAIDifficulty(0.5f);
        world.BuildLevel(fileLoader.GetRoot() + "\\RESOURCES\\Files\\" + level);
        world.CreatePlayerVehicle(0);
    }
};

float NearestOpponent(const Vehicle* player, const std::vector<Vehicle*>& opponents) {
    float nearest = 1e9f;
    for (const Vehicle* v : opponents) {
        const float dx = v->GetMatrixElement(12) - player->GetMatrixElement(12);
        const float dz = v->GetMatrixElement(14) - player->GetMatrixElement(14);
        nearest = std::min(nearest, std::sqrt(dx * dx + dz * dz));
    }
    return nearest;
}

class HuntTest : public AssaultScenarioTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(HuntTest, OpponentsFindCloseInFireAndHitAStandingPlayer) {
    Load(GetParam());
    Vehicle* player = world.GetPlayerOne();
    ASSERT_NE(player, nullptr);
    const std::vector<Vehicle*> opponents = Opponents();
    ASSERT_FALSE(opponents.empty());
    const int startHitPoints = player->GetHitPoints();
    const float startDistance = NearestOpponent(player, opponents);

    constexpr int kFrames = 60 * 90;  // a minute and a half of play
    bool engaged = false;
    float closest = startDistance;
    int frame = 0;
    for (; frame < kFrames && player->GetHitPoints() == startHitPoints; ++frame) {
        Frame();
        for (Vehicle* v : opponents) {
            const AIController* driver = ComputerDriverOf(*v);
            if (driver != nullptr && driver->state == Engage) engaged = true;
        }
        closest = std::min(closest, NearestOpponent(player, opponents));
    }
    EXPECT_TRUE(engaged);
    EXPECT_LT(closest, startDistance);
    int shots = 0;
    for (Vehicle* v : opponents) shots += v->GetPrimaryShots() + v->GetSecondaryShots();
    EXPECT_GT(shots, 0);
    EXPECT_LT(player->GetHitPoints(), startHitPoints) << "after " << frame << " frames";
}

INSTANTIATE_TEST_SUITE_P(Levels, HuntTest,
                         ::testing::Values("Assault1.txt", "Assault2.txt", "Assault3.txt",
                                           "Assault4.txt", "Story1.txt", "Story2.txt", "Story3.txt",
                                           "Story4.txt", "Story5.txt", "Story6.txt"),
                         [](const auto& info) {
                             std::string name = info.param;
                             return name.substr(0, name.find('.'));
                         });

TEST_F(AssaultScenarioTest, AnOpponentLowOnFuelFleesAndLaterReturns) {
    Load("Assault1.txt");
    const std::vector<Vehicle*> opponents = Opponents();
    ASSERT_FALSE(opponents.empty());
    Vehicle* low = opponents.front();
    low->SetFuel(50);  // below the Buggy's 140
    Frame();           // the driver hears of it at the end of this frame
    Frame();
    ASSERT_NE(ComputerDriverOf(*low), nullptr);
    EXPECT_EQ(ComputerDriverOf(*low)->state, Flee);

    // Fuel comes back with time; once it is at 740 with player one far enough away the
    // opponent searches again.
    bool returned = false;
    for (int frame = 0; frame < 60 * 120 && !returned; ++frame) {
        Frame();
        if (ComputerDriverOf(*low) == nullptr) break;
        returned = ComputerDriverOf(*low)->state != Flee;
    }
    EXPECT_TRUE(returned);
    EXPECT_GE(low->GetFuel(), 740);
}

}  // namespace
