// The program's entry: the real platform services for the length of the run, then the game.
#include "game/Application.h"
#include "platform/sdl/SdlPlatform.h"

int main(int, char**) {
    int result = 0;
    {
        platform::SdlPlatform sdl;
        platform::Install(sdl.GetServices());
        result = GameMain();
        platform::Uninstall();
    }
    return result;
}
