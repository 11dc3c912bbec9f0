// The front end: the scrolling stars, the main menu, the two mode menus, the options, the
// credits and the five story pages.
#include <string>

#include "game/MenuCatalogue.h"
#include "game/MenuNames.h"
#include "game/MenuStyle.h"
#include "game/WidgetIds.h"
#include "ui/MenuSystem.h"

namespace {

using namespace menus;

constexpr const char* kStars = "./RESOURCES/Art/Textures/UI/Backgrounds/Stars.jpg";
constexpr const char* kGameLogo = "./RESOURCES/Art/Textures/UI/Backgrounds/brask_logo.jpg";
constexpr const char* kTeamLogo = "./RESOURCES/Art/Textures/UI/Backgrounds/dovk-logo2.jpg";
constexpr const char* kControls = "./RESOURCES/Art/Textures/Story/controls.jpg";

// The logo over the column of buttons that the main menu and both mode menus share.
void GameLogo(const char* menu, int w) {
    Picture(menu, kGameLogo, w / 2, 80, 550, 125, true);
}

void MainMenu(int w, int h) {
    const char* menu = menunames::kMainMenu;
    GameLogo(menu, w);
    MenuButton(menu, "Single-Player", w / 2, h / 2 - 120, menunames::kSinglePlayerOptions);
    MenuButton(menu, "Multi-Player", w / 2, h / 2 - 65, menunames::kMultiPlayerOptions);
    MenuButton(menu, "Options ", w / 2, h / 2 - 10, menunames::kOptions);
    MenuButton(menu, "Credits", w / 2, h / 2 + 45, menunames::kCredits);
    MenuButton(menu, "Exit", w / 2, h / 2 + 120, menunames::kExit);
}

void SinglePlayerOptions(int w, int h) {
    const char* menu = menunames::kSinglePlayerOptions;
    GameLogo(menu, w);
    MenuButton(menu, "Story Mode ", w / 2, h / 2 - 120, menunames::kSelectionStory);
    MenuButton(menu, "Battle Mode ", w / 2, h / 2 - 65, menunames::kSelectionBattle);
    MenuButton(menu, "Assault Mode ", w / 2, h / 2 - 10, menunames::kSelectionAssault);
    MenuButton(menu, "Survival", w / 2, h / 2 + 45, menunames::kSelectionSurvival);
    MenuButton(menu, "Back ", w / 2, h / 2 + 120, menunames::kMainMenu);
}

void MultiPlayerOptions(int w, int h) {
    const char* menu = menunames::kMultiPlayerOptions;
    GameLogo(menu, w);
    MenuButton(menu, "2-Player Vs.", w / 2, h / 2 - 120, menunames::kSelectionVersus);
    MenuButton(menu, "Back ", w / 2, h / 2 + 120, menunames::kMainMenu);
}

void Options(int w, int h) {
    const char* menu = menunames::kOptions;
    Title(menu, "OPTIONS   ", w / 2, 40);
    MenuButton(menu, "Return ", w / 2, h / 3 + 410, menunames::kMainMenu);
    // The index is the computer difficulty: 0 Medium, 1 Hard, 2 the hardest, 3 Easy.
    AIDifficultyIds.Merge(menuSystem.CreateSelector(
        kOptionSelectorWidget, "AI Difficulty", "", kLeftArrow, kRightArrow, menu, w / 2,
        h / 2 - 200, 300, 50, kBlackTransparent, kGray, kLightGray, kWhite, true, 4, "Medium ",
        "Hard ", "OMG HAX!!    ", "Easy  "));
    Picture(menu, kControls, w / 2, h / 2 + 50, 400, 400, true);
}

// A team line: the name, the role and the areas in one column of 79 characters, the areas
// starting at the same place on every line.
std::string TeamLine(const std::string& name, const std::string& role, const std::string& areas) {
    constexpr std::size_t kLineLength = 79;
    constexpr std::size_t kAreasColumn = 40;
    std::string line = name + " " + role;
    line += std::string(kAreasColumn - 1 - line.size(), '.') + " " + areas;
    return line + std::string(kLineLength - line.size(), ' ');
}

void Credits(int w, int h) {
    const char* menu = menunames::kCredits;
    static const std::string kTeam[] = {
        TeamLine("Dana Okafor", "(Producer)", "AI / Website"),
        TeamLine("Oren Vale", "(Technical Director)", "Architecture / Collision / Gameplay"),
        TeamLine("Victor Lind", "(Product Manager)", "Graphics / UI / Art & Models"),
        TeamLine("Kira Moss", "(Designer)", "Physics / Gameplay / Sound / Input"),
    };
    // The logo fills the gap between the title and the team, its black square clear of both.
    Picture(menu, kTeamLogo, w / 2, h / 3 - 20, 340, 340, false);
    TextLabel(menu, "Development Team:    ", w / 2, 40, 300, 50, kWhite, kWhite, 0);
    for (int i = 0; i < 4; ++i)
        TextLabel(menu, kTeam[i].c_str(), w / 2 + 50, h / 3 + 175 + 30 * i, 300, 50, kLightGray,
                  kWhite, 2);
    TextLabel(menu, "Additional Thanks:", w / 2, h / 3 + 320, 300, 50, kWhite, kWhite, 2);
    TextLabel(menu, "Prof. Ilse Marrow, Tomas Reyes, Ada Quist", w / 2, h / 3 + 350, 300, 50,
              kLightGray, kWhite, 2);
    TextLabel(menu, "Nell Parris, Jon Ekberg and the VIT Game Lab", w / 2, h / 3 + 380, 300, 50,
              kLightGray, kWhite, 2);
    MenuButton(menu, "Return ", w / 2, h / 3 + 450, menunames::kMainMenu);
}

void StoryPages(int w, int h) {
    struct Page {
        const char* menu;
        const char* picture;
        const char* previous;
        const char* next;
    };
    static constexpr Page kPages[] = {
        {menunames::kBackstory1, "./RESOURCES/Art/Textures/Story/MainStory.jpg",
         menunames::kBackstory5, menunames::kBackstory2},
        {menunames::kBackstory2, "./RESOURCES/Art/Textures/Story/Terran.jpg",
         menunames::kBackstory1, menunames::kBackstory3},
        {menunames::kBackstory3, "./RESOURCES/Art/Textures/Story/Dovevevuzu.jpg",
         menunames::kBackstory2, menunames::kBackstory4},
        {menunames::kBackstory4, "./RESOURCES/Art/Textures/Story/Vavedodev.jpg",
         menunames::kBackstory3, menunames::kBackstory5},
        {menunames::kBackstory5, "./RESOURCES/Art/Textures/Story/Diveroruz.jpg",
         menunames::kBackstory4, menunames::kBackstory1},
    };
    for (const Page& page : kPages) {
        Picture(page.menu, page.picture, w / 2, h / 3 + 50, 550, 550, false);
        MenuButton(page.menu, "Return", w / 2 + 200, h / 2 + 250, menunames::kSelectionStory);
        MenuButton(page.menu, "Previous ", w / 2 - 200, h / 2 + 250, page.previous);
        MenuButton(page.menu, "Next ", w / 2, h / 2 + 250, page.next);
    }
}

}  // namespace

void BuildFrontEndMenus(int w, int h) {
    Picture(menunames::kStarsBackground, kStars, w / 2, h / 2, w, h, false);
    MainMenu(w, h);
    SinglePlayerOptions(w, h);
    MultiPlayerOptions(w, h);
    Options(w, h);
    Credits(w, h);
    StoryPages(w, h);
}
