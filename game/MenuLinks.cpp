// The requests that the game flow makes of the menus.
#include "app/Window.h"
#include "game/Application.h"
#include "ui/MenuSystem.h"

bool Application::StartDialogueIfPresent(const std::string&, int) {
    return false;
}

void Application::ShowCrosshair(bool visible) {
    crosshairShown = visible;
}

std::string Application::PopupMenuName() const {
    return std::string();
}

std::string Application::CurrentMenuName() const {
    return menuSystem.GetCurrentMenuName();
}

bool Application::IsDialogueActive() const {
    return false;
}

void Application::TogglePopup(const std::string&) {}
