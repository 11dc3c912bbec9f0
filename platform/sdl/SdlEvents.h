#pragma once
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

class SdlKeyboard : public Keyboard {
public:
    bool IsKeyHeld(int virtualKey) override;
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
