#pragma once
// Models for the loader's tests, written by the content tool's writer.
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "Ms3dWriter.h"
#include "render/MS3DLoader.h"

namespace fixtures {

using content::model::Ms3dGroup;
using content::model::Ms3dMaterial;
using content::model::Ms3dModel;
using content::model::Ms3dTriangle;
using content::model::Ms3dVertex;

inline Ms3dVertex Vertex(float x, float y, float z) {
    Ms3dVertex v;
    v.x = x;
    v.y = y;
    v.z = z;
    return v;
}

inline Ms3dTriangle Triangle(std::uint16_t a, std::uint16_t b, std::uint16_t c) {
    Ms3dTriangle t;
    t.vertexIndices = {a, b, c};
    for (int k = 0; k < 3; ++k) {
        t.normals[k][0] = 0.0f;
        t.normals[k][1] = 1.0f;
        t.normals[k][2] = 0.0f;
        t.s[k] = 0.1f * static_cast<float>(k + 1);
        t.t[k] = 0.25f * static_cast<float>(k);
    }
    return t;
}

inline Ms3dGroup Group(const std::string& name, std::vector<std::uint16_t> triangles,
                       std::int8_t material) {
    Ms3dGroup g;
    g.name = name;
    g.triangleIndices = std::move(triangles);
    g.materialIndex = material;
    return g;
}

// A flat square of two triangles in one group with one textured material.
inline Ms3dModel Square() {
    Ms3dModel m;
    m.vertices = {Vertex(-1, 0, -1), Vertex(1, 0, -1), Vertex(1, 0, 1), Vertex(-1, 0, 1)};
    m.triangles = {Triangle(0, 2, 1), Triangle(0, 3, 2)};
    m.groups = {Group("floor", {0, 1}, 0)};
    m.materials = {
        content::model::SolidMaterial("tiles", 0.5f, 0.25f, 1.0f, "..\\Textures\\crate.bmp")};
    return m;
}

// Where each block of an encoded model starts.
struct Layout {
    std::size_t vertices, triangles, groups, materials, end;
};

inline Layout LayoutOf(const Ms3dModel& m) {
    Layout l;
    l.vertices = content::model::kMs3dHeaderSize;
    l.triangles = l.vertices + 2 + m.vertices.size() * content::model::kMs3dVertexSize;
    l.groups = l.triangles + 2 + m.triangles.size() * content::model::kMs3dTriangleSize;
    l.materials = l.groups + 2;
    for (const Ms3dGroup& g : m.groups)
        l.materials += content::model::Ms3dGroupSize(g.triangleIndices.size());
    l.end = l.materials + 2 + m.materials.size() * content::model::kMs3dMaterialSize;
    return l;
}

inline std::string Bytes(const Ms3dModel& m) {
    const std::vector<std::uint8_t> bytes = content::model::EncodeMs3d(m);
    return std::string(bytes.begin(), bytes.end());
}

// Reads the bytes with `loader`.
inline void Read(MS3DLoader& loader, const std::string& bytes, MeshTree& model,
                 bool withShadowData = true) {
    std::istringstream in(bytes, std::ios::binary);
    loader.ReadStream(in, &model, withShadowData);
}

// Remembers every texture asked for and answers with numbers from 100 on.
class RecordingTextures : public TextureSource {
public:
    unsigned LoadTexture(const std::string& path) override {
        requested.push_back(path);
        return 100 + static_cast<unsigned>(requested.size()) - 1;
    }
    std::vector<std::string> requested;
};

}  // namespace fixtures
