#include "ai/PathList.h"

PathNode* PathList::InsertSorted(const PathNode& node) {
    const double f = node.F();
    if (nodes.empty() || f < nodes.front().F() || nodes.front().closed)
        return &*nodes.insert(nodes.begin(), node);
    // Behind the head: before the first successor that is closed or not below the new f.
    auto at = std::next(nodes.begin());
    while (at != nodes.end() && !at->closed && !(f <= at->F())) ++at;
    return &*nodes.insert(at, node);
}

PathNode* PathList::PushFront(const PathNode& node) {
    return &*nodes.insert(nodes.begin(), node);
}

PathNode* PathList::PushBack(const PathNode& node) {
    return &*nodes.insert(nodes.end(), node);
}

PathList::iterator PathList::Find(const PathNode* node) {
    for (auto at = nodes.begin(); at != nodes.end(); ++at)
        if (&*at == node) return at;
    return nodes.end();
}

void PathList::Close(PathNode* node) {
    const auto at = Find(node);
    if (at == nodes.end()) return;
    // The node keeps its address: the nodes it is parent of stay linked to it.
    nodes.splice(nodes.end(), nodes, at);
    node->closed = true;
}

void PathList::PopFront() {
    if (!nodes.empty()) nodes.pop_front();
}

void PathList::Erase(const PathNode* node) {
    const auto at = Find(node);
    if (at != nodes.end()) nodes.erase(at);
}
