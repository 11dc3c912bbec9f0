#pragma once
// The level screen's texts: the rows of armour and energy glyphs, the two-player name panels
// and tags, and the Assault and Survival counters, laid out as a list of prints so that the
// layout is known before anything is drawn.
#include <string>
#include <vector>

class Vehicle;

// Glyphs of a full row; a row shows ceil(10 x value / maximum) of them.
constexpr int kGlyphsPerRow = 10;
// The row glyphs of font 3, as unsigned character codes.
constexpr unsigned char kRightGlyph = 187;  // >>
constexpr unsigned char kLeftGlyph = 171;   // <<

// Glyphs in a row for value of maximum: none for a value of 0 or less, and none when the
// maximum is 0 or less (such a vehicle has nothing to show).
int GlyphCount(int value, int maximum);

// The left edge of the two-player name panels, by the length of the name.
int PlayerOnePanelX(int nameLength);
int PlayerTwoPanelX(int windowWidth, int nameLength);

// The two panels under the Versus texts: centres (the right one from the window's right
// edge), one size, wide enough for the longest vehicle name with its "(player 2)".
constexpr int kHudPanelWidth = 276;
constexpr int kHudPanelHeight = 76;
constexpr int kLeftHudPanelX = 3 + kHudPanelWidth / 2;
constexpr int kRightHudPanelFromRight = 16 + kHudPanelWidth / 2;
constexpr int kHudPanelFromBottom = 82;
// The names keep this far inside the panels' edges, clear of their bevel.
constexpr float kHudNameInset = 8.0f;

// One print of the HUD: in window pixels (Print2D), or over a vehicle in the scene (Print3D,
// at x, y, z).
struct HudText {
    bool inScene = false;
    int font = 1;
    float x = 0, y = 0, z = 0;
    float r = 1, g = 1, b = 1;
    std::string text;
    bool operator==(const HudText&) const = default;
};

struct HudState {
    int gameMode = 0;
    int windowWidth = 1024;
    int windowHeight = 768;
    bool fullscreen = true;
    const Vehicle* playerOne = nullptr;
    const Vehicle* playerTwo = nullptr;
    int enemiesAlive = 0;   // Assault's counter
    int survivalKills = 0;  // Survival's counter
};

// Everything the HUD prints this frame, in drawing order.
std::vector<HudText> LayOutHud(const HudState& state);

// The lengths of the two bars over a computer vehicle, as parts of the full bar. False when
// the vehicle shows no bars: destroyed, or without a maximum of hit points. A vehicle
// without a maximum of fuel shows an empty energy bar.
struct BarLengths {
    float health = 0;
    float energy = 0;
};
bool EnemyBarLengths(const Vehicle& vehicle, BarLengths* lengths);
