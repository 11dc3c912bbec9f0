// Composite effects: the options file, debris, placement, the queries the world and the HUD
// rely on, and a script that cannot be loaded.
#include <gtest/gtest.h>

#include "particles/Debris.h"
#include "particles/Particle.h"
#include "tests/particles/ParticleFixtures.h"

namespace {

using particletest::BlockText;
using particletest::ParticleTest;
using particletest::ScriptText;

constexpr float kFrame = 0.02f;

TEST(DebrisMotion, RisesFallsAndSlidesToAStopWithoutBouncing) {
    float v[3] = {0.1f, 0.15f, -0.1f};
    float p[3] = {0.0f, 0.0f, 0.0f};
    // A frame of 0.02 s is a step of 0.8.
    StepDebrisMotion(v, p, 0.02f);
    EXPECT_FLOAT_EQ(v[1], 0.142f);
    EXPECT_FLOAT_EQ(p[1], 0.1036f);
    EXPECT_FLOAT_EQ(p[0], 0.08f);
    int frames = 0;
    while (p[1] > 0.0f && frames < 1000) {
        StepDebrisMotion(v, p, 0.02f);
        ++frames;
    }
    ASSERT_EQ(p[1], 0.0f);
    // On the floor: held there, the sideways speeds shrink by a tenth a frame.
    const float vx = v[0];
    const float vz = v[2];
    StepDebrisMotion(v, p, 0.02f);
    EXPECT_EQ(p[1], 0.0f);
    EXPECT_FLOAT_EQ(v[0], vx * 0.9f);
    EXPECT_FLOAT_EQ(v[2], vz * 0.9f);
}

class EffectTest : public ParticleTest {
protected:
    void SetUp() override { Write("blocks.txt", BlockText(2)); }
    void Options(const char* text) { Write("options.txt", text); }
    std::string Script(const char* name, ScriptText script = ScriptText()) {
        return Write(name, script.Text());
    }
};

struct SmokeCase {
    const char* name;
    const char* options;  // null: no options file
    bool smoke;
};

void PrintTo(const SmokeCase& c, std::ostream* out) {
    *out << c.name;
}

class SmokeOption : public EffectTest, public ::testing::WithParamInterface<SmokeCase> {};

// A random-direction script shows only through its debris, and only with smoke effects on.
TEST_P(SmokeOption, DecidesWhetherDebrisFlies) {
    if (GetParam().options) Options(GetParam().options);
    const std::string debris = Script(
        "debris.cfg", ScriptText().Set("random direction", "true").Set("lifetime loops", "100"));
    Particle effect;
    effect.LoadScripts({debris});
    EXPECT_EQ(effect.SmokeEffects(), GetParam().smoke);
    effect.DrawFrame(kFrame);
    EXPECT_EQ(effect.IsAlive(), GetParam().smoke);
    EXPECT_FALSE(effect.GetSystem(0)->AnyAlive());
    // Each of the five pieces draws its own two particles; the script itself draws none.
    EXPECT_EQ(canvas.drawn.size(), GetParam().smoke ? 10u : 0u);
    EXPECT_EQ(effect.GetDebris(4) != nullptr, GetParam().smoke);
}

INSTANTIATE_TEST_SUITE_P(Effects, SmokeOption,
                         ::testing::Values(SmokeCase{"On", "smoke effects = true\n", true},
                                           SmokeCase{"UpperCaseIsOff", "smoke effects = TRUE\n",
                                                     false},
                                           SmokeCase{"Off", "smoke effects = false\n", false},
                                           SmokeCase{"NoFile", nullptr, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(EffectTest, DebrisIsBornAtThePieceAndMovesOncePerDraw) {
    Options("smoke effects = true\n");
    const ScriptText random =
        ScriptText().Set("random direction", "true").Set("lifetime loops", "100");
    // Two random-direction scripts: the second replaces the pieces of the first.
    Particle effect;
    effect.LoadScripts({Script("a.cfg", random), Script("b.cfg", random)});
    ASSERT_EQ(effect.GetDebrisCount(), 5);
    float* v = effect.GetDebrisVelocity(0);
    v[0] = 0.1f;
    v[1] = 0.15f;
    v[2] = 0.0f;
    effect.MoveTo(3.0f, 0.0f, 4.0f, true);
    effect.DrawFrame(kFrame);
    EXPECT_FLOAT_EQ(effect.GetDebrisPosition(0)[1], 0.1036f);
    // Born at once where the piece is, shifted by the effect's offset.
    const ParticleState& p = effect.GetDebris(0)->GetParticle(0);
    EXPECT_FLOAT_EQ(p.position[1], 0.1036f);
    EXPECT_FLOAT_EQ(p.position[0], 0.08f);
    EXPECT_EQ(effect.GetDebris(0)->GetOffset()[0], 3.0f);
}

TEST_F(EffectTest, ARandomPositionScriptIsJitteredAndNeverDrawnItself) {
    Options("smoke effects = true\n");
    Particle effect;
    effect.LoadScripts({Script("p.cfg", ScriptText().Set("random position", "true"))});
    // The draw 75 gives x and z 5 / 20 - 0.1, y 5 / 40 + 0.15.
    const float* position = effect.GetSystem(0)->GetPosition();
    EXPECT_FLOAT_EQ(position[0], 0.15f);
    EXPECT_FLOAT_EQ(position[1], 0.275f);
    effect.DrawFrame(kFrame);
    EXPECT_TRUE(canvas.drawn.empty());
    EXPECT_TRUE(effect.WasDrawn());
}

TEST_F(EffectTest, PlacingAsAnOffsetOnlyMovesTheOffsetElseItTiesToTheModel) {
    Particle effect;
    effect.LoadScripts({Script("s.cfg")});
    MeshTree model;
    model.AllocateMatrix();
    model.matrix->m[12] = 6.0f;
    model.matrix->m[13] = 9.0f;
    model.matrix->m[14] = -2.0f;
    effect.PlaceAt(&model, true);
    ParticleSystem* system = effect.GetSystem(0);
    EXPECT_EQ(system->GetOffset()[0], 6.0f);
    EXPECT_EQ(system->GetOffset()[1], 0.0f);
    EXPECT_EQ(system->GetPosition()[0], 0.0f);
    effect.DrawFrame(kFrame);
    EXPECT_EQ(canvas.drawn[0].birthMatrix, nullptr);

    effect.PlaceAt(&model, false);
    EXPECT_EQ(system->GetPosition()[2], -2.0f);
    canvas.ClearFrame();
    effect.DrawFrame(kFrame);
    EXPECT_NE(canvas.drawn[0].birthMatrix, nullptr);
    // A model without a transform places nothing.
    MeshTree bare;
    effect.PlaceAt(&bare, true);
    EXPECT_EQ(system->GetOffset()[0], 6.0f);
}

TEST_F(EffectTest, AMissingScriptLeavesNoSystemsAndIsReportedOncePerFile) {
    const std::string good = Script("s.cfg");
    Particle first, second, other;
    first.LoadScripts({good, "./missing.cfg"});
    second.LoadScripts({"./missing.cfg"});
    other.LoadScripts({"./gone.cfg"});
    EXPECT_EQ(first.GetSystemCount(), 0);
    EXPECT_EQ(first.GetSystem(1), nullptr);
    EXPECT_EQ(first.GetSystem(-1), nullptr);
    first.DrawFrame(kFrame);
    EXPECT_FALSE(first.IsAlive());
    EXPECT_FALSE(first.WasDrawn());
    ASSERT_EQ(fake.dialogs.shown.size(), 2u);
    EXPECT_EQ(fake.dialogs.shown[0].text, "Error loading particle script!");
    EXPECT_EQ(fake.dialogs.shown[0].caption, "Error");
}

TEST_F(EffectTest, ControlsReachEveryEmitterAndOneAtATime) {
    Particle effect;
    effect.LoadScripts({Script("a.cfg"), Script("b.cfg"), Script("c.cfg")});
    effect.Stop(true);
    EXPECT_FALSE(effect.IsAlive());
    effect.Start();
    EXPECT_TRUE(effect.IsAlive());
    effect.SetSystemOffset(2, 1.0f, 2.0f, 3.0f);
    effect.SetSystemOffset(7, 1.0f, 2.0f, 3.0f);  // no such emitter: skipped
    EXPECT_EQ(effect.GetSystem(2)->GetOffset()[2], 3.0f);
    EXPECT_EQ(effect.GetSystem(1)->GetOffset()[2], 0.0f);
    effect.PauseSystem(1);
    effect.DrawFrame(kFrame);
    EXPECT_EQ(canvas.drawn.size(), 4u);
    EXPECT_FALSE(effect.GetSystem(1)->WasDrawn());
    effect.ResumeSystem(1);
    EXPECT_FALSE(effect.GetSystem(1)->IsPaused());
    effect.ExpireAll();
    EXPECT_EQ(effect.GetSystem(0)->GetParticle(0).life, 0.0f);
}

TEST_F(EffectTest, IsAnEntityOfTypeParticle) {
    Particle effect;
    EXPECT_EQ(effect.GetTypeName(), "Particle");
    EXPECT_EQ(effect.Create()->GetTypeName(), "Particle");
    EXPECT_EQ(ParticleSystem().GetTypeName(), "GameEntity");
    EXPECT_TRUE(effect.Update(nullptr)->GetType().empty());
}

}  // namespace
