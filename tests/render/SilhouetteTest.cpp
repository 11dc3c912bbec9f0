// The silhouette edges that bound a shadow volume.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <ostream>
#include <set>
#include <string>
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

// The window rectangle that a volume's stencil work is kept to: it must hold every pixel the
// sides can touch, counting only what lies in front of the near plane.
struct RectCase {
    const char* name;
    std::vector<float> corners;
    bool touches;
    int rect[4];
};
void PrintTo(const RectCase& c, std::ostream* out) {
    *out << c.name;
}

class VolumeRectTest : public ::testing::TestWithParam<RectCase> {};

// The eye at the origin looking down -z, a 90-degree frustum from 1 to 100, on a 200 x 100
// viewport whose corner is at (10, 20).
const float identity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
constexpr float n = 1.0f, f = 100.0f;
const float projection[16] = {
    1, 0, 0, 0, 0, 1, 0, 0, 0, 0, -(f + n) / (f - n), -1, 0, 0, -2 * f* n / (f - n), 0};
const int viewport[4] = {10, 20, 200, 100};

TEST_P(VolumeRectTest, HoldsEveryPixelTheSidesCanTouch) {
    const RectCase& c = GetParam();
    int rect[4] = {-1, -1, -1, -1};
    ASSERT_EQ(ScreenRectOf(c.corners, identity, projection, viewport, rect), c.touches);
    if (!c.touches) return;
    for (int i = 0; i < 4; ++i) EXPECT_EQ(rect[i], c.rect[i]) << "element " << i;
}

INSTANTIATE_TEST_SUITE_P(
    Volumes, VolumeRectTest,
    ::testing::Values(
        // (0,0) at depth 10 is the centre (110, 70); (5,2.5) at depth 10 is (160, 82.5); a
        // pixel of margin on each side.
        RectCase{"InFront", {0, 0, -10, 5, 2.5f, -10, 0, 2.5f, -10}, true, {109, 69, 52, 15}},
        // Half off the right edge: clamped to the viewport.
        RectCase{
            "ClampedToTheViewport", {5, 0, -10, 50, 0, -10, 5, 2, -10}, true, {159, 69, 51, 12}},
        // Wholly right of the window: no pixel, no stencil work.
        RectCase{"OffTheWindow", {20, 0, -10, 30, 0, -10, 20, 5, -10}, false, {}},
        // A corner behind the eye: only the part in front of the near plane is drawn. Its
        // edges leave that plane at (0.6, 0, -1) and (0.6, 0.4, -1), x = 170, y = 70 and 90.
        RectCase{"BehindTheEye", {0, 0, -10, 1, 0, 5, 0, 1, -10}, true, {109, 69, 63, 23}},
        // Cut at (0.1, 0, -1) and (0, 0.1, -1): up to x = 120 and y = 75.
        RectCase{"AtTheEye", {0, 0, 0, 1, 0, -10, 0, 1, -10}, true, {109, 69, 13, 7}},
        // Nothing in front of the near plane: nothing drawn.
        RectCase{"BehindTheNearPlane", {0, 0, -0.5f, 1, 0, 5, 0, 1, -0.5f}, false, {}},
        RectCase{"NoSides", {}, false, {}}),
    [](const ::testing::TestParamInfo<RectCase>& info) { return std::string(info.param.name); });

// Whether a volume counts as drawn, which decides the colour it leaves for the passes after
// it: judged on its corners as they stand, so a corner behind the eye counts even where
// nothing in front of the near plane reaches the window.
struct DrawnCase {
    const char* name;
    std::vector<float> corners;
    bool drawn;
};
void PrintTo(const DrawnCase& c, std::ostream* out) {
    *out << c.name;
}

class VolumeDrawnTest : public ::testing::TestWithParam<DrawnCase> {};

TEST_P(VolumeDrawnTest, CountsAsDrawnWhenACornerIsBehindTheEyeOrOnTheWindow) {
    EXPECT_EQ(SidesCountAsDrawn(GetParam().corners, identity, projection, viewport),
              GetParam().drawn);
}

INSTANTIATE_TEST_SUITE_P(
    Volumes, VolumeDrawnTest,
    ::testing::Values(DrawnCase{"InFront", {0, 0, -10, 5, 2.5f, -10, 0, 2.5f, -10}, true},
                      DrawnCase{"OffTheWindow", {20, 0, -10, 30, 0, -10, 20, 5, -10}, false},
                      DrawnCase{"BehindTheNearPlane", {0, 0, -0.5f, 1, 0, 5, 0, 1, -0.5f}, true},
                      DrawnCase{"NoSides", {}, false}),
    [](const ::testing::TestParamInfo<DrawnCase>& info) { return std::string(info.param.name); });

}  // namespace
