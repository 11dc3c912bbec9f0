#include "game/Hud.h"

#include <algorithm>
#include <cmath>

#include "game/Application.h"
#include "ui/MenuSystem.h"
#include "world/Vehicle.h"

namespace {

constexpr int kLabelFont = 1;
constexpr int kCounterFont = 2;
constexpr int kGlyphFont = 3;
constexpr float kGlyphStep = 16.0f;
// In full screen the one-player rows sit this much lower.
constexpr float kFullscreenDrop = 25.0f;

const float kWhite[3] = {1, 1, 1};
const float kRed[3] = {1, 0, 0};
const float kYellow[3] = {1, 1, 0};

HudText Label(float x, float y, std::string text, int font = kLabelFont) {
    HudText t;
    t.font = font;
    t.x = x;
    t.y = y;
    t.r = kWhite[0];
    t.g = kWhite[1];
    t.b = kWhite[2];
    t.text = std::move(text);
    return t;
}

// A row of `count` glyphs from x, each `step` pixels after the last (negative: leftwards).
void AddRow(std::vector<HudText>& out, int count, float x, float y, float step, unsigned char glyph,
            const float colour[3]) {
    for (int k = 0; k < count; ++k) {
        HudText t;
        t.font = kGlyphFont;
        t.x = x + step * static_cast<float>(k);
        t.y = y;
        t.r = colour[0];
        t.g = colour[1];
        t.b = colour[2];
        t.text = std::string(1, static_cast<char>(glyph));
        out.push_back(std::move(t));
    }
}

HudText Tag(const Vehicle& vehicle, const char* text, float r, float g, float b) {
    HudText t;
    t.inScene = true;
    t.font = kLabelFont;
    t.x = vehicle.GetMatrixElement(12) + 2.0f;
    t.y = vehicle.GetMatrixElement(13) + 3.0f;
    t.z = vehicle.GetMatrixElement(14) + 2.0f;
    t.r = r;
    t.g = g;
    t.b = b;
    t.text = text;
    return t;
}

void LayOutOnePlayer(const HudState& s, std::vector<HudText>& out) {
    const float ww = static_cast<float>(s.windowWidth);
    const float wh = static_cast<float>(s.windowHeight);
    const float e = s.fullscreen ? kFullscreenDrop : 0.0f;
    const float c1 = ww / 2 - ww / 6;
    const float c2 = ww / 2 + ww / 6;
    const Vehicle& p1 = *s.playerOne;
    out.push_back(Label(c1 - 80, wh - 42 + e, "Armor  :"));
    AddRow(out, GlyphCount(p1.GetHitPoints(), p1.GetMaxHitPoints()), c1 - 5, wh - 40 + e,
           kGlyphStep, kRightGlyph, kRed);
    out.push_back(Label(c2 + 20, wh - 42 + e, ": Energy"));
    AddRow(out, GlyphCount(p1.GetFuel(), p1.GetMaxFuel()), c2 - 15, wh - 40 + e, -kGlyphStep,
           kLeftGlyph, kYellow);
}

// A name keeps the place its length gives it, moved only as far as it must be to lie inside
// its panel, measured with the menus' own font.
float NameInPanel(int x, const std::string& text, float panelLeft, float panelRight) {
    const float width = menuSystem.TextWidth(kLabelFont, text);
    const float first = panelLeft + kHudNameInset;
    const float last = std::max(first, panelRight - kHudNameInset - width);
    return std::clamp(static_cast<float>(x), first, last);
}

void LayOutVersus(const HudState& s, std::vector<HudText>& out) {
    const float ww = static_cast<float>(s.windowWidth);
    const float wh = static_cast<float>(s.windowHeight);
    const Vehicle& p1 = *s.playerOne;
    const std::string name1 = p1.GetName() + " (player 1)";
    constexpr float kHalf = kHudPanelWidth / 2.0f;
    out.push_back(Label(NameInPanel(PlayerOnePanelX(static_cast<int>(p1.GetName().size())), name1,
                                    kLeftHudPanelX - kHalf, kLeftHudPanelX + kHalf),
                        wh - 102, name1));
    out.push_back(Label(8, wh - 72, "Armor  :"));
    AddRow(out, GlyphCount(p1.GetHitPoints(), p1.GetMaxHitPoints()), 79, wh - 70, kGlyphStep,
           kRightGlyph, kRed);
    out.push_back(Label(8, wh - 52, "Energy :"));
    AddRow(out, GlyphCount(p1.GetFuel(), p1.GetMaxFuel()), 79, wh - 50, kGlyphStep, kRightGlyph,
           kYellow);
    // Player two's side and tag only when player two's vehicle exists.
    if (s.playerTwo) {
        const Vehicle& p2 = *s.playerTwo;
        const std::string name2 = p2.GetName() + " (player 2)";
        const float centre = ww - kRightHudPanelFromRight;
        out.push_back(
            Label(NameInPanel(PlayerTwoPanelX(s.windowWidth, static_cast<int>(p2.GetName().size())),
                              name2, centre - kHalf, centre + kHalf),
                  wh - 102, name2));
        out.push_back(Label(ww - 85, wh - 72, ":  Armor"));
        AddRow(out, GlyphCount(p2.GetHitPoints(), p2.GetMaxHitPoints()), ww - 107, wh - 70,
               -kGlyphStep, kLeftGlyph, kRed);
        out.push_back(Label(ww - 85, wh - 52, ": Energy"));
        AddRow(out, GlyphCount(p2.GetFuel(), p2.GetMaxFuel()), ww - 107, wh - 50, -kGlyphStep,
               kLeftGlyph, kYellow);
    }
    out.push_back(Tag(p1, "Player 1", 0.2f, 0.2f, 1.0f));
    if (s.playerTwo) out.push_back(Tag(*s.playerTwo, "Player 2", 1.0f, 0.2f, 0.2f));
}

}  // namespace

int GlyphCount(int value, int maximum) {
    if (maximum <= 0 || value <= 0) return 0;
    return static_cast<int>(std::ceil(static_cast<float>(kGlyphsPerRow) *
                                      static_cast<float>(value) / static_cast<float>(maximum)));
}

int PlayerOnePanelX(int nameLength) {
    return std::max(0, 104 - ((nameLength + 9) / 2) * 8);
}

int PlayerTwoPanelX(int windowWidth, int nameLength) {
    return (windowWidth - 119) - ((nameLength + 11) / 2) * 8;
}

std::vector<HudText> LayOutHud(const HudState& s) {
    std::vector<HudText> out;
    if (!s.playerOne) return out;
    if (s.gameMode == Versus)
        LayOutVersus(s, out);
    else
        LayOutOnePlayer(s, out);
    const float ww = static_cast<float>(s.windowWidth);
    const float wh = static_cast<float>(s.windowHeight);
    if (s.gameMode == Assault)
        out.push_back(
            Label(ww - 192, wh - 75, "Remaining: " + std::to_string(s.enemiesAlive), kCounterFont));
    else if (s.gameMode == Survival)
        out.push_back(Label(ww - 192, wh - 75, "Destroyed: " + std::to_string(s.survivalKills),
                            kCounterFont));
    return out;
}

bool EnemyBarLengths(const Vehicle& vehicle, BarLengths* lengths) {
    if (vehicle.GetMaxHitPoints() <= 0) return false;
    const float health =
        static_cast<float>(vehicle.GetHitPoints()) / static_cast<float>(vehicle.GetMaxHitPoints());
    if (!(health > 0)) return false;
    lengths->health = health;
    lengths->energy = vehicle.GetMaxFuel() > 0 ? static_cast<float>(vehicle.GetFuel()) /
                                                     static_cast<float>(vehicle.GetMaxFuel())
                                               : 0.0f;
    return true;
}
