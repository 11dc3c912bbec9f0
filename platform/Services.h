#pragma once
// The platform services the game reaches. The entry point installs the SDL ones and the
// tests install fakes; until then quiet null services stand in, so static construction
// and destruction never touch a real device.
#include "platform/Audio.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Display.h"
#include "platform/Events.h"
#include "platform/Fonts.h"
#include "platform/Keyboard.h"

namespace platform {

struct Services {
    Display* display = nullptr;
    Events* events = nullptr;
    Keyboard* keyboard = nullptr;
    Clock* clock = nullptr;
    Dialogs* dialogs = nullptr;
    Audio* audio = nullptr;
    Fonts* fonts = nullptr;
};

// Installs the given services; a null member keeps the null service of that kind.
void Install(const Services& services);
// Puts the null services back.
void Uninstall();

Display& GetDisplay();
Events& GetEvents();
Keyboard& GetKeyboard();
Clock& GetClock();
Dialogs& GetDialogs();
Audio& GetAudio();
Fonts& GetFonts();

}  // namespace platform
