#pragma once
// The few menus that the game-flow tests walk, built the way the menu catalogue builds the
// game's own: the intro screens, a main menu, the Battle, Versus, Survival and Story selection
// menus,
// the options, the two loading screens and the level screen with its popups. Buttons stand
// at the places below so that a test can click them.
namespace flowmenus {

struct Place {
    int x, y;
};
// Main menu: the way to each selection menu.
constexpr Place kBattleButton = {200, 100};
constexpr Place kVersusButton = {200, 200};
constexpr Place kSurvivalButton = {200, 300};
constexpr Place kStoryButton = {200, 400};
// On every selection menu: start.
constexpr Place kStartButton = {800, 700};
// On every result popup and the in-game menu: replay (or restart) and return.
constexpr Place kReplayButton = {400, 400};
constexpr Place kReturnButton = {600, 400};

// The intro screens (the start-up part) and the rest (the menu-loading part).
void BuildIntroScreens();
void BuildMenus();

}  // namespace flowmenus
