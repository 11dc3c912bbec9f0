#include "Ms3dWriter.h"

#include <bit>
#include <fstream>
#include <limits>
#include <stdexcept>

namespace content::model {
namespace {

constexpr std::size_t kNameSize = 32;
constexpr std::size_t kPathSize = 128;
// What MilkShape writes after the materials: 24 frames a second, 30 frames, no joints.
constexpr float kAnimationFps = 24.0f;
constexpr std::int32_t kTotalFrames = 30;

class Bytes {
public:
    void U8(std::uint8_t v) { out.push_back(v); }
    void I8(std::int8_t v) { U8(static_cast<std::uint8_t>(v)); }
    void U16(std::uint16_t v) {
        U8(static_cast<std::uint8_t>(v & 0xFF));
        U8(static_cast<std::uint8_t>(v >> 8));
    }
    void U32(std::uint32_t v) {
        for (int shift = 0; shift < 32; shift += 8) U8(static_cast<std::uint8_t>(v >> shift));
    }
    void I32(std::int32_t v) { U32(static_cast<std::uint32_t>(v)); }
    void Float(float v) { U32(std::bit_cast<std::uint32_t>(v)); }
    void Floats(const float* v, int count) {
        for (int i = 0; i < count; ++i) Float(v[i]);
    }
    // A text padded with NULs to `size`, leaving room for at least one.
    void Text(const std::string& text, std::size_t size, const char* what) {
        if (text.size() >= size || text.find('\0') != std::string::npos)
            throw std::invalid_argument(std::string(what) + " too long: " + text);
        out.insert(out.end(), text.begin(), text.end());
        out.insert(out.end(), size - text.size(), 0);
    }
    void Count(std::size_t count, const char* what) {
        if (count > std::numeric_limits<std::uint16_t>::max())
            throw std::invalid_argument(std::string("too many ") + what);
        U16(static_cast<std::uint16_t>(count));
    }

    std::vector<std::uint8_t> out;
};

}  // namespace

Ms3dMaterial SolidMaterial(const std::string& name, float r, float g, float b,
                           const std::string& textureFile) {
    Ms3dMaterial material;
    material.name = name;
    const float diffuse[4] = {r, g, b, 1.0f};
    for (int i = 0; i < 4; ++i) {
        material.diffuse[i] = diffuse[i];
        material.ambient[i] = i < 3 ? diffuse[i] * 0.5f : 1.0f;
        material.specular[i] = i < 3 ? 0.0f : 1.0f;
        material.emissive[i] = i < 3 ? 0.0f : 1.0f;
    }
    material.textureFile = textureFile;
    return material;
}

std::vector<std::uint8_t> EncodeMs3d(const Ms3dModel& model) {
    std::vector<std::uint8_t> references(model.vertices.size(), 0);
    for (const Ms3dTriangle& triangle : model.triangles)
        for (std::uint16_t index : triangle.vertexIndices)
            if (index < references.size() && references[index] < 255) ++references[index];
    std::vector<std::uint8_t> groupOf(model.triangles.size(), 0);
    for (std::size_t g = 0; g < model.groups.size(); ++g)
        for (std::uint16_t index : model.groups[g].triangleIndices)
            if (index < groupOf.size()) groupOf[index] = static_cast<std::uint8_t>(g);

    Bytes bytes;
    for (char c : std::string("MS3D000000")) bytes.U8(static_cast<std::uint8_t>(c));
    bytes.I32(model.version);

    bytes.Count(model.vertices.size(), "vertices");
    for (std::size_t v = 0; v < model.vertices.size(); ++v) {
        const Ms3dVertex& vertex = model.vertices[v];
        bytes.U8(vertex.flags);
        bytes.Float(vertex.x);
        bytes.Float(vertex.y);
        bytes.Float(vertex.z);
        bytes.I8(vertex.boneId);
        bytes.U8(references[v]);
    }

    bytes.Count(model.triangles.size(), "triangles");
    for (std::size_t t = 0; t < model.triangles.size(); ++t) {
        const Ms3dTriangle& triangle = model.triangles[t];
        bytes.U16(triangle.flags);
        for (std::uint16_t index : triangle.vertexIndices) bytes.U16(index);
        for (const float* normal : triangle.normals) bytes.Floats(normal, 3);
        bytes.Floats(triangle.s, 3);
        bytes.Floats(triangle.t, 3);
        bytes.U8(triangle.smoothingGroup);
        bytes.U8(groupOf[t]);
    }

    bytes.Count(model.groups.size(), "groups");
    for (const Ms3dGroup& group : model.groups) {
        bytes.U8(group.flags);
        bytes.Text(group.name, kNameSize, "group name");
        bytes.Count(group.triangleIndices.size(), "triangles in a group");
        for (std::uint16_t index : group.triangleIndices) bytes.U16(index);
        bytes.I8(group.materialIndex);
    }

    bytes.Count(model.materials.size(), "materials");
    for (const Ms3dMaterial& material : model.materials) {
        bytes.Text(material.name, kNameSize, "material name");
        bytes.Floats(material.ambient, 4);
        bytes.Floats(material.diffuse, 4);
        bytes.Floats(material.specular, 4);
        bytes.Floats(material.emissive, 4);
        bytes.Float(material.shininess);
        bytes.Float(material.transparency);
        bytes.I8(material.mode);
        bytes.Text(material.textureFile, kPathSize, "texture file");
        bytes.Text(material.alphaMapFile, kPathSize, "alpha map file");
    }

    bytes.Float(kAnimationFps);
    bytes.Float(0.0f);  // current time
    bytes.I32(kTotalFrames);
    bytes.U16(0);  // joints
    return std::move(bytes.out);
}

bool WriteMs3d(const std::filesystem::path& file, const Ms3dModel& model, std::string& error) {
    std::vector<std::uint8_t> bytes;
    try {
        bytes = EncodeMs3d(model);
    } catch (const std::invalid_argument& problem) {
        error = file.string() + ": " + problem.what();
        return false;
    }
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (out)
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        error = "cannot write " + file.string();
        return false;
    }
    return true;
}

}  // namespace content::model
