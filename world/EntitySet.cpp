#include "world/EntitySet.h"

#include <algorithm>

#include "world/GameEntity.h"

bool EntityOrder::operator()(const GameEntity* a, const GameEntity* b) const {
    if (!a || !b) return a < b;
    return a->serial < b->serial;
}

EntitySet::EntitySet(std::initializer_list<GameEntity*> list) : entities(list) {
    Settle();
}

void EntitySet::insert(GameEntity* e) {
    const auto at = std::lower_bound(entities.begin(), entities.end(), e, EntityOrder());
    if (at == entities.end() || EntityOrder()(e, *at)) entities.insert(at, e);
}

std::size_t EntitySet::erase(const GameEntity* e) {
    const auto at = std::lower_bound(entities.begin(), entities.end(), e, EntityOrder());
    if (at == entities.end() || EntityOrder()(e, *at)) return 0;
    entities.erase(at);
    return 1;
}

bool EntitySet::contains(const GameEntity* e) const {
    return std::binary_search(entities.begin(), entities.end(), e, EntityOrder());
}

void EntitySet::Settle() {
    std::sort(entities.begin(), entities.end(), EntityOrder());
    // Sorted, the repeats of one entity stand together.
    entities.erase(std::unique(entities.begin(), entities.end()), entities.end());
}
