#include "physics/Physics.h"

std::unique_ptr<Message> Physics::CheckCollisions(GameEntity*, std::set<GameEntity*>&, bool) {
    return nullptr;
}
