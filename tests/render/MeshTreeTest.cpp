#include "render/MeshTree.h"

#include <gtest/gtest.h>

#include <memory>

#include "app/FrameTimer.h"
#include "platform/fake/FakePlatform.h"
#include "tests/render/Ms3dFixtures.h"

namespace {

std::unique_ptr<MeshTree> Prototype() {
    auto model = std::make_unique<MeshTree>();
    MS3DLoader loader;
    fixtures::Read(loader, fixtures::Bytes(fixtures::Square()), *model);
    model->boxes.emplace_back(-1.0f, 1.0f, -2.0f, 2.0f);
    model->Translate(3, 4, 5);
    return model;
}

TEST(MeshTreeTest, ANewModelHasNothingSet) {
    const MeshTree model;
    EXPECT_FALSE(model.matrix);
    EXPECT_FALSE(model.mesh);
    EXPECT_EQ(model.GetShadowIndex(), nullptr);
    EXPECT_FALSE(model.celShaded || model.lit || model.inRenderList || model.outlined ||
                 model.castsShadow || model.transparent || model.scenery ||
                 model.revealsUnderCaster || model.visible || model.drawBlack);
    EXPECT_EQ(model.groupCount, 0);
    EXPECT_EQ(model.radius, 0.0f);
}

TEST(MeshTreeTest, ACopySharesTheMeshAndHasItsOwnBoxesButNoMatrix) {
    std::unique_ptr<MeshTree> prototype = Prototype();
    prototype->drawBlack = true;
    MeshTree copy(*prototype);
    EXPECT_FALSE(copy.matrix);
    EXPECT_EQ(copy.mesh, prototype->mesh);
    EXPECT_TRUE(copy.drawBlack);
    EXPECT_TRUE(copy.visible);
    EXPECT_EQ(copy.radius, prototype->radius);
    EXPECT_EQ(copy.groupCount, 1);
    EXPECT_EQ(copy.facesLight.size(), 2u);
    ASSERT_EQ(copy.boxes.size(), 1u);
    copy.boxes.clear();
    copy.facesLight[0] = 1;
    EXPECT_EQ(prototype->boxes.size(), 1u);
    EXPECT_EQ(prototype->facesLight[0], 0) << "each copy marks its own lit faces";
}

TEST(MeshTreeTest, DeletingCopiesLeavesTheMeshToTheOthers) {
    std::unique_ptr<MeshTree> prototype = Prototype();
    auto first = std::make_unique<MeshTree>(*prototype);
    first->ResetMatrix();
    first.reset();
    MeshTree second(*prototype);
    ASSERT_TRUE(second.mesh);
    EXPECT_EQ(second.mesh->triangles.size(), 2u);
    prototype.reset();
    EXPECT_EQ(second.mesh->groups[0].name, "floor") << "the mesh lives while a copy holds it";
}

TEST(MeshTreeTest, AssigningACopyReleasesTheOldMatrixOnce) {
    std::unique_ptr<MeshTree> prototype = Prototype();
    MeshTree held(*prototype);
    held.ResetMatrix();
    held = *prototype;
    EXPECT_FALSE(held.matrix);
    held.ResetMatrix();
    held = held;
    MeshTree moved(std::move(held));
    ASSERT_TRUE(moved.matrix);
    EXPECT_EQ(moved.matrix->m[0], 1.0f);
}

TEST(MeshTreeTest, SetMatrixMakesOneAndTakesExactlyTheValues) {
    MeshTree model;
    float values[16];
    for (int i = 0; i < 16; ++i) values[i] = static_cast<float>(i) * 0.5f - 3.0f;
    model.SetMatrix(values);
    ASSERT_TRUE(model.matrix);
    for (int i = 0; i < 16; ++i) EXPECT_EQ(model.matrix->m[i], values[i]);
    model.AllocateMatrix();
    EXPECT_EQ(model.matrix->m[1], 0.0f);
    EXPECT_EQ(model.matrix->m[15], 1.0f);
}

TEST(MeshTreeTest, RotationsScaleByTheFrameTimeAndKeepThePosition) {
    platform::FakePlatform fake;
    frameTimer.Init(false);
    frameTimer.Update();
    MeshTree model;
    model.ResetMatrix();
    model.Translate(5, 1, 2);
    const Mat44 before = *model.matrix;
    model.RotateY(3.0f);
    for (int i = 0; i < 16; ++i) EXPECT_EQ(model.matrix->m[i], before.m[i]) << "no frame time";

    fake.clock.AdvanceSeconds(0.5);
    frameTimer.Update();
    model.RotateY(3.14159265f);  // half a turn per second for half a second
    EXPECT_NEAR(model.matrix->m[8], 1.0f, 1e-5f);
    EXPECT_NEAR(model.matrix->m[10], 0.0f, 1e-5f);
    model.RotateX(1.0f);
    model.RotateZ(1.0f);
    EXPECT_EQ(model.matrix->m[12], 5.0f);
    EXPECT_EQ(model.matrix->m[13], 1.0f);
    EXPECT_EQ(model.matrix->m[14], 2.0f);
    frameTimer.Init(false);
}

TEST(MeshTreeTest, MovingAModelWithoutAMatrixDoesNothing) {
    MeshTree model;
    model.Translate(1, 2, 3);
    model.RotateX(1);
    model.RotateY(1);
    model.RotateZ(1);
    EXPECT_FALSE(model.matrix);
}

}  // namespace
