// Particle effects on a real Mesa context: each drawing kind on a plain floor, then the
// game's own effects in a shipped level (a shell's trail and impact, a vehicle's explosion,
// the bars over an enemy), drawn by the game's own level frame. Every picture is saved
// under <build>/tests/gl-pictures for looking at; the checks say that the effect changes the
// pixels where it stands and that drawing it leaves the GL state as it found it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/FileLoader.h"
#include "app/FrameTimer.h"
#include "app/InputState.h"
#include "game/Application.h"
#include "game/ParticleEffects.h"
#include "particles/GlParticleCanvas.h"
#include "particles/Particle.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Services.h"
#include "tests/app/TempDir.h"
#include "tests/gl/GlFixture.h"
#include "tests/gl/LevelFrame.h"
#include "world/EffectFactory.h"
#include "world/Message.h"
#include "world/Vehicle.h"
#include "world/Weapon.h"
#include "world/World.h"

namespace {

using gltest::GlHarness;
using gltest::GlStateSnapshot;
using gltest::Rgba;

constexpr int kW = GlHarness::kWidth;
constexpr int kH = GlHarness::kHeight;
constexpr std::uint32_t kFrameMs = 16;

using gltest::StepClock;

class RecordedDialogs : public platform::Dialogs {
public:
    void ShowError(const std::string& text, const std::string& caption) override {
        shown.push_back(caption + ": " + text);
    }
    bool AskYesNo(const std::string&, const std::string&) override { return false; }
    std::vector<std::string> shown;
};

int Changed(const std::vector<unsigned char>& a, const std::vector<unsigned char>& b, int x0,
            int y0, int x1, int y1) {
    int changed = 0;
    for (int y = std::max(0, y0); y < std::min(kH, y1); ++y)
        for (int x = std::max(0, x0); x < std::min(kW, x1); ++x) {
            const size_t i = (static_cast<size_t>(y) * kW + static_cast<size_t>(x)) * 4;
            for (int c = 0; c < 3; ++c)
                if (std::abs(a[i + c] - b[i + c]) > 8) {
                    ++changed;
                    break;
                }
        }
    return changed;
}

// The most near-black pixels that any one column of the picture holds.
int DarkestColumn(const std::vector<unsigned char>& pixels) {
    int most = 0;
    for (int x = 0; x < kW; ++x) {
        int dark = 0;
        for (int y = 0; y < kH; ++y) {
            const size_t i = (static_cast<size_t>(y) * kW + static_cast<size_t>(x)) * 4;
            if (pixels[i] < 40 && pixels[i + 1] < 40 && pixels[i + 2] < 40) ++dark;
        }
        most = std::max(most, dark);
    }
    return most;
}

class ParticleGlTest : public gltest::GlTest {
protected:
    void SetUp() override {
        inside = std::make_unique<WorkingDirectory>(BRASK_BUILD_DIR);
        fileLoader.Init();
        gltest::GlTest::SetUp();
        if (IsSkipped()) return;
        platform::Services services;
        services.display = &platform::GetDisplay();
        services.dialogs = &dialogs;
        services.clock = &clock;
        platform::Install(services);
        frameTimer.Init(false);
        frameTimer.Update();
        Particle::ForgetReportedScripts();
    }
    void TearDown() override {
        platform::Services services;
        services.display = &platform::GetDisplay();
        platform::Install(services);
        gltest::GlTest::TearDown();
        inside.reset();
    }
    // Beside the level pictures, under <build>/tests/gl-pictures.
    void Save(const std::string& name) const {
        const std::filesystem::path folder =
            std::filesystem::path(BRASK_BUILD_DIR) / "tests" / "gl-pictures";
        std::error_code error;
        std::filesystem::create_directories(folder, error);
        gl().SavePng((folder / (name + ".png")).string());
    }

    void NextFrame() {
        clock.milliseconds += kFrameMs;
        frameTimer.Update();
    }

    StepClock clock;
    RecordedDialogs dialogs;
    std::unique_ptr<WorkingDirectory> inside;
};

// Drawing kinds ------------------------------------------------------------------------------

struct KindCase {
    const char* name;
    const char* type;
    const char* texture;
    const char* colour;
    float y;
};

void PrintTo(const KindCase& c, std::ostream* out) {
    *out << c.name;
}

class ParticleKinds : public ParticleGlTest, public ::testing::WithParamInterface<KindCase> {};

TEST_P(ParticleKinds, DrawWhereTheEmitterStandsAndLeaveTheStateAlone) {
    const KindCase& c = GetParam();
    TempDir folder;
    folder.Write("blocks.txt",
                 "particle[0]\n{\npos.x = 0.0, 0.0\npos.y = 0.0, 0.0\npos.z = 0.0, 0.0\n"
                 "dir.x = 0.0, 0.0\ndir.y = 0.0, 0.0\ndir.z = 0.0, 0.0\n}\n");
    const std::string script =
        std::string("type = ") + c.type + "\nname = kind\ntexture path = " + c.texture +
        "\nscript path = " + (folder.path / "blocks.txt").string() +
        "\nnum bitmaps = 1\nnum particles = 1\nparticle length = 1.5\nparticle height = 1.5\n"
        "random position = false\nposition = 0.0, " +
        std::to_string(c.y) +
        ", 0.0\nrandom direction = false\ndirection = 0.0, 0.0, 0.0\ncolor = " + c.colour +
        "\ncolor transparency = 2, 2, 2\nalpha = 1.0\ngravity = 0.0, 0.0, 0.0\n"
        "lifetime = 100.0\ninterval = 0.0\nfade speed = 1.0\nfade in duration  = 0.0\n"
        "fade out duration = 0.0\nfade step = 1\ngrow up rate = 0.0\nmin size = 0.0\n"
        "max size = 10.0\nmin alpha = 0.0\nmax alpha = 1.0\nmin y speed = 0.0\n"
        "max y speed = 0.0\nanimation loops = 1\nlifetime loops = -1\n"
        "animation frameskip modifier = 10\nmovement scaler = 1.0\nexplosion = false\n";
    const std::string file = folder.Write("kind.cfg", script).string();

    LookFrom(0.0f, 5.0f, 9.0f, 0.0f, 0.5f, 0.0f);
    DrawFloor();
    const std::vector<unsigned char> before = gl().ReadPixels();
    const GlStateSnapshot state = GlStateSnapshot::Read();
    Particle effect;
    effect.LoadScripts({file});
    ASSERT_EQ(effect.GetSystemCount(), 1);
    effect.DrawFrame(0.016f);
    EXPECT_EQ(GlStateSnapshot::Read(), state);
    const std::vector<unsigned char> after = gl().ReadPixels();
    Save(std::string("particles_kind_") + c.name);
    int px = 0, py = 0;
    ASSERT_TRUE(Project(0.0f, c.y, 0.0f, &px, &py));
    EXPECT_GT(Changed(before, after, px - 10, py - 10, px + 10, py + 10), 300);
    // Nothing changes far from it.
    EXPECT_EQ(Changed(before, after, 0, 0, 40, 40), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Gl, ParticleKinds,
    ::testing::Values(KindCase{"Billboard", "CUSTOM_2D", "./RESOURCES/Art/Particles/glow.tga",
                               "1.0, 0.3, 0.1", 1.0f},
                      KindCase{"Sphere", "CUSTOM_3D", "./RESOURCES/Art/Particles/glow.tga",
                               "0.2, 0.4, 1.0", 1.0f},
                      KindCase{"Decal", "DECAL", "./RESOURCES/Art/Particles/crater.tga",
                               "1.0, 1.0, 1.0", 0.05f}),
    [](const auto& info) { return std::string(info.param.name); });

// The billboards of an emitter drawn as one batch look as drawn one by one: many particles,
// some tied to a turned model, some textured, blended over each other, with frames bound
// between them.
TEST_F(ParticleGlTest, BillboardsDrawnTogetherLookAsDrawnOneByOne) {
    GlParticleCanvas canvas;
    const unsigned glow = canvas.LoadTexture("./RESOURCES/Art/Particles/glow.tga");
    ASSERT_NE(glow, 0u);
    // A model turned by 30 degrees about the up axis, standing at (1, 0, -2).
    const float c = std::cos(0.5236f), s = std::sin(0.5236f);
    const float turned[16] = {c, 0, -s, 0, 0, 1, 0, 0, s, 0, c, 0, 1, 0, -2, 1};
    const auto drawAll = [&](bool batch) {
        canvas.batchBillboards = batch;
        renderer().Clear();
        LookFrom(0.0f, 5.0f, 9.0f, 0.0f, 0.5f, 0.0f);
        DrawFloor();
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        const GlStateSnapshot state = GlStateSnapshot::Read();
        canvas.BeginSystem();
        std::vector<float> births(16 * 60);
        for (int i = 0; i < 60; ++i) {
            if (i % 15 == 0) canvas.BindFrame(i % 30 == 0 ? glow : 0);
            ParticleDraw d;
            d.type = CUSTOM_2D;
            const float t = static_cast<float>(i);
            const float at[3] = {std::sin(t) * 3.0f, 0.5f + 0.05f * t, std::cos(1.3f * t) * 2.0f};
            std::copy(at, at + 3, d.position);
            const float rgba[4] = {0.5f + 0.5f * std::sin(t), 0.2f, 0.1f + 0.01f * t, 0.6f};
            std::copy(rgba, rgba + 4, d.rgba);
            const float size = 0.2f + 0.02f * t;
            const float corners[4][2] = {
                {size, size}, {-size, size}, {size, -size}, {-size, -size}};
            std::copy(&corners[0][0], &corners[0][0] + 8, &d.corners[0][0]);
            if (i % 2) {
                // Tied to the model as it stood: its offset turns with it.
                float* birth = &births[16 * static_cast<std::size_t>(i)];
                std::copy(turned, turned + 16, birth);
                for (int a = 0; a < 3; ++a) birth[12 + a] = d.position[a] - 0.3f;
                d.birthMatrix = birth;
            }
            canvas.DrawParticle(d);
        }
        canvas.EndSystem();
        EXPECT_EQ(GlStateSnapshot::Read(), state) << (batch ? "batched" : "one by one");
        glDisable(GL_BLEND);
        glBlendFunc(GL_ONE, GL_ZERO);
        Save(batch ? "particles_batched_billboards" : "particles_billboards_one_by_one");
        return gl().ReadPixels();
    };
    const std::vector<unsigned char> oneByOne = drawAll(false);
    const std::uint32_t triangles = renderer().trianglesDrawn;
    renderer().trianglesDrawn = 0;
    const std::vector<unsigned char> together = drawAll(true);
    EXPECT_EQ(renderer().trianglesDrawn, triangles);
    EXPECT_GT(Changed(oneByOne, std::vector<unsigned char>(oneByOne.size()), 0, 0, kW, kH), 5000);
    // The corners are placed by other arithmetic: a pixel on an edge may tip either way.
    EXPECT_LT(Changed(oneByOne, together, 0, 0, kW, kH), 20);
}

// An emitter binds its frame for every batch of particles; binding the frame already bound
// keeps the particles in one batch, but a frame bound again after a sphere (which turns
// texturing off) or in the next emitter must texture the billboard as the first bind does.
TEST_F(ParticleGlTest, AFrameBoundAgainTexturesAsTheFirstBind) {
    GlParticleCanvas canvas;
    const unsigned glow = canvas.LoadTexture("./RESOURCES/Art/Particles/glow.tga");
    ASSERT_NE(glow, 0u);
    const auto particle = [](ParticleSystemType type, float x) {
        ParticleDraw d;
        d.type = type;
        d.position[0] = x;
        d.position[1] = 1.0f;
        const float rgba[4] = {1.0f, 0.6f, 0.2f, 1.0f};
        std::copy(rgba, rgba + 4, d.rgba);
        const float corners[4][2] = {{1, 1}, {-1, 1}, {1, -1}, {-1, -1}};
        std::copy(&corners[0][0], &corners[0][0] + 8, &d.corners[0][0]);
        d.sphereRadius = 0.5f;
        return d;
    };
    struct Sequence {
        const char* name;
        std::function<void()> draw;
    };
    const Sequence sequences[] = {
        {"bound once",
         [&] {
             canvas.BeginSystem();
             canvas.BindFrame(glow);
             canvas.DrawParticle(particle(CUSTOM_2D, 0.0f));
             canvas.EndSystem();
         }},
        {"bound again in one emitter",
         [&] {
             canvas.BeginSystem();
             canvas.BindFrame(glow);
             canvas.BindFrame(glow);
             canvas.DrawParticle(particle(CUSTOM_2D, 0.0f));
             canvas.EndSystem();
         }},
        {"bound again after a sphere",
         [&] {
             canvas.BeginSystem();
             canvas.BindFrame(glow);
             canvas.DrawParticle(particle(CUSTOM_3D, -4.0f));
             canvas.BindFrame(glow);
             canvas.DrawParticle(particle(CUSTOM_2D, 0.0f));
             canvas.EndSystem();
         }},
        {"bound again in the next emitter",
         [&] {
             canvas.BeginSystem();
             canvas.BindFrame(glow);
             canvas.EndSystem();
             canvas.BeginSystem();
             canvas.BindFrame(glow);
             canvas.DrawParticle(particle(CUSTOM_2D, 0.0f));
             canvas.EndSystem();
         }},
    };
    std::vector<unsigned char> first;
    int px = 0, py = 0;
    for (const Sequence& sequence : sequences) {
        renderer().Clear();
        LookFrom(0.0f, 3.0f, 8.0f, 0.0f, 1.0f, 0.0f);
        DrawFloor();
        const GlStateSnapshot state = GlStateSnapshot::Read();
        sequence.draw();
        EXPECT_EQ(GlStateSnapshot::Read(), state) << sequence.name;
        const std::vector<unsigned char> picture = gl().ReadPixels();
        if (first.empty()) {
            first = picture;
            ASSERT_TRUE(Project(0.0f, 1.0f, 0.0f, &px, &py));
            continue;
        }
        // The billboard's own square, clear of the sphere.
        EXPECT_EQ(Changed(first, picture, px - 100, py - 100, px + 100, py + 100), 0)
            << sequence.name;
    }
}

// Emitters drawn in one pass look as drawn one by one, and leave the same state: billboards
// with and without frames (those of consecutive emitters with one frame share a batch), a
// sphere and a decal, each emitter after the other, and last an emitter that binds a frame
// and draws nothing.
TEST_F(ParticleGlTest, EmittersDrawnInOnePassLookAsDrawnOneByOne) {
    GlParticleCanvas canvas;
    const unsigned glow = canvas.LoadTexture("./RESOURCES/Art/Particles/glow.tga");
    const unsigned crater = canvas.LoadTexture("./RESOURCES/Art/Particles/crater.tga");
    ASSERT_NE(glow, 0u);
    ASSERT_NE(crater, 0u);
    const auto emitter = [&](ParticleSystemType type, unsigned frame, float x, int count = 3) {
        canvas.BeginSystem();
        // An emitter without frames binds none and draws plain colour.
        if (frame != 0) canvas.BindFrame(frame);
        for (int i = 0; i < count; ++i) {
            ParticleDraw d;
            d.type = type;
            d.position[0] = x + 0.6f * static_cast<float>(i);
            d.position[1] = type == DECAL ? 0.05f : 1.0f;
            const float rgba[4] = {1.0f, 0.3f + 0.2f * static_cast<float>(i), 0.2f, 0.7f};
            std::copy(rgba, rgba + 4, d.rgba);
            const float corners[4][2] = {
                {0.8f, 0.8f}, {-0.8f, 0.8f}, {0.8f, -0.8f}, {-0.8f, -0.8f}};
            std::copy(&corners[0][0], &corners[0][0] + 8, &d.corners[0][0]);
            d.sphereRadius = 0.4f;
            d.size = 0.7f;
            canvas.DrawParticle(d);
        }
        canvas.EndSystem();
    };
    const auto drawAll = [&](bool onePass) {
        renderer().Clear();
        LookFrom(0.0f, 4.0f, 9.0f, 0.0f, 0.5f, 0.0f);
        DrawFloor();
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        const GlStateSnapshot state = GlStateSnapshot::Read();
        if (onePass) canvas.BeginPass();
        emitter(CUSTOM_2D, glow, -4.0f);
        emitter(CUSTOM_2D, glow, -3.5f);
        emitter(CUSTOM_2D, 0, -2.0f);
        emitter(CUSTOM_2D, glow, -1.5f);
        emitter(CUSTOM_3D, glow, 0.0f);
        emitter(DECAL, glow, 2.0f);
        emitter(CUSTOM_2D, glow, 3.0f);
        emitter(CUSTOM_2D, crater, 4.0f, 0);
        if (onePass) canvas.EndPass();
        EXPECT_EQ(GlStateSnapshot::Read(), state) << (onePass ? "one pass" : "one by one");
        GLint bound = 0;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
        EXPECT_EQ(static_cast<unsigned>(bound), crater) << (onePass ? "one pass" : "one by one");
        glDisable(GL_BLEND);
        glBlendFunc(GL_ONE, GL_ZERO);
        return gl().ReadPixels();
    };
    const std::vector<unsigned char> oneByOne = drawAll(false);
    const std::vector<unsigned char> onePass = drawAll(true);
    EXPECT_GT(Changed(oneByOne, std::vector<unsigned char>(oneByOne.size()), 0, 0, kW, kH), 5000);
    EXPECT_TRUE(oneByOne == onePass);
}

// Effects in a shipped level ----------------------------------------------------------------

class LevelEffects : public ParticleGlTest {
protected:
    void SetUp() override {
        ParticleGlTest::SetUp();
        if (IsSkipped()) return;
        InstallParticleEffects();
        Start("Bedroom1.txt");
    }
    void TearDown() override {
        if (!IsSkipped()) levelframe::EndLevel();
        InstallGameEffects(nullptr, nullptr);
        ParticleGlTest::TearDown();
    }

    // A Battle in `level`, seen from the chase camera. The computer drivers are taken out, so
    // that only the shots a test fires fly: living opponents stand still.
    void Start(const char* level) {
        std::srand(7);
        ASSERT_TRUE(levelframe::StartLevel(level, Battle, 0)) << level;
        player = application.GetPlayer(0);
        opponent = application.GetEnemy(0);
        for (GameEntity* e : world.collisionList)
            if (e->GetTypeName() == "Vehicle" && e != player)
                static_cast<Vehicle*>(e)->SetController(nullptr);
    }

    // A level frame in which no time passes, so that nothing moves: with or without the
    // entities' effects and the bars.
    std::vector<unsigned char> Draw(bool effects, bool bars = true) {
        frameTimer.Update();
        levelframe::FrameSteps steps;
        steps.effects = effects;
        steps.bars = bars;
        levelframe::DrawFrame(steps);
        return gl().ReadPixels();
    }

    // Player one (and so the chase camera) stands `distance` behind `target`, facing the
    // same way: the target fills the middle of the view. When that spot or the chase camera
    // behind it would leave the room, the two face away from the room's middle instead: a
    // camera outside the room sees the walls' outline edges from behind, and one close by
    // crosses the whole view as a thin black line.
    void LookAtFromBehind(Vehicle* target, float distance) {
        const float* m = target->GetModel()->matrix->m;
        float at[3];
        target->GetPosition(at);
        // m stays the target's matrix: SetMatrix copies into it.
        const float back = distance + kChaseDistance;
        if (!InsideRoom(at[0] - back * m[8], at[2] - back * m[10])) {
            const float dx = at[0] - 0.5f * kCellSize * static_cast<float>(world.GetGridSizeX());
            const float dz = at[2] - 0.5f * kCellSize * static_cast<float>(world.GetGridSizeZ());
            const float length = std::sqrt(dx * dx + dz * dz);
            const float s = dx / length;
            const float c = dz / length;
            const float away[16] = {c, 0, -s, 0, 0, 1, 0, 0, s, 0, c, 0, at[0], at[1], at[2], 1};
            target->GetModel()->SetMatrix(away);
        }
        player->GetModel()->SetMatrix(target->GetModel()->matrix->m);
        player->Translate(-distance * m[8], 0.0f, -distance * m[10]);
        ASSERT_TRUE(InsideRoom(at[0] - back * m[8], at[2] - back * m[10]));
    }

    static bool InsideRoom(float x, float z) {
        return x > 0.0f && z > 0.0f && x < kCellSize * static_cast<float>(world.GetGridSizeX()) &&
               z < kCellSize * static_cast<float>(world.GetGridSizeZ());
    }
    // How far the chase camera stands behind player one.
    static constexpr float kChaseDistance = 10.0f;

    // Player one stands at (x, z) facing `target`.
    void LookAt(const float target[3], float x, float z) {
        const float dx = target[0] - x;
        const float dz = target[2] - z;
        const float length = std::sqrt(dx * dx + dz * dz);
        const float s = dx / length;
        const float c = dz / length;
        const float m[16] = {c, 0, -s, 0, 0, 1, 0, 0, s, 0, c, 0, x, 0, z, 1};
        player->GetModel()->SetMatrix(m);
    }

    GameEntity* Named(const std::string& name) {
        for (GameEntity* e : world.updateList)
            if (e->GetName() == name) return e;
        return nullptr;
    }

    // Level frames as the game runs them, one frame time each.
    std::vector<unsigned char> Run(int frames) {
        for (int f = 0; f < frames; ++f) {
            NextFrame();
            levelframe::DrawFrame();
        }
        return gl().ReadPixels();
    }

    Weapon* FindShell() {
        for (GameEntity* e : world.updateList)
            if (e->GetTypeName() == "Weapon") return static_cast<Weapon*>(e);
        return nullptr;
    }

    // Where a world point lands on the window, through the camera's own matrices.
    bool ProjectThroughCamera(const float p[3], int* x, int* y) {
        const float* v = camera().GetView();
        const float* m = camera().GetProjectionMatrix();
        float eye[4], clip[4];
        for (int r = 0; r < 4; ++r)
            eye[r] = v[r] * p[0] + v[4 + r] * p[1] + v[8 + r] * p[2] + v[12 + r];
        for (int r = 0; r < 4; ++r)
            clip[r] = m[r] * eye[0] + m[4 + r] * eye[1] + m[8 + r] * eye[2] + m[12 + r] * eye[3];
        if (clip[3] <= 0.0f) return false;
        *x = static_cast<int>((clip[0] / clip[3] + 1.0f) / 2.0f * kW);
        *y = static_cast<int>((1.0f - clip[1] / clip[3]) / 2.0f * kH);
        return *x >= 0 && *x < kW && *y >= 0 && *y < kH;
    }

    void ExpectEffectAt(const float p[3], const std::vector<unsigned char>& with,
                        const std::vector<unsigned char>& without, int half, int least) {
        int px = 0, py = 0;
        ASSERT_TRUE(ProjectThroughCamera(p, &px, &py));
        EXPECT_GE(Changed(with, without, px - half, py - half, px + half, py + half), least)
            << "at (" << px << ", " << py << ")";
    }

    Vehicle* player = nullptr;
    Vehicle* opponent = nullptr;
};

TEST_F(LevelEffects, AShellFliesWithItsTrailAndBurstsWithItsImpact) {
    ASSERT_NE(player, nullptr);
    EXPECT_TRUE(dialogs.shown.empty()) << dialogs.shown.front();
    inputState.keys[4] = 1;
    Run(1);
    inputState.keys[4] = 0;
    Weapon* shell = FindShell();
    ASSERT_NE(shell, nullptr);
    // A short range, so that it bursts in the middle of the view.
    shell->SetRange(18.0f);
    // Clear of the turret.
    Run(14);
    float at[3];
    shell->GetPosition(at);
    const GlStateSnapshot state = GlStateSnapshot::Read();
    const auto without = Draw(false);
    const auto trail = Draw(true);
    EXPECT_EQ(GlStateSnapshot::Read(), state);
    Save("particles_level_shell_trail");
    ExpectEffectAt(at, trail, without, 12, 60);

    for (int f = 0; f < 100 && !shell->hidden; ++f) {
        shell->GetPosition(at);
        Run(1);
    }
    ASSERT_TRUE(shell->hidden) << "the shell never burst";
    Run(8);
    const auto quiet = Draw(false);
    const auto impact = Draw(true);
    Save("particles_level_shell_impact");
    at[1] = 0.6f;
    ExpectEffectAt(at, impact, quiet, 20, 300);
}

TEST_F(LevelEffects, AWreckExplodesWithFireSmokeAndFlyingDebris) {
    ASSERT_NE(opponent, nullptr);
    LookAtFromBehind(opponent, 16.0f);
    opponent->TakeDamage(opponent->GetHitPoints());
    Run(15);
    float at[3];
    opponent->GetPosition(at);
    at[1] = 1.5f;
    const auto without = Draw(false);
    const GlStateSnapshot state = GlStateSnapshot::Read();
    const auto with = Draw(true);
    EXPECT_EQ(GlStateSnapshot::Read(), state);
    Save("particles_level_explosion");
    // Nothing but the wreck and its outline is black: no line crosses the whole view.
    EXPECT_LT(DarkestColumn(with), kH * 3 / 4);
    ExpectEffectAt(at, with, without, 40, 2000);
    Run(30);
    Save("particles_level_explosion_later");
    Run(60);
    Save("particles_level_explosion_smoke");
}

TEST_F(LevelEffects, ADrivingVehicleThrowsUpDust) {
    ASSERT_NE(player, nullptr);
    inputState.keys[2] = 1;  // thrust
    Run(40);
    inputState.keys[2] = 0;
    const auto without = Draw(false);
    const auto with = Draw(true);
    Save("particles_level_dust");
    // Behind the tracks, at the bottom of the chase view.
    float at[3];
    const float* m = player->GetModel()->matrix->m;
    player->GetPosition(at);
    at[0] -= 1.8f * m[8];
    at[2] -= 1.8f * m[10];
    at[1] = 0.4f;
    ExpectEffectAt(at, with, without, 60, 150);
}

TEST_F(LevelEffects, TheShowerRunsAndTheBatteryCrackles) {
    levelframe::EndLevel();
    Start("Bathroom1.txt");
    GameEntity* shower = Named("bathroom_shower.ms3d");
    GameEntity* battery = Named("Battery");
    ASSERT_NE(shower, nullptr);
    ASSERT_NE(battery, nullptr);

    float at[3];
    battery->GetPosition(at);
    LookAt(at, at[0] + 10.0f, at[2] + 10.0f);
    Run(10);
    auto without = Draw(false);
    auto with = Draw(true);
    Save("particles_level_battery_bolt");
    at[1] = 5.6f;
    ExpectEffectAt(at, with, without, 15, 80);

    shower->GetPosition(at);
    // In front of its open side, far enough back to see the water fall.
    LookAt(at, at[0] + 2.0f, at[2] + 36.0f);
    Run(60);
    const auto quiet = Draw(false);
    const auto water = Draw(true);
    Save("particles_level_shower");
    // The shower is drawn from render list 2, its water after it: the water shows between
    // the head and the tray.
    float head[3] = {at[0], 9.0f, at[2]};
    ExpectEffectAt(head, water, quiet, 20, 40);
    // The water falls from the head to the tray.
    const ParticleSystem* drops = shower->effects.Get(4)->GetSystem(0);
    ASSERT_NE(drops, nullptr);
    float lowest = 100.0f, highest = 0.0f;
    for (int i = 0; i < drops->GetParticleCount(); ++i) {
        if (!drops->GetParticle(i).alive) continue;
        lowest = std::min(lowest, drops->GetParticle(i).position[1]);
        highest = std::max(highest, drops->GetParticle(i).position[1]);
    }
    EXPECT_LT(lowest, 6.0f);
    EXPECT_GT(highest, 30.0f);
}

struct WeaponCase {
    const char* name;
    const char* file;
    // Frames after the shot for the picture in flight, and whether it ends by its range.
    int flight;
    bool bursts;
    // A blast needs a vehicle inside it to show its markers.
    bool nearEnemy;
};

void PrintTo(const WeaponCase& c, std::ostream* out) {
    *out << c.name;
}

class WeaponEffects : public LevelEffects, public ::testing::WithParamInterface<WeaponCase> {};

// Each weapon fired by player one across the open room, seen from six units behind where it
// was fired: its effects in flight and, where it bursts, at the end of a short range.
TEST_P(WeaponEffects, ShowInFlightAndWhereTheyEnd) {
    const WeaponCase& c = GetParam();
    ASSERT_NE(opponent, nullptr);
    if (c.nearEnemy) LookAtFromBehind(opponent, 6.0f);
    Message fired("WEAPON_FIRED", {{"WEAPON_FILE", c.file}});
    world.SpawnWeapon(&fired, player);
    Weapon* weapon = FindShell();
    ASSERT_NE(weapon, nullptr);
    weapon->SetRange(12.0f);
    if (!c.nearEnemy) {
        const float* m = player->GetModel()->matrix->m;
        player->Translate(-6.0f * m[8], 0.0f, -6.0f * m[10]);
    }
    const auto before = Draw(false);
    const auto flight = Run(c.flight);
    Save(std::string("particles_weapon_") + c.name);
    float at[3];
    player->GetPosition(at);
    at[1] = 1.0f;
    // Something of the effect shows within a few units ahead of the player.
    const float* m = player->GetModel()->matrix->m;
    at[0] += 8.0f * m[8];
    at[2] += 8.0f * m[10];
    ExpectEffectAt(at, flight, before, 120, 200);
    if (!c.bursts) return;
    for (int f = 0; f < 100 && FindShell() == weapon && !weapon->hidden; ++f) Run(1);
    ASSERT_TRUE(FindShell() != weapon || weapon->hidden);
    Run(4);
    Save(std::string("particles_weapon_") + c.name + "_end");
}

INSTANTIATE_TEST_SUITE_P(
    Level, WeaponEffects,
    ::testing::Values(WeaponCase{"LaserBlaster", "laser_blaster.txt", 5, true, false},
                      WeaponCase{"RailGun", "rail_gun.txt", 5, true, false},
                      WeaponCase{"MachineGun", "machine_gun.txt", 4, true, false},
                      WeaponCase{"ForceCanon", "force_canon.txt", 6, true, false},
                      WeaponCase{"Mine", "mine.txt", 20, false, false},
                      WeaponCase{"IrradiationField", "irradiation_field.txt", 20, false, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LevelEffects, TheBarsFloatOverALivingEnemy) {
    ASSERT_NE(opponent, nullptr);
    LookAtFromBehind(opponent, 12.0f);
    // Half the armour and a quarter of the energy left.
    opponent->TakeDamage(opponent->GetMaxHitPoints() / 2);
    opponent->UseFuel(opponent->GetFuel() - opponent->GetMaxFuel() / 4);
    const auto without = Draw(true, false);
    const auto with = Draw(true);
    Save("particles_level_bars");
    float at[3];
    opponent->GetPosition(at);
    at[1] = 3.05f;
    ExpectEffectAt(at, with, without, 12, 100);
}

}  // namespace
