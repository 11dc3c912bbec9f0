#pragma once
// A clickable caption that leads to a menu: textured with a shadow, or an outline.
#include "ui/Widget.h"

class ButtonWidget : public Widget {
public:
    ButtonWidget(const char* name, const char* image, int x, int y, int w, int h,
                 const float* normalColour, const float* textColour, const float* hoverColour,
                 bool pulse, bool colourKey);

    void OnMouseDown(int x, int y) override;
    void OnMouseUp(int x, int y) override;
    void OnMouseEnter() override;
    void OnMouseLeave() override;
    void Draw() override;
    void DrawBody();
    void UpdatePulse();

    float pulseMaximum = 50.0f;
    float pulseSpeed = 60.0f;
    float pulseValue = 25.0f;
    int pressX = 0, pressY = 0;
};
