#pragma once
// The game's one top-level window and the flags that the rest of the game reads:
// whether the program runs, and whether the last message was a key press or a click.
#include <utility>

#include "platform/Events.h"

namespace platform {
class Display;
}

// The window procedure: handles one message and returns its result.
using WindowProcedure = long (*)(const platform::WindowMessage& message);
// The window as message boxes know it: null when there is none.
using WindowHandle = platform::Display*;

class Window {
public:
    Window() = default;
    ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    void Init(const char* title, const char* className, WindowProcedure windowProc, int width,
              int height, int bitsPerPixel, bool fullscreen);
    void Create();
    void Destroy();
    long PumpMessage();

    int GetWidth() const { return width; }
    int GetHeight() const { return height; }
    bool IsRunning() const { return running; }
    bool IsFullscreen() const { return fullscreen; }
    // Whether a key was pressed (a button clicked) since the last time this was asked. The
    // window procedure sets the flags; asking clears them, so no press is lost among the
    // other messages of a frame and none is seen twice.
    bool WasKeyPressed() { return std::exchange(keyPressed, false); }
    bool WasMouseClicked() { return std::exchange(mouseClicked, false); }
    WindowHandle GetHandle() const { return handle; }

    void SetRunning(const bool& value) { running = value; }
    void SetKeyPressed(const bool& value) { keyPressed = value; }
    void SetMouseClicked(const bool& value) { mouseClicked = value; }

private:
    platform::WindowMessage message;
    WindowHandle handle = nullptr;
    const char* className = nullptr;
    const char* title = nullptr;
    WindowProcedure windowProc = nullptr;
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    bool running = false;
    bool fullscreen = false;
    bool keyPressed = false;
    bool mouseClicked = false;
};

extern Window window;
