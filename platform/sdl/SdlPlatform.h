#pragma once
// The real platform services, owned by the entry point for the length of the run.
#include "platform/Services.h"
#include "platform/freetype/FreeTypeFonts.h"
#include "platform/sdl/SdlAudio.h"
#include "platform/sdl/SdlDisplay.h"
#include "platform/sdl/SdlEvents.h"

namespace platform {

class SdlPlatform {
public:
    SdlPlatform();
    ~SdlPlatform();
    SdlPlatform(const SdlPlatform&) = delete;
    SdlPlatform& operator=(const SdlPlatform&) = delete;

    Services GetServices();

private:
    SdlDisplay display;
    SdlEvents events{display};
    SdlKeyboard keyboard;
    SdlClock clock;
    SdlDialogs dialogs{display};
    SdlAudio audio;
    FreeTypeFonts fonts;
};

}  // namespace platform
