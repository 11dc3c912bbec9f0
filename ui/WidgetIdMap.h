#pragma once
// The ids of one widget that stands on several menus, by menu name, so the game flow can ask
// once whether that widget was the last one released.
#include <map>
#include <string>

class MenuSystem;

class WidgetIdMap {
public:
    WidgetIdMap() = default;
    WidgetIdMap(int id, const std::string& menuName) { ids[menuName] = id; }

    // Every entry of `other` replaces or joins this map's entry for its menu.
    void Merge(const WidgetIdMap& other);
    // The id for that menu, or -1 (no widget has it) when the map holds none; nothing is
    // added by asking.
    int GetId(const std::string& menuName) const;
    // Whether this widget, on that menu, received the last button release (of the one
    // menu system, or of the one given).
    bool WasClicked(const std::string& menuName) const;
    bool WasClicked(const std::string& menuName, const MenuSystem& menus) const;
    bool Empty() const { return ids.empty(); }

private:
    std::map<std::string, int> ids;
};
