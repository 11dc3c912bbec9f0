#pragma once
// The full-window colour fade between two menus: it rises to opaque, then falls back clear.
#include "ui/Widget.h"

class FadeTransitionWidget : public Widget {
public:
    FadeTransitionWidget(const float* colour, float speed);

    void Draw() override;
    void OnMouseDown(int, int) override {}
    void OnMouseUp(int, int) override {}
    void OnMouseEnter() override {}
    void OnMouseLeave() override {}

    // The fade level is the alpha of the current colour.
    float GetLevel() const { return currentColour[3]; }

    float speed = 0;
    bool fadingIn = true;
};

// Draws a quad over the whole window, a little above its top edge, in `colour`.
void DrawWindowQuad(const float colour[4]);
