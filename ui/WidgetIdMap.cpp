#include "ui/WidgetIdMap.h"

#include "ui/MenuSystem.h"

void WidgetIdMap::Merge(const WidgetIdMap& other) {
    for (const auto& [menu, id] : other.ids) ids[menu] = id;
}

int WidgetIdMap::GetId(const std::string& menuName) const {
    const auto found = ids.find(menuName);
    return found == ids.end() ? -1 : found->second;
}

bool WidgetIdMap::WasClicked(const std::string& menuName) const {
    return WasClicked(menuName, menuSystem);
}

bool WidgetIdMap::WasClicked(const std::string& menuName, const MenuSystem& menus) const {
    const auto found = ids.find(menuName);
    return found != ids.end() && menus.IsLastReleased(found->second);
}
