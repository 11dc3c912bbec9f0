// The tall casters: which models are tall, how much they shade what stands under them, and
// their transparency over vehicles in the overhead views.
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <vector>

#include "render/MeshTree.h"
#include "render/Renderer.h"
#include "render/ShadowCaster.h"

namespace {

MeshTree Model(float x, float z, float bottom = 0.0f, float top = 2.0f) {
    MeshTree model;
    model.ResetMatrix();
    model.matrix->m[12] = x;
    model.matrix->m[14] = z;
    model.boundsMin[1] = bottom;
    model.boundsMax[1] = top;
    model.castsShadow = true;
    model.visible = true;
    return model;
}

struct TallCase {
    const char* name;
    float bottom, top;
    bool tall;
};
void PrintTo(const TallCase& c, std::ostream* out) {
    *out << c.name;
}

class TallTest : public ::testing::TestWithParam<TallCase> {};

TEST_P(TallTest, TallWhenTheVerticalMiddleIsAboveFive) {
    EXPECT_EQ(IsTall(Model(0, 0, GetParam().bottom, GetParam().top)), GetParam().tall);
}

INSTANTIATE_TEST_SUITE_P(Casters, TallTest,
                         ::testing::Values(TallCase{"MiddleExactlyFive", 0, 10, false},
                                           TallCase{"MiddleAboveFive", 0, 10.2f, true},
                                           TallCase{"RaisedShelf", 8, 9, true},
                                           TallCase{"Vehicle", 0, 2, false}));

// One caster at (20, 0, 20) with half extents 4 and 2.
class CasterTest : public ::testing::Test {
protected:
    CasterTest() : caster(Model(20, 20, 0, 12)), vehicle(Model(20, 20)) {
        caster.scenery = true;
        vehicle.revealsUnderCaster = true;
        entry.position = Vector3(20, 0, 20);
        entry.halfExtentX = 4;
        entry.halfExtentZ = 2;
        entry.model = &caster;
    }
    bool Shade(MeshTree& model, int mode, float* bias) {
        return ShadeUnderCasters(&entry, 1, &model, mode, bias);
    }
    MeshTree caster;
    MeshTree vehicle;
    ShadowCaster entry;
};

struct BiasCase {
    const char* name;
    float x, z;
    bool inside;
    float bias;
};
void PrintTo(const BiasCase& c, std::ostream* out) {
    *out << c.name;
}

class BiasTest : public CasterTest, public ::testing::WithParamInterface<BiasCase> {};

TEST_P(BiasTest, DarkerTowardTheCentre) {
    vehicle.matrix->m[12] = GetParam().x;
    vehicle.matrix->m[14] = GetParam().z;
    float bias = -1.0f;
    EXPECT_EQ(Shade(vehicle, 1, &bias), GetParam().inside);
    if (GetParam().inside) {
        EXPECT_NEAR(bias, GetParam().bias, 1e-5);
    }
}

INSTANTIATE_TEST_SUITE_P(Casters, BiasTest,
                         ::testing::Values(BiasCase{"AtTheCentre", 20, 20, true, 0.3f},
                                           BiasCase{"HalfwayInX", 22, 20, true, 0.5f},
                                           BiasCase{"NinetyFivePercentInX", 23.8f, 20, true, 0.95f},
                                           BiasCase{"LargerOfTheTwoRatios", 21, 21.5f, true, 0.75f},
                                           BiasCase{"OnTheRimIsOutside", 24, 20, false, 0},
                                           BiasCase{"OnTheZRimIsOutside", 20, 18, false, 0},
                                           BiasCase{"FarAway", 60, 60, false, 0}));

TEST_F(CasterTest, SceneryAndTheCasterItselfAreNeverShaded) {
    float bias = 0.0f;
    vehicle.scenery = true;
    EXPECT_FALSE(Shade(vehicle, 1, &bias));
    EXPECT_FALSE(Shade(caster, 1, &bias));
}

TEST_F(CasterTest, AnUnrecordedEntryIsSkipped) {
    // The table can hold more entries than were recorded; they have no caster to shade with.
    ShadowCaster entries[2];
    entries[1] = entry;
    float bias = 0.0f;
    EXPECT_TRUE(ShadeUnderCasters(entries, 2, &vehicle, 2, &bias));
    EXPECT_FLOAT_EQ(bias, 0.3f);
    EXPECT_TRUE(entries[0].modelsUnder.empty());
}

TEST_F(CasterTest, InTheChaseViewTheCasterStaysOpaque) {
    float bias = 0.0f;
    EXPECT_TRUE(Shade(vehicle, 1, &bias));
    EXPECT_FALSE(caster.transparent);
    EXPECT_TRUE(entry.modelsUnder.empty());
}

struct Step {
    MeshTree* model;
    float x;  // where the model stands on this step
    bool transparentAfter;
};

TEST_F(CasterTest, InTheTopDownViewTheCasterIsSeeThroughWhileAnyRevealerIsUnder) {
    MeshTree battery = Model(20, 20);
    battery.revealsUnderCaster = true;
    MeshTree weapon = Model(20, 20);  // no revealsUnderCaster
    const Step steps[] = {
        {&weapon, 20, false},  {&vehicle, 20, true},
        {&battery, 21, true},  {&vehicle, 40, true},  // the battery is still under it
        {&battery, 40, false}, {&vehicle, 21, true},
    };
    for (const Step& step : steps) {
        step.model->matrix->m[12] = step.x;
        float bias = 0.0f;
        Shade(*step.model, 2, &bias);
        EXPECT_EQ(caster.transparent, step.transparentAfter) << "at x " << step.x;
    }
    EXPECT_EQ(entry.modelsUnder.size(), 1u);
    // Back in the chase view, the first model outside the caster clears it at once.
    battery.matrix->m[12] = 60;
    float bias = 0.0f;
    Shade(battery, 1, &bias);
    EXPECT_FALSE(caster.transparent);
    EXPECT_TRUE(entry.modelsUnder.empty());
}

TEST(CasterTableTest, CountsWithTheRuleThatRecords) {
    MeshTree tallObject = Model(0, 0, 0, 12);
    MeshTree lowObject = Model(0, 0, 0, 2);
    MeshTree hiddenTall = Model(0, 0, 0, 12);
    hiddenTall.visible = false;  // never drawn by the planar pass, so never recorded
    MeshTree tallNoShadow = Model(0, 0, 0, 12);
    tallNoShadow.castsShadow = false;
    Renderer renderer;
    renderer.BuildShadowCasterTable({&tallObject, &lowObject, &hiddenTall, &tallNoShadow, nullptr});
    EXPECT_EQ(renderer.casterCount, 1);
    EXPECT_EQ(renderer.nextCaster, 0);
    ASSERT_NE(renderer.casters, nullptr);
    EXPECT_EQ(renderer.casters[0].model, nullptr);
    renderer.castersRecorded = true;
    renderer.FreeShadowCasterTable();
    EXPECT_EQ(renderer.casters, nullptr);
    EXPECT_EQ(renderer.casterCount, 0);
    EXPECT_TRUE(renderer.castersRecorded);
}

TEST(CasterTableTest, ShadingWaitsForTheFirstRecordingAndSkipsModelsInTheList) {
    Renderer renderer;
    MeshTree tallObject = Model(20, 20, 0, 12);
    tallObject.boundsMax[0] = 4;
    tallObject.boundsMax[2] = 4;
    MeshTree vehicle = Model(20, 20);
    renderer.BuildShadowCasterTable({&tallObject});
    renderer.casters[0].position = Vector3(20, 0, 20);
    renderer.casters[0].halfExtentX = 4;
    renderer.casters[0].halfExtentZ = 4;
    renderer.casters[0].model = &tallObject;
    float bias = 0.0f;
    EXPECT_FALSE(renderer.GetShadowBias(&vehicle, &bias));
    renderer.castersRecorded = true;
    EXPECT_TRUE(renderer.GetShadowBias(&vehicle, &bias));
    vehicle.inRenderList = true;  // a radial blast
    EXPECT_FALSE(renderer.GetShadowBias(&vehicle, &bias));
}

}  // namespace
