#include "render/MS3DLoader.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "app/FileLoader.h"
#include "app/MessageBox.h"
#include "platform/ContentLimits.h"
#include "platform/Files.h"
#include "render/MeshCorners.h"
#include "render/MeshEdges.h"
#include "render/MeshNeighbours.h"

namespace {

constexpr char kMagic[] = "MS3D000000";
constexpr std::size_t kMagicLength = 10;
constexpr std::int32_t kOldestVersion = 3;
constexpr std::size_t kVertexRecord = 15;
constexpr std::size_t kTriangleRecord = 70;
constexpr std::size_t kNameLength = 32;
constexpr std::size_t kMaterialRecord = 361;
constexpr std::size_t kPathLength = 128;
// Only vertices strictly inside this band of heights count for the collision radius.
constexpr float kRadiusBandLow = -2.0f;
constexpr float kRadiusBandHigh = 4.0f;

constexpr const char* kInvalidModel = "Not a valid MS3D Model";

[[noreturn]] void Refuse(const char* message) {
    throw ModelLoadError(message);
}

// Little-endian fields out of one record; every record is read whole first, so a file that
// ends early is refused before any field of the record is used.
class Record {
public:
    Record(std::istream& in, std::size_t size) : bytes(size) {
        if (size &&
            !in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size)))
            Refuse(kInvalidModel);
    }

    std::uint8_t U8() { return Take(1)[0]; }
    std::int8_t I8() { return static_cast<std::int8_t>(U8()); }
    std::uint16_t U16() {
        const std::uint8_t* b = Take(2);
        return static_cast<std::uint16_t>(b[0] | (b[1] << 8));
    }
    std::uint32_t U32() {
        const std::uint8_t* b = Take(4);
        return static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
               (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
    }
    std::int32_t I32() { return static_cast<std::int32_t>(U32()); }
    float Float() { return std::bit_cast<float>(U32()); }
    void Floats(float* out, int count) {
        for (int i = 0; i < count; ++i) out[i] = Float();
    }
    // A fixed-size text field; it must end within its size.
    std::string Text(std::size_t size) {
        const std::uint8_t* b = Take(size);
        const void* end = std::memchr(b, 0, size);
        if (!end) Refuse(kInvalidModel);
        return std::string(reinterpret_cast<const char*>(b),
                           static_cast<const std::uint8_t*>(end) - b);
    }
    void Skip(std::size_t size) { Take(size); }

private:
    const std::uint8_t* Take(std::size_t size) {
        const std::uint8_t* at = bytes.data() + used;
        used += size;
        return at;
    }

    std::vector<std::uint8_t> bytes;
    std::size_t used = 0;
};

std::uint16_t ReadCount(std::istream& in) {
    return Record(in, 2).U16();
}

void ComputeFaceEquation(const MeshData& mesh, MeshTriangle& triangle) {
    const auto& p1 = mesh.vertices[triangle.vertexIndices[0]];
    const auto& p2 = mesh.vertices[triangle.vertexIndices[1]];
    const auto& p3 = mesh.vertices[triangle.vertexIndices[2]];
    const float x1 = p1[0], y1 = p1[1], z1 = p1[2];
    const float x2 = p2[0], y2 = p2[1], z2 = p2[2];
    const float x3 = p3[0], y3 = p3[1], z3 = p3[2];
    float* e = triangle.faceEquation;
    e[0] = y1 * (z2 - z3) + y2 * (z3 - z1) + y3 * (z1 - z2);
    e[1] = z1 * (x2 - x3) + z2 * (x3 - x1) + z3 * (x1 - x2);
    e[2] = x1 * (y2 - y3) + x2 * (y3 - y1) + x3 * (y1 - y2);
    e[3] = -(x1 * (y2 * z3 - y3 * z2) + x2 * (y3 * z1 - y1 * z3) + x3 * (y1 * z2 - y2 * z1));
}

// The box round every vertex; all zero without vertices.
void VertexBox(const MeshData& mesh, float boxMin[3], float boxMax[3]) {
    for (int axis = 0; axis < 3; ++axis) boxMin[axis] = boxMax[axis] = 0.0f;
    if (mesh.vertices.empty()) return;
    for (int axis = 0; axis < 3; ++axis) boxMin[axis] = boxMax[axis] = mesh.vertices[0][axis];
    for (const auto& vertex : mesh.vertices) {
        for (int axis = 0; axis < 3; ++axis) {
            boxMin[axis] = std::min(boxMin[axis], vertex[axis]);
            boxMax[axis] = std::max(boxMax[axis], vertex[axis]);
        }
    }
}

}  // namespace

void MS3DLoader::Load(const char* file, MeshTree* model, bool withShadowData) {
    if (!file || !*file) Refuse("Invalid or empty filename");
    ReadFile(file, model, withShadowData);
}

void MS3DLoader::ReadFile(const char* file, MeshTree* model, bool withShadowData) {
    if (!model) Refuse("Internal error: MeshTree model is <null>!");
    std::string bytes;
    if (!file || platform::ReadContentFile(file, contentlimits::kMaxModelFileBytes, bytes) !=
                     platform::ContentRead::Read)
        Refuse("File not found");
    std::istringstream in(std::move(bytes));
    ReadStream(in, model, withShadowData);
}

void MS3DLoader::ReadHeader(std::istream& in) {
    char magic[kMagicLength];
    if (!in.read(magic, kMagicLength) || std::memcmp(magic, kMagic, kMagicLength) != 0)
        Refuse(kInvalidModel);
    if (Record(in, 4).I32() < kOldestVersion) Refuse("Outdated version number - version 1.3+ only");
}

// The arrays grow with the records actually read, so a count that the file does not back up
// costs nothing.
void MS3DLoader::ReadVertices(std::istream& in, MeshData& mesh, Extent& extent) {
    vertexCount = ReadCount(in);
    for (std::uint32_t v = 0; v < vertexCount; ++v) {
        Record record(in, kVertexRecord);
        record.Skip(1);  // flags
        auto& p = mesh.vertices.emplace_back();
        record.Floats(p.data(), 3);
        for (int c = 0; c < 3; ++c) {
            if (v == 0) extent.boundsMin[c] = extent.boundsMax[c] = p[c];
            if (p[c] < extent.boundsMin[c]) extent.boundsMin[c] = p[c];
            if (p[c] > extent.boundsMax[c]) extent.boundsMax[c] = p[c];
        }
        if (p[1] > kRadiusBandLow && p[1] < kRadiusBandHigh) {
            const float distance = std::sqrt(p[0] * p[0] + p[2] * p[2]);
            if (distance > extent.radius) extent.radius = distance;
        }
    }
}

void MS3DLoader::ReadTriangles(std::istream& in, MeshData& mesh) {
    triangleCount = ReadCount(in);
    for (std::uint32_t n = 0; n < triangleCount; ++n) {
        Record record(in, kTriangleRecord);
        MeshTriangle& triangle = mesh.triangles.emplace_back();
        record.Skip(2);  // flags
        for (std::uint16_t& index : triangle.vertexIndices) {
            index = record.U16();
            if (index >= vertexCount) Refuse(kInvalidModel);
        }
        for (float* normal : triangle.normals) record.Floats(normal, 3);
        record.Floats(triangle.s, 3);
        record.Floats(triangle.t, 3);
        for (float& t : triangle.t) t = 1.0f - t;
    }
}

void MS3DLoader::ReadGroups(std::istream& in, MeshData& mesh) {
    groupCount = ReadCount(in);
    std::vector<bool> listed(triangleCount, false);
    std::size_t listedCount = 0;
    for (std::uint32_t n = 0; n < groupCount; ++n) {
        Record head(in, 1 + kNameLength + 2);
        MeshGroup& group = mesh.groups.emplace_back();
        head.Skip(1);  // flags
        group.name = head.Text(kNameLength);
        group.triangleCount = head.U16();
        Record indices(in, 2 * std::size_t{group.triangleCount} + 1);
        group.triangleIndices.resize(group.triangleCount);
        // Every triangle belongs to exactly one group: the drawing and the shadow walk rely
        // on it.
        for (std::uint16_t& index : group.triangleIndices) {
            index = indices.U16();
            if (index >= triangleCount || listed[index]) Refuse(kInvalidModel);
            listed[index] = true;
            ++listedCount;
        }
        group.materialIndex = indices.I8();
    }
    if (listedCount != triangleCount) Refuse(kInvalidModel);
}

void MS3DLoader::ReadMaterials(std::istream& in, MeshData& mesh) {
    materialCount = ReadCount(in);
    for (std::uint32_t n = 0; n < materialCount; ++n) {
        Record record(in, kMaterialRecord);
        MeshMaterial& material = mesh.materials.emplace_back();
        material.name = record.Text(kNameLength);
        record.Floats(material.ambient, 4);
        record.Floats(material.diffuse, 4);
        record.Floats(material.specular, 4);
        record.Floats(material.emissive, 4);
        material.shininess = record.Float();
        material.transparency = record.Float();
        record.Skip(1);  // mode
        material.textureFile = record.Text(kPathLength);
        material.alphaMapFile = record.Text(kPathLength);
    }
    for (const MeshGroup& group : mesh.groups)
        if (group.materialIndex < -1 || group.materialIndex >= static_cast<int>(materialCount))
            Refuse(kInvalidModel);
}

void MS3DLoader::BuildShadowData(MeshData& mesh) {
    for (MeshTriangle& triangle : mesh.triangles) ComputeFaceEquation(mesh, triangle);
    auto shadow = std::make_unique<MeshShadowIndex>();
    shadow->count = triangleCount;
    shadow->order.reserve(triangleCount);
    for (const MeshGroup& group : mesh.groups)
        shadow->order.insert(shadow->order.end(), group.triangleIndices.begin(),
                             group.triangleIndices.end());
    LinkNeighbours(*shadow, mesh.triangles);
    VertexBox(mesh, shadow->vertexMin, shadow->vertexMax);
    shadow->closed = MeshIsClosed(mesh);
    mesh.shadowIndex = std::move(shadow);
}

// The texture names are stored relative to the models' folder ("..\Textures\x.bmp"): their
// first two characters are dropped and the rest read under the art folder. A name too short
// for that has no texture.
void MS3DLoader::LoadTextures(MeshData& mesh) {
    TextureSource& source = textures ? *textures : GetModelTextureSource();
    for (MeshMaterial& material : mesh.materials)
        if (material.textureFile.size() >= 2)
            material.texture =
                source.LoadTexture(".\\RESOURCES\\Art" + material.textureFile.substr(2));
}

void MS3DLoader::ReadStream(std::istream& in, MeshTree* model, bool withShadowData) {
    if (!model) Refuse("Internal error: MeshTree model is <null>!");
    ReadHeader(in);

    // Everything is read into a mesh of its own first and handed to the model only once the
    // whole file has proved sound.
    auto mesh = std::make_shared<MeshData>();
    Extent extent;
    ReadVertices(in, *mesh, extent);
    ReadTriangles(in, *mesh);
    ReadGroups(in, *mesh);
    for (MeshGroup& group : mesh->groups) BuildGroupCorners(*mesh, group);
    ReadMaterials(in, *mesh);
    if (withShadowData) BuildShadowData(*mesh);
    LoadTextures(*mesh);

    model->mesh = std::move(mesh);
    model->facesLight.assign(withShadowData ? triangleCount : 0, 0);
    model->radius = extent.radius;
    std::copy(std::begin(extent.boundsMin), std::end(extent.boundsMin), model->boundsMin);
    std::copy(std::begin(extent.boundsMax), std::end(extent.boundsMax), model->boundsMax);
    model->groupCount = static_cast<int>(groupCount);
    model->ResetMatrix();
    model->lit = model->outlined = model->castsShadow = model->scenery = model->visible = true;
    model->celShaded = model->inRenderList = model->transparent = model->revealsUnderCaster =
        model->drawBlack = false;
    totalTriangles += triangleCount;
}

// The FileLoader's model entry lives here, beside the reader it owns, since the app library
// cannot see the render one.
std::unique_ptr<MeshTree> FileLoader::LoadModel(const char* path, bool withShadowData) {
    if (!modelLoaderWanted) return nullptr;
    if (!modelLoader) modelLoader = {new MS3DLoader(), [](MS3DLoader* loader) { delete loader; }};
    auto model = std::make_unique<MeshTree>();
    try {
        modelLoader->Load(path, model.get(), withShadowData);
    } catch (const ModelLoadError& error) {
        const std::string caption = path ? path : "";
        if (reportedModels.insert(caption).second)
            MessageBox(error.what(), caption.c_str(), MB_ICONERROR);
        return nullptr;
    }
    return model;
}
