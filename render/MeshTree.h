#pragma once
// One model: the mesh read from a MilkShape 3D file, shared by every copy of it, plus what
// belongs to one placed copy: its transform, bounds, collision radius, collision boxes and
// drawing flags.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/ContentRecords.h"
#include "app/Matrix.h"
#include "app/Vector3.h"

// No triangle shares this edge. Distinct from every "index + 1" a 16-bit triangle count allows.
constexpr std::uint32_t kNoNeighbour = 0xFFFFFFFFu;

struct MeshTriangle {
    std::uint16_t vertexIndices[3] = {};
    float normals[3][3] = {};  // one per corner, corner 0 first
    float s[3] = {};
    float t[3] = {};  // 1 minus the file's value
    // Shadow data only: a, b, c, d of a x + b y + c z + d = 0 through the corners (not
    // normalised; positive in front), and per edge k (corner k to corner k + 1 mod 3) the
    // index + 1 of the triangle that shares it, or kNoNeighbour.
    float faceEquation[4] = {};
    std::uint32_t neighbours[3] = {kNoNeighbour, kNoNeighbour, kNoNeighbour};
};

struct MeshGroup {
    std::string name;
    std::uint16_t triangleCount = 0;
    std::vector<std::uint16_t> triangleIndices;
    signed char materialIndex = -1;  // -1: no material
    // The triangles corner by corner, in the order of triangleIndices, ready for vertex
    // arrays: x, y, z; the corner's normal; s, t. Made by the loader.
    std::vector<float> positions;
    std::vector<float> normals;
    std::vector<float> texCoords;
};

struct MeshMaterial {
    std::string name;
    float ambient[4] = {};
    float diffuse[4] = {};
    float specular[4] = {};
    float emissive[4] = {};
    float shininess = 0.0f;
    float transparency = 0.0f;  // read, not drawn
    unsigned texture = 0;       // 0: none
    std::string textureFile;    // as stored in the file
    std::string alphaMapFile;   // read, not used
};

// The order in which the shadow volumes walk the triangles: every group's triangles, one
// group after the other.
struct MeshShadowIndex {
    std::uint32_t count = 0;
    std::vector<std::uint16_t> order;
    // Whether every edge joins two faces that agree on the outside, and the box round all the
    // vertices: seen wholly from outside, such a mesh needs only its silhouette outlined.
    bool closed = false;
    float vertexMin[3] = {};
    float vertexMax[3] = {};
};

// The mesh of one model file. Made once by the loader and never changed afterwards.
struct MeshData {
    std::vector<std::array<float, 3>> vertices;
    std::vector<MeshTriangle> triangles;
    std::vector<MeshGroup> groups;
    std::vector<MeshMaterial> materials;
    // Null when the model was loaded without shadow data.
    std::unique_ptr<const MeshShadowIndex> shadowIndex;
};

class MeshTree {
public:
    MeshTree() = default;
    // A copy shares the mesh and has its own boxes and flags, but no matrix until
    // ResetMatrix or SetMatrix.
    MeshTree(const MeshTree& other);
    MeshTree& operator=(const MeshTree& other);
    MeshTree(MeshTree&&) noexcept = default;
    MeshTree& operator=(MeshTree&&) noexcept = default;
    ~MeshTree() = default;

    // Copies the sixteen floats in, first making a matrix when there is none.
    void SetMatrix(const float m[16]);
    // Both give the model a new identity matrix.
    void AllocateMatrix();
    void ResetMatrix();
    // A move along the world axes; nothing without a matrix.
    void Translate(float dx, float dy, float dz);
    // Turns by speed x the frame time about the world axis through the model's own position;
    // nothing without a matrix.
    void RotateX(float speed);
    void RotateY(float speed);
    void RotateZ(float speed);

    const MeshShadowIndex* GetShadowIndex() const {
        return mesh ? mesh->shadowIndex.get() : nullptr;
    }

    std::unique_ptr<Mat44> matrix;
    std::shared_ptr<const MeshData> mesh;
    // Per triangle, whether it faces the light: rewritten by every shadow-volume pass, so each
    // copy keeps its own. Sized to the triangles when the mesh has shadow data.
    std::vector<std::uint8_t> facesLight;
    Vector3 centreOffset;
    float radius = 0.0f;  // on the floor, from x and z only
    float boundsMin[3] = {};
    float boundsMax[3] = {};
    std::vector<Box> boxes;
    bool celShaded = false;
    bool lit = false;
    bool inRenderList = false;
    bool outlined = false;
    bool castsShadow = false;
    bool transparent = false;
    bool scenery = false;
    bool revealsUnderCaster = false;
    bool visible = false;
    bool drawBlack = false;
    int groupCount = 0;

private:
    void CopyInstanceFrom(const MeshTree& other);
};
