#include "render/MeshEdges.h"

#include <algorithm>

#include "render/MeshTree.h"

namespace {

bool ValidNeighbour(std::uint32_t neighbour, std::size_t triangles) {
    return neighbour != kNoNeighbour && neighbour != 0 && neighbour - 1 < triangles;
}

// The neighbour across edge k of `triangle` runs the edge the other way and names `triangle`
// back on it: the two faces agree on which side is outside.
bool SharesEdgeBack(const MeshData& mesh, std::uint16_t index, int k) {
    const MeshTriangle& triangle = mesh.triangles[index];
    const MeshTriangle& other = mesh.triangles[triangle.neighbours[k] - 1];
    const std::uint16_t from = triangle.vertexIndices[k];
    const std::uint16_t to = triangle.vertexIndices[(k + 1) % 3];
    for (int edge = 0; edge < 3; ++edge) {
        if (other.vertexIndices[edge] == to && other.vertexIndices[(edge + 1) % 3] == from)
            return other.neighbours[edge] == std::uint32_t{index} + 1u;
    }
    return false;
}

}  // namespace

void AppendBorderEdges(const MeshData& mesh, std::span<const std::uint16_t> order,
                       const std::vector<std::uint8_t>& chosen, std::vector<MeshEdge>& edges) {
    const std::size_t triangles = std::min(mesh.triangles.size(), chosen.size());
    for (const std::uint16_t index : order) {
        if (index >= triangles || !chosen[index]) continue;
        const MeshTriangle& triangle = mesh.triangles[index];
        for (int edge = 0; edge < 3; ++edge) {
            const std::uint32_t neighbour = triangle.neighbours[edge];
            if (ValidNeighbour(neighbour, triangles) && chosen[neighbour - 1]) continue;
            edges.push_back({triangle.vertexIndices[edge], triangle.vertexIndices[(edge + 1) % 3]});
        }
    }
}

bool MeshIsClosed(const MeshData& mesh) {
    const std::size_t triangles = mesh.triangles.size();
    // A triangle that no group lists is never drawn: a hole where it stands.
    std::vector<std::uint8_t> listed(triangles, 0);
    for (const MeshGroup& group : mesh.groups) {
        for (const std::uint16_t index : group.triangleIndices) {
            if (index >= triangles) return false;
            listed[index] = 1;
        }
    }
    for (std::size_t index = 0; index < triangles; ++index) {
        if (!listed[index]) continue;
        for (int k = 0; k < 3; ++k) {
            const std::uint32_t neighbour = mesh.triangles[index].neighbours[k];
            if (!ValidNeighbour(neighbour, triangles) || !listed[neighbour - 1]) return false;
            if (!SharesEdgeBack(mesh, static_cast<std::uint16_t>(index), k)) return false;
        }
    }
    return true;
}
