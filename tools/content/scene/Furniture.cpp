// The furniture of the house at the scale of the room grid: walls are 55 units high, so one
// unit is about 4.5 cm and a cell (4 units) about 18 cm; the vehicles are toys racing
// between the furniture. Each piece fits inside its footprint of whole cells, with a small
// margin, and stands with its back toward -z. Tables, beds, desks and the fort stand on
// legs (their bounding-box files list only the legs) so that vehicles drive under them;
// wardrobes, the shower, the fridge and the cabinets are taller than 10 units, so the game
// counts them as tall shadow casters.
#include <array>
#include <cmath>
#include <numbers>

#include "tools/content/scene/SceneModels.h"

namespace content::scene {
namespace {

const Paint kWoodLight{0.96f, 0.84f, 0.64f, 1.0f, 0.15f, "Environment/Wood_Floor.jpg"};
const Paint kWoodDark{0.92f, 0.78f, 0.62f, 1.0f, 0.15f, "Environment/Wood_Dark.jpg"};
const Paint kEnamel{0.95f, 0.95f, 0.97f, 1.0f, 0.7f};
const Paint kChrome{0.8f, 0.82f, 0.86f, 1.0f, 1.0f};
const Paint kBrass{0.86f, 0.68f, 0.3f, 1.0f, 0.9f};
const Paint kTiles{0.82f, 0.93f, 0.96f, 1.0f, 0.4f, "Environment/Tiles_Wall.jpg"};

// A lamp shade: a truncated cone, wide end down.
void Shade(Shapes& s, int group, float low, float high, float height, const Place& place) {
    s.Lathe(group, {{low, 0.0f}, {high, height}}, 20, place);
}

}  // namespace

// ---------------------------------------------------------------- bathroom

Shapes BathroomShower() {
    Shapes s;
    const int tray = s.Group("tray", kEnamel);
    const int tiles = s.Group("tiles", kTiles);
    const int chrome = s.Group("chrome", kChrome);
    const int curtain = s.Group("curtain", {0.35f, 0.6f, 0.86f});
    const int dark = s.Group("dark", {0.25f, 0.27f, 0.3f});

    // A walk-in niche, open toward +z: tray, tiled back and side walls 3 units thick.
    s.Box(tray, {19.6f, 0.5f, 19.6f}, At(0.0f, 0.0f, 0.0f));
    s.Box(tiles, {19.6f, 44.0f, 3.0f}, At(0.0f, 0.0f, -8.3f));
    for (float x : {-8.3f, 8.3f}) s.Box(tiles, {3.0f, 44.0f, 16.6f}, At(x, 0.0f, 1.5f));
    s.Cylinder(chrome, 0.9f, 0.3f, 16, At(0.0f, 0.3f, 0.0f));
    // The curtain hangs pulled aside from its rail, clear of the floor.
    s.Box(chrome, {13.6f, 0.6f, 0.6f}, At(0.0f, 41.0f, 9.0f));
    s.Box(curtain, {2.2f, 30.0f, 1.2f}, At(-5.5f, 11.0f, 9.0f));
    // Riser, arm and head of the shower; two taps.
    s.Cylinder(chrome, 0.4f, 34.0f, 10, At(0.0f, 4.0f, -6.4f));
    s.Cylinder(chrome, 0.35f, 4.0f, 10, AlongZ(0.0f, 37.6f, -6.4f));
    s.Cylinder(chrome, 2.2f, 0.7f, 20, At(0.0f, 36.9f, -2.4f));
    s.Cylinder(dark, 1.7f, 0.5f, 20, At(0.0f, 36.6f, -2.4f));
    for (float x : {-2.5f, 2.5f}) s.Cylinder(chrome, 0.7f, 1.0f, 12, AlongZ(x, 20.0f, -6.8f));
    return s;
}

Shapes Bathtub() {
    Shapes s;
    const int shell = s.Group("shell", kEnamel);
    const int water = s.Group("water", {0.55f, 0.82f, 0.96f, 1.0f, 0.8f});
    const int foam = s.Group("foam", {1.0f, 1.0f, 1.0f});
    const int chrome = s.Group("chrome", kChrome);

    s.Box(shell, {39.6f, 11.0f, 19.6f}, At(0.0f, 0.0f, 0.0f));
    for (float z : {-8.9f, 8.9f}) s.Box(shell, {39.6f, 1.4f, 1.8f}, At(0.0f, 11.0f, z));
    for (float x : {-18.9f, 18.9f}) s.Box(shell, {1.8f, 1.4f, 16.0f}, At(x, 11.0f, 0.0f));
    s.Box(water, {36.0f, 0.3f, 16.0f}, At(0.0f, 11.0f, 0.0f));
    // Bubble bath.
    const std::array<std::array<float, 4>, 7> bubbles = {{{-10.0f, 2.0f, 1.6f, 0.0f},
                                                          {-7.0f, -3.0f, 1.3f, 0.0f},
                                                          {-13.0f, -4.5f, 1.1f, 0.0f},
                                                          {-4.0f, 4.0f, 1.0f, 0.0f},
                                                          {5.0f, 3.5f, 1.5f, 0.0f},
                                                          {8.5f, -2.5f, 1.2f, 0.0f},
                                                          {12.0f, 4.5f, 0.9f, 0.0f}}};
    for (const auto& b : bubbles) s.Sphere(foam, b[2], 12, At(b[0], 11.3f, b[1]));
    // Tap and spout on the back rim.
    s.Cylinder(chrome, 0.5f, 3.2f, 10, At(15.0f, 12.4f, -8.9f));
    s.Cylinder(chrome, 0.4f, 3.0f, 10, AlongZ(15.0f, 15.0f, -8.9f));
    for (float x : {13.0f, 17.0f}) s.Sphere(chrome, 0.6f, 10, At(x, 13.4f, -8.9f));
    return s;
}

Shapes Toilet() {
    Shapes s;
    const int porcelain = s.Group("porcelain", kEnamel);
    const int seat = s.Group("seat", {0.84f, 0.92f, 0.98f, 1.0f, 0.5f});
    const int chrome = s.Group("chrome", kChrome);

    s.Lathe(porcelain, {{2.6f, 0.0f}, {2.4f, 3.0f}, {3.0f, 5.5f}, {4.4f, 7.6f}, {4.6f, 8.4f}}, 24,
            Stretched(0.0f, 0.0f, 1.5f, 1.0f, 1.0f, 1.3f));
    s.Box(porcelain, {5.0f, 8.4f, 3.0f}, At(0.0f, 0.0f, -4.8f));
    s.Box(porcelain, {11.0f, 10.5f, 4.4f}, At(0.0f, 8.4f, -5.4f));
    s.Box(porcelain, {11.6f, 1.0f, 4.8f}, At(0.0f, 18.9f, -5.4f));
    s.Cylinder(seat, 4.8f, 0.7f, 24, Stretched(0.0f, 8.4f, 1.6f, 1.0f, 1.0f, 1.25f));
    s.Cylinder(seat, 4.6f, 0.5f, 24, Stretched(0.0f, 9.1f, 1.6f, 1.0f, 1.0f, 1.22f));
    s.Cylinder(chrome, 0.7f, 0.3f, 12, At(0.0f, 19.9f, -5.4f));
    return s;
}

Shapes BathroomSink() {
    Shapes s;
    const int cabinet = s.Group("cabinet", {0.93f, 0.92f, 0.88f, 1.0f, 0.3f});
    const int doors = s.Group("doors", {0.8f, 0.87f, 0.95f, 1.0f, 0.3f});
    const int marble = s.Group("marble", {0.86f, 0.86f, 0.9f, 1.0f, 0.6f});
    const int basin = s.Group("basin", kEnamel);
    const int water = s.Group("water", {0.6f, 0.78f, 0.9f, 1.0f, 0.8f});
    const int chrome = s.Group("chrome", kChrome);
    const int mirror = s.Group("mirror", {0.72f, 0.86f, 0.96f, 1.0f, 1.0f});
    const int cup = s.Group("cup", {0.2f, 0.7f, 0.7f});

    // Vanity cabinet with two doors, a marble top and the basin set into it.
    s.Box(cabinet, {15.6f, 16.0f, 10.8f}, At(0.0f, 1.0f, -0.4f));
    s.Box(chrome, {15.0f, 1.0f, 10.2f}, At(0.0f, 0.0f, -0.4f));
    for (float x : {-3.8f, 3.8f}) {
        s.Box(doors, {7.3f, 13.0f, 0.3f}, At(x, 2.2f, 5.1f));
        s.Box(chrome, {0.4f, 3.0f, 0.4f}, At(x > 0 ? 0.9f : -0.9f, 8.0f, 5.4f));
    }
    s.Box(marble, {15.6f, 1.2f, 11.6f}, At(0.0f, 17.0f, 0.0f));
    s.Cylinder(basin, 4.2f, 0.8f, 24, At(0.0f, 18.2f, 0.8f));
    s.Cylinder(water, 3.4f, 0.3f, 24, At(0.0f, 18.75f, 0.8f));
    s.Cylinder(chrome, 0.45f, 3.0f, 10, At(0.0f, 18.2f, -3.8f));
    s.Cylinder(chrome, 0.35f, 2.4f, 10, AlongZ(0.0f, 20.8f, -3.8f));
    // The mirror on the wall above it, and a tooth mug.
    s.Box(cabinet, {13.0f, 15.0f, 0.5f}, At(0.0f, 23.0f, -5.55f));
    s.Box(mirror, {11.6f, 13.6f, 0.3f}, At(0.0f, 23.7f, -5.2f));
    s.Cylinder(cup, 0.8f, 2.0f, 12, At(5.5f, 18.2f, -3.5f));
    s.Box(basin, {0.3f, 2.4f, 0.3f}, At(5.3f, 19.4f, -3.5f));
    return s;
}

Shapes BathroomCabinet() {
    Shapes s;
    const int body = s.Group("body", {0.93f, 0.93f, 0.9f, 1.0f, 0.3f});
    const int doors = s.Group("doors", {0.78f, 0.86f, 0.95f, 1.0f, 0.3f});
    const int chrome = s.Group("chrome", kChrome);

    s.Box(body, {11.6f, 38.0f, 10.8f}, At(0.0f, 0.0f, -0.4f));
    s.Box(body, {11.6f, 1.4f, 11.6f}, At(0.0f, 38.0f, 0.0f));
    for (float x : {-2.85f, 2.85f}) {
        for (float y : {1.5f, 19.5f}) {
            s.Box(doors, {5.4f, 17.0f, 0.3f}, At(x, y, 5.1f));
            s.Sphere(chrome, 0.4f, 8, At(x > 0 ? 0.8f : -0.8f, y + 8.5f, 5.55f));
        }
    }
    // Folded towels on top.
    s.Box(s.Group("towel_pink", {0.95f, 0.6f, 0.7f}), {9.0f, 1.6f, 8.0f}, At(0.0f, 39.4f, 0.0f));
    s.Box(s.Group("towel_teal", {0.3f, 0.75f, 0.75f}), {8.6f, 1.6f, 7.6f}, At(0.3f, 41.0f, 0.2f));
    s.Box(s.Group("towel_white", {0.97f, 0.97f, 0.95f}), {8.2f, 1.6f, 7.2f},
          At(-0.2f, 42.6f, 0.0f));
    return s;
}

Shapes LaundryBasket() {
    Shapes s;
    const int wicker = s.Group("wicker", {0.86f, 0.72f, 0.46f});
    const int pink = s.Group("pink", {0.95f, 0.55f, 0.65f});
    const int blue = s.Group("blue", {0.55f, 0.72f, 0.95f});
    s.Lathe(wicker, {{4.2f, 0.0f}, {4.4f, 0.4f}, {5.0f, 11.0f}, {5.2f, 11.6f}}, 20,
            At(0.0f, 0.0f, 0.0f));
    for (float y : {3.5f, 7.0f})
        s.Lathe(wicker, {{4.75f, 0.0f}, {4.85f, 0.8f}}, 20, At(0.0f, y, 0.0f));
    s.Sphere(pink, 3.0f, 14, Stretched(0.5f, 11.6f, 0.4f, 1.0f, 0.5f, 1.0f));
    s.Sphere(blue, 2.4f, 14, Stretched(-1.8f, 11.8f, -1.0f, 1.0f, 0.55f, 1.2f));
    s.Cylinder(pink, 0.6f, 4.0f, 8, At(4.7f, 8.0f, 0.0f));
    return s;
}

// ---------------------------------------------------------------- bedroom

Shapes Bed() {
    Shapes s;
    const int frame = s.Group("frame", kWoodLight);
    const int headboard = s.Group("headboard", kWoodDark);
    const int sheet = s.Group("sheet", {0.96f, 0.96f, 0.93f});
    const int duvet = s.Group("duvet", {0.3f, 0.42f, 0.78f});
    const int pillow = s.Group("pillow", {0.98f, 0.94f, 0.84f});

    // The frame stands on legs 4.6 high: room underneath for a vehicle.
    s.Box(frame, {43.6f, 3.6f, 33.8f}, At(0.0f, 4.6f, 0.9f));
    for (float x : {-20.6f, 20.6f}) s.Box(headboard, {2.0f, 4.6f, 2.0f}, At(x, 0.0f, 16.6f));
    s.Box(headboard, {43.6f, 22.0f, 1.8f}, At(0.0f, 0.0f, -16.9f));
    s.Box(headboard, {43.6f, 1.4f, 1.8f}, At(0.0f, 22.0f, -16.9f));
    s.Box(sheet, {42.4f, 4.0f, 32.6f}, At(0.0f, 8.2f, 1.0f));
    s.Box(duvet, {43.2f, 5.6f, 22.4f}, At(0.0f, 7.4f, 6.5f));
    s.Box(sheet, {43.2f, 1.2f, 3.0f}, At(0.0f, 12.6f, -5.2f));
    for (float x : {-10.0f, 10.0f})
        s.Sphere(pillow, 1.0f, 16, Stretched(x, 13.6f, -11.5f, 8.5f, 1.7f, 3.8f));
    return s;
}

Shapes SingleBed() {
    Shapes s;
    const int frame = s.Group("frame", kWoodLight);
    const int sheet = s.Group("sheet", {0.96f, 0.96f, 0.93f});
    const int duvet = s.Group("duvet", {0.3f, 0.65f, 0.4f});
    const int stars = s.Group("stars", {1.0f, 0.86f, 0.2f});
    const int pillow = s.Group("pillow", {0.98f, 0.94f, 0.84f});

    s.Box(frame, {19.6f, 3.4f, 41.8f}, At(0.0f, 4.2f, 0.9f));
    for (float x : {-8.6f, 8.6f}) s.Box(frame, {2.0f, 4.2f, 2.0f}, At(x, 0.0f, 20.6f));
    s.Box(frame, {19.6f, 18.0f, 1.8f}, At(0.0f, 0.0f, -20.9f));
    s.Box(frame, {19.6f, 6.5f, 1.4f}, At(0.0f, 4.2f, 21.1f));
    s.Box(sheet, {18.6f, 3.6f, 40.0f}, At(0.0f, 7.6f, 0.9f));
    s.Box(duvet, {19.2f, 5.2f, 28.0f}, At(0.0f, 6.8f, 6.6f));
    const std::array<std::array<float, 2>, 5> spots = {
        {{-5.0f, 0.0f}, {4.0f, 4.0f}, {-2.0f, 10.0f}, {5.0f, 14.0f}, {-5.0f, 17.0f}}};
    for (const auto& p : spots) s.Box(stars, {2.0f, 0.1f, 2.0f}, Yawed(p[0], 12.0f, p[1], 45.0f));
    s.Sphere(pillow, 1.0f, 16, Stretched(0.0f, 12.6f, -16.0f, 7.5f, 1.6f, 3.6f));
    return s;
}

Shapes Wardrobe() {
    Shapes s;
    const int body = s.Group("body", kWoodDark);
    const int doors = s.Group("doors", kWoodLight);
    const int brass = s.Group("brass", kBrass);
    const int plinth = s.Group("plinth", {0.22f, 0.16f, 0.1f});

    s.Box(body, {27.6f, 41.6f, 11.0f}, At(0.0f, 1.0f, -0.3f));
    s.Box(plinth, {27.0f, 1.0f, 10.4f}, At(0.0f, 0.0f, -0.3f));
    s.Box(body, {27.6f, 1.6f, 11.6f}, At(0.0f, 42.6f, 0.0f));
    for (float x : {-6.75f, 6.75f}) s.Box(doors, {13.3f, 38.0f, 0.4f}, At(x, 3.0f, 5.3f));
    for (float x : {-1.0f, 1.0f}) s.Cylinder(brass, 0.35f, 5.0f, 8, At(x, 19.0f, 5.75f));
    // A hat box and a suitcase kept on top.
    s.Cylinder(s.Group("hatbox", {0.9f, 0.55f, 0.65f}), 3.0f, 3.2f, 20, At(6.0f, 44.2f, -1.0f));
    s.Cylinder(s.Group("lid", {0.97f, 0.95f, 0.92f}), 3.2f, 0.6f, 20, At(6.0f, 47.4f, -1.0f));
    s.Box(s.Group("suitcase", {0.5f, 0.3f, 0.18f}), {9.0f, 2.6f, 6.0f}, At(-6.0f, 44.2f, -1.5f));
    return s;
}

Shapes Desk() {
    Shapes s;
    const int top = s.Group("top", kWoodLight);
    const int drawers = s.Group("drawers", kWoodDark);
    const int brass = s.Group("brass", kBrass);
    const int lamp = s.Group("lamp", {0.2f, 0.55f, 0.35f, 1.0f, 0.5f});

    s.Box(top, {27.6f, 1.2f, 11.6f}, At(0.0f, 15.8f, 0.0f));
    // Drawer pedestal on the left, two legs on the right, knee space between them.
    s.Box(top, {8.0f, 15.8f, 11.0f}, At(-9.8f, 0.0f, -0.3f));
    for (int i = 0; i < 3; ++i) {
        const float y = 1.0f + 5.0f * static_cast<float>(i);
        s.Box(drawers, {7.4f, 4.4f, 0.3f}, At(-9.8f, y, 5.3f));
        s.Sphere(brass, 0.35f, 8, At(-9.8f, y + 2.2f, 5.6f));
    }
    for (float z : {-4.2f, 4.2f}) s.Box(top, {1.6f, 15.8f, 1.6f}, At(12.2f, 0.0f, z));
    s.Box(drawers, {18.8f, 7.0f, 0.8f}, At(3.6f, 8.8f, -5.2f));
    // Desk lamp, books, paper and a pencil mug.
    s.Cylinder(lamp, 1.6f, 0.4f, 16, At(9.0f, 17.0f, -2.5f));
    s.Cylinder(brass, 0.25f, 6.0f, 8, At(9.0f, 17.4f, -2.5f));
    Shade(s, lamp, 2.6f, 1.4f, 3.2f, At(9.0f, 22.0f, -2.5f));
    s.Box(s.Group("book_red", {0.75f, 0.15f, 0.15f}), {4.0f, 1.0f, 5.6f}, At(-8.0f, 17.0f, -1.0f));
    s.Box(s.Group("book_blue", {0.15f, 0.3f, 0.7f}), {3.6f, 0.9f, 5.2f},
          Yawed(-8.0f, 18.0f, -1.0f, 10.0f));
    s.Box(s.Group("paper", {0.98f, 0.98f, 0.96f}), {5.0f, 0.1f, 7.0f},
          Yawed(2.0f, 17.0f, 1.0f, -8.0f));
    s.Cylinder(s.Group("mug", {0.9f, 0.75f, 0.2f}), 0.8f, 2.2f, 12, At(4.5f, 17.0f, -3.5f));
    return s;
}

Shapes DeskChair() {
    Shapes s;
    const int fabric = s.Group("fabric", {0.2f, 0.3f, 0.62f});
    const int dark = s.Group("dark", {0.16f, 0.16f, 0.18f});
    const int chrome = s.Group("chrome", kChrome);

    s.Box(fabric, {10.0f, 1.6f, 10.0f}, At(0.0f, 8.6f, 0.2f));
    s.Box(fabric, {9.4f, 9.0f, 1.4f}, At(0.0f, 11.4f, -4.6f));
    s.Box(dark, {1.2f, 3.0f, 1.0f}, At(0.0f, 9.0f, -4.6f));
    s.Cylinder(chrome, 0.6f, 7.4f, 10, At(0.0f, 1.3f, 0.0f));
    // Five-armed base on casters.
    for (int i = 0; i < 5; ++i) {
        const float yaw = 72.0f * static_cast<float>(i);
        const float a = yaw * std::numbers::pi_v<float> / 180.0f;
        s.Box(dark, {1.0f, 0.7f, 4.6f}, Yawed(2.3f * std::sin(a), 0.6f, 2.3f * std::cos(a), yaw));
        s.Sphere(dark, 0.6f, 8, At(4.4f * std::sin(a), 0.6f, 4.4f * std::cos(a)));
    }
    for (float x : {-4.8f, 4.8f}) {
        s.Box(dark, {1.0f, 0.8f, 6.0f}, At(x, 13.0f, 0.0f));
        s.Box(dark, {0.8f, 3.4f, 0.8f}, At(x, 10.2f, 0.0f));
    }
    return s;
}

Shapes Nightstand() {
    Shapes s;
    const int body = s.Group("body", kWoodLight);
    const int dark = s.Group("dark", kWoodDark);
    const int brass = s.Group("brass", kBrass);
    const int shade = s.Group("shade", {1.0f, 0.93f, 0.78f});
    const int clock = s.Group("clock", {0.85f, 0.15f, 0.12f});
    const int face = s.Group("face", {0.98f, 0.98f, 0.96f});

    s.Box(body, {11.6f, 11.0f, 11.0f}, At(0.0f, 0.0f, -0.3f));
    s.Box(dark, {11.6f, 1.0f, 11.6f}, At(0.0f, 11.0f, 0.0f));
    s.Box(dark, {10.0f, 4.0f, 0.3f}, At(0.0f, 5.5f, 5.3f));
    s.Sphere(brass, 0.4f, 8, At(0.0f, 7.5f, 5.6f));
    s.Cylinder(shade, 1.8f, 0.6f, 16, At(-1.5f, 12.0f, -1.5f));
    s.Cylinder(brass, 0.3f, 6.0f, 8, At(-1.5f, 12.6f, -1.5f));
    Shade(s, shade, 3.4f, 2.2f, 4.6f, At(-1.5f, 17.5f, -1.5f));
    s.Box(clock, {3.0f, 2.0f, 1.4f}, At(3.0f, 12.0f, 1.0f));
    s.Box(face, {2.2f, 1.4f, 0.1f}, At(3.0f, 12.3f, 1.72f));
    return s;
}

Shapes Bookshelf() {
    Shapes s;
    const int frame = s.Group("frame", kWoodLight);
    const int back = s.Group("back", kWoodDark);
    const std::array<int, 6> covers = {
        s.Group("red", {0.75f, 0.15f, 0.15f}),  s.Group("blue", {0.15f, 0.3f, 0.7f}),
        s.Group("green", {0.2f, 0.55f, 0.3f}),  s.Group("yellow", {0.92f, 0.78f, 0.2f}),
        s.Group("purple", {0.5f, 0.25f, 0.6f}), s.Group("cream", {0.92f, 0.88f, 0.76f})};

    for (float x : {-9.3f, 9.3f}) s.Box(frame, {1.0f, 40.0f, 7.6f}, At(x, 0.0f, 0.0f));
    s.Box(frame, {19.6f, 1.0f, 7.6f}, At(0.0f, 39.0f, 0.0f));
    s.Box(back, {17.6f, 39.0f, 0.6f}, At(0.0f, 0.0f, -3.5f));
    const std::array<float, 4> shelves = {1.5f, 10.6f, 20.4f, 30.2f};
    s.Box(frame, {17.6f, 1.5f, 7.0f}, At(0.0f, 0.0f, 0.3f));
    for (int i = 1; i < 4; ++i)
        s.Box(frame, {17.6f, 0.8f, 7.0f}, At(0.0f, shelves[i] - 0.8f, 0.3f));
    // Rows of books of varied widths and heights.
    const std::array<float, 8> widths = {1.2f, 0.9f, 1.5f, 1.0f, 1.3f, 0.8f, 1.1f, 1.4f};
    const std::array<float, 8> heights = {6.5f, 7.5f, 6.0f, 8.0f, 7.0f, 5.5f, 7.2f, 6.8f};
    int book = 0;
    for (int shelf = 0; shelf < 4; ++shelf) {
        float x = -8.5f + 0.6f * static_cast<float>(shelf % 2);
        const float end = shelf == 2 ? 3.0f : 8.4f;  // one shelf half empty
        while (true) {
            const float w = widths[book % widths.size()];
            if (x + w > end) break;
            const float h = heights[(book * 3) % heights.size()];
            s.Box(covers[(book * 5 + shelf) % covers.size()], {w - 0.05f, h, 5.6f},
                  At(x + w / 2.0f, shelves[shelf], 0.4f));
            x += w;
            ++book;
        }
    }
    return s;
}

Shapes FloorLamp() {
    Shapes s;
    const int brass = s.Group("brass", kBrass);
    const int shade = s.Group("shade", {1.0f, 0.93f, 0.75f});
    s.Lathe(brass, {{2.2f, 0.0f}, {2.2f, 0.5f}, {1.2f, 1.0f}, {0.5f, 1.2f}}, 20, At(0, 0, 0));
    s.Cylinder(brass, 0.35f, 28.0f, 10, At(0.0f, 1.2f, 0.0f));
    Shade(s, shade, 5.6f, 3.4f, 7.0f, At(0.0f, 28.0f, 0.0f));
    s.Sphere(brass, 0.5f, 10, At(0.0f, 35.4f, 0.0f));
    return s;
}

// ---------------------------------------------------------------- kitchen

Shapes KitchenTable() {
    Shapes s;
    const int top = s.Group("top", kWoodLight);
    const int stand = s.Group("stand", kWoodDark);
    // A round table on one pedestal: vehicles drive all round under it.
    s.Cylinder(top, 9.8f, 1.2f, 32, At(0.0f, 15.8f, 0.0f));
    s.Cylinder(stand, 8.6f, 1.4f, 32, At(0.0f, 14.4f, 0.0f));
    s.Cylinder(stand, 1.2f, 14.4f, 12, At(0.0f, 0.0f, 0.0f));
    s.Lathe(stand, {{2.6f, 0.0f}, {2.6f, 0.6f}, {1.4f, 2.0f}, {1.2f, 2.4f}}, 16, At(0, 0, 0));
    // Fruit bowl, a mug and a napkin.
    s.Lathe(s.Group("bowl", kEnamel), {{1.6f, 0.0f}, {3.2f, 1.8f}, {3.4f, 2.0f}}, 20,
            At(2.0f, 17.0f, -1.0f));
    const int apple = s.Group("apple", {0.85f, 0.12f, 0.1f});
    s.Sphere(apple, 0.9f, 12, At(2.8f, 18.4f, -1.5f));
    s.Sphere(apple, 0.9f, 12, At(1.3f, 18.4f, -0.4f));
    s.Sphere(s.Group("orange", {1.0f, 0.55f, 0.1f}), 1.0f, 12, At(1.8f, 18.5f, -2.1f));
    const int mug = s.Group("mug", {0.2f, 0.35f, 0.8f});
    s.Cylinder(mug, 0.9f, 1.8f, 12, At(-4.0f, 17.0f, 2.5f));
    s.Box(mug, {0.3f, 1.0f, 0.8f}, At(-2.9f, 17.4f, 2.5f));
    s.Box(s.Group("napkin", {1.0f, 0.9f, 0.3f}), {3.0f, 0.1f, 3.0f},
          Yawed(-3.0f, 17.0f, -3.0f, 20.0f));
    return s;
}

Shapes KitchenChair() {
    Shapes s;
    const int wood = s.Group("wood", kWoodLight);
    const int cushion = s.Group("cushion", {0.8f, 0.2f, 0.22f});
    s.Box(wood, {10.4f, 1.0f, 10.4f}, At(0.0f, 9.0f, 0.0f));
    for (float x : {-4.5f, 4.5f}) {
        for (float z : {-4.5f, 4.5f}) s.Box(wood, {1.0f, 9.0f, 1.0f}, At(x, 0.0f, z));
        s.Box(wood, {1.0f, 10.6f, 1.0f}, At(x, 10.0f, -4.7f));
    }
    for (float y : {13.0f, 16.2f}) s.Box(wood, {9.0f, 1.2f, 0.8f}, At(0.0f, y, -4.7f));
    s.Box(wood, {10.4f, 1.6f, 1.2f}, At(0.0f, 19.4f, -4.7f));
    s.Box(cushion, {8.8f, 0.8f, 8.8f}, At(0.0f, 10.0f, 0.4f));
    return s;
}

Shapes Fridge() {
    Shapes s;
    const int body = s.Group("body", {0.94f, 0.95f, 0.96f, 1.0f, 0.6f});
    const int doors = s.Group("doors", {0.9f, 0.92f, 0.95f, 1.0f, 0.6f});
    const int chrome = s.Group("chrome", kChrome);
    const int plinth = s.Group("plinth", {0.2f, 0.2f, 0.22f});

    s.Box(body, {15.6f, 39.0f, 14.0f}, At(0.0f, 0.8f, -0.8f));
    s.Box(plinth, {15.0f, 0.8f, 13.4f}, At(0.0f, 0.0f, -0.8f));
    s.Box(doors, {15.4f, 11.6f, 0.6f}, At(0.0f, 27.8f, 6.5f));
    s.Box(doors, {15.4f, 26.4f, 0.6f}, At(0.0f, 1.0f, 6.5f));
    s.Box(chrome, {0.8f, 7.0f, 0.6f}, At(6.0f, 30.0f, 7.1f));
    s.Box(chrome, {0.8f, 9.0f, 0.6f}, At(6.0f, 14.0f, 7.1f));
    // A child's drawing held by magnets, and a cereal box on top.
    s.Box(s.Group("drawing", {1.0f, 0.92f, 0.45f}), {4.5f, 5.5f, 0.1f},
          Yawed(-3.0f, 16.0f, 6.85f, 4.0f));
    s.Sphere(s.Group("magnet", {0.9f, 0.15f, 0.15f}), 0.35f, 8, At(-3.0f, 21.3f, 6.95f));
    s.Sphere(s.Group("magnet_blue", {0.15f, 0.35f, 0.9f}), 0.35f, 8, At(2.5f, 24.0f, 6.95f));
    s.Box(s.Group("cereal", {0.92f, 0.35f, 0.12f}), {4.5f, 6.5f, 2.0f}, At(-3.0f, 39.8f, -2.0f));
    return s;
}

Shapes KitchenCounter() {
    Shapes s;
    const int cabinet = s.Group("cabinet", {0.56f, 0.7f, 0.6f, 1.0f, 0.3f});
    const int doors = s.Group("doors", {0.64f, 0.78f, 0.68f, 1.0f, 0.3f});
    const int dark = s.Group("dark", {0.22f, 0.22f, 0.24f});
    const int granite = s.Group("granite", {0.32f, 0.32f, 0.35f, 1.0f, 0.7f});
    const int chrome = s.Group("chrome", kChrome);

    s.Box(cabinet, {27.6f, 17.2f, 10.6f}, At(0.0f, 1.2f, -0.5f));
    s.Box(dark, {27.0f, 1.2f, 10.0f}, At(0.0f, 0.0f, -0.6f));
    for (float x : {-9.2f, 0.0f, 9.2f}) {
        s.Box(doors, {8.6f, 12.4f, 0.4f}, At(x, 1.8f, 4.95f));
        s.Box(doors, {8.6f, 2.4f, 0.4f}, At(x, 14.8f, 4.95f));
        s.Box(chrome, {3.0f, 0.5f, 0.4f}, At(x, 15.7f, 5.35f));
        s.Box(chrome, {0.5f, 3.0f, 0.4f}, At(x + 3.4f, 9.0f, 5.35f));
    }
    s.Box(granite, {27.6f, 1.4f, 11.6f}, At(0.0f, 18.4f, 0.0f));
    // A toaster, a kettle and a chopping board.
    s.Box(chrome, {5.4f, 3.6f, 3.0f}, At(-8.0f, 19.8f, -2.0f));
    for (float x : {-8.9f, -7.1f}) s.Box(dark, {0.6f, 0.1f, 2.2f}, At(x, 23.4f, -2.0f));
    const int kettle = s.Group("kettle", {0.85f, 0.2f, 0.15f, 1.0f, 0.6f});
    s.Lathe(kettle, {{1.6f, 0.0f}, {1.8f, 2.2f}, {1.0f, 3.6f}, {0.5f, 3.8f}}, 16,
            At(6.0f, 19.8f, -2.0f));
    s.Box(dark, {0.5f, 0.5f, 2.6f}, At(6.0f, 23.6f, -2.0f));
    s.Cylinder(kettle, 0.3f, 1.6f, 8, Place{{6.0f, 21.0f, -0.6f}, 0.0f, 60.0f, 0.0f});
    s.Box(s.Group("board", kWoodLight), {6.0f, 0.4f, 4.0f}, Yawed(0.0f, 19.8f, 1.0f, -6.0f));
    return s;
}

Shapes KitchenStove() {
    Shapes s;
    const int body = s.Group("body", kEnamel);
    const int glass = s.Group("glass", {0.16f, 0.16f, 0.2f, 1.0f, 0.9f});
    const int chrome = s.Group("chrome", kChrome);
    const int hob = s.Group("hob", {0.08f, 0.08f, 0.09f, 1.0f, 0.8f});
    const int burner = s.Group("burner", {0.3f, 0.3f, 0.32f});
    const int hot = s.Group("hot", {1.0f, 0.32f, 0.1f});

    s.Box(body, {15.6f, 18.4f, 10.6f}, At(0.0f, 0.0f, -0.5f));
    s.Box(glass, {13.0f, 10.6f, 0.4f}, At(0.0f, 3.0f, 5.0f));
    s.Box(chrome, {11.0f, 0.7f, 0.5f}, At(0.0f, 14.2f, 5.45f));
    s.Box(hob, {15.6f, 0.8f, 11.6f}, At(0.0f, 18.4f, 0.0f));
    s.Box(body, {15.6f, 4.5f, 1.4f}, At(0.0f, 19.2f, -5.1f));
    for (float x : {-5.0f, -2.0f, 2.0f, 5.0f})
        s.Cylinder(hob, 0.6f, 0.4f, 10, AlongZ(x, 21.4f, -4.4f));
    for (float x : {-3.8f, 3.8f})
        for (float z : {-1.8f, 2.6f}) s.Cylinder(burner, 2.2f, 0.3f, 16, At(x, 19.2f, z));
    s.Cylinder(hot, 1.4f, 0.3f, 16, At(3.8f, 19.3f, 2.6f));
    // A pot on the back burner.
    s.Cylinder(chrome, 2.6f, 3.4f, 16, At(-3.8f, 19.5f, -1.8f));
    s.Cylinder(chrome, 2.7f, 0.3f, 16, At(-3.8f, 22.9f, -1.8f));
    s.Sphere(hob, 0.5f, 8, At(-3.8f, 23.4f, -1.8f));
    for (float x : {-6.9f, -0.7f}) s.Box(hob, {1.0f, 0.5f, 0.8f}, At(x, 21.8f, -1.8f));
    return s;
}

Shapes TrashCan() {
    Shapes s;
    const int steel = s.Group("steel", {0.72f, 0.74f, 0.77f, 1.0f, 0.9f});
    const int dark = s.Group("dark", {0.2f, 0.2f, 0.22f});
    s.Lathe(steel, {{4.0f, 0.0f}, {4.0f, 0.6f}, {4.6f, 12.4f}}, 24, At(0, 0, 0));
    s.Dome(steel, 4.7f, 24, Stretched(0.0f, 12.4f, 0.0f, 1.0f, 0.3f, 1.0f));
    s.Sphere(dark, 0.5f, 8, At(0.0f, 13.9f, 0.0f));
    s.Box(dark, {3.0f, 0.8f, 2.0f}, At(0.0f, 0.0f, 4.4f));
    return s;
}

// ---------------------------------------------------------------- dining room

Shapes DiningTable() {
    Shapes s;
    const int top = s.Group("top", kWoodDark);
    const int runner = s.Group("runner", {0.6f, 0.12f, 0.18f});
    const int plate = s.Group("plate", {0.97f, 0.97f, 0.95f, 1.0f, 0.6f});
    const int brass = s.Group("brass", kBrass);
    const int candle = s.Group("candle", {0.98f, 0.96f, 0.88f});
    const int flame = s.Group("flame", {1.0f, 0.8f, 0.2f});
    const int glass = s.Group("glass", {0.7f, 0.86f, 0.95f, 1.0f, 0.9f});

    s.Box(top, {51.6f, 1.4f, 19.6f}, At(0.0f, 15.6f, 0.0f));
    s.Box(top, {47.0f, 2.4f, 15.4f}, At(0.0f, 13.2f, 0.0f));
    for (float x : {-24.2f, 24.2f})
        for (float z : {-8.2f, 8.2f})
            s.Lathe(top, {{1.0f, 0.0f}, {0.7f, 2.5f}, {1.1f, 5.0f}, {0.65f, 9.0f}, {1.0f, 13.2f}},
                    12, At(x, 0.0f, z));
    s.Box(runner, {38.0f, 0.1f, 6.0f}, At(0.0f, 17.0f, 0.0f));
    for (float x : {-12.0f, 0.0f, 12.0f}) {
        s.Lathe(brass, {{1.2f, 0.0f}, {1.2f, 0.3f}, {0.4f, 0.8f}, {0.35f, 3.5f}, {0.8f, 4.0f}}, 12,
                At(x, 17.1f, 0.0f));
        s.Cylinder(candle, 0.45f, 4.0f, 10, At(x, 21.1f, 0.0f));
        s.Cone(flame, 0.35f, 1.2f, 8, At(x, 25.1f, 0.0f));
    }
    // Places laid along both sides and at the two ends.
    for (float x : {-16.0f, 0.0f, 16.0f}) {
        for (float z : {-6.4f, 6.4f}) {
            s.Cylinder(plate, 2.6f, 0.25f, 20, At(x, 17.0f, z));
            s.Cylinder(glass, 0.6f, 1.8f, 10, At(x + 3.6f, 17.0f, z * 0.75f));
        }
    }
    for (float x : {-22.5f, 22.5f}) s.Cylinder(plate, 2.6f, 0.25f, 20, At(x, 17.0f, 0.0f));
    return s;
}

Shapes DiningChair() {
    Shapes s;
    const int wood = s.Group("wood", kWoodDark);
    const int velvet = s.Group("velvet", {0.55f, 0.1f, 0.16f});
    s.Box(wood, {11.2f, 1.4f, 11.2f}, At(0.0f, 9.4f, 0.0f));
    for (float x : {-4.8f, 4.8f}) {
        s.Box(wood, {1.2f, 9.4f, 1.2f}, At(x, 0.0f, 4.8f));
        s.Box(wood, {1.2f, 25.8f, 1.2f}, At(x, 0.0f, -5.0f));
    }
    s.Box(wood, {11.2f, 1.6f, 1.4f}, At(0.0f, 25.8f, -5.0f));
    s.Box(velvet, {10.2f, 1.2f, 10.2f}, At(0.0f, 10.8f, 0.3f));
    s.Box(velvet, {8.4f, 10.0f, 0.8f}, At(0.0f, 13.0f, -5.0f));
    return s;
}

Shapes Sideboard() {
    Shapes s;
    const int body = s.Group("body", kWoodDark);
    const int light = s.Group("light", kWoodLight);
    const int brass = s.Group("brass", kBrass);

    s.Box(body, {35.6f, 16.8f, 10.8f}, At(0.0f, 2.6f, -0.4f));
    for (float x : {-16.8f, 16.8f})
        for (float z : {-4.6f, 4.2f}) s.Box(body, {1.4f, 2.6f, 1.4f}, At(x, 0.0f, z));
    s.Box(light, {35.6f, 1.2f, 11.6f}, At(0.0f, 19.4f, 0.0f));
    for (float x : {-13.2f, -4.4f, 4.4f, 13.2f}) {
        s.Box(light, {8.2f, 12.6f, 0.4f}, At(x, 4.4f, 5.15f));
        s.Sphere(brass, 0.45f, 8, At(x + (x < 0 ? 3.0f : -3.0f), 10.5f, 5.5f));
    }
    // A vase of flowers, a framed picture and a bowl.
    const int vase = s.Group("vase", {0.2f, 0.4f, 0.8f, 1.0f, 0.8f});
    s.Lathe(vase, {{1.4f, 0.0f}, {2.4f, 3.0f}, {1.2f, 6.5f}, {1.6f, 7.5f}}, 16,
            At(-9.0f, 20.6f, -1.5f));
    const int stem = s.Group("stem", {0.25f, 0.55f, 0.2f});
    const std::array<std::array<float, 3>, 4> flowers = {{{-10.2f, 29.6f, -1.8f},
                                                          {-8.0f, 30.4f, -1.0f},
                                                          {-9.2f, 31.4f, -2.4f},
                                                          {-8.6f, 29.2f, -0.4f}}};
    const std::array<int, 3> petals = {s.Group("rose", {0.9f, 0.15f, 0.25f}),
                                       s.Group("daisy", {1.0f, 0.9f, 0.3f}),
                                       s.Group("tulip", {0.95f, 0.55f, 0.75f})};
    int i = 0;
    for (const auto& f : flowers) {
        s.Cylinder(stem, 0.15f, f[1] - 28.0f, 6, At(f[0], 28.0f, f[2]));
        s.Sphere(petals[i++ % petals.size()], 1.2f, 10, At(f[0], f[1], f[2]));
    }
    s.Box(brass, {7.0f, 9.0f, 0.6f}, At(6.0f, 20.6f, -4.6f));
    s.Box(s.Group("picture", {0.45f, 0.7f, 0.9f}), {5.6f, 7.6f, 0.1f}, At(6.0f, 21.3f, -4.25f));
    s.Lathe(s.Group("bowl", {0.95f, 0.95f, 0.92f}), {{1.4f, 0.0f}, {3.0f, 1.6f}, {3.2f, 1.8f}}, 16,
            At(13.0f, 20.6f, 0.5f));
    return s;
}

Shapes ChinaCabinet() {
    Shapes s;
    const int body = s.Group("body", kWoodDark);
    const int light = s.Group("light", kWoodLight);
    const int brass = s.Group("brass", kBrass);
    const int plate = s.Group("plate", {0.97f, 0.97f, 0.95f, 1.0f, 0.6f});
    const int pattern = s.Group("pattern", {0.2f, 0.35f, 0.75f});

    s.Box(body, {19.6f, 17.0f, 11.0f}, At(0.0f, 0.0f, -0.3f));
    for (float x : {-4.7f, 4.7f}) {
        s.Box(light, {9.2f, 13.0f, 0.4f}, At(x, 2.0f, 5.4f));
        s.Sphere(brass, 0.45f, 8, At(x > 0 ? 1.2f : -1.2f, 9.0f, 5.75f));
    }
    s.Box(light, {19.6f, 1.0f, 11.6f}, At(0.0f, 17.0f, 0.0f));
    // Open shelves above with the best plates standing on show.
    s.Box(body, {19.6f, 25.0f, 0.8f}, At(0.0f, 18.0f, -4.6f));
    for (float x : {-9.2f, 9.2f}) s.Box(body, {1.2f, 25.0f, 8.0f}, At(x, 18.0f, -1.2f));
    for (float y : {26.0f, 34.0f}) s.Box(light, {17.2f, 0.8f, 7.2f}, At(0.0f, y, -1.2f));
    s.Box(body, {19.6f, 1.6f, 9.0f}, At(0.0f, 43.0f, -0.6f));
    for (float y : {21.2f, 29.2f, 37.2f}) {
        for (float x : {-5.4f, 0.0f, 5.4f}) {
            s.Cylinder(plate, 2.4f, 0.4f, 20, AlongZ(x, y, -3.9f));
            s.Cylinder(pattern, 1.5f, 0.45f, 16, AlongZ(x, y, -3.9f));
        }
    }
    return s;
}

Shapes PottedPlant() {
    Shapes s;
    const int pot = s.Group("pot", {0.78f, 0.4f, 0.25f});
    const int soil = s.Group("soil", {0.3f, 0.2f, 0.12f});
    const int leaves = s.Group("leaves", {0.25f, 0.6f, 0.25f});
    s.Lathe(pot, {{3.0f, 0.0f}, {4.4f, 8.6f}, {4.8f, 9.2f}, {4.8f, 10.0f}}, 20, At(0, 0, 0));
    s.Cylinder(soil, 4.2f, 0.3f, 20, At(0.0f, 10.0f, 0.0f));
    s.Cylinder(soil, 0.5f, 10.0f, 8, At(0.0f, 10.0f, 0.0f));
    s.Sphere(leaves, 4.2f, 14, At(0.0f, 21.0f, 0.0f));
    s.Sphere(leaves, 3.4f, 14, At(2.2f, 17.4f, 1.2f));
    s.Sphere(leaves, 3.4f, 14, At(-2.2f, 18.0f, -1.4f));
    s.Sphere(leaves, 3.0f, 14, At(-1.0f, 25.0f, 1.5f));
    s.Sphere(leaves, 3.0f, 14, At(1.5f, 24.5f, -1.8f));
    return s;
}

}  // namespace content::scene
