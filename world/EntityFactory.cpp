#include "world/EntityFactory.h"

#include "world/EffectFactory.h"
#include "world/GameEntity.h"
#include "world/Vehicle.h"
#include "world/Weapon.h"

// Without fields, it needs no construction and may be used at any time.
constinit EntityFactory entityFactory;

std::unique_ptr<GameEntity> EntityFactory::CreateEntity(std::string type) {
    if (type == "GAME_ENTITY") return std::make_unique<GameEntity>("");
    if (type == "VEHICLE") return std::make_unique<Vehicle>();
    if (type == "BATTERY") return std::make_unique<Vehicle>();
    if (type == "WEAPON") return std::make_unique<Weapon>();
    if (type == "PARTICLE") return CreateEffectEntity();
    return std::make_unique<GameEntity>("");
}
