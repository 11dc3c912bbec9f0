#pragma once
// Sets of entities in the order the entities were made.
#include <set>

class GameEntity;

// Sets of neighbours use it, so which partner is answered first is the same on every run (a
// replay stays a replay), whatever addresses the allocator hands out.
struct EntityOrder {
    bool operator()(const GameEntity* a, const GameEntity* b) const;
};
using EntitySet = std::set<GameEntity*, EntityOrder>;
