#include "world/Vehicle.h"

#include <algorithm>

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
    return GameEntity::Update(keys);
}

void Vehicle::SetSound(int slot, int soundIndex) {
    if (slot >= 0 && slot < kSoundSlots) sounds[slot] = soundIndex;
}

void Vehicle::RemoveLaidObject(GameEntity* object) {
    const auto found = std::find(laidObjects.begin(), laidObjects.end(), object);
    if (found != laidObjects.end()) laidObjects.erase(found);
}
