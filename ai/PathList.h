#pragma once
// The lists of the opponents' path finding: waypoint lists and the running search. A plain
// singly linked list that owns its nodes; the search keeps its open nodes first, sorted by
// f = g + h, then the closed nodes in the order they were closed.

struct PathNode {
    PathNode* next = nullptr;
    // In the search list: the node this one was reached from. Unused in a waypoint list.
    PathNode* parent = nullptr;
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
    PathList() = default;
    ~PathList() { Clear(); }
    PathList(const PathList&) = delete;
    PathList& operator=(const PathList&) = delete;

    // Inserts an open node by f: before the head only when strictly lower (or when the head
    // is closed), behind the head before earlier nodes of equal f, and always before every
    // closed node.
    void InsertSorted(PathNode* node);
    void PushFront(PathNode* node);
    // Moves `node` (the head, in the search) to the tail and marks it closed.
    void Close(PathNode* node);
    // Unlinks and deletes the head; nothing on an empty list.
    void PopFront();
    void Clear();
    PathNode* Last() const;
    // Unlinks `node` from the list without deleting it; nothing when it is not in the list.
    void Unlink(PathNode* node);
    // Takes every node of `other`, which is left empty; this list must be empty.
    void TakeFrom(PathList& other);
    bool Empty() const { return head == nullptr; }
    int Size() const;

    PathNode* head = nullptr;
};
