#include "ui/OptionSelectorWidget.h"

#include "ui/ButtonWidget.h"
#include "ui/LabelWidget.h"

int StepSelection(int selected, int capacity, bool left, bool right) {
    if (capacity < 1) return 0;
    if (left) selected = (selected - 1 + capacity) % capacity;
    if (right) selected = (selected + 1) % capacity;
    return selected;
}

OptionSelectorWidget::OptionSelectorWidget(const char* caption, const char* image,
                                           ButtonWidget* left, ButtonWidget* right,
                                           LabelWidget* label, int newX, int newY, int newW,
                                           int newH, const float* baseColour, const float* textC,
                                           int newCapacity)
    : leftArrow(left),
      rightArrow(right),
      valueLabel(label),
      capacity(newCapacity > 0 ? newCapacity : 0) {
    Init(caption, image, newX, newY, newW, newH, baseColour, textC, baseColour, false, false);
    options.resize(static_cast<std::size_t>(capacity));
}

void OptionSelectorWidget::AddOption(const char* text) {
    if (count >= capacity) return;
    options[static_cast<std::size_t>(count)] = text ? text : "";
    ++count;
    if (count == 1) ShowSelected();
}

void OptionSelectorWidget::ShowSelected() {
    if (valueLabel && selectedIndex >= 0 && selectedIndex < capacity)
        valueLabel->name = options[static_cast<std::size_t>(selectedIndex)];
}

void OptionSelectorWidget::OnMouseUp(int, int) {
    const bool left = leftArrow && leftArrow->hovered;
    const bool right = rightArrow && rightArrow->hovered;
    if (!left && !right) return;
    selectedIndex = StepSelection(selectedIndex, capacity, left, right);
    ShowSelected();
}

void OptionSelectorWidget::Draw() {
    if (!visible) return;
    Widget::Draw();
    const float length = static_cast<float>(name.size());
    PrintText(0, x - length * 6.0f, y - static_cast<float>(h / 2) - 10.0f, textColour, name);
}
