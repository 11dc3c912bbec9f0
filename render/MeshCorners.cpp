#include "render/MeshCorners.h"

#include "render/MeshTree.h"

namespace {

bool CornersInRange(const MeshData& mesh, const MeshTriangle& triangle) {
    for (const std::uint16_t vertex : triangle.vertexIndices)
        if (vertex >= mesh.vertices.size()) return false;
    return true;
}

}  // namespace

void BuildGroupCorners(const MeshData& mesh, MeshGroup& group) {
    group.positions.clear();
    group.normals.clear();
    group.texCoords.clear();
    group.positions.reserve(9 * group.triangleIndices.size());
    group.normals.reserve(9 * group.triangleIndices.size());
    group.texCoords.reserve(6 * group.triangleIndices.size());
    for (const std::uint16_t index : group.triangleIndices) {
        if (index >= mesh.triangles.size()) continue;
        const MeshTriangle& triangle = mesh.triangles[index];
        if (!CornersInRange(mesh, triangle)) continue;
        for (int corner = 0; corner < 3; ++corner) {
            const auto& position = mesh.vertices[triangle.vertexIndices[corner]];
            group.positions.insert(group.positions.end(), position.begin(), position.end());
            const float* normal = triangle.normals[corner];
            group.normals.insert(group.normals.end(), normal, normal + 3);
            group.texCoords.push_back(triangle.s[corner]);
            group.texCoords.push_back(triangle.t[corner]);
        }
    }
}
