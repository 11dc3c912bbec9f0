#pragma once
// Every projectile, mine, blast and boost: one class whose behaviour its name and weapon
// type choose. World::SpawnWeapon makes one from a weapon definition file.
#include <memory>
#include <string>

#include "world/GameEntity.h"

class Vehicle;

class Weapon : public GameEntity {
public:
    // Made at the World time of the moment.
    Weapon();
    ~Weapon() override;

    std::string GetTypeName() const override;
    // One frame: boost, expiry, blast growth, the hit on the contact, flight and range, and
    // "WEAPON_DESTROYED" once the weapon is done and its impact effect has finished.
    std::unique_ptr<Message> Update(std::uint8_t* keys) override;
    // A radial blast's growth and its drain, push and damage on the vehicles inside it.
    void UpdateRadialBlast();
    // Slot 0 impact, 1 on the hit vehicle, 2 trail.
    void StartEffect(int slot);
    void StopEffect(int slot);

    void SetRange(float value) { rangeLeft = value; }
    void SetDuration(float value) { duration = value; }
    void SetDamage(int value) { damage = value; }
    void SetMaxSpeed(float value) { maxSpeed = value; }
    void SetFuelCost(int value) { fuelCost = value; }
    void SetOwner(GameEntity* vehicle) { owner = vehicle; }
    void SetWeaponType(std::string value) { weaponType = std::move(value); }
    void SetRadius(float value) { maxRadius = value; }
    void SetDestroyOnCollision(bool value) { destroyOnCollision = value; }
    void SetPostEffect(std::string value) { postEffect = std::move(value); }
    void SetFollowParent(bool value) { followParent = value; }
    void SetFuelDamage(int value) { fuelDamage = value; }
    void SetForceDamage(int value) { forceDamage = value; }
    GameEntity* GetOwner() const { return owner; }
    float GetRangeLeft() const { return rangeLeft; }
    const std::string& GetWeaponType() const { return weaponType; }
    int GetFuelDamage() const { return fuelDamage; }
    int GetForceDamage() const { return forceDamage; }

    float spawnTime;
    float blastRadius = 1.0f;
    // No growth yet: the model is not scaled until the blast has grown once.
    float blastRatio = 0.0f;
    // Taken out of play before the sweep (a mine replaced by its owner's seventh): it does
    // nothing more.
    bool retired = false;

protected:
    // Filled by weapon spawning through the setters above.
    float rangeLeft = 0.0f;
    float duration = 0.0f;
    int damage = 0;
    int fuelDamage = 0;
    int forceDamage = 0;
    int fuelCost = 0;
    // "RADIAL_BLAST", or empty for every other weapon.
    std::string weaponType;
    float maxRadius = 0.0f;
    // The vehicle that fired it (for a post effect, the first weapon's); not owned.
    GameEntity* owner = nullptr;
    bool destroyOnCollision = false;
    std::string postEffect;
    bool followParent = false;

private:
    // The owner when it is a vehicle, else null.
    Vehicle* OwnerVehicle() const;
    std::unique_ptr<Message> Destroyed() const;
};
