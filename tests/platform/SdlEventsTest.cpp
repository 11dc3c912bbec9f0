// The SDL event edge: what the game's message record receives from SDL's queue.
#include "platform/sdl/SdlPlatform.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <ostream>
#include <string>
#include <vector>

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

// The keyboard over SDL, frame by frame as the game reads it: one queued event taken, then the
// poll. The dummy video driver gives SDL its key map; the helpers act as a driver does, SDL's
// key state first and then the event.
class SdlKeyboardTest : public ::testing::Test {
protected:
    void SetUp() override {
        SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    }
    void TearDown() override {
        // SDL's key state outlives its video subsystem: leave no key down for the next test.
        for (const Key& key : kKeys) SetState(key.sym, false);
    }

    struct Key {
        SDL_Keycode sym;
        int virtualKey;
    };
    // Escape's menu, fire and a camera key, and one key that is never touched.
    static constexpr Key kKeys[] = {
        {SDLK_ESCAPE, vk::Escape},
        {SDLK_j, vk::J},
        {SDLK_KP_1, vk::Numpad1},
    };
    static constexpr Key kUntouched = {SDLK_d, vk::D};

    static void SetState(SDL_Keycode sym, bool down) {
        int count = 0;
        // What SDL's video driver writes when a key changes; no public call does it.
        Uint8* state = const_cast<Uint8*>(SDL_GetKeyboardState(&count));
        const SDL_Scancode scancode = SDL_GetScancodeFromKey(sym);
        ASSERT_GT(scancode, SDL_SCANCODE_UNKNOWN);
        ASSERT_LT(scancode, count);
        state[scancode] = down ? 1 : 0;
    }
    static void Send(SDL_Keycode sym, Uint32 type, bool repeat) {
        SDL_Event event{};
        event.type = type;
        event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
        event.key.repeat = repeat ? 1 : 0;
        event.key.keysym.sym = sym;
        event.key.keysym.scancode = SDL_GetScancodeFromKey(sym);
        ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError();
    }
    // Plays the steps between two polls: 'D' press, 'U' release, 'R' a repeat of a held key.
    static void Play(SDL_Keycode sym, const std::string& steps) {
        for (const char step : steps) {
            if (step != 'R') SetState(sym, step == 'D');
            Send(sym, step == 'U' ? SDL_KEYUP : SDL_KEYDOWN, step == 'R');
        }
    }
    // One frame of the game: it takes one queued event, then reads the keys.
    bool Frame(int virtualKey) {
        WindowMessage message;
        events.Next(message);
        keyboard.BeginPoll();
        EXPECT_FALSE(keyboard.IsKeyHeld(kUntouched.virtualKey)) << "a key nobody pressed";
        return keyboard.IsKeyHeld(virtualKey);
    }

    SdlPlatform sdl;
    Events& events = *sdl.GetServices().events;
    Keyboard& keyboard = *sdl.GetServices().keyboard;
};

// The steps before each poll, and whether the poll reads the key as held.
struct KeyFrame {
    const char* steps;
    bool held;
};
struct KeyScript {
    const char* name;
    std::vector<KeyFrame> frames;
};

void PrintTo(const KeyScript& script, std::ostream* os) {
    *os << script.name;
}

class SdlKeyScripts : public SdlKeyboardTest, public ::testing::WithParamInterface<KeyScript> {};

TEST_P(SdlKeyScripts, EachPollReadsTheKeyAsAPlayerPressedIt) {
    for (const Key& key : kKeys) {
        const std::vector<KeyFrame>& frames = GetParam().frames;
        for (size_t i = 0; i < frames.size(); ++i) {
            Play(key.sym, frames[i].steps);
            EXPECT_EQ(Frame(key.virtualKey), frames[i].held)
                << SDL_GetKeyName(key.sym) << ", poll " << i + 1;
        }
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    }
}

INSTANTIATE_TEST_SUITE_P(
    SdlKeyboard, SdlKeyScripts,
    ::testing::Values(
        KeyScript{"TapInsideOneFrameCountsForTheNextPollOnly", {{"DU", true}, {"", false}}},
        KeyScript{"HeldAcrossFramesUntilLetGo",
                  {{"D", true}, {"", true}, {"", true}, {"U", false}, {"", false}}},
        KeyScript{"DoubleTapInsideOneFrameIsOneHeldPoll", {{"DUDU", true}, {"", false}}},
        KeyScript{"TapsInTwoFramesCountTwice",
                  {{"DU", true}, {"DU", true}, {"", false}, {"DU", true}}},
        // Let go and pressed again between two polls: a fresh tap, so still held.
        KeyScript{"ReleasedAndTappedAgainWhileHeld", {{"D", true}, {"UDU", true}, {"", false}}},
        // Repeats come while a key is held; they are no fresh press once it is let go.
        KeyScript{"RepeatsThenLetGoReadsReleased",
                  {{"D", true}, {"RR", true}, {"RU", false}, {"", false}}}),
    [](const ::testing::TestParamInfo<KeyScript>& info) { return std::string(info.param.name); });

// SDL drops its event watches whenever its event loop stops; the keyboard's own must come back
// with the next poll, or no tap would count for the rest of the run.
TEST_F(SdlKeyboardTest, TapsStillCountAfterSdlsEventLoopStartsAgain) {
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    ASSERT_EQ(SDL_WasInit(SDL_INIT_EVENTS), 0u) << "the event loop must really stop";
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
    keyboard.BeginPoll();
    Play(SDLK_ESCAPE, "DU");
    EXPECT_TRUE(Frame(vk::Escape));
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
