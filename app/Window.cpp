#include "app/Window.h"

#include <cstdio>

#include "app/MessageBox.h"
#include "platform/Services.h"

Window::~Window() {
    Destroy();
}

void Window::Init(const char* newTitle, const char* newClassName, WindowProcedure newWindowProc,
                  int newWidth, int newHeight, int newBitsPerPixel, bool newFullscreen) {
    title = newTitle;
    className = newClassName;
    windowProc = newWindowProc;
    width = newWidth;
    height = newHeight;
    bitsPerPixel = newBitsPerPixel;
    fullscreen = newFullscreen;
    running = true;
    try {
        Create();
    } catch (const char* text) {
        MessageBox(text, "Window Init", MB_ICONERROR);
        running = false;
    }
}

void Window::Create() {
    platform::Display& display = platform::GetDisplay();
    const platform::WindowResult result =
        display.CreateWindow(title ? title : "", width, height, bitsPerPixel, fullscreen);
    if (result == platform::WindowResult::Ok) {
        handle = &display;
        return;
    }
    std::fprintf(stderr, "Window: %s\n", display.LastError().c_str());
    switch (result) {
        case platform::WindowResult::VideoUnavailable:
            throw "RegisterClassEx: Failed to register window class!";
        case platform::WindowResult::DisplayModeFailed:
            throw "ChangeDisplaySettings: Failed to run in fullscreen mode!";
        default:
            throw "CreateWindowEx: Failed to create window!";
    }
}

// The handle is cleared, so that the second call at exit finds nothing to destroy.
void Window::Destroy() {
    if (!handle) return;
    handle->DestroyWindow();
    handle = nullptr;
}

long Window::PumpMessage() {
    if (!platform::GetEvents().Next(message)) return 0;
    return windowProc ? windowProc(message) : 0;
}
