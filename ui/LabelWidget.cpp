#include "ui/LabelWidget.h"

#include <cstdio>
#include <string_view>

#include "ui/MenuCanvas.h"

LabelWidget::LabelWidget(const char* text, const char* image, void* value, int valueType, int newX,
                         int newY, int newW, int newH, const float* normal, const float* textC,
                         const float* hover, bool newPulse, bool colourKey, int newFont)
    : boundValue(value), boundType(valueType) {
    Init(text, image, newX, newY, newW, newH, normal, textC, hover, newPulse, colourKey);
    scrollable = true;
    font = newFont;
}

void LabelWidget::SetTextureScroll(const float* dx, const float* dy, const float* speed) {
    if (dx) scrollDx = *dx;
    if (dy) scrollDy = *dy;
    if (speed) scrollSpeed = *speed;
}

namespace {

#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
#endif
// The format is content written by the game's own menu builder; the result is bounded and is
// drawn as plain text, never used as a format again.
template <typename Value>
std::string PrintBounded(const std::string& format, Value value) {
    char buffer[kLabelTextMax + 1];
    const int written = std::snprintf(buffer, sizeof buffer, format.c_str(), value);
    if (written < 0) return std::string();
    return std::string(buffer);
}
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

// The one conversion the bound kind can fill: 'i' for the integer kinds, 'f' for the
// floating ones, 's' for a string; anything else (two conversions, a '*' width, a length
// modifier) makes the format unusable for printing.
char ConversionClass(const std::string& format) {
    char found = 0;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') continue;
        if (i + 1 < format.size() && format[i + 1] == '%') {
            ++i;
            continue;
        }
        if (found) return 0;
        std::size_t j = i + 1;
        while (j < format.size() &&
               std::string_view("-+ #0123456789.").find(format[j]) != std::string_view::npos)
            ++j;
        if (j < format.size() && format[j] == 'l') ++j;  // "%lf" is a double too
        if (j >= format.size()) return 0;
        const char c = format[j];
        if (std::string_view("diuxXoc").find(c) != std::string_view::npos)
            found = 'i';
        else if (std::string_view("fFeEgGaA").find(c) != std::string_view::npos)
            found = 'f';
        else if (c == 's')
            found = 's';
        else
            return 0;
        if (format[j - 1] == 'l' && found != 'f') return 0;
        i = j;
    }
    return found;
}

char ClassOf(int boundType) {
    switch (boundType) {
        case kBoundInt:
        case kBoundChar:
            return 'i';
        case kBoundFloat:
        case kBoundDouble:
            return 'f';
        case kBoundString:
            return 's';
        default:
            return 0;
    }
}

}  // namespace

std::string LabelWidget::FormatText() const {
    if (!boundValue) return name;
    // A format that does not fit its value is shown as it stands rather than printed wrongly.
    if (ClassOf(boundType) == 0 || ConversionClass(name) != ClassOf(boundType)) return name;
    switch (boundType) {
        case kBoundInt:
            return PrintBounded(name, *static_cast<const int*>(boundValue));
        case kBoundFloat:
            return PrintBounded(name, static_cast<double>(*static_cast<const float*>(boundValue)));
        case kBoundDouble:
            return PrintBounded(name, *static_cast<const double*>(boundValue));
        case kBoundChar:
            return PrintBounded(name, static_cast<int>(*static_cast<const char*>(boundValue)));
        case kBoundString: {
            const char* text = *static_cast<char* const*>(boundValue);
            return PrintBounded(name, text ? text : "");
        }
        default:
            // An unknown kind prints its format as it stands.
            return name;
    }
}

void LabelWidget::UpdatePulse() {
    if (pulseValue > pulseMaximum) {
        pulseValue = pulseMaximum;
        pulseSpeed = -pulseSpeed;
    }
    if (pulseValue < pulseMaximum / 3.0f) {
        pulseValue = pulseMaximum / 3.0f;
        pulseSpeed = -pulseSpeed;
    }
    pulseValue += GetMenuDeltaTime() * pulseSpeed;
    for (int i = 0; i < 3; ++i) currentColour[i] = pulseValue / pulseMaximum * hoverColour[i];
}

void LabelWidget::Draw() {
    if (!visible) return;
    MenuCanvas& canvas = GetMenuCanvas();
    const bool scrolling = scrollSpeed > 0;
    if (scrolling) {
        canvas.SetTextureOffset(scrollDx * scrollOffset, scrollDy * scrollOffset);
        scrollOffset += GetMenuDeltaTime() * scrollSpeed;
    }
    Widget::Draw();
    if (scrolling) canvas.ResetTextureOffset();
    if (pulse) {
        UpdatePulse();
        CopyColour(textColour, currentColour);
    }
    // Placed by the length of the name, not of the printed result.
    const float length = static_cast<float>(name.size());
    const float left = x - length * (font == 0 ? 6.0f : 5.0f);
    PrintText(font, left, y + 5.0f, textColour, FormatText());
}
