#pragma once
// Movement and collision on the floor. So far only the collision test's entry stands, so
// that the collision pass runs; the tests, links and response come with driving and
// fighting.
#include <memory>
#include <set>

#include "world/Message.h"

class GameEntity;

class Physics {
public:
    // The touching pairs of `entity` and its neighbours; the caller drops the result, which
    // may be null (nothing to report).
    std::unique_ptr<Message> CheckCollisions(GameEntity* entity, std::set<GameEntity*>& neighbours,
                                             bool respond);
};

extern Physics physics;
