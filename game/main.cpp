// The program's entry: the real platform services for the length of the run, then the game.
#include "game/Application.h"
#include "game/MenuCatalogue.h"
#include "platform/sdl/SdlPlatform.h"

int main(int, char**) {
    int result = 0;
    {
        platform::SdlPlatform sdl;
        platform::Install(sdl.GetServices());
        // The game's own menus; the tests drive the same loop with menus of their own.
        application.SetIntroBuilder(BuildIntroScreens);
        application.SetMenuBuilder(BuildMenus);
        result = GameMain();
        platform::Uninstall();
    }
    return result;
}
