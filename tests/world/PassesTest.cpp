#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "game/MenuNames.h"
#include "tests/game/GlobalsFixture.h"
#include "tests/world/WorldFixtures.h"
#include "world/GameEntity.h"
#include "world/Message.h"
#include "world/Vehicle.h"
#include "world/Weapon.h"
#include "world/World.h"

namespace mn = menunames;

namespace {

using worldtest::FakeEffect;
using worldtest::FakeEffects;

// An entity of class Base whose update is written by the test: it logs its tag, runs
// `onUpdate`, and answers with `reply` (an empty message when there is none).
template <class Base>
class Scripted : public Base {
public:
    Scripted(std::string tag, std::vector<std::string>* log, std::map<std::string, int>* deleted)
        : tag(std::move(tag)), log(log), deleted(deleted) {}
    ~Scripted() override { ++(*deleted)[tag]; }

    std::unique_ptr<Message> Update(std::uint8_t*) override {
        log->push_back(tag);
        if (onUpdate) onUpdate();
        if (reply) {
            std::unique_ptr<Message> message = std::move(reply);
            return message;
        }
        return std::make_unique<Message>();
    }

    std::string tag;
    std::vector<std::string>* log;
    std::map<std::string, int>* deleted;
    std::function<void()> onUpdate;
    std::unique_ptr<Message> reply;
};

class PassesTest : public GlobalsTest {
protected:
    void SetUp() override {
        GlobalsTest::SetUp();
        files = std::make_unique<worldtest::ContentFolder>();
        files->Weapon("gun.txt", {{"NAME", "Machine Gun"}, {"RANGE", "60"}});
        files->Weapon("blast.txt", {{"NAME", "Force Blast"}, {"WEAPON_TYPE", "RADIAL_BLAST"}});
        world.ResetResourceCache();
        world.gridSizeX = world.gridSizeZ = 20;
        menuSystem.EnsureMenu(mn::kMainMenu);
        menuSystem.EnsureMenu(mn::kLevelScreen);
        menuSystem.SetCurrentMenu(mn::kLevelScreen);
        player = Add<Vehicle>("player");
        world.collisionList.push_front(player);
        world.playerOneVehicle = player;
    }

    void TearDown() override {
        world.ClearLevel();
        world.gridSizeX = world.gridSizeZ = 0;
        files.reset();
        GlobalsTest::TearDown();
    }

    // A scripted entity at the back of the World's update list.
    template <class Base>
    Scripted<Base>* Add(const std::string& tag) {
        auto* e = new Scripted<Base>(tag, &log, &deleted);
        world.updateList.push_back(world.Adopt(std::unique_ptr<GameEntity>(e)));
        return e;
    }

    bool InUpdateList(const GameEntity* e) const {
        for (const GameEntity* listed : world.updateList)
            if (listed == e) return true;
        return false;
    }

    // The frame's passes over the lists, in the main loop's order.
    void Frame() {
        application.UpdateCollisions();
        application.DrawPlanarShadows();
        application.UpdateEntities();
        application.DrawShadowVolumes();
        application.DrawEntityEffects();
        application.SweepDeadEntities();
    }

    FakeEffects effects;
    std::unique_ptr<worldtest::ContentFolder> files;
    std::vector<std::string> log;
    std::map<std::string, int> deleted;
    Scripted<Vehicle>* player = nullptr;
};

TEST_F(PassesTest, AnEntityAppendedDuringTheWalkIsUpdatedInTheSamePass) {
    Scripted<GameEntity>* first = Add<GameEntity>("first");
    first->onUpdate = [&] {
        first->onUpdate = nullptr;
        Add<GameEntity>("appended");
    };
    application.UpdateEntities();
    EXPECT_EQ(log, (std::vector<std::string>{"player", "first", "appended"}));
}

TEST_F(PassesTest, AShotIsSpawnedAtTheBackOfTheUpdateListAtItsShooter) {
    player->GetModel()->Translate(10.0f, 0.0f, 14.0f);
    Scripted<GameEntity>* after = Add<GameEntity>("after");
    player->reply = std::make_unique<Message>(
        "WEAPON_FIRED", std::map<std::string, std::string>{{"WEAPON_FILE", "gun.txt"}});
    application.UpdateEntities();

    ASSERT_EQ(world.updateList.size(), 3u);
    GameEntity* shot = world.updateList.back();
    EXPECT_EQ(shot->GetTypeName(), "Weapon");
    EXPECT_EQ(shot->GetName(), "Machine Gun");
    EXPECT_EQ(world.collisionList.front(), shot);
    EXPECT_EQ(static_cast<Weapon*>(shot)->GetOwner(), player);
    EXPECT_EQ(shot->GetMatrixElement(12), 10.0f);
    EXPECT_EQ(shot->GetMatrixElement(14), 14.0f);
    EXPECT_EQ(log, (std::vector<std::string>{"player", "after"}));
    EXPECT_NE(after, nullptr);
}

TEST_F(PassesTest, AShotWithoutADefinitionSpawnsNothing) {
    for (const char* file : {"", "missing.txt"}) {
        SCOPED_TRACE(file);
        player->reply = std::make_unique<Message>(
            "WEAPON_FIRED", std::map<std::string, std::string>{{"WEAPON_FILE", file}});
        application.UpdateEntities();
        EXPECT_EQ(world.updateList.size(), 1u);
    }
}

TEST_F(PassesTest, AnEntityThatReportsItsEndIsDestroyedOnceByTheSweep) {
    Scripted<Weapon>* shot = Add<Weapon>("shot");
    shot->SetOwner(player);
    world.collisionList.push_front(shot);
    player->SetContact(shot);
    shot->reply = std::make_unique<Message>(
        "WEAPON_DESTROYED", std::map<std::string, std::string>{{"POST_EFFECT", ""}});

    application.UpdateCollisions();
    application.UpdateEntities();
    // Still in every list until the end of the frame.
    EXPECT_TRUE(InUpdateList(shot));
    EXPECT_EQ(world.collisionList.front(), shot);
    application.DrawEntityEffects();
    EXPECT_EQ(deleted["shot"], 0);
    application.SweepDeadEntities();
    EXPECT_EQ(deleted["shot"], 1);
    EXPECT_EQ(world.updateList.size(), 1u);
    EXPECT_EQ(world.collisionList.size(), 1u);
    EXPECT_EQ(player->GetContact(), nullptr);

    Frame();
    EXPECT_EQ(deleted["shot"], 1);
    EXPECT_EQ(log, (std::vector<std::string>{"player", "shot", "player"}));
}

TEST_F(PassesTest, APostEffectReplacesTheWeaponInTheSameFrame) {
    Scripted<Weapon>* shell = Add<Weapon>("shell");
    shell->SetOwner(player);
    shell->GetModel()->Translate(6.0f, 0.5f, 8.0f);
    shell->reply = std::make_unique<Message>(
        "WEAPON_DESTROYED", std::map<std::string, std::string>{{"POST_EFFECT", "blast.txt"}});
    Frame();
    EXPECT_EQ(deleted["shell"], 1);
    ASSERT_EQ(world.updateList.size(), 2u);
    GameEntity* blast = world.updateList.back();
    EXPECT_EQ(blast->GetName(), "Force Blast");
    // It scores and spares like the weapon that caused it.
    EXPECT_EQ(static_cast<Weapon*>(blast)->GetOwner(), player);
    EXPECT_EQ(blast->GetMatrixElement(12), 6.0f);
    EXPECT_EQ(blast->GetMatrixElement(14), 8.0f);
}

TEST_F(PassesTest, TheSweepTakesADeadModelOutOfRenderListTwo) {
    graphicsSystem.renderer = std::make_unique<Renderer>();
    Scripted<Weapon>* blast = Add<Weapon>("blast");
    blast->GetModel()->inRenderList = true;
    MeshTree caster;
    graphicsSystem.renderer->AddToRenderList(&caster, 2, true);
    graphicsSystem.renderer->AddToRenderList(blast->GetModel(), 2, true);
    blast->reply = std::make_unique<Message>(
        "WEAPON_DESTROYED", std::map<std::string, std::string>{{"POST_EFFECT", ""}});
    application.UpdateEntities();
    application.SweepDeadEntities();
    EXPECT_EQ(deleted["blast"], 1);
    EXPECT_EQ(graphicsSystem.renderer->renderLists[2], (std::list<MeshTree*>{&caster}));
    graphicsSystem.renderer.reset();
}

struct FrameCase {
    const char* name;
    const char* menu;
    bool playerOne;
    bool passesRun;
};

void PrintTo(const FrameCase& c, std::ostream* os) {
    *os << c.name;
}

class LevelFrameTest : public PassesTest, public ::testing::WithParamInterface<FrameCase> {};

TEST_P(LevelFrameTest, TheListPassesRunOnlyOnTheLevelScreenWithPlayerOne) {
    const FrameCase& c = GetParam();
    menuSystem.SetCurrentMenu(c.menu);
    if (!c.playerOne) world.playerOneVehicle = nullptr;
    Scripted<GameEntity>* crate = Add<GameEntity>("crate");
    auto dust = std::make_unique<FakeEffect>();
    dust->alive = true;
    FakeEffect* drawn = dust.get();
    crate->effects.Set(2, std::move(dust));
    crate->effects.SetRunning(2, true);

    Frame();
    EXPECT_EQ(log.size(), c.passesRun ? 2u : 0u);
    EXPECT_EQ(drawn->draws, c.passesRun ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Frames, LevelFrameTest,
    ::testing::Values(FrameCase{"LevelScreenWithPlayerOne", mn::kLevelScreen, true, true},
                      FrameCase{"LevelScreenBetweenLevels", mn::kLevelScreen, false, false},
                      FrameCase{"AnotherMenu", mn::kMainMenu, true, false}),
    [](const auto& info) { return std::string(info.param.name); });

using StartUpTest = GlobalsTest;

TEST_F(StartUpTest, TheLastStepTakesTheWeaponFolderFromTheRoot) {
    application.Init();
    EXPECT_EQ(world.cache.GetWeaponFolder(),
              fileLoader.GetRoot() + "\\RESOURCES\\Files\\Weapons\\");
}

}  // namespace
