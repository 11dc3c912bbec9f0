#include "world/CellList.h"

#include <algorithm>

#include "world/GameEntity.h"

CellList& CellList::operator=(std::initializer_list<GameEntity*> entries) {
    newestLast.clear();
    for (auto at = entries.end(); at != entries.begin();) push_front(*--at);
    return *this;
}

void CellList::push_front(GameEntity* e) {
    newestLast.push_back(e);
    if (e) ++e->gridEntries;
}

std::size_t CellList::remove(GameEntity* e) {
    const auto kept = std::remove(newestLast.begin(), newestLast.end(), e);
    const auto removed = static_cast<std::size_t>(newestLast.end() - kept);
    newestLast.erase(kept, newestLast.end());
    if (e) e->gridEntries -= static_cast<int>(removed);
    return removed;
}
