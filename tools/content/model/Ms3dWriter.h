#pragma once
// MilkShape 3D files as the game reads them: little-endian, packed records written field by
// field, version 4. The writer checks only what the format can hold (16-bit counts, text
// that fits its field with its terminating NUL); whether the indices make sense is the
// caller's business, so tests can write broken models on purpose.
#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace content::model {

struct Ms3dVertex {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    std::uint8_t flags = 0;
    std::int8_t boneId = -1;
};

struct Ms3dTriangle {
    std::uint16_t flags = 0;
    std::array<std::uint16_t, 3> vertexIndices = {};
    float normals[3][3] = {};  // per corner
    float s[3] = {};
    float t[3] = {};  // as stored: 0 is the top of the image
    std::uint8_t smoothingGroup = 1;
};

struct Ms3dGroup {
    std::uint8_t flags = 0;
    std::string name;  // at most 31 characters
    std::vector<std::uint16_t> triangleIndices;
    std::int8_t materialIndex = -1;  // -1: none
};

struct Ms3dMaterial {
    std::string name;  // at most 31 characters
    float ambient[4] = {};
    float diffuse[4] = {};
    float specular[4] = {};
    float emissive[4] = {};
    float shininess = 0.0f;
    float transparency = 1.0f;  // 1 is opaque
    std::int8_t mode = 0;
    std::string textureFile;   // at most 127 characters, such as "..\Textures\crate.bmp"
    std::string alphaMapFile;  // at most 127 characters
};

struct Ms3dModel {
    std::int32_t version = 4;
    std::vector<Ms3dVertex> vertices;
    std::vector<Ms3dTriangle> triangles;
    std::vector<Ms3dGroup> groups;
    std::vector<Ms3dMaterial> materials;
};

// Byte sizes of the fixed records.
constexpr std::size_t kMs3dHeaderSize = 14;
constexpr std::size_t kMs3dVertexSize = 15;
constexpr std::size_t kMs3dTriangleSize = 70;
constexpr std::size_t kMs3dMaterialSize = 361;
constexpr std::size_t Ms3dGroupSize(std::size_t triangles) {
    return 36 + 2 * triangles;
}

// A material of one colour: the diffuse colour with alpha 1, ambient at half of it, no
// specular or emissive light, and an optional texture name.
Ms3dMaterial SolidMaterial(const std::string& name, float r, float g, float b,
                           const std::string& textureFile = "");

// The file's bytes. Throws std::invalid_argument when a count or a text does not fit.
// Each vertex's reference count and each triangle's group index are taken from the model.
std::vector<std::uint8_t> EncodeMs3d(const Ms3dModel& model);

// Writes the file; false with the reason in `error` when it cannot.
bool WriteMs3d(const std::filesystem::path& file, const Ms3dModel& model, std::string& error);

}  // namespace content::model
