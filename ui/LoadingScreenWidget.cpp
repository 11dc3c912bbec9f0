#include "ui/LoadingScreenWidget.h"

#include "app/FrameTimer.h"
#include "app/Window.h"
#include "ui/FadeTransitionWidget.h"

LoadingScreenWidget::LoadingScreenWidget(const char* text, const char* image, int newX, int newY,
                                         const float* normal, const float* textC, bool colourKey) {
    Init(text, image, newX, newY, window.GetWidth(), window.GetHeight(), normal, textC, textC,
         false, colourKey);
}

void LoadingScreenWidget::AddStep(LoadingStep step) {
    if (step) steps.push_back(step);
}

bool LoadingScreenWidget::RunStep() {
    if (steps.empty()) return true;
    const LoadingStep step = steps.front();
    steps.pop_front();
    const bool last = steps.empty();
    step();
    if (!last) return false;
    frameTimer.Update();
    return true;
}

void LoadingScreenWidget::OnMouseLeave() {
    frameTimer.Update();
}

void LoadingScreenWidget::Draw() {
    if (!visible) return;
    // The caption on a plain screen; the picture is not drawn.
    DrawWindowQuad(currentColour);
    const float length = static_cast<float>(name.size());
    PrintText(1, x - length * 4.0f, y + 5.0f, textColour, name);
}
