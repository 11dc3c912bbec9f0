#pragma once
// What an entity's update or a collision test reports: a type and named text parameters.
// The sender makes it and the receiver drops it in the same frame; it is never stored.
#include <map>
#include <string>

class Message {
public:
    // The empty type: nothing to do.
    Message() = default;
    Message(std::string type, std::map<std::string, std::string> params);

    std::string GetType() const { return type; }
    // The value under `key`. A key the message lacks is added with the empty value, and ""
    // is returned.
    std::string GetParam(std::string key);

private:
    std::string type;
    std::map<std::string, std::string> params;
};
