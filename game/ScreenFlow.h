#pragma once
// The screen state machine's rules that stand apart from the menus: which selection menu
// sets which game mode, and when an intro screen moves on.
#include <string>

// The game mode that a vehicle-selection menu sets, or -1 for any other menu.
int ModeOfSelectionMenu(const std::string& menuName);

// An intro screen moves on at the first key press or click after its fade, or after
// `seconds` of frames without input. Presses made during the fade are dropped.
bool IntroMovesOn(bool transitioning, int alarmSlot, float seconds);
