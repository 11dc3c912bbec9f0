#pragma once
// A full-window screen with a caption that runs queued steps, one per frame.
#include <deque>

#include "ui/Widget.h"

// A step of loading or unloading, queued by the game flow.
using LoadingStep = void (*)();

class LoadingScreenWidget : public Widget {
public:
    LoadingScreenWidget(const char* name, const char* image, int x, int y,
                        const float* normalColour, const float* textColour, bool colourKey);

    void AddStep(LoadingStep step);
    // Runs the next step; true when the queue is done (empty, or its last step just ran).
    bool RunStep();
    void Draw() override;
    void OnMouseDown(int, int) override {}
    void OnMouseUp(int, int) override {}
    void OnMouseEnter() override {}
    // Called when the screen moves on: the frame that ran the last step may have been long,
    // so the frame timer starts a fresh frame.
    void OnMouseLeave() override;

    std::deque<LoadingStep> steps;
};
