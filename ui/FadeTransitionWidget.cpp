#include "ui/FadeTransitionWidget.h"

#include "app/Window.h"
#include "ui/MenuCanvas.h"

namespace {
// A fade's level moves by the frame time x speed x this per frame.
constexpr float kFadeRate = 50.0f;
}  // namespace

void DrawWindowQuad(const float colour[4]) {
    const float width = static_cast<float>(window.GetWidth());
    const float height = static_cast<float>(window.GetHeight());
    CanvasQuad quad;
    quad.corners[0] = {0, -10, 0, 1};
    quad.corners[1] = {0, height, 0, 0};
    quad.corners[2] = {width, height, 1, 0};
    quad.corners[3] = {width, -10, 1, 1};
    CopyColour(quad.colour, colour);
    GetMenuCanvas().DrawQuad(quad);
}

FadeTransitionWidget::FadeTransitionWidget(const float* colour, float newSpeed) : speed(newSpeed) {
    // No name, texture or rectangle of its own: it always covers the window.
    CopyColour(normalColour, colour);
    CopyColour(hoverColour, colour);
    CopyColour(currentColour, colour);
    CopyColour(textColour, colour);
    normalColour[3] = 0.0f;
    currentColour[3] = 0.0f;
}

void FadeTransitionWidget::Draw() {
    if (!visible) return;
    DrawWindowQuad(currentColour);
    const float step = GetMenuDeltaTime() * speed * kFadeRate;
    currentColour[3] += fadingIn ? step : -step;
    if (currentColour[3] > 1.0f) {
        currentColour[3] = 1.0f;
        fadingIn = false;
    }
    if (currentColour[3] < 0.0f) {
        currentColour[3] = 0.0f;
        fadingIn = true;
    }
}
