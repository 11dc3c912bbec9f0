#include "ui/MenuSystem.h"

void MenuSystem::EnsureMenu(const std::string& name) {
    for (const Menu& menu : menus)
        if (menu.name == name) return;
    menus.push_back(Menu{name});
}

void MenuSystem::SetCurrentMenu(const std::string& name) {
    currentMenu = nullptr;
    for (Menu& menu : menus)
        if (menu.name == name) {
            currentMenu = &menu;
            return;
        }
}

std::string MenuSystem::GetCurrentMenuName() const {
    return currentMenu ? currentMenu->name : "NULL";
}

void MenuSystem::HandleMouse(unsigned message, int, int) {
    constexpr unsigned WM_MOUSEMOVE = 0x0200, WM_LBUTTONUP = 0x0202;
    if (message < WM_MOUSEMOVE || message > WM_LBUTTONUP) return;
    if (menus.empty()) return;
    if (!currentMenu) currentMenu = &menus.front();
    // The widgets that receive the pointer arrive with the menu screens.
}

void MenuSystem::Shutdown() {
    currentMenu = nullptr;
    menus.clear();
}
