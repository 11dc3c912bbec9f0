// Vehicles: filling one from its definition file, and the two ways vehicles are made outside
// a level file (a player's choice, a random computer opponent).
#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>

#include "app/Clock.h"
#include "app/Constants.h"
#include "app/MessageBox.h"
#include "app/Sound.h"
#include "world/DriverFactory.h"
#include "world/EffectFactory.h"
#include "world/GameEntity.h"
#include "world/Vehicle.h"
#include "world/World.h"

namespace {

const char* const kVehicleFolder = "RESOURCES\\Files\\Vehicles\\";
const char* const kModelFolder = "RESOURCES\\Art\\Models\\";
const char* const kDustTrail = "./RESOURCES/Files/Particles/Dust/dust_trail.cfg";
const char* const kSingleDustTrail = "./RESOURCES/Files/Particles/Dust/single_dust_trail.cfg";
const char* const kDamageSmoke = "./RESOURCES/Files/Particles/Damage_Smoke/damage_smoke.cfg";

// The driver arguments of LoadVehicle.
constexpr int kComputerDriver = 0;
constexpr int kNoDriver = -1;

// The collision response divides by the weights of the pair; a vehicle without a usable
// weight gets this one.
constexpr float kDefaultWeight = 1.0f;

// The model of a MESH_FILE value; none for an empty value, which names no file.
std::string ModelPath(const std::string& meshFile) {
    return meshFile.empty() ? std::string() : kModelFolder + meshFile;
}

// A SoundBank slot; a value outside the bank is the silent slot.
int SoundSlot(const Definition& table, const char* key) {
    const int slot = DefinitionInt(table, key);
    return slot >= 0 && slot < SoundBank::kSlots ? slot : 0;
}

}  // namespace

std::string World::LoadVehicle(EntityDesc& desc, Vehicle* vehicle, int controller) {
    // An empty name would be the folder itself.
    const std::string path = kVehicleFolder + desc.name;
    const Definition table = desc.name.empty() ? Definition() : cache.GetVehicleDef(path);

    const std::string modelPath = ModelPath(DefinitionString(table, "MESH_FILE"));
    vehicle->SetName(DefinitionString(table, "NAME"));
    vehicle->SetPilot(DefinitionString(table, "PILOT"));
    vehicle->SetPilotImageFile(DefinitionString(table, "PILOT_IMAGE_FILE"));
    const std::string primaryFile = DefinitionString(table, "PRIMARY_WEAPON_FILE");
    const std::string secondaryFile = DefinitionString(table, "SECONDARY_WEAPON_FILE");
    const std::string primaryWeapon = DefinitionString(table, "PRIMARY_WEAPON");
    vehicle->SetPrimaryWeaponFile(primaryFile);
    const std::string secondaryWeapon = DefinitionString(table, "SECONDARY_WEAPON");

    if (secondaryWeapon == WeaponTypes::STRAFE) {
        vehicle->SetStrafe();
    } else {
        if (secondaryWeapon == WeaponTypes::RAMMING_SPEED) vehicle->SetRammingSpeed();
        vehicle->SetSecondaryWeaponFile(secondaryFile);
    }

    // The weapons' models are loaded now, so that the first shot finds them ready.
    if (!primaryWeapon.empty()) {
        const Definition weapon = cache.GetWeaponDef(primaryFile);
        const std::string weaponModel = ModelPath(DefinitionString(weapon, "MESH_FILE"));
        if (!weaponModel.empty()) cache.GetModel(weaponModel);
        vehicle->SetPrimaryRange(DefinitionInt(weapon, "RANGE"));
    }
    if (!secondaryWeapon.empty()) {
        const Definition weapon = cache.GetWeaponDef(secondaryFile);
        const std::string weaponModel = ModelPath(DefinitionString(weapon, "MESH_FILE"));
        if (!weaponModel.empty()) cache.GetModel(weaponModel);
        vehicle->SetSecondaryRange(DefinitionInt(weapon, "RANGE"));
    }

    const int hitPoints = DefinitionInt(table, "HIT_POINTS");
    vehicle->SetHitPoints(hitPoints);
    vehicle->SetMaxHitPoints(hitPoints);
    const int fuel = DefinitionInt(table, "FUEL");
    vehicle->SetFuel(fuel);
    vehicle->SetMaxFuel(fuel);
    vehicle->SetFuelRegen(DefinitionInt(table, "FUEL_REGEN"));
    vehicle->SetPrimaryFuelCost(DefinitionInt(table, "PRIMARY_FUEL_COST"));
    vehicle->SetSecondaryFuelCost(DefinitionInt(table, "SECONDARY_FUEL_COST"));
    vehicle->SetAcceleration(DefinitionFloat(table, "ACCELERATION"));
    vehicle->SetTurningRate(DefinitionFloat(table, "TURNING_RATE"));
    vehicle->SetMaxSpeed(DefinitionFloat(table, "MAX_SPEED"));
    float weight = DefinitionFloat(table, "WEIGHT");
    if (!(weight > 0.0f)) {
        const std::string text = "The vehicle file " + path +
                                 " gives no WEIGHT above 0, which a collision cannot use. "
                                 "The vehicle weighs 1.";
        MessageBox(text.c_str(), path.c_str(), MB_ICONERROR);
        weight = kDefaultWeight;
    }
    vehicle->SetWeight(weight);
    vehicle->SetPrimaryWeaponDelay(DefinitionFloat(table, "PRIMARY_WEAPON_DELAY"));
    vehicle->SetSecondaryWeaponDelay(DefinitionFloat(table, "SECONDARY_WEAPON_DELAY"));
    vehicle->SetSound(0, SoundSlot(table, "SOUND_EFFECT_ONE"));
    vehicle->SetSound(1, SoundSlot(table, "SOUND_EFFECT_TWO"));
    desc.bounds = DefinitionString(table, "BOUNDING_BOX");

    if (controller == kComputerDriver) {
        vehicle->SetController(CreateDriver(*vehicle, GetAIDifficulty()));
        vehicle->SetHuman(false);
    } else if (controller != kNoDriver) {
        vehicle->SetHuman(true);
    }

    vehicle->effects.Set(
        EffectSlots::kDustTrail,
        CreateEffect({vehicle->GetName() == "Vavedodev Gremlin" ? kSingleDustTrail : kDustTrail}));
    vehicle->effects.Set(EffectSlots::kDamageSmoke, CreateEffect({kDamageSmoke}));
    return modelPath;
}

void World::CreatePlayerVehicle(int choice) {
    static const char* const kPlayerFiles[] = {"Tank.txt", "Buggy.txt", "Ufo.txt", "Lancer.txt"};
    const std::string name = choice >= 0 && choice < 4 ? kPlayerFiles[choice] : "";
    playerTwoVehicle = nullptr;
    Vehicle* vehicle = static_cast<Vehicle*>(
        CreateEntityFromDesc(EntityDesc("VEHICLE", name, 0, 0, 1, 1, "NONE"), 1));
    if (!playerOneVehicle) {
        playerOneVehicle = vehicle;
        vehicle->SetPlayerNumber(1);
    } else {
        playerTwoVehicle = vehicle;
        vehicle->SetPlayerNumber(2);
    }
}

GameEntity* World::SpawnRandomVehicle() {
    static const char* const kComputerFiles[] = {"tank.txt", "buggy.txt", "ufo.txt", "lancer.txt"};
    std::srand(timeGetTime());
    const std::string name = kComputerFiles[std::rand() % 4];
    return CreateEntityFromDesc(EntityDesc("VEHICLE", name, 0, 0, 0, 0, name), kComputerDriver);
}
