// Planar shadows, caster shading and stencil shadow volumes on a real context.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <vector>

#include "render/GLExtensions.h"
#include "render/MeshTree.h"
#include "tests/gl/GlFixture.h"
#include "tests/render/TestModels.h"

namespace gltest {
namespace {

const Rgba kFloor = {255, 255, 255, 255};
// Black at 0.4 over white.
const Rgba kPlanarShadow = {153, 153, 153, 255};
// Black at 0.5 over white.
const Rgba kVolumeShadow = {128, 128, 128, 255};

class GlShadowTest : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        if (IsSkipped()) return;
        LookFrom(8, 12, 8, 0, 0, 0);
    }
};

TEST_F(GlShadowTest, APlanarShadowDarkensTheFloorUnderItsModel) {
    auto wardrobe = rendertest::Load(rendertest::BoxModel(4, 12, 2, {0.5f, 0.3f, 0.1f}));
    ASSERT_TRUE(wardrobe);
    DrawFloor();
    renderer().DrawPlanarShadow(wardrobe.get(), 0);
    Save("planar_shadow");
    EXPECT_TRUE(Near(PixelAt(1.5f, 0, 0.5f), kPlanarShadow, 3));
    EXPECT_TRUE(Near(PixelAt(-1.5f, 0, -0.5f), kPlanarShadow, 3));
    EXPECT_TRUE(Near(PixelAt(2.5f, 0, 0), kFloor));
    EXPECT_TRUE(Near(PixelAt(0, 0, 1.5f), kFloor));
    EXPECT_EQ(renderer().trianglesDrawn, 12u);  // the flattened box; the floor slab counts none
}

TEST_F(GlShadowTest, AHiddenModelCastsNoPlanarShadow) {
    auto wardrobe = rendertest::Load(rendertest::BoxModel(4, 12, 2, {0.5f, 0.3f, 0.1f}));
    wardrobe->visible = false;
    DrawFloor();
    renderer().DrawPlanarShadow(wardrobe.get(), 0);
    EXPECT_TRUE(Near(PixelAt(1.5f, 0, 0.5f), kFloor));
}

TEST_F(GlShadowTest, ThePlanarPassRecordsEachTallCasterOnce) {
    auto tall = rendertest::Load(rendertest::BoxModel(4, 12, 4, {0.5f, 0.3f, 0.1f}), 10, 0, 10);
    auto low = rendertest::Load(rendertest::BoxModel(2, 2, 2, {0.5f, 0.3f, 0.1f}), 20, 0, 20);
    renderer().BuildShadowCasterTable({tall.get(), low.get()});
    ASSERT_EQ(renderer().casterCount, 1);
    for (int frame = 0; frame < 3; ++frame) {
        renderer().DrawPlanarShadow(tall.get(), 0);
        renderer().DrawPlanarShadow(low.get(), 0);
    }
    EXPECT_TRUE(renderer().castersRecorded);
    EXPECT_EQ(renderer().nextCaster, 1);
    EXPECT_EQ(renderer().casters[0].model, tall.get());
    EXPECT_FLOAT_EQ(renderer().casters[0].position.x, 10.0f);
    EXPECT_FLOAT_EQ(renderer().casters[0].position.z, 10.0f);
    EXPECT_FLOAT_EQ(renderer().casters[0].halfExtentX, 2.0f);
    EXPECT_TRUE(tall->inRenderList);
    EXPECT_FALSE(low->inRenderList);
    EXPECT_EQ(renderer().renderLists[2], std::list<MeshTree*>{tall.get()});

    // A second level's table starts empty, and its casters are recorded afresh.
    renderer().FreeShadowCasterTable();
    renderer().ClearRenderLists();
    tall->inRenderList = false;
    renderer().BuildShadowCasterTable({tall.get()});
    renderer().DrawPlanarShadow(tall.get(), 0);
    EXPECT_EQ(renderer().renderLists[2].size(), 1u);
}

TEST_F(GlShadowTest, AVehicleUnderATallCasterIsDrawnDarkerTowardItsCentre) {
    auto table = rendertest::Load(rendertest::BoxModel(8, 12, 8, {0.5f, 0.3f, 0.1f}));
    auto vehicle = rendertest::Cube(1.0f, {1, 0, 0});
    vehicle->lit = false;
    vehicle->outlined = false;
    vehicle->scenery = false;
    renderer().BuildShadowCasterTable({table.get()});
    renderer().DrawPlanarShadow(table.get(), 0);
    renderer().Clear();
    renderer().DrawMeshTree(vehicle.get());
    EXPECT_TRUE(Near(PixelAt(0, 0.5f, 0.5f), {77, 0, 0, 255}, 3));  // 0.3 of its red
    vehicle->scenery = true;  // level objects are never shaded
    renderer().DrawMeshTree(vehicle.get());
    EXPECT_TRUE(Near(PixelAt(0, 0.5f, 0.5f), {255, 0, 0, 255}, 3));
}

TEST_F(GlShadowTest, InTheTopDownViewACasterOverAVehicleIsDrawnSeeThroughFromTheList) {
    auto table = rendertest::Load(rendertest::BoxModel(8, 12, 8, {0.0f, 0.0f, 1.0f}));
    table->lit = false;
    table->outlined = false;
    auto vehicle = rendertest::Cube(1.0f, {1, 0, 0});
    vehicle->scenery = false;
    vehicle->revealsUnderCaster = true;
    renderer().BuildShadowCasterTable({table.get()});
    renderer().DrawPlanarShadow(table.get(), 0);
    camera().SetTopDownView(vehicle->matrix->m, 50, 0);
    renderer().Clear();
    renderer().DrawMeshTree(vehicle.get());
    EXPECT_TRUE(table->transparent);
    renderer().DrawRenderList(2);
    Save("caster_top_down");
    // Half blue over the clear grey beside the vehicle.
    EXPECT_TRUE(Near(PixelAt(3, 12, 3), {102, 102, 229, 255}, 3));
    // Once the vehicle has left, the caster is opaque again, and in the chase view the list
    // leaves it (scenery) to the entity pass.
    vehicle->Translate(20, 0, 0);
    renderer().DrawMeshTree(vehicle.get());
    EXPECT_FALSE(table->transparent);
    camera().SetChaseView(vehicle->matrix->m, 10, 5.5f, 0.2f);
    renderer().Clear();
    const std::vector<unsigned char> before = gl().ReadPixels();
    renderer().DrawRenderList(2);
    EXPECT_EQ(gl().ReadPixels(), before);
}

struct VolumeCase {
    const char* name;
    bool twoSided;
};
void PrintTo(const VolumeCase& c, std::ostream* out) {
    *out << c.name;
}

class GlShadowVolumeTest : public GlShadowTest, public ::testing::WithParamInterface<VolumeCase> {};

// A 2-unit cube floating from y = 3 to 5 above the floor, lit from (0, 25, 0) in its own
// coordinates (22 units above its top): its shadow on the floor is the square of half side
// 28 / 23 (about 1.22) around the origin.
TEST_P(GlShadowVolumeTest, AShadowVolumeDarkensExactlyItsShadow) {
    if (GetParam().twoSided && !ext::glActiveStencilFaceEXT)
        GTEST_SKIP() << "no two-sided stencil on this driver";
    twoSidedStencil = GetParam().twoSided;
    auto can = rendertest::Load(rendertest::BoxModel(2, 2, 2, {1, 0, 0}), 0, 3, 0);
    can->lit = false;
    can->outlined = false;
    renderer().lightPosition = Vector3(0, 25, 0);
    DrawFloor();
    renderer().DrawMeshTree(can.get());
    renderer().DrawShadowVolume(can.get(), false);
    Save(GetParam().twoSided ? "shadow_volume_two_sided" : "shadow_volume_one_sided");
    const struct {
        float x, z;
        Rgba colour;
    } samples[] = {
        {1.1f, 0, kVolumeShadow}, {1.1f, 1.1f, kVolumeShadow},
        {0, 1.1f, kVolumeShadow}, {1.35f, 0, kFloor},
        {1.1f, 1.35f, kFloor},    {0, 1.35f, kFloor},
        {-3, 3, kFloor},          {4, 0, kFloor},
    };
    for (const auto& sample : samples)
        EXPECT_TRUE(Near(PixelAt(sample.x, 0, sample.z), sample.colour, 3))
            << "floor at (" << sample.x << ", " << sample.z << ")";
    GLint stencilTest = 0;
    glGetIntegerv(GL_STENCIL_TEST, &stencilTest);
    EXPECT_FALSE(stencilTest);
}

INSTANTIATE_TEST_SUITE_P(Shadows, GlShadowVolumeTest,
                         ::testing::Values(VolumeCase{"TwoSided", true},
                                           VolumeCase{"OneSided", false}));

TEST_F(GlShadowTest, AModelWithoutShadowDataCastsNoVolume) {
    auto cube = rendertest::Cube(2.0f, {1, 0, 0});
    MeshTree plain(*cube);
    auto mesh = std::make_shared<MeshData>();
    mesh->vertices = cube->mesh->vertices;
    mesh->triangles = cube->mesh->triangles;
    mesh->groups = cube->mesh->groups;
    plain.mesh = mesh;
    plain.ResetMatrix();
    DrawFloor();
    const std::vector<unsigned char> before = gl().ReadPixels();
    renderer().DrawShadowVolume(&plain, false);
    EXPECT_EQ(gl().ReadPixels(), before);
}

}  // namespace
}  // namespace gltest
