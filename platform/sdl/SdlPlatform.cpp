#include "platform/sdl/SdlPlatform.h"

#include <SDL.h>

namespace platform {

// Nothing opens here: video and audio start when the game asks for them.
SdlPlatform::SdlPlatform() { SDL_SetMainReady(); }

SdlPlatform::~SdlPlatform() {
    audio.Close();
    display.DestroyWindow();
    SDL_Quit();
}

Services SdlPlatform::GetServices() {
    return Services{&display, &events, &keyboard, &clock, &dialogs, &audio};
}

}  // namespace platform
