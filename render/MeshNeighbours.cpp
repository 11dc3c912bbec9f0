#include "render/MeshNeighbours.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

constexpr std::uint32_t kNone = 0xFFFFFFFFu;

// Edge k joins corner k and corner k + 1 mod 3; as a key, the smaller vertex index first, so
// an edge matches in either direction.
std::uint32_t EdgeKey(const MeshTriangle& triangle, int k) {
    const std::uint32_t a = triangle.vertexIndices[k];
    const std::uint32_t b = triangle.vertexIndices[(k + 1) % 3];
    return a < b ? (a << 16) | b : (b << 16) | a;
}

struct EdgeAt {
    std::uint32_t key;
    std::uint32_t position;  // in the shadow order
    std::uint32_t edge;
};

// For every edge (position * 3 + edge) the nearest later position in the order whose
// triangle has an edge of the same key, or kNone: the table of edges sorted by key and
// position, read backwards.
std::vector<std::uint32_t> NextSharers(const std::vector<std::array<std::uint32_t, 3>>& keys,
                                       const std::vector<std::uint16_t>& order) {
    std::vector<EdgeAt> edges;
    edges.reserve(order.size() * 3);
    for (std::size_t i = 0; i < order.size(); ++i)
        for (std::uint32_t e = 0; e < 3; ++e)
            edges.push_back({keys[order[i]][e], static_cast<std::uint32_t>(i), e});
    std::sort(edges.begin(), edges.end(), [](const EdgeAt& l, const EdgeAt& r) {
        return l.key != r.key ? l.key < r.key : l.position < r.position;
    });
    std::vector<std::uint32_t> next(edges.size(), kNone);
    std::uint32_t later = kNone;
    for (std::size_t s = edges.size(); s-- > 0;) {
        const EdgeAt& at = edges[s];
        if (s + 1 == edges.size() || edges[s + 1].key != at.key)
            later = kNone;
        else if (edges[s + 1].position != at.position)
            later = edges[s + 1].position;
        next[at.position * 3 + at.edge] = later;
    }
    return next;
}

}  // namespace

void LinkNeighbours(const MeshShadowIndex& shadow, std::vector<MeshTriangle>& triangles) {
    const std::vector<std::uint16_t>& order = shadow.order;
    std::vector<std::array<std::uint32_t, 3>> keys(triangles.size());
    for (std::size_t t = 0; t < triangles.size(); ++t)
        for (int k = 0; k < 3; ++k) keys[t][k] = EdgeKey(triangles[t], k);
    const std::vector<std::uint32_t> next = NextSharers(keys, order);
    // The positions in order, as the pairwise walk visits them: a link once made is kept by
    // the earlier triangle and overwritten on the later one by any earlier sharer that comes
    // after it.
    for (std::size_t i = 0; i < order.size(); ++i) {
        const std::uint16_t a = order[i];
        for (int e = 0; e < 3; ++e) {
            if (triangles[a].neighbours[e] != kNoNeighbour) continue;
            const std::uint32_t j = next[i * 3 + static_cast<std::size_t>(e)];
            if (j == kNone) continue;
            const std::uint16_t b = order[j];
            const std::uint32_t key = keys[a][e];
            triangles[a].neighbours[e] = static_cast<std::uint32_t>(b) + 1;
            for (int f = 0; f < 3; ++f)
                if (keys[b][f] == key)
                    triangles[b].neighbours[f] = static_cast<std::uint32_t>(a) + 1;
        }
    }
}
