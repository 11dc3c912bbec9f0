#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <ostream>
#include <set>
#include <string>

#include "ai/AIController.h"
#include "game/ComputerDrivers.h"
#include "platform/fake/FakePlatform.h"
#include "tests/world/WorldFixtures.h"
#include "world/DriverFactory.h"
#include "world/GameEntity.h"
#include "world/Vehicle.h"
#include "world/World.h"

namespace {

using worldtest::ContentFolder;
using worldtest::FakeEffects;
using Keys = std::map<std::string, std::string>;

class VehicleLoadingTest : public ::testing::Test {
protected:
    VehicleLoadingTest() {
        files.Model("car.ms3d", worldtest::BoxModel(2.0f, 1.0f, 3.0f));
        files.Weapons();
        w = worldtest::MakeWorld();
    }

    // Loads the vehicle file "car.txt" with `keys` into `vehicle`; returns the model path.
    std::string Load(const Keys& keys, Vehicle& vehicle, int controller = 1) {
        files.Vehicle("car.txt", keys);
        desc = EntityDesc("VEHICLE", "car.txt", 0, 0, 1, 1, "NONE");
        return w->LoadVehicle(desc, &vehicle, controller);
    }

    Keys With(const std::string& key, const std::string& value) const {
        Keys keys = worldtest::VehicleKeys("Davavod Tank");
        if (value.empty())
            keys.erase(key);
        else
            keys[key] = value;
        return keys;
    }

    platform::FakePlatform fake;
    FakeEffects effects;
    worldtest::GameDrivers drivers;
    ContentFolder files;
    std::unique_ptr<World> w;
    EntityDesc desc{"VEHICLE", "", 0, 0, 1, 1, "NONE"};
};

TEST_F(VehicleLoadingTest, EveryKeyFillsItsField) {
    Vehicle v;
    const std::string model = Load(worldtest::VehicleKeys("Davavod Tank"), v);
    EXPECT_EQ(model, "RESOURCES\\Art\\Models\\car.ms3d");
    EXPECT_EQ(v.GetName(), "Davavod Tank");
    EXPECT_EQ(v.GetPilot(), "Pilot");
    EXPECT_EQ(v.GetPilotImageFile(), "pilot.bmp");
    EXPECT_EQ(v.GetPrimaryWeaponFile(), "gun.txt");
    EXPECT_EQ(v.GetSecondaryWeaponFile(), "special.txt");
    EXPECT_EQ(v.GetPrimaryRange(), 60);
    EXPECT_EQ(v.GetSecondaryRange(), 7);
    EXPECT_EQ(v.GetHitPoints(), 300);
    EXPECT_EQ(v.GetMaxHitPoints(), 300);
    EXPECT_EQ(v.GetFuel(), 1000);
    EXPECT_EQ(v.GetMaxFuel(), 1000);
    EXPECT_EQ(v.GetFuelRegen(), 5);
    EXPECT_EQ(v.GetPrimaryFuelCost(), 10);
    EXPECT_EQ(v.GetSecondaryFuelCost(), 40);
    EXPECT_FLOAT_EQ(v.acceleration, 0.5f);
    EXPECT_FLOAT_EQ(v.turningRate, 0.2f);
    EXPECT_FLOAT_EQ(v.maxSpeed, 1.25f);
    EXPECT_FLOAT_EQ(v.weight, 2.5f);
    EXPECT_FLOAT_EQ(v.GetPrimaryWeaponDelay(), 0.3f);
    EXPECT_FLOAT_EQ(v.GetSecondaryWeaponDelay(), 2.0f);
    EXPECT_EQ(v.sounds[0], 3);
    EXPECT_EQ(v.sounds[1], 6);
    EXPECT_EQ(v.sounds[2], -1);
    EXPECT_EQ(desc.bounds, "SPHERE");
    EXPECT_TRUE(v.IsHuman());
    EXPECT_EQ(v.GetController(), nullptr);
    EXPECT_TRUE(fake.dialogs.shown.empty());
}

TEST_F(VehicleLoadingTest, TheWeaponModelsAreLoadedBeforeTheFirstShot) {
    Vehicle v;
    Load(worldtest::VehicleKeys("Davavod Tank"), v);
    files.Remove("RESOURCES/Art/Models/shell.ms3d");
    EXPECT_NE(w->cache.GetModel("RESOURCES\\Art\\Models\\shell.ms3d")->mesh, nullptr);
    EXPECT_TRUE(fake.dialogs.shown.empty());
}

struct SecondaryCase {
    const char* name;
    std::string secondaryWeapon;
    bool strafe;
    bool rammingSpeed;
    std::string secondaryWeaponFile;
    int secondaryRange;
};

void PrintTo(const SecondaryCase& c, std::ostream* os) {
    *os << c.name;
}

class SecondaryWeaponTest : public VehicleLoadingTest,
                            public ::testing::WithParamInterface<SecondaryCase> {};

TEST_P(SecondaryWeaponTest, TheTypeDecidesTheFlagsAndTheFile) {
    const SecondaryCase& c = GetParam();
    Vehicle v;
    Load(With("SECONDARY_WEAPON", c.secondaryWeapon), v);
    EXPECT_EQ(v.HasStrafe(), c.strafe);
    EXPECT_EQ(v.HasRammingSpeed(), c.rammingSpeed);
    EXPECT_EQ(v.GetSecondaryWeaponFile(), c.secondaryWeaponFile);
    EXPECT_EQ(v.GetSecondaryRange(), c.secondaryRange);
}

INSTANTIATE_TEST_SUITE_P(
    Types, SecondaryWeaponTest,
    ::testing::Values(SecondaryCase{"Strafe", "STRAFE", true, false, "", 7},
                      SecondaryCase{"RammingSpeed", "RAMMING_SPEED", false, true, "special.txt", 7},
                      SecondaryCase{"AnyOther", "Mine", false, false, "special.txt", 7},
                      SecondaryCase{"LowerCaseIsNotStrafing", "strafe", false, false, "special.txt",
                                    7},
                      SecondaryCase{"NoneReadsNoRange", "", false, false, "special.txt", 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(VehicleLoadingTest, WithoutAPrimaryWeaponTheRangeStaysZeroAndTheFileIsKept) {
    Vehicle v;
    Load(With("PRIMARY_WEAPON", ""), v, 0);
    EXPECT_EQ(v.GetPrimaryRange(), 0);
    EXPECT_EQ(v.GetPrimaryWeaponFile(), "gun.txt");
    ASSERT_NE(ComputerDriverOf(v), nullptr);
    EXPECT_EQ(ComputerDriverOf(v)->GetRange(), 0);
}

struct DriverCase {
    const char* name;
    int controller;
    bool driver;
    bool human;
};

void PrintTo(const DriverCase& c, std::ostream* os) {
    *os << c.name;
}

class DriverTest : public VehicleLoadingTest, public ::testing::WithParamInterface<DriverCase> {};

TEST_P(DriverTest, TheControllerArgumentChoosesTheDriver) {
    const DriverCase& c = GetParam();
    w->SetAIDifficulty(0.25f);
    Vehicle v;
    Load(worldtest::VehicleKeys("Diveroruz Lancer"), v, c.controller);
    EXPECT_EQ(v.IsHuman(), c.human);
    ASSERT_EQ(v.GetController() != nullptr, c.driver);
    if (c.driver) {
        ASSERT_NE(ComputerDriverOf(v), nullptr);
        const AIController& driver = *ComputerDriverOf(v);
        EXPECT_EQ(driver.GetVehicle(), &v);
        EXPECT_FLOAT_EQ(driver.GetDifficulty(), 0.25f);
        EXPECT_FLOAT_EQ(driver.GetTurningRate(), 0.2f);
        EXPECT_EQ(driver.GetName(), "Diveroruz Lancer");
        EXPECT_EQ(driver.GetRange(), 60);
    }
    // Every vehicle, a battery too, carries dust and smoke, neither of them started.
    for (int slot : {2, 3}) {
        SCOPED_TRACE(slot);
        ASSERT_NE(FakeEffects::In(&v, slot), nullptr);
        EXPECT_EQ(FakeEffects::In(&v, slot)->starts, 0);
        EXPECT_FALSE(v.effects.IsRunning(slot));
    }
}

INSTANTIATE_TEST_SUITE_P(Controllers, DriverTest,
                         ::testing::Values(DriverCase{"Computer", 0, true, false},
                                           DriverCase{"None", -1, false, false},
                                           DriverCase{"Player", 1, false, true},
                                           DriverCase{"AnyOtherIsAPlayer", 7, false, true}),
                         [](const auto& info) { return std::string(info.param.name); });

// Until the game installs its drivers, a computer vehicle is loaded without one.
TEST_F(VehicleLoadingTest, WithoutInstalledDriversAComputerVehicleHasNone) {
    InstallGameDrivers(nullptr);
    Vehicle v;
    Load(worldtest::VehicleKeys("Diveroruz Lancer"), v, 0);
    EXPECT_FALSE(v.IsHuman());
    EXPECT_EQ(v.GetController(), nullptr);
}

struct DustCase {
    const char* name;
    std::string vehicleName;
    std::string dust;
};

void PrintTo(const DustCase& c, std::ostream* os) {
    *os << c.name;
}

class DustTest : public VehicleLoadingTest, public ::testing::WithParamInterface<DustCase> {};

TEST_P(DustTest, TheGremlinRaisesASingleTrail) {
    Vehicle v;
    Load(worldtest::VehicleKeys(GetParam().vehicleName), v);
    EXPECT_EQ(FakeEffects::In(&v, 2)->scripts, (std::vector<std::string>{GetParam().dust}));
    EXPECT_EQ(
        FakeEffects::In(&v, 3)->scripts,
        (std::vector<std::string>{"./RESOURCES/Files/Particles/Damage_Smoke/damage_smoke.cfg"}));
}

INSTANTIATE_TEST_SUITE_P(
    Names, DustTest,
    ::testing::Values(DustCase{"Gremlin", "Vavedodev Gremlin",
                               "./RESOURCES/Files/Particles/Dust/single_dust_trail.cfg"},
                      DustCase{"Tank", "Davavod Tank",
                               "./RESOURCES/Files/Particles/Dust/dust_trail.cfg"},
                      DustCase{"GremlinInOtherCase", "vavedodev gremlin",
                               "./RESOURCES/Files/Particles/Dust/dust_trail.cfg"}),
    [](const auto& info) { return std::string(info.param.name); });

struct SoundCase {
    const char* name;
    std::string value;
    int slot;
};

void PrintTo(const SoundCase& c, std::ostream* os) {
    *os << c.name;
}

class SoundSlotTest : public VehicleLoadingTest, public ::testing::WithParamInterface<SoundCase> {};

TEST_P(SoundSlotTest, ASlotOutsideTheBankIsTheSilentOne) {
    Vehicle v;
    Load(With("SOUND_EFFECT_ONE", GetParam().value), v);
    EXPECT_EQ(v.sounds[0], GetParam().slot);
}

INSTANTIATE_TEST_SUITE_P(Values, SoundSlotTest,
                         ::testing::Values(SoundCase{"Missing", "", 0}, SoundCase{"Silent", "0", 0},
                                           SoundCase{"Last", "10", 10},
                                           SoundCase{"PastTheBank", "11", 0},
                                           SoundCase{"Negative", "-1", 0},
                                           SoundCase{"Huge", "99999999999", 0}),
                         [](const auto& info) { return std::string(info.param.name); });

struct WeightCase {
    const char* name;
    std::string value;
    float weight;
    bool refused;
};

void PrintTo(const WeightCase& c, std::ostream* os) {
    *os << c.name;
}

class WeightTest : public VehicleLoadingTest, public ::testing::WithParamInterface<WeightCase> {};

TEST_P(WeightTest, AWeightACollisionCannotUseIsRefused) {
    const WeightCase& c = GetParam();
    Vehicle v;
    Load(With("WEIGHT", c.value), v);
    EXPECT_FLOAT_EQ(v.weight, c.weight);
    ASSERT_EQ(fake.dialogs.shown.size(), c.refused ? 1u : 0u);
    if (c.refused) {
        EXPECT_NE(fake.dialogs.shown[0].text.find("WEIGHT"), std::string::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(Values, WeightTest,
                         ::testing::Values(WeightCase{"Usable", "2.5", 2.5f, false},
                                           WeightCase{"Light", "0.01", 0.01f, false},
                                           WeightCase{"Zero", "0", 1.0f, true},
                                           WeightCase{"Missing", "", 1.0f, true},
                                           WeightCase{"Negative", "-2", 1.0f, true},
                                           WeightCase{"NotANumber", "nan", 1.0f, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(VehicleLoadingTest, AnEmptyMeshFileLoadsNoFolder) {
    files.Weapon("gun.txt", {{"NAME", "Machine Gun"}, {"RANGE", "60"}});
    Vehicle v;
    EXPECT_EQ(Load(With("MESH_FILE", ""), v), "");
    EXPECT_NE(w->cache.GetModel("")->matrix, nullptr);
    EXPECT_TRUE(fake.dialogs.shown.empty());
}

TEST_F(VehicleLoadingTest, AMissingVehicleFileMakesAVehicleThatCountsAsDestroyed) {
    Vehicle v;
    desc = EntityDesc("VEHICLE", "nowhere.txt", 0, 0, 1, 1, "NONE");
    EXPECT_EQ(w->LoadVehicle(desc, &v, 0), "");
    EXPECT_EQ(v.GetHitPoints(), 0);
    EXPECT_EQ(v.GetPrimaryWeaponFile(), "");
    EXPECT_FLOAT_EQ(v.weight, 1.0f);
    EXPECT_EQ(desc.bounds, "");
}

class PlayerVehicleTest : public VehicleLoadingTest {
protected:
    PlayerVehicleTest() {
        const char* files[] = {"Tank.txt", "Buggy.txt", "Ufo.txt", "Lancer.txt"};
        const char* names[] = {"Davavod Tank", "Dovevevuzu Grav Buggy", "Vavedodev Gremlin",
                               "Diveroruz Lancer"};
        for (int i = 0; i < 4; ++i) {
            this->files.Vehicle(files[i], worldtest::VehicleKeys(names[i]));
            this->files.Vehicle(Lower(files[i]), worldtest::VehicleKeys(names[i]));
        }
        w->BuildLevel(this->files.Level("room.txt", "f.bmp u.bmp w.bmp\n(20,20)\n"));
    }

    static std::string Lower(std::string text) {
        for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return text;
    }
};

TEST_F(PlayerVehicleTest, TheFirstCallMakesPlayerOneAndEveryLaterCallPlayerTwo) {
    w->CreatePlayerVehicle(0);
    Vehicle* one = w->GetPlayerOne();
    ASSERT_NE(one, nullptr);
    EXPECT_EQ(one->GetName(), "Davavod Tank");
    EXPECT_EQ(one->GetPlayerNumber(), 1);
    EXPECT_TRUE(one->IsHuman());
    EXPECT_EQ(w->GetPlayerTwo(), nullptr);

    w->CreatePlayerVehicle(3);
    Vehicle* two = w->GetPlayerTwo();
    ASSERT_NE(two, nullptr);
    EXPECT_EQ(two->GetName(), "Diveroruz Lancer");
    EXPECT_EQ(two->GetPlayerNumber(), 2);
    EXPECT_TRUE(two->IsHuman());

    w->CreatePlayerVehicle(1);
    EXPECT_EQ(w->GetPlayerOne(), one);
    ASSERT_NE(w->GetPlayerTwo(), nullptr);
    EXPECT_NE(w->GetPlayerTwo(), two);
    EXPECT_EQ(w->GetPlayerTwo()->GetName(), "Dovevevuzu Grav Buggy");
    EXPECT_EQ(w->collisionList.size(), 3u);
}

TEST_F(PlayerVehicleTest, EachChoiceNamesItsFile) {
    const char* names[] = {"Davavod Tank", "Dovevevuzu Grav Buggy", "Vavedodev Gremlin",
                           "Diveroruz Lancer"};
    for (int choice = 0; choice < 4; ++choice) {
        SCOPED_TRACE(choice);
        w->ClearLevel();
        w->CreatePlayerVehicle(choice);
        ASSERT_NE(w->GetPlayerOne(), nullptr);
        EXPECT_EQ(w->GetPlayerOne()->GetName(), names[choice]);
    }
}

TEST_F(PlayerVehicleTest, AChoiceOutsideTheFourMakesAnEmptyVehicle) {
    w->CreatePlayerVehicle(4);
    ASSERT_NE(w->GetPlayerOne(), nullptr);
    EXPECT_EQ(w->GetPlayerOne()->GetHitPoints(), 0);
    EXPECT_EQ(w->GetPlayerOne()->GetName(), "");
}

TEST_F(PlayerVehicleTest, ARandomVehicleIsComputerDrivenAndOfAnyOfTheFourKinds) {
    std::set<std::string> kinds;
    for (std::uint32_t ms = 0; ms < 40; ++ms) {
        fake.clock.milliseconds = ms * 7;
        w->ClearLevel();
        GameEntity* e = w->SpawnRandomVehicle();
        ASSERT_NE(e, nullptr);
        ASSERT_EQ(e->GetTypeName(), "Vehicle");
        auto* vehicle = static_cast<Vehicle*>(e);
        EXPECT_FALSE(vehicle->IsHuman());
        EXPECT_NE(vehicle->GetController(), nullptr);
        EXPECT_EQ(w->collisionList.front(), e);
        EXPECT_EQ(w->updateList.front(), e);
        // Placed like a level vehicle, in a corner of the empty room.
        const int x = World::CellOf(e->GetMatrixElement(12));
        const int z = World::CellOf(e->GetMatrixElement(14));
        EXPECT_TRUE((x == 2 || x == 18) && (z == 2 || z == 18)) << x << "," << z;
        kinds.insert(e->GetName());
    }
    EXPECT_EQ(kinds, (std::set<std::string>{"Davavod Tank", "Dovevevuzu Grav Buggy",
                                            "Vavedodev Gremlin", "Diveroruz Lancer"}));
    EXPECT_TRUE(fake.dialogs.shown.empty());
}

}  // namespace
