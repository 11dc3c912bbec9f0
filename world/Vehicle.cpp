#include "world/Vehicle.h"

#include <algorithm>
#include <cmath>

#include "app/Constants.h"
#include "app/ControlKeys.h"
#include "app/Matrix.h"
#include "app/Sound.h"
#include "physics/Physics.h"
#include "world/World.h"

namespace {

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
const std::uint8_t kReleasedKeys[ControlKeys::kFlags] = {};

}  // namespace

Vehicle::Vehicle() : GameEntity("", EntityKind::Vehicle) {
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
    RegenerateFuel(now);
    if (name == "Battery") return std::make_unique<Message>();
    world.RemoveFromGrid(this);

    FireFlags fire;
    if (human)
        fire = DriveFromKeys(keys);
    else
        fire = DriveByComputer();

    if (fire.primary) {
        if (auto shot = Fire(PrimaryShot(), now)) return shot;
    }
    if (boostActive) {
        if (boostStart + secondaryWeaponDelay < now) BoostOff();
    } else if (fire.secondary) {
        if (auto shot = Fire(SecondaryShot(), now)) return shot;
    }
    world.AddToGrid(this);
    return std::make_unique<Message>();
}

void Vehicle::RegenerateFuel(float now) {
    if (fuel < maxFuel && now - lastFuelUse > kRegenInterval) {
        fuel += static_cast<int>(static_cast<float>(fuelRegen) *
                                 ((now - lastFuelUse) / kRegenInterval));
        if (fuel > maxFuel) fuel = maxFuel;
        lastFuelUse = now;
    }
}

Vehicle::FireFlags Vehicle::DriveFromKeys(std::uint8_t* keys) {
    FireFlags fire;
    if (keys) {
        std::uint8_t* flags = keys + ControlKeys::FirstSlot(GetPlayerNumber());
        if (hitPoints <= 0)
            for (int i = 0; i < ControlKeys::kFlags; ++i) flags[i] = 0;
        fire.primary = flags[ControlKeys::PrimaryFire] != 0;
        fire.secondary = flags[ControlKeys::SecondaryFire] != 0;
    }
    if (rammingSpeed && boostActive) steer = 0.0f;
    if (strafe && fire.secondary) {
        Strafe(keys);
        fire.secondary = false;
        steer = 0.0f;
    } else if (keys) {
        physics.ApplyControls(keys, this);
    } else {
        physics.ApplyFlags(kReleasedKeys, this);
    }
    physics.Move(this);
    return fire;
}

Vehicle::FireFlags Vehicle::DriveByComputer() {
    FireFlags fire;
    if (hitPoints > 0 && controller) {
        controller->Update();
        controller->SetStatus(fuel, hitPoints);
        physics.ApplyFlags(controller->GetKeys(), this);
        physics.Move(this);
    } else {
        // A wreck, or a vehicle without a driver, coasts to a stop.
        controller.reset();
        physics.ApplyFlags(kReleasedKeys, this);
        physics.Move(this);
    }
    if (hitPoints > 0 && controller) {
        fire.primary = controller->GetKey(ControlKeys::PrimaryFire);
        if (!fire.primary) fire.secondary = controller->GetKey(ControlKeys::SecondaryFire);
    }
    return fire;
}

Vehicle::Shot Vehicle::PrimaryShot() {
    return {lastPrimaryShot, primaryWeaponDelay, primaryFuelCost,
            primaryShots,    sounds[0],          primaryWeaponFile};
}

Vehicle::Shot Vehicle::SecondaryShot() {
    return {lastSecondaryShot, secondaryWeaponDelay, secondaryFuelCost, secondaryShots,
            sounds[1],         secondaryWeaponFile};
}

std::unique_ptr<Message> Vehicle::Fire(const Shot& shot, float now) {
    // A weapon without a definition file (a strafing vehicle has no secondary file) does not
    // fire: no fuel, no count, no sound.
    if (shot.file.empty() || !(shot.last + shot.delay < now) || fuel < shot.cost) return nullptr;
    shot.last = now;
    lastFuelUse = now;
    fuel -= shot.cost;
    fuelSpent += shot.cost;
    shot.count += 1;
    world.AddToGrid(this);
    soundBank[shot.sound].Play(false);
    return std::make_unique<Message>(
        MessageTypes::WEAPON_FIRED, std::map<std::string, std::string>{{"WEAPON_FILE", shot.file}});
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
    if (Effect* dust = effects.Get(EffectSlots::kDustTrail)) {
        if (hitPoints > 0 && std::fabs(speed) > kDustSpeed) {
            if (!effects.IsRunning(EffectSlots::kDustTrail)) dust->Start();
            effects.SetRunning(EffectSlots::kDustTrail, true);
            dust->PlaceAt(&model, false);
            if (!dust->WasDrawn()) dust->ExpireAll();
        } else {
            dust->Stop(false);
        }
    }

    Effect* smoke = effects.Get(EffectSlots::kDamageSmoke);
    if (static_cast<float>(hitPoints) <= kSmokeShare * static_cast<float>(maxHitPoints)) {
        effects.SetRunning(EffectSlots::kDamageSmoke, true);
        if (smoke) {
            smoke->PlaceAt(&model, true);
            if (!smoke->WasDrawn()) smoke->ExpireAll();
        }
    } else {
        effects.SetRunning(EffectSlots::kDamageSmoke, false);
    }

    Effect* explosion = effects.Get(EffectSlots::kExplosion);
    if (hitPoints <= 0 && !exploded) {
        exploded = true;
        fallSpeed = kExplosionFallSpeed;
        effects.SetRunning(EffectSlots::kExplosion, true);
        soundBank[kExplosionSound].Play(false);
        if (explosion) explosion->PlaceAt(&model, true);
        model.drawBlack = true;
    }
    if (explosion && !explosion->IsAlive()) effects.SetRunning(EffectSlots::kExplosion, false);

    if (hitPoints <= 0) physics.ApplyGravity(this, fallSpeed);
}

void Vehicle::Strafe(const std::uint8_t* keys) {
    if (!keys) return;
    Vector3 heading(std::sin(GetMatrixElement(8)), 0.0f, std::sin(GetMatrixElement(10)));
    Vector3 side(heading.z, 0.0f, -heading.x);
    Vec3NormalizeOrUnitX(side);
    const std::uint8_t* flags = keys + ControlKeys::FirstSlot(GetPlayerNumber());
    if (flags[ControlKeys::TurnLeft])
        physics.AddVelocity(this, Vector3(kStrafePush * side.x, 0.0f, kStrafePush * side.z));
    else if (flags[ControlKeys::TurnRight])
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
