// The SDL event edge: what the game's message record receives from SDL's queue.
#include "platform/sdl/SdlPlatform.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using namespace platform;

class SdlEventsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(SDL_Init(SDL_INIT_EVENTS), 0) << SDL_GetError();
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    }

    static void PushMotion(int x, int y) {
        SDL_Event event{};
        event.type = SDL_MOUSEMOTION;
        event.motion.x = x;
        event.motion.y = y;
        SDL_PushEvent(&event);
    }
    static void PushKey(SDL_Keycode key) {
        SDL_Event event{};
        event.type = SDL_KEYDOWN;
        event.key.keysym.sym = key;
        event.key.state = SDL_PRESSED;
        ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError();
    }

    // The platform as the game makes it; it quits SDL when it goes.
    SdlPlatform sdl;
    Events& events = *sdl.GetServices().events;
};

TEST_F(SdlEventsTest, ABurstOfMotionComesOutAsItsLastMove) {
    PushMotion(1, 1);
    PushMotion(2, 2);
    PushMotion(300, 200);
    PushKey(SDLK_ESCAPE);
    PushMotion(5, 6);

    WindowMessage message;
    ASSERT_TRUE(events.Next(message));
    EXPECT_EQ(message.message, WM_MOUSEMOVE);
    EXPECT_EQ(message.x, 300);
    EXPECT_EQ(message.y, 200);
    ASSERT_TRUE(events.Next(message));
    EXPECT_EQ(message.message, WM_KEYDOWN);
    EXPECT_EQ(message.wParam, static_cast<std::uint32_t>(vk::Escape));
    ASSERT_TRUE(events.Next(message));
    EXPECT_EQ(message.message, WM_MOUSEMOVE);
    EXPECT_EQ(message.x, 5);
    EXPECT_FALSE(events.Next(message));
}

TEST_F(SdlEventsTest, KeysArriveAsTheGamesKeyCodes) {
    const struct {
        SDL_Keycode key;
        std::uint32_t virtualKey;
    } cases[] = {
        {SDLK_d, 0x44},         {SDLK_a, 0x41},    {SDLK_LEFT, 0x25},  {SDLK_KP_0, 0x60},
        {SDLK_KP_PERIOD, 0x6E}, {SDLK_KP_3, 0x63}, {SDLK_SPACE, 0x20}, {SDLK_F1, 0x70},
        {SDLK_CAPSLOCK, 0xFF},  // a key without a name still counts as a key press
    };
    for (const auto& c : cases) {
        PushKey(c.key);
        WindowMessage message;
        ASSERT_TRUE(events.Next(message));
        EXPECT_EQ(message.message, WM_KEYDOWN);
        EXPECT_EQ(message.wParam, c.virtualKey) << SDL_GetKeyName(c.key);
    }
}

TEST_F(SdlEventsTest, QuitBecomesDestroy) {
    SDL_Event event{};
    event.type = SDL_QUIT;
    SDL_PushEvent(&event);
    WindowMessage message;
    ASSERT_TRUE(events.Next(message));
    EXPECT_EQ(message.message, WM_DESTROY);
}

// A press and its release read in one go (a quick click): SDL's current button state no
// longer shows the press, so each message must carry the button of its own event.
TEST_F(SdlEventsTest, AQuickClickCarriesItsButtonInEachMessage) {
    const struct {
        Uint32 type;
        Uint8 button;
        unsigned message;
        std::uint32_t wParam;
    } cases[] = {
        {SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, WM_LBUTTONDOWN, MK_LBUTTON},
        {SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, WM_LBUTTONUP, 0},
        {SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, WM_RBUTTONDOWN, MK_RBUTTON},
    };
    for (const auto& c : cases) {
        SDL_Event event{};
        event.type = c.type;
        event.button.button = c.button;
        event.button.state = c.type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
        event.button.x = 40;
        event.button.y = 30;
        ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError();
    }
    for (const auto& c : cases) {
        WindowMessage message;
        ASSERT_TRUE(events.Next(message));
        EXPECT_EQ(message.message, c.message);
        EXPECT_EQ(message.wParam, c.wParam);
        EXPECT_EQ(message.x, 40);
        EXPECT_EQ(message.y, 30);
    }
}

TEST(SdlDialogsTest, AQuestionThatCannotBeShownIsAnsweredYes) {
    // No display to show a box on: the player who pressed Escape can still leave.
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    SdlPlatform sdl;
    EXPECT_TRUE(
        sdl.GetServices().dialogs->AskYesNo("Do you really want to exit the game?", "Exit Brask?"));
}

}  // namespace
