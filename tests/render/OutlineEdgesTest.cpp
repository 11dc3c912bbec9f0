// Which edges a model's outline draws: the silhouette from the eye, found only where the
// silhouette is the whole outline.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <ostream>
#include <set>
#include <utility>
#include <vector>

#include "render/MeshEdges.h"
#include "render/MeshTree.h"
#include "render/OutlineEdges.h"
#include "tests/render/TestModels.h"

namespace {

constexpr float kIdentity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

// A 90-degree perspective from 1 to 100, column-major.
void Perspective(float out[16]) {
    const float n = 1.0f, f = 100.0f;
    const float m[16] = {
        1, 0, 0, 0, 0, 1, 0, 0, 0, 0, -(f + n) / (f - n), -1, 0, 0, -2 * f * n / (f - n), 0};
    std::copy(m, m + 16, out);
}

// The view of a camera at `eye` looking down -z, with the model scaled by `scale` per axis.
void LookFrom(const float eye[3], const float scale[3], float out[16]) {
    std::copy(kIdentity, kIdentity + 16, out);
    for (int axis = 0; axis < 3; ++axis) {
        out[axis * 5] = scale[axis];
        out[12 + axis] = -eye[axis];
    }
}

// A copy of `mesh` that a test may damage; its shadow index is rebuilt from the groups.
std::shared_ptr<MeshData> Copy(const MeshData& mesh) {
    auto copy = std::make_shared<MeshData>();
    copy->vertices = mesh.vertices;
    copy->triangles = mesh.triangles;
    copy->groups = mesh.groups;
    copy->materials = mesh.materials;
    auto shadow = std::make_unique<MeshShadowIndex>(*mesh.shadowIndex);
    copy->shadowIndex = std::move(shadow);
    return copy;
}

struct EyeCase {
    const char* name;
    float eye[3];
    std::size_t backFaces;  // triangles
    std::size_t edges;
};
void PrintTo(const EyeCase& c, std::ostream* out) {
    *out << c.name;
}

class CubeOutlineTest : public ::testing::TestWithParam<EyeCase> {};

TEST_P(CubeOutlineTest, TheOutlineIsTheSilhouetteEachEdgeOnce) {
    // A 2-unit cube on the floor: x and z from -1 to 1, y from 0 to 2.
    const std::unique_ptr<MeshTree> cube = rendertest::Cube(2.0f, {1, 0, 0});
    ASSERT_TRUE(cube && cube->mesh && cube->GetShadowIndex());
    const MeshData& mesh = *cube->mesh;
    ASSERT_TRUE(cube->GetShadowIndex()->closed);
    OutlineView view;
    std::copy(GetParam().eye, GetParam().eye + 3, view.eye);
    std::vector<std::uint8_t> away;
    MarkFacesAway(mesh, view, away);
    EXPECT_EQ(static_cast<std::size_t>(std::count(away.begin(), away.end(), 1)),
              GetParam().backFaces);
    std::vector<MeshEdge> edges = {{7, 7}};
    FindOutlineEdges(mesh, mesh.groups[0], away, edges);
    EXPECT_EQ(edges.size(), GetParam().edges);
    std::set<std::pair<int, int>> seen;
    for (const MeshEdge& edge : edges) {
        EXPECT_TRUE(
            seen.insert({std::min(edge.from, edge.to), std::max(edge.from, edge.to)}).second);
        const auto& p = mesh.vertices[edge.from];
        const auto& q = mesh.vertices[edge.to];
        int sharedAxes = 0;
        for (int axis = 0; axis < 3; ++axis) sharedAxes += p[axis] == q[axis];
        EXPECT_EQ(sharedAxes, 2) << "not a cube edge";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Eyes, CubeOutlineTest,
    ::testing::Values(EyeCase{"InFrontOfOneSide", {0, 1, 10}, 10, 4},
                      EyeCase{"OverACorner", {10, 10, 10}, 6, 6},
                      EyeCase{"Overhead", {0, 10, 0}, 10, 4},
                      // In the plane of the +x side: that side is seen edge-on and is no back face,
                      // but the back faces' edges along it stay outlined.
                      EyeCase{"InTheSidePlane", {1, 1, 10}, 8, 6},
                      // Inside, every face is turned away and borders only turned-away faces.
                      EyeCase{"Inside", {0, 1, 0}, 12, 0}));

TEST(OutlineEdgesTest, AMirroredViewTurnsTheOtherFacesAway) {
    const std::unique_ptr<MeshTree> cube = rendertest::Cube(2.0f, {1, 0, 0});
    OutlineView view;
    view.eye[1] = 1.0;
    view.eye[2] = 10.0;
    std::vector<std::uint8_t> plain;
    MarkFacesAway(*cube->mesh, view, plain);
    view.mirrored = true;
    std::vector<std::uint8_t> mirrored;
    MarkFacesAway(*cube->mesh, view, mirrored);
    // No face of the cube is edge-on from there, so each is away in exactly one of the two.
    ASSERT_EQ(plain.size(), mirrored.size());
    for (std::size_t t = 0; t < plain.size(); ++t) EXPECT_NE(plain[t], mirrored[t]) << t;
}

TEST(OutlineEdgesTest, AnOpenEdgeOfABackFaceIsOutlined) {
    const std::unique_ptr<MeshTree> cube = rendertest::Cube(2.0f, {1, 0, 0});
    std::shared_ptr<MeshData> mesh = Copy(*cube->mesh);
    // Triangle 0 loses its neighbours: all three of its edges border nothing.
    for (std::uint32_t& n : mesh->triangles[0].neighbours) n = kNoNeighbour;
    std::vector<std::uint8_t> away(mesh->triangles.size(), 0);
    away[0] = 1;
    std::vector<MeshEdge> edges;
    FindOutlineEdges(*mesh, mesh->groups[0], away, edges);
    ASSERT_EQ(edges.size(), 3u);
    const std::uint16_t* corners = mesh->triangles[0].vertexIndices;
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(edges[k].from, corners[k]);
        EXPECT_EQ(edges[k].to, corners[(k + 1) % 3]);
    }
}

// Damage done to a loaded cube before asking whether it is closed.
struct ClosedCase {
    const char* name;
    void (*damage)(MeshData& mesh);
    bool closed;
};
void PrintTo(const ClosedCase& c, std::ostream* out) {
    *out << c.name;
}

class MeshClosedTest : public ::testing::TestWithParam<ClosedCase> {};

TEST_P(MeshClosedTest, OnlyAWholeConsistentSurfaceIsClosed) {
    const std::unique_ptr<MeshTree> cube = rendertest::Cube(2.0f, {1, 0, 0});
    std::shared_ptr<MeshData> mesh = Copy(*cube->mesh);
    GetParam().damage(*mesh);
    EXPECT_EQ(MeshIsClosed(*mesh), GetParam().closed);
}

INSTANTIATE_TEST_SUITE_P(
    Damage, MeshClosedTest,
    ::testing::Values(ClosedCase{"None", [](MeshData&) {}, true},
                      ClosedCase{"OneEdgeOpen",
                                 [](MeshData& m) { m.triangles[3].neighbours[1] = kNoNeighbour; },
                                 false},
                      // The triangle stays in the mesh, and its neighbours still name it, but no
                      // group draws it.
                      ClosedCase{"ATriangleNoGroupDraws",
                                 [](MeshData& m) {
                                     auto& list = m.groups[0].triangleIndices;
                                     list.erase(std::find(list.begin(), list.end(), 5));
                                 },
                                 false},
                      ClosedCase{"ATriangleTurnedInside",
                                 [](MeshData& m) {
                                     std::swap(m.triangles[2].vertexIndices[1],
                                               m.triangles[2].vertexIndices[2]);
                                 },
                                 false},
                      ClosedCase{"ANeighbourThatDoesNotNameItBack",
                                 [](MeshData& m) {
                                     const std::uint32_t n = m.triangles[0].neighbours[0];
                                     m.triangles[0].neighbours[0] = n == 12 ? 11 : 12;
                                 },
                                 false},
                      ClosedCase{"NeighbourPastTheMesh",
                                 [](MeshData& m) { m.triangles[1].neighbours[2] = 13; }, false},
                      ClosedCase{"NoShadowData",
                                 [](MeshData& m) {
                                     for (MeshTriangle& t : m.triangles)
                                         for (std::uint32_t& n : t.neighbours) n = kNoNeighbour;
                                 },
                                 false}));

// The silhouette stands for the whole outline only for a box wholly between the near and
// the far plane, under a perspective and an invertible modelview.
struct ViewCase {
    const char* name;
    float eye[3];
    float scale[3];
    bool perspective;
    bool usable;
    bool mirrored;
};
void PrintTo(const ViewCase& c, std::ostream* out) {
    *out << c.name;
}

class SilhouetteViewTest : public ::testing::TestWithParam<ViewCase> {};

TEST_P(SilhouetteViewTest, FindsTheEyeInTheModelOrGivesUp) {
    const ViewCase& c = GetParam();
    // The box of a 2-unit cube on the floor.
    const float boxMin[3] = {-1, 0, -1};
    const float boxMax[3] = {1, 2, 1};
    float modelView[16];
    LookFrom(c.eye, c.scale, modelView);
    float projection[16];
    Perspective(projection);
    if (!c.perspective) {
        std::copy(kIdentity, kIdentity + 16, projection);
        projection[10] = -0.02f;
    }
    OutlineView view;
    ASSERT_EQ(SilhouetteView(modelView, projection, boxMin, boxMax, view), c.usable);
    if (!c.usable) return;
    EXPECT_EQ(view.mirrored, c.mirrored);
    // The eye in the model: the camera's place undone by the model's scale.
    for (int axis = 0; axis < 3; ++axis)
        EXPECT_NEAR(view.eye[axis], c.eye[axis] / c.scale[axis], 1e-5) << axis;
}

INSTANTIATE_TEST_SUITE_P(
    Views, SilhouetteViewTest,
    ::testing::Values(ViewCase{"Ahead", {0.5f, 1, 10}, {1, 1, 1}, true, true, false},
                      ViewCase{"Scaled", {2, 3, 20}, {2, 3, 0.5f}, true, true, false},
                      ViewCase{"Mirrored", {1, 1, 10}, {-1, 1, 1}, true, true, true},
                      // The near plane, 1 ahead of the eye, cuts the box.
                      ViewCase{"CutByTheNearPlane", {0, 1, 1.5f}, {1, 1, 1}, true, false, false},
                      ViewCase{"EyeInsideTheBox", {0, 1, 0}, {1, 1, 1}, true, false, false},
                      ViewCase{"PastTheFarPlane", {0, 1, 100.5f}, {1, 1, 1}, true, false, false},
                      ViewCase{"Flattened", {0, 1, 10}, {1, 0, 1}, true, false, false},
                      ViewCase{"NotAPerspective", {0, 1, 10}, {1, 1, 1}, false, false, false}));

}  // namespace
