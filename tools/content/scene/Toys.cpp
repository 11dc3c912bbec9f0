// Toys and clutter on the floor: the soda can (which casts a shadow volume, so it is closed
// like the vehicles), books, building blocks, a beach ball, a teddy bear, floor cushions and
// the blanket fort that vehicles can drive into.
#include <array>
#include <cmath>
#include <numbers>

#include "tools/content/scene/SceneModels.h"

namespace content::scene {
namespace {

float Radians(float degrees) {
    return degrees * std::numbers::pi_v<float> / 180.0f;
}

// A building block: a cube standing on `base`, turned by `yaw`, with a raised panel of
// another colour on each side and on top.
void Block(Shapes& s, int cube, int panel, float size, Vec3 base, float yaw) {
    s.Box(cube, {size, size, size}, Yawed(base.x, base.y, base.z, yaw));
    const float inset = size * 0.66f;
    for (int side = 0; side < 4; ++side) {
        const float a = Radians(yaw + 90.0f * static_cast<float>(side));
        const float out = size / 2.0f + 0.05f;
        s.Box(panel, {inset, inset, 0.1f},
              Yawed(base.x + out * std::sin(a), base.y + (size - inset) / 2.0f,
                    base.z + out * std::cos(a), yaw + 90.0f * static_cast<float>(side)));
    }
    s.Box(panel, {inset, 0.1f, inset}, Yawed(base.x, base.y + size, base.z, yaw));
}

Shapes SingleBlock(const Paint& cube, const Paint& panel) {
    Shapes s;
    Block(s, s.Group("cube", cube), s.Group("panel", panel), 3.6f, {0.0f, 0.0f, 0.0f}, 0.0f);
    return s;
}

const Paint kRed{0.86f, 0.16f, 0.14f, 1.0f, 0.4f};
const Paint kBlue{0.16f, 0.34f, 0.82f, 1.0f, 0.4f};
const Paint kYellow{1.0f, 0.82f, 0.12f, 1.0f, 0.4f};
const Paint kGreen{0.2f, 0.66f, 0.3f, 1.0f, 0.4f};
const Paint kWhite{0.97f, 0.97f, 0.95f, 1.0f, 0.4f};

}  // namespace

Shapes SodaCan() {
    Shapes s;
    const int can = s.Group("can", {0.82f, 0.1f, 0.12f, 1.0f, 0.8f});
    const int metal = s.Group("metal", {0.8f, 0.82f, 0.85f, 1.0f, 1.0f});
    const int band = s.Group("band", {0.98f, 0.98f, 0.98f, 1.0f, 0.6f});
    s.Cylinder(can, 1.2f, 3.3f, 20, At(0.0f, 0.3f, 0.0f));
    s.Cylinder(metal, 1.05f, 0.3f, 20, At(0.0f, 0.0f, 0.0f));
    s.Cylinder(metal, 1.05f, 0.3f, 20, At(0.0f, 3.6f, 0.0f));
    s.Cylinder(band, 1.22f, 0.7f, 20, At(0.0f, 1.6f, 0.0f));
    s.Box(metal, {0.5f, 0.06f, 0.8f}, At(0.0f, 3.9f, 0.3f));
    return s;
}

Shapes RubberDuck() {
    Shapes s;
    const int yellow = s.Group("yellow", {1.0f, 0.85f, 0.1f, 1.0f, 0.6f});
    const int beak = s.Group("beak", {1.0f, 0.5f, 0.08f});
    const int eye = s.Group("eye", {0.05f, 0.05f, 0.05f});
    s.Sphere(yellow, 1.4f, 16, Stretched(0.0f, 1.15f, -0.2f, 1.0f, 0.8f, 1.25f));
    s.Sphere(yellow, 0.85f, 14, At(0.0f, 2.55f, 0.55f));
    s.Cone(beak, 0.35f, 0.6f, 10, Place{{0.0f, 2.45f, 1.25f}, 0.0f, 90.0f, 0.0f});
    for (float x : {-0.38f, 0.38f}) s.Sphere(eye, 0.14f, 8, At(x, 2.78f, 1.18f));
    s.Cone(yellow, 0.45f, 0.7f, 10, Place{{0.0f, 1.5f, -1.5f}, 0.0f, -55.0f, 0.0f});
    return s;
}

Shapes BookStack() {
    Shapes s;
    const std::array<int, 3> covers = {s.Group("red", {0.75f, 0.15f, 0.15f}),
                                       s.Group("green", {0.2f, 0.55f, 0.3f}),
                                       s.Group("blue", {0.15f, 0.3f, 0.7f})};
    const int pages = s.Group("pages", {0.96f, 0.93f, 0.84f});
    const std::array<float, 3> yaws = {0.0f, 14.0f, -10.0f};
    for (int i = 0; i < 3; ++i) {
        const float y = 1.1f * static_cast<float>(i);
        s.Box(covers[i], {6.2f, 1.1f, 4.6f}, Yawed(0.0f, y, 0.0f, yaws[i]));
        const float a = Radians(yaws[i]);
        s.Box(pages, {5.9f, 0.9f, 4.3f},
              Yawed(0.25f * std::cos(a), y + 0.1f, -0.25f * std::sin(a), yaws[i]));
    }
    return s;
}

Shapes ToyBlocks() {
    Shapes s;
    const int red = s.Group("red", kRed);
    const int blue = s.Group("blue", kBlue);
    const int yellow = s.Group("yellow", kYellow);
    const int white = s.Group("white", kWhite);
    Block(s, red, yellow, 3.0f, {-1.5f, 0.0f, 0.6f}, 10.0f);
    Block(s, blue, white, 3.0f, {1.5f, 0.0f, -0.8f}, -15.0f);
    Block(s, yellow, red, 3.0f, {-0.2f, 3.0f, -0.1f}, 35.0f);
    return s;
}

Shapes ToyBlockRed() {
    return SingleBlock(kRed, kYellow);
}
Shapes ToyBlockBlue() {
    return SingleBlock(kBlue, kWhite);
}
Shapes ToyBlockYellow() {
    return SingleBlock(kYellow, kRed);
}
Shapes ToyBlockGreen() {
    return SingleBlock(kGreen, kWhite);
}

Shapes BlockWall() {
    Shapes s;
    const std::array<int, 4> cubes = {s.Group("red", kRed), s.Group("blue", kBlue),
                                      s.Group("yellow", kYellow), s.Group("green", kGreen)};
    const int white = s.Group("white", kWhite);
    // Two courses of blocks, the upper one offset by half a block.
    for (int i = 0; i < 5; ++i)
        Block(s, cubes[i % 4], white, 3.6f, {3.92f * static_cast<float>(i - 2), 0.0f, 0.0f}, 0.0f);
    for (int i = 0; i < 4; ++i)
        Block(s, cubes[(i + 2) % 4], white, 3.6f,
              {3.92f * (static_cast<float>(i) - 1.5f), 3.6f, 0.0f}, 0.0f);
    return s;
}

Shapes Ball() {
    Shapes s;
    // A beach ball in bands: each band is its own closed slice of the sphere.
    const float radius = 3.4f;
    const std::array<Paint, 5> bands = {kWhite, kRed, kYellow, kBlue, kWhite};
    const std::array<std::string, 5> names = {"white", "red", "yellow", "blue", "white"};
    const std::array<float, 6> edges = {0.0f, 40.0f, 75.0f, 105.0f, 140.0f, 180.0f};
    for (int band = 0; band < 5; ++band) {
        const int group = s.Group(names[band], bands[band]);
        std::vector<std::pair<float, float>> profile;
        for (int step = 0; step <= 4; ++step) {
            const float a = Radians(edges[band] + (edges[band + 1] - edges[band]) * step / 4.0f);
            float r = radius * std::sin(a);
            if (std::abs(r) < 1e-4f) r = 0.0f;
            profile.emplace_back(r, radius - radius * std::cos(a));
        }
        s.Lathe(group, profile, 24, At(0.0f, 0.0f, 0.0f));
    }
    return s;
}

Shapes TeddyBear() {
    Shapes s;
    const int fur = s.Group("fur", {0.62f, 0.4f, 0.22f});
    const int tan = s.Group("tan", {0.86f, 0.7f, 0.5f});
    const int black = s.Group("black", {0.05f, 0.04f, 0.04f});
    const int bow = s.Group("bow", {0.85f, 0.12f, 0.16f});
    s.Sphere(fur, 3.2f, 16, Stretched(0.0f, 3.4f, -0.5f, 1.0f, 1.15f, 0.9f));
    s.Sphere(tan, 2.2f, 14, Stretched(0.0f, 3.2f, 1.0f, 1.0f, 1.1f, 0.6f));
    s.Sphere(fur, 2.4f, 16, At(0.0f, 8.6f, 0.0f));
    for (float x : {-1.8f, 1.8f}) {
        s.Sphere(fur, 0.9f, 10, At(x, 10.5f, -0.2f));
        s.Sphere(tan, 0.5f, 8, At(x, 10.6f, 0.45f));
        // Legs stretched forward, arms at the sides.
        s.Cylinder(fur, 1.2f, 3.4f, 12, Place{{x, 1.2f, -0.2f}, 0.0f, 90.0f, 0.0f});
        s.Sphere(tan, 1.0f, 10, Stretched(x, 1.2f, 3.3f, 1.0f, 1.0f, 0.4f));
        s.Sphere(fur, 1.1f, 10, Stretched(x * 1.85f, 4.6f, 0.4f, 1.0f, 1.8f, 1.0f));
    }
    s.Sphere(tan, 1.0f, 12, At(0.0f, 8.1f, 2.1f));
    s.Sphere(black, 0.35f, 8, At(0.0f, 8.5f, 3.0f));
    for (float x : {-0.8f, 0.8f}) s.Sphere(black, 0.3f, 8, At(x, 9.3f, 2.0f));
    for (float x : {-0.7f, 0.7f})
        s.Sphere(bow, 0.6f, 8, Stretched(x, 6.4f, 1.8f, 1.3f, 0.8f, 0.6f));
    return s;
}

Shapes BlanketFort() {
    Shapes s;
    const int blanket = s.Group("blanket", {0.8f, 0.2f, 0.2f});
    const int stripe = s.Group("stripe", {0.97f, 0.95f, 0.88f});
    const int wood =
        s.Group("wood", {0.96f, 0.84f, 0.64f, 1.0f, 0.15f, "Environment/Wood_Floor.jpg"});
    const int flag = s.Group("flag", {1.0f, 0.85f, 0.15f});
    const int lantern = s.Group("lantern", {1.0f, 0.9f, 0.45f});

    // Four posts hold a blanket over a room-sized hideout, open underneath.
    for (float x : {-16.4f, 16.4f})
        for (float z : {-16.4f, 16.4f}) s.Box(wood, {2.4f, 15.0f, 2.4f}, At(x, 0.0f, z));
    // A square of four sides: a lathe with four segments turned by 45 degrees; the corner
    // radius is the half side times the square root of two.
    const float corner = 17.6f * std::numbers::sqrt2_v<float>;
    s.Lathe(blanket, {{corner, 9.0f}, {corner, 15.0f}, {0.0f, 26.0f}}, 4,
            Yawed(0.0f, 0.0f, 0.0f, 45.0f));
    const float stripeCorner = 17.75f * std::numbers::sqrt2_v<float>;
    s.Lathe(stripe, {{stripeCorner, 10.5f}, {stripeCorner, 12.0f}}, 4,
            Yawed(0.0f, 0.0f, 0.0f, 45.0f));
    // A flag on top and a lantern hung inside.
    s.Cylinder(wood, 0.25f, 8.0f, 8, At(0.0f, 25.0f, 0.0f));
    s.Box(flag, {4.5f, 2.8f, 0.15f}, At(2.4f, 30.0f, 0.0f));
    s.Cylinder(wood, 0.08f, 1.6f, 6, At(0.0f, 7.6f, 0.0f));
    s.Sphere(lantern, 1.1f, 12, At(0.0f, 7.0f, 0.0f));
    return s;
}

Shapes Cushion() {
    Shapes s;
    const int cloth = s.Group("cloth", {0.5f, 0.3f, 0.7f});
    const int button = s.Group("button", {0.3f, 0.15f, 0.45f});
    const float r2 = std::numbers::sqrt2_v<float>;
    s.Lathe(
        cloth,
        {{5.4f * r2, 0.0f}, {5.8f * r2, 1.2f}, {5.8f * r2, 3.2f}, {5.2f * r2, 4.4f}, {0.0f, 4.8f}},
        4, Yawed(0.0f, 0.0f, 0.0f, 45.0f));
    s.Sphere(button, 0.5f, 8, At(0.0f, 4.75f, 0.0f));
    return s;
}

}  // namespace content::scene
