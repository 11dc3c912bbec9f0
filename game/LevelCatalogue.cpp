#include "game/LevelCatalogue.h"

#include <iterator>

#include "game/Application.h"

namespace {

// Battle is listed third, yet its list is the one the cursors stand on after start-up, since
// the game mode is still Battle then. Trailing blanks in the labels are part of the names.
constexpr LevelEntry kLevels[] = {
    {"Bathroom1.txt", Versus, "Big Bathroom"},
    {"Bathroom2.txt", Versus, "Small Bathroom"},
    {"Bedroom1.txt", Versus, "Big Bedroom"},
    {"Bedroom2.txt", Versus, "Small Bedroom"},
    {"Multi1.txt", Versus, "Hidden Smile"},
    {"Multi_Bedroom.txt", Versus, "The Fort"},
    {"Multi3.txt", Versus, "Four Corners"},
    {"Story1.txt", Story, ""},
    {"Story2.txt", Story, ""},
    {"Story3.txt", Story, ""},
    {"Story4.txt", Story, ""},
    {"Story5.txt", Story, ""},
    {"Story6.txt", Story, ""},
    {"Bathroom1.txt", Battle, "Big Bathroom"},
    {"Bathroom2.txt", Battle, "Small Bathroom"},
    {"Bedroom1.txt", Battle, "Big Bedroom"},
    {"Bedroom2.txt", Battle, "Small Bedroom"},
    {"BreakfastNook.txt", Battle, "Breakfast Nook"},
    {"DiningRoom.txt", Battle, "Dining Room"},
    {"Multi_Bedroom.txt", Battle, "The Fort"},
    {"Assault1.txt", Assault, "Buggy Duo   "},
    {"Assault2.txt", Assault, "Tank Trio "},
    {"Assault3.txt", Assault, "One-of-a-kind "},
    {"Assault4.txt", Assault, "Bathroom Dash  "},
    {"DiningRoom.txt", Survival, ""},
};

}  // namespace

std::span<const LevelEntry> LevelCatalogue() {
    return kLevels;
}

std::vector<const char*> LevelLabels(int mode) {
    std::vector<const char*> labels;
    for (const LevelEntry& level : kLevels)
        if (level.mode == mode) labels.push_back(level.label);
    return labels;
}
