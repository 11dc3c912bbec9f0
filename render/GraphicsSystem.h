#pragma once
// The one object through which the game reaches drawing.
#include <memory>

#include "render/Renderer.h"

class GraphicsSystem {
public:
    GraphicsSystem() = default;
    ~GraphicsSystem() { Shutdown(); }
    GraphicsSystem(const GraphicsSystem&) = delete;
    GraphicsSystem& operator=(const GraphicsSystem&) = delete;

    void Init(int width, int height, int bitsPerPixel);
    void Shutdown();
    void Clear();
    void SwapBuffers();

    // Owned; other subsystems read it directly. Null before Init and after Shutdown.
    std::unique_ptr<Renderer> renderer;
};

extern GraphicsSystem graphicsSystem;
