#include "ai/PathList.h"

void PathList::InsertSorted(PathNode* node) {
    if (head == nullptr) {
        node->next = nullptr;
        head = node;
        return;
    }
    const double f = node->F();
    if (f < head->F() || head->closed) {
        node->next = head;
        head = node;
        return;
    }
    for (PathNode* at = head;; at = at->next) {
        PathNode* successor = at->next;
        if (successor == nullptr || successor->closed || f <= successor->F()) {
            node->next = successor;
            at->next = node;
            return;
        }
    }
}

void PathList::PushFront(PathNode* node) {
    node->next = head;
    head = node;
}

void PathList::Close(PathNode* node) {
    Unlink(node);
    node->next = nullptr;
    if (head == nullptr) {
        head = node;
    } else {
        Last()->next = node;
    }
    node->closed = true;
}

void PathList::PopFront() {
    if (head == nullptr) return;
    PathNode* old = head;
    head = old->next;
    delete old;
}

void PathList::Clear() {
    while (head != nullptr) PopFront();
}

PathNode* PathList::Last() const {
    PathNode* at = head;
    while (at != nullptr && at->next != nullptr) at = at->next;
    return at;
}

void PathList::Unlink(PathNode* node) {
    if (head == node) {
        head = node->next;
        return;
    }
    for (PathNode* at = head; at != nullptr; at = at->next) {
        if (at->next == node) {
            at->next = node->next;
            return;
        }
    }
}

void PathList::TakeFrom(PathList& other) {
    head = other.head;
    other.head = nullptr;
}

int PathList::Size() const {
    int n = 0;
    for (PathNode* at = head; at != nullptr; at = at->next) ++n;
    return n;
}
