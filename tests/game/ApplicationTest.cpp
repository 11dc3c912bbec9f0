#include <gtest/gtest.h>

#include <ostream>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "app/FileLoader.h"
#include "tests/game/GlobalsFixture.h"

namespace {

using platform::WindowResult;

using ApplicationTest = GlobalsTest;

size_t IndexOf(const std::vector<std::string>& calls, const std::string& call) {
    return static_cast<size_t>(std::find(calls.begin(), calls.end(), call) - calls.begin());
}

TEST_F(ApplicationTest, StartUpOpensTheWindowThenTheContextThenTheSound) {
    application.Init();
    EXPECT_TRUE(application.IsRunning());
    EXPECT_EQ(fake.display.title, "Brask");
    EXPECT_EQ(fake.display.width, 1024);
    EXPECT_EQ(fake.display.height, 768);
    EXPECT_TRUE(fake.display.fullscreen);
    EXPECT_TRUE(fake.display.contextOpen);
    const auto& calls = fake.calls;
    EXPECT_LT(IndexOf(calls, "display.CreateWindow"), IndexOf(calls, "display.CreateContext"));
    EXPECT_LT(IndexOf(calls, "display.CreateContext"), IndexOf(calls, "audio.Open"));
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "audio.Open"), 1);
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "audio.Load"), 10);
    EXPECT_TRUE(fake.dialogs.shown.empty());

    const float* view = application.GetCameraMatrix();
    for (int i = 0; i < 16; ++i) {
        const float expected = (i == 0 || i == 5 || i == 10 || i == 15) ? 1.0f
                               : i == 14                                ? -12.0f
                                                                        : 0.0f;
        EXPECT_EQ(view[i], expected) << "element " << i;
    }
}

TEST_F(ApplicationTest, StartUpFillsTheFiveLevelLists) {
    application.Init();
    const std::string files = fileLoader.GetRoot() + "\\RESOURCES\\Files\\";
    const std::vector<std::vector<std::string>> expected = {
        {"Bathroom1.txt", "Bathroom2.txt", "Bedroom1.txt", "Bedroom2.txt", "BreakfastNook.txt",
         "DiningRoom.txt", "Multi_Bedroom.txt"},
        {"Bathroom1.txt", "Bathroom2.txt", "Bedroom1.txt", "Bedroom2.txt", "Multi1.txt",
         "Multi_Bedroom.txt", "Multi3.txt"},
        {"Assault1.txt", "Assault2.txt", "Assault3.txt", "Assault4.txt"},
        {"Story1.txt", "Story2.txt", "Story3.txt", "Story4.txt", "Story5.txt", "Story6.txt"},
        {"DiningRoom.txt"},
    };
    for (int mode = 0; mode < kGameModes; ++mode) {
        std::vector<std::string> paths;
        for (const std::string& file : expected[static_cast<size_t>(mode)])
            paths.push_back(files + file);
        const auto& list = application.GetLevelList(mode);
        EXPECT_EQ(std::vector<std::string>(list.begin(), list.end()), paths) << "mode " << mode;
    }
    EXPECT_EQ(application.GetGameMode(), Battle);
    EXPECT_EQ(application.GetCurrentLevel(), files + "Bathroom1.txt");
}

TEST_F(ApplicationTest, StartUpSwitchesTheFrameTimerToHighResolution) {
    application.Init();
    fake.clock.AdvanceSeconds(1.0);  // millisecond mode would see this second
    frameTimer.Update();
    EXPECT_EQ(frameTimer.GetDeltaTime(), 0.0f);
    fake.clock.AdvanceSeconds(0.02);
    frameTimer.Update();
    EXPECT_NEAR(frameTimer.GetDeltaTime(), 0.02f, 1e-6);
}

struct WindowFailure {
    const char* name;
    WindowResult result;
    const char* text;
};

void PrintTo(const WindowFailure& c, std::ostream* os) {
    *os << c.name;
}

class WindowFailureTest : public GlobalsTest,
                          public ::testing::WithParamInterface<WindowFailure> {};

TEST_P(WindowFailureTest, ShowsTheBoxRunsNoFrameAndEndsCleanly) {
    fake.display.windowResult = GetParam().result;
    EXPECT_EQ(GameMain(), 0);
    ASSERT_EQ(fake.dialogs.shown.size(), 1u);
    EXPECT_FALSE(fake.dialogs.shown[0].question);
    EXPECT_EQ(fake.dialogs.shown[0].text, GetParam().text);
    EXPECT_EQ(fake.dialogs.shown[0].caption, "Window Init");
    EXPECT_EQ(fake.display.swaps, 0);
    EXPECT_FALSE(application.IsRunning());
    // The rest of start-up still ran.
    EXPECT_EQ(application.GetLevelList(Battle).size(), 7u);
}

INSTANTIATE_TEST_SUITE_P(
    Application, WindowFailureTest,
    ::testing::Values(WindowFailure{"NoVideo", WindowResult::VideoUnavailable,
                                    "RegisterClassEx: Failed to register window class!"},
                      WindowFailure{"NoFullScreen", WindowResult::DisplayModeFailed,
                                    "ChangeDisplaySettings: Failed to run in fullscreen mode!"},
                      WindowFailure{"NoWindow", WindowResult::CreateFailed,
                                    "CreateWindowEx: Failed to create window!"}),
    [](const ::testing::TestParamInfo<WindowFailure>& info) {
        return std::string(info.param.name);
    });

TEST_F(ApplicationTest, ContextFailureShowsGlInitAndRunsNoFrame) {
    fake.display.contextResult = platform::ContextResult::CreateFailed;
    EXPECT_EQ(GameMain(), 0);
    ASSERT_EQ(fake.dialogs.shown.size(), 1u);
    EXPECT_EQ(fake.dialogs.shown[0].text,
              "wglCreateContext: Failed to create Rendering Context Device!");
    EXPECT_EQ(fake.dialogs.shown[0].caption, "GL Init");
    EXPECT_EQ(fake.display.swaps, 0);
    EXPECT_EQ(fake.display.windowsDestroyed, 1);
}

TEST_F(ApplicationTest, MissingMultitextureShowsGlInitAndReleasesTheContext) {
    // The lookup by name answers, but the driver does not name the extension.
    fake.display.extensions = "GL_EXT_stencil_two_side";
    EXPECT_EQ(GameMain(), 0);
    ASSERT_EQ(fake.dialogs.shown.size(), 1u);
    EXPECT_EQ(fake.dialogs.shown[0].text, "This video-card does not support multi-texturing!");
    EXPECT_EQ(fake.dialogs.shown[0].caption, "GL Init");
    EXPECT_EQ(fake.display.swaps, 0);
    EXPECT_EQ(fake.display.contextsDestroyed, 1);
}

TEST_F(ApplicationTest, TwoSidedStencilFollowsTheExtensionString) {
    fake.display.extensions = "GL_ARB_multitexture";
    application.Init();
    EXPECT_FALSE(twoSidedStencil);
    EXPECT_FALSE(pointParameters);
    application.Shutdown();
    fake.display.extensions = "GL_ARB_multitexture GL_EXT_stencil_two_side";
    fake.display.Provide("glPointParameterfARB");
    fake.display.Provide("glPointParameterfvARB");
    application.Init();
    EXPECT_TRUE(twoSidedStencil);
    EXPECT_FALSE(pointParameters);  // point sprites are never used
}

TEST_F(ApplicationTest, TheFrameThatEndsTheLoopRunsToItsSwap) {
    // Three frames of nothing in particular, then the window is destroyed in the fourth.
    for (int i = 0; i < 3; ++i) fake.events.Push(platform::WM_NULL);
    fake.events.Push(platform::WM_DESTROY);
    int framesSeenBySwap = 0;
    fake.display.onSwap = [&] { ++framesSeenBySwap; };
    EXPECT_EQ(GameMain(), 0);
    EXPECT_EQ(framesSeenBySwap, 4);
}

TEST_F(ApplicationTest, EscapeAnsweredNoGoesOnAndYesEndsAfterThatFrame) {
    fake.events.Push(platform::WM_KEYDOWN, platform::vk::Escape);
    fake.events.Push(platform::WM_NULL);
    fake.events.Push(platform::WM_KEYDOWN, platform::vk::Escape);
    fake.events.Push(platform::WM_NULL);  // never reached
    fake.dialogs.answers = {false, true};
    EXPECT_EQ(GameMain(), 0);
    ASSERT_EQ(fake.dialogs.shown.size(), 2u);
    for (const auto& box : fake.dialogs.shown) {
        EXPECT_TRUE(box.question);
        EXPECT_EQ(box.text, "Do you really want to exit the game?");
        EXPECT_EQ(box.caption, "Exit Brask?");
    }
    EXPECT_EQ(fake.display.swaps, 3);
    EXPECT_EQ(fake.events.queue.size(), 1u);
}

TEST_F(ApplicationTest, ShutdownReleasesTheContextBeforeTheWindowAndTwiceHarmlessly) {
    application.Init();
    application.Shutdown();
    const auto& calls = fake.calls;
    EXPECT_LT(IndexOf(calls, "display.DestroyContext"), IndexOf(calls, "display.DestroyWindow"));
    // The static destructors release everything a second time.
    application.Shutdown();
    graphicsSystem.Shutdown();
    window.Destroy();
    menuSystem.Shutdown();
    fileLoader.ReleaseModelLoader();
    EXPECT_EQ(fake.display.windowsDestroyed, 1);
    EXPECT_EQ(fake.display.contextsDestroyed, 1);
}

}  // namespace
