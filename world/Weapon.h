#pragma once
// Every projectile, mine, blast and boost: one class whose behaviour its name and weapon
// type choose. World::SpawnWeapon makes one from a weapon definition file.
#include <memory>
#include <string>

#include "world/GameEntity.h"

class Weapon : public GameEntity {
public:
    // Made at the World time of the moment.
    Weapon();
    ~Weapon() override;

    std::string GetTypeName() const override;
    // Flight, hits and expiry come with weapon behaviour; until then a weapon stands.
    std::unique_ptr<Message> Update(std::uint8_t* keys) override;

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

    float rangeLeft = 0.0f;
    float duration = 0.0f;
    int damage = 0;
    int fuelDamage = 0;
    int forceDamage = 0;
    int fuelCost = 0;
    float spawnTime;
    // "RADIAL_BLAST", or empty for every other weapon.
    std::string weaponType;
    float maxRadius = 0.0f;
    // The vehicle that fired it (for a post effect, the first weapon's); not owned.
    GameEntity* owner = nullptr;
    bool destroyOnCollision = false;
    std::string postEffect;
    bool followParent = false;
    float blastRadius = 1.0f;
    // No growth yet: the model is not scaled until the blast has grown once.
    float blastRatio = 0.0f;
};
