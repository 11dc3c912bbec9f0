#include "world/Message.h"

#include <new>
#include <utility>

namespace {

// The storage of dropped messages, each block holding the next. More than a frame ever has
// in flight at once goes back to the allocator.
struct Spare {
    Spare* next;
};

class SparePool {
public:
    static constexpr int kMaxKept = 64;

    ~SparePool() {
        while (first) ::operator delete(Take());
    }
    void* Take() {
        Spare* block = first;
        first = block->next;
        --kept;
        return block;
    }
    bool Keep(void* storage) {
        if (kept >= kMaxKept) return false;
        first = new (storage) Spare{first};
        ++kept;
        return true;
    }
    bool Empty() const { return first == nullptr; }

private:
    Spare* first = nullptr;
    int kept = 0;
};

// One pool a thread, so that no lock is needed.
thread_local SparePool spares;

}  // namespace

static_assert(sizeof(Message) >= sizeof(Spare));

Message::Message(std::string type, std::map<std::string, std::string> params)
    : type(std::move(type)), params(std::move(params)) {}

std::string Message::GetParam(std::string key) {
    return params[key];
}

void* Message::operator new(std::size_t size) {
    if (size == sizeof(Message) && !spares.Empty()) return spares.Take();
    return ::operator new(size);
}

void Message::operator delete(void* storage, std::size_t size) noexcept {
    if (!storage) return;
    if (size == sizeof(Message) && spares.Keep(storage)) return;
    ::operator delete(storage);
}
