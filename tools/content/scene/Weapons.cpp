// What the weapons look like. Weapons are drawn unlit, so their colours are bright and flat;
// the laser bolt and the rail slug are never drawn (their trails are) and only lend their
// size to the collision test. The blast shells are translucent domes one unit across that
// the game grows to the blast's radius; the ramming shield rides on the tank at its size.
#include <cmath>
#include <numbers>

#include "tools/content/scene/SceneModels.h"

namespace content::scene {
namespace {

// A translucent dome one unit across over a brighter disc on the floor.
Shapes BlastShell(const Paint& shell, const Paint& ring) {
    Shapes s;
    const int dome = s.Group("shell", shell);
    const int edge = s.Group("ring", ring);
    s.Dome(dome, 1.0f, 24, At(0.0f, 0.0f, 0.0f));
    s.Cylinder(edge, 1.0f, 0.04f, 24, At(0.0f, 0.0f, 0.0f));
    return s;
}

}  // namespace

Shapes Bullet() {
    Shapes s;
    const int tracer = s.Group("tracer", {1.0f, 0.86f, 0.25f});
    const int tip = s.Group("tip", {1.0f, 0.55f, 0.1f});
    s.Cylinder(tracer, 0.22f, 0.8f, 8, AlongZ(0.0f, 0.0f, -0.6f));
    s.Cone(tip, 0.22f, 0.4f, 8, AlongZ(0.0f, 0.0f, 0.2f));
    return s;
}

Shapes Shell() {
    Shapes s;
    const int brass = s.Group("brass", {0.86f, 0.66f, 0.24f});
    const int nose = s.Group("nose", {0.3f, 0.32f, 0.3f});
    const int band = s.Group("band", {0.7f, 0.2f, 0.12f});
    s.Cylinder(brass, 0.3f, 0.9f, 12, AlongZ(0.0f, 0.0f, -0.7f));
    s.Cylinder(band, 0.32f, 0.12f, 12, AlongZ(0.0f, -0.02f, 0.05f));
    s.Cone(nose, 0.3f, 0.5f, 12, AlongZ(0.0f, 0.0f, 0.2f));
    return s;
}

Shapes LaserBolt() {
    Shapes s;
    const int bolt = s.Group("bolt", {0.4f, 1.0f, 0.45f});
    s.Cylinder(bolt, 0.2f, 1.2f, 8, AlongZ(0.0f, 0.0f, -0.6f));
    s.Cone(bolt, 0.2f, 0.3f, 8, AlongZ(0.0f, 0.0f, 0.6f));
    s.Cone(bolt, 0.2f, 0.3f, 8, Place{{0.0f, 0.0f, -0.6f}, 0.0f, -90.0f, 0.0f});
    return s;
}

Shapes RailSlug() {
    Shapes s;
    const int slug = s.Group("slug", {1.0f, 0.25f, 0.2f});
    s.Cylinder(slug, 0.16f, 1.5f, 8, AlongZ(0.0f, 0.0f, -0.75f));
    return s;
}

Shapes ForceBall() {
    Shapes s;
    const int core = s.Group("core", {0.92f, 0.96f, 1.0f});
    const int halo = s.Group("halo", {0.55f, 0.75f, 1.0f, 0.45f});
    s.Sphere(core, 0.45f, 14, At(0.0f, 0.8f, 0.0f));
    s.Sphere(halo, 0.8f, 16, At(0.0f, 0.8f, 0.0f));
    return s;
}

Shapes Mine() {
    Shapes s;
    const int casing = s.Group("casing", {0.3f, 0.32f, 0.28f});
    const int top = s.Group("top", {0.5f, 0.55f, 0.2f});
    const int light = s.Group("light", {1.0f, 0.15f, 0.1f});
    const int spike = s.Group("spike", {0.75f, 0.76f, 0.78f});
    s.Cylinder(casing, 1.0f, 0.3f, 16, At(0.0f, 0.0f, 0.0f));
    s.Dome(top, 0.6f, 16, Place{{0.0f, 0.3f, 0.0f}, 0.0f, 0.0f, 0.0f, {1.0f, 0.55f, 1.0f}});
    s.Sphere(light, 0.14f, 10, At(0.0f, 0.66f, 0.0f));
    // Six spikes point out of the rim: the pitch lays each along +z, the yaw aims it.
    for (int i = 0; i < 6; ++i) {
        const float yaw = 60.0f * static_cast<float>(i);
        const float a = yaw * std::numbers::pi_v<float> / 180.0f;
        s.Cone(spike, 0.1f, 0.4f, 6,
               Place{{0.9f * std::sin(a), 0.15f, 0.9f * std::cos(a)}, yaw, 90.0f, 0.0f});
    }
    return s;
}

Shapes IrradiationField() {
    return BlastShell({0.55f, 1.0f, 0.2f, 0.3f}, {0.8f, 1.0f, 0.4f, 0.6f});
}

Shapes ForceBlast() {
    return BlastShell({0.75f, 0.88f, 1.0f, 0.35f}, {1.0f, 1.0f, 1.0f, 0.6f});
}

Shapes RamShield() {
    Shapes s;
    const int shield = s.Group("shield", {1.0f, 0.45f, 0.1f, 0.35f});
    const int prow = s.Group("prow", {1.0f, 0.8f, 0.3f, 0.5f});
    s.Dome(shield, 1.0f, 24, Place{{0.0f, 0.0f, 0.0f}, 0.0f, 0.0f, 0.0f, {1.9f, 2.1f, 2.7f}});
    // A glowing horn leads the charge, its point on the front of the shell.
    s.Cone(prow, 0.8f, 0.9f, 16, AlongZ(0.0f, 0.5f, 1.8f));
    return s;
}

}  // namespace content::scene
