#pragma once
// A model composed of closed primitives that can be turned, stretched and placed freely.
// Boxes, cylinders and wedges come from the model builder, built at the origin and then
// moved into place; lathed shapes (spheres, domes, cones, saucers) are made here. Each
// primitive keeps its own shared vertices, so each is a closed mesh on its own and a model
// made of them casts a whole shadow volume.
#include <string>
#include <utility>
#include <vector>

#include "tools/content/model/ModelBuilder.h"

namespace content::scene {

using model::Axis;
using model::Vec3;

// Where a primitive goes: stretched along its own axes first, then turned about x (pitch),
// y (yaw) and z (roll) in that order, then moved so that its own origin lands on `at`.
// Angles are degrees; a yaw of 90 turns +z (forward) toward +x. A part placed above the
// floor sinks by 0.02 plus a hundredth of its height, so that it reaches a little into
// whatever it rests on and stacked faces never lie flush.
struct Place {
    Vec3 at;
    float yaw = 0.0f;
    float pitch = 0.0f;
    float roll = 0.0f;
    Vec3 scale{1.0f, 1.0f, 1.0f};
};

inline Place At(float x, float y, float z) {
    return Place{{x, y, z}};
}
inline Place Yawed(float x, float y, float z, float yaw) {
    return Place{{x, y, z}, yaw};
}
inline Place Stretched(float x, float y, float z, float sx, float sy, float sz) {
    return Place{{x, y, z}, 0.0f, 0.0f, 0.0f, {sx, sy, sz}};
}
// A cylinder laid along +z from its base point (a disc standing upright, facing +z).
inline Place AlongZ(float x, float y, float z) {
    return Place{{x, y, z}, 0.0f, 90.0f, 0.0f};
}

// Colours in 0 to 1. The ambient colour follows the diffuse one (lifted, see MaterialOf) so
// that faces turned from the light keep their hue; `alpha` below 1 only for the translucent blast
// shells.
struct Paint {
    Paint(float r, float g, float b, float alpha = 1.0f, float shine = 0.0f,
          std::string texture = "")
        : r(r), g(g), b(b), alpha(alpha), shine(shine), texture(std::move(texture)) {}

    float r;
    float g;
    float b;
    float alpha;
    float shine;          // 0 matt, 1 glossy
    std::string texture;  // "" or a file under Art/Textures, such as "Environment/x.jpg"
};

class Shapes {
public:
    // One group per paint; repeated names give the same group. The first group made is
    // group 0, the one whose flattened copy is the planar shadow: make it the body.
    int Group(const std::string& name, const Paint& paint);

    // A box standing on `base` (the middle of its bottom face).
    void Box(int group, Vec3 size, const Place& place);
    // A cylinder along its own y from its base centre, `height` tall.
    void Cylinder(int group, float radius, float height, int segments, const Place& place);
    // A block whose top slopes down toward +z, from `backHeight` to `frontHeight` (0 for a
    // sharp edge), standing on the middle of its bottom face.
    void Wedge(int group, float width, float depth, float backHeight, float frontHeight,
               const Place& place);
    // A shape of revolution about its own y axis: `profile` holds (radius, height) pairs from
    // bottom to top; a first or last radius of 0 closes that end in a point, any other end is
    // closed by a flat cap.
    void Lathe(int group, const std::vector<std::pair<float, float>>& profile, int segments,
               const Place& place);
    // A sphere of `radius` around its centre (the origin of the place).
    void Sphere(int group, float radius, int segments, const Place& place);
    // The upper half of a sphere, closed underneath, standing on its flat base.
    void Dome(int group, float radius, int segments, const Place& place);
    // A cone from a base disc of `radius` up to its point, `height` tall.
    void Cone(int group, float radius, float height, int segments, const Place& place);

    // Turns the whole model about y by quarter turns (1: its front faces +x).
    void TurnQuarters(int quarters);
    // Stands the model on y = 0, centred in x and z.
    void CentreOnFloor();

    const model::Ms3dModel& GetModel() const { return model; }

private:
    // Adds the triangles of a one-group model, transformed, to `group`.
    void Append(int group, const model::Ms3dModel& part, const Place& place);

    model::Ms3dModel model;
    std::vector<std::string> groupNames;
};

}  // namespace content::scene
