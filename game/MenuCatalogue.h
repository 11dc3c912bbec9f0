#pragma once
// The menus of the game, made as calls on the one menu system. The intro screens are built
// at start-up; every other menu is built once, behind "MENU_LOADING".
#include "game/MenuNames.h"

void BuildIntroScreens();
void BuildMenus();

// The parts of BuildMenus, in its order; each expects the window's size.
void BuildFrontEndMenus(int w, int h);
void BuildSelectionMenus(int w, int h);
void BuildLevelScreen(int w, int h, bool fullscreen);
void BuildInformationMenus(int w, int h);
void AddMenuFades();
void ShareStarBackground();
void AddChildMenus();

// The eight popups of the level screen, in the order they become its children.
inline constexpr const char* kLevelScreenPopups[] = {
    menunames::kWinDisplay,  menunames::kBattleWinDisplay, menunames::kLoseDisplay,
    menunames::kDrawDisplay, menunames::kCongratsDisplay,  menunames::kP1Win,
    menunames::kP2Win,       menunames::kInGameMenu};
