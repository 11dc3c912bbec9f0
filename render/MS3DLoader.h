#pragma once
// Reads MilkShape 3D model files (.ms3d) into a MeshTree: vertices, triangles, groups and
// materials, the bounds and collision radius, the material textures and, on request, the
// data that stencil shadow volumes need.
#include <cstdint>
#include <istream>
#include <stdexcept>

#include "render/MeshTree.h"
#include "render/TextureSource.h"

// A file the loader refuses; the message says why in the game's words.
class ModelLoadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class MS3DLoader {
public:
    // Material textures come from `textures`, or from the model texture source when null.
    explicit MS3DLoader(TextureSource* textures = nullptr) : textures(textures) {}

    // Fills `model` from `file`. Throws ModelLoadError; a refused file leaves `model` as it
    // was.
    void Load(const char* file, MeshTree* model, bool withShadowData);
    void ReadFile(const char* file, MeshTree* model, bool withShadowData);
    // The same from a stream of the file's bytes.
    void ReadStream(std::istream& in, MeshTree* model, bool withShadowData);

    // Triangles of every model read since the loader was made.
    std::uint32_t GetTotalTriangles() const { return totalTriangles; }

private:
    // The floor extent that the vertices give: bounds, and the collision radius from the
    // vertices of the collision band.
    struct Extent {
        float boundsMin[3] = {};
        float boundsMax[3] = {};
        float radius = 0.0f;
    };
    // The steps of one read, in file order; each refuses what it cannot use.
    void ReadHeader(std::istream& in);
    void ReadVertices(std::istream& in, MeshData& mesh, Extent& extent);
    void ReadTriangles(std::istream& in, MeshData& mesh);
    void ReadGroups(std::istream& in, MeshData& mesh);
    void ReadMaterials(std::istream& in, MeshData& mesh);
    void BuildShadowData(MeshData& mesh);
    void LoadTextures(MeshData& mesh);

    TextureSource* textures;
    // The counts of the file read last.
    std::uint32_t vertexCount = 0;
    std::uint32_t triangleCount = 0;
    std::uint32_t groupCount = 0;
    std::uint32_t materialCount = 0;
    std::uint32_t totalTriangles = 0;
};
