// Building a selector: its value label, its two arrow buttons and the selector itself, four
// nodes of one menu in that order.
#include <cstdarg>
#include <cstdio>

#include "ui/ButtonWidget.h"
#include "ui/LabelWidget.h"
#include "ui/MenuSystem.h"
#include "ui/ModelSelectorWidget.h"
#include "ui/OptionSelectorWidget.h"

namespace {
// An option selector's arrows stand this far above its centre.
constexpr int kOptionArrowRaise = 5;
// A model selector's value label stands this far beyond its panel's edge.
constexpr int kModelLabelGap = 50;
}  // namespace

WidgetIdMap MenuSystem::CreateSelector(int type, const char* caption, const char* image,
                                       const char* leftImage, const char* rightImage,
                                       const std::string& menuName, int x, int y, int w, int h,
                                       const float* baseColour, const float* arrowColour,
                                       const float* textColour, const float* arrowHoverColour,
                                       bool colourKey, int count, ...) {
    std::vector<const char*> choices;
    const int strings = type == kModelSelectorWidget ? count * 2 : count;
    va_list arguments;
    va_start(arguments, count);
    for (int i = 0; i < strings; ++i) choices.push_back(va_arg(arguments, const char*));
    va_end(arguments);
    return CreateSelectorFrom(type, caption, image, leftImage, rightImage, menuName, x, y, w, h,
                              baseColour, arrowColour, textColour, arrowHoverColour, colourKey,
                              count, choices);
}

WidgetIdMap MenuSystem::CreateSelectorFrom(int type, const char* caption, const char* image,
                                           const char* leftImage, const char* rightImage,
                                           const std::string& menuName, int x, int y, int w, int h,
                                           const float* baseColour, const float* arrowColour,
                                           const float* textColour, const float* arrowHoverColour,
                                           bool colourKey, int count,
                                           const std::vector<const char*>& choices) {
    const bool models = type == kModelSelectorWidget;
    if ((type != kOptionSelectorWidget && !models) || count < 1) {
        // Stepping wraps around the number of choices: a selector needs at least one.
        std::fprintf(stderr, "menus: selector \"%s\" on %s refused (type %d, %d choices)\n",
                     caption ? caption : "", menuName.c_str(), type, count);
        return WidgetIdMap();
    }
    const std::size_t needed = static_cast<std::size_t>(models ? count * 2 : count);
    const int arrowWidth = w / 6;
    const int arrowOffset = (arrowWidth * 5) / 2;
    const int arrowY = models ? y : y - kOptionArrowRaise;

    auto right =
        std::make_unique<ButtonWidget>("", rightImage, x + arrowOffset, arrowY, arrowWidth, h,
                                       arrowColour, textColour, arrowHoverColour, false, colourKey);
    auto left =
        std::make_unique<ButtonWidget>("", leftImage, x - arrowOffset, arrowY, arrowWidth, h,
                                       arrowColour, textColour, arrowHoverColour, false, colourKey);
    const bool noCaption = !caption || caption[0] == '\0';
    const int labelY =
        !models ? y : (noCaption ? y - h / 2 - kModelLabelGap : y + h / 2 + kModelLabelGap);
    auto label =
        std::make_unique<LabelWidget>("---", models ? "" : image, nullptr, kBoundNone, x, labelY, w,
                                      h, baseColour, textColour, baseColour, false, false, 0);
    if (models) {
        // Drawn by the selector above its model; the mouse still reaches them.
        left->visible = false;
        right->visible = false;
    }
    ButtonWidget* leftArrow = left.get();
    ButtonWidget* rightArrow = right.get();
    LabelWidget* valueLabel = label.get();
    AddWidget(std::move(label), menuName, "", kLabelWidget);
    AddWidget(std::move(right), menuName, "", kButtonWidget);
    AddWidget(std::move(left), menuName, "", kButtonWidget);

    if (models) {
        auto selector =
            std::make_unique<ModelSelectorWidget>(caption, image, leftArrow, rightArrow, valueLabel,
                                                  x, y, w, h, baseColour, textColour, count);
        for (int i = 0; i < count; ++i) {
            const std::size_t at = static_cast<std::size_t>(i) * 2;
            selector->AddOption(at < choices.size() ? choices[at] : "",
                                at + 1 < choices.size() ? choices[at + 1] : "");
        }
        selector->LoadModels();
        AddWidget(std::move(selector), menuName, "", kModelSelectorWidget);
    } else {
        auto selector = std::make_unique<OptionSelectorWidget>(caption, image, leftArrow,
                                                               rightArrow, valueLabel, x, y, w, h,
                                                               baseColour, textColour, count);
        for (int i = 0; i < count; ++i)
            selector->AddOption(static_cast<std::size_t>(i) < choices.size()
                                    ? choices[static_cast<std::size_t>(i)]
                                    : "");
        AddWidget(std::move(selector), menuName, "", kOptionSelectorWidget);
    }
    if (choices.size() < needed)
        std::fprintf(stderr, "menus: selector \"%s\" on %s has fewer choices than %d\n",
                     caption ? caption : "", menuName.c_str(), count);
    return WidgetIdMap(lastWidgetId, menuName);
}
