#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

#include "app/InputState.h"
#include "particles/Particle.h"
#include "particles/ParticleSystem.h"
#include "tests/world/WorldFixtures.h"
#include "world/EntityFactory.h"
#include "world/EntityKinds.h"
#include "world/GameEntity.h"
#include "world/Message.h"
#include "world/Vehicle.h"
#include "world/Weapon.h"
#include "world/World.h"

namespace {

using worldtest::FakeEffect;

struct FactoryCase {
    const char* type;
    const char* typeName;
};

void PrintTo(const FactoryCase& c, std::ostream* os) {
    *os << '"' << c.type << '"';
}

// The kind an entity is made with is the one its type name names: the kind helpers and the
// type name never disagree.
void ExpectKindOfTypeName(const GameEntity& e) {
    const std::string typeName = e.GetTypeName();
    EXPECT_EQ(AsVehicle(&e) != nullptr, typeName == "Vehicle") << typeName;
    EXPECT_EQ(AsWeapon(&e) != nullptr, typeName == "Weapon") << typeName;
    EXPECT_EQ(IsLevelObject(&e), typeName == "GameEntity") << typeName;
    EXPECT_EQ(e.GetKind() == EntityKind::Particle, typeName == "Particle") << typeName;
}

class EntityFactoryTest : public ::testing::TestWithParam<FactoryCase> {};

TEST_P(EntityFactoryTest, MakesTheClassOfTheTypeNameWithAnEmptyName) {
    const std::unique_ptr<GameEntity> e = entityFactory.CreateEntity(GetParam().type);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->GetTypeName(), GetParam().typeName);
    EXPECT_EQ(e->GetName(), "");
    ExpectKindOfTypeName(*e);
}

TEST(EntityKindTest, EveryClassIsMadeWithTheKindOfItsTypeName) {
    ExpectKindOfTypeName(GameEntity("sofa.ms3d"));
    ExpectKindOfTypeName(Vehicle());
    ExpectKindOfTypeName(Weapon());
    ExpectKindOfTypeName(Particle());
    // An emitter keeps the base's type name, and with it the level object's kind.
    ExpectKindOfTypeName(ParticleSystem());
}

INSTANTIATE_TEST_SUITE_P(
    Types, EntityFactoryTest,
    ::testing::Values(FactoryCase{"GAME_ENTITY", "GameEntity"}, FactoryCase{"VEHICLE", "Vehicle"},
                      FactoryCase{"BATTERY", "Vehicle"}, FactoryCase{"WEAPON", "Weapon"},
                      FactoryCase{"", "GameEntity"}, FactoryCase{"vehicle", "GameEntity"},
                      FactoryCase{"TANK", "GameEntity"}));

TEST(MessageTest, AMissingParameterReadsEmptyAndTheOthersStay) {
    Message message("WEAPON_FIRED", {{"WEAPON_FILE", "gun.txt"}});
    EXPECT_EQ(message.GetType(), "WEAPON_FIRED");
    EXPECT_EQ(message.GetParam("POST_EFFECT"), "");
    EXPECT_EQ(message.GetParam("WEAPON_FILE"), "gun.txt");
    EXPECT_EQ(Message().GetType(), "");
}

TEST(GameEntityTest, UpdateStopsOnTheFloorAndReportsNothing) {
    GameEntity e("crate.ms3d");
    e.velocity = Vector3(2.0f, 1.0f, 3.0f);
    std::uint8_t keys[InputState::kSlots] = {};
    const std::unique_ptr<Message> message = e.Update(keys);
    EXPECT_EQ(e.velocity.x, 0.0f);
    EXPECT_EQ(e.velocity.y, 1.0f);
    EXPECT_EQ(e.velocity.z, 0.0f);
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(message->GetType(), "");
}

TEST(GameEntityTest, AModelHandedInKeepsItsTransformAndAnEmptyOneGetsAnIdentity) {
    GameEntity e;
    auto instance = std::make_unique<MeshTree>();
    instance->ResetMatrix();
    instance->Translate(5.0f, 1.0f, 7.0f);
    e.SetModel(std::move(instance));
    float position[3];
    e.GetPosition(position);
    EXPECT_EQ(position[0], 5.0f);
    EXPECT_EQ(position[1], 1.0f);
    EXPECT_EQ(position[2], 7.0f);

    e.SetModel(nullptr);
    EXPECT_EQ(e.GetMatrixElement(12), 0.0f);
    EXPECT_EQ(e.GetMatrixElement(15), 1.0f);
    EXPECT_EQ(e.GetMatrixElement(16), 0.0f);
    EXPECT_EQ(e.GetMatrixElement(-1), 0.0f);
}

struct EffectDrawCase {
    const char* name;
    bool running;
    bool alive;
    int drawsAfterTwoPasses;
    bool runningAfter;
};

void PrintTo(const EffectDrawCase& c, std::ostream* os) {
    *os << c.name;
}

class DrawEffectsTest : public ::testing::TestWithParam<EffectDrawCase> {};

TEST_P(DrawEffectsTest, DrawsRunningEffectsUntilTheirParticlesHaveDied) {
    const EffectDrawCase& c = GetParam();
    GameEntity e;
    e.hidden = true;  // a hidden entity's effects still show
    for (int slot = 0; slot < EffectSlots::kSlots; ++slot) {
        auto effect = std::make_unique<FakeEffect>();
        effect->alive = c.alive;
        e.effects.Set(slot, std::move(effect));
        e.effects.SetRunning(slot, c.running);
    }
    e.DrawEffects();
    e.DrawEffects();
    for (int slot = 0; slot < EffectSlots::kSlots; ++slot) {
        SCOPED_TRACE(slot);
        EXPECT_EQ(worldtest::FakeEffects::In(&e, slot)->draws, c.drawsAfterTwoPasses);
        EXPECT_EQ(e.effects.IsRunning(slot), c.runningAfter);
        EXPECT_NE(e.effects.Get(slot), nullptr);  // the effect stays in its slot
    }
}

INSTANTIATE_TEST_SUITE_P(
    Slots, DrawEffectsTest,
    ::testing::Values(EffectDrawCase{"RunningAndAlive", true, true, 2, true},
                      EffectDrawCase{"RunningButDeadIsDrawnOnceMore", true, false, 1, false},
                      EffectDrawCase{"NotRunningIsNeverDrawn", false, true, 0, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EffectSlotsTest, SlotNumbersOutsideTheFiveAreIgnored) {
    EffectSlots slots;
    slots.Set(5, std::make_unique<FakeEffect>());
    slots.SetRunning(-1, true);
    EXPECT_EQ(slots.Get(5), nullptr);
    EXPECT_FALSE(slots.IsRunning(-1));
}

TEST(VehicleTest, AFreshVehicleMayFireAtOnceWhateverTheDelay) {
    Vehicle vehicle;
    vehicle.SetPrimaryWeaponDelay(5.0f);
    vehicle.SetSecondaryWeaponDelay(5.0f);
    // The firing rule: last shot + delay before now. The World clock starts at 0.
    EXPECT_LT(vehicle.lastPrimaryShot + vehicle.GetPrimaryWeaponDelay(), 0.0f);
    EXPECT_LT(vehicle.lastSecondaryShot + vehicle.GetSecondaryWeaponDelay(), 0.0f);
    EXPECT_EQ(vehicle.GetPlayerNumber(), 1);
    vehicle.SetPlayerNumber(2);
    EXPECT_EQ(vehicle.GetPlayerNumber(), 2);
}

TEST(VehicleTest, ForgetsTheFirstLaidObjectEqualToTheOneGiven) {
    Vehicle vehicle;
    GameEntity a, b;
    vehicle.laidObjects = {&a, &b, &a};
    vehicle.RemoveLaidObject(&a);
    EXPECT_EQ(vehicle.laidObjects, (std::vector<GameEntity*>{&b, &a}));
    GameEntity absent;
    vehicle.RemoveLaidObject(&absent);
    EXPECT_EQ(vehicle.laidObjects.size(), 2u);
}

TEST(WeaponTest, IsMadeAtTheWorldTimeOfTheMoment) {
    const float saved = world.time;
    world.time = 12.5f;
    Weapon weapon;
    world.time = saved;
    EXPECT_EQ(weapon.spawnTime, 12.5f);
}

}  // namespace
