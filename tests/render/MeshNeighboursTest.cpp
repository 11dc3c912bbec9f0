// The shadow data's neighbour links: the table of edges gives every link that the walk over
// every pair of triangles gave, on the shipped models and on meshes with ties, edges shared
// by many triangles and triangles listed twice; and a model at the format's largest counts
// is linked correctly.
#include "render/MeshNeighbours.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "render/MS3DLoader.h"
#include "tests/render/Ms3dFixtures.h"

namespace {

using namespace fixtures;

// The links as the walk over every pair of positions made them, kept as the reference.
void PairwiseLinks(const MeshShadowIndex& shadow, std::vector<MeshTriangle>& triangles) {
    auto key = [](const MeshTriangle& t, int k) {
        const std::uint32_t a = t.vertexIndices[k];
        const std::uint32_t b = t.vertexIndices[(k + 1) % 3];
        return a < b ? (a << 16) | b : (b << 16) | a;
    };
    const std::size_t count = shadow.order.size();
    for (std::size_t i = 0; i + 1 < count; ++i) {
        const std::uint16_t a = shadow.order[i];
        for (std::size_t j = i + 1; j < count; ++j) {
            const std::uint16_t b = shadow.order[j];
            for (int e = 0; e < 3; ++e) {
                if (triangles[a].neighbours[e] != kNoNeighbour) continue;
                for (int f = 0; f < 3; ++f) {
                    if (key(triangles[a], e) != key(triangles[b], f)) continue;
                    triangles[a].neighbours[e] = static_cast<std::uint32_t>(b) + 1;
                    triangles[b].neighbours[f] = static_cast<std::uint32_t>(a) + 1;
                }
            }
        }
    }
}

// Both linkings of the same triangles, compared edge by edge.
void ExpectSameLinks(const MeshShadowIndex& shadow, std::vector<MeshTriangle> triangles,
                     const std::string& what) {
    for (MeshTriangle& t : triangles)
        for (std::uint32_t& n : t.neighbours) n = kNoNeighbour;
    std::vector<MeshTriangle> reference = triangles;
    PairwiseLinks(shadow, reference);
    LinkNeighbours(shadow, triangles);
    int differ = 0;
    for (std::size_t t = 0; t < triangles.size(); ++t)
        for (int k = 0; k < 3; ++k)
            if (triangles[t].neighbours[k] != reference[t].neighbours[k] && differ++ < 5)
                ADD_FAILURE() << what << ": triangle " << t << " edge " << k << " links "
                              << triangles[t].neighbours[k] << ", the pairwise walk "
                              << reference[t].neighbours[k];
}

TEST(MeshNeighboursTest, EveryShippedModelIsLinkedAsThePairwiseWalkLinkedIt) {
    const std::filesystem::path models =
        std::filesystem::path(BRASK_BUILD_DIR) / "RESOURCES" / "Art" / "Models";
    int checked = 0;
    for (const auto& entry : std::filesystem::directory_iterator(models)) {
        if (entry.path().extension() != ".ms3d") continue;
        std::ifstream file(entry.path(), std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(file), {}};
        RecordingTextures textures;
        MS3DLoader loader(&textures);
        MeshTree model;
        Read(loader, bytes, model);
        ASSERT_TRUE(model.mesh && model.mesh->shadowIndex) << entry.path();
        ExpectSameLinks(*model.mesh->shadowIndex, model.mesh->triangles, entry.path().string());
        ++checked;
    }
    EXPECT_GT(checked, 20);
}

// Few vertices and many triangles: edges shared by up to a dozen triangles, degenerate
// triangles with two equal corners, and an order that lists some triangles twice and leaves
// others out.
TEST(MeshNeighboursTest, TiesManySharersAndRepeatedTrianglesLinkAsThePairwiseWalk) {
    std::mt19937 random(26);
    for (int mesh = 0; mesh < 200; ++mesh) {
        const int vertices = 3 + mesh % 9;
        const int count = 1 + mesh % 40;
        std::uniform_int_distribution<int> vertex(0, vertices - 1);
        std::vector<MeshTriangle> triangles(static_cast<std::size_t>(count));
        for (MeshTriangle& t : triangles)
            for (std::uint16_t& v : t.vertexIndices) v = static_cast<std::uint16_t>(vertex(random));
        MeshShadowIndex shadow;
        std::uniform_int_distribution<int> triangle(0, count - 1);
        const int listed = count + mesh % 7 - 3;
        for (int i = 0; i < listed; ++i)
            shadow.order.push_back(static_cast<std::uint16_t>(triangle(random)));
        ExpectSameLinks(shadow, triangles, "mesh " + std::to_string(mesh));
    }
}

// A closed grid on a torus at the format's largest counts (65,535 vertices and triangles;
// the few triangles a torus cannot take stand apart): every grid edge links the one triangle
// across it, both ways, and the loose triangles link nothing.
TEST(MeshNeighboursTest, AModelAtTheLargestCountsLinksEveryEdgeToTheTriangleAcrossIt) {
    constexpr int kSide = 181;  // 181 x 181 cells: 32,761 vertices, 65,522 triangles
    constexpr int kLargest = 65535;
    Ms3dModel m;
    for (int v = 0; v < kLargest; ++v)
        m.vertices.push_back(Vertex(static_cast<float>(v % 256), 0, static_cast<float>(v / 256)));
    auto at = [](int row, int column) {
        return static_cast<std::uint16_t>((row % kSide) * kSide + column % kSide);
    };
    for (int row = 0; row < kSide; ++row)
        for (int column = 0; column < kSide; ++column) {
            m.triangles.push_back(
                Triangle(at(row, column), at(row + 1, column), at(row, column + 1)));
            m.triangles.push_back(
                Triangle(at(row + 1, column), at(row + 1, column + 1), at(row, column + 1)));
        }
    const int grid = static_cast<int>(m.triangles.size());
    for (int loose = 0; grid + loose < kLargest; ++loose) {
        const int first = kSide * kSide + 3 * loose;
        m.triangles.push_back(Triangle(static_cast<std::uint16_t>(first),
                                       static_cast<std::uint16_t>(first + 1),
                                       static_cast<std::uint16_t>(first + 2)));
    }
    std::vector<std::uint16_t> all;
    for (int t = 0; t < kLargest; ++t) all.push_back(static_cast<std::uint16_t>(t));
    m.groups = {Group("all", all, -1)};
    MS3DLoader loader;
    MeshTree model;
    Read(loader, Bytes(m), model);
    ASSERT_TRUE(model.mesh);
    const std::vector<MeshTriangle>& t = model.mesh->triangles;
    ASSERT_EQ(t.size(), static_cast<std::size_t>(kLargest));
    int wrong = 0;
    for (int a = 0; a < kLargest; ++a)
        for (int e = 0; e < 3; ++e) {
            const std::uint32_t link = t[a].neighbours[e];
            if (a >= grid) {
                wrong += link != kNoNeighbour;
                continue;
            }
            if (link == kNoNeighbour || link - 1 >= static_cast<std::uint32_t>(grid) ||
                static_cast<int>(link - 1) == a) {
                ++wrong;
                continue;
            }
            // The triangle across holds the same two corners, and links back.
            const MeshTriangle& across = t[link - 1];
            const std::uint16_t p = t[a].vertexIndices[e], q = t[a].vertexIndices[(e + 1) % 3];
            bool back = false;
            for (int f = 0; f < 3; ++f) {
                const std::uint16_t r = across.vertexIndices[f];
                const std::uint16_t s = across.vertexIndices[(f + 1) % 3];
                if (((r == p && s == q) || (r == q && s == p)) &&
                    across.neighbours[f] == static_cast<std::uint32_t>(a) + 1)
                    back = true;
            }
            wrong += !back;
        }
    EXPECT_EQ(wrong, 0);
}

}  // namespace
