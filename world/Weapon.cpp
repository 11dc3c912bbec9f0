#include "world/Weapon.h"

#include "world/World.h"

Weapon::Weapon() : GameEntity(""), spawnTime(world.time) {}

Weapon::~Weapon() = default;

std::string Weapon::GetTypeName() const {
    return "Weapon";
}

std::unique_ptr<Message> Weapon::Update(std::uint8_t* keys) {
    return GameEntity::Update(keys);
}
