#include "ModelBuilder.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace content::model {
namespace {

Vec3 Sub(Vec3 a, Vec3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
Vec3 Cross(Vec3 a, Vec3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
float Dot(Vec3 a, Vec3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
Vec3 Normalised(Vec3 v) {
    const float length = std::sqrt(Dot(v, v));
    return length > 0.0f ? Vec3{v.x / length, v.y / length, v.z / length} : v;
}

// The normal of a polygon by Newell's method, which stays right when corners coincide.
Vec3 PolygonNormal(const Vec3* p, int count) {
    Vec3 n;
    for (int i = 0; i < count; ++i) {
        const Vec3& a = p[i];
        const Vec3& b = p[(i + 1) % count];
        n.x += (a.y - b.y) * (a.z + b.z);
        n.y += (a.z - b.z) * (a.x + b.x);
        n.z += (a.x - b.x) * (a.y + b.y);
    }
    return n;
}

struct Corner {
    Vec3 position;
    Vec3 normal;
    float u = 0.0f;  // texture coordinates with v up the image
    float v = 0.0f;
};

void CheckPositive(float value, const char* what) {
    if (!(value > 0.0f)) throw std::invalid_argument(std::string(what) + " must be positive");
}

}  // namespace

class ModelBuilder::Primitive {
public:
    Primitive(ModelBuilder& builder, int group) : builder(builder), group(group) {}

    // A triangle wound so that it faces `outward`; one whose corners coincide is left out.
    void Triangle(Corner a, Corner b, Corner c, Vec3 outward) {
        const std::uint16_t ia = Vertex(a.position);
        const std::uint16_t ib = Vertex(b.position);
        const std::uint16_t ic = Vertex(c.position);
        if (ia == ib || ib == ic || ia == ic) return;
        if (Dot(Cross(Sub(b.position, a.position), Sub(c.position, a.position)), outward) < 0.0f)
            std::swap(b, c);
        Ms3dTriangle triangle;
        const Corner corners[3] = {a, b, c};
        for (int k = 0; k < 3; ++k) {
            triangle.vertexIndices[k] = Vertex(corners[k].position);
            const Vec3 n = Normalised(corners[k].normal);
            triangle.normals[k][0] = n.x;
            triangle.normals[k][1] = n.y;
            triangle.normals[k][2] = n.z;
            triangle.s[k] = corners[k].u;
            triangle.t[k] = 1.0f - corners[k].v;  // the file counts t from the top
        }
        Ms3dModel& model = builder.model;
        if (model.triangles.size() >= 0xFFFF) throw std::invalid_argument("too many triangles");
        model.groups[group].triangleIndices.push_back(
            static_cast<std::uint16_t>(model.triangles.size()));
        model.triangles.push_back(triangle);
    }

    // A flat four-cornered face, the corners in order around it, each with texture
    // coordinates (0,0), (1,0), (1,1), (0,1); its normal comes from its shape, turned to
    // face `outward`.
    void Face(Vec3 p0, Vec3 p1, Vec3 p2, Vec3 p3, Vec3 outward) {
        const Vec3 p[4] = {p0, p1, p2, p3};
        Vec3 n = PolygonNormal(p, 4);
        if (Dot(n, outward) < 0.0f) n = {-n.x, -n.y, -n.z};
        const Corner c[4] = {{p0, n, 0, 0}, {p1, n, 1, 0}, {p2, n, 1, 1}, {p3, n, 0, 1}};
        Triangle(c[0], c[1], c[2], n);
        Triangle(c[0], c[2], c[3], n);
    }

private:
    std::uint16_t Vertex(Vec3 p) {
        const auto key = std::make_tuple(p.x, p.y, p.z);
        const auto found = vertices.find(key);
        if (found != vertices.end()) return found->second;
        Ms3dModel& model = builder.model;
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

    ModelBuilder& builder;
    int group;
    std::map<std::tuple<float, float, float>, std::uint16_t> vertices;
};

int ModelBuilder::AddMaterial(const Ms3dMaterial& material) {
    model.materials.push_back(material);
    return static_cast<int>(model.materials.size()) - 1;
}

int ModelBuilder::AddGroup(const std::string& name, int materialIndex) {
    if (materialIndex < -1 || materialIndex >= static_cast<int>(model.materials.size()))
        throw std::invalid_argument("no material " + std::to_string(materialIndex));
    Ms3dGroup group;
    group.name = name;
    group.materialIndex = static_cast<std::int8_t>(materialIndex);
    model.groups.push_back(group);
    return static_cast<int>(model.groups.size()) - 1;
}

void ModelBuilder::CheckGroup(int group) const {
    if (group < 0 || group >= static_cast<int>(model.groups.size()))
        throw std::invalid_argument("no group " + std::to_string(group));
}

void ModelBuilder::AddBox(int group, Vec3 base, Vec3 size) {
    AddWedge(group, base, size.x, size.z, size.y, size.y);
}

void ModelBuilder::AddWedge(int group, Vec3 base, float width, float depth, float backHeight,
                            float frontHeight) {
    CheckGroup(group);
    CheckPositive(width, "width");
    CheckPositive(depth, "depth");
    CheckPositive(backHeight, "back height");
    if (!(frontHeight >= 0.0f)) throw std::invalid_argument("front height must not be negative");

    // Every corner is computed once, so corners shared by faces are the same vertex.
    const float x0 = base.x - width / 2, x1 = base.x + width / 2;
    const float z0 = base.z - depth / 2, z1 = base.z + depth / 2;
    const float y0 = base.y, yBack = base.y + backHeight, yFront = base.y + frontHeight;
    const Vec3 bottomBackLeft{x0, y0, z0}, bottomBackRight{x1, y0, z0};
    const Vec3 bottomFrontLeft{x0, y0, z1}, bottomFrontRight{x1, y0, z1};
    const Vec3 topBackLeft{x0, yBack, z0}, topBackRight{x1, yBack, z0};
    const Vec3 topFrontLeft{x0, yFront, z1}, topFrontRight{x1, yFront, z1};

    Primitive p(*this, group);
    p.Face(bottomFrontRight, bottomFrontLeft, topFrontLeft, topFrontRight, {0, 0, 1});  // front
    p.Face(bottomBackLeft, bottomBackRight, topBackRight, topBackLeft, {0, 0, -1});     // back
    p.Face(bottomFrontLeft, bottomBackLeft, topBackLeft, topFrontLeft, {-1, 0, 0});     // left
    p.Face(bottomBackRight, bottomFrontRight, topFrontRight, topBackRight, {1, 0, 0});  // right
    p.Face(topFrontLeft, topBackLeft, topBackRight, topFrontRight, {0, 1, 0});          // top
    p.Face(bottomBackLeft, bottomFrontLeft, bottomFrontRight, bottomBackRight, {0, -1, 0});
}

void ModelBuilder::AddCylinder(int group, Vec3 base, float radius, float length, Axis axis,
                               int segments) {
    CheckGroup(group);
    CheckPositive(radius, "radius");
    CheckPositive(length, "length");
    if (segments < 3) throw std::invalid_argument("a cylinder needs 3 sides or more");

    // The cylinder in its own frame: along `along`, around it in the plane of `u` and `w`.
    // Lying down, the first side vertex points up, so an even number of sides has a vertex
    // at the bottom as well.
    Vec3 along, u, w;
    Vec3 start = base;
    switch (axis) {
        case Axis::Y:
            along = {0, 1, 0}, u = {1, 0, 0}, w = {0, 0, 1};
            break;
        case Axis::X:
            along = {1, 0, 0}, u = {0, 1, 0}, w = {0, 0, 1};
            start.x -= length / 2;
            break;
        case Axis::Z:
            along = {0, 0, 1}, u = {0, 1, 0}, w = {1, 0, 0};
            start.z -= length / 2;
            break;
    }
    std::vector<std::pair<float, float>> ring(segments);
    float lowest = 0.0f;
    for (int i = 0; i < segments; ++i) {
        const float angle =
            2.0f * std::numbers::pi_v<float> * static_cast<float>(i) / static_cast<float>(segments);
        ring[i] = {radius * std::cos(angle), radius * std::sin(angle)};
        lowest = std::min(lowest, u.y * ring[i].first + w.y * ring[i].second);
    }
    // The lowest side vertex rests on the base.
    start.y -= lowest;
    auto at = [&](float a, float cu, float cw) {
        return Vec3{start.x + along.x * a + (u.x * cu + w.x * cw),
                    start.y + along.y * a + (u.y * cu + w.y * cw),
                    start.z + along.z * a + (u.z * cu + w.z * cw)};
    };
    std::vector<Vec3> radial(segments);
    std::vector<Vec3> low(segments), high(segments);
    for (int i = 0; i < segments; ++i) {
        const auto [cu, cw] = ring[i];
        radial[i] = Normalised({u.x * cu + w.x * cw, u.y * cu + w.y * cw, u.z * cu + w.z * cw});
        low[i] = at(0.0f, cu, cw);
        high[i] = at(length, cu, cw);
    }
    const Vec3 lowCentre = at(0.0f, 0.0f, 0.0f);
    const Vec3 highCentre = at(length, 0.0f, 0.0f);
    const Vec3 back{-along.x, -along.y, -along.z};

    Primitive p(*this, group);
    for (int i = 0; i < segments; ++i) {
        const int j = (i + 1) % segments;
        const float s0 = static_cast<float>(i) / static_cast<float>(segments);
        const float s1 = static_cast<float>(i + 1) / static_cast<float>(segments);
        // The side is smooth: each corner takes the normal pointing away from the axis.
        const Corner lowI{low[i], radial[i], s0, 0}, lowJ{low[j], radial[j], s1, 0};
        const Corner highI{high[i], radial[i], s0, 1}, highJ{high[j], radial[j], s1, 1};
        const Vec3 middle = Normalised(
            {radial[i].x + radial[j].x, radial[i].y + radial[j].y, radial[i].z + radial[j].z});
        p.Triangle(lowI, lowJ, highJ, middle);
        p.Triangle(lowI, highJ, highI, middle);
        // The caps are flat fans around their centres.
        auto capUv = [&](int k, float sign) {
            return std::pair{0.5f + 0.5f * Dot(radial[k], u),
                             0.5f + sign * 0.5f * Dot(radial[k], w)};
        };
        const auto [lu0, lv0] = capUv(i, -1.0f);
        const auto [lu1, lv1] = capUv(j, -1.0f);
        p.Triangle({lowCentre, back, 0.5f, 0.5f}, {low[j], back, lu1, lv1},
                   {low[i], back, lu0, lv0}, back);
        const auto [hu0, hv0] = capUv(i, 1.0f);
        const auto [hu1, hv1] = capUv(j, 1.0f);
        p.Triangle({highCentre, along, 0.5f, 0.5f}, {high[i], along, hu0, hv0},
                   {high[j], along, hu1, hv1}, along);
    }
}

void CentreOnFloor(Ms3dModel& model) {
    if (model.vertices.empty()) return;
    Vec3 low{model.vertices[0].x, model.vertices[0].y, model.vertices[0].z};
    Vec3 high = low;
    for (const Ms3dVertex& v : model.vertices) {
        low = {std::min(low.x, v.x), std::min(low.y, v.y), std::min(low.z, v.z)};
        high = {std::max(high.x, v.x), std::max(high.y, v.y), std::max(high.z, v.z)};
    }
    const Vec3 shift{-(low.x + high.x) / 2, -low.y, -(low.z + high.z) / 2};
    for (Ms3dVertex& v : model.vertices) {
        v.x += shift.x;
        v.y += shift.y;
        v.z += shift.z;
    }
}

void ModelBuilder::CentreOnFloor() {
    model::CentreOnFloor(model);
}

}  // namespace content::model
