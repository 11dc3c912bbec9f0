// Start-up makes the bars that float over the five enemy slots, from the shipped scripts; the
// frame's passes draw them over every computer vehicle that stands.
#include <gtest/gtest.h>

#include <list>
#include <memory>
#include <vector>

#include "game/CameraControl.h"
#include "game/MenuNames.h"
#include "particles/Particle.h"
#include "particles/ParticleCanvas.h"
#include "particles/ParticleSystem.h"
#include "tests/game/GlobalsFixture.h"
#include "world/Vehicle.h"

namespace {

class EnemyBarsTest : public GlobalsTest {};

TEST_F(EnemyBarsTest, StartUpMakesAHealthAndAnEnergyBarPerEnemySlot) {
    EXPECT_EQ(application.GetHealthBar(0), nullptr);
    application.Init();
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        for (Particle* bar : {application.GetHealthBar(i), application.GetEnergyBar(i)}) {
            ASSERT_NE(bar, nullptr);
            ASSERT_EQ(bar->GetSystemCount(), 2);
            // Emitter 1 is the one the HUD resizes; both start full.
            EXPECT_EQ(bar->GetSystem(1)->GetLength(), bar->GetSystem(0)->GetLength());
        }
    }
    EXPECT_EQ(application.GetHealthBar(5), nullptr);
    EXPECT_EQ(application.GetEnergyBar(-1), nullptr);
    EXPECT_TRUE(fake.dialogs.shown.empty());
}

// Counts the emitters drawn; nothing reaches GL.
class CountingCanvas : public ParticleCanvas {
public:
    unsigned LoadTexture(const std::string&) override { return 1; }
    unsigned LoadTextureColourKey(const std::string&, const int[3]) override { return 1; }
    void BeginSystem() override { ++systems; }
    void BindFrame(unsigned) override {}
    void DrawParticle(const ParticleDraw&) override {}
    void EndSystem() override {}
    void ForgetTriangles(int) override {}
    int systems = 0;
};

// Computer vehicles in the enemy slots, on the level screen, with no player vehicle in the
// World: the entity passes draw nothing, so every emitter drawn is a bar's.
class BarPassTest : public GlobalsTest {
protected:
    void SetUp() override {
        GlobalsTest::SetUp();
        SetParticleCanvas(&canvas);
        application.Init();
        // No GL: the top-down view's step between the two bars stays out.
        graphicsSystem.Shutdown();
        menuSystem.EnsureMenu(menunames::kLevelScreen);
        menuSystem.SetCurrentMenu(menunames::kLevelScreen);
        application.SetGameMode(Battle);
    }
    void TearDown() override {
        application.DropLevelState();
        GlobalsTest::TearDown();
        SetParticleCanvas(nullptr);
    }
    // Enemy slots at these hit points of 30, each with a quarter of its energy.
    void Enemies(const std::vector<int>& hitPoints) {
        std::list<GameEntity*> list;
        for (int hp : hitPoints) {
            vehicles.push_back(std::make_unique<Vehicle>());
            Vehicle& v = *vehicles.back();
            v.SetName("Davavod Tank");
            v.SetMaxHitPoints(30);
            v.SetHitPoints(hp);
            v.SetMaxFuel(1000);
            v.SetFuel(250);
            list.push_back(&v);
        }
        world.collisionList = list;
        application.TakeVehicleSlots(0);
        world.collisionList.clear();
    }
    // The emitters one frame's passes draw.
    int DrawnInAFrame() {
        canvas.systems = 0;
        application.DrawPasses();
        return canvas.systems;
    }

    CountingCanvas canvas;
    std::vector<std::unique_ptr<Vehicle>> vehicles;
};

TEST_F(BarPassTest, TwiceAFrameExceptFromStraightAbove) {
    // Two standing, one wreck between them: two bars of two emitters over each standing one.
    Enemies({30, 0, 12});
    constexpr int kPerDrawing = 2 * 2 * 2;
    for (int mode = ChaseCamera; mode <= DefeatCamera; ++mode) {
        const auto camera = static_cast<CameraMode>(mode);
        application.SetCameraMode(camera);
        EXPECT_EQ(DrawnInAFrame(), camera == TopDownCamera ? kPerDrawing : 2 * kPerDrawing)
            << "camera mode " << camera;
    }
}

TEST_F(BarPassTest, EachBarShowsItsOwnVehiclesShare) {
    Enemies({30, 15, 6});
    application.SetCameraMode(ChaseCamera);
    DrawnInAFrame();
    const float health[] = {1.0f, 0.5f, 0.2f};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const ParticleSystem& full = *application.GetHealthBar(i)->GetSystem(0);
        EXPECT_FLOAT_EQ(application.GetHealthBar(i)->GetSystem(1)->GetLength(),
                        health[i] * full.GetLength());
        EXPECT_FLOAT_EQ(application.GetEnergyBar(i)->GetSystem(1)->GetLength(),
                        0.25f * application.GetEnergyBar(i)->GetSystem(0)->GetLength());
    }
}

TEST_F(BarPassTest, NoBarsInVersusNorOffTheLevelScreen) {
    Enemies({30});
    application.SetCameraMode(ChaseCamera);
    ASSERT_GT(DrawnInAFrame(), 0);
    application.SetGameMode(Versus);
    EXPECT_EQ(DrawnInAFrame(), 0);
    application.SetGameMode(Battle);
    menuSystem.EnsureMenu(menunames::kMainMenu);
    menuSystem.SetCurrentMenu(menunames::kMainMenu);
    EXPECT_EQ(DrawnInAFrame(), 0);
}

}  // namespace
