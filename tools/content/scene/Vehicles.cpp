// The four vehicles and the battery. Each race has its own colours: the terrans drive olive
// and khaki, the Dovevevuzu orange and white with cyan grav glow, the Vavedodev purple and
// lime, the Diveroruz royal blue and gold. A vehicle is about one cell (4 units) long and
// under 3 units tall; hovering craft float over a faint glow disc on the floor.
#include <cmath>
#include <numbers>

#include "tools/content/scene/SceneModels.h"

namespace content::scene {
namespace {

Place Turned(float x, float y, float z, float yaw, float pitch, float roll) {
    return Place{{x, y, z}, yaw, pitch, roll};
}
// A cylinder laid along -x from its base point.
Place AlongX(float x, float y, float z) {
    return Turned(x, y, z, 0.0f, 0.0f, 90.0f);
}

}  // namespace

Shapes Tank() {
    Shapes s;
    const int hull = s.Group("hull", {0.36f, 0.42f, 0.20f, 1.0f, 0.2f});
    const int khaki = s.Group("khaki", {0.70f, 0.64f, 0.44f, 1.0f, 0.2f});
    const int track = s.Group("track", {0.13f, 0.13f, 0.14f});
    const int steel = s.Group("steel", {0.40f, 0.42f, 0.44f, 1.0f, 0.6f});
    const int star = s.Group("star", {0.92f, 0.92f, 0.88f});

    // Hull between the tracks, fenders over them, a sloped glacis and an engine deck.
    s.Box(hull, {1.9f, 0.8f, 3.6f}, At(0.0f, 0.25f, -0.1f));
    s.Box(hull, {3.0f, 0.22f, 3.8f}, At(0.0f, 1.0f, -0.1f));
    s.Wedge(hull, 2.4f, 0.9f, 0.3f, 0.06f, At(0.0f, 1.22f, 1.3f));
    s.Box(khaki, {2.3f, 0.32f, 1.5f}, At(0.0f, 1.22f, -1.15f));
    for (float x : {-0.5f, 0.0f, 0.5f}) s.Box(track, {0.25f, 0.06f, 1.2f}, At(x, 1.54f, -1.15f));
    // Tracks with rounded ends and road wheels.
    for (float side : {-1.0f, 1.0f}) {
        const float x = side * 1.15f;
        s.Box(track, {0.76f, 0.8f, 3.2f}, At(x, 0.0f, -0.1f));
        for (float z : {-1.7f, 1.5f})
            s.Cylinder(track, 0.4f, 0.76f, 12, AlongX(x + 0.38f, 0.4f, z));
        for (float z : {-1.2f, -0.4f, 0.4f, 1.2f})
            s.Cylinder(steel, 0.28f, 0.08f, 10, AlongX(x + side * 0.38f + 0.04f, 0.4f, z));
        // The white star on each fender front.
        s.Box(star, {0.3f, 0.3f, 0.04f}, Turned(x, 1.04f, 1.82f, 0.0f, 0.0f, 45.0f));
    }
    // Turret with hatch, mantlet and a long barrel ending in a muzzle brake.
    s.Cylinder(hull, 0.9f, 0.7f, 8, Turned(0.0f, 1.22f, -0.25f, 22.5f, 0.0f, 0.0f));
    s.Cylinder(khaki, 0.78f, 0.12f, 8, Turned(0.0f, 1.92f, -0.25f, 22.5f, 0.0f, 0.0f));
    s.Cylinder(hull, 0.28f, 0.14f, 10, At(0.28f, 2.04f, -0.5f));
    s.Box(hull, {0.7f, 0.5f, 0.4f}, At(0.0f, 1.36f, 0.72f));
    s.Cylinder(steel, 0.12f, 1.6f, 10, AlongZ(0.0f, 1.49f, 0.85f));
    s.Cylinder(steel, 0.18f, 0.3f, 10, AlongZ(0.0f, 1.43f, 2.2f));
    // Antenna and exhausts.
    s.Box(steel, {0.04f, 1.0f, 0.04f}, At(-0.6f, 2.04f, -0.75f));
    for (float x : {-0.7f, 0.7f}) s.Cylinder(steel, 0.1f, 0.3f, 8, AlongZ(x, 1.1f, -2.3f));
    return s;
}

Shapes Buggy() {
    Shapes s;
    const int body = s.Group("body", {1.0f, 0.5f, 0.08f, 1.0f, 0.5f});
    const int white = s.Group("white", {0.95f, 0.95f, 0.92f, 1.0f, 0.3f});
    const int dark = s.Group("dark", {0.16f, 0.16f, 0.2f});
    const int glow = s.Group("glow", {0.25f, 0.95f, 1.0f});

    // Four grav pods on struts, each over its glow on the floor.
    for (float x : {-1.1f, 1.1f}) {
        for (float z : {-1.2f, 1.2f}) {
            s.Cylinder(glow, 0.4f, 0.04f, 16, At(x, 0.0f, z));
            s.Cylinder(glow, 0.3f, 0.08f, 12, At(x, 0.26f, z));
            s.Lathe(dark, {{0.32f, 0.34f}, {0.46f, 0.42f}, {0.46f, 0.58f}, {0.3f, 0.68f}}, 14,
                    At(x, 0.0f, z));
            s.Box(white, {0.7f, 0.12f, 0.22f}, At(x * 0.68f, 0.5f, z));
        }
    }
    // Low wedge chassis on a dark tray, white bumper, roll cage and a rear engine.
    s.Box(dark, {1.2f, 0.12f, 2.8f}, At(0.0f, 0.42f, 0.0f));
    s.Wedge(body, 1.5f, 3.4f, 0.6f, 0.2f, At(0.0f, 0.54f, 0.0f));
    s.Box(white, {1.7f, 0.16f, 0.22f}, At(0.0f, 0.5f, 1.72f));
    s.Lathe(glow, {{0.0f, 0.0f}, {0.42f, 0.12f}, {0.42f, 0.3f}, {0.0f, 0.5f}}, 16,
            Place{{0.0f, 0.92f, -0.1f}, 0.0f, 0.0f, 0.0f, {1.0f, 1.0f, 1.4f}});
    for (float x : {-0.6f, 0.6f}) s.Box(white, {0.1f, 0.75f, 0.1f}, At(x, 0.9f, -0.65f));
    s.Box(white, {1.3f, 0.1f, 0.12f}, At(0.0f, 1.62f, -0.65f));
    s.Cylinder(dark, 0.34f, 0.7f, 14, AlongZ(0.0f, 0.62f, -1.75f));
    s.Cylinder(glow, 0.26f, 0.05f, 14, AlongZ(0.0f, 0.7f, -1.8f));
    // The spoiler on two posts.
    for (float x : {-0.5f, 0.5f}) s.Box(white, {0.08f, 0.55f, 0.08f}, At(x, 1.0f, -1.45f));
    s.Box(body, {2.0f, 0.08f, 0.5f}, At(0.0f, 1.55f, -1.45f));
    return s;
}

Shapes Ufo() {
    Shapes s;
    const int hull = s.Group("hull", {0.42f, 0.18f, 0.62f, 1.0f, 0.5f});
    const int silver = s.Group("silver", {0.76f, 0.77f, 0.84f, 1.0f, 0.8f});
    const int lime = s.Group("lime", {0.62f, 1.0f, 0.18f, 1.0f, 0.4f});
    const int eye = s.Group("eye", {0.1f, 0.02f, 0.15f, 1.0f, 0.8f});

    // The saucer: a purple top over a silver belly, meeting at the rim.
    s.Lathe(hull, {{1.95f, 1.0f}, {1.3f, 1.3f}, {0.7f, 1.4f}, {0.0f, 1.42f}}, 28, At(0, 0, 0));
    s.Lathe(silver, {{0.0f, 0.45f}, {0.9f, 0.5f}, {1.95f, 0.92f}, {1.95f, 1.0f}}, 28, At(0, 0, 0));
    // The tractor beam under it and its glow on the floor.
    s.Lathe(lime, {{0.0f, 0.08f}, {0.6f, 0.46f}}, 16, At(0, 0, 0));
    s.Cylinder(lime, 0.55f, 0.03f, 16, At(0.0f, 0.0f, 0.0f));
    // Rim lights all round.
    for (int i = 0; i < 10; ++i) {
        const float yaw = 36.0f * static_cast<float>(i);
        Place light = Turned(0.0f, 0.9f, 0.0f, yaw, 0.0f, 0.0f);
        const float a = yaw * std::numbers::pi_v<float> / 180.0f;
        light.at = {1.88f * std::sin(a), 0.9f, 1.88f * std::cos(a)};
        s.Box(lime, {0.22f, 0.14f, 0.22f}, light);
    }
    // The cockpit dome with the gremlin's eyes looking forward and its two feelers.
    s.Dome(lime, 0.8f, 20, Place{{0.0f, 1.3f, 0.0f}, 0.0f, 0.0f, 0.0f, {1.0f, 0.9f, 1.0f}});
    for (float x : {-0.26f, 0.26f}) s.Sphere(eye, 0.15f, 10, At(x, 1.72f, 0.6f));
    for (float side : {-1.0f, 1.0f}) {
        s.Cylinder(silver, 0.05f, 0.6f, 6,
                   Turned(side * 0.3f, 1.95f, -0.1f, 0.0f, 0.0f, -side * 28.0f));
        s.Sphere(lime, 0.12f, 10, At(side * 0.58f, 2.48f, -0.1f));
    }
    // A tail fin shows which way it flies.
    s.Wedge(hull, 0.12f, 0.7f, 0.45f, 0.05f, At(0.0f, 1.2f, -1.25f));
    return s;
}

Shapes Lancer() {
    Shapes s;
    const int hull = s.Group("hull", {0.12f, 0.22f, 0.62f, 1.0f, 0.6f});
    const int gold = s.Group("gold", {0.95f, 0.74f, 0.22f, 1.0f, 0.9f});
    const int white = s.Group("white", {0.92f, 0.94f, 1.0f, 1.0f, 0.5f});
    const int glow = s.Group("glow", {0.55f, 0.85f, 1.0f});

    // A slender fuselage, flattened, with the golden lance and its guard at the nose.
    s.Lathe(hull,
            {{0.0f, 0.0f},
             {0.3f, 0.12f},
             {0.48f, 0.6f},
             {0.5f, 1.6f},
             {0.4f, 2.5f},
             {0.24f, 3.1f},
             {0.0f, 3.25f}},
            16, Place{{0.0f, 0.85f, -1.9f}, 0.0f, 90.0f, 0.0f, {1.1f, 1.0f, 0.7f}});
    s.Cone(gold, 0.2f, 1.3f, 12, AlongZ(0.0f, 0.85f, 1.25f));
    s.Cylinder(gold, 0.34f, 0.1f, 14, AlongZ(0.0f, 0.85f, 1.2f));
    // Swept delta wings with golden tips, and the tail fin.
    for (float side : {-1.0f, 1.0f}) {
        s.Wedge(hull, 0.1f, 1.8f, 1.45f, 0.0f,
                Turned(side * 0.4f, 0.85f, -0.7f, 0.0f, 0.0f, -side * 90.0f));
        s.Wedge(gold, 0.08f, 0.6f, 0.45f, 0.0f, At(side * 1.8f, 0.85f, -1.3f));
    }
    s.Wedge(hull, 0.1f, 1.0f, 0.8f, 0.0f, At(0.0f, 1.05f, -1.35f));
    s.Box(gold, {0.12f, 0.08f, 1.0f}, At(0.0f, 1.0f, -0.4f));
    // Canopy and twin engines with their glow.
    s.Dome(white, 0.34f, 16, Place{{0.0f, 1.0f, 0.15f}, 0.0f, 0.0f, 0.0f, {1.0f, 0.9f, 2.0f}});
    for (float x : {-0.3f, 0.3f}) {
        s.Cylinder(white, 0.2f, 0.6f, 12, AlongZ(x, 0.62f, -2.1f));
        s.Cylinder(glow, 0.15f, 0.04f, 12, AlongZ(x, 0.67f, -2.14f));
    }
    // Hover pylons over their glow pads.
    for (float x : {-0.45f, 0.45f}) {
        s.Box(glow, {0.2f, 0.04f, 1.4f}, At(x, 0.0f, -0.3f));
        s.Box(hull, {0.1f, 0.5f, 0.16f}, At(x, 0.2f, -0.3f));
    }
    return s;
}

Shapes Battery() {
    Shapes s;
    const int body = s.Group("body", {0.12f, 0.12f, 0.14f, 1.0f, 0.5f});
    const int copper = s.Group("copper", {0.88f, 0.52f, 0.2f, 1.0f, 0.8f});
    const int label = s.Group("label", {1.0f, 0.84f, 0.1f});
    const int steel = s.Group("steel", {0.78f, 0.8f, 0.84f, 1.0f, 0.9f});

    // A big dry cell standing on end: black can, copper top, yellow band, plus terminal.
    s.Cylinder(body, 1.3f, 3.1f, 24, At(0.0f, 0.0f, 0.0f));
    s.Cylinder(copper, 1.3f, 0.85f, 24, At(0.0f, 3.1f, 0.0f));
    s.Cylinder(label, 1.33f, 0.7f, 24, At(0.0f, 1.3f, 0.0f));
    s.Cylinder(steel, 0.45f, 0.35f, 16, At(0.0f, 3.95f, 0.0f));
    // The plus sign on the band faces forward.
    s.Box(body, {0.5f, 0.14f, 0.06f}, At(0.0f, 1.58f, 1.33f));
    s.Box(body, {0.14f, 0.5f, 0.06f}, At(0.0f, 1.4f, 1.33f));
    return s;
}

}  // namespace content::scene
