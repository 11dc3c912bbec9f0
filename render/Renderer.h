#pragma once
// The OpenGL context on the game window and the per-frame clear and swap. Lighting,
// render lists, drawing and shadows arrive with the renderer proper.
#include <cstdint>

// Process-wide capabilities, decided when the context is made.
extern bool twoSidedStencil;
extern bool pointParameters;

class Renderer {
public:
    Renderer();
    ~Renderer();
    Renderer(const Renderer&) = delete;
    Renderer& operator=(const Renderer&) = delete;

    void Init(int width, int height, int bitsPerPixel);
    void CreateContext(int bitsPerPixel);
    void Resize(int width, int height);
    void InitState();
    void Clear();
    void SwapBuffers();
    void ReleaseContext();

    bool HasContext() const { return renderingContext; }

private:
    std::uint32_t trianglesDrawn = 0;
    bool renderingContext = false;
};
