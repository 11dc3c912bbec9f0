#pragma once
// Turns a type name from a level record or a spawn request into a new entity of its class.
#include <memory>
#include <string>

class GameEntity;

class EntityFactory {
public:
    // "VEHICLE" and "BATTERY" make a Vehicle, "WEAPON" a Weapon, "PARTICLE" an effect
    // entity; "GAME_ENTITY" and every other name a plain entity named "". The caller owns it,
    // names it and gives it its model.
    std::unique_ptr<GameEntity> CreateEntity(std::string type);
};

extern EntityFactory entityFactory;
