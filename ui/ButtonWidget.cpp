#include "ui/ButtonWidget.h"

#include <vector>

#include "ui/MenuCanvas.h"

namespace {
// How far a pressed button moves towards its shadow, and where the shadow lies.
constexpr int kPressOffset = 4;
constexpr float kShadowDx = -10.0f;
constexpr float kShadowDy = 10.0f;
constexpr float kShadowAlpha = 0.6f;
}  // namespace

ButtonWidget::ButtonWidget(const char* text, const char* image, int newX, int newY, int newW,
                           int newH, const float* normal, const float* textC, const float* hover,
                           bool newPulse, bool colourKey) {
    Init(text, image, newX, newY, newW, newH, normal, textC, hover, newPulse, colourKey);
}

void ButtonWidget::OnMouseDown(int, int) {
    pressX = kPressOffset;
    pressY = kPressOffset;
}

void ButtonWidget::OnMouseUp(int, int) {
    pressX = 0;
    pressY = 0;
}

void ButtonWidget::OnMouseEnter() {
    hovered = true;
    if (!pulse) CopyColour(currentColour, hoverColour);
}

void ButtonWidget::OnMouseLeave() {
    hovered = false;
    pressX = 0;
    pressY = 0;
    pulseValue = pulseMaximum / 2.0f;
    CopyColour(currentColour, normalColour);
}

void ButtonWidget::UpdatePulse() {
    if (pulseValue > pulseMaximum) {
        pulseValue = pulseMaximum;
        pulseSpeed = -pulseSpeed;
    }
    if (pulseValue < pulseMaximum / 2.0f) {
        pulseValue = pulseMaximum / 2.0f;
        pulseSpeed = -pulseSpeed;
    }
    pulseValue += GetMenuDeltaTime() * pulseSpeed;
    for (int i = 0; i < 3; ++i) currentColour[i] = pulseValue / pulseMaximum * hoverColour[i];
}

void ButtonWidget::DrawBody() {
    if (texture != 0) {
        const float shadow[4] = {0, 0, 0, kShadowAlpha * currentColour[3]};
        DrawBodyQuad(kShadowDx, kShadowDy, 0.0f, shadow);
        DrawBodyQuad(static_cast<float>(-pressX), static_cast<float>(pressY), 0.05f, currentColour);
        return;
    }
    const float halfW = w / 2.0f;
    const float halfH = h / 2.0f;
    const std::vector<CanvasVertex> outline = {
        {x - halfW, y - halfH, 0, 0}, {x - halfW, y + halfH, 0, 0}, {x + halfW, y + halfH, 0, 0},
        {x + halfW, y - halfH, 0, 0}, {x - halfW, y - halfH, 0, 0},
    };
    GetMenuCanvas().DrawLineStrip(outline, 0.0f, currentColour);
}

void ButtonWidget::Draw() {
    if (!visible) return;
    if (hovered && pulse) UpdatePulse();
    DrawBody();
    const float length = static_cast<float>(name.size());
    const float* colour = hovered && texture == 0 ? currentColour : textColour;
    PrintText(0, x - pressX - length * 6.0f, y + pressY + 5.0f, colour, name);
}
