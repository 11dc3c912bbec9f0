#pragma once
// A picture, a text, or a live value printed through a format each frame.
#include <string>

#include "ui/Widget.h"

// What a label's bound value points at.
enum BoundType : int {
    kBoundNone = 0,
    kBoundInt = 1,
    kBoundFloat = 2,
    kBoundDouble = 3,
    kBoundChar = 4,
    kBoundString = 5,  // a char*
};

class LabelWidget : public Widget {
public:
    LabelWidget(const char* name, const char* image, void* boundValue, int boundType, int x, int y,
                int w, int h, const float* normalColour, const float* textColour,
                const float* hoverColour, bool pulse, bool colourKey, int font);

    void SetTextureScroll(const float* dx, const float* dy, const float* speed);
    void Draw() override;
    void OnMouseDown(int, int) override {}
    void OnMouseUp(int, int) override {}
    void OnMouseEnter() override { hovered = true; }
    void OnMouseLeave() override { hovered = false; }
    void UpdatePulse();

    // The text as drawn this frame: the name, or the bound value printed through it.
    std::string FormatText() const;

    float pulseMaximum = 25.0f;
    float pulseSpeed = 60.0f;
    float pulseValue = 12.5f;
    float scrollDx = 0, scrollDy = 0, scrollSpeed = 0, scrollOffset = 0;
    void* boundValue = nullptr;
    int boundType = kBoundNone;
};

// The longest text a label prints; longer results are cut.
constexpr int kLabelTextMax = 255;
