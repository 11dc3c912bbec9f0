#pragma once
// The border of a chosen set of a mesh's triangles, found through the triangles' neighbours:
// the light-facing side of a shadow volume and the eye-facing outline both come from it.
#include <cstdint>
#include <span>
#include <vector>

struct MeshData;

// An edge as two vertex indices: corner k of a chosen triangle, then corner k + 1 mod 3.
struct MeshEdge {
    std::uint16_t from;
    std::uint16_t to;
};

// Appends, walking `order`, every edge of a chosen triangle (chosen[t] non-zero) whose
// neighbour is missing, out of range or not chosen. A shared edge between a chosen and an
// unchosen triangle comes once, from the chosen side. Neighbours are compared as unsigned, so
// big meshes keep all their edges; triangles past `chosen` or the mesh count as unchosen.
void AppendBorderEdges(const MeshData& mesh, std::span<const std::uint16_t> order,
                       const std::vector<std::uint8_t>& chosen, std::vector<MeshEdge>& edges);

// Whether every triangle the groups list has a neighbour on each edge that names it back:
// then nothing can be seen through the mesh, and from outside its back faces lie behind its
// front faces. False for a mesh without shadow data: it has no neighbours.
bool MeshIsClosed(const MeshData& mesh);
