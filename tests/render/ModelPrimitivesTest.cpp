// The content tool's model writer and primitives, checked through the game's own loader.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <map>
#include <ostream>
#include <stdexcept>
#include <utility>

#include "ModelBuilder.h"
#include "Ms3dWriter.h"
#include "tests/render/Ms3dFixtures.h"

namespace {

using namespace content::model;

struct PrimitiveCase {
    const char* name;
    std::function<void(ModelBuilder&, int group)> add;
    Vec3 base;
    Vec3 size;  // of the bounds
};

void PrintTo(const PrimitiveCase& c, std::ostream* os) {
    *os << c.name;
}

class PrimitiveTest : public ::testing::TestWithParam<PrimitiveCase> {
protected:
    MeshTree Load() {
        ModelBuilder builder;
        GetParam().add(builder, builder.AddGroup("part"));
        written = builder.GetModel();
        MeshTree model;
        MS3DLoader loader;
        fixtures::Read(loader, fixtures::Bytes(written), model);
        return model;
    }

    Ms3dModel written;
};

TEST_P(PrimitiveTest, IsAClosedMeshWithSharedEdges) {
    const MeshTree model = Load();
    const auto& triangles = model.mesh->triangles;
    ASSERT_FALSE(triangles.empty());
    std::map<std::pair<int, int>, int> directed;
    for (const MeshTriangle& t : triangles) {
        for (int k = 0; k < 3; ++k) {
            EXPECT_NE(t.neighbours[k], kNoNeighbour);
            ++directed[{t.vertexIndices[k], t.vertexIndices[(k + 1) % 3]}];
        }
    }
    // Each edge once in each direction: two faces meet along it and wind consistently.
    for (const auto& [edge, count] : directed) {
        EXPECT_EQ(count, 1) << edge.first << "-" << edge.second;
        EXPECT_EQ(directed.count({edge.second, edge.first}), 1u)
            << edge.first << "-" << edge.second;
    }
}

TEST_P(PrimitiveTest, WindsCounterClockwiseSeenFromOutsideWithUnitCornerNormals) {
    const MeshTree model = Load();
    // The average of the corners of a convex solid lies inside it, behind every face.
    float centre[3] = {};
    for (const auto& v : model.mesh->vertices)
        for (int c = 0; c < 3; ++c)
            centre[c] += v[c] / static_cast<float>(model.mesh->vertices.size());
    for (const MeshTriangle& t : model.mesh->triangles) {
        const float* e = t.faceEquation;
        EXPECT_LT(e[0] * centre[0] + e[1] * centre[1] + e[2] * centre[2] + e[3], 0.0f);
        for (const float* n : t.normals) {
            EXPECT_NEAR(std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]), 1.0f, 1e-5f);
            EXPECT_GT(n[0] * e[0] + n[1] * e[1] + n[2] * e[2], 0.0f);
        }
    }
}

TEST_P(PrimitiveTest, StandsOnItsBaseCentredOverIt) {
    const MeshTree model = Load();
    const PrimitiveCase& c = GetParam();
    EXPECT_NEAR(model.boundsMin[1], c.base.y, 1e-5f);
    EXPECT_NEAR((model.boundsMin[0] + model.boundsMax[0]) / 2, c.base.x, 1e-5f);
    EXPECT_NEAR((model.boundsMin[2] + model.boundsMax[2]) / 2, c.base.z, 1e-5f);
    EXPECT_NEAR(model.boundsMax[0] - model.boundsMin[0], c.size.x, 1e-5f);
    EXPECT_NEAR(model.boundsMax[1] - model.boundsMin[1], c.size.y, 1e-5f);
    EXPECT_NEAR(model.boundsMax[2] - model.boundsMin[2], c.size.z, 1e-5f);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, PrimitiveTest,
    ::testing::Values(PrimitiveCase{"Box",
                                    [](ModelBuilder& b, int g) {
                                        b.AddBox(g, {1, 0, -2}, {2, 3, 4});
                                    },
                                    {1, 0, -2},
                                    {2, 3, 4}},
                      PrimitiveCase{"UprightCylinder",
                                    [](ModelBuilder& b, int g) {
                                        b.AddCylinder(g, {0, 1, 0}, 1.0f, 2.0f, Axis::Y, 4);
                                    },
                                    {0, 1, 0},
                                    {2, 2, 2}},
                      PrimitiveCase{"WheelAlongX",
                                    [](ModelBuilder& b, int g) {
                                        b.AddCylinder(g, {3, 0, 1}, 0.5f, 0.25f, Axis::X, 12);
                                    },
                                    {3, 0, 1},
                                    {0.25f, 1, 1}},
                      PrimitiveCase{"BarrelAlongZ",
                                    [](ModelBuilder& b, int g) {
                                        b.AddCylinder(g, {0, 2, 0}, 0.25f, 3.0f, Axis::Z, 8);
                                    },
                                    {0, 2, 0},
                                    {0.5f, 0.5f, 3}},
                      PrimitiveCase{"SharpWedge",
                                    [](ModelBuilder& b, int g) {
                                        b.AddWedge(g, {0, 0, 0}, 2, 4, 1, 0);
                                    },
                                    {0, 0, 0},
                                    {2, 1, 4}},
                      PrimitiveCase{"OddSidedWheelRestsOnItsBase",
                                    [](ModelBuilder& b, int g) {
                                        b.AddCylinder(g, {0, 0, 0}, 1.0f, 1.0f, Axis::X, 3);
                                    },
                                    {0, 0, 0},
                                    {1, 1.5f, 1.7320508f}},
                      PrimitiveCase{"SlopedBlock",
                                    [](ModelBuilder& b, int g) {
                                        b.AddWedge(g, {-1, 0.5f, 1}, 1, 2, 0.5f, 1.5f);
                                    },
                                    {-1, 0.5f, 1},
                                    {1, 1.5f, 2}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ModelBuilderTest, CentreOnFloorStandsTheModelOnTheFloorCentredInXAndZ) {
    ModelBuilder builder;
    const int group = builder.AddGroup("body");
    builder.AddBox(group, {10, 3, -7}, {2, 1, 2});
    builder.AddBox(group, {14, 3, -7}, {2, 5, 2});
    builder.CentreOnFloor();
    MeshTree model;
    MS3DLoader loader;
    fixtures::Read(loader, fixtures::Bytes(builder.GetModel()), model);
    EXPECT_EQ(model.boundsMin[1], 0.0f);
    EXPECT_FLOAT_EQ(model.boundsMin[0], -3.0f);
    EXPECT_FLOAT_EQ(model.boundsMax[0], 3.0f);
    EXPECT_FLOAT_EQ(model.boundsMin[2], -1.0f);
    EXPECT_FLOAT_EQ(model.boundsMax[2], 1.0f);
}

TEST(ModelBuilderTest, RefusesWhatCannotBeBuilt) {
    ModelBuilder builder;
    EXPECT_THROW(builder.AddGroup("g", 0), std::invalid_argument);
    EXPECT_THROW(builder.AddBox(0, {}, {1, 1, 1}), std::invalid_argument);
    const int group = builder.AddGroup("g");
    EXPECT_THROW(builder.AddBox(group, {}, {1, 0, 1}), std::invalid_argument);
    EXPECT_THROW(builder.AddCylinder(group, {}, 1, 1, Axis::Y, 2), std::invalid_argument);
    EXPECT_THROW(builder.AddWedge(group, {}, 1, 1, 1, -1), std::invalid_argument);
}

std::uint32_t U32At(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) |
           (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

TEST(Ms3dWriterTest, WritesPackedLittleEndianRecordsFieldByField) {
    const Ms3dModel m = fixtures::Square();
    const std::vector<std::uint8_t> b = EncodeMs3d(m);
    const fixtures::Layout layout = fixtures::LayoutOf(m);
    EXPECT_EQ(b.size(), layout.end + 14) << "the animation settings close the file";
    EXPECT_EQ(std::memcmp(b.data(), "MS3D000000", 10), 0);
    EXPECT_EQ(U32At(b, 10), 4u);
    EXPECT_EQ(b[layout.vertices], 4);
    EXPECT_EQ(b[layout.vertices + 1], 0);
    const std::size_t v1 = layout.vertices + 2 + kMs3dVertexSize;  // the second vertex
    float x = 0;
    const std::uint32_t bits = U32At(b, v1 + 1);
    std::memcpy(&x, &bits, 4);
    EXPECT_EQ(x, 1.0f);
    EXPECT_EQ(b[v1 + 13], 0xFF) << "no bone";
    EXPECT_EQ(b[v1 + 14], 1) << "used by one triangle";
    EXPECT_EQ(b[layout.vertices + 2 + 14], 2) << "the first vertex is used by both triangles";
    EXPECT_EQ(b[layout.triangles], 2);
    const std::size_t t1 = layout.triangles + 2 + kMs3dTriangleSize;
    EXPECT_EQ(b[t1 + 2], 0);
    EXPECT_EQ(b[t1 + 4], 3) << "second vertex index of the second triangle";
    EXPECT_EQ(b[layout.groups + 2 + 1], 'f');
    EXPECT_EQ(b[layout.groups + 2 + 33], 2) << "triangles in the group";
    EXPECT_EQ(b[layout.groups + 2 + 35 + 4], 0) << "material of the group";
    EXPECT_EQ(b[layout.materials], 1);
    EXPECT_EQ(std::memcmp(&b[layout.materials + 2 + 105], "..\\Textures\\crate.bmp", 21), 0);
}

TEST(Ms3dWriterTest, RefusesWhatTheFormatCannotHold) {
    Ms3dModel longName = fixtures::Square();
    longName.groups[0].name = std::string(32, 'n');
    EXPECT_THROW(EncodeMs3d(longName), std::invalid_argument);
    longName.groups[0].name = std::string(31, 'n');
    EXPECT_NO_THROW(EncodeMs3d(longName));
    Ms3dModel longTexture = fixtures::Square();
    longTexture.materials[0].textureFile = std::string(128, 't');
    EXPECT_THROW(EncodeMs3d(longTexture), std::invalid_argument);
    Ms3dModel many;
    many.vertices.resize(65536);
    EXPECT_THROW(EncodeMs3d(many), std::invalid_argument);
    std::string error;
    EXPECT_FALSE(WriteMs3d("/nonexistent-folder/x.ms3d", fixtures::Square(), error));
    EXPECT_FALSE(error.empty());
}

}  // namespace
