#include "world/Vehicle.h"

#include <algorithm>
#include <cmath>

#include "app/Constants.h"
#include "app/Matrix.h"
#include "app/Sound.h"
#include "physics/Physics.h"
#include "world/World.h"

namespace {

constexpr int kExplosionSlot = 0;
constexpr int kDustSlot = 2;
constexpr int kSmokeSlot = 3;
constexpr int kExplosionSound = 1;

// Fuel comes back in quarter-second portions.
constexpr float kRegenInterval = 0.25f;
// A vehicle this slow raises no dust.
constexpr float kDustSpeed = 0.01f;
// At a quarter of its hit points or less a vehicle smokes.
constexpr float kSmokeShare = 0.25f;
// The explosion throws the wreck up a little before it drops.
constexpr float kExplosionFallSpeed = 1.03f;
constexpr float kStrafePush = 0.5f;

// The six flags of a vehicle that no one drives.
const std::uint8_t kReleasedKeys[AIController::kKeys] = {};

constexpr int kTurnRight = 0;
constexpr int kTurnLeft = 1;
constexpr int kPrimaryFire = 4;
constexpr int kSecondaryFire = 5;

}  // namespace

Vehicle::Vehicle() : GameEntity("") {
    laidObjects.reserve(kMaxLaidObjects);
}

Vehicle::~Vehicle() = default;

std::unique_ptr<GameEntity> Vehicle::Create() {
    return std::make_unique<Vehicle>();
}

std::string Vehicle::GetTypeName() const {
    return "Vehicle";
}

std::unique_ptr<Message> Vehicle::Update(std::uint8_t* keys) {
    UpdateEffects();

    const float now = world.time;
    if (fuel < maxFuel && now - lastFuelUse > kRegenInterval) {
        fuel += static_cast<int>(static_cast<float>(fuelRegen) *
                                 ((now - lastFuelUse) / kRegenInterval));
        if (fuel > maxFuel) fuel = maxFuel;
        lastFuelUse = now;
    }

    if (name == "Battery") return std::make_unique<Message>();
    world.RemoveFromGrid(this);

    bool primary = false;
    bool secondary = false;
    if (human) {
        const int base = GetPlayerNumber() == 2 ? 6 : 0;
        if (keys) {
            if (hitPoints <= 0)
                for (int i = 0; i < AIController::kKeys; ++i) keys[base + i] = 0;
            primary = keys[base + kPrimaryFire] != 0;
            secondary = keys[base + kSecondaryFire] != 0;
        }
        if (rammingSpeed && boostActive) steer = 0.0f;
        if (strafe && secondary) {
            Strafe(keys);
            secondary = false;
            steer = 0.0f;
        } else {
            physics.ApplyControls(keys ? keys : kReleasedKeys, this);
        }
        physics.Move(this);
    } else {
        if (hitPoints > 0 && controller) {
            controller->Update();
            controller->SetStatus(fuel, hitPoints);
            physics.ApplyControls(controller->GetKeys(), this);
            physics.Move(this);
        } else {
            // A wreck, or a vehicle without a driver, coasts to a stop.
            controller.reset();
            physics.ApplyControls(kReleasedKeys, this);
            physics.Move(this);
        }
        if (hitPoints > 0 && controller) {
            primary = controller->GetKey(kPrimaryFire);
            if (!primary) secondary = controller->GetKey(kSecondaryFire);
        }
    }

    // A weapon without a definition file (a strafing vehicle has no secondary file) does not
    // fire: no fuel, no count, no sound.
    if (primary && !primaryWeaponFile.empty() && lastPrimaryShot + primaryWeaponDelay < now &&
        fuel >= primaryFuelCost) {
        lastPrimaryShot = now;
        lastFuelUse = now;
        fuel -= primaryFuelCost;
        fuelSpent += primaryFuelCost;
        primaryShots += 1;
        world.AddToGrid(this);
        soundBank[sounds[0]].Play(false);
        return std::make_unique<Message>(
            MessageTypes::WEAPON_FIRED,
            std::map<std::string, std::string>{{"WEAPON_FILE", primaryWeaponFile}});
    }
    if (boostActive) {
        if (boostStart + secondaryWeaponDelay < now) BoostOff();
    } else if (secondary && !secondaryWeaponFile.empty() &&
               lastSecondaryShot + secondaryWeaponDelay < now && fuel >= secondaryFuelCost) {
        lastSecondaryShot = now;
        lastFuelUse = now;
        fuel -= secondaryFuelCost;
        fuelSpent += secondaryFuelCost;
        secondaryShots += 1;
        world.AddToGrid(this);
        soundBank[sounds[1]].Play(false);
        return std::make_unique<Message>(
            MessageTypes::WEAPON_FIRED,
            std::map<std::string, std::string>{{"WEAPON_FILE", secondaryWeaponFile}});
    }
    world.AddToGrid(this);
    return std::make_unique<Message>();
}

int Vehicle::UseFuel(int amount) {
    const int before = fuel;
    fuel -= amount;
    if (fuel <= 0)
        fuel = 0;
    else if (fuel > maxFuel)
        fuel = maxFuel;
    lastFuelUse = world.time;
    return before - fuel;
}

void Vehicle::BoostOn() {
    if (boostActive) return;
    boostStart = world.time;
    boostActive = true;
    if (rammingSpeed) {
        maxSpeed *= 2.0f;
        weight *= 4.0f;
        speed = maxSpeed;
    }
}

void Vehicle::BoostOff() {
    if (!boostActive) return;
    boostActive = false;
    if (rammingSpeed) {
        maxSpeed *= 0.5f;
        weight *= 0.25f;
        if (speed > maxSpeed) speed = maxSpeed;
    }
}

void Vehicle::UpdateEffects() {
    if (Effect* dust = effects.Get(kDustSlot)) {
        if (hitPoints > 0 && std::fabs(speed) > kDustSpeed) {
            if (!effects.IsRunning(kDustSlot)) dust->Start();
            effects.SetRunning(kDustSlot, true);
            dust->PlaceAt(&model, false);
            if (!dust->WasDrawn()) dust->ExpireAll();
        } else {
            dust->Stop(false);
        }
    }

    Effect* smoke = effects.Get(kSmokeSlot);
    if (static_cast<float>(hitPoints) <= kSmokeShare * static_cast<float>(maxHitPoints)) {
        effects.SetRunning(kSmokeSlot, true);
        if (smoke) {
            smoke->PlaceAt(&model, true);
            if (!smoke->WasDrawn()) smoke->ExpireAll();
        }
    } else {
        effects.SetRunning(kSmokeSlot, false);
    }

    Effect* explosion = effects.Get(kExplosionSlot);
    if (hitPoints <= 0 && !exploded) {
        exploded = true;
        fallSpeed = kExplosionFallSpeed;
        effects.SetRunning(kExplosionSlot, true);
        soundBank[kExplosionSound].Play(false);
        if (explosion) explosion->PlaceAt(&model, true);
        model.drawBlack = true;
    }
    if (explosion && !explosion->IsAlive()) effects.SetRunning(kExplosionSlot, false);

    if (hitPoints <= 0) physics.ApplyGravity(this, fallSpeed);
}

void Vehicle::Strafe(const std::uint8_t* keys) {
    if (!keys) return;
    Vector3 heading(std::sin(GetMatrixElement(8)), 0.0f, std::sin(GetMatrixElement(10)));
    Vector3 side(heading.z, 0.0f, -heading.x);
    Vec3NormalizeOrUnitX(side);
    const int base = GetPlayerNumber() == 2 ? 6 : 0;
    if (keys[base + kTurnLeft])
        physics.AddVelocity(this, Vector3(kStrafePush * side.x, 0.0f, kStrafePush * side.z));
    else if (keys[base + kTurnRight])
        physics.AddVelocity(this, Vector3(-kStrafePush * side.x, 0.0f, -kStrafePush * side.z));
}

void Vehicle::AddLaidObject(GameEntity* object) {
    if (!object) return;
    if (laidObjects.size() >= static_cast<std::size_t>(kMaxLaidObjects)) {
        // Out of play at once; deleted by the sweep, which may also hold it on its dead list.
        world.RetireEntity(laidObjects.front());
    }
    RemoveLaidObject(object);
    laidObjects.push_back(object);
}

void Vehicle::SetSound(int slot, int soundIndex) {
    if (slot >= 0 && slot < kSoundSlots) sounds[slot] = soundIndex;
}

void Vehicle::RemoveLaidObject(GameEntity* object) {
    const auto found = std::find(laidObjects.begin(), laidObjects.end(), object);
    if (found != laidObjects.end()) laidObjects.erase(found);
}
