#pragma once
#include <cstdint>

#include "platform/Display.h"

struct SDL_Window;

namespace platform {

class SdlDisplay : public Display {
public:
    SdlDisplay();
    ~SdlDisplay() override;

    WindowResult CreateWindow(const std::string& title, int width, int height, int bitsPerPixel,
                              bool fullscreen) override;
    void DestroyWindow() override;
    ContextResult CreateContext() override;
    void DestroyContext() override;
    void* GetProcAddress(const char* name) override;
    void SwapBuffers() override;
    std::string LastError() override;

    SDL_Window* GetWindow() const { return window; }
    // The size the game asked for: mouse positions are given in it.
    int GetLogicalWidth() const { return logicalWidth; }
    int GetLogicalHeight() const { return logicalHeight; }

private:
    void WaitForFrameFloor();

    SDL_Window* window = nullptr;
    void* context = nullptr;
    bool videoStarted = false;
    int logicalWidth = 0;
    int logicalHeight = 0;
    bool pacing = true;
    bool swapIntervalAccepted = false;
    std::uint64_t lastSwap = 0;
};

}  // namespace platform
