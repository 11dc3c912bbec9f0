#pragma once
// The names of the game's menus: the catalogue builds them, the screen flow moves between
// them and the tests reach them, all by these constants. The menu system itself knows
// menus only by name, so a misspelt name would be a menu that silently never shows.
namespace menunames {

// The intro and the menu-loading screen, in the order they show.
inline constexpr const char* kIntro = "INTRO";
inline constexpr const char* kTeamIntro = "TEAM_INTRO";
inline constexpr const char* kMenuLoading = "MENU_LOADING";

// The front end.
inline constexpr const char* kMainMenu = "MAIN_MENU";
inline constexpr const char* kSinglePlayerOptions = "SINGLE_PLAYER_OPTIONS";
inline constexpr const char* kMultiPlayerOptions = "MULTI_PLAYER_OPTIONS";
inline constexpr const char* kOptions = "OPTIONS";
inline constexpr const char* kCredits = "CREDITS";
inline constexpr const char* kBackstory1 = "BACKSTORY1";
inline constexpr const char* kBackstory2 = "BACKSTORY2";
inline constexpr const char* kBackstory3 = "BACKSTORY3";
inline constexpr const char* kBackstory4 = "BACKSTORY4";
inline constexpr const char* kBackstory5 = "BACKSTORY5";

// The vehicle selection menus, one a mode.
inline constexpr const char* kSelectionStory = "VEHICLE_SELECTION_STORY";
inline constexpr const char* kSelectionBattle = "VEHICLE_SELECTION_BATTLE_1P";
inline constexpr const char* kSelectionVersus = "VEHICLE_SELECTION_BATTLE_2P";
inline constexpr const char* kSelectionAssault = "VEHICLE_SELECTION_ASSAULT_1P";
inline constexpr const char* kSelectionSurvival = "VEHICLE_SELECTION_SURVIVAL_1P";

// The vehicle sheets that pop up over the one-player selection menus.
inline constexpr const char* kTankInfo = "TANK_INFO";
inline constexpr const char* kBuggyInfo = "BUGGY_INFO";
inline constexpr const char* kUfoInfo = "UFO_INFO";
inline constexpr const char* kLancerInfo = "LANCER_INFO";

// Level start, the level and level leave.
inline constexpr const char* kLoadingScreen = "LOADING_SCREEN";
inline constexpr const char* kLevelScreen = "LEVEL_SCREEN";
inline constexpr const char* kUnloadingScreen = "UNLOADING_SCREEN";

// The popups of the level screen.
inline constexpr const char* kWinDisplay = "WIN_DISPLAY";
inline constexpr const char* kBattleWinDisplay = "BATTLE_WIN_DISPLAY";
inline constexpr const char* kLoseDisplay = "LOSE_DISPLAY";
inline constexpr const char* kDrawDisplay = "DRAW_DISPLAY";
inline constexpr const char* kCongratsDisplay = "CONGRATS_DISPLAY";
inline constexpr const char* kP1Win = "P1_WIN";
inline constexpr const char* kP2Win = "P2_WIN";
inline constexpr const char* kInGameMenu = "IN_GAME_MENU";

// Not menus a player sees: the holders of widgets shared by several menus, and the
// target of the buttons that end the game.
inline constexpr const char* kStarsBackground = "STARS_BACKGROUND";
inline constexpr const char* kBlackBackground = "BLACK_BACKGROUND";
inline constexpr const char* kExit = "EXIT";

}  // namespace menunames
