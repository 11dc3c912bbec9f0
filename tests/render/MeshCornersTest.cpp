// The corner arrays a group is drawn from, and the shade coordinates computed for them.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "render/MeshCorners.h"
#include "render/MeshTree.h"
#include "render/ModelDrawing.h"
#include "tests/render/TestModels.h"

namespace {

TEST(MeshCornersTest, EveryCornerOfTheGroupInItsOrder) {
    const std::unique_ptr<MeshTree> cube = rendertest::Cube(2.0f, {1, 0, 0});
    ASSERT_TRUE(cube && cube->mesh);
    const MeshData& mesh = *cube->mesh;
    const MeshGroup& group = mesh.groups[0];
    ASSERT_EQ(group.positions.size(), 9 * group.triangleIndices.size());
    ASSERT_EQ(group.normals.size(), group.positions.size());
    ASSERT_EQ(group.texCoords.size(), 6 * group.triangleIndices.size());
    for (std::size_t i = 0; i < group.triangleIndices.size(); ++i) {
        const MeshTriangle& triangle = mesh.triangles[group.triangleIndices[i]];
        for (int corner = 0; corner < 3; ++corner) {
            const std::size_t at = 3 * i + static_cast<std::size_t>(corner);
            for (int axis = 0; axis < 3; ++axis) {
                EXPECT_EQ(group.positions[3 * at + axis],
                          mesh.vertices[triangle.vertexIndices[corner]][axis]);
                EXPECT_EQ(group.normals[3 * at + axis], triangle.normals[corner][axis]);
            }
            EXPECT_EQ(group.texCoords[2 * at], triangle.s[corner]);
            EXPECT_EQ(group.texCoords[2 * at + 1], triangle.t[corner]);
        }
    }
}

TEST(MeshCornersTest, TrianglesOutOfRangeAreLeftOut) {
    MeshData mesh;
    mesh.vertices = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}};
    mesh.triangles.resize(2);
    mesh.triangles[0].vertexIndices[0] = 0;
    mesh.triangles[0].vertexIndices[1] = 1;
    mesh.triangles[0].vertexIndices[2] = 2;
    mesh.triangles[1].vertexIndices[2] = 3;  // past the vertices
    MeshGroup group;
    group.triangleIndices = {0, 1, 7};
    BuildGroupCorners(mesh, group);
    EXPECT_EQ(group.positions.size(), 9u);
    EXPECT_EQ(group.texCoords.size(), 6u);
}

TEST(ShadeCoordinatesTest, TheBatchGivesWhatEachNormalGivesAlone) {
    // A turned and scaled modelview, and a camera turned about y.
    const float c = std::cos(0.5f), s = std::sin(0.5f);
    const float modelView[16] = {2 * c, 0, -2 * s, 0, 0, 2, 0, 0, 2 * s, 0, 2 * c, 0, 1, 2, 3, 1};
    const float camera[16] = {c, 0, s, 0, 0, 1, 0, 0, -s, 0, c, 0, 0, 0, 0, 1};
    const float light[3] = {0.3f, 0.8f, -0.5f};
    const std::vector<float> normals = {0, 1, 0, 1, 0, 0, 0, 0, -1, 0.6f, 0.0f, 0.8f, 0, -1, 0};
    std::vector<float> shades(normals.size() / 3, -1.0f);
    ShadeCoordinates(modelView, camera, light, normals.data(), shades.size(), shades.data());
    for (std::size_t i = 0; i < shades.size(); ++i) {
        EXPECT_EQ(shades[i], ShadeCoordinate(modelView, camera, light, normals[3 * i],
                                             normals[3 * i + 1], normals[3 * i + 2]))
            << i;
        EXPECT_GE(shades[i], 0.0f);
        EXPECT_LE(shades[i], 1.0f);
    }
    // The normal facing away from the light is clamped to 0.
    EXPECT_EQ(shades[4], 0.0f);
}

}  // namespace
