#pragma once
// What an entity's update or a collision test reports: a type and named text parameters.
// The sender makes it and the receiver drops it in the same frame; it is never stored.
#include <cstddef>
#include <map>
#include <string>

class Message {
public:
    // The empty type: nothing to do.
    Message() = default;
    Message(std::string type, std::map<std::string, std::string> params);

    const std::string& GetType() const { return type; }
    // The value under `key`. A key the message lacks is added with the empty value, and ""
    // is returned.
    std::string GetParam(std::string key);

    // Every update and every collision test makes one, so a frame would otherwise allocate
    // a message per entity: a dropped message's storage is kept for the next one.
    static void* operator new(std::size_t size);
    static void operator delete(void* storage, std::size_t size) noexcept;

private:
    std::string type;
    std::map<std::string, std::string> params;
};
