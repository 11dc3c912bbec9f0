// The road of one shot in a shipped level: player one's tank fires its primary at a standing
// enemy until the enemy is a wreck, frame by frame through the game's own passes at a fixed
// frame time, with the level's random placement seeded.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "app/ContentRecords.h"
#include "app/FileLoader.h"
#include "game/MenuNames.h"
#include "particles/ParticleSystem.h"
#include "tests/app/TempDir.h"
#include "tests/game/GlobalsFixture.h"
#include "tests/physics/PhysicsFixtures.h"
#include "world/GameEntity.h"
#include "world/Vehicle.h"
#include "world/Weapon.h"
#include "world/World.h"

namespace mn = menunames;

namespace {

constexpr std::uint32_t kFrameMs = 10;
constexpr float kFrame = 0.01f;
// The tank's canon: 28 damage a shell, one shell every 1.1 s.
constexpr int kCanonDamage = 28;
constexpr int kCanonDelayFrames = 110;

class ReplayTest : public GlobalsTest {
protected:
    void SetUp() override {
        GlobalsTest::SetUp();
        inside = std::make_unique<WorkingDirectory>(BRASK_BUILD_DIR);
        application.Init();
        graphicsSystem.Shutdown();
        world.ResetResourceCache();
        physicstest::SetFrameTime(fake, kFrameMs);
        menuSystem.EnsureMenu(mn::kMainMenu);
        menuSystem.EnsureMenu(mn::kLevelScreen);
        menuSystem.SetCurrentMenu(mn::kLevelScreen);
    }
    void TearDown() override {
        world.ClearLevel();
        GlobalsTest::TearDown();
        inside.reset();
    }

    // Moves `v` to the centre of cell (cx, cz), facing +z, and files it there.
    static void Stand(Vehicle* v, int cx, int cz) {
        world.RemoveFromGrid(v);
        v->GetModel()->ResetMatrix();
        v->Translate((cx + 0.5f) * kCellSize, 0.0f, (cz + 0.5f) * kCellSize);
        world.AddToGrid(v);
    }

    void Frame() {
        application.UpdateCollisions();
        application.UpdateEntities();
        application.DrawEntityEffects();
        application.SweepDeadEntities();
        world.time += kFrame;
        physicstest::NextFrame(fake, kFrameMs);
    }

    std::unique_ptr<WorkingDirectory> inside;
};

TEST_F(ReplayTest, PlayerOneShootsAStandingEnemyToAWreckThatFallsAndStays) {
    std::srand(7);
    world.BuildLevel(fileLoader.GetRoot() + "\\RESOURCES\\Files\\Bathroom1.txt");
    world.CreatePlayerVehicle(0);
    Vehicle* player = world.GetPlayerOne();
    ASSERT_NE(player, nullptr);
    ASSERT_EQ(player->GetName(), "Davavod Tank");
    // No driver: the enemy stands where it is put.
    auto* enemy = static_cast<Vehicle*>(world.CreateEntityFromDesc(
        EntityDesc("VEHICLE", "lancer.txt", 0, 0, 0, 0, "lancer.txt"), -1));
    ASSERT_NE(enemy, nullptr);
    const int startHitPoints = enemy->GetHitPoints();
    ASSERT_EQ(startHitPoints, 130);

    // A clear lane along z in the middle of the room: four free cells between the two.
    int lane = -1;
    for (int cx = 2; cx < world.GetGridSizeX() - 2 && lane < 0; ++cx) {
        bool clear = true;
        for (int cz = 3; cz <= 8; ++cz) clear = clear && !world.blocked[cx][cz];
        if (clear) lane = cx;
    }
    ASSERT_GE(lane, 0) << "no clear lane in the level";
    Stand(player, lane, 3);
    Stand(enemy, lane, 7);

    struct Change {
        int frame;
        int hitPoints;
    };
    std::vector<Change> changes;
    int hitPoints = startHitPoints;
    int frame = 0;
    inputState.keys[4] = 1;  // 'J' held: player one's primary
    for (; frame < 2000 && enemy->GetHitPoints() > 0; ++frame) {
        Frame();
        if (enemy->GetHitPoints() != hitPoints) {
            hitPoints = enemy->GetHitPoints();
            changes.push_back({frame, hitPoints});
        }
    }
    inputState.keys[4] = 0;

    ASSERT_LE(enemy->GetHitPoints(), 0) << "the enemy outlived 2000 frames";
    // Five shells, five hits, 28 each: 130, 102, 74, 46, 18, -10.
    EXPECT_EQ(player->GetPrimaryShots(), 5);
    EXPECT_EQ(player->GetHits(), 5);
    ASSERT_EQ(changes.size(), 5u);
    for (std::size_t i = 0; i < changes.size(); ++i) {
        EXPECT_EQ(changes[i].hitPoints, startHitPoints - kCanonDamage * static_cast<int>(i + 1));
        // Each hit follows the last by one canon delay (a frame either way for the clock's
        // rounding).
        if (i > 0) {
            EXPECT_NEAR(changes[i].frame - changes[i - 1].frame, kCanonDelayFrames, 1);
        }
    }
    // The first shell needs some frames to cross the four cells.
    EXPECT_GT(changes[0].frame, 5);
    EXPECT_LT(changes[0].frame, 60);
    EXPECT_EQ(player->GetFuelSpent(), 5 * 45);

    // The wreck: black, thrown up a little, then down to rest above the floor, and it stays.
    float highest = 0.0f;
    for (int after = 0; after < 600; ++after) {
        Frame();
        highest = std::max(highest, enemy->GetMatrixElement(13));
        ASSERT_GE(enemy->GetMatrixElement(13), 0.0f);
    }
    EXPECT_TRUE(enemy->GetModel()->drawBlack);
    EXPECT_GT(highest, 0.0f);
    const float rest = enemy->GetMatrixElement(13);
    EXPECT_LT(rest, highest);
    for (int after = 0; after < 100; ++after) Frame();
    EXPECT_EQ(enemy->GetMatrixElement(13), rest);
    EXPECT_EQ(enemy->GetHitPoints(), startHitPoints - 5 * kCanonDamage);
    bool listed = false;
    for (GameEntity* e : world.updateList) listed = listed || e == enemy;
    EXPECT_TRUE(listed);
    // Every shell has ended and been swept.
    for (GameEntity* e : world.updateList) EXPECT_NE(e->GetTypeName(), "Weapon");
}

// The same road with the game's particle effects: the shell flies with its trail, bursts
// with its impact on the enemy, and is swept only once that impact has died out; the wreck
// explodes with its debris flying.
TEST_F(ReplayTest, TheShellShowsItsTrailAndImpactAndTheWreckExplodes) {
    std::srand(7);
    world.BuildLevel(fileLoader.GetRoot() + "\\RESOURCES\\Files\\Bathroom1.txt");
    world.CreatePlayerVehicle(0);
    Vehicle* player = world.GetPlayerOne();
    ASSERT_NE(player, nullptr);
    auto* enemy = static_cast<Vehicle*>(world.CreateEntityFromDesc(
        EntityDesc("VEHICLE", "lancer.txt", 0, 0, 0, 0, "lancer.txt"), -1));
    ASSERT_NE(enemy, nullptr);
    int lane = -1;
    for (int cx = 2; cx < world.GetGridSizeX() - 2 && lane < 0; ++cx) {
        bool clear = true;
        for (int cz = 3; cz <= 8; ++cz) clear = clear && !world.blocked[cx][cz];
        if (clear) lane = cx;
    }
    ASSERT_GE(lane, 0);
    Stand(player, lane, 3);
    Stand(enemy, lane, 7);
    constexpr int kTrail = 2;
    constexpr int kImpact = 0;
    constexpr int kExplosion = 0;

    // One shell.
    inputState.keys[4] = 1;
    Frame();
    inputState.keys[4] = 0;
    Weapon* shell = nullptr;
    for (GameEntity* e : world.updateList)
        if (e->GetTypeName() == "Weapon") shell = static_cast<Weapon*>(e);
    ASSERT_NE(shell, nullptr);
    ASSERT_NE(shell->effects.Get(kTrail), nullptr);
    ASSERT_NE(shell->effects.Get(kTrail)->GetSystem(0), nullptr) << "the trail has no emitter";

    bool trailShown = false;
    int hitFrame = -1;
    int lastImpactAlive = -1;
    int sweptFrame = -1;
    const int startHitPoints = enemy->GetHitPoints();
    for (int frame = 1; frame < 1000 && sweptFrame < 0; ++frame) {
        if (hitFrame < 0) {
            Effect* trail = shell->effects.Get(kTrail);
            trailShown = trailShown || (shell->effects.IsRunning(kTrail) && trail->WasDrawn() &&
                                        trail->GetSystem(0)->AnyAlive());
        } else {
            Effect* impact = shell->effects.Get(kImpact);
            if (impact->IsAlive()) lastImpactAlive = frame;
        }
        Frame();
        if (hitFrame < 0 && enemy->GetHitPoints() != startHitPoints) {
            hitFrame = frame;
            EXPECT_TRUE(shell->hidden);
            EXPECT_TRUE(shell->effects.IsRunning(kImpact));
            EXPECT_TRUE(shell->effects.Get(kImpact)->WasDrawn());
        }
        bool listed = false;
        for (GameEntity* e : world.updateList) listed = listed || e == shell;
        if (!listed) sweptFrame = frame;
    }
    EXPECT_TRUE(trailShown) << "the shell flew without a trail";
    ASSERT_GT(hitFrame, 0) << "the shell never hit";
    ASSERT_GT(sweptFrame, 0) << "the finished shell stayed in the World";
    // It stayed, invisible, while its impact played, and left within two frames of its end.
    EXPECT_GT(lastImpactAlive, hitFrame + 10);
    EXPECT_LE(sweptFrame, lastImpactAlive + 2);

    // Shoot the enemy to a wreck: its explosion runs, with five burning pieces flying.
    inputState.keys[4] = 1;
    for (int frame = 0; frame < 2000 && enemy->GetHitPoints() > 0; ++frame) Frame();
    inputState.keys[4] = 0;
    ASSERT_LE(enemy->GetHitPoints(), 0);
    for (int frame = 0; frame < 20; ++frame) Frame();
    Effect* explosion = enemy->effects.Get(kExplosion);
    ASSERT_NE(explosion, nullptr);
    EXPECT_TRUE(enemy->effects.IsRunning(kExplosion));
    EXPECT_TRUE(explosion->IsAlive());
    bool debris = false;
    for (int i = 0; explosion->GetSystem(i); ++i)
        debris = debris || explosion->GetSystem(i)->HasRandomDirection();
    EXPECT_TRUE(debris);
}

}  // namespace
