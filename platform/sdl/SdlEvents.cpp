#include "platform/sdl/SdlEvents.h"

#include <SDL.h>

#include <cstdio>

#include "platform/sdl/SdlDisplay.h"

namespace platform {
namespace {

constexpr unsigned WM_KEYUP = 0x0101;
constexpr std::uint32_t kUnnamedKey = 0xFF;  // a key the game has no name for, still a key press

struct KeyName {
    SDL_Keycode key;
    int virtualKey;
};

constexpr KeyName kNamedKeys[] = {
    {SDLK_ESCAPE, vk::Escape},
    {SDLK_LEFT, vk::Left},
    {SDLK_UP, vk::Up},
    {SDLK_RIGHT, vk::Right},
    {SDLK_DOWN, vk::Down},
    {SDLK_KP_0, vk::Numpad0},
    {SDLK_KP_1, vk::Numpad1},
    {SDLK_KP_2, vk::Numpad2},
    {SDLK_KP_3, vk::Numpad3},
    {SDLK_KP_4, 0x64},
    {SDLK_KP_5, 0x65},
    {SDLK_KP_6, 0x66},
    {SDLK_KP_7, 0x67},
    {SDLK_KP_8, 0x68},
    {SDLK_KP_9, 0x69},
    {SDLK_KP_PERIOD, vk::Decimal},
    {SDLK_KP_DECIMAL, vk::Decimal},
    {SDLK_BACKSPACE, 0x08},
    {SDLK_TAB, 0x09},
    {SDLK_RETURN, 0x0D},
    {SDLK_KP_ENTER, 0x0D},
    {SDLK_LSHIFT, 0x10},
    {SDLK_RSHIFT, 0x10},
    {SDLK_LCTRL, 0x11},
    {SDLK_RCTRL, 0x11},
    {SDLK_LALT, 0x12},
    {SDLK_RALT, 0x12},
    {SDLK_PAUSE, 0x13},
    {SDLK_SPACE, 0x20},
    {SDLK_PAGEUP, 0x21},
    {SDLK_PAGEDOWN, 0x22},
    {SDLK_END, 0x23},
    {SDLK_HOME, 0x24},
    {SDLK_INSERT, 0x2D},
    {SDLK_DELETE, 0x2E},
};

std::uint32_t VirtualKeyOf(SDL_Keycode key) {
    if (key >= SDLK_a && key <= SDLK_z) return 0x41 + static_cast<std::uint32_t>(key - SDLK_a);
    if (key >= SDLK_0 && key <= SDLK_9) return 0x30 + static_cast<std::uint32_t>(key - SDLK_0);
    if (key >= SDLK_F1 && key <= SDLK_F12) return 0x70 + static_cast<std::uint32_t>(key - SDLK_F1);
    for (const KeyName& named : kNamedKeys)
        if (named.key == key) return static_cast<std::uint32_t>(named.virtualKey);
    return kUnnamedKey;
}

SDL_Keycode KeycodeOf(int virtualKey) {
    if (virtualKey >= 0x41 && virtualKey <= 0x5A) return SDLK_a + (virtualKey - 0x41);
    if (virtualKey >= 0x30 && virtualKey <= 0x39) return SDLK_0 + (virtualKey - 0x30);
    for (const KeyName& named : kNamedKeys)
        if (named.virtualKey == virtualKey) return named.key;
    return SDLK_UNKNOWN;
}

std::uint32_t ButtonState(std::uint32_t buttons) {
    std::uint32_t state = 0;
    if (buttons & SDL_BUTTON_LMASK) state |= MK_LBUTTON;
    if (buttons & SDL_BUTTON_RMASK) state |= MK_RBUTTON;
    if (buttons & SDL_BUTTON_MMASK) state |= MK_MBUTTON;
    const SDL_Keymod mods = SDL_GetModState();
    if (mods & KMOD_SHIFT) state |= MK_SHIFT;
    if (mods & KMOD_CTRL) state |= MK_CONTROL;
    return state;
}

}  // namespace

bool SdlEvents::Next(WindowMessage& message) {
    SDL_Event event;
    if (SDL_PollEvent(&event) != 1) return false;
    // Work off a burst of pointer motion at once, so the pointer does not lag a frame per event.
    if (event.type == SDL_MOUSEMOTION) {
        SDL_Event following;
        while (SDL_PeepEvents(&following, 1, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) == 1 &&
               following.type == SDL_MOUSEMOTION) {
            SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_MOUSEMOTION, SDL_MOUSEMOTION);
        }
    }
    message = WindowMessage{};
    Translate(event, message);
    return true;
}

void SdlEvents::ToLogical(int windowX, int windowY, WindowMessage& message) {
    int width = 0;
    int height = 0;
    if (display.GetWindow()) SDL_GetWindowSize(display.GetWindow(), &width, &height);
    if (width > 0 && height > 0 && display.GetLogicalWidth() > 0) {
        message.x = windowX * display.GetLogicalWidth() / width;
        message.y = windowY * display.GetLogicalHeight() / height;
    } else {
        message.x = windowX;
        message.y = windowY;
    }
}

void SdlEvents::Translate(const SDL_Event& event, WindowMessage& message) {
    switch (event.type) {
        case SDL_QUIT:
            message.message = WM_DESTROY;
            return;
        case SDL_WINDOWEVENT:
            if (event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
                message.message = WM_SIZE;
                message.x = event.window.data1;
                message.y = event.window.data2;
            }
            return;
        case SDL_KEYDOWN:
            message.message = WM_KEYDOWN;
            message.wParam = VirtualKeyOf(event.key.keysym.sym);
            return;
        case SDL_KEYUP:
            message.message = WM_KEYUP;
            message.wParam = VirtualKeyOf(event.key.keysym.sym);
            return;
        case SDL_MOUSEMOTION:
            message.message = WM_MOUSEMOVE;
            message.wParam = ButtonState(event.motion.state);
            ToLogical(event.motion.x, event.motion.y, message);
            return;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            const bool down = event.type == SDL_MOUSEBUTTONDOWN;
            if (event.button.button == SDL_BUTTON_LEFT)
                message.message = down ? WM_LBUTTONDOWN : WM_LBUTTONUP;
            else if (event.button.button == SDL_BUTTON_RIGHT && down)
                message.message = WM_RBUTTONDOWN;
            // The button of the event itself: by the time a quick click is read, SDL's current
            // state may already have it released again (or still pressed after its release).
            std::uint32_t buttons = SDL_GetMouseState(nullptr, nullptr);
            const std::uint32_t own = SDL_BUTTON(event.button.button);
            buttons = down ? (buttons | own) : (buttons & ~own);
            message.wParam = ButtonState(buttons);
            ToLogical(event.button.x, event.button.y, message);
            return;
        }
        default:
            return;  // any other message: handled as nothing in particular
    }
}

static_assert(SDL_NUM_SCANCODES <= 512, "a fresh press is marked by its scancode");

SdlKeyboard::SdlKeyboard() {
    Renew();
}

SdlKeyboard::~SdlKeyboard() {
    SDL_DelEventWatch(&SdlKeyboard::Watch, this);
}

// SDL forgets its watches whenever its event loop stops (when the last subsystem using it
// quits), so the watch is set again at each poll instead of trusted to outlive every stop.
void SdlKeyboard::Renew() {
    SDL_DelEventWatch(&SdlKeyboard::Watch, this);
    SDL_AddEventWatch(&SdlKeyboard::Watch, this);
}

int SdlKeyboard::Watch(void* keyboard, SDL_Event* event) {
    // A repeat is no fresh press: a key held over a poll and let go before the next one must
    // read as released there, as it always has.
    if (event->type != SDL_KEYDOWN || event->key.repeat) return 0;
    const SDL_Scancode scancode = event->key.keysym.scancode;
    if (scancode > SDL_SCANCODE_UNKNOWN && scancode < SDL_NUM_SCANCODES)
        static_cast<SdlKeyboard*>(keyboard)->pressed.set(scancode);
    return 0;
}

void SdlKeyboard::BeginPoll() {
    Renew();
    pressedThisPoll = pressed;
    pressed.reset();
}

bool SdlKeyboard::IsKeyHeld(int virtualKey) {
    const SDL_Keycode key = KeycodeOf(virtualKey);
    if (key == SDLK_UNKNOWN) return false;
    const SDL_Scancode scancode = SDL_GetScancodeFromKey(key);
    int count = 0;
    const Uint8* state = SDL_GetKeyboardState(&count);
    if (scancode <= SDL_SCANCODE_UNKNOWN || scancode >= count) return false;
    // Down now, or pressed since the last poll and already let go: a tap counts as held.
    return state[scancode] != 0 || pressedThisPoll.test(scancode);
}

std::uint32_t SdlClock::Milliseconds() {
    return SDL_GetTicks();
}

bool SdlClock::Counter(std::int64_t& count) {
    count = static_cast<std::int64_t>(SDL_GetPerformanceCounter());
    return true;
}

bool SdlClock::Frequency(std::int64_t& countsPerSecond) {
    countsPerSecond = static_cast<std::int64_t>(SDL_GetPerformanceFrequency());
    return countsPerSecond > 0;
}

void SdlDialogs::ShowError(const std::string& text, const std::string& caption) {
    // Standard error first: the box may not be able to show at all.
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, caption.c_str(), text.c_str(),
                             display.GetWindow());
}

bool SdlDialogs::AskYesNo(const std::string& text, const std::string& caption) {
    const SDL_MessageBoxButtonData buttons[] = {
        {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, 0, "No"},
        {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, 1, "Yes"},
    };
    const SDL_MessageBoxData box = {SDL_MESSAGEBOX_INFORMATION,
                                    display.GetWindow(),
                                    caption.c_str(),
                                    text.c_str(),
                                    2,
                                    buttons,
                                    nullptr};
    int pressed = 0;
    if (SDL_ShowMessageBox(&box, &pressed) != 0) {
        // The question was asked because the player pressed for it (Escape asks to leave):
        // where it cannot be shown, the answer is Yes, or the game could never be left with
        // the keyboard.
        std::fprintf(stderr, "%s: could not ask \"%s\" (%s); taken as Yes\n", caption.c_str(),
                     text.c_str(), SDL_GetError());
        return true;
    }
    return pressed == 1;
}

}  // namespace platform
