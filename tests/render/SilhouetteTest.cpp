// The silhouette edges that bound a shadow volume.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <ostream>
#include <set>
#include <utility>
#include <vector>

#include "render/MeshTree.h"
#include "render/ShadowVolume.h"
#include "tests/render/TestModels.h"

namespace {

struct LightCase {
    const char* name;
    float lx, ly, lz;
    size_t litTriangles;
    size_t edges;
};
void PrintTo(const LightCase& c, std::ostream* out) {
    *out << c.name;
}

class CubeSilhouetteTest : public ::testing::TestWithParam<LightCase> {};

TEST_P(CubeSilhouetteTest, TheLitFacesOutlineIsTheSilhouette) {
    // A 2-unit cube standing on the floor, read through the loader with its shadow data.
    const std::unique_ptr<MeshTree> cube = rendertest::Cube(2.0f, {1, 0, 0});
    ASSERT_TRUE(cube && cube->mesh && cube->GetShadowIndex());
    ASSERT_EQ(cube->mesh->triangles.size(), 12u);
    std::vector<std::uint8_t> facesLight;
    UpdateFacesLight(*cube->mesh, GetParam().lx, GetParam().ly, GetParam().lz, facesLight);
    EXPECT_EQ(static_cast<size_t>(std::count(facesLight.begin(), facesLight.end(), 1)),
              GetParam().litTriangles);
    std::vector<SilhouetteEdge> edges;
    FindSilhouetteEdges(*cube->mesh, facesLight, edges);
    EXPECT_EQ(edges.size(), GetParam().edges);
    // Every silhouette edge is a cube edge between a lit and an unlit face, each once.
    std::set<std::pair<int, int>> seen;
    for (const SilhouetteEdge& edge : edges) {
        EXPECT_TRUE(
            seen.insert({std::min(edge.from, edge.to), std::max(edge.from, edge.to)}).second);
        const auto& p = cube->mesh->vertices[edge.from];
        const auto& q = cube->mesh->vertices[edge.to];
        int sharedAxes = 0;
        for (int axis = 0; axis < 3; ++axis) sharedAxes += p[axis] == q[axis];
        EXPECT_EQ(sharedAxes, 2) << "not a cube edge";
    }
}

INSTANTIATE_TEST_SUITE_P(Shadows, CubeSilhouetteTest,
                         ::testing::Values(LightCase{"Overhead", 0, 100, 0, 2, 4},
                                           LightCase{"OverACorner", 100, 100, 100, 6, 6},
                                           LightCase{"InFrontOfOneSide", 0, 1, 100, 2, 4},
                                           // Inside the cube no face is lit: no volume at all.
                                           LightCase{"Inside", 0, 1, 0, 0, 0}));

// A mesh of `triangles` triangles in which only the first is walked and lit.
std::shared_ptr<MeshData> OneLitTriangle(size_t triangles, std::uint32_t neighbour) {
    auto mesh = std::make_shared<MeshData>();
    mesh->vertices = {{0, 0, 0}, {1, 0, 0}, {0, 0, 1}};
    mesh->triangles.resize(triangles);
    MeshTriangle& first = mesh->triangles[0];
    first.vertexIndices[0] = 0;
    first.vertexIndices[1] = 1;
    first.vertexIndices[2] = 2;
    for (std::uint32_t& n : first.neighbours) n = neighbour;
    auto shadow = std::make_unique<MeshShadowIndex>();
    shadow->count = 1;
    shadow->order = {0};
    mesh->shadowIndex = std::move(shadow);
    return mesh;
}

TEST(SilhouetteTest, AnOpenEdgeOfALitTriangleAlwaysGivesASide) {
    const auto mesh = OneLitTriangle(1, kNoNeighbour);
    std::vector<std::uint8_t> facesLight = {1};
    std::vector<SilhouetteEdge> edges;
    FindSilhouetteEdges(*mesh, facesLight, edges);
    ASSERT_EQ(edges.size(), 3u);
    EXPECT_EQ(edges[0].from, 0);
    EXPECT_EQ(edges[0].to, 1);
    EXPECT_EQ(edges[2].from, 2);
    EXPECT_EQ(edges[2].to, 0);
}

TEST(SilhouetteTest, UnlitNeighboursBeyondIndex32767StillCount) {
    // Compared as signed 16-bit numbers, these neighbours would read as lit.
    const std::uint32_t farNeighbour = 40000;
    const auto mesh = OneLitTriangle(40001, farNeighbour + 1);
    std::vector<std::uint8_t> facesLight(40001, 0);
    facesLight[0] = 1;
    std::vector<SilhouetteEdge> edges;
    FindSilhouetteEdges(*mesh, facesLight, edges);
    EXPECT_EQ(edges.size(), 3u);
    facesLight[farNeighbour] = 1;
    FindSilhouetteEdges(*mesh, facesLight, edges);
    EXPECT_TRUE(edges.empty());
}

TEST(SilhouetteTest, AMeshWithoutShadowDataHasNoEdges) {
    auto mesh = OneLitTriangle(1, kNoNeighbour);
    mesh->shadowIndex.reset();
    std::vector<std::uint8_t> facesLight = {1};
    std::vector<SilhouetteEdge> edges = {{1, 2}};
    FindSilhouetteEdges(*mesh, facesLight, edges);
    EXPECT_TRUE(edges.empty());
}

}  // namespace
