#pragma once
// The four fonts the game makes at start-up, by index: all Times New Roman, none italic or
// underlined. A negative height is the character height in pixels, a positive one the cell.
struct GameFont {
    int height;
    bool bold;
};

inline constexpr const char* kGameFontFace = "Times New Roman";
inline constexpr GameFont kGameFonts[] = {
    {-28, true},  // 0: buttons, titles, selector captions
    {20, false},  // 1: statistics, loading captions, dialogue text
    {-22, true},  // 2: popup headings
    {40, true},   // 3: large titles
};
