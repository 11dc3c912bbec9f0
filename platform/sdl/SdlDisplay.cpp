#include "platform/sdl/SdlDisplay.h"

#include <SDL.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace platform {
namespace {

// The game's motion assumes a frame rate near a display's refresh: without vertical
// sync each frame lasts at least a sixtieth of a second.
constexpr double kFrameFloorSeconds = 1.0 / 60.0;
// With vertical sync the floor stays a little below the refresh, so that it never
// pushes a frame past its vertical blank.
constexpr double kVsyncSlackSeconds = 0.002;

// Drivers that show nothing on any screen: used only when asked for by name
// (SDL_VIDEODRIVER), as tests do. Otherwise a machine without a display would run the game
// invisibly until it is killed, instead of reporting that no window could be made.
bool ShowsNothing(const char* driver) {
    return std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0 ||
           std::strcmp(driver, "evdev") == 0;
}

// Starts the video subsystem with the driver named in the environment, or else with the first
// driver that can show a window.
bool StartVideo() {
    const char* named = std::getenv("SDL_VIDEODRIVER");
    if (named && *named) return SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
    for (int i = 0; i < SDL_GetNumVideoDrivers(); ++i) {
        const char* driver = SDL_GetVideoDriver(i);
        if (!driver || ShowsNothing(driver)) continue;
        SDL_SetHint(SDL_HINT_VIDEODRIVER, driver);
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) == 0) return true;
    }
    SDL_SetError("no video driver can show a window here");
    return false;
}

bool PacingWanted() {
    const char* off = std::getenv("BRASK_NO_PACING");
    return !(off && *off && std::strcmp(off, "0") != 0);
}

}  // namespace

SdlDisplay::SdlDisplay() : pacing(PacingWanted()) {}

SdlDisplay::~SdlDisplay() {
    DestroyContext();
    DestroyWindow();
    if (videoStarted) SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

WindowResult SdlDisplay::CreateWindow(const std::string& title, int width, int height,
                                      int bitsPerPixel, bool fullscreen) {
    if (window) return WindowResult::Ok;
    // A message box must not minimise the full-screen window behind it.
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
    if (!videoStarted) {
        if (!StartVideo()) return WindowResult::VideoUnavailable;
        videoStarted = true;
    }
    SDL_DisableScreenSaver();
    SDL_StopTextInput();

    const int channelBits = bitsPerPixel >= 32 ? 8 : 5;
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, channelBits);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, channelBits);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, channelBits);
    SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, bitsPerPixel >= 32 ? 8 : 0);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 8);

    window = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width,
                              height, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    if (!window) return WindowResult::CreateFailed;
    if (fullscreen && SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN) != 0) {
        // A failed display change leaves no window behind.
        SDL_DestroyWindow(window);
        window = nullptr;
        return WindowResult::DisplayModeFailed;
    }
    logicalWidth = width;
    logicalHeight = height;
    SDL_ShowWindow(window);
    SDL_ShowCursor(SDL_ENABLE);
    return WindowResult::Ok;
}

void SdlDisplay::DestroyWindow() {
    if (!window) return;
    DestroyContext();
    // Leaving full screen first gives the desktop its own display mode back.
    SDL_SetWindowFullscreen(window, 0);
    SDL_DestroyWindow(window);
    window = nullptr;
}

ContextResult SdlDisplay::CreateContext() {
    if (!window) return ContextResult::NoWindow;
    if (!context) {
        context = SDL_GL_CreateContext(window);
        if (!context) return ContextResult::CreateFailed;
    }
    if (SDL_GL_MakeCurrent(window, static_cast<SDL_GLContext>(context)) != 0)
        return ContextResult::MakeCurrentFailed;
    swapIntervalAccepted = SDL_GL_SetSwapInterval(1) == 0;
    lastSwap = SDL_GetPerformanceCounter();
    return ContextResult::Ok;
}

void SdlDisplay::DestroyContext() {
    if (!context) return;
    SDL_GL_MakeCurrent(window, nullptr);
    SDL_GL_DeleteContext(static_cast<SDL_GLContext>(context));
    context = nullptr;
}

void* SdlDisplay::GetProcAddress(const char* name) {
    if (!context) return nullptr;
    return SDL_GL_GetProcAddress(name);
}

void SdlDisplay::WaitForFrameFloor() {
    const double floor =
        swapIntervalAccepted ? kFrameFloorSeconds - kVsyncSlackSeconds : kFrameFloorSeconds;
    const double frequency = static_cast<double>(SDL_GetPerformanceFrequency());
    const double elapsed = static_cast<double>(SDL_GetPerformanceCounter() - lastSwap) / frequency;
    if (elapsed < floor)
        std::this_thread::sleep_for(std::chrono::duration<double>(floor - elapsed));
}

void SdlDisplay::SwapBuffers() {
    if (!window || !context) return;
    if (pacing) WaitForFrameFloor();
    lastSwap = SDL_GetPerformanceCounter();
    SDL_GL_SwapWindow(window);
}

std::string SdlDisplay::LastError() {
    return SDL_GetError();
}

}  // namespace platform
