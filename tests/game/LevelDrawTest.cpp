// The level frame's draw rules: which entity gets a planar shadow, which one the entity pass
// draws in each camera mode, and which one casts a shadow volume from which light.
#include "game/LevelDraw.h"

#include <gtest/gtest.h>

#include <set>

#include "game/Application.h"
#include "world/GameEntity.h"
#include "world/Vehicle.h"

namespace {

using leveldraw::VolumeFacts;
using leveldraw::VolumeLight;

TEST(LevelDraw, OnlyShadowCastersThatAreNotVehiclesGetAPlanarShadow) {
    EXPECT_TRUE(leveldraw::CastsPlanarShadow(true, false));
    EXPECT_FALSE(leveldraw::CastsPlanarShadow(true, true));  // a vehicle casts a volume
    EXPECT_FALSE(leveldraw::CastsPlanarShadow(false, false));
    EXPECT_FALSE(leveldraw::CastsPlanarShadow(false, true));
}

TEST(LevelDraw, OnlyTheTallObjectsOfRenderListTwoHaveTheirEffectsDrawnAfterIt) {
    // A recorded caster (a shower) is drawn by the list and would cover its own water.
    EXPECT_TRUE(leveldraw::DrawsEffectsAfterRenderList(true, true));
    // A radial blast is in the list but casts no shadow: its effects stay before the list.
    EXPECT_FALSE(leveldraw::DrawsEffectsAfterRenderList(true, false));
    // Nothing in the list: vehicles, projectiles, a caster not yet recorded.
    EXPECT_FALSE(leveldraw::DrawsEffectsAfterRenderList(false, true));
    EXPECT_FALSE(leveldraw::DrawsEffectsAfterRenderList(false, false));
}

struct EntityPassCase {
    const char* what;
    bool inRenderList;
    bool scenery;
    std::set<int> drawnInModes;  // of camera modes 0 to 5
};

class EntityPassRule : public ::testing::TestWithParam<EntityPassCase> {};

TEST_P(EntityPassRule, DrawsEachModelOnceWithRenderListTwo) {
    const EntityPassCase& c = GetParam();
    for (int mode = 0; mode <= 5; ++mode)
        EXPECT_EQ(leveldraw::DrawnByEntityPass(c.inRenderList, c.scenery, mode),
                  c.drawnInModes.count(mode) == 1)
            << c.what << " in camera mode " << mode;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, EntityPassRule,
    ::testing::Values(
        // In no render list: always drawn by the pass, scenery or not.
        EntityPassCase{"a projectile", false, false, {0, 1, 2, 3, 4, 5}},
        EntityPassCase{"an ordinary level object", false, true, {0, 1, 2, 3, 4, 5}},
        // A radial blast is in the list without scenery: the list always draws it.
        EntityPassCase{"a radial blast", true, false, {}},
        // A recorded tall caster: the list draws it back to front in the overhead views
        // only, so the pass draws it in the others.
        EntityPassCase{"a tall scenery caster", true, true, {0, 1, 3, 5}}));

struct VolumeCase {
    const char* what;
    VolumeFacts facts;
    int gameMode;
    VolumeLight light;
};

class ShadowVolumeRule : public ::testing::TestWithParam<VolumeCase> {};

TEST_P(ShadowVolumeRule, ChoosesTheCastersAndTheirLight) {
    const VolumeCase& c = GetParam();
    EXPECT_EQ(leveldraw::ShadowVolumeLight(c.facts, c.gameMode), c.light) << c.what;
}

// Facts: vehicle, battery, soda can, human, first enemy.
constexpr VolumeFacts kComputerVehicle{true, false, false, false, false};
constexpr VolumeFacts kPlayer{true, false, false, true, false};
constexpr VolumeFacts kFirstEnemy{true, false, false, false, true};
constexpr VolumeFacts kBattery{true, true, false, false, false};
constexpr VolumeFacts kSodaCan{false, false, true, false, false};
constexpr VolumeFacts kLevelObject{false, false, false, false, false};
// A level object that happens to be named "Battery" is no battery.
constexpr VolumeFacts kObjectNamedBattery{false, true, false, false, false};

INSTANTIATE_TEST_SUITE_P(
    Rows, ShadowVolumeRule,
    ::testing::Values(
        // Versus draws none at all.
        VolumeCase{"Versus player", kPlayer, Versus, VolumeLight::None},
        VolumeCase{"Versus battery", kBattery, Versus, VolumeLight::None},
        VolumeCase{"Versus soda can", kSodaCan, Versus, VolumeLight::None},
        // Story and Battle: every vehicle from the camera's light.
        VolumeCase{"Story computer vehicle", kComputerVehicle, Story, VolumeLight::Camera},
        VolumeCase{"Battle computer vehicle", kComputerVehicle, Battle, VolumeLight::Camera},
        // Assault: only the player's vehicle, and the batteries from the fixed light.
        VolumeCase{"Assault computer vehicle", kComputerVehicle, Assault, VolumeLight::None},
        VolumeCase{"Assault player", kPlayer, Assault, VolumeLight::Camera},
        VolumeCase{"Assault battery", kBattery, Assault, VolumeLight::Fixed},
        // Survival: the player and the first enemy, no other computer vehicle.
        VolumeCase{"Survival first enemy", kFirstEnemy, Survival, VolumeLight::Camera},
        VolumeCase{"Survival other enemy", kComputerVehicle, Survival, VolumeLight::None},
        VolumeCase{"Survival player", kPlayer, Survival, VolumeLight::Camera},
        // The first enemy counts only in Survival.
        VolumeCase{"Assault first enemy", kFirstEnemy, Assault, VolumeLight::None},
        // Of the level objects only the soda can casts one.
        VolumeCase{"Battle soda can", kSodaCan, Battle, VolumeLight::Fixed},
        VolumeCase{"Battle level object", kLevelObject, Battle, VolumeLight::None},
        VolumeCase{"Battle object named Battery", kObjectNamedBattery, Battle, VolumeLight::None}));

TEST(LevelDraw, FactsComeFromTheEntitysTypeNameAndSlot) {
    Vehicle player;
    player.SetHuman(true);
    Vehicle battery;
    battery.SetName("Battery");
    Vehicle enemy;
    GameEntity can("soda_can.ms3d");

    EXPECT_TRUE(leveldraw::FactsOf(player, &enemy).human);
    EXPECT_FALSE(leveldraw::FactsOf(player, &enemy).firstEnemy);
    EXPECT_TRUE(leveldraw::FactsOf(enemy, &enemy).firstEnemy);
    EXPECT_FALSE(leveldraw::FactsOf(enemy, nullptr).firstEnemy);
    const VolumeFacts batteryFacts = leveldraw::FactsOf(battery, nullptr);
    EXPECT_TRUE(batteryFacts.vehicle && batteryFacts.battery && !batteryFacts.human);
    const VolumeFacts canFacts = leveldraw::FactsOf(can, nullptr);
    EXPECT_TRUE(canFacts.sodaCan && !canFacts.vehicle);
}

}  // namespace
