#include "render/Overlay.h"

#include <GL/gl.h>

#include "app/Window.h"
#include "render/Renderer.h"

// gluOrtho2D(0, width, 0, height), then glScalef(1, -1, 1), then glTranslatef(0, -offset, 0)
// with the offset height (full screen) or height - 30 (windowed), multiplied out.
void Overlay2DMatrix(int width, int height, bool fullscreen, float matrix[16]) {
    for (int i = 0; i < 16; ++i) matrix[i] = 0.0f;
    const float w = width > 0 ? static_cast<float>(width) : 1.0f;
    const float h = height > 0 ? static_cast<float>(height) : 1.0f;
    const float offset = fullscreen ? h : h - 30.0f;
    matrix[0] = 2.0f / w;
    matrix[5] = -2.0f / h;
    matrix[10] = -1.0f;
    matrix[12] = -1.0f;
    matrix[13] = 2.0f * offset / h - 1.0f;
    matrix[15] = 1.0f;
}

void BillboardMatrix(const float modelView[16], float billboard[16]) {
    for (int i = 0; i < 16; ++i) billboard[i] = modelView[i];
    for (int column = 0; column < 3; ++column)
        for (int row = 0; row < 3; ++row) billboard[column * 4 + row] = column == row ? 1.0f : 0.0f;
}

void Renderer::BeginBillboard() {
    glPushMatrix();
    float current[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, current);
    float billboard[16];
    BillboardMatrix(current, billboard);
    glLoadMatrixf(billboard);
}

void Renderer::EndBillboard() {
    glPopMatrix();
}

void Renderer::Begin2D() {
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    float overlay[16];
    Overlay2DMatrix(window.GetWidth(), window.GetHeight(), window.IsFullscreen(), overlay);
    glLoadMatrixf(overlay);
    glMatrixMode(GL_MODELVIEW);
}

void Renderer::End2D() {
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
}
