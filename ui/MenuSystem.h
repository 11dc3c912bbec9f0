#pragma once
// The menu system. So far it only knows which menu is current; the menus, widgets,
// mouse handling and drawing arrive with the menu screens.
#include <list>
#include <string>

class MenuSystem {
public:
    MenuSystem() = default;
    ~MenuSystem() { Shutdown(); }
    MenuSystem(const MenuSystem&) = delete;
    MenuSystem& operator=(const MenuSystem&) = delete;

    void EnsureMenu(const std::string& name);
    void SetCurrentMenu(const std::string& name);
    // The current menu's name, or "NULL" when no menu is current.
    std::string GetCurrentMenuName() const;
    void HandleMouse(unsigned message, int x, int y);
    void Draw() {}
    void Shutdown();

private:
    struct Menu {
        std::string name;
    };
    std::list<Menu> menus;
    Menu* currentMenu = nullptr;
};

extern MenuSystem menuSystem;
