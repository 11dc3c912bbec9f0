#pragma once
// Sets of entities in the order the entities were made.
#include <cstddef>
#include <initializer_list>
#include <vector>

class GameEntity;

// Sets of neighbours use it, so which partner is answered first is the same on every run (a
// replay stays a replay), whatever addresses the allocator hands out.
struct EntityOrder {
    bool operator()(const GameEntity* a, const GameEntity* b) const;
};

// Each entity once, in EntityOrder. A sorted vector: the collision pass fills one for every
// entity every frame, and a set cleared and filled again keeps its storage.
class EntitySet {
public:
    using const_iterator = std::vector<GameEntity*>::const_iterator;

    EntitySet() = default;
    EntitySet(std::initializer_list<GameEntity*> entities);

    void insert(GameEntity* e);
    template <typename It>
    void insert(It first, It last) {
        for (; first != last; ++first) Append(*first);
        Settle();
    }
    // Returns how many were taken out: 0 or 1.
    std::size_t erase(const GameEntity* e);
    void clear() { entities.clear(); }
    bool contains(const GameEntity* e) const;

    // A fill from many places at once: Append each (in any order, repeats too), then Settle
    // once to put the set in order.
    void Append(GameEntity* e) { entities.push_back(e); }
    void Settle();

    const_iterator begin() const { return entities.begin(); }
    const_iterator end() const { return entities.end(); }
    std::size_t size() const { return entities.size(); }
    bool empty() const { return entities.empty(); }

    friend bool operator==(const EntitySet& a, const EntitySet& b) {
        return a.entities == b.entities;
    }

private:
    std::vector<GameEntity*> entities;
};
