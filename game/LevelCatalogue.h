#pragma once
// Every level of the five modes in play order, with the name its mode's level selector shows.
// The level lists and the selectors' options both come from this one table, so option i of a
// selector always starts level i of its mode.
#include <span>
#include <string>
#include <vector>

struct LevelEntry {
    const char* file;   // under RESOURCES/Files
    int mode;           // a GameMode
    const char* label;  // the selector's option ("" in the modes without a selector)
};

// In the order in which the lists are filled at start-up.
std::span<const LevelEntry> LevelCatalogue();
// The selector options of a mode, in its list's order.
std::vector<const char*> LevelLabels(int mode);
