#pragma once
#include <string>

namespace platform {

enum class WindowResult {
    Ok,
    VideoUnavailable,   // the video system could not start
    DisplayModeFailed,  // the full-screen mode could not be set
    CreateFailed,       // the window could not be made
};

enum class ContextResult {
    Ok,
    NoWindow,
    CreateFailed,
    MakeCurrentFailed,
};

// One window with a double-buffered RGBA OpenGL context (depth 24, stencil 8).
class Display {
public:
    virtual ~Display() = default;
    virtual WindowResult CreateWindow(const std::string& title, int width, int height,
                                      int bitsPerPixel, bool fullscreen) = 0;
    // Closes the window and gives the desktop its display mode back. Harmless when there is none.
    virtual void DestroyWindow() = 0;
    virtual ContextResult CreateContext() = 0;
    virtual void DestroyContext() = 0;
    virtual void* GetProcAddress(const char* name) = 0;
    // Shows the back buffer; paced to the display (or to 60 frames a second) unless pacing is off.
    virtual void SwapBuffers() = 0;
    // The platform's explanation of the last failure, for standard error.
    virtual std::string LastError() = 0;
};

}  // namespace platform
