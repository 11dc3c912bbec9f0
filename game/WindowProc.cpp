#include "game/WindowProc.h"

#include "app/MessageBox.h"
#include "app/Window.h"
#include "game/MenuNames.h"
#include "platform/Keyboard.h"
#include "render/GraphicsSystem.h"
#include "ui/MenuSystem.h"

using namespace platform;

namespace {

void AskToExit() {
    if (MessageBox("Do you really want to exit the game?", "Exit Brask?",
                   MB_YESNO | MB_ICONQUESTION) == IDYES)
        window.SetRunning(false);
}

}  // namespace

long WindowProc(const WindowMessage& message) {
    // A key press or click stays flagged until the screens ask for it.
    switch (message.message) {
        case WM_DESTROY:
            window.SetRunning(false);
            return 0;
        case WM_SIZE:
            // A resize can arrive while the window is being made, before any renderer exists.
            if (graphicsSystem.renderer)
                graphicsSystem.renderer->Resize(static_cast<unsigned short>(message.x),
                                                static_cast<unsigned short>(message.y));
            return 0;
        case WM_SYSCOMMAND:
            // Swallowed: no screen saver, no monitor power-down (SC_SCREENSAVE, SC_MONITORPOWER);
            // the platform also keeps the screen saver off while the window is open.
            return 0;
        case WM_MOUSEMOVE:
            menuSystem.HandleMouse(WM_MOUSEMOVE, message.x, message.y);
            return 0;
        case WM_KEYDOWN:
            if (message.wParam != 0) window.SetKeyPressed(true);
            if (message.wParam == static_cast<unsigned>(vk::Escape) &&
                menuSystem.GetCurrentMenuName() != menunames::kLevelScreen)
                AskToExit();
            return 0;
        case WM_LBUTTONDOWN:
            if (message.wParam != 0) window.SetMouseClicked(true);
            if (message.wParam == MK_LBUTTON)
                menuSystem.HandleMouse(WM_LBUTTONDOWN, message.x, message.y);
            return 0;
        case WM_LBUTTONUP:
            menuSystem.HandleMouse(WM_LBUTTONUP, message.x, message.y);
            return 0;
        case WM_RBUTTONDOWN:
            if (message.wParam != 0) window.SetMouseClicked(true);
            return 0;
        default:
            return 0;
    }
}
