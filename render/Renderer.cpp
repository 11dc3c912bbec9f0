#include "render/Renderer.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cstdio>
#include <sstream>

#include "app/FileLoader.h"
#include "app/Matrix.h"
#include "app/MessageBox.h"
#include "app/Window.h"
#include "platform/ContentLimits.h"
#include "platform/Files.h"
#include "platform/Services.h"
#include "render/Camera.h"
#include "render/GLExtensions.h"
#include "render/GraphicsSystem.h"

bool twoSidedStencil = true;
bool pointParameters = true;

Renderer::Renderer() {
    twoSidedStencil = true;
    pointParameters = true;
    FillDefaultShadeRamp(shadeRamp);
    for (int i = 0; i < 16; ++i) modelView[i] = (i % 5 == 0) ? 1.0f : 0.0f;
}

Renderer::~Renderer() {
    ReleaseContext();
    FreeShadowCasterTable();
    ClearRenderLists();
}

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
    // The pixel format (double-buffered RGBA, 24 depth bits, 8 stencil bits) was chosen with
    // the window: the planar shadows' lift of 0.01 is below what 16 depth bits resolve at
    // the room's distances, and the shadow volumes count in the stencil buffer.
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
    if (graphicsSystem.camera)
        glLoadMatrixf(graphicsSystem.camera->GetProjectionMatrix());
    else
        gluPerspective(45.0, height > 0 ? static_cast<double>(width) / height : 1.0, 0.1, 100.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void Renderer::InitState() {
    glShadeModel(GL_SMOOTH);
    glClearColor(0.8f, 0.8f, 0.8f, 0.5f);
    glClearDepth(1.0);
    SetupLight();
    glDisable(GL_LIGHTING);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_BLEND);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    glFrontFace(GL_CCW);
    glClearStencil(0);

    // A missing or short ramp file is not an error: the ramp keeps its defined entries.
    std::istringstream rampFile;
    if (platform::OpenContentText(fileLoader.GetRoot() + "/RESOURCES/Art/Textures/shader.txt",
                                  contentlimits::kMaxSettingsFileBytes, rampFile))
        ReadShadeRamp(rampFile, shadeRamp);
    glGenTextures(1, &shadeRampTexture);
    glBindTexture(GL_TEXTURE_1D, shadeRampTexture);
    glTexParameteri(GL_TEXTURE_1D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_1D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexImage1D(GL_TEXTURE_1D, 0, GL_RGB, kShadeRampEntries, 0, GL_RGB, GL_FLOAT, shadeRamp);
    glBindTexture(GL_TEXTURE_1D, 0);

    lightPosition = Vector3(25.0f, 25.0f, 25.0f);
    lightDirection = Vector3(0.5f, 0.6f, 0.4f);
    Vec3Normalize(lightDirection);
}

void Renderer::SetupLight() {
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    const GLfloat position[4] = {lightPosition.x, lightPosition.y, lightPosition.z, 1.0f};
    const GLfloat ambient[4] = {0.0f, 0.0f, 0.0f, 1.0f};
    const GLfloat diffuse[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    const GLfloat specular[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    glLightfv(GL_LIGHT0, GL_POSITION, position);
    glLightfv(GL_LIGHT0, GL_AMBIENT, ambient);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse);
    glLightfv(GL_LIGHT0, GL_SPECULAR, specular);
    glEnable(GL_LIGHT0);
    glEnable(GL_LIGHTING);
    glPopMatrix();
}

void Renderer::Clear() {
    if (renderingContext)
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    trianglesDrawn = 0;
    modelsOutOfView = 0;
    // The floor is told again by the frame that draws it.
    ClearRoomFloor();
}

void Renderer::FlushDrawing() {
    if (renderingContext) glFlush();
}

void Renderer::SwapBuffers() {
    if (renderingContext) platform::GetDisplay().SwapBuffers();
}

void Renderer::ReleaseContext() {
    if (!renderingContext) return;
    platform::GetDisplay().DestroyContext();
    renderingContext = false;
}
