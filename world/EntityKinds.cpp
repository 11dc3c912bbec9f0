#include "world/EntityKinds.h"

#include "world/GameEntity.h"
#include "world/Vehicle.h"
#include "world/Weapon.h"

Vehicle* AsVehicle(GameEntity* e) {
    return e && e->GetKind() == EntityKind::Vehicle ? static_cast<Vehicle*>(e) : nullptr;
}

const Vehicle* AsVehicle(const GameEntity* e) {
    return e && e->GetKind() == EntityKind::Vehicle ? static_cast<const Vehicle*>(e) : nullptr;
}

Weapon* AsWeapon(GameEntity* e) {
    return e && e->GetKind() == EntityKind::Weapon ? static_cast<Weapon*>(e) : nullptr;
}

const Weapon* AsWeapon(const GameEntity* e) {
    return e && e->GetKind() == EntityKind::Weapon ? static_cast<const Weapon*>(e) : nullptr;
}

bool IsLevelObject(const GameEntity* e) {
    return e && e->GetKind() == EntityKind::LevelObject;
}
