#pragma once
// The entities listed in one grid cell, newest first; an entity may be listed more than once.
// Every moving entity leaves its cell and is listed again every frame, so the entries live
// in a vector that keeps its storage, the newest at its back.
#include <cstddef>
#include <initializer_list>
#include <vector>

class GameEntity;

class CellList {
public:
    using const_iterator = std::vector<GameEntity*>::const_reverse_iterator;

    CellList() = default;
    CellList(const CellList&) = delete;
    CellList& operator=(const CellList&) = delete;
    // The entries in the order given, the first at the front; what was listed before goes.
    CellList& operator=(std::initializer_list<GameEntity*> entries);

    void push_front(GameEntity* e);
    // Takes out every entry of `e`, the others keeping their order; returns how many.
    std::size_t remove(GameEntity* e);
    // Every entry goes. The entities named may be deleted already: none is looked at.
    void clear() { newestLast.clear(); }

    const_iterator begin() const { return newestLast.rbegin(); }
    const_iterator end() const { return newestLast.rend(); }
    std::size_t size() const { return newestLast.size(); }
    bool empty() const { return newestLast.empty(); }

private:
    std::vector<GameEntity*> newestLast;
};
