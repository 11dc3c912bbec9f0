// One emitter frame by frame on the recording canvas: the expiry budget, animation frames,
// fades, batches, resizing, pausing and the birth orientation.
#include <gtest/gtest.h>

#include <cmath>

#include "particles/ParticleSystem.h"
#include "tests/particles/ParticleFixtures.h"

namespace {

using particletest::BlockText;
using particletest::ParticleTest;
using particletest::ScriptText;

// One life unit per frame.
constexpr float kFrame = 1.0f / 60.0f;

class EmitterTest : public ParticleTest {
protected:
    ParticleSystem& Load(const ScriptText& script, int blocks) {
        Write("blocks.txt", BlockText(blocks));
        const std::string file = Write("s.cfg", script.Text());
        system = std::make_unique<ParticleSystem>();
        system->Load(file.c_str());
        return *system;
    }
    void Frames(int n, float frameTime = kFrame) {
        for (int i = 0; i < n; ++i) system->DrawFrame(frameTime);
    }
    int Alive() const {
        int alive = 0;
        for (int i = 0; i < system->GetParticleCount(); ++i) alive += system->GetParticle(i).alive;
        return alive;
    }
    std::unique_ptr<ParticleSystem> system;
};

struct BudgetCase {
    const char* name;
    int particles;
    int lifetimeLoops;
    bool stopAfterFirstWave;
    int aliveAfterFirstWave;
    int aliveAfterSecondWave;
};

void PrintTo(const BudgetCase& c, std::ostream* out) {
    *out << c.name;
}

class Budgets : public EmitterTest, public ::testing::WithParamInterface<BudgetCase> {};

// Every particle is born at the reset and expires in the tenth frame, in slot order; the
// expiry count covers the whole system.
TEST_P(Budgets, ExpiriesBeyondTheBudgetKill) {
    const BudgetCase& c = GetParam();
    Load(ScriptText()
             .Set("num particles", std::to_string(c.particles))
             .Set("lifetime", "9.5")
             .Set("lifetime loops", std::to_string(c.lifetimeLoops)),
         c.particles);
    Frames(10);
    EXPECT_EQ(Alive(), c.aliveAfterFirstWave);
    if (c.stopAfterFirstWave) system->Stop(false);
    Frames(10);
    EXPECT_EQ(Alive(), c.aliveAfterSecondWave);
}

INSTANTIATE_TEST_SUITE_P(
    Emitter, Budgets,
    ::testing::Values(BudgetCase{"NoRebirths", 10, 0, false, 0, 0},
                      // The first two expiries anywhere give rebirths, the third kills.
                      BudgetCase{"TwoRebirths", 10, 2, false, 2, 0},
                      BudgetCase{"Endless", 10, -1, false, 10, 10},
                      // Stopped gently after five expiries: every later expiry kills.
                      BudgetCase{"StoppedAfterFive", 5, -1, true, 5, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EmitterTest, StopNowKillsAtOnceAndStartBringsAllBack) {
    Load(ScriptText().Set("num particles", "4"), 4);
    system->Stop(true);
    EXPECT_FALSE(system->AnyAlive());
    Frames(1);
    EXPECT_TRUE(canvas.drawn.empty());
    system->Start();
    EXPECT_EQ(Alive(), 4);
    EXPECT_EQ(system->GetLifetimeLoops(), -1);
}

struct AnimationCase {
    int animationLoops;
    // The frame shown after each eighth of a second.
    std::vector<int> frames;
};

class Animation : public EmitterTest, public ::testing::WithParamInterface<AnimationCase> {};

TEST_P(Animation, FramesAdvanceAtTheirRateAndHoldTheLast) {
    Load(ScriptText()
             .Set("num particles", "1")
             .Set("texture path", "./frames/puff")
             .Set("num bitmaps", "4")
             .Set("animation frameskip modifier", "8")
             .Set("animation loops", std::to_string(GetParam().animationLoops))
             .Set("lifetime", "1000.0"),
         1);
    std::vector<int> shown;
    for (size_t i = 0; i < GetParam().frames.size(); ++i) {
        Frames(1, 0.125f);
        shown.push_back(system->GetParticle(0).frame);
    }
    EXPECT_EQ(shown, GetParam().frames);
}

INSTANTIATE_TEST_SUITE_P(Emitter, Animation,
                         ::testing::Values(AnimationCase{1, {1, 2, 3, 3, 3, 3}},
                                           AnimationCase{2, {1, 2, 3, 0, 1, 2, 3, 3}}));

TEST_F(EmitterTest, OneBindPerBatchAndAMissingFrameDrawsUntextured) {
    canvas.missing.insert("./frames/puff002.bmp");
    Load(ScriptText()
             .Set("num particles", "3")
             .Set("texture path", "./frames/puff")
             .Set("num bitmaps", "2")
             .Set("animation frameskip modifier", "8")
             .Set("lifetime", "1000.0"),
         3);
    Frames(1, 0.125f);
    EXPECT_EQ(canvas.binds, (std::vector<unsigned>{1u}));
    canvas.ClearFrame();
    Frames(1, 0.125f);
    // Frame 2 has no texture: texturing goes off for every particle showing it.
    EXPECT_EQ(canvas.binds, (std::vector<unsigned>{0u, 0u, 0u}));
}

struct FadeCase {
    const char* name;
    const char* fadeIn;
    const char* fadeOut;
    const char* fadeStep;
    const char* startAlpha;
    int frames;
    float frameTime;
    float alpha;
};

void PrintTo(const FadeCase& c, std::ostream* out) {
    *out << c.name;
}

class Fades : public EmitterTest, public ::testing::WithParamInterface<FadeCase> {};

TEST_P(Fades, AlphaFollowsTheFadeAndIsNeverNaN) {
    const FadeCase& c = GetParam();
    Load(ScriptText()
             .Set("num particles", "1")
             .Set("lifetime", "60.0")
             .Set("alpha", c.startAlpha)
             .Set("max alpha", "0.8")
             .Set("min alpha", "0.1")
             .Set("fade in duration", c.fadeIn)
             .Set("fade out duration", c.fadeOut)
             .Set("fade step", c.fadeStep)
             .Set("lifetime loops", "0"),
         1);
    Frames(c.frames, c.frameTime);
    const float alpha = system->GetParticle(0).alpha;
    EXPECT_FALSE(std::isnan(alpha));
    EXPECT_NEAR(alpha, c.alpha, 1e-4f);
}

INSTANTIATE_TEST_SUITE_P(
    Emitter, Fades,
    ::testing::Values(
        // A quarter into a fade-in of 20 units: a quarter of the top alpha.
        FadeCase{"FadeIn", "20.0", "0.0", "1", "0.0", 5, kFrame, 0.2f},
        // The step cancels out of the formula; a step of 0 must not divide by zero.
        FadeCase{"FadeInInSteps", "20.0", "0.0", "4", "0.0", 5, kFrame, 0.2f},
        FadeCase{"FadeInStepZero", "20.0", "0.0", "0", "0.0", 5, kFrame, 0.2f},
        // No fade-in: the script's alpha, clamped into the limits at the first update.
        FadeCase{"NoFadeIn", "0.0", "0.0", "1", "1.0", 1, kFrame, 0.8f},
        // 45 units left of a 60-unit fade-out: three quarters of the top alpha.
        FadeCase{"FadeOut", "0.0", "60.0", "1", "0.8", 15, kFrame, 0.6f},
        FadeCase{"FadeOutStepZero", "0.0", "60.0", "0", "0.8", 15, kFrame, 0.6f},
        // A fade-out of no length reached with exactly no life left: the lowest alpha.
        FadeCase{"FadeOutOfNoLength", "0.0", "0.0", "1", "0.8", 4, 0.25f, 0.1f}),
    [](const auto& info) { return std::string(info.param.name); });

// Lifetime 60 and interval 15: 4 batches of 2 (a quarter second is 15 life units). Until the first
// expiry only the first batch is drawn (the second for the one frame in which the timer passes the
// interval); after that one more joins every interval.
TEST_F(EmitterTest, BatchesJoinOneByOneAfterTheFirstExpiry) {
    Load(ScriptText().Set("num particles", "2").Set("lifetime", "60.0").Set("interval", "15.0"), 2);
    ASSERT_EQ(system->GetParticleCount(), 8);
    std::vector<int> active;
    for (int f = 0; f < 7; ++f) {
        Frames(1, 0.25f);
        active.push_back(system->GetActiveBatches());
    }
    EXPECT_EQ(active, (std::vector<int>{2, 2, 2, 2, 3, 4, 4}));
}

TEST_F(EmitterTest, ResizingFromTheEdgeKeepsTheLeftEdgeAndTheScriptChoosesTheShape) {
    Load(ScriptText()
             .Set("num particles", "1")
             .Set("particle length", "4.0")
             .Set("particle height", "1.0")
             .Set("fade speed", "0.0"),
         1);
    system->SetSizeFromEdge(0.5f, 1.0f);
    Frames(1);
    ASSERT_EQ(canvas.drawn.size(), 1u);
    const ParticleDraw& bar = canvas.drawn[0];
    EXPECT_FLOAT_EQ(bar.corners[1][0], -2.0f);  // left edge where the full bar has it
    EXPECT_FLOAT_EQ(bar.corners[0][0], 0.0f);
    // Resized to 1 x 1, the bar keeps its rectangle rather than becoming a growing square.
    system->SetSizeFromEdge(0.25f, 1.0f);
    canvas.ClearFrame();
    Frames(1);
    EXPECT_FLOAT_EQ(canvas.drawn[0].corners[1][0], -2.0f);
    EXPECT_FLOAT_EQ(canvas.drawn[0].corners[0][0], -1.0f);
    EXPECT_FLOAT_EQ(canvas.drawn[0].corners[0][1], 0.5f);
}

TEST_F(EmitterTest, SquaresGrowWithTheParticle) {
    Load(ScriptText().Set("num particles", "1").Set("grow up rate", "0.02"), 1);
    Frames(3, 0.02f);
    // Born at (length + height) / 2 = 1, then 3 x 0.02 x 0.02 x 50.
    EXPECT_FLOAT_EQ(canvas.drawn.back().corners[0][0], 1.06f);
    EXPECT_FLOAT_EQ(canvas.drawn.back().corners[3][1], -1.06f);
}

TEST_F(EmitterTest, APausedSystemNeitherAgesNorMoves) {
    Load(ScriptText().Set("num particles", "1").Set("direction", "0.1, 0.0, 0.0"), 1);
    Frames(1);
    const ParticleState before = system->GetParticle(0);
    system->Pause();
    Frames(10);
    EXPECT_EQ(system->GetParticle(0).life, before.life);
    EXPECT_EQ(system->GetParticle(0).position[0], before.position[0]);
    system->Resume();
    Frames(1);
    EXPECT_LT(system->GetParticle(0).life, before.life);
}

TEST_F(EmitterTest, MotionIsScaledByTheFrameTimeAndGravityIsNot) {
    Load(ScriptText()
             .Set("num particles", "1")
             .Set("direction", "0.0, 0.1, 0.0")
             .Set("gravity", "0.0, -0.01, 0.0")
             .Set("fade speed", "2.0"),
         1);
    Frames(2, 0.01f);
    const ParticleState& p = system->GetParticle(0);
    // y: 0.01 x 0.1 x 50, then 0.01 x 0.09 x 50; life: 2 x 0.01 x 2 x 60 used.
    EXPECT_FLOAT_EQ(p.position[1], 0.05f + 0.045f);
    EXPECT_FLOAT_EQ(p.velocity[1], 0.08f);
    EXPECT_FLOAT_EQ(p.life, 60.0f - 2.4f);
}

// The block offset turns with the owner as it stood at the particle's birth; later turns of
// the owner do not move particles already born.
TEST_F(EmitterTest, TheOwnersMatrixIsCapturedAtTheFirstDraw) {
    Load(ScriptText().Set("num particles", "1"), 1);
    float owner[16] = {0, 0, -1, 0, 0, 1, 0, 0, 1, 0, 0, 0, 5, 0, 7, 1};
    system->AttachToMatrix(owner);
    system->SetOffset(1.0f, 0.0f, 2.0f);
    Frames(1);
    ASSERT_EQ(canvas.drawn.size(), 1u);
    ASSERT_NE(canvas.drawn[0].birthMatrix, nullptr);
    EXPECT_EQ(canvas.drawn[0].birthMatrix[2], -1.0f);
    EXPECT_EQ(canvas.drawn[0].birthMatrix[12], 1.0f);  // Q - basePosition
    EXPECT_EQ(canvas.drawn[0].birthMatrix[14], 2.0f);
    owner[2] = 0.0f;
    owner[0] = 1.0f;
    canvas.ClearFrame();
    Frames(1);
    EXPECT_EQ(canvas.drawn[0].birthMatrix[2], -1.0f);
}

TEST_F(EmitterTest, AParticleDyingThisFrameIsDrawnOnceMore) {
    Load(ScriptText().Set("num particles", "1").Set("lifetime loops", "0"), 1);
    system->ExpireParticles();
    Frames(1);
    EXPECT_FALSE(system->AnyAlive());
    EXPECT_EQ(canvas.drawn.size(), 1u);
    canvas.ClearFrame();
    Frames(1);
    EXPECT_TRUE(canvas.drawn.empty());
}

TEST_F(EmitterTest, RandomAndUnknownTypesAreEmptyAndNeverDraw) {
    for (const char* type : {"RANDOM", "SPARKLE"}) {
        SCOPED_TRACE(type);
        Load(ScriptText().Set("type", type), 2);
        Frames(1);
        EXPECT_FALSE(system->AnyAlive());
        EXPECT_EQ(system->GetParticleCount(), 0);
        EXPECT_EQ(canvas.begins, 0);
    }
}

TEST_F(EmitterTest, APositionSetByTheOwnerPlacesNewParticles) {
    const float pos[3] = {0.5f, 0.0f, 0.0f};
    const float zero[3] = {0, 0, 0};
    Write("blocks.txt", BlockText(1, pos, zero, zero, zero));
    const std::string file = Write(
        "s.cfg", ScriptText().Set("num particles", "1").Set("position", "0.0, 1.0, 0.0").Text());
    ParticleSystem emitter;
    emitter.Load(file.c_str());
    emitter.SetPosition(10.0f, 0.0f, 20.0f);
    emitter.ExpireParticles();
    emitter.DrawFrame(0.0f);
    const ParticleState& p = emitter.GetParticle(0);
    EXPECT_EQ(p.position[0], 10.5f);
    EXPECT_EQ(p.position[1], 1.0f);
    EXPECT_EQ(p.position[2], 20.0f);
}

}  // namespace
