// Vehicle behaviour and weapons through the World and the frame passes: firing, fuel,
// boost, strafe, mines, projectiles, blasts and their ends, at a fixed frame time with
// scripted keys.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <list>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "ai/AIController.h"
#include "app/Constants.h"
#include "app/InputState.h"
#include "physics/Physics.h"
#include "render/Renderer.h"
#include "tests/game/GlobalsFixture.h"
#include "tests/physics/PhysicsFixtures.h"
#include "tests/world/WorldFixtures.h"
#include "world/GameEntity.h"
#include "world/Message.h"
#include "world/Vehicle.h"
#include "world/Weapon.h"
#include "world/World.h"

namespace {

using physicstest::NextFrame;
using physicstest::PlaceAt;
using physicstest::SetFrameTime;
using physicstest::Shape;
using worldtest::FakeEffect;
using worldtest::FakeEffects;

constexpr std::uint32_t kFrameMs = 10;
constexpr float kFrame = 0.01f;

class FightingTest : public GlobalsTest {
protected:
    void SetUp() override {
        GlobalsTest::SetUp();
        files = std::make_unique<worldtest::ContentFolder>();
        files->Model("shell.ms3d", worldtest::BoxModel(0.2f, 0.2f, 0.2f));
        files->Weapon("gun.txt", {{"NAME", "Machine Gun"},
                                  {"RANGE", "60"},
                                  {"DAMAGE", "4"},
                                  {"DESTROY_ON_COLLISION", "1"},
                                  {"MAX_SPEED", "3"},
                                  {"DURATION", "3"},
                                  {"MESH_FILE", "shell.ms3d"},
                                  {"WEAPON_TYPE", "NORMAL"}});
        files->Weapon("mine.txt", {{"NAME", "Mine"},
                                   {"RANGE", "10"},
                                   {"DAMAGE", "32"},
                                   {"DESTROY_ON_COLLISION", "1"},
                                   {"DURATION", "25"},
                                   {"MESH_FILE", "shell.ms3d"},
                                   {"WEAPON_TYPE", "NORMAL"}});
        files->Weapon("mine_layer.txt", {{"NAME", "Machine Gun"},
                                         {"RANGE", "1"},
                                         {"MAX_SPEED", "3"},
                                         {"DURATION", "3"},
                                         {"POST_EFFECT", "mine.txt"},
                                         {"WEAPON_TYPE", "NORMAL"}});
        files->Weapon("canon.txt", {{"NAME", "Force Canon"},
                                    {"RANGE", "1"},
                                    {"MAX_SPEED", "3"},
                                    {"DURATION", "3"},
                                    {"POST_EFFECT", "blast.txt"},
                                    {"WEAPON_TYPE", "NORMAL"}});
        files->Weapon("blast.txt", {{"NAME", "Force Blast"},
                                    {"DURATION", "0.4"},
                                    {"WEAPON_TYPE", "RADIAL_BLAST"},
                                    {"RADIUS", "5"},
                                    {"FUEL_DAMAGE", "7"},
                                    {"FORCE_DAMAGE", "3"}});
        files->Weapon("field.txt", {{"NAME", "Irradiation Field"},
                                    {"DURATION", "1"},
                                    {"WEAPON_TYPE", "RADIAL_BLAST"},
                                    {"RADIUS", "14"},
                                    {"FOLLOW_PARENT", "1"},
                                    {"FUEL_DAMAGE", "10"}});
        files->Weapon("flat.txt", {{"NAME", "Force Blast"},
                                   {"DURATION", "1"},
                                   {"WEAPON_TYPE", "RADIAL_BLAST"},
                                   {"FORCE_DAMAGE", "1"}});
        files->Weapon("ram.txt", {{"NAME", "Ramming Speed"},
                                  {"DAMAGE", "2"},
                                  {"DURATION", "1.5"},
                                  {"WEAPON_TYPE", "RADIAL_BLAST"},
                                  {"RADIUS", "3.5"},
                                  {"FOLLOW_PARENT", "1"},
                                  {"FORCE_DAMAGE", "3"}});
        world.ResetResourceCache();
        world.gridSizeX = world.gridSizeZ = 20;
        world.time = 10.0f;
        SetFrameTime(fake, kFrameMs);
        menuSystem.EnsureMenu("MAIN_MENU");
        menuSystem.EnsureMenu("LEVEL_SCREEN");
        menuSystem.SetCurrentMenu("LEVEL_SCREEN");
        player = AddVehicle("Davavod Tank", 20.0f, 20.0f);
        player->SetHuman(true);
        player->SetPlayerNumber(1);
        world.playerOneVehicle = player;
    }

    void TearDown() override {
        world.ClearLevel();
        world.gridSizeX = world.gridSizeZ = 0;
        files.reset();
        GlobalsTest::TearDown();
    }

    Vehicle* AddVehicle(const std::string& name, float x, float z) {
        auto* v = new Vehicle();
        v->SetName(name);
        v->SetHitPoints(100);
        v->SetMaxHitPoints(100);
        v->SetFuel(500);
        v->SetMaxFuel(500);
        v->SetFuelRegen(5);
        v->lastFuelUse = world.time;
        v->SetPrimaryWeaponFile("gun.txt");
        v->SetSecondaryWeaponFile("mine.txt");
        v->SetPrimaryFuelCost(10);
        v->SetSecondaryFuelCost(40);
        v->SetPrimaryWeaponDelay(0.5f);
        v->SetSecondaryWeaponDelay(2.0f);
        v->maxSpeed = 1.0f;
        v->turningRate = 0.2f;
        v->weight = 2.0f;
        Shape(*v, 1.0f, 0.5f);
        PlaceAt(*v, x, z);
        world.updateList.push_back(world.Adopt(std::unique_ptr<GameEntity>(v)));
        world.collisionList.push_front(v);
        world.AddToGrid(v);
        return v;
    }

    std::vector<Weapon*> Weapons() const {
        std::vector<Weapon*> found;
        for (GameEntity* e : world.updateList)
            if (e->GetTypeName() == "Weapon") found.push_back(static_cast<Weapon*>(e));
        return found;
    }

    Weapon* Spawn(const std::string& file, GameEntity* sender) {
        Message m(MessageTypes::WEAPON_FIRED, {{"WEAPON_FILE", file}});
        world.SpawnWeapon(&m, sender);
        return world.updateList.back()->GetTypeName() == "Weapon"
                   ? static_cast<Weapon*>(world.updateList.back())
                   : nullptr;
    }

    // The frame's passes, in the main loop's order, then the clocks move on.
    void Frame() {
        application.UpdateCollisions();
        application.UpdateEntities();
        application.DrawEntityEffects();
        application.SweepDeadEntities();
        world.time += kFrame;
        NextFrame(fake, kFrameMs);
    }

    FakeEffects effects;
    std::unique_ptr<worldtest::ContentFolder> files;
    Vehicle* player = nullptr;
};

// ---- Firing --------------------------------------------------------------------------------

struct FireCase {
    const char* name;
    bool primaryHeld;
    bool secondaryHeld;
    int fuel;
    // Seconds since each weapon last fired.
    float sincePrimary;
    float sinceSecondary;
    bool strafe;
    const char* firedFile;  // "" for none
    int fuelAfter;
};
void PrintTo(const FireCase& c, std::ostream* os) {
    *os << c.name;
}

class FireTest : public FightingTest, public ::testing::WithParamInterface<FireCase> {};

TEST_P(FireTest, FiresAtMostOneWeaponOnItsCooldownAndFuel) {
    const FireCase& c = GetParam();
    world.time = 16.0f;  // exact in binary, as are the delays
    player->SetFuel(c.fuel);
    player->lastFuelUse = world.time;  // no regeneration this frame
    player->lastPrimaryShot = world.time - c.sincePrimary;
    player->lastSecondaryShot = world.time - c.sinceSecondary;
    if (c.strafe) {
        player->SetStrafe();
        player->SetSecondaryWeaponFile("");
    }
    std::uint8_t keys[InputState::kSlots] = {};
    keys[P1Primary] = c.primaryHeld;
    keys[P1Secondary] = c.secondaryHeld;
    std::unique_ptr<Message> m = player->Update(keys);
    const std::string fired =
        m->GetType() == MessageTypes::WEAPON_FIRED ? m->GetParam("WEAPON_FILE") : "";
    EXPECT_EQ(fired, c.firedFile);
    EXPECT_EQ(player->GetFuel(), c.fuelAfter);
    EXPECT_EQ(player->primaryShots + player->secondaryShots, fired.empty() ? 0 : 1);
    EXPECT_EQ(player->fuelSpent, c.fuel - c.fuelAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Fighting, FireTest,
    ::testing::Values(
        FireCase{"primary_ready_fires", true, false, 100, 1.0f, 9.0f, false, "gun.txt", 90},
        FireCase{"primary_exactly_at_its_delay_is_refused", true, false, 100, 0.5f, 9.0f, false, "",
                 100},
        FireCase{"fuel_equal_to_the_cost_fires_and_leaves_0", true, false, 10, 1.0f, 9.0f, false,
                 "gun.txt", 0},
        FireCase{"fuel_below_the_cost_is_refused", true, false, 9, 1.0f, 9.0f, false, "", 9},
        FireCase{"both_held_the_primary_fires", true, true, 100, 1.0f, 9.0f, false, "gun.txt", 90},
        FireCase{"primary_held_back_lets_the_secondary_fire", true, true, 100, 0.25f, 9.0f, false,
                 "mine.txt", 60},
        FireCase{"secondary_on_its_cooldown_is_refused", false, true, 100, 1.0f, 2.0f, false, "",
                 100},
        FireCase{"a_strafing_vehicle_never_fires_a_secondary", false, true, 100, 1.0f, 9.0f, true,
                 "", 100}));

TEST_F(FightingTest, AComputerStrafingVehicleWithoutASecondaryFileFiresNothing) {
    Vehicle* computer = AddVehicle("Dovevevuzu Grav Buggy", 40.0f, 40.0f);
    computer->SetStrafe();
    computer->SetSecondaryWeaponFile("");
    auto owned = std::make_unique<AIController>(computer, 0.5f);
    AIController* driver = owned.get();
    computer->SetController(std::move(owned));
    driver->SetKey(5, true);
    std::unique_ptr<Message> m;
    for (int frame = 0; frame < 5; ++frame) {
        // The controller's own update may release the flag; hold it every frame.
        m = computer->Update(nullptr);
        EXPECT_NE(m->GetType(), MessageTypes::WEAPON_FIRED);
        driver->SetKey(5, true);
    }
    EXPECT_EQ(computer->secondaryShots, 0);
    EXPECT_EQ(computer->GetFuel(), 500);
    // An empty definition is refused outright.
    const std::size_t before = world.updateList.size();
    Message empty(MessageTypes::WEAPON_FIRED, {{"WEAPON_FILE", ""}});
    world.SpawnWeapon(&empty, computer);
    EXPECT_EQ(world.updateList.size(), before);
}

struct RegenCase {
    const char* name;
    float gap;
    int fuel;
    int expected;
    bool lastUseMoves;
};
void PrintTo(const RegenCase& c, std::ostream* os) {
    *os << c.name;
}

class RegenTest : public FightingTest, public ::testing::WithParamInterface<RegenCase> {};

TEST_P(RegenTest, RegainsFuelRegenPerQuarterSecondAfterAPause) {
    const RegenCase& c = GetParam();
    world.time = 32.0f;
    player->SetMaxFuel(500);
    player->SetFuel(c.fuel);
    player->lastFuelUse = world.time - c.gap;
    std::uint8_t keys[InputState::kSlots] = {};
    player->Update(keys);
    EXPECT_EQ(player->GetFuel(), c.expected);
    EXPECT_EQ(player->lastFuelUse == world.time, c.lastUseMoves);
}

INSTANTIATE_TEST_SUITE_P(
    Fighting, RegenTest,
    ::testing::Values(RegenCase{"exactly_a_quarter_second_regains_nothing", 0.25f, 100, 100, false},
                      RegenCase{"just_past_a_quarter_regains_one_portion", 0.375f, 100, 107, true},
                      RegenCase{"a_long_gap_is_paid_in_proportion", 1.0f, 100, 120, true},
                      RegenCase{"cut_to_the_maximum", 0.5f, 499, 500, true},
                      RegenCase{"a_full_tank_regains_nothing", 1.0f, 500, 500, false}));

TEST_F(FightingTest, ABoostStartsOnceAndEndsAfterTheSecondaryDelay) {
    player->SetRammingSpeed();
    player->BoostOff();  // no boost running: nothing changes
    EXPECT_EQ(player->maxSpeed, 1.0f);
    EXPECT_EQ(player->weight, 2.0f);
    player->BoostOn();
    player->BoostOn();
    EXPECT_EQ(player->maxSpeed, 2.0f);
    EXPECT_EQ(player->weight, 8.0f);
    EXPECT_EQ(player->speed, 2.0f);
    const float start = player->boostStart;
    std::uint8_t keys[InputState::kSlots] = {};
    keys[P1Secondary] = 1;  // held secondary fires nothing while boosting
    world.time = start + 2.0f;
    player->Update(keys);
    EXPECT_TRUE(player->boostActive);
    world.time = start + 2.0625f;
    std::unique_ptr<Message> m = player->Update(keys);
    EXPECT_FALSE(player->boostActive);
    EXPECT_EQ(m->GetType(), "");
    EXPECT_EQ(player->maxSpeed, 1.0f);
    EXPECT_EQ(player->weight, 2.0f);
    EXPECT_LE(player->speed, 1.0f);
}

struct StrafeCase {
    const char* name;
    int playerNumber;
    std::vector<int> held;
    float expectedX;  // the vehicle faces +z; strafe direction is (1, 0, 0) x 0.5
};
void PrintTo(const StrafeCase& c, std::ostream* os) {
    *os << c.name;
}

class StrafeTest : public FightingTest, public ::testing::WithParamInterface<StrafeCase> {};

TEST_P(StrafeTest, PushesSidewaysTowardItsPlayersTurnKey) {
    const StrafeCase& c = GetParam();
    player->SetStrafe();
    player->SetPlayerNumber(c.playerNumber);
    std::uint8_t keys[InputState::kSlots] = {};
    for (int slot : c.held) keys[slot] = 1;
    player->Strafe(keys);
    EXPECT_FLOAT_EQ(player->velocity.x, c.expectedX);
    EXPECT_EQ(player->velocity.z, 0.0f);
}

INSTANTIATE_TEST_SUITE_P(
    Fighting, StrafeTest,
    ::testing::Values(StrafeCase{"left", 1, {1}, 0.5f}, StrafeCase{"right", 1, {0}, -0.5f},
                      StrafeCase{"left_wins_over_right", 1, {0, 1}, 0.5f},
                      StrafeCase{"player_two_ignores_player_ones_keys", 2, {0, 1}, 0.0f},
                      StrafeCase{"player_two_left", 2, {7}, 0.5f}));

TEST_F(FightingTest, ADestroyedPlayerClearsItsSlotsAndExplodesOnce) {
    player->SetHitPoints(0);
    std::uint8_t keys[InputState::kSlots] = {};
    for (int i = 0; i < ControlKeys::kFlags; ++i) keys[P1Right + i] = 1;
    keys[P2Right] = 1;
    std::unique_ptr<Message> m = player->Update(keys);
    for (int i = 0; i < ControlKeys::kFlags; ++i) EXPECT_EQ(keys[P1Right + i], 0) << i;
    EXPECT_EQ(keys[P2Right], 1);
    EXPECT_EQ(m->GetType(), "");
    EXPECT_TRUE(player->GetModel()->drawBlack);
    EXPECT_TRUE(player->exploded);
    const float risen = player->GetMatrixElement(13);
    EXPECT_GT(risen, 0.0f);
    // Later frames do not start the explosion again: the wreck keeps falling its own way.
    player->Update(keys);
    EXPECT_LT(player->fallSpeed, 1.03f);
    EXPECT_TRUE(player->effects.IsRunning(3));  // smoke at or below a quarter
}

TEST_F(FightingTest, APlayerVehicleWithoutKeyFlagsDrivesOnReleasedFlags) {
    // Player two's flags would lie past the six released ones of a vehicle without keys.
    for (int player : {1, 2}) {
        Vehicle* v = AddVehicle("Diveroruz Lancer", 40.0f, 40.0f);
        v->SetHuman(true);
        v->SetPlayerNumber(player);
        v->speed = 0.5f;
        v->steer = 0.1f;
        EXPECT_EQ(v->Update(nullptr)->GetType(), "") << "player " << player;
        EXPECT_LT(v->speed, 0.5f) << "player " << player;
        EXPECT_LT(v->steer, 0.1f) << "player " << player;
    }
}

// A computer vehicle loaded before the game installed its drivers has none: it coasts to a
// stop and never fires.
TEST_F(FightingTest, AComputerVehicleWithoutADriverCoastsOnReleasedFlags) {
    Vehicle* v = AddVehicle("Diveroruz Lancer", 40.0f, 40.0f);
    ASSERT_EQ(v->GetController(), nullptr);
    v->speed = 0.5f;
    v->steer = 0.1f;
    EXPECT_EQ(v->Update(nullptr)->GetType(), "");
    EXPECT_LT(v->speed, 0.5f);
    EXPECT_LT(v->steer, 0.1f);
    EXPECT_EQ(v->GetPrimaryShots() + v->GetSecondaryShots(), 0);
}

TEST_F(FightingTest, ABatteryRegainsFuelAndSmokesButNeverMovesOrLeavesItsCell) {
    Vehicle* battery = AddVehicle("Battery", 30.0f, 30.0f);
    battery->speed = 1.0f;
    battery->SetFuel(100);
    battery->lastFuelUse = world.time - 1.0f;
    battery->SetHitPoints(25);  // exactly a quarter of 100
    const auto cells = worldtest::CellsListing(world, battery);
    std::unique_ptr<Message> m = battery->Update(inputState.keys);
    EXPECT_EQ(m->GetType(), "");
    EXPECT_EQ(battery->GetFuel(), 120);
    EXPECT_TRUE(battery->effects.IsRunning(3));
    EXPECT_EQ(battery->GetMatrixElement(14), 30.0f);
    EXPECT_EQ(worldtest::CellsListing(world, battery), cells);
    battery->SetHitPoints(26);
    battery->Update(inputState.keys);
    EXPECT_FALSE(battery->effects.IsRunning(3));
}

// ---- Mines -----------------------------------------------------------------------------------

TEST_F(FightingTest, TheSeventhMineTakesTheOldestOutOfPlay) {
    std::vector<Weapon*> mines;
    for (int i = 0; i < 7; ++i) mines.push_back(Spawn("mine.txt", player));
    ASSERT_EQ(player->laidObjects.size(), 6u);
    EXPECT_EQ(player->laidObjects.front(), mines[1]);
    EXPECT_EQ(player->laidObjects.back(), mines[6]);
    EXPECT_TRUE(world.IsRetired(mines[0]));
    EXPECT_EQ(std::count(world.collisionList.begin(), world.collisionList.end(), mines[0]), 0);
    // It does nothing more, and the sweep deletes it.
    EXPECT_EQ(mines[0]->Update(nullptr)->GetType(), "");
    application.SweepDeadEntities();
    EXPECT_EQ(Weapons().size(), 6u);
}

TEST_F(FightingTest, ARetiredBlastMineLeavesRenderListTwoBeforeItIsDeleted) {
    // A mine defined as a radial blast is drawn from render list 2.
    files->Weapon(
        "blast_mine.txt",
        {{"NAME", "Mine"}, {"DURATION", "25"}, {"WEAPON_TYPE", "RADIAL_BLAST"}, {"RADIUS", "3"}});
    graphicsSystem.renderer = std::make_unique<Renderer>();
    std::vector<Weapon*> mines;
    for (int i = 0; i < 7; ++i) mines.push_back(Spawn("blast_mine.txt", player));
    const MeshTree* oldest = mines[0]->GetModel();
    ASSERT_TRUE(world.IsRetired(mines[0]));
    application.SweepDeadEntities();
    const std::list<MeshTree*>& list = graphicsSystem.renderer->renderLists[2];
    EXPECT_EQ(list.size(), 6u);
    EXPECT_EQ(std::count(list.begin(), list.end(), oldest), 0);
    graphicsSystem.renderer.reset();
}

TEST_F(FightingTest, AnOldestMineThatEndedInTheSameFrameIsDestroyedOnce) {
    std::vector<Weapon*> mines;
    for (int i = 0; i < 6; ++i) mines.push_back(Spawn("mine.txt", player));
    // The oldest mine expires in the next update, which comes before its owner's.
    mines[0]->SetDuration(0.0f);
    world.updateList.remove(player);
    world.updateList.push_back(player);
    world.time += 1.0f;
    player->lastSecondaryShot = kNeverFired;
    inputState.keys[P1Secondary] = 1;
    Frame();  // the mine reports its end, then the seventh is laid; one sweep
    inputState.keys[P1Secondary] = 0;
    EXPECT_EQ(player->secondaryShots, 1);
    EXPECT_EQ(player->laidObjects.size(), 6u);
    EXPECT_TRUE(world.retired.empty());
    for (Weapon* w : Weapons()) EXPECT_NE(w->GetName(), "") << "every listed weapon is alive";
    EXPECT_EQ(Weapons().size(), 6u);
}

TEST_F(FightingTest, AMineAsPostEffectIsLaidByTheVehicleAtTheRootOfTheChain) {
    Weapon* layer = Spawn("mine_layer.txt", player);
    ASSERT_NE(layer, nullptr);
    std::vector<Weapon*> weapons;
    for (int frame = 0; frame < 40 && (weapons.empty() || weapons[0]->GetName() != "Mine");
         ++frame) {
        Frame();
        weapons = Weapons();
    }
    ASSERT_EQ(weapons.size(), 1u);
    EXPECT_EQ(weapons[0]->GetName(), "Mine");
    EXPECT_EQ(weapons[0]->GetOwner(), player);
    ASSERT_EQ(player->laidObjects.size(), 1u);
    EXPECT_EQ(player->laidObjects[0], weapons[0]);
    // Player one alone: the danger marker in the trail slot.
    ASSERT_NE(FakeEffects::In(weapons[0], 2), nullptr);
    EXPECT_EQ(FakeEffects::In(weapons[0], 2)->scripts,
              std::vector<std::string>{"./RESOURCES/Files/Particles/Status_Effects/danger.cfg"});
}

// ---- Projectiles -----------------------------------------------------------------------------

TEST_F(FightingTest, AShotIsSpawnedIntoTheListsAndFliesInTheSamePass) {
    player->lastPrimaryShot = kNeverFired;
    inputState.keys[P1Primary] = 1;
    application.UpdateEntities();
    inputState.keys[P1Primary] = 0;
    std::vector<Weapon*> weapons = Weapons();
    ASSERT_EQ(weapons.size(), 1u);
    Weapon* shot = weapons[0];
    EXPECT_EQ(world.collisionList.front(), shot);
    EXPECT_EQ(world.updateList.back(), shot);
    EXPECT_FALSE(shot->GetModel()->inRenderList);
    EXPECT_EQ(shot->GetOwner(), player);
    // Updated already: lifted to flight height and moved along the heading.
    EXPECT_FLOAT_EQ(shot->GetMatrixElement(13), 0.5f);
    EXPECT_GT(shot->GetMatrixElement(14), 20.0f);
    EXPECT_LT(shot->GetRangeLeft(), 60.0f);
}

TEST_F(FightingTest, AProjectileBurstsAtTheEndOfItsRange) {
    Weapon* shot = Spawn("gun.txt", player);
    shot->SetRange(0.3f);  // one frame covers 5 x 0.01 x 3 x sin(1) x 0.8, about 0.1
    int frames = 0;
    while (!Weapons().empty() && frames < 20) {
        Frame();
        ++frames;
    }
    EXPECT_EQ(frames, 3);
    EXPECT_TRUE(Weapons().empty());
}

struct HitCase {
    const char* name;
    bool impactAlive;
    // Sweeps after the hit until the weapon is gone: a live impact keeps it until the effects
    // pass has seen the effect die, and its next update reports the end.
    int framesToEnd;
};
void PrintTo(const HitCase& c, std::ostream* os) {
    *os << c.name;
}

class HitTest : public FightingTest, public ::testing::WithParamInterface<HitCase> {};

TEST_P(HitTest, DamagesOnceScoresAndEndsWhenItsImpactHasFinished) {
    const HitCase& c = GetParam();
    Vehicle* enemy = AddVehicle("Diveroruz Lancer", 20.0f, 21.0f);
    enemy->lastFuelUse = 0.0f;
    Weapon* shot = Spawn("gun.txt", player);
    FakeEffect* impact = FakeEffects::In(shot, 0);
    ASSERT_NE(impact, nullptr);
    impact->alive = c.impactAlive;
    shot->SetContact(enemy);
    application.UpdateEntities();
    EXPECT_EQ(enemy->GetHitPoints(), 96);
    EXPECT_EQ(player->hits, 1);
    EXPECT_EQ(enemy->lastFuelUse, world.time);  // fuel damage 0 still marks the fuel used
    EXPECT_TRUE(shot->hidden);
    EXPECT_EQ(FakeEffects::In(shot, 1)->placedAt, enemy->GetModel());
    int frames = 0;
    for (; frames < 5 && !Weapons().empty(); ++frames) {
        application.DrawEntityEffects();
        application.SweepDeadEntities();
        if (Weapons().empty()) break;
        impact->alive = false;    // the effect's particles die out
        shot->SetContact(enemy);  // still touching: no second damage while finished
        application.UpdateEntities();
    }
    EXPECT_EQ(frames, c.framesToEnd);
    EXPECT_EQ(enemy->GetHitPoints(), 96);
    EXPECT_EQ(player->hits, 1);
}

INSTANTIATE_TEST_SUITE_P(Fighting, HitTest,
                         ::testing::Values(HitCase{"without_a_live_impact_ends_at_once", false, 0},
                                           HitCase{"with_a_live_impact_waits_for_it", true, 2}));

TEST_F(FightingTest, AShotSparesItsOwnerAndItsOwnersWeapons) {
    Weapon* first = Spawn("gun.txt", player);
    Weapon* second = Spawn("gun.txt", player);
    first->SetContact(player);
    second->SetContact(first);
    application.UpdateEntities();
    EXPECT_FALSE(first->hidden);
    EXPECT_FALSE(second->hidden);
    EXPECT_EQ(player->GetHitPoints(), 100);
}

TEST_F(FightingTest, APostEffectScoresForTheVehicleThatFiredTheFirstWeapon) {
    Weapon* canon = Spawn("canon.txt", player);
    ASSERT_NE(canon, nullptr);
    Weapon* blast = nullptr;
    for (int frame = 0; frame < 5 && !blast; ++frame) {
        Frame();
        for (Weapon* w : Weapons())
            if (w->GetName() == "Force Blast") blast = w;
    }
    ASSERT_NE(blast, nullptr);
    EXPECT_EQ(blast->GetOwner(), player);
    EXPECT_EQ(blast->GetWeaponType(), WeaponTypes::RADIAL_BLAST);
    EXPECT_EQ(blast->GetFuelDamage(), 7);
    EXPECT_EQ(blast->GetForceDamage(), 3);
    EXPECT_TRUE(blast->GetModel()->inRenderList);
}

// ---- Radial blasts ---------------------------------------------------------------------------

struct GrowthCase {
    const char* name;
    const char* file;
    int framesToFull;
};
void PrintTo(const GrowthCase& c, std::ostream* os) {
    *os << c.name;
}

class BlastGrowthTest : public FightingTest, public ::testing::WithParamInterface<GrowthCase> {};

TEST_P(BlastGrowthTest, ReachesItsRadiusAfterItsGrowthTime) {
    const GrowthCase& c = GetParam();
    Weapon* blast = Spawn(c.file, player);
    blast->SetRadius(5.0f);
    blast->SetDuration(100.0f);
    int frames = 0;
    while (blast->blastRadius < 5.0f - 1e-4f && frames < 100) {
        blast->Update(nullptr);
        ++frames;
    }
    EXPECT_EQ(frames, c.framesToFull);
    blast->Update(nullptr);
    EXPECT_EQ(blast->blastRadius, 5.0f);
    EXPECT_FLOAT_EQ(blast->blastRatio, 1.0f);
}

INSTANTIATE_TEST_SUITE_P(Fighting, BlastGrowthTest,
                         ::testing::Values(GrowthCase{"force_blast_in_0_2_s", "blast.txt", 20},
                                           GrowthCase{"other_blast_in_0_4_s", "field.txt", 40}));

TEST_F(FightingTest, AnIrradiationFieldHandsTheDrainedFuelToItsOwner) {
    Vehicle* low = AddVehicle("Diveroruz Lancer", 22.0f, 20.0f);
    Vehicle* high = AddVehicle("Diveroruz Lancer", 18.0f, 20.0f);
    low->SetFuel(5);
    high->SetFuel(40);
    player->SetFuel(100);
    Weapon* field = Spawn("field.txt", player);
    field->Update(nullptr);
    EXPECT_EQ(low->GetFuel(), 0);
    EXPECT_EQ(high->GetFuel(), 30);
    EXPECT_EQ(player->GetFuel(), 115);
}

TEST_F(FightingTest, ABlastWithoutARadiusNeverScalesItsModel) {
    Weapon* blast = Spawn("flat.txt", player);
    for (int frame = 0; frame < 5; ++frame) Frame();
    EXPECT_EQ(blast->blastRatio, 0.0f);
    for (int i = 0; i < 16; ++i) EXPECT_TRUE(std::isfinite(blast->GetMatrixElement(i))) << i;
}

TEST_F(FightingTest, RammingSpeedBoostsItsOwnerAndItsExpiryEndsTheBoost) {
    player->SetRammingSpeed();
    player->SetSecondaryWeaponDelay(100.0f);
    Weapon* ram = Spawn("ram.txt", player);
    ram->Update(nullptr);
    EXPECT_TRUE(player->boostActive);
    EXPECT_EQ(player->maxSpeed, 2.0f);
    EXPECT_EQ(ram->GetMatrixElement(12), player->GetMatrixElement(12));
    world.time += 2.0f;
    std::unique_ptr<Message> m = ram->Update(nullptr);
    EXPECT_EQ(m->GetType(), MessageTypes::WEAPON_DESTROYED);
    EXPECT_FALSE(player->boostActive);
    EXPECT_EQ(player->maxSpeed, 1.0f);
}

TEST_F(FightingTest, NoContactOrOwnerOutlivesItsEntity) {
    Vehicle* enemy = AddVehicle("Diveroruz Lancer", 21.0f, 20.0f);
    Weapon* shot = Spawn("gun.txt", enemy);
    Weapon* blast = Spawn("blast.txt", player);
    PlaceAt(*shot, 21.0f, 20.0f);
    blast->Update(nullptr);
    ASSERT_EQ(shot->GetContact(), blast);
    world.DestroyEntity(blast);
    EXPECT_EQ(shot->GetContact(), nullptr);
    world.DestroyEntity(enemy);
    EXPECT_EQ(shot->GetOwner(), nullptr);
    EXPECT_NO_FATAL_FAILURE(shot->Update(nullptr));
}

}  // namespace
