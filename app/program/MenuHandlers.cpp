#include "app/program/MenuHandlers.h"

#include <map>

namespace {
std::map<std::string, MenuHandler>& Handlers() {
    static std::map<std::string, MenuHandler> handlers;
    return handlers;
}
} // namespace

void SetMenuHandler(const std::string& item, MenuHandler handler) {
    Handlers()[item] = std::move(handler);
}

const MenuHandler* FindMenuHandler(const std::string& item) {
    auto it = Handlers().find(item);
    return it == Handlers().end() || !it->second ? nullptr : &it->second;
}
