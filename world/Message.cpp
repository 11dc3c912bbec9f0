#include "world/Message.h"

#include <utility>

Message::Message(std::string type, std::map<std::string, std::string> params)
    : type(std::move(type)), params(std::move(params)) {}

std::string Message::GetParam(std::string key) {
    return params[key];
}
