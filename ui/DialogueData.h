#pragma once
// A dialogue as the menus keep it: where it shows and its pages, by textbox number.
#include <map>
#include <string>

struct DialogueData {
    std::string menuLocation;
    int textboxCount = 0;
    // Pages by textbox number (the event); pages of one number keep their file order.
    std::multimap<int, std::string> textboxes;
};
