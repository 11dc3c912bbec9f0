#include "render/Renderer.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cstdio>

#include "app/MessageBox.h"
#include "app/Window.h"
#include "platform/Services.h"
#include "render/GLExtensions.h"

bool twoSidedStencil = true;
bool pointParameters = true;

Renderer::Renderer() {
    twoSidedStencil = true;
    pointParameters = true;
}

Renderer::~Renderer() { ReleaseContext(); }

void Renderer::Init(int width, int height, int bitsPerPixel) {
    // Without a window there is nothing to make a context on, and that failure has been shown.
    if (!window.GetHandle()) return;
    try {
        CreateContext(bitsPerPixel);
        Resize(width, height);
        InitState();
    } catch (const char* text) {
        MessageBox(text, "GL Init", MB_ICONERROR);
        window.SetRunning(false);
    }
}

void Renderer::CreateContext(int) {
    platform::Display& display = platform::GetDisplay();
    // The pixel format (RGBA, double-buffered, depth and stencil) was chosen with the window.
    const platform::ContextResult result = display.CreateContext();
    if (result != platform::ContextResult::Ok)
        std::fprintf(stderr, "GL: %s\n", display.LastError().c_str());
    switch (result) {
        case platform::ContextResult::Ok:
            break;
        case platform::ContextResult::NoWindow:
            throw "GetDC: Failed to get Graphical Device Interface!";
        case platform::ContextResult::CreateFailed:
            throw "wglCreateContext: Failed to create Rendering Context Device!";
        case platform::ContextResult::MakeCurrentFailed:
            renderingContext = true;  // made, so that releasing deletes it
            throw "wglMakeCurrent: Failed to set Rendering Context Device!";
    }
    renderingContext = true;

    LoadExtensionFunctions();
    if (!ext::glActiveTextureARB || !ext::glMultiTexCoord1fARB || !ext::glMultiTexCoord2fARB)
        throw "This video-card does not support multi-texturing!";
    if (!ext::glActiveStencilFaceEXT) twoSidedStencil = false;
    // Particles never use point sprites.
    pointParameters = false;
}

void Renderer::Resize(int width, int height) {
    if (!renderingContext) return;
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, height > 0 ? static_cast<double>(width) / height : 1.0, 0.1, 100.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void Renderer::InitState() {
    // The fixed drawing state arrives with the renderer proper; until then frames clear to black.
}

void Renderer::Clear() {
    if (renderingContext) glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    trianglesDrawn = 0;
}

void Renderer::SwapBuffers() {
    if (renderingContext) platform::GetDisplay().SwapBuffers();
}

void Renderer::ReleaseContext() {
    if (!renderingContext) return;
    platform::GetDisplay().DestroyContext();
    renderingContext = false;
}
