#pragma once
// What an entity is, fixed when it is made. The frame passes ask it for every pair of
// neighbours, so it is a number, not the type name's text.
#include <cstdint>

enum class EntityKind : std::uint8_t {
    // A level object or the walls, and anything else whose type name is "GameEntity".
    LevelObject,
    // Vehicles and batteries.
    Vehicle,
    Weapon,
    // A composite effect.
    Particle,
};
