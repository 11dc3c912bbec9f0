// Shipped levels of every mode loaded and left, one after the other, through the loading
// screens' own steps: each starts as a level, each leave empties the World, and in the
// sanitizer build nothing that the cycles allocated is left unreachable.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "game/LevelLoading.h"
#include "game/MenuNames.h"
#include "tests/app/TempDir.h"
#include "tests/game/GlobalsFixture.h"
#include "ui/GameFonts.h"
#include "ui/RecordingCanvas.h"
#include "world/World.h"

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define BRASK_LEAK_CHECK 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define BRASK_LEAK_CHECK 1
#endif
#ifdef BRASK_LEAK_CHECK
#include <sanitizer/lsan_interface.h>
#endif

namespace mn = menunames;

namespace {

constexpr int kCycles = 20;
constexpr int kFramesPerVisit = 3;

class LevelCycles : public GlobalsTest {
protected:
    void SetUp() override {
        GlobalsTest::SetUp();
        inside = std::make_unique<WorkingDirectory>(BRASK_BUILD_DIR);
        application.Init();
        // No GL here: the frame's drawing steps find no renderer, the menus draw on a
        // recording canvas.
        graphicsSystem.Shutdown();
        SetMenuCanvas(&canvas);
        menuSystem.DeleteFonts();
        for (const GameFont& font : kGameFonts)
            menuSystem.CreateFont(kGameFontFace, font.height, font.bold, false, false);
        world.ResetResourceCache();
        menuSystem.EnsureMenu(mn::kLevelScreen);
    }
    void TearDown() override {
        application.EndLevel(LeaveButton::Other);
        GlobalsTest::TearDown();
        inside.reset();
    }

    void Frame() {
        fake.clock.milliseconds += 10;
        RunFrame();
    }

    RecordingCanvas canvas;
    std::unique_ptr<WorkingDirectory> inside;
};

TEST_F(LevelCycles, EveryModeLoadsAndLeavesWithoutLeaks) {
    struct Visit {
        int mode;
        std::string path;
    };
    std::vector<Visit> visits;
    for (int mode = 0; mode < kGameModes; ++mode)
        for (const std::string& path : application.GetLevelList(mode))
            visits.push_back({mode, path});
    ASSERT_FALSE(visits.empty());

    for (int cycle = 0; cycle < kCycles; ++cycle) {
        // Spread over the list, so that every mode is met within the cycles.
        const Visit& visit = visits[(static_cast<std::size_t>(cycle) * 7) % visits.size()];
        SCOPED_TRACE(visit.path);
        application.ClearLevelLists();
        application.AddLevel(visit.path, visit.mode);
        application.SetGameMode(visit.mode);
        LoadLevelCallback();
        Frame();
        ASSERT_TRUE(application.IsLevelFrame());
        for (int i = 1; i < kFramesPerVisit; ++i) Frame();
        UnloadLevelCallback();
        Frame();
        EXPECT_TRUE(world.updateList.empty());
        EXPECT_TRUE(world.collisionList.empty());
        EXPECT_EQ(world.GetPlayerOne(), nullptr);
    }
#ifdef BRASK_LEAK_CHECK
    // Everything still held belongs to the globals and stays reachable; anything else the
    // cycles made and lost is a leak.
    EXPECT_EQ(__lsan_do_recoverable_leak_check(), 0);
#endif
}

}  // namespace
