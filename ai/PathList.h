#pragma once
// The lists of the opponents' path finding: waypoint lists and the running search. The search
// keeps its open nodes first, sorted by f = g + h, then the closed nodes in the order they
// were closed. The list owns its nodes; a node keeps its address for as long as it is listed,
// so a node's parent (always a closed node of the same search) stays valid.
#include <cstddef>
#include <list>

struct PathNode {
    // In the search list: the node this one was reached from. Unused in a waypoint list.
    const PathNode* parent = nullptr;
    int x = 0;
    int z = 0;
    // Cost from the start cell.
    float g = 0.0f;
    // Cell distance to the goal cell.
    float h = 0.0f;
    bool closed = false;

    // g + h without rounding back to a float, so that close sums still order as they should.
    double F() const { return static_cast<double>(g) + static_cast<double>(h); }
};

class PathList {
public:
    using iterator = std::list<PathNode>::iterator;
    using const_iterator = std::list<PathNode>::const_iterator;

    // Inserts an open node by f: before the head only when strictly lower (or when the head
    // is closed), behind the head before earlier nodes of equal f, and always before every
    // closed node. Returns the listed node.
    PathNode* InsertSorted(const PathNode& node);
    PathNode* PushFront(const PathNode& node);
    PathNode* PushBack(const PathNode& node);
    // Moves `node` (the head, in the search) to the tail and marks it closed.
    void Close(PathNode* node);
    // Takes the head out; nothing on an empty list.
    void PopFront();
    // Takes `node` out; nothing when it is not in the list.
    void Erase(const PathNode* node);
    void Clear() { nodes.clear(); }
    // The first and the last node, or null for an empty list.
    PathNode* Head() { return nodes.empty() ? nullptr : &nodes.front(); }
    const PathNode* Head() const { return nodes.empty() ? nullptr : &nodes.front(); }
    PathNode* Last() { return nodes.empty() ? nullptr : &nodes.back(); }
    const PathNode* Last() const { return nodes.empty() ? nullptr : &nodes.back(); }
    // Takes every node of `other`, which is left empty; this list must be empty.
    void TakeFrom(PathList& other) { nodes.splice(nodes.end(), other.nodes); }
    bool Empty() const { return nodes.empty(); }
    int Size() const { return static_cast<int>(nodes.size()); }

    iterator begin() { return nodes.begin(); }
    iterator end() { return nodes.end(); }
    const_iterator begin() const { return nodes.begin(); }
    const_iterator end() const { return nodes.end(); }

private:
    iterator Find(const PathNode* node);

    std::list<PathNode> nodes;
};
