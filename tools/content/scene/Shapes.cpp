#include "tools/content/scene/Shapes.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <stdexcept>
#include <tuple>

namespace content::scene {
namespace {

using model::Ms3dModel;
using model::Ms3dTriangle;
using model::Ms3dVertex;

constexpr float kDegrees = std::numbers::pi_v<float> / 180.0f;
// Neighbouring bands of a lathe whose normals differ by more than this are drawn with a
// crease instead of a smooth bend (the rim of a saucer, the edge of a cap).
const float kCreaseCosine = std::cos(40.0f * kDegrees);
// A part placed above the floor sinks a little, and the higher it stands the more: a part
// resting on another then reaches a hair into it. A face lying exactly on the surface below
// would let the black outline pass draw its edges through that surface.
constexpr float kSettle = 0.02f;
constexpr float kSettlePerUnit = 0.01f;

Vec3 Add(Vec3 a, Vec3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
Vec3 Sub(Vec3 a, Vec3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
Vec3 Scaled(Vec3 v, float k) {
    return {v.x * k, v.y * k, v.z * k};
}
float Dot(Vec3 a, Vec3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
Vec3 Cross(Vec3 a, Vec3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
Vec3 Normalised(Vec3 v) {
    const float length = std::sqrt(Dot(v, v));
    return length > 0.0f ? Scaled(v, 1.0f / length) : v;
}

// The turn of a place as a 3 x 3 matrix, rows first: roll * yaw * pitch.
struct Rotation {
    float m[3][3];

    explicit Rotation(const Place& place) {
        const float cx = std::cos(place.pitch * kDegrees), sx = std::sin(place.pitch * kDegrees);
        const float cy = std::cos(place.yaw * kDegrees), sy = std::sin(place.yaw * kDegrees);
        const float cz = std::cos(place.roll * kDegrees), sz = std::sin(place.roll * kDegrees);
        const float pitch[3][3] = {{1, 0, 0}, {0, cx, -sx}, {0, sx, cx}};
        const float yaw[3][3] = {{cy, 0, sy}, {0, 1, 0}, {-sy, 0, cy}};
        const float roll[3][3] = {{cz, -sz, 0}, {sz, cz, 0}, {0, 0, 1}};
        float yawPitch[3][3];
        Multiply(yaw, pitch, yawPitch);
        Multiply(roll, yawPitch, m);
    }

    Vec3 Apply(Vec3 v) const {
        return {m[0][0] * v.x + m[0][1] * v.y + m[0][2] * v.z,
                m[1][0] * v.x + m[1][1] * v.y + m[1][2] * v.z,
                m[2][0] * v.x + m[2][1] * v.y + m[2][2] * v.z};
    }

private:
    static void Multiply(const float a[3][3], const float b[3][3], float out[3][3]) {
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c)
                out[r][c] = a[r][0] * b[0][c] + a[r][1] * b[1][c] + a[r][2] * b[2][c];
    }
};

// A one-group mesh under construction whose vertices are shared by position.
class Mesh {
public:
    void Triangle(Vec3 a, Vec3 b, Vec3 c, Vec3 na, Vec3 nb, Vec3 nc, Vec3 outward) {
        const std::uint16_t ia = Vertex(a), ib = Vertex(b), ic = Vertex(c);
        if (ia == ib || ib == ic || ia == ic) return;
        if (Dot(Cross(Sub(b, a), Sub(c, a)), outward) < 0.0f) {
            std::swap(b, c);
            std::swap(nb, nc);
        }
        Ms3dTriangle triangle;
        const Vec3 corners[3] = {a, b, c};
        const Vec3 normals[3] = {na, nb, nc};
        for (int k = 0; k < 3; ++k) {
            triangle.vertexIndices[k] = Vertex(corners[k]);
            const Vec3 n = Normalised(normals[k]);
            triangle.normals[k][0] = n.x;
            triangle.normals[k][1] = n.y;
            triangle.normals[k][2] = n.z;
        }
        model.groups[0].triangleIndices.push_back(
            static_cast<std::uint16_t>(model.triangles.size()));
        model.triangles.push_back(triangle);
    }

    Mesh() { model.groups.resize(1); }
    const Ms3dModel& Get() const { return model; }

private:
    std::uint16_t Vertex(Vec3 p) {
        const auto key = std::make_tuple(p.x, p.y, p.z);
        const auto found = vertices.find(key);
        if (found != vertices.end()) return found->second;
        // The file format indexes vertices with 16 bits.
        if (model.vertices.size() >= 0xFFFF) throw std::invalid_argument("too many vertices");
        const auto index = static_cast<std::uint16_t>(model.vertices.size());
        Ms3dVertex vertex;
        vertex.x = p.x;
        vertex.y = p.y;
        vertex.z = p.z;
        model.vertices.push_back(vertex);
        vertices.emplace(key, index);
        return index;
    }

    Ms3dModel model;
    std::map<std::tuple<float, float, float>, std::uint16_t> vertices;
};

Ms3dModel LatheMesh(const std::vector<std::pair<float, float>>& profile, int segments) {
    if (profile.size() < 2) throw std::invalid_argument("a lathe needs two profile points");
    if (segments < 3) throw std::invalid_argument("a lathe needs 3 sides or more");
    const std::size_t count = profile.size();

    // The normal of each band in the profile plane (radial, up), pointing away from the axis
    // for a rising profile.
    std::vector<std::pair<float, float>> band(count - 1);
    for (std::size_t i = 0; i + 1 < count; ++i) {
        const float dr = profile[i + 1].first - profile[i].first;
        const float dh = profile[i + 1].second - profile[i].second;
        const float length = std::sqrt(dr * dr + dh * dh);
        band[i] = length > 0.0f ? std::pair{dh / length, -dr / length} : std::pair{1.0f, 0.0f};
    }
    // Each band's normals at its lower and upper ring: shared with the neighbour band where
    // the bend is gentle, its own where it is sharp.
    auto blend = [&](std::size_t a, std::size_t b) {
        const float cosine = band[a].first * band[b].first + band[a].second * band[b].second;
        if (cosine < kCreaseCosine) return band[a];
        const float r = band[a].first + band[b].first, h = band[a].second + band[b].second;
        const float length = std::sqrt(r * r + h * h);
        return length > 0.0f ? std::pair{r / length, h / length} : band[a];
    };

    auto ring = [&](std::size_t i, int k) {
        const float angle = 2.0f * std::numbers::pi_v<float> * static_cast<float>(k % segments) /
                            static_cast<float>(segments);
        return Vec3{profile[i].first * std::cos(angle), profile[i].second,
                    profile[i].first * std::sin(angle)};
    };
    auto spread = [&](std::pair<float, float> n, int k) {
        const float angle = 2.0f * std::numbers::pi_v<float> * static_cast<float>(k % segments) /
                            static_cast<float>(segments);
        return Vec3{n.first * std::cos(angle), n.second, n.first * std::sin(angle)};
    };

    Mesh mesh;
    for (std::size_t i = 0; i + 1 < count; ++i) {
        const auto low = i > 0 ? blend(i, i - 1) : band[i];
        const auto high = i + 2 < count ? blend(i, i + 1) : band[i];
        for (int k = 0; k < segments; ++k) {
            const Vec3 a = ring(i, k), b = ring(i, k + 1);
            const Vec3 c = ring(i + 1, k + 1), d = ring(i + 1, k);
            const Vec3 na = spread(low, k), nb = spread(low, k + 1);
            const Vec3 nc = spread(high, k + 1), nd = spread(high, k);
            const Vec3 outward = spread(band[i], k);
            const Vec3 middle = Add(outward, spread(band[i], k + 1));
            mesh.Triangle(a, b, c, na, nb, nc, middle);
            mesh.Triangle(a, c, d, na, nc, nd, middle);
        }
    }
    // Flat caps on open ends.
    auto cap = [&](std::size_t i, float up) {
        if (profile[i].first <= 0.0f) return;
        const Vec3 centre{0.0f, profile[i].second, 0.0f};
        const Vec3 n{0.0f, up, 0.0f};
        for (int k = 0; k < segments; ++k)
            mesh.Triangle(centre, ring(i, k), ring(i, k + 1), n, n, n, n);
    };
    cap(0, -1.0f);
    cap(count - 1, 1.0f);
    return mesh.Get();
}

model::Ms3dMaterial MaterialOf(const std::string& name, const Paint& paint) {
    std::string texture;
    if (!paint.texture.empty()) {
        // The game drops the first two characters and reads the rest under Art/.
        texture = "..\\Textures\\" + paint.texture;
        std::replace(texture.begin(), texture.end(), '/', '\\');
    }
    model::Ms3dMaterial material = model::SolidMaterial(name, paint.r, paint.g, paint.b, texture);
    const float colour[3] = {paint.r, paint.g, paint.b};
    // The game's only ambient light is GL's global one of 0.2: at 2.5 times the colour, a
    // face turned from the light still shows half of it instead of a fifth.
    constexpr float kAmbientLift = 2.5f;
    for (int i = 0; i < 3; ++i) {
        material.ambient[i] = colour[i] * kAmbientLift;
        material.specular[i] = paint.shine * 0.6f;
    }
    material.ambient[3] = paint.alpha;
    material.diffuse[3] = paint.alpha;
    material.shininess = 8.0f + paint.shine * 56.0f;
    return material;
}

}  // namespace

int Shapes::Group(const std::string& name, const Paint& paint) {
    const auto found = std::find(groupNames.begin(), groupNames.end(), name);
    if (found != groupNames.end()) return static_cast<int>(found - groupNames.begin());
    model.materials.push_back(MaterialOf(name, paint));
    model::Ms3dGroup group;
    group.name = name;
    group.materialIndex = static_cast<std::int8_t>(model.materials.size() - 1);
    model.groups.push_back(group);
    groupNames.push_back(name);
    return static_cast<int>(model.groups.size()) - 1;
}

void Shapes::Append(int group, const Ms3dModel& part, const Place& place) {
    if (group < 0 || group >= static_cast<int>(model.groups.size()))
        throw std::invalid_argument("no group " + std::to_string(group));
    const Rotation turn(place);
    const Vec3 s = place.scale;
    if (!(s.x > 0.0f && s.y > 0.0f && s.z > 0.0f))
        throw std::invalid_argument("a scale must be positive");
    const float sink = place.at.y > 0.0f ? kSettle + kSettlePerUnit * place.at.y : 0.0f;
    const Vec3 at{place.at.x, place.at.y - sink, place.at.z};
    const std::size_t first = model.vertices.size();
    if (first + part.vertices.size() > 0xFFFF) throw std::invalid_argument("too many vertices");
    for (Ms3dVertex v : part.vertices) {
        const Vec3 p = Add(at, turn.Apply({v.x * s.x, v.y * s.y, v.z * s.z}));
        v.x = p.x;
        v.y = p.y;
        v.z = p.z;
        model.vertices.push_back(v);
    }
    for (Ms3dTriangle triangle : part.triangles) {
        for (int k = 0; k < 3; ++k) {
            triangle.vertexIndices[k] =
                static_cast<std::uint16_t>(triangle.vertexIndices[k] + first);
            float* n = triangle.normals[k];
            // Normals stretch by the inverse of the scale.
            const Vec3 turned = Normalised(turn.Apply({n[0] / s.x, n[1] / s.y, n[2] / s.z}));
            n[0] = turned.x;
            n[1] = turned.y;
            n[2] = turned.z;
        }
        if (model.triangles.size() >= 0xFFFF) throw std::invalid_argument("too many triangles");
        model.groups[group].triangleIndices.push_back(
            static_cast<std::uint16_t>(model.triangles.size()));
        model.triangles.push_back(triangle);
    }
}

void Shapes::Box(int group, Vec3 size, const Place& place) {
    model::ModelBuilder part;
    part.AddBox(part.AddGroup("part"), {}, size);
    Append(group, part.GetModel(), place);
}

void Shapes::Cylinder(int group, float radius, float height, int segments, const Place& place) {
    model::ModelBuilder part;
    part.AddCylinder(part.AddGroup("part"), {}, radius, height, Axis::Y, segments);
    Append(group, part.GetModel(), place);
}

void Shapes::Wedge(int group, float width, float depth, float backHeight, float frontHeight,
                   const Place& place) {
    model::ModelBuilder part;
    part.AddWedge(part.AddGroup("part"), {}, width, depth, backHeight, frontHeight);
    Append(group, part.GetModel(), place);
}

void Shapes::Lathe(int group, const std::vector<std::pair<float, float>>& profile, int segments,
                   const Place& place) {
    Append(group, LatheMesh(profile, segments), place);
}

void Shapes::Sphere(int group, float radius, int segments, const Place& place) {
    std::vector<std::pair<float, float>> profile;
    const int rings = std::max(2, segments / 2);
    for (int i = 0; i <= rings; ++i) {
        const float a = std::numbers::pi_v<float> * static_cast<float>(i) / rings;
        profile.emplace_back(i == 0 || i == rings ? 0.0f : radius * std::sin(a),
                             -radius * std::cos(a));
    }
    Lathe(group, profile, segments, place);
}

void Shapes::Dome(int group, float radius, int segments, const Place& place) {
    std::vector<std::pair<float, float>> profile;
    const int rings = std::max(2, segments / 4);
    for (int i = 0; i <= rings; ++i) {
        const float a = 0.5f * std::numbers::pi_v<float> * static_cast<float>(i) / rings;
        profile.emplace_back(i == rings ? 0.0f : radius * std::cos(a), radius * std::sin(a));
    }
    Lathe(group, profile, segments, place);
}

void Shapes::Cone(int group, float radius, float height, int segments, const Place& place) {
    Lathe(group, {{radius, 0.0f}, {0.0f, height}}, segments, place);
}

void Shapes::TurnQuarters(int quarters) {
    const int q = ((quarters % 4) + 4) % 4;
    auto turn = [q](float& x, float& z) {
        for (int i = 0; i < q; ++i) {
            const float oldX = x;
            x = z;
            z = -oldX;
        }
    };
    for (Ms3dVertex& v : model.vertices) turn(v.x, v.z);
    for (Ms3dTriangle& triangle : model.triangles)
        for (auto& n : triangle.normals) turn(n[0], n[2]);
}

void Shapes::CentreOnFloor() {
    model::CentreOnFloor(model);
}

}  // namespace content::scene
