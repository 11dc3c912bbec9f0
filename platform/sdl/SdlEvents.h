#pragma once
#include <bitset>

#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Events.h"
#include "platform/Keyboard.h"

union SDL_Event;

namespace platform {

class SdlDisplay;

class SdlEvents : public Events {
public:
    explicit SdlEvents(SdlDisplay& display) : display(display) {}
    bool Next(WindowMessage& message) override;

private:
    void Translate(const SDL_Event& event, WindowMessage& message);
    void ToLogical(int windowX, int windowY, WindowMessage& message);

    SdlDisplay& display;
};

// Held keys come from SDL's own keyboard state. A key pressed and released between two polls
// leaves no trace there, so a watch on SDL's events marks every fresh press the moment SDL
// takes it in, however many events wait in the queue behind the one a frame takes.
class SdlKeyboard : public Keyboard {
public:
    SdlKeyboard();
    ~SdlKeyboard() override;
    SdlKeyboard(const SdlKeyboard&) = delete;
    SdlKeyboard& operator=(const SdlKeyboard&) = delete;

    void BeginPoll() override;
    bool IsKeyHeld(int virtualKey) override;

private:
    static constexpr int kScancodes = 512;
    static int Watch(void* keyboard, SDL_Event* event);
    void Renew();

    std::bitset<kScancodes> pressed;          // since the last poll
    std::bitset<kScancodes> pressedThisPoll;  // read as held until the next poll
};

class SdlClock : public Clock {
public:
    std::uint32_t Milliseconds() override;
    bool Counter(std::int64_t& count) override;
    bool Frequency(std::int64_t& countsPerSecond) override;
};

class SdlDialogs : public Dialogs {
public:
    explicit SdlDialogs(SdlDisplay& display) : display(display) {}
    void ShowError(const std::string& text, const std::string& caption) override;
    bool AskYesNo(const std::string& text, const std::string& caption) override;

private:
    SdlDisplay& display;
};

}  // namespace platform
