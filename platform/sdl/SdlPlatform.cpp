#include "platform/sdl/SdlPlatform.h"

#include <SDL.h>

namespace platform {

// Nothing opens here: video and audio start when the game asks for them.
SdlPlatform::SdlPlatform() {
    SDL_SetMainReady();
    // One event per frame: a poll must answer with the next queued event, never stop at the
    // marker SDL would otherwise leave between two pumps.
    SDL_SetHint(SDL_HINT_POLL_SENTINEL, "0");
}

SdlPlatform::~SdlPlatform() {
    audio.Close();
    display.DestroyWindow();
    SDL_Quit();
}

Services SdlPlatform::GetServices() {
    return Services{&display, &events, &keyboard, &clock, &dialogs, &audio, &fonts};
}

}  // namespace platform
